#include "shell/mainframe.h"

#include "formats/diskpath.h"
#include "formats/settingsstore.h"
#include "formats/simulatorpaths.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/keshdoc.h"
#include "shell/pages/parambardlg.h"
#include "shell/recoverykeeper.h"
#include "shell/toolsbardlg.h"
#include "shell/userprompts.h"
#include "shell/widgets/dialogdockbar.h"
#include "shell/widgets/gridctrl.h"
#include "shell/widgets/pictures.h"
#include "shell/widgets/splashwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QOpenGLWidget>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoGroup>

namespace {

const QString kLayoutSection = QStringLiteral("General-Summary");
const QString kLayoutKey = QStringLiteral("State");
const QString kStatusBarKey = QStringLiteral("StatusBar");
constexpr int kLayoutVersion = 1;

// Show states of the stored placement.
constexpr unsigned kShowNormal = 1;
constexpr unsigned kShowMinimized = 2;
constexpr unsigned kShowMaximized = 3;
constexpr unsigned kRestoreToMaximized = 2;

struct CommandText {
    const char* text;
    const char* prompt;
    const char* tip;
};

// Menu text, status-bar prompt and tool tip of each command, in Command order.
const CommandText kCommandTexts[CMainFrame::CommandCount] = {
    {QT_TRANSLATE_NOOP("CMainFrame", "&Nouveau\tCtrl+N"),
     QT_TRANSLATE_NOOP("CMainFrame", "Crée un nouveau document"),
     QT_TRANSLATE_NOOP("CMainFrame", "Nouveau")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Ouvrir...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvre un document existant"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvrir")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Sauver\tCtrl+S"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Enregistre le planeur actif dans le répertoire du simulateur"),
     QT_TRANSLATE_NOOP("CMainFrame", "Sauver")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Sauver sous ..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Enregistre une copie du planeur actif sous un autre nom"),
     QT_TRANSLATE_NOOP("CMainFrame", "Sauver sous")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Set&up ..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Indique le fichier vantair.ini du simulateur"),
     QT_TRANSLATE_NOOP("CMainFrame", "Setup")},
    {QT_TRANSLATE_NOOP("CMainFrame", "C&onfiguration de l'impression..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Modifie les options d'impression"),
     QT_TRANSLATE_NOOP("CMainFrame", "Configuration de l'impression")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Quitter"),
     QT_TRANSLATE_NOOP("CMainFrame", "Quitte l'application"),
     QT_TRANSLATE_NOOP("CMainFrame", "Quitter")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Barre d'outils"),
     QT_TRANSLATE_NOOP("CMainFrame", "Affiche ou masque la barre d'outils"),
     QT_TRANSLATE_NOOP("CMainFrame", "Barre d'outils")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Barre d'é&tat"),
     QT_TRANSLATE_NOOP("CMainFrame", "Affiche ou masque la barre d'état"),
     QT_TRANSLATE_NOOP("CMainFrame", "Barre d'état")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Barre parametres"),
     QT_TRANSLATE_NOOP("CMainFrame", "Affiche ou masque la barre des paramètres du planeur"),
     QT_TRANSLATE_NOOP("CMainFrame", "Barre parametres")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Barre d'outils"),
     QT_TRANSLATE_NOOP("CMainFrame", "Affiche ou masque la barre d'outils du planeur"),
     QT_TRANSLATE_NOOP("CMainFrame", "Barre d'outils")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Vue de gauche"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvre une fenêtre de plus, vue de gauche"),
     QT_TRANSLATE_NOOP("CMainFrame", "Vue de gauche")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Vue de haut"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvre une fenêtre de plus, vue de haut"),
     QT_TRANSLATE_NOOP("CMainFrame", "Vue de haut")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Vue de face"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvre une fenêtre de plus, vue de face"),
     QT_TRANSLATE_NOOP("CMainFrame", "Vue de face")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Vue libre"),
     QT_TRANSLATE_NOOP("CMainFrame", "Ouvre une fenêtre de plus, vue libre"),
     QT_TRANSLATE_NOOP("CMainFrame", "Vue libre")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&A propos de kesh..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Affiche le nom et la version du programme"),
     QT_TRANSLATE_NOOP("CMainFrame", "A propos")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Annuler\tCtrl+Z"),
     QT_TRANSLATE_NOOP("CMainFrame", "Annule la dernière action"),
     QT_TRANSLATE_NOOP("CMainFrame", "Annuler")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Rétablir\tCtrl+Y"),
     QT_TRANSLATE_NOOP("CMainFrame", "Rétablit l'action annulée"),
     QT_TRANSLATE_NOOP("CMainFrame", "Rétablir")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Couper\tCtrl+X"),
     QT_TRANSLATE_NOOP("CMainFrame", "Coupe la sélection et la place dans le Presse-papiers"),
     QT_TRANSLATE_NOOP("CMainFrame", "Couper")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Copier\tCtrl+C"),
     QT_TRANSLATE_NOOP("CMainFrame", "Copie la sélection et la place dans le Presse-papiers"),
     QT_TRANSLATE_NOOP("CMainFrame", "Copier")},
    {QT_TRANSLATE_NOOP("CMainFrame", "C&oller\tCtrl+V"),
     QT_TRANSLATE_NOOP("CMainFrame", "Insère le contenu du Presse-papiers"),
     QT_TRANSLATE_NOOP("CMainFrame", "Coller")},
    {QT_TRANSLATE_NOOP("CMainFrame", "&Imprimer...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CMainFrame", "Imprime le document actif"),
     QT_TRANSLATE_NOOP("CMainFrame", "Imprimer")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Volet suivant"),
     QT_TRANSLATE_NOOP("CMainFrame", "Passe au volet suivant de la fenêtre"),
     QT_TRANSLATE_NOOP("CMainFrame", "Volet suivant")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Volet précédent"),
     QT_TRANSLATE_NOOP("CMainFrame", "Revient au volet précédent de la fenêtre"),
     QT_TRANSLATE_NOOP("CMainFrame", "Volet précédent")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Cadrer\tF"),
     QT_TRANSLATE_NOOP("CMainFrame", "Montre tout le planeur dans la vue active"),
     QT_TRANSLATE_NOOP("CMainFrame", "Cadrer")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Atelier profils..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Calcule les polaires d'un profil avec XFOIL et écrit son fichier"),
     QT_TRANSLATE_NOOP("CMainFrame", "Atelier profils")},
    {QT_TRANSLATE_NOOP("CMainFrame", "Rapport..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Écrit le rapport du planeur actif et l'ouvre"),
     QT_TRANSLATE_NOOP("CMainFrame", "Rapport")},
};

} // namespace

