#include "aero/xfoil/xfoilscript.h"

#include "formats/keyedtext.h"

#include <cmath>

namespace {

constexpr int kIterations = 100;
constexpr int kMaxReynolds = 100000000;

} // namespace

std::string xfoilScript(const XfoilSettings& settings, int reynolds) {
    const std::string step = formatNumber(settings.alphaStep);
    std::string script;
    script += "PLOP\nG\n\n";
    script += std::string("LOAD ") + kXfoilOutlineFile + "\n";
    script += "PANE\nOPER\n";
    script += "VISC " + std::to_string(reynolds) + "\n";
    script += "VPAR\nN " + formatNumber(settings.ncrit) + "\n\n";
    script += "ITER " + std::to_string(kIterations) + "\n";
    script += std::string("PACC\n") + kXfoilPolarFile + "\n\n";
    script += "ASEQ 0 " + formatNumber(settings.alphaMax) + " " + step + "\n";
    script += "INIT\n";
    script += "ASEQ " + formatNumber(-settings.alphaStep) + " " + formatNumber(settings.alphaMin) +
              " " + formatNumber(-settings.alphaStep) + "\n";
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
    if (settings.reynolds.empty())
        return "Aucun nombre de Reynolds demandé.";
    for (int re : settings.reynolds) {
        if (re < 1000 || re > kMaxReynolds)
            return "Nombre de Reynolds " + std::to_string(re) + " hors de 1000 à 100000000.";
    }
    if (!(settings.ncrit > 0 && settings.ncrit <= 20))
        return "Ncrit doit aller de 0 à 20.";
    if (!(settings.alphaStep >= 0.05 && settings.alphaStep <= 5))
        return "Le pas d'incidence doit aller de 0,05 à 5 degrés.";
    if (!(settings.alphaMax > 0 && settings.alphaMax <= 45) ||
        !(settings.alphaMin < 0 && settings.alphaMin >= -45))
        return "Les incidences vont de -45 à 0 et de 0 à 45 degrés.";
    if (settings.timeoutSeconds < 1)
        return "Le délai doit être d'au moins une seconde.";
    return {};
}
