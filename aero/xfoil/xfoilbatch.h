#pragma once

#include "aero/xfoil/xfoilsettings.h"
#include "model/foil.h"
#include "model/outline.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

// The outcome of one XFOIL run.
struct XfoilRun {
    int reynolds = 0;
    bool ok = false;
    QString error;         // French text when !ok
    Polar polar;           // converged points only, ascending angle, radians
    std::vector<float> cm; // moment coefficient of each row of the polar
};

/**
 * Computes polars with one xfoil process per Reynolds number, several at once, each in a
 * fresh temporary directory with a time limit. Runs on the event loop; never blocks.
 */
class XfoilBatch : public QObject {
    Q_OBJECT
public:
    explicit XfoilBatch(QObject* parent = nullptr);
    ~XfoilBatch() override;

    // `analysed` is the outline XFOIL is given (about 160 points). Ignored while running.
    void start(const Outline& analysed, const XfoilSettings& settings);
    // Stops every xfoil process at once; finished(true) follows.
    void cancel();
    bool isRunning() const;
    // One per Reynolds number, in the settings' order.
    const std::vector<XfoilRun>& runs() const;

signals:
    void progress(int reynoldsIndex, double alphaDegrees); // as points arrive in the PACC file
    void runFinished(int reynoldsIndex);
    void finished(bool cancelled);

private:
    class Job;
    void launchNext();
    void jobDone(Job* job);
    void finishAll(bool cancelled);

    std::vector<XfoilRun> runs_;
    std::vector<std::unique_ptr<Job>> jobs_;
    Outline analysed_;
    XfoilSettings settings_;
    QString executable_;
    std::size_t nextIndex_ = 0;
    bool running_ = false;
    bool cancelling_ = false;
};

// Blocking convenience for kesh-tool and tests (runs its own event loop).
std::vector<XfoilRun> runXfoilBlocking(const Outline& analysed, const XfoilSettings& settings);
