#pragma once

#include "aero/flightanalysis.h"
#include "shell/pages/parampage.h"

#include <QPointer>
#include <array>
#include <optional>

class CPolarWindow;
class DesignAssistant;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

// The "Divers" tab: centre of gravity, moments of inertia and the flight analysis.
class CMiscPage : public CParamPage {
    Q_OBJECT
public:
    explicit CMiscPage(ActiveDocumentSource& source, QWidget* parent = nullptr);

    void Load() override;
    bool applyFields() override;

    // X, Y, Z of the centre of gravity as the glider holds it (X is the file's value negated).
    QLineEdit* centreField(int axis) const { return centre_.at(axis); }
    // XX, YY, ZZ, XZ.
    QLineEdit* inertiaField(int index) const { return inertia_.at(index); }

    // "Trainée induite des ailes", "Trainée induite du stab", "Trainée du fuselage".
    QCheckBox* dragBox(int index) const { return drag_.at(index); }
    QPushButton* computeButton() const { return compute_; }
    QPushButton* chartButton() const { return chart_; }
    QPushButton* copyCentreButton() const { return copyCentre_; }
    QPushButton* copyInertiaButton() const { return copyInertia_; }
    QLabel* frameNote() const { return frameNote_; }
    QTextBrowser* figuresView() const { return figures_; }
    DesignAssistant* assistant() const { return assistant_; }
    CPolarWindow* polarWindow() const;
    // The analysis the figures show; none before the first one.
    const aero::FlightAnalysis* analysis() const { return analysis_ ? &*analysis_ : nullptr; }

    // "Calcul": analyses the applied model of the active document and shows the figures.
    void compute();
    // "Graphique": the speed polar in its window.
    void showChart();
    // "Copier l'estimation": the estimate into its fields; the model changes at Apply.
    enum class Estimate { Centre, Inertia };
    void copyEstimate(Estimate which);

private:
    QGroupBox* makeDragGroup();
    // The figures and the polar window follow every step of this document, undo included.
    void follow(CKeshDoc& document);
    void refresh();
    void analyse(const CKeshDoc& document);
    void showFigures();
    void showPolar();
    aero::AnalysisOptions options() const;
    void refuse(const QString& text);

    std::array<QLineEdit*, 3> centre_{};
    std::array<QLineEdit*, 4> inertia_{};
    std::array<QCheckBox*, 3> drag_{};
    QPushButton* compute_ = nullptr;
    QPushButton* chart_ = nullptr;
    QPushButton* copyCentre_ = nullptr;
    QPushButton* copyInertia_ = nullptr;
    QLabel* frameNote_ = nullptr;
    QTextBrowser* figures_ = nullptr;
    std::optional<aero::FlightAnalysis> analysis_;
    QString analysedName_;
    QPointer<CPolarWindow> polarWindow_;
    QPointer<CKeshDoc> followed_;
    DesignAssistant* assistant_ = nullptr;
};
