#include "aero/unavailable.h"

#include "model/translatable.h"

namespace aero {

std::string unavailableText(Unavailable why) {
    switch (why) {
    case Unavailable::NoWing:
        return KESH_TRANSLATABLE("aero", "pas d'aile");
    case Unavailable::NoWeight:
        return KESH_TRANSLATABLE("aero", "poids nul");
    case Unavailable::NegativeWeight:
        return KESH_TRANSLATABLE("aero", "poids négatif");
    case Unavailable::MassWithoutShape:
        return KESH_TRANSLATABLE("aero", "un poids sans panneau ni section où le placer");
    case Unavailable::NoWingPolars:
        return KESH_TRANSLATABLE("aero", "pas de polaire pour le profil de l'aile");
    case Unavailable::NoTailPolars:
        return KESH_TRANSLATABLE("aero", "pas de polaire pour le profil du stab ou de la dérive");
    case Unavailable::NoLift:
        return KESH_TRANSLATABLE("aero", "le profil de l'aile ne porte pas");
    case Unavailable::NoLattice:
        return KESH_TRANSLATABLE("aero", "treillis tourbillonnaire sans solution");
    }
    return {};
}

} // namespace aero
