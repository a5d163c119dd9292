#pragma once

#include "shell/pages/parampage.h"

#include <array>

class QLineEdit;

// The "Divers" tab: centre of gravity and moments of inertia.
class CMiscPage : public CParamPage {
    Q_OBJECT
public:
    explicit CMiscPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    void Load() override;
    bool Apply() override;

    // X, Y, Z of the centre of gravity as the glider holds it (X is the file's value negated).
    QLineEdit* centreField(int axis) const { return centre_.at(axis); }
    // XX, YY, ZZ, XZ.
    QLineEdit* inertiaField(int index) const { return inertia_.at(index); }

private:
    std::array<QLineEdit*, 3> centre_{};
    std::array<QLineEdit*, 4> inertia_{};
};
