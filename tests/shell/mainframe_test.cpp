#include "tests/support/shellfixture.h"

#include "shell/keshapp.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/toolsbardlg.h"
#include "shell/widgets/dialogdockbar.h"
#include "shell/widgets/splashwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString kNoIniPath = QString::fromUtf8(
    "Chemin pour Vantair n'est pas trouvé !\n\nAllez dans le  menu 'Fichier' 'Setup' avant de "
    "sauver");
const QString kNoName = QStringLiteral("Le planeur courant n'a pas de nom !");

QStringList visibleMenuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->isVisible())
            titles.append(menu->text());
    return titles;
}

QStringList visibleItems(QMainWindow& window, const QString& title) {
    QStringList items;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->text() == title && menu->menu())
            for (QAction* item : menu->menu()->actions())
                if (item->isVisible())
                    items.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return items;
}

CGeneralPage& generalPage(CMainFrame& frame) {
    return *static_cast<CGeneralPage*>(frame.paramBar()->page(CParamBarDlg::General));
}

} // namespace

using MainFrameTest = ShellFixture;

TEST_F(MainFrameTest, StartsWithoutDocumentWithBarsDockedAndTheShortMenus) {
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("kesh"));
    EXPECT_EQ(frame->dockWidgetArea(frame->paramDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame->dockWidgetArea(frame->toolsDock()), Qt::RightDockWidgetArea);
    EXPECT_EQ(frame->paramDock()->windowTitle(), QStringLiteral("Params glider bar"));
    EXPECT_EQ(frame->toolsDock()->windowTitle(), QStringLiteral("Tools glider bar"));

    EXPECT_EQ(visibleMenuTitles(*frame), (QStringList{"&Fichier", "&Affichage", "&Outils", "&?"}));
    EXPECT_EQ(visibleItems(*frame, "&Fichier"),
              (QStringList{"&Nouveau\tCtrl+N", "&Ouvrir...\tCtrl+O", "Set&up ...", "-",
                           "C&onfiguration de l'impression...", "-",
                           QString::fromUtf8("Fichier récent"), "-", "&Quitter"}));
    EXPECT_EQ(visibleItems(*frame, "&Affichage"),
              (QStringList{"&Barre d'outils", QString::fromUtf8("Barre d'é&tat"),
                           "Barre parametres", "Barre d'outils"}));
    EXPECT_EQ(visibleItems(*frame, "&Outils"), (QStringList{"Atelier profils...", "Rapport..."}));
    EXPECT_EQ(visibleItems(*frame, "&?"), QStringList{"&A propos de kesh..."});
    EXPECT_FALSE(frame->action(CMainFrame::Report)->isEnabled());

    QStringList indicators;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>())
        indicators.append(label->text());
    EXPECT_TRUE(indicators.contains("MAJ") && indicators.contains("NUM") &&
                indicators.contains("DEF"));
    EXPECT_EQ(frame->action(CMainFrame::New)->statusTip(),
              QString::fromUtf8("Crée un nouveau document"));
    EXPECT_EQ(frame->action(CMainFrame::Open)->statusTip(),
              QStringLiteral("Ouvre un document existant"));
}

TEST_F(MainFrameTest, NewNumbersDocumentsAndSwitchesToTheLongMenus) {
    CKeshDoc* first = frame->fileNew();
    CKeshDoc* second = frame->fileNew();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->title(), QStringLiteral("Kesh1"));
    EXPECT_EQ(second->title(), QStringLiteral("Kesh2"));
    EXPECT_EQ(second->glider().name, "Kesh2"); // named as its window, so it saves as it is
    EXPECT_EQ(first->glider().valid, 1);
    EXPECT_EQ(frame->activeDocument(), second);
    EXPECT_EQ(frame->activeView()->viewMode(), 3);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("kesh - Kesh2[*]"));

    EXPECT_EQ(visibleMenuTitles(*frame),
              (QStringList{"&Fichier", "&Edition", "&Affichage", "&Outils", "&?"}));
    EXPECT_EQ(visibleItems(*frame, "&Fichier").mid(0, 5),
              (QStringList{"&Nouveau\tCtrl+N", "&Ouvrir...\tCtrl+O", "&Sauver\tCtrl+S",
                           "Sauver sous ...", "Set&up ..."}));
    EXPECT_EQ(visibleItems(*frame, "&Edition"),
              (QStringList{"&Annuler\tCtrl+Z", QString::fromUtf8("&Rétablir\tCtrl+Y"), "-",
                           "&Couper\tCtrl+X", "&Copier\tCtrl+C", "C&oller\tCtrl+V"}));
    EXPECT_EQ(visibleItems(*frame, "&Affichage").mid(4),
              (QStringList{"-", "Vue de gauche", "Vue de haut", "Vue de face", "Vue libre", "-",
                           "Cadrer\tF"}));
    for (auto command : {CMainFrame::Undo, CMainFrame::Redo, CMainFrame::Print})
        EXPECT_FALSE(frame->action(command)->isEnabled());
    EXPECT_TRUE(frame->action(CMainFrame::Report)->isEnabled());
}

