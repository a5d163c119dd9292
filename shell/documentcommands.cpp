// The document commands of the main frame: new, open, save, save as, setup, view presets,
// and the reopening of what a crash left.
#include "shell/mainframe.h"

#include "formats/codepage.h"
#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "formats/gliderfile.h"
#include "formats/glidertemplates.h"
#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "render/myglview.h"
#include "shell/aboutdialog.h"
#include "shell/childframe.h"
#include "shell/foilworkshop.h"
#include "shell/interfacelanguage.h"
#include "shell/keshdoc.h"
#include "shell/pages/parambardlg.h"
#include "shell/recoverykeeper.h"
#include "shell/recoverystore.h"
#include "shell/setupdialog.h"
#include "shell/templatedialog.h"
#include "shell/toolsbardlg.h"
#include "shell/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QRegularExpression>
#include <QStatusBar>
#include <QUndoGroup>

#include <algorithm>
#include <filesystem>

namespace {

const QString kGliderSuffix = QStringLiteral("gli");

const char* const kPresetLabels[] = {QT_TRANSLATE_NOOP("CMainFrame", "LEFT"),
                                     QT_TRANSLATE_NOOP("CMainFrame", "Front"),
                                     QT_TRANSLATE_NOOP("CMainFrame", "TOP"),
                                     QT_TRANSLATE_NOOP("CMainFrame", "FREE")}; // by view mode

QString gliderFilter() {
    return QCoreApplication::translate("CMainFrame", "glider (*.gli);;Tous les fichiers (*.*)");
}

QString errorCaption() {
    return QCoreApplication::translate("CMainFrame", "Erreur");
}

// The name the save dialog proposes: the title up to its first character that cannot
// stand in a file name, with the glider extension.
QString proposedFileName(const QString& title) {
    static const QString bad = QStringLiteral(" #%;/\\");
    qsizetype cut = title.size();
    for (qsizetype i = 0; i < title.size(); ++i)
        if (bad.contains(title[i])) {
            cut = i;
            break;
        }
    QString name = title.left(cut);
    if (!name.endsWith(QStringLiteral(".gli"), Qt::CaseInsensitive))
        name += QStringLiteral(".gli");
    return name;
}

// The vantair.ini of the simulator directory the editor works in, when there is one.
QString workingIniPath() {
    const QString ini =
        QDir::cleanPath(QDir(fromDiskPath(simulatorDirectory())).absoluteFilePath("vantair.ini"));
    return QFileInfo(ini).isFile() ? ini : QString();
}

bool sameDirectory(const QString& a, const QString& b) {
    return sameFile(QFileInfo(a).absolutePath(), QFileInfo(b).absolutePath());
}

} // namespace

CKeshDoc* CMainFrame::adoptDocument(std::unique_ptr<CKeshDoc> document) {
    CKeshDoc* adopted = document.release();
    adopted->setParent(this);
    documents_.append(adopted);
    connect(adopted, &CKeshDoc::modifiedChanged, this, [this, adopted](bool modified) {
        for (CChildFrame* frame : childFrames(adopted))
            if (frame->windowTitle().contains(QStringLiteral("[*]")))
                frame->setWindowModified(modified);
        updateTitle();
    });
    undoGroup_->addStack(adopted->undoStack());
    connect(adopted, &CKeshDoc::restored, this, [this, adopted] {
        if (adopted == activeDocument())
            paramBar_->ReloadPages();
    });
    if (recovery_)
        recovery_->watch(*adopted);
    updateMenus();
    return adopted;
}

CChildFrame* CMainFrame::openWindow(CKeshDoc& document, const QString& title) {
    auto* frame = new CChildFrame(document);
    frame->setWindowTitle(title);
    if (title.contains(QStringLiteral("[*]")))
        frame->setWindowModified(document.isModified());
    frame->setCloseGuard([this](CChildFrame& closing) { return confirmFrameClose(closing); });
    connect(frame, &CChildFrame::closing, this, &CMainFrame::frameClosing);
    CMyglView* view = frame->view();
    connect(view, &CMyglView::focusGained, this, &CMainFrame::viewFocused);
    connect(view, &CMyglView::zoomChanged, this, [this](CMyglView* changed) {
        if (changed == activeView())
            toolsBar_->SyncFromView();
    });
    // Queued: the failure is found while the view sets up its context.
    connect(
        view, &CMyglView::contextFailed, this,
        [this](const QString& message) {
            prompts_.message(this, message, errorCaption(), PromptIcon::Exclamation);
        },
        Qt::QueuedConnection);
    mdi_->addSubWindow(frame);
    placeCascaded(frame);
    frame->show();
    mdi_->setActiveSubWindow(frame);
    view->setFocus(Qt::OtherFocusReason);
    refreshBars();
    updateTitle();
    return frame;
}

