#include "aero/xfoil/foilbuilder.h"

#include "aero/polarextension.h"
#include "aero/repanel.h"
#include "aero/xfoil/xfoilprocess.h"
#include "formats/foilfile.h"
#include "formats/keyedtext.h"
#include "formats/messagetext.h"
#include "model/angles.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double kMomentReynolds = 200000;

// The successful run whose Reynolds number is nearest 200,000 (on a log scale).
const XfoilRun* momentRun(const std::vector<const XfoilRun*>& runs) {
    return *std::min_element(runs.begin(), runs.end(), [](const XfoilRun* a, const XfoilRun* b) {
        return std::abs(std::log(a->reynolds / kMomentReynolds)) <
               std::abs(std::log(b->reynolds / kMomentReynolds));
    });
}

// Angle (degrees) and moment where the lift crosses zero, interpolated between the two
// rows around it nearest 0°; extrapolated from the two lowest-lift rows when it never does.
void zeroLift(const XfoilRun& run, float& alpha0, float& cm0) {
    const std::vector<PolarPoint>& rows = run.polar.rows;
    if (rows.size() < 2) {
        alpha0 = static_cast<float>(rows.empty() ? 0 : rows[0].alpha * kRadiansToDegrees);
        cm0 = run.cm.empty() ? 0.0f : run.cm[0];
        return;
    }
    std::size_t best = rows.size();
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const bool crosses = (rows[i].cl <= 0) != (rows[i + 1].cl <= 0);
        if (crosses &&
            (best == rows.size() || std::abs(rows[i].alpha) < std::abs(rows[best].alpha)))
            best = i;
    }
    if (best == rows.size())
        best = rows.front().cl > 0 ? 0 : rows.size() - 2;
    const PolarPoint& a = rows[best];
    const PolarPoint& b = rows[best + 1];
    const double t = b.cl != a.cl ? (0 - a.cl) / (b.cl - a.cl) : 0;
    alpha0 = static_cast<float>((a.alpha + t * (b.alpha - a.alpha)) * kRadiansToDegrees);
    cm0 = static_cast<float>(run.cm[best] + t * (run.cm[best + 1] - run.cm[best]));
}

std::string sweepEnd(const SweepOutcome& sweep) {
    std::string text =
        sweep.anyPoint ? "to " + formatNumber(sweep.lastAlpha) + " degrees, " : "no point, ";
    switch (sweep.end) {
    case SweepEnd::Reached:
        text += "the end of the sweep";
        break;
    case SweepEnd::PastStall:
        text += "stopped past the lift's extreme";
        break;
    case SweepEnd::NotConverging:
        text += "stopped after points in a row that did not converge";
        break;
    case SweepEnd::Stopped:
        text += "cut short (" + sweep.reason.toStdString() + ")";
        break;
    }
    if (sweep.restarts > 0)
        text += ", " + std::to_string(sweep.restarts) +
                " fresh process(es) after a stalled point or failed points";
    return text;
}

// Which rows are XFOIL's: the extension, when there is one, lies beyond them.
std::string sweepLine(const XfoilRun& run) {
    const auto& rows = run.polar.rows;
    return "Re " + std::to_string(run.reynolds) + ": XFOIL rows from " +
           formatNumber(rows.front().alpha * kRadiansToDegrees) + " to " +
           formatNumber(rows.back().alpha * kRadiansToDegrees) + " degrees; up " +
           sweepEnd(run.up) + "; down " + sweepEnd(run.down);
}