TEST_F(MainFrameTest, OpenLoadsTheGliderOnceAndFillsThePages) {
    prompts.openAnswers.push_back(sampleGlider("Harle"));
    CKeshDoc* document = frame->fileOpen();
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Ouvrir"));
    EXPECT_EQ(prompts.shown[0].filter, QStringLiteral("glider (*.gli);;Tous les fichiers (*.*)"));
    EXPECT_EQ(document->title(), QStringLiteral("Harle.gli"));
    EXPECT_EQ(document->glider().name, "Harle");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(generalPage(*frame).nameField()->text(), QStringLiteral("Harle"));
    EXPECT_EQ(frame->recentFiles().files().value(0),
              QFileInfo(sampleGlider("Harle")).absoluteFilePath());
    EXPECT_EQ(frame->recentFileActions().size(), 1);

    // A file already open only activates its window.
    frame->fileNew();
    EXPECT_EQ(frame->openFile(sampleGlider("Harle")), document);
    EXPECT_EQ(frame->documents().size(), 2);
    EXPECT_EQ(frame->activeDocument(), document);
}

TEST_F(MainFrameTest, MissingAndRefusedFilesLeaveNoDocument) {
    const QString missing = temp.filePath(QStringLiteral("nowhere.gli"));
    EXPECT_EQ(frame->openFile(missing), nullptr);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              missing + QString::fromUtf8("\nImpossible de trouver ce fichier. Vérifiez que le "
                                          "chemin et le nom du fichier sont corrects."));

    // Something that is there but cannot be read as a file.
    EXPECT_EQ(frame->openFile(temp.path()), nullptr);
    ASSERT_EQ(prompts.messages().size(), 2);
    EXPECT_EQ(prompts.messages()[1].text, QString::fromUtf8("L'ouverture du document a échoué."));

    // A glider naming an airfoil the simulator lacks: the reader's own message.
    QFile source(sampleGlider("Harle"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    const QByteArray foil = "harle.txt";
    text.replace(foil, "nofoil.txt");
    const QString refused = temp.filePath(QStringLiteral("refused.gli"));
    QFile out(refused);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();
    EXPECT_EQ(frame->openFile(refused), nullptr);
    ASSERT_EQ(prompts.messages().size(), 3);
    EXPECT_TRUE(prompts.messages()[2].text.startsWith(QStringLiteral("Foilname '")));
    EXPECT_TRUE(prompts.messages()[2].text.endsWith(QStringLiteral("nofoil.txt' not found")));
    EXPECT_EQ(prompts.messages()[2].caption, QStringLiteral("Error"));

    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_TRUE(frame->childFrames().isEmpty());
    EXPECT_TRUE(frame->recentFiles().files().isEmpty());
}

TEST_F(MainFrameTest, SaveWithoutIniPathOffersTheWorkingOneThenShowsThePathMessage) {
    CKeshDoc* document = frame->fileNew();
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("elsewhere/Kesh1.gli")));
    EXPECT_FALSE(frame->fileSave());
    ASSERT_EQ(prompts.shown.size(), 3);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Enregistrer sous"));
    EXPECT_EQ(prompts.shown[0].proposedName, QStringLiteral("Kesh1.gli"));
    // The sample directory the editor works in has a vantair.ini: declined here.
    EXPECT_EQ(prompts.shown[1].kind, ScriptedPrompts::Kind::YesNo);
    EXPECT_TRUE(prompts.shown[1].text.contains(
        QDir::toNativeSeparators(sampleDir() + QStringLiteral("/vantair.ini"))));
    EXPECT_EQ(prompts.shown[2].text, kNoIniPath);
    EXPECT_EQ(prompts.shown[2].caption, QStringLiteral("Erreur"));
    EXPECT_EQ(prompts.shown[2].icon, PromptIcon::Error);
    EXPECT_EQ(document->title(), QStringLiteral("Kesh1"));
    EXPECT_TRUE(document->path().isEmpty());
    EXPECT_TRUE(settings->value("General", "gliderPath").isEmpty());
}

