#include "aero/unavailable.h"

namespace aero {

std::string unavailableText(Unavailable why) {
    switch (why) {
    case Unavailable::NoWing:
        return "pas d'aile";
    case Unavailable::NoWeight:
        return "poids nul";
    case Unavailable::NegativeWeight:
        return "poids négatif";
    case Unavailable::MassWithoutShape:
        return "un poids sans panneau ni section où le placer";
    case Unavailable::NoWingPolars:
        return "pas de polaire pour le profil de l'aile";
    case Unavailable::NoTailPolars:
        return "pas de polaire pour le profil du stab ou de la dérive";
    case Unavailable::NoLift:
        return "le profil de l'aile ne porte pas";
    }
    return {};
}

} // namespace aero
