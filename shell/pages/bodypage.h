#pragma once

#include "shell/pages/parampage.h"

#include "model/body.h"

#include <cstdint>
#include <vector>

class CColorButton;
class CGridCtrl;
class CSkinField;
class QGroupBox;
class QLineEdit;
class QPushButton;

/**
 * The "Fuselage" page: texture, colour and weight of the body and its sections in a grid,
 * one row each. "Add" and "Supr" change the model's sections at once; Apply replaces them
 * by the grid's rows.
 */
class CBodyPage : public CParamPage {
    Q_OBJECT
public:
    explicit CBodyPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    void Load() override;
    QSize sizeHint() const override;
    bool applyFields() override;

    void addRow();
    void deleteRow();
    void chooseColor();
    void estimateWeight();

    std::uint32_t color() const { return color_; }
    CGridCtrl* grid() const { return grid_; }
    CSkinField& skin() const { return *skin_; }
    QLineEdit* colorField() const { return colorText_; }
    QLineEdit* weightField() const { return weight_; }
    CColorButton* colorButton() const { return colorButton_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* deleteButton() const { return remove_; }
    QPushButton* estimateButton() const { return estimate_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildFields();
    void showColor(std::uint32_t color);
    // The sections as the grid shows them; a cell still showing its `held` value keeps it.
    std::vector<BodySection> gridSections(const std::vector<BodySection>& held) const;

    std::uint32_t color_ = 0;
    QWidget* fields_ = nullptr;
    CSkinField* skin_ = nullptr;
    CColorButton* colorButton_ = nullptr;
    QLineEdit* colorText_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QPushButton* estimate_ = nullptr;
    QGroupBox* frame_ = nullptr;
    CGridCtrl* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};
