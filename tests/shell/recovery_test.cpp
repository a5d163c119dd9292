#include "tests/support/shellfixture.h"

#include "formats/gliderfile.h"
#include "shell/recoverystore.h"

#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>

#include <csignal>

namespace {

QStringList filesUnder(const QString& root, const QString& pattern = QStringLiteral("*")) {
    QStringList files;
    for (QDirIterator it(root, {pattern}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(it.next());
    return files;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecoveryTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        recoveryDir = temp.filePath(QStringLiteral("recovery"));
        frame = frameWithRecovery();
    }

    std::unique_ptr<CMainFrame> frameWithRecovery() {
        auto made = std::make_unique<CMainFrame>(*settings, prompts, CMainFrame::Options{false});
        made->keepRecoveryCopies(recoveryDir, 20);
        return made;
    }

    // Marks the document edited and waits for its copy to hold the glider as it is now.
    void editAndWait(CKeshDoc& document, const std::string& name) {
        document.glider().name = name;
        document.setModified(true);
        const QByteArray expected = QByteArray::fromStdString(gliderFileText(document.glider()));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QStringList copies = filesUnder(recoveryDir, QStringLiteral("*.gli"));
                return copies.size() == 1 && contents(copies[0]) == expected;
            },
            5000));
    }

    QString recoveryDir;
};

} // namespace

TEST_F(RecoveryTest, AModifiedDocumentIsCopiedUntilSavedClosedOrQuit) {
    makeSaveTree();
    CKeshDoc* saved = frame->openFile(copyOfSample(QStringLiteral("Harle")));
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(filesUnder(recoveryDir, QStringLiteral("*.gli")).isEmpty());
    editAndWait(*saved, "Harle");
    editAndWait(*saved, "Harle"); // a later edit of a modified document is copied again
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Harle.gli")));
    ASSERT_TRUE(frame->fileSave());
    EXPECT_TRUE(filesUnder(recoveryDir, QStringLiteral("*.gli")).isEmpty());

    CKeshDoc* closed = frame->fileNew();
    editAndWait(*closed, "Neuf");
    prompts.saveAnswers.push_back(SaveAnswer::No);
    frame->childFrames(closed).at(0)->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return filesUnder(recoveryDir, "*.gli").isEmpty(); }));

    CKeshDoc* quit = frame->fileNew();
    editAndWait(*quit, "Neuf");
    prompts.saveAnswers.push_back(SaveAnswer::No);
    EXPECT_TRUE(frame->close());
    frame.reset();
    EXPECT_TRUE(filesUnder(recoveryDir).isEmpty());
}

// The writer's refusal of a glider reaches the status bar instead of ending the editor, and
// the next change that it accepts is copied again.
TEST_F(RecoveryTest, AGliderTheWriterRefusesIsReportedAndTheEditorGoesOn) {
    CKeshDoc* document = frame->fileNew();
    Foil& foil = document->glider().surfaces[WingLeft].foil;
    foil.foilFilename = "profil\xce\xa9.txt"; // no Windows-1252 spelling
    document->setModified(true);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return frame->statusBar()->currentMessage().contains(QStringLiteral("1252")); },
        5000));
    EXPECT_TRUE(frame->statusBar()->currentMessage().contains(QStringLiteral("Kesh1")));
    EXPECT_TRUE(filesUnder(recoveryDir, QStringLiteral("*.gli")).isEmpty());

    foil.foilFilename = "profil.txt";
    editAndWait(*document, "Kesh1");
}

TEST_F(RecoveryTest, ARunningEditorsCopiesAreNeverOffered) {
    CKeshDoc* document = frame->fileNew();
    editAndWait(*document, "Neuf");
    std::unique_ptr<CMainFrame> second = frameWithRecovery();
    second->offerRecovery();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_TRUE(second->documents().isEmpty());
    EXPECT_EQ(filesUnder(recoveryDir, QStringLiteral("*.gli")).size(), 1);
}

