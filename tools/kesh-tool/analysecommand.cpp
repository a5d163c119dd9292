#include "aero/flightanalysis.h"
#include "aero/units.h"
#include "commands.h"
#include "formats/codepage.h"
#include "formats/keyedtext.h"
#include "jsonwriter.h"
#include "model/errors.h"
#include "toolargs.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <variant>

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

// "24" or "24x6": spanwise strips of a wing half, then chordwise panels.
std::optional<aero::LatticeResolution> parseGrid(const std::string& text) {
    aero::LatticeResolution grid;
    char* end = nullptr;
    const long spanwise = std::strtol(text.c_str(), &end, 10);
    long chordwise = grid.chordwise;
    if (*end == 'x')
        chordwise = std::strtol(end + 1, &end, 10);
    if (text.empty() || *end != '\0' || spanwise < 1 || spanwise > 200 || chordwise < 1 ||
        chordwise > 50)
        return std::nullopt;
    grid.spanwise = int(spanwise);
    grid.chordwise = int(chordwise);
    return grid;
}

using Numbers = std::vector<double>;

// One figure: its numbers, or why there are none.
struct Figure {
    std::string key;
    std::string jsonKey;
    std::optional<Numbers> numbers;
    std::string why;
};

// Why a part of the analysis is missing; empty when it is there.
template <typename T> std::string whyMissing(const std::variant<T, aero::Unavailable>& part) {
    const auto* why = std::get_if<aero::Unavailable>(&part);
    return why ? aero::unavailableText(*why) : std::string();
}

std::vector<Figure> figuresOf(const aero::FlightAnalysis& a) {
    const aero::Planform* w = a.wing ? &*a.wing : nullptr;
    const aero::MassProperties* m = a.mass();
    const aero::Stability* s = a.stable();
    const aero::Performance* p = a.flight();
    const std::string noWing = aero::unavailableText(aero::Unavailable::NoWing);
    const std::string noMass = whyMissing(a.balance);
    const std::string noFlight = whyMissing(a.performance);
    const std::string noLattice = s ? aero::unavailableText(aero::Unavailable::NoLattice) : noWing;
    const auto given = [](bool present, Numbers numbers) {
        return present ? std::optional<Numbers>(std::move(numbers)) : std::nullopt;
    };
    return {
        {"span", "span", given(w, {w ? w->span : 0}), noWing},
        {"wing-area", "wingArea", given(w, {w ? w->area : 0}), noWing},
        {"aspect-ratio", "aspectRatio", given(w, {w ? w->aspectRatio : 0}), noWing},
        {"mac", "mac", given(w, {w ? w->meanChord : 0}), noWing},
        {"mac-leading-edge-x", "macLeadingEdgeX", given(w, {w ? w->meanChordLeadingEdgeX : 0}),
         noWing},
        {"cg", "cg", given(m, m ? Numbers(m->centre.begin(), m->centre.end()) : Numbers{}), noMass},
        {"inertia", "inertia",
         given(m, m ? Numbers(m->inertia.begin(), m->inertia.end()) : Numbers{}), noMass},
        {"neutral-point-x", "neutralPointX", given(s, {s ? s->neutralPointX : 0}), noWing},
        {"static-margin", "staticMargin", given(s, {s ? s->staticMargin : 0}), noWing},
        {"tail-volume-h", "tailVolumeH", given(s, {s ? s->horizontalVolume : 0}), noWing},
        {"tail-volume-v", "tailVolumeV", given(s, {s ? s->verticalVolume : 0}), noWing},
        {"span-efficiency", "spanEfficiency", given(p, {p ? p->spanEfficiency : 0}), noFlight},
        {"stall-speed", "stallSpeed", given(p, {p ? p->stallSpeed : 0}), noFlight},
        {"best-glide", "bestGlide", given(p, {p ? p->bestGlide : 0}), noFlight},
        {"best-glide-speed", "bestGlideSpeed", given(p, {p ? p->bestGlideSpeed : 0}), noFlight},
        {"min-sink", "minSink", given(p, {p ? p->minSink : 0}), noFlight},
        {"min-sink-speed", "minSinkSpeed", given(p, {p ? p->minSinkSpeed : 0}), noFlight},
        {"lift-slope", "cLAlpha", given(s && s->fromLattice, {s ? s->liftSlope : 0}), noLattice},
        {"moment-slope", "cmAlpha", given(s && s->fromLattice, {s ? s->momentSlope : 0}),
         noLattice},
        {"panels", "panels", given(s && s->fromLattice, {s ? double(s->panelCount) : 0}),
         noLattice},
    };
}