// Started in a simulator directory, the first save may use its vantair.ini, kept from then.
TEST_F(MainFrameTest, TheFirstSaveUsesTheWorkingSimulatorsIniOnceAccepted) {
    const QString ini = makeSaveTree(false);
    QFile(ini).open(QIODevice::WriteOnly);
    setSimulatorDirectory(
        QFile::encodeName(temp.filePath(QStringLiteral("sim/bin/.."))).toStdString());
    frame->fileNew();
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Kesh1.gli")));
    prompts.yesNoAnswers.push_back(true);
    ASSERT_TRUE(frame->fileSave());
    EXPECT_EQ(prompts.shown[0].proposedName, QStringLiteral("Kesh1.gli"));
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("sim/gliders/Kesh1/Kesh1.gli"))));
    EXPECT_EQ(settings->value("General", "gliderPath"), ini);
    EXPECT_EQ(settings->value("General", "GliderPath"), ini);
    frame->fileNew();
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Kesh2.gli")));
    ASSERT_TRUE(frame->fileSave());
    EXPECT_EQ(prompts.shown.size(), 3) << "asked once";
}

TEST_F(MainFrameTest, SaveOfAnUnnamedGliderShowsTheNameMessageAndKeepsTheTitle) {
    makeSaveTree();
    CKeshDoc* document = frame->fileNew();
    document->glider().name.clear();
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Kesh1.gli")));
    EXPECT_FALSE(frame->fileSave());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, kNoName);
    EXPECT_EQ(prompts.messages()[0].caption, QStringLiteral("Erreur"));
    EXPECT_EQ(document->title(), QStringLiteral("Kesh1"));
    EXPECT_TRUE(QDir(temp.filePath(QStringLiteral("sim/gliders"))).isEmpty());
}

TEST_F(MainFrameTest, SaveThroughTheDialogAdoptsTheFileActuallyWritten) {
    makeSaveTree();
    CKeshDoc* document = frame->fileNew();
    document->glider().name = "Soar";
    document->setModified(true);
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("typed/here/Mine.gli")));
    ASSERT_TRUE(frame->fileSave());
    EXPECT_TRUE(prompts.messages().isEmpty());

    const QString written = temp.filePath(QStringLiteral("sim/gliders/Soar/Mine.gli"));
    ASSERT_TRUE(QFile::exists(written));
    EXPECT_EQ(QFileInfo(document->path()).canonicalFilePath(),
              QFileInfo(written).canonicalFilePath());
    EXPECT_EQ(document->title(), QStringLiteral("Mine.gli"));
    EXPECT_EQ(frame->activeChildFrame()->windowTitle(), QStringLiteral("Mine.gli[*]"));
    EXPECT_EQ(frame->recentFiles().files().value(0), document->path());
    EXPECT_FALSE(document->isModified());

    // The next save goes straight to that file, without the dialog.
    document->glider().centrum = {-1.5f, 0, 0};
    ASSERT_TRUE(frame->fileSave());
    EXPECT_EQ(prompts.shown.size(), 1);
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("centrum.x = \"1.5\""));
}

TEST_F(MainFrameTest, ADirectSaveElsewhereAdoptsTheFileWrittenAndAsksBeforeReplacingAnother) {
    makeSaveTree();
    CKeshDoc* document = frame->openFile(copyOfSample("Martinet"));
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(frame->fileSave());
    EXPECT_TRUE(prompts.shown.isEmpty());
    const QString written = temp.filePath(QStringLiteral("sim/gliders/Martinet/Martinet.gli"));
    ASSERT_TRUE(QFile::exists(written));
    EXPECT_EQ(document->path(), written);
    EXPECT_EQ(frame->recentFiles().files().value(0), written);
    ASSERT_TRUE(frame->fileSave());
    EXPECT_TRUE(prompts.shown.isEmpty()) << "its own file is replaced without a question";

    // Another copy whose save would land on that file.
    QDir(temp.path()).mkpath(QStringLiteral("other"));
    const QString other = temp.filePath(QStringLiteral("other/Martinet.gli"));
    QFile::copy(sampleGlider("Martinet"), other);
    QFile(other).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    CKeshDoc* second = frame->openFile(other);
    ASSERT_NE(second, document);
    EXPECT_FALSE(frame->fileSave());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::YesNo);
    EXPECT_EQ(prompts.shown[0].text,
              QDir::toNativeSeparators(written) + QString::fromUtf8(" existe déjà.\nVoulez-vous le "
                                                                    "remplacer ?"));
    EXPECT_EQ(second->path(), other);
}

