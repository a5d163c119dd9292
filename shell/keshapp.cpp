#include "shell/keshapp.h"

#include "formats/settingsstore.h"
#include "shell/commandline.h"
#include "shell/interfacelanguage.h"
#include "shell/mainframe.h"
#include "shell/qtuserprompts.h"
#include "shell/widgets/splashwindow.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>

CKeshApp::CKeshApp(const QStringList& arguments)
    : CKeshApp(arguments, std::make_unique<SettingsStore>(),
               QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                   .filePath(QStringLiteral("recovery"))) {}

CKeshApp::CKeshApp(const QStringList& arguments, std::unique_ptr<SettingsStore> settings,
                   const QString& recoveryDirectory)
    : settings_(std::move(settings)),
      language_(std::make_unique<InterfaceLanguage>(storedLanguage(*settings_))),
      prompts_(std::make_unique<QtUserPrompts>()),
      openFiles_(parseCommandLine(arguments).openFiles) {
    CMainFrame::Options options;
    options.splash = splashAllowed(arguments);
    frame_ = std::make_unique<CMainFrame>(*settings_, *prompts_, options);
    if (!recoveryDirectory.isEmpty())
        frame_->keepRecoveryCopies(recoveryDirectory);
}

CKeshApp::~CKeshApp() = default;

void CKeshApp::show() {
    frame_->showWithStoredPlacement();
    for (const QString& path : openFiles_)
        frame_->openFile(path);
    // After the splash, which would take the dialog's first click.
    CMainFrame* frame = frame_.get();
    if (CSplashWindow* splash = frame->splash(); splash && !splash->isFinished())
        QObject::connect(splash, &CSplashWindow::finished, frame, &CMainFrame::offerRecovery,
                         Qt::QueuedConnection);
    else
        QTimer::singleShot(0, frame, &CMainFrame::offerRecovery);
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
