// The "Rapport..." command of the main frame.
#include "shell/mainframe.h"

#include "formats/codepage.h"
#include "shell/keshdoc.h"
#include "shell/report/gliderreport.h"
#include "shell/userprompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

bool CMainFrame::writeReport() {
    CKeshDoc* document = activeDocument();
    if (!document) {
        prompts_.message(this, tr("Aucun planeurs en cours d'edition"), tr("Erreur"),
                         PromptIcon::Error);
        return false;
    }
    const std::string& name = document->glider().name;
    const QString proposed =
        (name.empty() ? document->title() : fromCodePage(name)) + tr(" - rapport.html");
    const QString path = prompts_.saveFile(this, tr("Rapport"),
                                           tr("Page HTML (*.html *.htm);;Tous les fichiers (*.*)"),
                                           proposed, QStringLiteral("html"), true);
    if (path.isEmpty())
        return false;
    QString error;
    if (!writeGliderReport(document->glider(), path, error)) {
        prompts_.message(this,
                         tr("Impossible d'écrire le rapport dans %1.\n%2")
                             .arg(QDir::toNativeSeparators(path), error),
                         tr("Erreur"), PromptIcon::Error);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (reportOpener_)
        reportOpener_(url);
    else
        QDesktopServices::openUrl(url);
    return true;
}
