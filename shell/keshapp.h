#pragma once

#include <QStringList>
#include <memory>

class CMainFrame;
class InterfaceLanguage;
class QtUserPrompts;
class SettingsStore;

// The application: the user's settings store, the interface language, the Qt dialogs and the
// main window.
class CKeshApp {
public:
    // A file named on its own is not opened; those after --open are, once the window shows.
    explicit CKeshApp(const QStringList& arguments);
    // The same on a given settings store and recovery directory (none when empty), for tests.
    CKeshApp(const QStringList& arguments, std::unique_ptr<SettingsStore> settings,
             const QString& recoveryDirectory = {});
    ~CKeshApp();

    CMainFrame& mainFrame() { return *frame_; }
    const InterfaceLanguage& language() const { return *language_; }
    // Shows the main window in its stored show state, opens the --open files, then offers
    // what a crash left.
    void show();

    // Whether the command line asks for the normal start, which shows the splash window.
    static bool splashAllowed(const QStringList& arguments);

private:
    std::unique_ptr<SettingsStore> settings_;
    // Before the frame, whose texts are translated as they are made.
    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<QtUserPrompts> prompts_;
    std::unique_ptr<CMainFrame> frame_;
    QStringList openFiles_;
};
