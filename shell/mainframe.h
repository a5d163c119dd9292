#pragma once

#include "shell/activedocumentsource.h"
#include "shell/recentfilelist.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CChildFrame;
class CDialogDockBar;
class CFoilWorkshop;
class CKeshDoc;
class CParamBarDlg;
class CSplashWindow;
class CToolsBarDlg;
class Glider;
class QAction;
class QUndoGroup;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class RecoveryKeeper;
class QUrl;
class SettingsStore;
struct RecoveredGlider;

/**
 * The main window: toolbar, status bar, the two docked bars around the document windows,
 * the menus and the document commands. The settings store and the user dialogs come from
 * outside so that tests run on their own.
 */
class CMainFrame : public QMainWindow, public ActiveDocumentSource {
    Q_OBJECT
public:
    enum Command {
        New,
        Open,
        Save,
        SaveAs,
        Setup,
        PrintSetup,
        Quit,
        ToggleToolBar,
        ToggleStatusBar,
        ToggleParamBar,
        ToggleToolsBar,
        ViewLeft,
        ViewTop,
        ViewFront,
        ViewFree,
        About,
        Undo,
        Redo,
        Cut,
        Copy,
        Paste,
        Print,
        NextPane,
        PreviousPane,
        FrameGlider,
        FoilWorkshop,
        Report,
        CommandCount
    };

    struct Options {
        bool splash = true;
    };

    CMainFrame(SettingsStore& settings, UserPrompts& prompts, Options options);
    ~CMainFrame() override;

    CKeshDoc* activeDocument() override;
    CMyglView* activeView() override;
    UserPrompts& prompts() override { return prompts_; }

    CChildFrame* activeChildFrame() const;
    QList<CKeshDoc*> documents() const { return documents_; }
    // Every open document window, or those of one document.
    QList<CChildFrame*> childFrames(const CKeshDoc* document = nullptr) const;

    QAction* action(Command command) const { return actions_.at(command); }
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    CParamBarDlg* paramBar() const { return paramBar_; }
    CToolsBarDlg* toolsBar() const { return toolsBar_; }
    CDialogDockBar* paramDock() const { return paramDock_; }
    CDialogDockBar* toolsDock() const { return toolsDock_; }
    CSplashWindow* splash() const;
    const RecentFileList& recentFiles() const { return recent_; }
    QList<QAction*> recentFileActions() const;

    // Shows the window in the show state stored with its placement.
    void showWithStoredPlacement();

    // Document commands; each returns what it made or whether it succeeded.
    // "Nouveau": asks which template, then newFromTemplate.
    CKeshDoc* fileNewChosen();
    // An untitled document of the empty glider, or of a template.
    CKeshDoc* fileNew();
    CKeshDoc* newFromTemplate(const std::string& name);
    CKeshDoc* fileOpen();
    CKeshDoc* openFile(const QString& path);
    bool fileSave();
    bool fileSaveAs();
    void setup();
    CChildFrame* openPresetView(int viewMode);
    void about();
    // From now on, modified documents are copied under `directory`, `delayMs` after a
    // change, for after a crash.
    void keepRecoveryCopies(const QString& directory, int delayMs = 2000);
    // Offers to reopen or discard what an editor that stopped without closing left modified.
    void offerRecovery();
    // The airfoil workshop, made on first use and kept for the frame's life.
    CFoilWorkshop* foilWorkshop();
    void openFoilWorkshop();
    // After an airfoil file was replaced: every open glider drawing it reloads it and redraws.
    void reloadFoilUsers(const QString& path);
    // "Rapport...": writes the active glider's report where the user says and opens it.
    bool writeReport();
    void setReportOpener(std::function<void(const QUrl&)> opener) {
        reportOpener_ = std::move(opener);
    }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createEditCommands();
    void updateEditCommands();
    // Cut, copy or paste in the focused field or grid.
    void editFocused(Command command);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createBars();
    void adoptToggleAction(Command command, QAction* toggle);
    void updateMenus();
    void updateRecentFileActions();
    void updateTitle();

    void restorePlacement();
    void storePlacement();
    void restoreBarLayout();
    void storeBarLayout();

    CKeshDoc* adoptDocument(std::unique_ptr<CKeshDoc> document);
    CChildFrame* openWindow(CKeshDoc& document, const QString& title);
    void placeCascaded(CChildFrame* frame);
    void viewFocused(CMyglView* view);
    void refreshBars();
    bool confirmFrameClose(CChildFrame& frame);
    void frameClosing(CChildFrame* frame);
    bool askToSave(CKeshDoc& document);
    bool saveDocument(CKeshDoc& document);
    bool saveTo(CKeshDoc& document, const QString& chosen);
    // Writes where the glider's name sends it, after asking before it replaces a file other
    // than the document's own; the path written, or nullopt.
    std::optional<QString> writeDocument(const CKeshDoc& document, const QString& path);
    bool confirmReplace(const CKeshDoc& document, const QString& target);
    // The airfoils of a document made from a template, into the simulator it is saved in;
    // false when the user cancels or a copy fails.
    bool copyTemplateFoils(const CKeshDoc& document, const std::string& simulatorDir);
    CKeshDoc* newDocument(Glider glider);
    void adoptSavedPath(CKeshDoc& document, const QString& written);
    void rememberFile(const QString& path);
    QString storedIniPath(bool offerWorking);
    void storeIniPath(const QString& path);
    bool reopenRecovered(const RecoveredGlider& copy);

    SettingsStore& settings_;
    UserPrompts& prompts_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    CParamBarDlg* paramBar_ = nullptr;
    CToolsBarDlg* toolsBar_ = nullptr;
    CDialogDockBar* paramDock_ = nullptr;
    CDialogDockBar* toolsDock_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* viewSeparator_ = nullptr;
    QAction* frameSeparator_ = nullptr;
    QAction* recentPlaceholder_ = nullptr;
    std::array<QAction*, RecentFileList::kMaxFiles> recentActions_{};
    std::array<QAction*, CommandCount> actions_{};
    QUndoGroup* undoGroup_ = nullptr;
    QPointer<CSplashWindow> splash_;
    CFoilWorkshop* foilWorkshop_ = nullptr;
    QList<CKeshDoc*> documents_;
    RecentFileList recent_;
    Qt::WindowStates storedState_ = Qt::WindowNoState;
    std::unique_ptr<RecoveryKeeper> recovery_;
    int untitledCount_ = 0;
    bool closingAll_ = false;
    std::function<void(const QUrl&)> reportOpener_;
};
