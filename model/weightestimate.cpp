#include "weightestimate.h"

#include <cmath>

namespace {

struct PowerLaw {
    double k;
    double p;
};

bool lawFor(int kind, int construction, PowerLaw& law) {
    const bool body = kind == ComponentBody;
    const bool surface = kind == ComponentWing || kind == ComponentStab || kind == ComponentFin;
    if (!body && !surface)
        return false;
    switch (construction) {
    case ConstructionStructure:
        law = body ? PowerLaw{20.02221, 3.206} : PowerLaw{132.60177, 1.333};
        return true;
    case ConstructionShell:
        law = body ? PowerLaw{26.28099, 3.035} : PowerLaw{195.73893, 1.301};
        return true;
    case ConstructionSolidWood:
        if (body)
            return false;
        law = PowerLaw{118.37727, 1.107};
        return true;
    default:
        return false;
    }
}

} // namespace

float estimateWeight(int kind, int construction, float size) {
    PowerLaw law{};
    if (!lawFor(kind, construction, law))
        return 0.0f;
    // A negative size has no real power for these exponents.
    if (!(size > 0.0f) || !std::isfinite(size))
        return 0.0f;
    return static_cast<float>(law.k * std::pow(double(size), law.p));
}
