#include "commands.h"
#include "jsonwriter.h"
#include "toolargs.h"

#include <iostream>

namespace {

void dumpFoil(JsonWriter& json, const Foil& foil) {
    json.beginObject("foil");
    json.value("name", foil.name);
    json.value("foilFilename", foil.foilFilename);
    json.value("foilPath", foil.foilPath);
    json.beginArray("points");
    for (const FoilPoint& p : foil.points) {
        json.beginObject();
        json.value("x", p.x);
        json.value("y", p.y);
        json.endObject();
    }
    json.endArray();
    json.beginArray("polars");
    for (const Polar& polar : foil.polars) {
        json.beginObject();
        json.value("reynolds", static_cast<int>(polar.reynolds));
        json.beginArray("rows");
        for (const PolarPoint& row : polar.rows) {
            json.beginObject();
            json.value("alpha", row.alpha);
            json.value("cl", row.cl);
            json.value("cd", row.cd);
            json.endObject();
        }
        json.endArray();
        json.value("zeroIndex", polar.zeroIndex);
        json.endObject();
    }
    json.endArray();
    json.value("cm0", foil.cm0);
    json.value("alpha0", foil.alpha0);
    json.endObject();
}

// The pane's foil is its surface's; it is named by that foil's file name.
void dumpPane(JsonWriter& json, const Pane& pane) {
    json.beginObject();
    json.value("slot", pane.slot);
    json.value("side", pane.side);
    json.value("env", pane.env);
    json.value("c1", pane.c1);
    json.value("c2", pane.c2);
    json.value("fleche", pane.fleche);
    json.value("diedre", pane.diedre);
    json.value("throwUp", pane.throwUp);
    json.value("throwDown", pane.throwDown);
    json.value("foil", pane.foil ? pane.foil->foilFilename : std::string());
    json.numbers("color", pane.color);
    json.numbers("rootPoint", pane.rootPoint);
    json.value("area", pane.area);
    json.endObject();
}

void dumpSurface(JsonWriter& json, const Surface& s) {
    json.beginObject();
    json.value("slot", s.slot);
    json.value("side", s.side);
    json.value("texturePath", s.texturePath);
    json.numbers("position", s.position);
    json.value("calage", s.calage);
    json.value("areaSum", s.areaSum);
    json.value("spanSum", s.spanSum);
    dumpFoil(json, s.foil);
    json.value("weight", s.weight);
    json.value("npart", s.npart());
    json.beginArray("panes");
    for (const Pane& pane : s.panes())
        dumpPane(json, pane);
    json.endArray();
    json.endObject();
}

void dumpBody(JsonWriter& json, const Body& body) {
    json.beginObject("body");
    json.numbers("color", body.color);
    json.beginArray("sections");
    for (const BodySection& s : body.sections) {
        json.beginObject();
        json.value("x", s.x);
        json.value("z", s.z);
        json.value("h", s.h);
        json.value("l", s.l);
        json.endObject();
    }
    json.endArray();
    json.value("texturePath", body.texturePath);
    json.value("useTexture", body.useTexture);
    json.value("weight", body.weight);
    json.endObject();
}

std::string gliderJson(const Glider& g) {
    JsonWriter json;
    json.beginObject();
    json.value("valid", g.valid);
    json.value("name", g.name);
    json.value("path", g.path);
    json.value("weight", g.weight);
    json.numbers("centrum", g.centrum);
    json.numbers("inertia", g.inertia);
    json.beginArray("surfaces");
    for (const Surface& s : g.surfaces)
        dumpSurface(json, s);
    json.endArray();
    dumpBody(json, g.body);
    json.value("span", g.span());
    json.value("wingArea", g.wingArea());
    json.value("totalWeight", g.totalWeight());
    json.value("wingLoading", g.wingLoading());
    json.endObject();
    return json.text();
}

} // namespace

int runDump(const std::vector<std::string>& args) {
    Glider glider;
    if (const int status = loadGliderArgument(args, "dump", glider); status != ExitOk)
        return status;
    std::cout << gliderJson(glider);
    return ExitOk;
}
