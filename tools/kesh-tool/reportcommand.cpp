#include "commands.h"
#include "model/errors.h"
#include "shell/report/gliderreport.h"
#include "toolargs.h"
#include "tools/keeplibrariesloaded.h"

#include <QApplication>
#include <QFile>

#include <iostream>

namespace {

int writeReport(const Glider& glider, const std::string& out) {
    QString error;
    if (!writeGliderReport(glider, QFile::decodeName(QByteArray::fromStdString(out)), error)) {
        std::cerr << "cannot write " << out << ": " << error.toStdString() << "\n";
        return ExitRefused;
    }
    return ExitOk;
}

} // namespace

int runReport(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "-o"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1 || !parsed.has("-o"))
        return usageError("report takes one glider file and -o OUT.html");
    Glider glider;
    if (const int status = loadNamedGlider(parsed, glider); status != ExitOk)
        return status;
    // The charts need widgets and the pictures a context sharing the global one.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    int argc = 1;
    char name[] = "kesh-tool";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const int status = writeReport(glider, parsed.option("-o"));
    keepLibrariesLoaded();
    return status;
}
