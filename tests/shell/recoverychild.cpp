// The editor as it starts for a user, with two modified gliders: the first opened from the
// file named on the command line, the second new. Prints "ready" once both have their
// recovery copies, then runs until it is killed.
#include "shell/keshapp.h"
#include "shell/keshdoc.h"
#include "shell/mainframe.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/parambardlg.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

int copiesWritten() {
    const QString root =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery";
    int count = 0;
    for (QDirIterator it(root, {"*.gli"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();
         it.next())
        ++count;
    return count;
}

void renameAndApply(CMainFrame& frame, const QString& name) {
    auto* general = static_cast<CGeneralPage*>(frame.paramBar()->page(CParamBarDlg::General));
    general->nameField()->setText(name);
    frame.paramBar()->ApplyAll();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel Works"));
    QApplication::setApplicationName(QStringLiteral("kesh"));
    if (argc < 2)
        return 2;

    CKeshApp kesh({"kesh", "--nosplash"});
    kesh.show();
    CMainFrame& frame = kesh.mainFrame();
    if (!frame.openFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    renameAndApply(frame, QStringLiteral("Harleb"));
    if (!QTest::qWaitFor([] { return copiesWritten() == 1; }, 20000))
        return 1;
    frame.fileNew();
    renameAndApply(frame, QStringLiteral("Neuf"));
    if (!QTest::qWaitFor([] { return copiesWritten() == 2; }, 20000))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
