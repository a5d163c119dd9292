#pragma once

#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/keshdoc.h"
#include "shell/mainframe.h"
#include "tests/support/scriptedprompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A main frame on a temporary settings file and scripted prompts, reading the sample
// simulator directory. Saves go under a temporary simulator directory.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        setSimulatorDirectory(sampleDir().toStdString());
        settings = std::make_unique<SettingsStore>(temp.filePath(QStringLiteral("kesh.ini")));
        frame = makeFrame();
    }

    void TearDown() override {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<CMainFrame> makeFrame() {
        return std::make_unique<CMainFrame>(*settings, prompts, CMainFrame::Options{false});
    }

    static QString sampleDir() { return QStringLiteral(KESH_SOURCE_DIR "/sample"); }
    static QString sampleGlider(const QString& name) {
        return sampleDir() + QStringLiteral("/gliders/%1/%1.gli").arg(name);
    }

    // A writable copy of a sample glider file, outside the save tree.
    QString copyOfSample(const QString& name) {
        QDir(temp.path()).mkpath(QStringLiteral("copies"));
        const QString copy = temp.filePath(QStringLiteral("copies/%1.gli").arg(name));
        QFile::copy(sampleGlider(name), copy);
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    // A simulator directory with an empty gliders directory; returns its vantair.ini path,
    // stored as the ini path when `store` is true.
    QString makeSaveTree(bool store = true) {
        QDir(temp.path()).mkpath(QStringLiteral("sim/gliders"));
        const QString ini = temp.filePath(QStringLiteral("sim/vantair.ini"));
        if (store)
            settings->setValue(QStringLiteral("General"), QStringLiteral("gliderPath"), ini);
        return ini;
    }

    // Shows the frame and waits until it is on screen, so that views get their contexts.
    void showFrame() {
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    // Waits until every view has its context and has drawn.
    void waitForViews() {
        for (CChildFrame* child : frame->childFrames()) {
            CMyglView* view = child->view();
            ASSERT_TRUE(QTest::qWaitFor([view] { return view->isValid(); }, 5000));
        }
        QTest::qWait(50);
    }

    QTemporaryDir temp;
    std::unique_ptr<SettingsStore> settings;
    ScriptedPrompts prompts;
    std::unique_ptr<CMainFrame> frame;
};
