#pragma once

#include "render/skintemplate.h"
#include "shell/pages/parampage.h"

#include <array>
#include <cstdint>
#include <vector>

class CGridCtrl;
class CSkinField;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Surface;
struct Pane;

/**
 * A lifting-surface page: position, incidence, weight, airfoil and texture in fields, the
 * panes in a grid, one row each. It shows one surface and writes the same values into
 * every side it edits. "Add", "Supr" and the pane colour change the model at once.
 */
class CSurfacePage : public CParamPage {
    Q_OBJECT
public:
    void Load() override;
    QSize sizeHint() const override;
    bool applyFields() override;

    void addRow();
    void deleteRow();
    void browseFoil();
    void estimateWeight();

    CGridCtrl* grid() const { return grid_; }
    QLineEdit* positionField(int axis) const { return position_.at(axis); }
    QLineEdit* incidenceField() const { return incidence_; } // null on the fin
    QLineEdit* weightField() const { return weight_; }
    QLineEdit* foilField() const { return foil_; }
    CSkinField& skin() const { return *skin_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return remove_; }
    QPushButton* estimateButton() const { return estimate_; }
    QPushButton* foilBrowseButton() const { return foilBrowse_; }
    int colorColumn() const { return traits_.dihedral ? 6 : 5; }

protected:
    struct Traits {
        int shownSlot;
        std::vector<int> writtenSlots;
        bool incidence;
        bool dihedral;    // a "Diedre" column; without it the panes stand upright
        int estimateKind; // ComponentKind
        SkinPart skinPart;
    };

    CSurfacePage(ActiveDocumentSource& source, Traits traits, QWidget* parent);

    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildFields();
    void fillRow(int row, const Pane& pane);
    void showColorCell(int row, std::uint32_t color);
    // The pane as grid row `row` shows it. `held` is the pane the row was loaded from: a
    // cell that still shows its value keeps it exactly.
    Pane rowPane(int row, const Pane& held) const;
    // Every row as a pane, the shown surface's panes held.
    std::vector<Pane> gridPanes(const Surface& shown) const;
    // gridPanes of the active document; false (the user told which row and why) when one
    // could not be flown or drawn.
    bool readRows(std::vector<Pane>& panes);
    // Writes a row's values into a pane of a written surface; true when a value changed.
    bool applyRow(const Pane& shown, Pane& pane) const;
    // What "Add" puts in the new grid row `row`: the pane above continued, or a copy of the
    // one below, or a first pane.
    Pane proposedPane(int row, const Surface& shown) const;

    void chooseColor(int row, int col);
    // A newly named airfoil is loaded before it replaces the surfaces' foil; on failure
    // the reader's message is shown and the foil stays.
    bool replaceFoil(Glider& glider, const std::string& named);

    Traits traits_;
    QWidget* fields_ = nullptr;
    std::array<QLineEdit*, 3> position_{};
    QLineEdit* incidence_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QLineEdit* foil_ = nullptr;
    CSkinField* skin_ = nullptr;
    QPushButton* estimate_ = nullptr;
    QPushButton* foilBrowse_ = nullptr;
    QGroupBox* frame_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};