// New windows take three quarters of the area, each one a step down and right of the last.
void CMainFrame::placeCascaded(CChildFrame* frame) {
    constexpr int kStep = 24;
    constexpr int kSteps = 8;
    const QSize area = mdi_->viewport()->size();
    const int offset = kStep * ((mdi_->subWindowList().size() - 1) % kSteps);
    frame->setGeometry(offset, offset, std::max(320, area.width() * 3 / 4),
                       std::max(240, area.height() * 3 / 4));
}

void CMainFrame::viewFocused(CMyglView* view) {
    // The view can take the focus before the MDI area has made its window the active one.
    for (CChildFrame* frame : childFrames())
        if (frame->view() == view && mdi_->currentSubWindow() != frame)
            mdi_->setActiveSubWindow(frame);
    refreshBars();
}

void CMainFrame::refreshBars() {
    paramBar_->ReloadPages();
    toolsBar_->SyncFromView();
}

CKeshDoc* CMainFrame::fileNew() {
    return newDocument(Glider());
}

namespace {

std::string templatesDir() {
    return templatesDirectory(toDiskPath(QCoreApplication::applicationDirPath()));
}

} // namespace

CKeshDoc* CMainFrame::fileNewChosen() {
    const std::string dir = templatesDir();
    QList<TemplateChoice> choices;
    std::vector<std::string> names;
    for (const GliderTemplate& t : gliderTemplates()) {
        Glider glider;
        try {
            readTemplate(glider, dir, t.name);
        } catch (const err&) {
            continue; // not installed: not offered
        }
        choices.append({QString::fromStdString(t.name),
                        QCoreApplication::translate("GliderTemplates", t.description.c_str()),
                        topViewPicture(glider, QSize(96, 72))});
        names.push_back(t.name);
    }
    const std::optional<int> chosen = prompts_.chooseTemplate(this, choices);
    if (!chosen || *chosen < 0 || *chosen >= int(names.size()))
        return nullptr;
    return newFromTemplate(names[*chosen]);
}

CKeshDoc* CMainFrame::newFromTemplate(const std::string& name) {
    Glider glider;
    try {
        readTemplate(glider, templatesDir(), name);
    } catch (const err& failure) {
        prompts_.message(this, QString::fromStdString(failure.text()),
                         QString::fromStdString(failure.caption()), PromptIcon::Error);
        return nullptr;
    }
    CKeshDoc* document = newDocument(std::move(glider));
    document->setCopiesFoilsOnSave(name != kEmptyTemplate);
    return document;
}

CKeshDoc* CMainFrame::newDocument(Glider glider) {
    auto document = std::make_unique<CKeshDoc>();
    document->setTitle(QStringLiteral("Kesh%1").arg(++untitledCount_));
    document->glider() = std::move(glider);
    // Named as its window, so that a save needs no name typed first.
    document->glider().name = toCodePage(document->title()).value_or(std::string());
    document->glider().markNew();
    CKeshDoc* adopted = adoptDocument(std::move(document));
    openWindow(*adopted, adopted->title() + QStringLiteral("[*]"));
    return adopted;
}

CKeshDoc* CMainFrame::fileOpen() {
    const QString path = prompts_.openFile(this, tr("Ouvrir"), gliderFilter(), QString());
    return path.isEmpty() ? nullptr : openFile(path);
}

