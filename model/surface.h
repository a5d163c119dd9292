#pragma once

#include "foil.h"
#include "pane.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

using Vec3f = std::array<float, 3>;

// Loads an airfoil into a foil or throws one of the err family.
using FoilLoader = std::function<void(Foil&, const std::string& path)>;

// Slots of the five lifting-surface halves of a glider.
enum SurfaceSlot { WingLeft = 0, WingRight = 1, StabLeft = 2, StabRight = 3, Fin = 4 };

// One lifting-surface half: a chain of up to ten panes sharing one airfoil.
class Surface {
public:
    static constexpr int kMaxPanes = 10;

    Surface() = default;
    Surface(const Surface& other);
    Surface& operator=(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;

    int slot = 0;
    int side = -1;
    std::string texturePath;
    Vec3f position{0, 0, 0}; // root of the first pane, file frame
    float calage = 0;        // incidence, radians
    float areaSum = 0;
    float spanSum = 0;
    Foil foil;
    float weight = 0;

    int npart() const { return static_cast<int>(panes_.size()); }
    const std::vector<Pane>& panes() const { return panes_; }
    Pane& pane(int index) { return panes_.at(index); }
    const Pane& pane(int index) const { return panes_.at(index); }

    // Empties the surface before a file is read into it.
    void clear();
    // Appends a pane read from a file; the caller keeps npart within kMaxPanes.
    void appendPane(const Pane& pane);
    // Inserts `values` (a zero pane by default) before `index`, or after the last one when
    // index is -1; the pane takes this surface's slot, side and foil.
    void insertPane(int index, const Pane& values = {});
    void removePane(int index);

    // The side of a slot: +1 for slots 1 and 3, -1 for the others.
    static int sideOfSlot(int slot) { return (slot == WingRight || slot == StabRight) ? 1 : -1; }

    // Copies slot and side into the panes and computes each pane's area.
    void computePaneValues();
    // Root points chained from the surface's position, in pane order.
    void chainRootPoints();
    // areaSum and spanSum afresh, in pane order, in single precision.
    void sumPanes();

private:
    void repointFoil();
    std::vector<Pane> panes_;
};

// The pane "Add" proposes after `previous`: it goes on from its tip (its root chord is that
// tip chord, the taper kept) with the same span, sweep, dihedral and colour.
Pane continuingPane(const Pane& previous);
// The first pane of an empty surface in `slot`, sized for a model sailplane.
Pane firstPane(int slot);

// Re-derives a surface after edits and reloads its foil; false when no foil is named or
// it cannot be loaded, in which case the surface is not drawn.
bool rebuildSurface(Surface& surface, const FoilLoader& loadFoil);