CMainFrame::CMainFrame(SettingsStore& settings, UserPrompts& prompts, Options options)
    : settings_(settings), prompts_(prompts) {
    if (simulatorDirectory().empty())
        setSimulatorDirectory(simulatorDirectoryFrom(toDiskPath(QDir::currentPath())));

    setWindowTitle(QStringLiteral("kesh"));
    setWindowIcon(QIcon(aboutPicture()));
    resize(1024, 720);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    // A GL child from the start makes the native window an OpenGL one at once; otherwise
    // the first document's view would recreate it, flickering and losing its activation.
    auto* glSeed = new QOpenGLWidget(this);
    glSeed->setFixedSize(1, 1);
    glSeed->hide();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::updateTitle);
    undoGroup_ = new QUndoGroup(this);
    // The undo commands follow the active window's document.
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this] {
        CKeshDoc* document = activeDocument();
        undoGroup_->setActiveStack(document ? document->undoStack() : nullptr);
    });

    restorePlacement();
    recent_.load(settings_);
    createActions();
    createToolBar();
    createStatusBar();
    createBars();
    createMenus();
    restoreBarLayout();
    updateMenus();

    if (options.splash) {
        splash_ = new CSplashWindow(splashPicture());
        connect(splash_, &CSplashWindow::finished, this, qOverload<>(&QWidget::repaint));
    }
}

CMainFrame::~CMainFrame() {
    if (splash_)
        splash_->close();
    // The windows go with the base class, which no longer knows this frame.
    closingAll_ = true;
    mdi_->disconnect(this);
    for (CChildFrame* child : childFrames()) {
        child->disconnect(this);
        child->view()->disconnect(this);
    }
}

CSplashWindow* CMainFrame::splash() const {
    return splash_.data();
}

CChildFrame* CMainFrame::activeChildFrame() const {
    return qobject_cast<CChildFrame*>(mdi_->currentSubWindow());
}

CKeshDoc* CMainFrame::activeDocument() {
    CChildFrame* frame = activeChildFrame();
    return frame ? frame->document() : nullptr;
}

CMyglView* CMainFrame::activeView() {
    CChildFrame* frame = activeChildFrame();
    return frame ? frame->view() : nullptr;
}

QList<CChildFrame*> CMainFrame::childFrames(const CKeshDoc* document) const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : mdi_->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && (!document || frame->document() == document))
            frames.append(frame);
    }
    return frames;
}

QList<QAction*> CMainFrame::recentFileActions() const {
    QList<QAction*> visible;
    for (QAction* action : recentActions_)
        if (action->isVisible())
            visible.append(action);
    return visible;
}