CKeshDoc* CMainFrame::openFile(const QString& path) {
    for (CKeshDoc* document : documents_) {
        if (sameFile(document->path(), path)) {
            if (const QList<CChildFrame*> frames = childFrames(document); !frames.isEmpty())
                mdi_->setActiveSubWindow(frames.constFirst());
            return document;
        }
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        prompts_.message(this,
                         tr("%1\nImpossible de trouver ce fichier. Vérifiez que "
                            "le chemin et le nom du fichier sont corrects.")
                             .arg(path),
                         QStringLiteral("kesh"), PromptIcon::Exclamation);
        recent_.remove(path);
        updateRecentFileActions();
        return nullptr;
    }
    if (!info.isFile() || !info.isReadable()) {
        prompts_.message(this, tr("L'ouverture du document a échoué."), QStringLiteral("kesh"),
                         PromptIcon::Exclamation);
        return nullptr;
    }

    auto document = std::make_unique<CKeshDoc>();
    try {
        readGlider(document->glider(), toDiskPath(info.absoluteFilePath()), simulatorDirectory());
    } catch (const err& failure) {
        if (!failure.text().empty())
            prompts_.message(this, QString::fromStdString(failure.text()),
                             QString::fromStdString(failure.caption()), PromptIcon::Error);
        return nullptr;
    }
    document->setPath(info.absoluteFilePath());
    document->setTitle(info.fileName());
    CKeshDoc* adopted = adoptDocument(std::move(document));
    rememberFile(adopted->path());
    openWindow(*adopted, adopted->title() + QStringLiteral("[*]"));
    return adopted;
}

bool CMainFrame::fileSave() {
    CKeshDoc* document = activeDocument();
    return document && saveDocument(*document);
}

bool CMainFrame::saveDocument(CKeshDoc& document) {
    const QFileInfo current(document.path());
    QString chosen = document.path();
    if (chosen.isEmpty() || !current.isFile() || !current.isWritable()) {
        // The real target is only known from the glider's name: the question comes later.
        chosen = prompts_.saveFile(this, tr("Enregistrer sous"), gliderFilter(),
                                   proposedFileName(document.title()), kGliderSuffix, false);
        if (chosen.isEmpty())
            return false;
    }
    return saveTo(document, chosen);
}

bool CMainFrame::fileSaveAs() {
    CKeshDoc* document = activeDocument();
    if (!document)
        return false;
    const QString chosen =
        prompts_.saveFile(this, tr("Sauver sous"), QString(), proposedFileName(document->title()),
                          kGliderSuffix, false);
    return !chosen.isEmpty() && saveTo(*document, chosen);
}

// The document becomes the file written, which the simulator's rule may put elsewhere
// than where the user chose: the status bar then says where.
bool CMainFrame::saveTo(CKeshDoc& document, const QString& chosen) {
    const std::optional<QString> written = writeDocument(document, chosen);
    if (!written)
        return false;
    if (!sameFile(*written, document.path()))
        adoptSavedPath(document, *written);
    if (document.copiesFoilsOnSave()) {
        // From now on the glider draws the simulator's airfoils, as when it is opened again.
        const std::filesystem::path root =
            std::filesystem::path(toDiskPath(*written)).parent_path().parent_path().parent_path();
        pointFoilsAtSimulator(document.glider(), root.string());
        document.setCopiesFoilsOnSave(false);
        document.rebuildModel(true);
        document.updateAllViews(HintRedraw);
    }
    document.setModified(false);
    if (!sameDirectory(*written, chosen))
        statusBar()->showMessage(
            tr("Planeur enregistré dans %1").arg(QDir::toNativeSeparators(*written)));
    return true;
}

void CMainFrame::adoptSavedPath(CKeshDoc& document, const QString& written) {
    document.setPath(written);
    document.setTitle(QFileInfo(written).fileName());
    for (CChildFrame* frame : childFrames(&document))
        if (frame->windowTitle().endsWith(QStringLiteral("[*]")))
            frame->setWindowTitle(document.title() + QStringLiteral("[*]"));
    rememberFile(written);
    updateTitle();
}

