#pragma once

#include "model/glider.h"

#include <QUndoCommand>

#include <array>
#include <functional>
#include <memory>

// A glider as one undo step keeps it. Airfoils are the bulk of a glider and rarely change,
// so a snapshot shares each one with the snapshot it was taken after when they are equal.
class GliderSnapshot {
public:
    // The glider lends its foils while it is copied and has them back unchanged.
    GliderSnapshot(Glider& glider, const GliderSnapshot* previous);

    // Puts the state back into `glider`, copying only the foils that differ from its own.
    void restoreInto(Glider& glider) const;

private:
    Glider glider_; // foils left empty
    std::array<std::shared_ptr<const Foil>, Glider::kSlots> foils_;
};

// One user action on a glider: the states before and after it. Undo and redo hand the
// state to restore to `restore`; the first redo, when the stack takes the step, does
// nothing since the action is done already.
class EditStep : public QUndoCommand {
public:
    using Restore = std::function<void(const std::shared_ptr<const GliderSnapshot>&)>;

    EditStep(const QString& text, std::shared_ptr<const GliderSnapshot> before,
             std::shared_ptr<const GliderSnapshot> after, Restore restore);

    void undo() override;
    void redo() override;

private:
    std::shared_ptr<const GliderSnapshot> before_;
    std::shared_ptr<const GliderSnapshot> after_;
    Restore restore_;
    bool done_ = true;
};