const char* partName(aero::Part part) {
    return part == aero::Part::Wing         ? "wing"
           : part == aero::Part::Stabiliser ? "stabiliser"
                                            : "fin";
}

const char* noTrimName(aero::NoTrim why) {
    return why == aero::NoTrim::Unstable   ? "unstable"
           : why == aero::NoTrim::NoseDown ? "nose-down"
                                           : "nose-up";
}

Numbers trimNumbers(const aero::TrimPoint& t) {
    return {t.alpha * aero::kDegreesPerRadian, t.cl, t.speed, t.sink, t.glide};
}

void printLattice(const aero::FlightAnalysis& a) {
    if (const aero::Performance* p = a.flight()) {
        std::cout << "trim:";
        if (p->trim) {
            for (double n : trimNumbers(*p->trim))
                std::cout << " " << formatNumber(n);
        } else {
            std::cout << " none ("
                      << (p->noTrim ? noTrimName(*p->noTrim)
                                    : aero::unavailableText(aero::Unavailable::NoLattice))
                      << ")";
        }
        std::cout << "\n";
        if (p->stallStart)
            std::cout << "stall-start: " << formatNumber(p->stallStart->y) << " "
                      << partName(p->stallStart->part) << "\n";
    }
    for (aero::Warning w : a.warnings)
        std::cout << "warning: " << aero::warningText(w) << "\n";
}

void writeLoading(JsonWriter& json, const std::string& key,
                  const std::vector<aero::SpanLoading>& loadings) {
    if (loadings.empty()) {
        json.null(key);
        return;
    }
    json.beginObject(key);
    for (const aero::SpanLoading& l : loadings) {
        json.beginObject(partName(l.part));
        for (const auto& [name, values] :
             {std::pair{"y", &l.y}, {"cl", &l.cl}, {"ccl", &l.chordCl}, {"clMax", &l.clMax}}) {
            json.beginArray(name);
            for (double v : *values)
                json.element(v);
            json.endArray();
        }
        json.endObject();
    }
    json.endObject();
}

void writeLattice(JsonWriter& json, const aero::FlightAnalysis& a) {
    const aero::Performance* p = a.flight();
    if (p && p->trim) {
        json.beginObject("trim");
        const Numbers n = trimNumbers(*p->trim);
        const char* keys[] = {"alpha", "cl", "speed", "sink", "glide"};
        for (std::size_t i = 0; i < n.size(); ++i)
            json.value(keys[i], n[i]);
        json.endObject();
    } else {
        json.null("trim");
    }
    if (p && p->noTrim)
        json.value("noTrim", noTrimName(*p->noTrim));
    else
        json.null("noTrim");
    writeLoading(json, "spanLoading", p ? p->loadingAtTrim : std::vector<aero::SpanLoading>{});
    writeLoading(json, "spanLoadingAtStall",
                 p ? p->loadingAtStall : std::vector<aero::SpanLoading>{});
    for (const auto& [key, start] :
         {std::pair{"stallStart", p ? p->stallStart : std::nullopt},
          {"stallStartAtTrim", p ? p->stallStartAtTrim : std::nullopt}}) {
        if (start) {
            json.beginObject(key);
            json.value("y", start->y);
            json.value("surface", partName(start->part));
            json.endObject();
        } else {
            json.null(key);
        }
    }
    json.beginArray("warnings");
    for (aero::Warning w : a.warnings) {
        const std::string text = aero::warningText(w);
        json.value({}, toCodePage(QString::fromStdString(text)).value_or(text));
    }
    json.endArray();
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
    printLattice(a);
}

void printJson(const aero::FlightAnalysis& a) {
    JsonWriter json;
    json.beginObject();
    for (const Figure& figure : figuresOf(a)) {
        if (!figure.numbers) {
            json.null(figure.jsonKey);
        } else if (figure.numbers->size() > 1) {
            json.numbers(figure.jsonKey, *figure.numbers);
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
    writeLattice(json, a);
    json.endObject();
    std::cout << json.text();
}

} // namespace

int runAnalyse(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "--without", "--span-efficiency", "--grid"}, {"--json"},
                       parsed, error))
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
    if (parsed.has("--grid")) {
        const auto grid = parseGrid(parsed.option("--grid"));
        if (!grid)
            return usageError("--grid wants SPANWISE or SPANWISExCHORDWISE, 1-200 by 1-50");
        options.resolution = *grid;
    }
    Glider glider;
    if (const int status = loadNamedGlider(parsed, glider); status != ExitOk)
        return status;
    const aero::FlightAnalysis analysis = aero::analyseGlider(glider, options);
    if (parsed.switches.count("--json"))
        printJson(analysis);
    else
        printText(analysis);
    return ExitOk;
}
