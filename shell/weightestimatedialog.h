#pragma once

#include <QDialog>
#include <optional>

class QRadioButton;

/**
 * "Evaluation du poids": proposes a component's weight from its size and the kind of
 * construction chosen. OK leaves the estimate in hundredths of a kilogram; Cancel sets the
 * construction to ConstructionCancelled.
 */
class WeightEstimateDialog : public QDialog {
    Q_OBJECT
public:
    // `kind` is a ComponentKind; the body offers "Fibre" and no "Bois Plein".
    explicit WeightEstimateDialog(int kind, QWidget* parent = nullptr);

    int kind() const { return kind_; }
    int construction() const { return construction_; }
    float surfaceSize() const { return surfaceSize_; }
    void setSurfaceSize(float size) { surfaceSize_ = size; }
    float bodyLength() const { return bodyLength_; }
    void setBodyLength(float length) { bodyLength_ = length; }
    float estimate() const { return estimate_; }

    QRadioButton* structureButton() const { return structure_; }
    QRadioButton* shellButton() const { return shell_; }
    QRadioButton* solidWoodButton() const { return solidWood_; }

    void accept() override;
    void reject() override;

private:
    int kind_ = 0;
    int construction_ = 0;
    float surfaceSize_ = 0;
    float bodyLength_ = 0;
    float estimate_ = 0;
    QRadioButton* structure_;
    QRadioButton* shell_;
    QRadioButton* solidWood_;
};

// Runs the estimator modally for a component kind and size (area, or the body's length);
// the estimate in hundredths of a kilogram, or nullopt when cancelled.
std::optional<float> runWeightEstimateDialog(QWidget* owner, int kind, float size);