// Save As makes the document the file it wrote, so the next Save leaves the original alone.
TEST_F(MainFrameTest, SaveAsBindsTheDocumentToTheCopyAndSaysWhereItLanded) {
    makeSaveTree();
    const QString original = copyOfSample("Mouette");
    QFile originalFile(original);
    ASSERT_TRUE(originalFile.open(QIODevice::ReadOnly));
    const QByteArray originalBytes = originalFile.readAll();
    originalFile.close();
    CKeshDoc* document = frame->openFile(original);
    ASSERT_NE(document, nullptr);
    document->glider().centrum = {-0.75f, 0, 0};
    document->setModified(true);

    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Other.gli")));
    ASSERT_TRUE(frame->fileSaveAs());
    const QString copy = temp.filePath(QStringLiteral("sim/gliders/Mouette/Other.gli"));
    EXPECT_TRUE(QFile::exists(copy));
    EXPECT_EQ(document->path(), copy);
    EXPECT_EQ(document->title(), QStringLiteral("Other.gli"));
    EXPECT_EQ(frame->activeChildFrame()->windowTitle(), QStringLiteral("Other.gli[*]"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("kesh - Other.gli[*]"));
    EXPECT_FALSE(document->isModified());
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_EQ(frame->recentFiles().files().value(0), copy);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QString::fromUtf8("Planeur enregistré dans ") + QDir::toNativeSeparators(copy));

    document->glider().centrum = {-1.25f, 0, 0};
    ASSERT_TRUE(frame->fileSave());
    QFile copyFile(copy);
    ASSERT_TRUE(copyFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copyFile.readAll().contains("centrum.x = \"1.25\""));
    ASSERT_TRUE(originalFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(originalFile.readAll(), originalBytes);

    // The question names the file really replaced, not the one picked.
    const QString taken = temp.filePath(QStringLiteral("sim/gliders/Mouette/Taken.gli"));
    QFile(taken).open(QIODevice::WriteOnly);
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("Taken.gli")));
    prompts.yesNoAnswers.push_back(false);
    EXPECT_FALSE(frame->fileSaveAs());
    ASSERT_EQ(prompts.shown.size(), 3);
    EXPECT_TRUE(prompts.shown[2].text.startsWith(QDir::toNativeSeparators(taken) + " "));
    EXPECT_EQ(document->path(), copy);

    // Chosen in the folder it lands in: nothing more to say.
    frame->statusBar()->clearMessage();
    prompts.saveFileAnswers.push_back(
        temp.filePath(QStringLiteral("sim/gliders/Mouette/Third.gli")));
    ASSERT_TRUE(frame->fileSaveAs());
    EXPECT_EQ(document->title(), QStringLiteral("Third.gli"));
    EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
}

TEST_F(MainFrameTest, SetupProposesTheWorkingIniAndStoresOnlyAnExistingIniFile) {
    // Nothing stored: the working simulator directory's vantair.ini is proposed.
    prompts.setupAnswers.push_back(std::nullopt);
    frame->setup();
    EXPECT_EQ(prompts.shown.value(0).text,
              QDir::cleanPath(sampleDir() + QStringLiteral("/vantair.ini")));
    EXPECT_TRUE(settings->value("General", "gliderPath").isEmpty());

    settings->setValue("General", "GLIDERPATH", "/old/vantair.ini");
    prompts.setupAnswers.push_back(std::nullopt);
    frame->setup();
    EXPECT_EQ(prompts.shown.value(1).text, QStringLiteral("/old/vantair.ini"));
    EXPECT_EQ(settings->value("general", "gliderpath"), QStringLiteral("/old/vantair.ini"));

    const QString ini = makeSaveTree(false).replace("vantair.ini", "VANTAIR.INI");
    QFile(ini).open(QIODevice::WriteOnly);
    prompts.setupAnswers.push_back(ini);
    frame->setup();
    EXPECT_EQ(settings->value("General", "gliderPath"), ini);
    EXPECT_EQ(settings->value("General", "GliderPath"), ini);

    for (const QString& wrong : {QStringLiteral("/sim/none.ini"), temp.path()}) {
        const qsizetype before = prompts.messages().size();
        prompts.setupAnswers.push_back(wrong);
        frame->setup();
        EXPECT_EQ(prompts.messages().size(), before + 1) << wrong.toStdString();
        EXPECT_EQ(settings->value("General", "gliderPath"), ini) << wrong.toStdString();
    }
}