std::optional<QString> CMainFrame::writeDocument(const CKeshDoc& document, const QString& path) {
    // Read afresh: a new path chosen in Setup applies to the next save.
    const std::string iniPath = toDiskPath(storedIniPath(true));
    const std::string chosen = toDiskPath(path);
    try {
        const std::string target = gliderSaveTarget(iniPath, document.glider().name, chosen);
        if (!confirmReplace(document, fromDiskPath(target)))
            return std::nullopt;
        // gliders/<name>/<file> under the simulator's directory.
        const std::filesystem::path root =
            std::filesystem::path(target).parent_path().parent_path().parent_path();
        if (document.copiesFoilsOnSave() && !copyTemplateFoils(document, root.string()))
            return std::nullopt;
        return fromDiskPath(writeGlider(document.glider(), iniPath, chosen));
    } catch (const err& failure) {
        if (!failure.text().empty())
            prompts_.message(nullptr, QString::fromStdString(failure.text()),
                             QString::fromStdString(failure.caption()), PromptIcon::Error);
        return std::nullopt;
    }
}

bool CMainFrame::copyTemplateFoils(const CKeshDoc& document, const std::string& simulatorDir) {
    // Every question first, so that a cancel leaves the simulator as it was.
    std::vector<FoilCopy> copies;
    for (const FoilCopy& copy : foilCopies(document.glider(), simulatorDir)) {
        if (copy.same)
            continue;
        if (copy.present) {
            const std::optional<int> answer = prompts_.chooseOne(
                this,
                tr("Le profil %1 existe déjà dans le simulateur et diffère de celui du "
                   "modèle.\nLe remplacer par celui du modèle ?")
                    .arg(QDir::toNativeSeparators(fromDiskPath(copy.target))),
                tr("Question"), {tr("Remplacer"), tr("Garder l'existant")});
            if (!answer)
                return false;
            if (*answer == 1)
                continue;
        }
        copies.push_back(copy);
    }
    for (const FoilCopy& copy : copies) {
        std::string error;
        if (!copyFoil(copy, error)) {
            prompts_.message(this, QString::fromStdString(error), tr("Erreur"), PromptIcon::Error);
            return false;
        }
    }
    return true;
}

bool CMainFrame::confirmReplace(const CKeshDoc& document, const QString& target) {
    if (!QFileInfo::exists(target) || sameFile(target, document.path()))
        return true;
    return prompts_.askYesNo(
        this,
        tr("%1 existe déjà.\nVoulez-vous le remplacer ?")
            .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath())),
        tr("Question"));
}

void CMainFrame::rememberFile(const QString& path) {
    recent_.add(path);
    recent_.save(settings_);
    updateRecentFileActions();
}

// The stored vantair.ini; with none stored and `offerWorking`, the working simulator
// directory's, once the user agrees to it (it is then stored).
QString CMainFrame::storedIniPath(bool offerWorking) {
    const QString stored = settings_.value(QStringLiteral("General"), QStringLiteral("gliderPath"));
    if (!stored.isEmpty() || !offerWorking)
        return stored;
    const QString working = workingIniPath();
    if (working.isEmpty() ||
        !prompts_.askYesNo(this,
                           tr("Aucun fichier vantair.ini n'est choisi dans 'Fichier' 'Setup'.\n\n"
                              "Enregistrer dans le simulateur du répertoire de travail, avec "
                              "%1 ?\n(Ce choix est gardé ; Setup le change.)")
                               .arg(QDir::toNativeSeparators(working)),
                           tr("Question")))
        return stored;
    storeIniPath(working);
    return working;
}

void CMainFrame::storeIniPath(const QString& path) {
    settings_.setValue(QStringLiteral("General"), QStringLiteral("gliderPath"), path);
    settings_.setValue(QStringLiteral("General"), QStringLiteral("GliderPath"), path);
}

void CMainFrame::setup() {
    QString ini = storedIniPath(false);
    if (ini.isEmpty())
        ini = workingIniPath();
    const SetupChoice current{ini, storedLanguage(settings_)};
    const std::optional<SetupChoice> chosen = prompts_.setup(this, current);
    if (!chosen)
        return;
    if (const QString problem = iniPathProblem(chosen->iniPath); !problem.isEmpty())
        prompts_.message(this, problem, errorCaption(), PromptIcon::Exclamation);
    else
        storeIniPath(chosen->iniPath.trimmed());
    if (chosen->language != current.language)
        storeLanguage(settings_, chosen->language);
}

CChildFrame* CMainFrame::openPresetView(int viewMode) {
    CKeshDoc* document = activeDocument();
    if (!document || viewMode < 0 || viewMode > 3)
        return nullptr;
    CChildFrame* frame = openWindow(*document, tr(kPresetLabels[viewMode]));
    frame->view()->setViewMode(viewMode);
    return frame;
}

