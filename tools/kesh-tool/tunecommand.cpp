#include "aero/tuning.h"
#include "commands.h"
#include "formats/atomicfile.h"
#include "formats/gliderfile.h"
#include "formats/keyedtext.h"
#include "model/angles.h"
#include "model/errors.h"
#include "toolargs.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string speedText(const std::optional<double>& speed) {
    return speed ? fixed(*speed, 2) + " m/s" : std::string("no trim");
}

template <class Change> const Change* accepted(const aero::Tuned<Change>& tuned) {
    if (const auto* why = std::get_if<aero::TuneRefusal>(&tuned)) {
        std::cerr << aero::refusalText(*why) << "\n";
        return nullptr;
    }
    return &std::get<Change>(tuned);
}

bool centre(Glider& glider, double percent) {
    const aero::Tuned<aero::CentreChange> tuned = aero::centreForMargin(glider, percent / 100);
    const auto* c = accepted(tuned);
    if (c)
        std::cout << "centre of gravity x: " << fixed(c->centreXBefore, 4) << " -> "
                  << fixed(c->centreXAfter, 4) << " m, static margin "
                  << fixed(c->marginBefore * 100, 2) << " % -> " << fixed(c->marginAfter * 100, 2)
                  << " %, trim speed " << speedText(c->trimSpeedBefore) << " -> "
                  << speedText(c->trimSpeedAfter) << "\n";
    return c != nullptr;
}

bool trim(Glider& glider, std::optional<double> speed) {
    const aero::Tuned<aero::IncidenceChange> tuned =
        speed ? aero::trimForSpeed(glider, *speed) : aero::trimForBestGlide(glider);
    const auto* c = accepted(tuned);
    if (c)
        std::cout << "stabiliser incidence: " << fixed(c->incidenceBefore * kRadiansToDegrees, 3)
                  << " -> " << fixed(c->incidenceAfter * kRadiansToDegrees, 3)
                  << " deg, trim speed " << speedText(c->trimSpeedBefore) << " -> "
                  << speedText(c->trimSpeedAfter) << "\n";
    return c != nullptr;
}

} // namespace

int runTune(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "-o", "--static-margin", "--trim-speed"},
                       {"--trim-best-glide"}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("tune takes one glider file");
    if (!parsed.has("-o"))
        return usageError("tune needs -o OUT.gli");
    const bool bestGlide = parsed.switches.count("--trim-best-glide") != 0;
    std::optional<double> margin, speed;
    try {
        margin = parsed.number("--static-margin");
        speed = parsed.number("--trim-speed");
    } catch (const std::invalid_argument& e) {
        return usageError(e.what());
    }
    if (speed && bestGlide)
        return usageError("--trim-speed and --trim-best-glide exclude each other");
    if (!margin && !speed && !bestGlide)
        return usageError("tune needs --static-margin, --trim-speed or --trim-best-glide");
    Glider glider;
    if (const int status = loadNamedGlider(parsed, glider); status != ExitOk)
        return status;
    // The trim is for the centre of gravity, so it comes after the centring.
    if ((margin && !centre(glider, *margin)) || ((speed || bestGlide) && !trim(glider, speed)))
        return ExitRefused;
    try {
        if (!replaceFileContents(parsed.option("-o"), gliderFileText(glider), error)) {
            std::cerr << error << "\n";
            return ExitRefused;
        }
    } catch (const err& e) {
        return refused(e);
    }
    std::cout << parsed.option("-o") << "\n";
    return ExitOk;
}
