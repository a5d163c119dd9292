#include "shell/editstep.h"

#include <cstring>
#include <type_traits>

namespace {

template <typename T> bool sameBytes(const std::vector<T>& a, const std::vector<T>& b) {
    static_assert(std::is_trivially_copyable_v<T>);
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// Bit for bit, which is what "unchanged" means for a copy, and several times faster than
// comparing the floats of large polars one by one.
bool sameFoil(const Foil& a, const Foil& b) {
    if (a.name != b.name || a.foilFilename != b.foilFilename || a.foilPath != b.foilPath ||
        std::memcmp(&a.cm0, &b.cm0, sizeof a.cm0) != 0 ||
        std::memcmp(&a.alpha0, &b.alpha0, sizeof a.alpha0) != 0 || !sameBytes(a.points, b.points) ||
        a.polars.size() != b.polars.size())
        return false;
    for (std::size_t i = 0; i < a.polars.size(); ++i) {
        const Polar& p = a.polars[i];
        const Polar& q = b.polars[i];
        if (p.reynolds != q.reynolds || p.zeroIndex != q.zeroIndex || !sameBytes(p.rows, q.rows))
            return false;
    }
    return true;
}

} // namespace

GliderSnapshot::GliderSnapshot(Glider& glider, const GliderSnapshot* previous) {
    // Copied without its foils, which only a changed one costs a copy of.
    std::array<Foil, Glider::kSlots> foils;
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        std::swap(foils[slot], glider.surfaces[slot].foil);
    glider_ = glider;
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        std::swap(foils[slot], glider.surfaces[slot].foil);
        const Foil& foil = glider.surfaces[slot].foil;
        const std::shared_ptr<const Foil>& earlier = previous ? previous->foils_[slot] : nullptr;
        foils_[slot] =
            earlier && sameFoil(*earlier, foil) ? earlier : std::make_shared<const Foil>(foil);
    }
}

void GliderSnapshot::restoreInto(Glider& glider) const {
    std::array<Foil, Glider::kSlots> foils;
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        std::swap(foils[slot], glider.surfaces[slot].foil);
    glider = glider_;
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        Foil& foil = glider.surfaces[slot].foil;
        if (sameFoil(foils[slot], *foils_[slot]))
            std::swap(foil, foils[slot]);
        else
            foil = *foils_[slot];
    }
}

EditStep::EditStep(const QString& text, std::shared_ptr<const GliderSnapshot> before,
                   std::shared_ptr<const GliderSnapshot> after, Restore restore)
    : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
      restore_(std::move(restore)) {}

void EditStep::undo() {
    restore_(before_);
    done_ = false;
}

void EditStep::redo() {
    if (!done_)
        restore_(after_);
    done_ = true;
}
