#pragma once

#include "render/skintemplate.h"
#include "shell/pages/parampage.h"

#include <array>
#include <cstdint>
#include <vector>

class CGridCtrl;
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
    void browseTexture();
    void exportTexture();
    void saveTemplate();
    void estimateWeight();

    CGridCtrl* grid() const { return grid_; }
    QLineEdit* positionField(int axis) const { return position_.at(axis); }
    QLineEdit* incidenceField() const { return incidence_; } // null on the fin
    QLineEdit* weightField() const { return weight_; }
    QLineEdit* foilField() const { return foil_; }
    QLineEdit* textureField() const { return texture_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return remove_; }
    QPushButton* estimateButton() const { return estimate_; }
    QPushButton* foilBrowseButton() const { return foilBrowse_; }
    QPushButton* textureBrowseButton() const { return textureBrowse_; }
    QPushButton* textureExportButton() const { return textureExport_; }
    QPushButton* templateButton() const { return skinTemplate_; }
    int colorColumn() const { return traits_.dihedral ? 6 : 5; }

protected:
    struct Traits {
        int shownSlot;
        std::vector<int> writtenSlots;
        bool incidence;
        bool dihedral;    // a "Diedre" column; without it the panes stand upright
        int estimateKind; // ComponentKind
        int estimateSlot; // whose area the estimator gets
        SkinPart skinPart;
    };

    CSurfacePage(ActiveDocumentSource& source, Traits traits, QWidget* parent);

    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildFields();
    void fillRow(int row, const Surface& surface);
    void showColorCell(int row, std::uint32_t color);
    // Writes one grid row into its pane; true when a value changed.
    bool applyRow(int row, Pane& pane) const;
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
    QLineEdit* texture_ = nullptr;
    QPushButton* estimate_ = nullptr;
    QPushButton* foilBrowse_ = nullptr;
    QPushButton* textureBrowse_ = nullptr;
    QPushButton* textureExport_ = nullptr;
    QPushButton* skinTemplate_ = nullptr;
    QGroupBox* frame_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};