std::vector<std::string> header(const FoilBuildOptions& options, const XfoilSettings& settings,
                                const std::vector<const XfoilRun*>& used) {
    const QString version = xfoilVersion(settings.program);
    std::string reynolds;
    for (const XfoilRun* run : used)
        reynolds += (reynolds.empty() ? "" : ", ") + std::to_string(run->reynolds);
    std::vector<std::string> lines = {
        options.name + ": made by the kesh airfoil workshop",
        "Source: " + options.source,
        "Profile: " + std::to_string(options.points) +
            " points, spline in arc length, cosine spacing on each surface",
        "Polars: XFOIL " +
            (version.isEmpty() ? std::string("(version unknown)") : version.toStdString()) +
            ", Ncrit " + formatNumber(settings.ncrit) + ", alpha from 0 to " +
            formatNumber(settings.alphaMax) + " then from 0 to " + formatNumber(settings.alphaMin) +
            " every " + formatNumber(settings.alphaStep) +
            " degrees, points that did not converge left out, each sweep ended " +
            formatNumber(settings.pastStall) +
            " degrees past the lift's extreme or after points in a row that did not converge",
        "Reynolds numbers: " + reynolds,
        options.extend
            ? "Extension: Viterna-Corrigan to +-180 degrees, cd max " + formatNumber(options.cdMax)
            : "Extension: none, XFOIL's range only",
        "cm0 and alpha0: where the lift is zero, at the Reynolds number nearest 200000",
        "Polar rows: angle of attack in degrees, lift coefficient, drag coefficient."};
    for (const XfoilRun* run : used)
        lines.push_back(sweepLine(*run));
    return lines;
}

} // namespace

std::string checkBuildOptions(const FoilBuildOptions& options) {
    if (options.points < importlimits::kMinPoints || options.points > Foil::kMaxPoints)
        return MessageText("FoilBuilder", "Le nombre de points du profil doit aller de %1 à %2.")
            .arg(importlimits::kMinPoints)
            .arg(Foil::kMaxPoints)
            .text();
    if (options.extend &&
        !(options.cdMax >= importlimits::kMinCdMax && options.cdMax <= importlimits::kMaxCdMax))
        return MessageText("FoilBuilder", "Le cd maximal de l'extension doit aller de %1 à %2.")
            .arg(formatNumber(importlimits::kMinCdMax))
            .arg(formatNumber(importlimits::kMaxCdMax))
            .text();
    return {};
}

Foil buildFoil(const Outline& normalised, const std::vector<XfoilRun>& runs,
               const FoilBuildOptions& options, const XfoilSettings& settings,
               std::vector<std::string>* headerLines) {
    if (const std::string wrong = checkBuildOptions(options); !wrong.empty())
        throw std::runtime_error(wrong);
    std::vector<const XfoilRun*> used;
    for (const XfoilRun& run : runs) {
        if (run.ok && !run.polar.rows.empty() && run.cm.size() == run.polar.rows.size())
            used.push_back(&run);
    }
    if (used.empty())
        throw std::runtime_error(
            MessageText("FoilBuilder", "Aucun nombre de Reynolds n'a donné de point convergé.")
                .text());
    std::sort(used.begin(), used.end(),
              [](const XfoilRun* a, const XfoilRun* b) { return a->reynolds < b->reynolds; });

    Foil foil;
    foil.name = options.name;
    zeroLift(*momentRun(used), foil.alpha0, foil.cm0);
    for (const OutlinePoint& p : repanel(normalised, options.points).points)
        foil.points.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
    foil.polars.emplace_back();
    for (const XfoilRun* run : used)
        foil.polars.push_back(options.extend ? extendPolar(run->polar, options.cdMax) : run->polar);
    foil.polars.push_back(foil.polars.back());
    foil.polars.front() = foil.polars[1];
    foil.polars.front().reynolds = kLowSentinelReynolds;
    foil.polars.back().reynolds = kHighSentinelReynolds;
    if (headerLines)
        *headerLines = header(options, settings, used);
    return foil;
}

QString xfoilVersion(const QString& program) {
    const QString executable = findXfoil(program);
    if (executable.isEmpty())
        return {};
    QProcess process;
    process.setProcessEnvironment(xfoilEnvironment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(executable, {});
    process.write("QUIT\n");
    process.closeWriteChannel();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    static const QRegularExpression version(QStringLiteral("Version\\s+([0-9][0-9.]*)"));
    const QRegularExpressionMatch match = version.match(QString::fromLatin1(process.readAll()));
    return match.hasMatch() ? match.captured(1) : QString();
}
