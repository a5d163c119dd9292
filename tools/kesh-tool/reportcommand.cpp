#include "commands.h"
#include "model/errors.h"
#include "shell/report/gliderreport.h"
#include "toolapplication.h"
#include "toolargs.h"

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
    // The charts are laid out by widgets.
    return withApplication<QApplication>([&] { return writeReport(glider, parsed.option("-o")); });
}