void CMainFrame::about() {
    AboutDialog dialog(this);
    dialog.exec();
}

CFoilWorkshop* CMainFrame::foilWorkshop() {
    if (!foilWorkshop_) {
        foilWorkshop_ = new CFoilWorkshop(prompts_, this);
        connect(foilWorkshop_, &CFoilWorkshop::foilSaved, this, &CMainFrame::reloadFoilUsers);
    }
    return foilWorkshop_;
}

void CMainFrame::openFoilWorkshop() {
    CFoilWorkshop* workshop = foilWorkshop();
    workshop->show();
    workshop->raise();
    workshop->activateWindow();
}

void CMainFrame::reloadFoilUsers(const QString& path) {
    for (CKeshDoc* document : documents_)
        document->foilFileReplaced(path);
}

bool CMainFrame::confirmFrameClose(CChildFrame& frame) {
    CKeshDoc* document = frame.document();
    if (closingAll_ || !document->isModified() || childFrames(document).size() > 1)
        return true;
    return askToSave(*document);
}

bool CMainFrame::askToSave(CKeshDoc& document) {
    const QString text = tr("Enregistrer les modifications de %1 ?").arg(document.title());
    switch (prompts_.askSaveChanges(this, text, tr("Question"))) {
    case SaveAnswer::Yes:
        return saveDocument(document);
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void CMainFrame::frameClosing(CChildFrame* frame) {
    CKeshDoc* document = frame->document();
    for (CChildFrame* other : childFrames(document))
        if (other != frame)
            return;
    document->releaseGl(frame->view());
    documents_.removeOne(document);
    // The view reads its document's glider until it is gone.
    connect(frame, &QObject::destroyed, document, &QObject::deleteLater);
    updateMenus();
}

void CMainFrame::keepRecoveryCopies(const QString& directory, int delayMs) {
    auto store = std::make_unique<RecoveryStore>(directory);
    if (!store->isOpen())
        return;
    recovery_ = std::make_unique<RecoveryKeeper>(std::move(store), delayMs);
    connect(recovery_.get(), &RecoveryKeeper::writeFailed, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    for (CKeshDoc* document : documents_)
        recovery_->watch(*document);
}

void CMainFrame::offerRecovery() {
    if (!recovery_)
        return;
    RecoveryStore& store = recovery_->store();
    const QList<RecoveredGlider> found = store.claimOrphans();
    if (!found.isEmpty()) {
        const std::optional<QList<bool>> reopen = prompts_.chooseRecovered(this, found);
        // A copy without an answer stays for the next start, as does one that fails to reopen.
        for (qsizetype i = 0; reopen && i < std::min(found.size(), reopen->size()); ++i)
            if (!reopen->at(i) || reopenRecovered(found[i]))
                RecoveryStore::discard(found[i]);
    }
    store.releaseOrphans();
}

// The copy is read like the glider file it is, then given back its document's path and
// title; it goes only once this session holds a copy of its own.
bool CMainFrame::reopenRecovered(const RecoveredGlider& copy) {
    auto document = std::make_unique<CKeshDoc>();
    try {
        readGlider(document->glider(), toDiskPath(copy.gliderFile), simulatorDirectory());
    } catch (const err& failure) {
        prompts_.message(this,
                         tr("La copie de secours de %1 n'a pas pu être relue ; "
                            "elle est gardée pour le prochain démarrage.\n\n%2")
                             .arg(copy.title, QString::fromStdString(failure.text())),
                         errorCaption(), PromptIcon::Error);
        return false;
    }
    document->glider().path = toDiskPath(copy.path);
    document->setPath(copy.path);
    document->setTitle(copy.title);
    // A new document must not take the title of a recovered one.
    static const QRegularExpression untitled(QStringLiteral("^Kesh(\\d+)$"));
    if (const QRegularExpressionMatch match = untitled.match(copy.title); match.hasMatch())
        untitledCount_ = std::max(untitledCount_, match.captured(1).toInt());
    CKeshDoc* adopted = adoptDocument(std::move(document));
    openWindow(*adopted, adopted->title() + QStringLiteral("[*]"));
    adopted->setModified(true);
    return recovery_->writeNow(*adopted);
}
