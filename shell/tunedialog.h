#pragma once

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

// What "Centrer..." (a static margin in %) and "Caler..." (a trim speed in m/s, or the
// best-glide speed) ask before they change the glider.
class TuneDialog : public QDialog {
    Q_OBJECT
public:
    enum Kind { Margin, Trim };
    TuneDialog(Kind kind, double proposed, QWidget* parent = nullptr);

    double value() const;
    bool bestGlide() const; // always false for a margin
    QDoubleSpinBox* valueBox() const { return value_; }
    QCheckBox* bestGlideBox() const { return bestGlide_; }

private:
    QDoubleSpinBox* value_;
    QCheckBox* bestGlide_ = nullptr;
};