TEST_F(MainFrameTest, ViewPresetsOpenOneMoreWindowEach) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    frame->action(CMainFrame::ViewFront)->trigger();
    frame->action(CMainFrame::ViewFront)->trigger();
    frame->action(CMainFrame::ViewLeft)->trigger();
    frame->action(CMainFrame::ViewTop)->trigger();
    frame->action(CMainFrame::ViewFree)->trigger();
    const QList<CChildFrame*> frames = frame->childFrames(document);
    ASSERT_EQ(frames.size(), 6);
    const QStringList titles{"Harle.gli[*]", "Front", "Front", "LEFT", "TOP", "FREE"};
    const int modes[] = {3, 1, 1, 0, 2, 3};
    for (int i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i]->windowTitle(), titles[i]);
        EXPECT_EQ(frames[i]->view()->viewMode(), modes[i]);
        EXPECT_EQ(frames[i]->document(), document);
    }
    EXPECT_EQ(document->views().size(), 6);
}

TEST_F(MainFrameTest, EveryWindowRedrawsAfterAnAppliedChange) {
    showFrame();
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    frame->openPresetView(1);
    CChildFrame* third = frame->openPresetView(1);
    ASSERT_EQ(frame->childFrames().size(), 3);
    frame->mdiArea()->tileSubWindows();
    waitForViews();
    const QImage before = third->view()->grabFramebuffer();

    // The drawn model is placed relative to the centre of gravity.
    auto* misc = frame->paramBar()->page(CParamBarDlg::Misc);
    misc->findChildren<QLineEdit*>().at(2)->setText(QStringLiteral("2.5"));
    frame->paramBar()->ApplyAll();
    EXPECT_TRUE(prompts.messages().isEmpty());
    const QImage after = third->view()->grabFramebuffer();
    EXPECT_NE(before, after);
}

TEST_F(MainFrameTest, TheFirstViewDoesNotRecreateTheShownWindow) {
    showFrame();
    const WId before = frame->winId();
    ASSERT_NE(frame->fileNew(), nullptr);
    waitForViews();
    EXPECT_EQ(frame->winId(), before);
}

TEST_F(MainFrameTest, AClickIntoAViewReloadsThePagesAndTheToolsBar) {
    showFrame();
    CKeshDoc* harle = frame->openFile(sampleGlider("Harle"));
    CKeshDoc* martinet = frame->openFile(sampleGlider("Martinet"));
    ASSERT_TRUE(harle && martinet);
    frame->mdiArea()->tileSubWindows();
    CMyglView* harleView = frame->childFrames(harle).at(0)->view();
    harleView->setZoom(0.25f);
    ASSERT_EQ(frame->activeDocument(), martinet);
    // Qt's own activation: on a display shared with other test programs the window system
    // may give the keyboard to another one.
    QApplication::setActiveWindow(frame.get());

    // Unapplied typing is discarded when a view takes the focus.
    generalPage(*frame).nameField()->setText(QStringLiteral("typed"));
    QTest::mouseClick(harleView, Qt::LeftButton, {}, harleView->rect().center());
    EXPECT_TRUE(harleView->hasFocus());
    EXPECT_EQ(frame->activeDocument(), harle);
    EXPECT_EQ(generalPage(*frame).nameField()->text(), QStringLiteral("Harle"));
    EXPECT_EQ(martinet->glider().name, "Martinet");
    EXPECT_EQ(frame->toolsBar()->zoomText()->text(), QStringLiteral("0.2"));
}

