#pragma once

#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/foilimport.h"
#include "model/foil.h"
#include "model/outline.h"
#include "shell/polarcurves.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class CChartPanel;
class CProfileView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class UserPrompts;

/**
 * The airfoil workshop: the window of a FoilImport (an outline from a coordinate file or a
 * NACA code, its polars computed by XFOIL, the simulator's airfoil file written into the
 * airfoils directory). It also shows an existing airfoil file. A tool window of the main frame,
 * never modal; the XFOIL runs go on the event loop.
 */
class CFoilWorkshop : public QWidget {
    Q_OBJECT
public:
    CFoilWorkshop(UserPrompts& prompts, QWidget* owner);
    ~CFoilWorkshop() override;

    // Reads the outline the source field names, a coordinate file or a NACA code.
    bool loadSource();
    // Asks for a coordinate file and loads it.
    bool browseSource();
    // Shows an existing airfoil file: its outline and polars.
    bool openFoilFile(const QString& path);
    // Asks for an airfoil file of the simulator and shows it.
    bool browseFoilFile();
    // Starts XFOIL with the fields' settings; false when a field or the source is refused.
    bool compute();
    void cancel();
    bool isComputing() const { return import_->isRunning(); }
    // Writes the computed airfoil into the simulator's airfoils directory.
    bool save();

    // The program run as XFOIL; tests put a fake one here.
    void setXfoilProgram(const QString& program) { xfoilProgram_ = program; }
    // The airfoil save() would write, when polars have been computed.
    const std::optional<Foil>& result() const { return result_; }

    QLineEdit* sourceField() const { return source_; }
    QLineEdit* nameField() const { return name_; }
    QSpinBox* pointsField() const { return points_; }
    QLineEdit* reynoldsField() const { return reynolds_; }
    QLineEdit* ncritField() const { return ncrit_; }
    QLineEdit* stepField() const { return step_; }
    QCheckBox* extendBox() const { return extend_; }
    QLineEdit* cdMaxField() const { return cdMax_; }
    QCheckBox* wholeCircleBox() const { return wholeCircle_; }
    QPushButton* computeButton() const { return compute_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* saveButton() const { return save_; }
    QList<QProgressBar*> progressBars() const { return bars_; }
    QLabel* statusLabel() const { return status_; }
    CProfileView* profileView() const { return profile_; }
    CChartPanel* liftChart() const { return liftChart_; }
    CChartPanel* dragChart() const { return dragChart_; }
    CChartPanel* ratioChart() const { return ratioChart_; }

signals:
    // An airfoil file was written at this path, perhaps over an older one.
    void foilSaved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeForm();
    QWidget* makeViews();
    void showOutline(const std::vector<OutlinePoint>& points);
    void showProfileOf(const Foil& foil);
    void showPolars();
    void clearResult();
    void updateButtons();
    void setStatus(const QString& text);

    std::optional<XfoilSettings> readSettings();
    std::optional<FoilBuildOptions> readOptions();
    bool rebuildResult();
    void previewOutline();
    void makeProgressBars(const std::vector<int>& reynolds);
    void runProgress(int index, double fraction, double alphaDegrees);
    void runFinished(int index);
    void batchFinished(bool cancelled);

    void error(const QString& text);
    bool readNumber(QLineEdit* field, double min, double max, double& value);

    UserPrompts& prompts_;
    FoilImport* import_;
    QString xfoilProgram_ = QStringLiteral("xfoil");
    bool awaitingRuns_ = false;

    QString loadedSource_; // the source field's text when the import's source was read
    std::optional<Foil> result_;
    std::vector<std::string> header_;
    std::vector<ShownPolar> shown_;

    QLineEdit* source_;
    QLineEdit* name_;
    QSpinBox* points_;
    QLineEdit* reynolds_;
    QLineEdit* ncrit_;
    QLineEdit* step_;
    QCheckBox* extend_;
    QLineEdit* cdMax_;
    QCheckBox* wholeCircle_;
    QPushButton* compute_;
    QPushButton* cancel_;
    QPushButton* save_;
    QVBoxLayout* barsLayout_;
    QList<QProgressBar*> bars_;
    QLabel* status_;
    CProfileView* profile_;
    CChartPanel* liftChart_;
    CChartPanel* dragChart_;
    CChartPanel* ratioChart_;
};
