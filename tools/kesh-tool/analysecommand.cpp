#include "aero/flightanalysis.h"
#include "commands.h"
#include "formats/keyedtext.h"
#include "jsonwriter.h"
#include "model/errors.h"
#include "toolargs.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

std::optional<aero::DragParts> parseWithout(const std::string& list) {
    aero::DragParts parts;
    std::stringstream words(list);
    std::string word;
    while (std::getline(words, word, ',')) {
        if (word == "wing-induced")
            parts.wingInduced = false;
        else if (word == "stab-induced")
            parts.stabiliserInduced = false;
        else if (word == "fuselage")
            parts.fuselage = false;
        else
            return std::nullopt;
    }
    return parts;
}

std::optional<double> parseEfficiency(const std::string& text) {
    char* end = nullptr;
    const double e = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(e > 0) || e > 1)
        return std::nullopt;
    return e;
}

using Numbers = std::vector<double>;

// One figure: its numbers, or why there are none.
struct Figure {
    std::string key;
    std::string jsonKey;
    std::optional<Numbers> numbers;
    std::string why;
};

std::vector<Figure> figuresOf(const aero::FlightAnalysis& a) {
    using aero::unavailableText;
    const std::string noWing = unavailableText(aero::Unavailable::NoWing);
    const auto wing = [&](auto get) -> std::optional<Numbers> {
        return a.wing ? std::optional<Numbers>{{get(*a.wing)}} : std::nullopt;
    };
    const aero::MassProperties* m = a.mass();
    const std::string noMass =
        m ? std::string() : unavailableText(std::get<aero::Unavailable>(a.balance));
    const aero::Stability* s = a.stable();
    const auto stable = [&](auto get) -> std::optional<Numbers> {
        return s ? std::optional<Numbers>{{get(*s)}} : std::nullopt;
    };
    const aero::Performance* p = a.flight();
    const std::string noFlight =
        p ? std::string() : unavailableText(std::get<aero::Unavailable>(a.performance));
    const auto flight = [&](auto get) -> std::optional<Numbers> {
        return p ? std::optional<Numbers>{{get(*p)}} : std::nullopt;
    };

    std::vector<Figure> f;
    f.push_back({"span", "span", wing([](auto& w) { return w.span; }), noWing});
    f.push_back({"wing-area", "wingArea", wing([](auto& w) { return w.area; }), noWing});
    f.push_back(
        {"aspect-ratio", "aspectRatio", wing([](auto& w) { return w.aspectRatio; }), noWing});
    f.push_back({"mac", "mac", wing([](auto& w) { return w.meanChord; }), noWing});
    f.push_back({"mac-leading-edge-x", "macLeadingEdgeX",
                 wing([](auto& w) { return w.meanChordLeadingEdgeX; }), noWing});
    f.push_back(
        {"cg", "cg",
         m ? std::optional<Numbers>{{m->centre[0], m->centre[1], m->centre[2]}} : std::nullopt,
         noMass});
    f.push_back(
        {"inertia", "inertia",
         m ? std::optional<Numbers>{{m->inertia[0], m->inertia[1], m->inertia[2], m->inertia[3]}}
           : std::nullopt,
         noMass});
    f.push_back({"neutral-point-x", "neutralPointX",
                 stable([](auto& v) { return v.neutralPointX; }), noWing});
    f.push_back(
        {"static-margin", "staticMargin", stable([](auto& v) { return v.staticMargin; }), noWing});
    f.push_back({"tail-volume-h", "tailVolumeH", stable([](auto& v) { return v.horizontalVolume; }),
                 noWing});
    f.push_back(
        {"tail-volume-v", "tailVolumeV", stable([](auto& v) { return v.verticalVolume; }), noWing});
    f.push_back({"span-efficiency", "spanEfficiency",
                 flight([](auto& v) { return v.spanEfficiency; }), noFlight});
    f.push_back(
        {"stall-speed", "stallSpeed", flight([](auto& v) { return v.stallSpeed; }), noFlight});
    f.push_back({"best-glide", "bestGlide", flight([](auto& v) { return v.bestGlide; }), noFlight});
    f.push_back({"best-glide-speed", "bestGlideSpeed",
                 flight([](auto& v) { return v.bestGlideSpeed; }), noFlight});
    f.push_back({"min-sink", "minSink", flight([](auto& v) { return v.minSink; }), noFlight});
    f.push_back({"min-sink-speed", "minSinkSpeed", flight([](auto& v) { return v.minSinkSpeed; }),
                 noFlight});
    return f;
}

void printText(const aero::FlightAnalysis& a) {
    for (const Figure& figure : figuresOf(a)) {
        std::cout << figure.key << ":";
        if (!figure.numbers) {
            std::cout << " none (" << figure.why << ")\n";
            continue;
        }
        for (double n : *figure.numbers)
            std::cout << " " << formatNumber(n);
        std::cout << "\n";
    }
    if (const aero::Performance* p = a.flight()) {
        std::cout << "polar: speed sink glide cl\n";
        for (const aero::SpeedPoint& point : p->polar)
            std::cout << "  " << formatNumber(point.speed) << " " << formatNumber(point.sink) << " "
                      << formatNumber(point.glide) << " " << formatNumber(point.cl) << "\n";
    }
}

void printJson(const aero::FlightAnalysis& a) {
    JsonWriter json;
    json.beginObject();
    for (const Figure& figure : figuresOf(a)) {
        if (!figure.numbers) {
            json.null(figure.jsonKey);
        } else if (figure.key == "cg" || figure.key == "inertia") {
            json.beginArray(figure.jsonKey);
            for (double n : *figure.numbers)
                json.element(n);
            json.endArray();
        } else {
            json.value(figure.jsonKey, figure.numbers->front());
        }
    }
    if (const aero::Performance* p = a.flight()) {
        json.beginArray("polar");
        for (const aero::SpeedPoint& point : p->polar) {
            json.beginObject();
            json.value("speed", point.speed);
            json.value("sink", point.sink);
            json.value("glide", point.glide);
            json.value("cl", point.cl);
            json.endObject();
        }
        json.endArray();
    } else {
        json.null("polar");
    }
    json.endObject();
    std::cout << json.text();
}

} // namespace

int runAnalyse(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "--without", "--span-efficiency"}, {"--json"}, parsed,
                       error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("analyse takes one glider file");
    aero::AnalysisOptions options;
    if (parsed.has("--without")) {
        const auto parts = parseWithout(parsed.option("--without"));
        if (!parts)
            return usageError("--without takes wing-induced, stab-induced and fuselage");
        options.parts = *parts;
    }
    if (parsed.has("--span-efficiency")) {
        options.spanEfficiency = parseEfficiency(parsed.option("--span-efficiency"));
        if (!options.spanEfficiency)
            return usageError("--span-efficiency wants a number above 0, at most 1");
    }
    Glider glider;
    try {
        loadPreparedGlider(glider, parsed.files[0], setUpSimulatorDirectory(parsed));
    } catch (const err& e) {
        return refused(e);
    }
    const aero::FlightAnalysis analysis = aero::analyseGlider(glider, options);
    if (parsed.switches.count("--json"))
        printJson(analysis);
    else
        printText(analysis);
    return ExitOk;
}