TEST_F(MainFrameTest, ClosingTheLastWindowOfAModifiedDocumentAsks) {
    CKeshDoc* document = frame->fileNew();
    generalPage(*frame).nameField()->setText(QStringLiteral("Edited"));
    frame->paramBar()->ApplyAll();
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("kesh - Kesh1[*]"));
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_TRUE(frame->activeChildFrame()->isWindowModified());

    // A second window closes without a question.
    frame->openPresetView(2);
    frame->childFrames(document).at(1)->close();
    EXPECT_TRUE(prompts.shown.isEmpty());

    prompts.saveAnswers.push_back(SaveAnswer::Cancel);
    frame->childFrames(document).at(0)->close();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::SaveChanges);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Enregistrer les modifications de Kesh1 ?"));
    EXPECT_EQ(frame->documents().size(), 1);

    prompts.saveAnswers.push_back(SaveAnswer::No);
    frame->childFrames(document).at(0)->close();
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_EQ(visibleMenuTitles(*frame), (QStringList{"&Fichier", "&Affichage", "&Outils", "&?"}));
}

TEST_F(MainFrameTest, QuittingWithAModifiedDocumentAsksAndCancelKeepsEverything) {
    CKeshDoc* document = frame->fileNew();
    frame->fileNew();
    document->setModified(true);
    prompts.saveAnswers.push_back(SaveAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(frame->documents().size(), 2);
    EXPECT_TRUE(settings->value("Settings", "WindowPos").isEmpty());

    // Yes saves first; a failed save keeps the editor open.
    prompts.saveAnswers.push_back(SaveAnswer::Yes);
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("x.gli")));
    prompts.yesNoAnswers.push_back(false); // not the working simulator's ini either
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompts.messages().value(0).text, kNoIniPath);

    prompts.saveAnswers.push_back(SaveAnswer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(settings->value("Settings", "WindowPos").isEmpty());
}

TEST_F(MainFrameTest, PlacementLayoutAndRecentFilesSurviveARestart) {
    showFrame();
    frame->setGeometry(40, 50, 900, 700);
    QTest::qWait(20);
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    ASSERT_NE(frame->openFile(sampleGlider("Martinet")), nullptr);
    frame->paramDock()->close();
    EXPECT_FALSE(frame->action(CMainFrame::ToggleParamBar)->isChecked());
    frame->action(CMainFrame::ToggleStatusBar)->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    ASSERT_TRUE(frame->close());

    WindowPlacement stored;
    ASSERT_TRUE(parseWindowPos(settings->value("Settings", "WindowPos").toStdString(), stored));
    EXPECT_EQ(stored.flags, 0u);
    EXPECT_EQ(stored.showCmd, 1u);
    EXPECT_EQ(stored.right - stored.left, 900);
    EXPECT_EQ(stored.bottom - stored.top, 700);

    frame.reset();
    frame = makeFrame();
    EXPECT_EQ(frame->geometry().size(), QSize(900, 700));
    EXPECT_EQ(frame->recentFiles().files(),
              (QStringList{QFileInfo(sampleGlider("Martinet")).absoluteFilePath(),
                           QFileInfo(sampleGlider("Harle")).absoluteFilePath()}));
    ASSERT_EQ(frame->recentFileActions().size(), 2);
    EXPECT_TRUE(frame->recentFileActions()[0]->text().startsWith(QStringLiteral("&1 ")));
    frame->show();
    EXPECT_FALSE(frame->paramDock()->isVisible());
    EXPECT_TRUE(frame->toolsDock()->isVisible());
    EXPECT_FALSE(frame->action(CMainFrame::ToggleParamBar)->isChecked());
    frame->action(CMainFrame::ToggleParamBar)->trigger();
    EXPECT_TRUE(frame->paramDock()->isVisible());
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(frame->action(CMainFrame::ToggleStatusBar)->isChecked());
}

TEST_F(MainFrameTest, ARecentFileWithAnAmpersandShowsItAndReopens) {
    QDir(temp.path()).mkpath(QStringLiteral("R&D"));
    const QString path = temp.filePath(QStringLiteral("R&D/Martinet.gli"));
    ASSERT_TRUE(QFile::copy(sampleGlider("Martinet"), path));
    CKeshDoc* document = frame->openFile(path);
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(frame->recentFileActions().size(), 1);
    QAction* recent = frame->recentFileActions()[0];
    // "&&" is how a menu shows one "&".
    EXPECT_TRUE(recent->text().endsWith(QStringLiteral("R&&D/Martinet.gli")))
        << recent->text().toStdString();
    frame->mdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(frame->documents().isEmpty());
    recent->trigger();
    ASSERT_EQ(frame->documents().size(), 1);
    EXPECT_EQ(frame->documents()[0]->path(), QFileInfo(path).absoluteFilePath());
}

