#include "aero/naca.h"
#include "aero/repanel.h"
#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/xfoilbatch.h"
#include "commands.h"
#include "formats/coordinatefile.h"
#include "formats/foilwriter.h"
#include "formats/keyedtext.h"
#include "model/angleunits.h"
#include "toolargs.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

// The points XFOIL is given, about what its own paneling uses.
constexpr int kAnalysedPoints = 160;

std::optional<double> number(const ToolArgs& args, const std::string& name) {
    double value = 0;
    if (!args.has(name))
        return std::nullopt;
    if (!parseWholeNumber(args.option(name), value) || !std::isfinite(value))
        throw std::invalid_argument(name + " takes a number");
    return value;
}

std::optional<int> whole(const ToolArgs& args, const std::string& name) {
    const std::optional<double> value = number(args, name);
    if (value && (*value != std::floor(*value) || std::abs(*value) > 1e9))
        throw std::invalid_argument(name + " takes a whole number");
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::vector<int> reynoldsList(const std::string& text) {
    std::vector<int> list;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(',', pos), text.size());
        double value = 0;
        if (!parseWholeNumber(text.substr(pos, end - pos), value) || value != std::floor(value) ||
            value < 1 || value > 1e9)
            throw std::invalid_argument("--re takes whole numbers separated by commas");
        list.push_back(static_cast<int>(value));
        pos = end + 1;
    }
    return list;
}

// What the command line asks, the defaults otherwise.
void readSettings(const ToolArgs& args, XfoilSettings& settings, FoilBuildOptions& options) {
    if (args.has("--re"))
        settings.reynolds = reynoldsList(args.option("--re"));
    settings.ncrit = number(args, "--ncrit").value_or(settings.ncrit);
    settings.alphaStep = number(args, "--alpha-step").value_or(settings.alphaStep);
    settings.jobs = whole(args, "--jobs").value_or(settings.jobs);
    settings.timeoutSeconds = whole(args, "--timeout").value_or(settings.timeoutSeconds);
    options.points = whole(args, "--points").value_or(options.points);
    options.cdMax = number(args, "--cdmax").value_or(options.cdMax);
    options.extend = !args.switches.count("--no-extend");
    if (settings.jobs < 0 || options.cdMax <= 0 || options.cdMax > 10)
        throw std::invalid_argument("--jobs and --cdmax are out of range");
}

Outline sourceOutline(const std::string& source) {
    if (isNacaCode(source))
        return nacaOutline(source);
    return readCoordinateFile(source);
}

void printRun(const XfoilRun& run) {
    if (!run.ok) {
        std::cerr << run.error.toStdString() << "\n";
        return;
    }
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
    const std::string& source = parsed.files[0];
    try {
        const Outline outline = sourceOutline(source);
        options.name = parsed.option("--name", outline.name);
        options.source =
            isNacaCode(source) ? source : std::filesystem::path(source).filename().string();
        const std::vector<XfoilRun> runs =
            runXfoilBlocking(repanel(outline, kAnalysedPoints), settings);
        for (const XfoilRun& run : runs)
            printRun(run);
        std::vector<std::string> header;
        const Foil foil = buildFoil(outline, runs, options, settings, &header);
        writeFoilFile(parsed.option("-o"), foil, header);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return ExitRefused;
    }
    return ExitOk;
}
