#pragma once

#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/xfoilbatch.h"
#include "model/foil.h"
#include "model/outline.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A coordinate file or a NACA code, read for an import.
struct FoilSource {
    Outline outline;      // normalised; what is drawn and written into the file
    Outline analysed;     // what XFOIL is given
    std::string name;     // the title made safe for the airfoil file
    std::string label;    // the file's name or the code, for the file header
    int ignoredLines = 0; // text after a file's coordinates
    bool isNaca = false;
};

/**
 * Reads `source`, a NACA code ("NACA 2412") or a coordinate file's path. A NACA section is
 * given to XFOIL densely sampled with its open trailing edge and drawn closed. Throws
 * CoordinateError or std::invalid_argument with the French text.
 */
FoilSource readFoilSource(const std::string& source);

// "N lignes de texte ignorées après les coordonnées", or empty when none was.
QString ignoredLinesText(int count);

/**
 * The Reynolds numbers of "50000, 100000; 200000" (commas, semicolons or blanks), whole,
 * within the file's limits, at most kMaxReynoldsCount, sorted without repeats. Returns false
 * with the French reason in `error`.
 */
bool readReynoldsList(std::string_view text, std::vector<int>& reynolds, QString& error);

// Empty when the settings and options fit the limits above; else the French reason.
QString checkImport(const XfoilSettings& settings, const FoilBuildOptions& options);

// The file name a foil of this name is offered under: "Mon profil" -> "Mon_profil.txt".
QString foilFileNameFor(const QString& name);

// What the runs of a batch come to: the runs with points, why others gave none, and which
// sweeps were stopped part way.
struct ImportOutcome {
    std::vector<XfoilRun> used;
    QStringList failures;
    QStringList notes;
};
ImportOutcome importOutcome(const std::vector<XfoilRun>& runs);

/**
 * One import: a source read, its polars computed, the airfoil built. The window and
 * kesh-tool drive it; it holds every rule between the source and the file.
 */
class FoilImport : public QObject {
    Q_OBJECT
public:
    explicit FoilImport(QObject* parent = nullptr);

    // Replaces the source (and drops the result); refused while computing.
    bool setSource(std::optional<FoilSource> source);
    const std::optional<FoilSource>& source() const { return source_; }

    // Starts XFOIL; false with the reason in `error` when the settings are refused.
    bool start(const XfoilSettings& settings, QString& error);
    void cancel();
    bool isRunning() const { return batch_->isRunning(); }
    const XfoilBatch& batch() const { return *batch_; }
    const XfoilSettings& settings() const { return settings_; }

    // The last batch's outcome, once it finished without a cancel.
    const std::optional<ImportOutcome>& outcome() const { return outcome_; }
    // The airfoil from the outcome and these options; throws std::runtime_error (French).
    Foil build(const FoilBuildOptions& options, std::vector<std::string>* headerLines) const;
    void clear();

signals:
    void progress(int reynoldsIndex, double fraction, double alphaDegrees);
    void runFinished(int reynoldsIndex);
    void finished(bool cancelled);

private:
    XfoilBatch* batch_;
    XfoilSettings settings_;
    std::optional<FoilSource> source_;
    std::optional<ImportOutcome> outcome_;
};

// The whole import without a window: runs XFOIL to the end on its own event loop.
ImportOutcome runImportBlocking(const FoilSource& source, const XfoilSettings& settings);
