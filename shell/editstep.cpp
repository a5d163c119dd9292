#include "shell/editstep.h"

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
        foils_[slot] = earlier && *earlier == foil ? earlier : std::make_shared<const Foil>(foil);
    }
}

Glider GliderSnapshot::glider() const {
    Glider glider = glider_;
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        glider.surfaces[slot].foil = *foils_[slot];
    return glider;
}

EditStep::EditStep(const QString& text, std::shared_ptr<const GliderSnapshot> before,
                   std::shared_ptr<const GliderSnapshot> after, Restore restore)
    : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
      restore_(std::move(restore)) {}

void EditStep::undo() {
    restore_(*before_);
    done_ = false;
}

void EditStep::redo() {
    if (!done_)
        restore_(*after_);
    done_ = true;
}
