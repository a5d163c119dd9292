#pragma once

#include "aero/xfoil/xfoilsettings.h"
#include "model/foil.h"
#include "model/outline.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// How one sweep (from 0 up, or from 0 down) ended.
enum class SweepEnd {
    Reached,       // its last angle
    PastStall,     // the lift had fallen well past its extreme
    NotConverging, // several points in a row did not converge
    Stopped,       // its time limit, a cancel, a crash or a failed start
};

struct SweepOutcome {
    SweepEnd end = SweepEnd::Reached;
    bool anyPoint = false;
    double lastAlpha = 0; // degrees, its last converged point when anyPoint
    int restarts = 0;     // new processes after a stalled point
    QString reason;       // French, why it was stopped, when Stopped
};

// The outcome of one Reynolds number's two sweeps.
struct XfoilRun {
    int reynolds = 0;
    bool ok = false;       // at least one converged point
    QString error;         // French text when !ok
    QString note;          // French text when ok but a sweep was stopped before its end
    Polar polar;           // converged points only, ascending angle, radians
    std::vector<float> cm; // moment coefficient of each row of the polar
    SweepOutcome up, down;
};

/**
 * Computes polars with xfoil processes, several at once, each in a fresh temporary directory.
 * Every Reynolds number is swept from 0 up and from 0 down; a process that brings no new point
 * for the stall time is stopped and the sweep goes on in a new one from the next angle. Runs
 * on the event loop; never blocks.
 */
class XfoilBatch : public QObject {
    Q_OBJECT
public:
    explicit XfoilBatch(QObject* parent = nullptr);
    ~XfoilBatch() override;

    // `analysed` is the outline XFOIL is given. Ignored while running.
    void start(const Outline& analysed, const XfoilSettings& settings);
    // Stops every xfoil process at once, keeping the points they wrote; finished(true) follows.
    void cancel();
    bool isRunning() const;
    // One per Reynolds number, in the settings' order.
    const std::vector<XfoilRun>& runs() const;

signals:
    // As points arrive; `fraction` of the Reynolds number's two sweeps done, 0 to 1.
    void progress(int reynoldsIndex, double fraction, double alphaDegrees);
    void runFinished(int reynoldsIndex);
    void finished(bool cancelled);

private:
    class Sweep;
    void launchNext();
    void sweepDone(Sweep* sweep);
    void sweepProgress(int runIndex);
    void finishRun(int runIndex);
    void finishAll(bool cancelled);
    void removeLeftovers();

    std::vector<XfoilRun> runs_;
    std::vector<std::unique_ptr<Sweep>> sweeps_; // two per run: up, then down
    Outline analysed_;
    XfoilSettings settings_;
    QString executable_;
    QStringList leftovers_; // working directories that could not be removed yet
    std::size_t nextSweep_ = 0;
    int active_ = 0;
    bool running_ = false;
    bool cancelling_ = false;
};

// Blocking convenience for kesh-tool and tests (runs its own event loop).
std::vector<XfoilRun> runXfoilBlocking(const Outline& analysed, const XfoilSettings& settings);
