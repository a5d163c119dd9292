#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/foilimport.h"
#include "commands.h"
#include "formats/foilwriter.h"
#include "formats/keyedtext.h"
#include "model/angles.h"
#include "toolargs.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

std::optional<int> whole(const ToolArgs& args, const std::string& name) {
    const std::optional<double> value = args.number(name);
    if (value && (*value != std::floor(*value) || std::abs(*value) > 1e9))
        throw std::invalid_argument(name + " takes a whole number");
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

// What the command line asks, the defaults otherwise.
void readSettings(const ToolArgs& args, XfoilSettings& settings, FoilBuildOptions& options) {
    if (args.has("--re")) {
        QString error;
        if (!readReynoldsList(args.option("--re"), settings.reynolds, error))
            throw std::invalid_argument(error.toStdString());
    }
    settings.ncrit = args.number("--ncrit").value_or(settings.ncrit);
    settings.alphaStep = args.number("--alpha-step").value_or(settings.alphaStep);
    settings.jobs = whole(args, "--jobs").value_or(settings.jobs);
    settings.timeoutSeconds = whole(args, "--timeout").value_or(settings.timeoutSeconds);
    options.points = whole(args, "--points").value_or(options.points);
    options.cdMax = args.number("--cdmax").value_or(options.cdMax);
    options.extend = !args.switches.count("--no-extend");
    if (settings.jobs < 0)
        throw std::invalid_argument("--jobs is out of range");
}

void printRun(const XfoilRun& run) {
    const auto& rows = run.polar.rows;
    const auto clMax =
        std::max_element(rows.begin(), rows.end(),
                         [](const PolarPoint& a, const PolarPoint& b) { return a.cl < b.cl; });
    const auto cdMin =
        std::min_element(rows.begin(), rows.end(),
                         [](const PolarPoint& a, const PolarPoint& b) { return a.cd < b.cd; });
    std::cout << "re " << run.reynolds << ": " << rows.size() << " points, cl max "
              << formatNumber(clMax->cl) << " at " << formatNumber(clMax->alpha * kRadiansToDegrees)
              << " deg, cd min " << formatNumber(cdMin->cd) << "\n";
}

} // namespace

int runFoilImport(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args,
                       {"-o", "--name", "--points", "--re", "--ncrit", "--alpha-step", "--cdmax",
                        "--jobs", "--timeout"},
                       {"--no-extend"}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1 || !parsed.has("-o"))
        return usageError("foil-import takes one coordinate file or NACA code and -o OUT.txt");
    XfoilSettings settings;
    FoilBuildOptions options;
    try {
        readSettings(parsed, settings, options);
    } catch (const std::invalid_argument& e) {
        return usageError(e.what());
    }
    try {
        const FoilSource source = readFoilSource(parsed.files[0]);
        if (const QString skipped = ignoredLinesText(source.ignoredLines); !skipped.isEmpty())
            std::cerr << skipped.toStdString() << "\n";
        options.name = parsed.option("--name", source.name);
        options.source = source.label;
        if (const QString wrong = checkImport(settings, options); !wrong.isEmpty())
            return usageError(wrong.toStdString());
        const ImportOutcome outcome = runImportBlocking(source, settings);
        for (const XfoilRun& run : outcome.used)
            printRun(run);
        for (const QString& line : outcome.failures + outcome.notes)
            std::cerr << line.toStdString() << "\n";
        std::vector<std::string> header;
        const Foil foil = buildFoil(source.outline, outcome.used, options, settings, &header);
        writeFoilFile(parsed.option("-o"), foil, header);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return ExitRefused;
    }
    return ExitOk;
}
