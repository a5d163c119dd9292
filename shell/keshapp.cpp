#include "shell/keshapp.h"

#include "formats/settingsstore.h"
#include "shell/mainframe.h"
#include "shell/qtuserprompts.h"

CKeshApp::CKeshApp(const QStringList& arguments)
    : CKeshApp(arguments, std::make_unique<SettingsStore>()) {}

CKeshApp::CKeshApp(const QStringList& arguments, std::unique_ptr<SettingsStore> settings)
    : settings_(std::move(settings)), prompts_(std::make_unique<QtUserPrompts>()) {
    CMainFrame::Options options;
    options.splash = splashAllowed(arguments);
    frame_ = std::make_unique<CMainFrame>(*settings_, *prompts_, options);
}

CKeshApp::~CKeshApp() = default;

void CKeshApp::show() {
    frame_->showWithStoredPlacement();
}

bool CKeshApp::splashAllowed(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        const QString option = argument.toLower();
        if (option == QLatin1String("-embedding") || option == QLatin1String("/embedding") ||
            option == QLatin1String("-automation") || option == QLatin1String("/automation") ||
            option == QLatin1String("--nosplash"))
            return false;
    }
    return true;
}