void CMainFrame::createActions() {
    for (int command = 0; command < CommandCount; ++command) {
        if (command == ToggleToolBar || command == ToggleParamBar || command == ToggleToolsBar)
            continue; // the bars' own actions, taken when the bars are made
        const CommandText& text = kCommandTexts[command];
        auto* action = new QAction(tr(text.text), this);
        action->setStatusTip(tr(text.prompt));
        action->setToolTip(tr(text.tip));
        actions_[command] = action;
    }
    action(New)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    action(Open)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action(Save)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    action(Print)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action(Undo)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    action(Cut)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    action(Copy)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    action(Paste)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    action(NextPane)->setShortcut(QKeySequence(Qt::Key_F6));
    action(PreviousPane)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));

    action(Redo)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    // Commands the editor has no handler for stay visible but disabled.
    for (Command idle : {Print, NextPane, PreviousPane})
        action(idle)->setEnabled(false);
    createEditCommands();

    connect(action(New), &QAction::triggered, this, &CMainFrame::fileNewChosen);
    connect(action(Open), &QAction::triggered, this, &CMainFrame::fileOpen);
    connect(action(Save), &QAction::triggered, this, &CMainFrame::fileSave);
    connect(action(SaveAs), &QAction::triggered, this, &CMainFrame::fileSaveAs);
    connect(action(Setup), &QAction::triggered, this, &CMainFrame::setup);
    connect(action(PrintSetup), &QAction::triggered, this, [this] { prompts_.printSetup(this); });
    connect(action(Quit), &QAction::triggered, this, &QWidget::close);
    connect(action(About), &QAction::triggered, this, &CMainFrame::about);
    // F itself is the view's key, so that it never takes a letter typed into a page.
    connect(action(FrameGlider), &QAction::triggered, this, [this] {
        if (CMyglView* view = activeView())
            view->frameGlider();
    });
    connect(action(FoilWorkshop), &QAction::triggered, this, &CMainFrame::openFoilWorkshop);
    connect(action(Report), &QAction::triggered, this, &CMainFrame::writeReport);
    const std::pair<Command, int> presets[] = {
        {ViewLeft, 0}, {ViewTop, 2}, {ViewFront, 1}, {ViewFree, 3}};
    for (const auto& [command, mode] : presets)
        connect(action(command), &QAction::triggered, this,
                [this, mode = mode] { openPresetView(mode); });

    action(ToggleStatusBar)->setCheckable(true);
    connect(action(ToggleStatusBar), &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    for (std::size_t i = 0; i < recentActions_.size(); ++i) {
        auto* recent = new QAction(this);
        recent->setStatusTip(tr("Ouvre ce document"));
        connect(recent, &QAction::triggered, this,
                [this, recent] { openFile(recent->data().toString()); });
        recentActions_[i] = recent;
    }
    recentPlaceholder_ = new QAction(tr("Fichier récent"), this);
    recentPlaceholder_->setEnabled(false);
}

void CMainFrame::createEditCommands() {
    connect(action(Undo), &QAction::triggered, undoGroup_, &QUndoGroup::undo);
    connect(action(Redo), &QAction::triggered, undoGroup_, &QUndoGroup::redo);
    for (auto changed : {&QUndoGroup::canUndoChanged, &QUndoGroup::canRedoChanged})
        connect(undoGroup_, changed, this, &CMainFrame::updateEditCommands);
    for (auto changed : {&QUndoGroup::undoTextChanged, &QUndoGroup::redoTextChanged})
        connect(undoGroup_, changed, this, &CMainFrame::updateEditCommands);
    for (Command command : {Cut, Copy, Paste})
        connect(action(command), &QAction::triggered, this,
                [this, command] { editFocused(command); });
    updateEditCommands();
}

// "Annuler Aile", "Rétablir ajout de panneau": the command names its step.
void CMainFrame::updateEditCommands() {
    const auto show = [](QAction* command, const QString& verb, const QString& step, bool can) {
        const QString keys = command->shortcut().toString(QKeySequence::NativeText);
        QString text = verb;
        if (can && !step.isEmpty())
            text +=
                QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
        command->setText(text + QLatin1Char('\t') + keys);
        command->setEnabled(can);
    };
    show(action(Undo), tr("&Annuler"), undoGroup_->undoText(), undoGroup_->canUndo());
    show(action(Redo), tr("&Rétablir"), undoGroup_->redoText(), undoGroup_->canRedo());
}

