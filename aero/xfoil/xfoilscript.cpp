#include "aero/xfoil/xfoilscript.h"

#include "formats/foilfile.h"
#include "formats/keyedtext.h"

#include <cmath>

namespace {

constexpr int kIterations = 100;

} // namespace

std::string xfoilScript(const XfoilSettings& settings, int reynolds, double from, double to) {
    const double step = to >= from ? settings.alphaStep : -settings.alphaStep;
    std::string script;
    script += "PLOP\nG\n\n";
    script += std::string("LOAD ") + kXfoilOutlineFile + "\n";
    script += "PANE\nOPER\n";
    script += "VISC " + std::to_string(reynolds) + "\n";
    script += "VPAR\nN " + formatNumber(settings.ncrit) + "\n\n";
    script += "ITER " + std::to_string(kIterations) + "\n";
    script += std::string("PACC\n") + kXfoilPolarFile + "\n\n";
    script +=
        "ASEQ " + formatNumber(from) + " " + formatNumber(to) + " " + formatNumber(step) + "\n";
    script += "PACC\n\nQUIT\n";
    return script;
}

std::string xfoilOutlineText(const Outline& outline) {
    std::string text = "kesh\n";
    for (const OutlinePoint& p : outline.points)
        text += formatNumber(p.x) + " " + formatNumber(p.y) + "\n";
    return text;
}

std::string checkXfoilSettings(const XfoilSettings& settings) {
    if (settings.reynolds.empty() ||
        settings.reynolds.size() > static_cast<std::size_t>(importlimits::kMaxReynoldsCount))
        return "Il faut de 1 à " + std::to_string(importlimits::kMaxReynoldsCount) +
               " nombres de Reynolds.";
    for (int re : settings.reynolds) {
        if (re < kMinPolarReynolds || re > kMaxPolarReynolds)
            return "Nombre de Reynolds " + std::to_string(re) + " hors de " +
                   std::to_string(kMinPolarReynolds) + " à " + std::to_string(kMaxPolarReynolds) +
                   ".";
    }
    if (!(settings.ncrit >= importlimits::kMinNcrit && settings.ncrit <= importlimits::kMaxNcrit))
        return "Ncrit doit aller de " + formatNumber(importlimits::kMinNcrit) + " à " +
               formatNumber(importlimits::kMaxNcrit) + ".";
    if (!(settings.alphaStep >= importlimits::kMinStep &&
          settings.alphaStep <= importlimits::kMaxStep))
        return "Le pas d'incidence doit aller de " + formatNumber(importlimits::kMinStep) + " à " +
               formatNumber(importlimits::kMaxStep) + " degrés.";
    if (!(settings.alphaMax > 0 && settings.alphaMax <= 45) ||
        !(settings.alphaMin < 0 && settings.alphaMin >= -45))
        return "Les incidences vont de -45 à 0 et de 0 à 45 degrés.";
    if (settings.timeoutSeconds < 1 || settings.timeoutSeconds > 3600)
        return "Le délai doit aller d'une seconde à une heure.";
    if (!(settings.stallSeconds > 0 && settings.stallSeconds <= 3600))
        return "L'attente d'un point doit aller de 0 à une heure.";
    return {};
}