// A real editor process, killed after its edits, then a new start on the same data.
TEST_F(RecoveryTest, AKilledEditorsEditsAreOfferedAtTheNextStart) {
    const QString original = copyOfSample(QStringLiteral("Harle"));
    const QByteArray originalBytes = contents(original);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), temp.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.filePath(QStringLiteral("config")));
    editor.setProcessEnvironment(environment);
    editor.setWorkingDirectory(sampleDir());
    editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    editor.start(QStringLiteral(RECOVERY_CHILD), {original});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            editor.waitForReadyRead(100);
            return editor.peek(64).contains("ready") || editor.state() == QProcess::NotRunning;
        },
        60000));
    ASSERT_EQ(editor.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(editor.processId()), SIGKILL);
    ASSERT_TRUE(editor.waitForFinished(10000));
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);

    recoveryDir = temp.filePath(QStringLiteral("data/Corvel Works/kesh/recovery"));
    frame = frameWithRecovery();
    prompts.recoveryAnswers.push_back(QList<bool>{true, true});
    frame->offerRecovery();
    ASSERT_EQ(prompts.recoveredShown.size(), 2);
    EXPECT_EQ(prompts.recoveredShown[0].title, QStringLiteral("Harle.gli"));
    EXPECT_EQ(prompts.recoveredShown[0].path, original);
    EXPECT_EQ(prompts.recoveredShown[1].title, QStringLiteral("Kesh1"));
    EXPECT_TRUE(prompts.recoveredShown[1].path.isEmpty());

    EXPECT_TRUE(prompts.messages().isEmpty());
    ASSERT_EQ(frame->documents().size(), 2);
    CKeshDoc* recovered = frame->documents()[0];
    EXPECT_EQ(recovered->glider().name, "Harleb");
    EXPECT_EQ(recovered->path(), original);
    EXPECT_EQ(recovered->title(), QStringLiteral("Harle.gli"));
    EXPECT_TRUE(recovered->isModified());
    EXPECT_EQ(frame->childFrames(recovered).at(0)->windowTitle(), QStringLiteral("Harle.gli[*]"));
    EXPECT_EQ(contents(original), originalBytes);
    // The killed editor's session is gone; this one holds the reopened glider's copy.
    CKeshDoc* unsaved = frame->documents()[1];
    EXPECT_EQ(unsaved->glider().name, "Neuf");
    EXPECT_TRUE(unsaved->path().isEmpty());
    EXPECT_TRUE(unsaved->isModified());
    QStringList copies = filesUnder(recoveryDir, QStringLiteral("*.gli"));
    copies.sort();
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(contents(copies[0]), QByteArray::fromStdString(gliderFileText(recovered->glider())));
    EXPECT_EQ(QDir(recoveryDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    EXPECT_EQ(frame->fileNew()->title(), QStringLiteral("Kesh2"));
}

TEST_F(RecoveryTest, PlusTardKeepsTheCopiesAndAnUnreadableOneStays) {
    // A copy left by a session whose lock names no running editor.
    const QString dead = QDir(recoveryDir).filePath(QStringLiteral("dead"));
    ASSERT_TRUE(QDir().mkpath(dead));
    QFile info(dead + QStringLiteral("/1.json"));
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write(R"({"title": "Kesh4", "path": ""})");
    info.close();
    QFile glider(dead + QStringLiteral("/1.gli"));
    ASSERT_TRUE(glider.open(QIODevice::WriteOnly));
    glider.write(
        "[main]\r\nname = \"X\"\r\n[wing]\r\nnpart = \"1\"\r\nfoil.filename = \"none.txt\"\r\n");
    glider.close();

    frame->offerRecovery(); // no answer: "Plus tard"
    ASSERT_EQ(prompts.recoveredShown.size(), 1);
    EXPECT_EQ(prompts.recoveredShown[0].title, QStringLiteral("Kesh4"));
    EXPECT_TRUE(QFile::exists(glider.fileName()));

    prompts.recoveryAnswers.push_back(QList<bool>{true});
    frame->offerRecovery();
    EXPECT_TRUE(frame->documents().isEmpty());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(
        QString::fromUtf8("La copie de secours de Kesh4 n'a pas pu être relue")));
    EXPECT_TRUE(QFile::exists(glider.fileName()));

    prompts.recoveryAnswers.push_back(QList<bool>{false});
    frame->offerRecovery();
    EXPECT_FALSE(QDir(dead).exists());
}