void CMainFrame::editFocused(Command command) {
    const auto run = [command](auto* target) {
        if (command == Cut)
            target->cut();
        else if (command == Copy)
            target->copy();
        else
            target->paste();
    };
    QWidget* focused = QApplication::focusWidget();
    if (auto* field = qobject_cast<QLineEdit*>(focused))
        return run(field);
    // The grid's own editor is a field of its own; otherwise the focus is in the grid.
    for (QWidget* widget = focused; widget; widget = widget->parentWidget())
        if (auto* grid = qobject_cast<CGridCtrl*>(widget))
            return run(grid);
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Fichier"));
    file->addAction(action(New));
    file->addAction(action(Open));
    file->addAction(action(Save));
    file->addAction(action(SaveAs));
    file->addAction(action(Setup));
    file->addSeparator();
    file->addAction(action(PrintSetup));
    file->addSeparator();
    file->addAction(recentPlaceholder_);
    for (QAction* recent : recentActions_)
        file->addAction(recent);
    file->addSeparator();
    file->addAction(action(Quit));

    editMenu_ = menuBar()->addMenu(tr("&Edition"));
    editMenu_->addAction(action(Undo));
    editMenu_->addAction(action(Redo));
    editMenu_->addSeparator();
    editMenu_->addAction(action(Cut));
    editMenu_->addAction(action(Copy));
    editMenu_->addAction(action(Paste));

    QMenu* view = menuBar()->addMenu(tr("&Affichage"));
    view->addAction(action(ToggleToolBar));
    view->addAction(action(ToggleStatusBar));
    view->addAction(action(ToggleParamBar));
    view->addAction(action(ToggleToolsBar));
    viewSeparator_ = view->addSeparator();
    for (Command preset : {ViewLeft, ViewTop, ViewFront, ViewFree})
        view->addAction(action(preset));
    frameSeparator_ = view->addSeparator();
    view->addAction(action(FrameGlider));

    QMenu* tools = menuBar()->addMenu(tr("&Outils"));
    tools->addAction(action(FoilWorkshop));
    tools->addAction(action(Report));

    QMenu* help = menuBar()->addMenu(tr("&?"));
    help->addAction(action(About));

    // Shortcut-only commands.
    for (Command hidden : {Print, NextPane, PreviousPane})
        addAction(action(hidden));
}

void CMainFrame::createToolBar() {
    toolBar_ = new QToolBar(tr("Barre d'outils"), this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(16, 16));
    const std::pair<Command, ToolbarImage> buttons[] = {
        {New, ToolbarImage::New},     {Open, ToolbarImage::Open},  {Save, ToolbarImage::Save},
        {Cut, ToolbarImage::Cut},     {Copy, ToolbarImage::Copy},  {Paste, ToolbarImage::Paste},
        {Print, ToolbarImage::Print}, {About, ToolbarImage::About}};
    for (const auto& [command, image] : buttons) {
        action(command)->setIcon(toolbarIcon(image));
        if (command == Cut || command == Print || command == About)
            toolBar_->addSeparator();
        toolBar_->addAction(action(command));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);

    adoptToggleAction(ToggleToolBar, toolBar_->toggleViewAction());
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(tr("Prêt")), 1);
    for (const QString& key : {tr("MAJ"), tr("NUM"), tr("DEF")}) {
        auto* indicator = new QLabel(key);
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
    }
    action(ToggleStatusBar)->setChecked(true);
}

void CMainFrame::createBars() {
    paramBar_ = new CParamBarDlg(*this);
    paramDock_ = new CDialogDockBar(tr("Params glider bar"), paramBar_, this);
    paramDock_->setObjectName(QStringLiteral("ParamsGliderBar"));
    addDockWidget(Qt::LeftDockWidgetArea, paramDock_);

    toolsBar_ = new CToolsBarDlg(*this);
    toolsDock_ = new CDialogDockBar(tr("Tools glider bar"), toolsBar_, this);
    toolsDock_->setObjectName(QStringLiteral("ToolsGliderBar"));
    addDockWidget(Qt::RightDockWidgetArea, toolsDock_);

    const std::pair<Command, CDialogDockBar*> toggles[] = {{ToggleParamBar, paramDock_},
                                                           {ToggleToolsBar, toolsDock_}};
    for (const auto& [command, dock] : toggles)
        adoptToggleAction(command, dock->toggleViewAction());
}

// The bars' own toggle actions keep the menu check marks in step with their visibility.
void CMainFrame::adoptToggleAction(Command command, QAction* toggle) {
    const CommandText& text = kCommandTexts[command];
    toggle->setText(tr(text.text));
    toggle->setStatusTip(tr(text.prompt));
    toggle->setToolTip(tr(text.tip));
    actions_[command] = toggle;
}