TEST_F(MainFrameTest, PrinterSetUpOpensThePlatformDialog) {
    QAction* setup = frame->action(CMainFrame::PrintSetup);
    EXPECT_TRUE(setup->isEnabled());
    setup->trigger();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].kind, ScriptedPrompts::Kind::PrintSetup);
}

TEST_F(MainFrameTest, ContextFailuresShowWithTheExclamationIcon) {
    ASSERT_NE(frame->fileNew(), nullptr);
    for (const char* text : {"Unsupported Pixel Format", "Cant create openGL MS rendering context"})
        emit frame->activeView()->contextFailed(QString::fromLatin1(text));
    QCoreApplication::processEvents();
    const QList<ScriptedPrompts::Shown> shown = prompts.messages();
    ASSERT_EQ(shown.size(), 2);
    for (const ScriptedPrompts::Shown& message : shown)
        EXPECT_EQ(message.icon, PromptIcon::Exclamation) << message.text.toStdString();
}

TEST_F(MainFrameTest, StoredShowStatesComeBack) {
    settings->setValue("Settings", "WindowPos", "2,3,-1,-1,-1,-1,10,20,810,620");
    frame = makeFrame();
    EXPECT_EQ(frame->geometry(), QRect(10, 20, 800, 600));
    frame->showWithStoredPlacement();
    EXPECT_TRUE(frame->isMaximized());
    frame->close();
    WindowPlacement stored;
    ASSERT_TRUE(parseWindowPos(settings->value("Settings", "WindowPos").toStdString(), stored));
    EXPECT_EQ(stored.flags, 2u);

    settings->setValue("Settings", "WindowPos", "0,2,-1,-1,-1,-1,10,20,810,620");
    frame = makeFrame();
    frame->showWithStoredPlacement();
    EXPECT_TRUE(frame->isMinimized());

    // A window stored on a screen that is no longer there comes back into sight.
    settings->setValue("Settings", "WindowPos", "0,1,-1,-1,-1,-1,5000,4000,5800,4600");
    frame = makeFrame();
    EXPECT_EQ(frame->geometry().size(), QSize(800, 600));
    EXPECT_NE(QGuiApplication::screenAt(frame->geometry().center()), nullptr);

    // Anything but ten numbers is ignored.
    settings->setValue("Settings", "WindowPos", "0,1,-1,-1,-1,-1,10,20,810");
    frame = makeFrame();
    EXPECT_NE(frame->geometry(), QRect(10, 20, 800, 600));
}

TEST(RecentFileListTest, KeepsFourMostRecentFirstWithoutRepeats) {
    RecentFileList recent;
    for (const char* path : {"/a.gli", "/b.gli", "/c.gli", "/d.gli", "/e.gli", "/c.gli"})
        recent.add(QString::fromLatin1(path));
    EXPECT_EQ(recent.files(), (QStringList{"/c.gli", "/e.gli", "/d.gli", "/b.gli"}));
    recent.remove(QStringLiteral("/e.gli"));
    EXPECT_EQ(recent.files(), (QStringList{"/c.gli", "/d.gli", "/b.gli"}));
}

TEST_F(MainFrameTest, AGliderNamedOnTheCommandLineIsNotOpened) {
    CKeshApp app({"kesh", sampleGlider("Harle")},
                 std::make_unique<SettingsStore>(temp.filePath(QStringLiteral("app.ini"))));
    EXPECT_TRUE(app.mainFrame().documents().isEmpty());
    EXPECT_NE(app.mainFrame().splash(), nullptr);
}

TEST(KeshAppTest, TheSplashIsLeftOutOnlyForEmbeddingAndAutomationStarts) {
    EXPECT_TRUE(CKeshApp::splashAllowed({"kesh"}));
    EXPECT_TRUE(CKeshApp::splashAllowed({"kesh", "some.gli"}));
    EXPECT_FALSE(CKeshApp::splashAllowed({"kesh", "-Embedding"}));
    EXPECT_FALSE(CKeshApp::splashAllowed({"kesh", "/Automation"}));
}
