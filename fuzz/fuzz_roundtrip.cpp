// Whatever the reader accepts, the writer writes and the reader reads back the same
// to six significant digits.
#include "formats/gliderfile.h"
#include "fuzzinput.h"
#include "model/errors.h"
#include "model/glider.h"

#include <cmath>
#include <cstdio>

namespace {

bool sameToSixDigits(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (a == b)
        return true;
    // Angles pass through degrees and back, so allow a little more than the printed digits.
    return std::fabs(a - b) <= 2e-5 * std::max(std::fabs(a), std::fabs(b)) + 1e-30;
}

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "round trip changed %s\n", what);
        __builtin_trap();
    }
}

void compareSurfaces(const Surface& a, const Surface& b) {
    check(a.npart() == b.npart(), "npart");
    for (int i = 0; i < 3; ++i)
        check(sameToSixDigits(a.position[i], b.position[i]), "position");
    check(sameToSixDigits(a.weight, b.weight), "surface weight");
    if (a.slot != Fin) // the fin's incidence is not stored
        check(sameToSixDigits(a.calage, b.calage), "calage");
    for (int n = 0; n < a.npart(); ++n) {
        const Pane& p = a.pane(n);
        const Pane& q = b.pane(n);
        check(sameToSixDigits(p.env, q.env), "env");
        check(sameToSixDigits(p.c1, q.c1), "c1");
        check(sameToSixDigits(p.c2, q.c2), "c2");
        check(sameToSixDigits(p.fleche, q.fleche), "fleche");
        check(sameToSixDigits(p.diedre, q.diedre), "diedre");
        check(sameToSixDigits(p.throwUp, q.throwUp), "throw up");
        check(sameToSixDigits(p.throwDown, q.throwDown), "throw down");
        for (int c = 0; c < 3; ++c)
            check(sameToSixDigits(p.color[c], q.color[c]), "pane colour");
    }
}

// Names the reader cannot give back the same by its own rules.
bool nameReadsBack(const std::string& name) {
    return name.find('"') == std::string::npos && name.find("//") == std::string::npos &&
           name.find('[') == std::string::npos;
}

// A name or file name holding '=' can make a later key match inside it, since keys are
// found by substring; such files cannot read back the same by the format's own rules.
bool carriesKeyText(const std::string& written) {
    std::size_t lineStart = 0;
    while (lineStart < written.size()) {
        std::size_t lineEnd = written.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = written.size();
        const std::size_t first = written.find('=', lineStart);
        if (first < lineEnd && written.find('=', first + 1) < lineEnd)
            return true;
        lineStart = lineEnd + 1;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeInputFile("roundtrip-in", data, size);
    Glider first;
    try {
        readGlider(first, path, fuzzSimulatorDirectory());
    } catch (const err&) {
        return 0;
    }
    // A surface without a section keeps no airfoil and is written with an empty name,
    // which no reader can load; only gliders with every airfoil are compared.
    for (const Surface& surface : first.surfaces) {
        if (surface.foil.foilFilename.empty())
            return 0;
    }
    const std::string text = gliderFileText(first);
    if (carriesKeyText(text))
        return 0;
    const std::string again = writeInputFile(
        "roundtrip-out", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    Glider second;
    try {
        readGlider(second, again, fuzzSimulatorDirectory());
    } catch (const err& e) {
        // The written file names each airfoil by its bare file name, which must load again.
        std::fprintf(stderr, "written file refused: %s\n", e.text().c_str());
        __builtin_trap();
    }
    if (nameReadsBack(first.name))
        check(first.name == second.name, "name");
    for (int i = 0; i < 3; ++i)
        check(sameToSixDigits(first.centrum[i], second.centrum[i]), "centrum");
    for (int i = 0; i < 4; ++i)
        check(sameToSixDigits(first.inertia[i], second.inertia[i]), "inertia");
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        compareSurfaces(first.surfaces[slot], second.surfaces[slot]);
    check(first.body.sections.size() == second.body.sections.size(), "section count");
    check(sameToSixDigits(first.body.weight, second.body.weight), "body weight");
    for (std::size_t i = 0; i < first.body.sections.size(); ++i) {
        const BodySection& s = first.body.sections[i];
        const BodySection& t = second.body.sections[i];
        check(sameToSixDigits(s.x, t.x) && sameToSixDigits(s.z, t.z) && sameToSixDigits(s.h, t.h) &&
                  sameToSixDigits(s.l, t.l),
              "body section");
    }
    return 0;
}