void CMainFrame::updateMenus() {
    const bool hasDocument = !documents_.isEmpty();
    action(Save)->setVisible(hasDocument);
    action(SaveAs)->setVisible(hasDocument);
    editMenu_->menuAction()->setVisible(hasDocument);
    viewSeparator_->setVisible(hasDocument);
    frameSeparator_->setVisible(hasDocument);
    action(Report)->setEnabled(hasDocument);
    for (Command preset : {ViewLeft, ViewTop, ViewFront, ViewFree, FrameGlider})
        action(preset)->setVisible(hasDocument);
    updateRecentFileActions();
}

void CMainFrame::updateRecentFileActions() {
    const QStringList& files = recent_.files();
    recentPlaceholder_->setVisible(files.isEmpty());
    for (int i = 0; i < static_cast<int>(recentActions_.size()); ++i) {
        QAction* recent = recentActions_[i];
        recent->setVisible(i < files.size());
        if (i < files.size()) {
            // A "&" in the path is shown, not taken for a mnemonic.
            const QString shown =
                QDir::toNativeSeparators(files[i]).replace(QLatin1Char('&'), QStringLiteral("&&"));
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            recent->setData(files[i]);
        }
    }
}

void CMainFrame::updateTitle() {
    CKeshDoc* document = activeDocument();
    if (!document) {
        setWindowTitle(QStringLiteral("kesh"));
        setWindowModified(false);
        return;
    }
    setWindowTitle(QStringLiteral("kesh - %1[*]").arg(document->title()));
    setWindowModified(document->isModified());
}

void CMainFrame::restorePlacement() {
    WindowPlacement placement;
    const QString text = settings_.value(QStringLiteral("Settings"), QStringLiteral("WindowPos"));
    if (text.isEmpty() || !parseWindowPos(text.toStdString(), placement))
        return;
    const int width = placement.right - placement.left;
    const int height = placement.bottom - placement.top;
    if (width <= 0 || height <= 0)
        return;
    QRect stored(placement.left, placement.top, width, height);
    // A placement stored on a screen that is gone would leave the window out of sight.
    const QScreen* screen = QGuiApplication::screenAt(stored.center());
    if (!screen && QGuiApplication::primaryScreen())
        stored.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    setGeometry(stored);
    if (placement.showCmd == kShowMinimized)
        storedState_ = Qt::WindowMinimized;
    else if (placement.showCmd == kShowMaximized || (placement.flags & kRestoreToMaximized))
        storedState_ = Qt::WindowMaximized;
    if (placement.showCmd == kShowMinimized && (placement.flags & kRestoreToMaximized))
        storedState_ |= Qt::WindowMaximized;
}

void CMainFrame::showWithStoredPlacement() {
    if (storedState_ & Qt::WindowMinimized)
        showMinimized();
    else if (storedState_ & Qt::WindowMaximized)
        showMaximized();
    else
        show();
    if (splash_ && !splash_->isFinished()) {
        // Over the main window, which it would otherwise hide behind.
        splash_->show();
        splash_->raise();
    }
}

void CMainFrame::storePlacement() {
    WindowPlacement placement;
    placement.flags = isMaximized() ? kRestoreToMaximized : 0;
    placement.showCmd = isMinimized()   ? kShowMinimized
                        : isMaximized() ? kShowMaximized
                                        : kShowNormal;
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    settings_.setValue(QStringLiteral("Settings"), QStringLiteral("WindowPos"),
                       QString::fromStdString(formatWindowPos(placement)));
}

void CMainFrame::restoreBarLayout() {
    const QByteArray state = settings_.bytes(kLayoutSection, kLayoutKey);
    if (!state.isEmpty())
        restoreState(state, kLayoutVersion);
    // Qt's window state leaves the status bar out.
    if (settings_.value(kLayoutSection, kStatusBarKey) == QStringLiteral("0"))
        action(ToggleStatusBar)->setChecked(false);
}

void CMainFrame::storeBarLayout() {
    settings_.setBytes(kLayoutSection, kLayoutKey, saveState(kLayoutVersion));
    settings_.setValue(kLayoutSection, kStatusBarKey,
                       action(ToggleStatusBar)->isChecked() ? QStringLiteral("1")
                                                            : QStringLiteral("0"));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (CKeshDoc* document : documents_) {
        if (document->isModified() && !askToSave(*document)) {
            event->ignore();
            return;
        }
    }
    storeBarLayout();
    storePlacement();
    recent_.save(settings_);
    settings_.sync();
    closingAll_ = true;
    mdi_->closeAllSubWindows();
    if (splash_)
        splash_->close();
    event->accept();
}
