#include "aero/xfoil/xfoilbatch.h"

#include "aero/xfoil/paccfile.h"
#include "aero/xfoil/xfoilprocess.h"
#include "aero/xfoil/xfoilscript.h"
#include "formats/keyedtext.h"
#include "model/angles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

constexpr int kPollMilliseconds = 100;
// A polar of a few hundred rows is a few tens of kilobytes; more is not XFOIL's.
constexpr qint64 kMaxPolarBytes = 4 * 1024 * 1024;

QString missingProgram(const QString& program) {
    return QCoreApplication::translate(
               "XfoilBatch", "Le programme « %1 » est introuvable : installez le paquet Debian "
                             "« xfoil » (apt-get install xfoil).")
        .arg(program);
}

// An angle as the French write it: "15,5".
QString angleText(double degrees) {
    return QString::number(degrees, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(','));
}

// What a sweep stopped before its end is said to have given.
QString stoppedNote(int reynolds, const SweepOutcome& sweep, bool up) {
    if (sweep.anyPoint)
        return QCoreApplication::translate("XfoilBatch", "Reynolds %1 : arrêté à %2° (%3).")
            .arg(reynolds)
            .arg(angleText(sweep.lastAlpha))
            .arg(sweep.reason);
    const QString text =
        up ? QCoreApplication::translate("XfoilBatch",
                                         "Reynolds %1 : balayage positif arrêté sans point (%2).")
           : QCoreApplication::translate("XfoilBatch",
                                         "Reynolds %1 : balayage négatif arrêté sans point (%2).");
    return text.arg(reynolds).arg(sweep.reason);
}

bool writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

} // namespace

// One sweep of one Reynolds number, from 0 up or from 0 down, in as many xfoil processes as
// stalled points make it take.
class XfoilBatch::Sweep {
public:
    Sweep(XfoilBatch& batch, int run, bool up) : batch_(batch), run_(run), up_(up) {
        const XfoilSettings& settings = batch.settings_;
        step_ = up ? settings.alphaStep : -settings.alphaStep;
        from_ = up ? 0 : step_;
        to_ = up ? settings.alphaMax : settings.alphaMin;
        start_ = from_;
    }

    void start() {
        started_ = true;
        clock_.start();
        startProcess();
    }

    // Kills the process at once; the points it wrote are kept.
    void cancel() {
        if (done_)
            return;
        if (!process_) {
            finish(SweepEnd::Stopped, QCoreApplication::translate("XfoilBatch", "Annulé."),
                   QCoreApplication::translate("XfoilBatch", "Annulé."));
            return;
        }
        kill_ = Kill::Cancel;
        process_->kill();
        // SIGKILL ends it at once; waiting only reaps it (and runs exited()).
        if (!process_->waitForFinished(1000) && !done_) {
            endProcess();
            finish(SweepEnd::Stopped, QCoreApplication::translate("XfoilBatch", "Annulé."),
                   QCoreApplication::translate("XfoilBatch", "Annulé."));
        }
    }

    bool started() const { return started_; }
    bool done() const { return done_; }
    // The batch has taken note of its end.
    bool reported() const { return reported_; }
    void setReported() { reported_ = true; }
    bool up() const { return up_; }
    int run() const { return run_; }
    const std::vector<PaccPoint>& rows() const { return rows_; }
    const SweepOutcome& outcome() const { return outcome_; }
    // Why it gave no point, French, naming the Reynolds number.
    const QString& failure() const { return failure_; }

    double fraction() const {
        if (done_)
            return 1;
        if (rows_.empty() || to_ == start_)
            return 0;
        return std::clamp((rows_.back().alpha - start_) / (to_ - start_), 0.0, 1.0);
    }

private:
    enum class Kill { None, Stall, Fresh, Rule, Timeout, Cancel, Unreadable };

    int reynolds() const { return batch_.runs_[run_].reynolds; }

    void startProcess() {
        kill_ = Kill::None;
        segmentRows_ = 0;
        written_.clear();
        logOffset_ = 0;
        logTail_.clear();
        working_ = std::nullopt;
        lastDone_ = std::nullopt;
        cpuAtEvent_ = std::nullopt;
        eventSeen_ = false;
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kesh-xfoil-XXXXXX");
        if (!dir_->isValid() ||
            !writeFile(dir_->filePath(kXfoilOutlineFile), xfoilOutlineText(batch_.analysed_))) {
            dir_.reset();
            const QString why =
                QCoreApplication::translate("XfoilBatch", "Reynolds %1 : impossible de préparer le "
                                                          "dossier de travail d'XFOIL.")
                    .arg(reynolds());
            finish(SweepEnd::Stopped, why, why);
            return;
        }
        process_ = new QProcess(&batch_);
        process_->setWorkingDirectory(dir_->path());
        process_->setProcessEnvironment(xfoilEnvironment());
        process_->setProcessChannelMode(QProcess::MergedChannels);
        process_->setStandardOutputFile(dir_->filePath(kLogFile));
        QObject::connect(process_, &QProcess::finished, &batch_,
                         [this](int code, QProcess::ExitStatus status) { exited(code, status); });
        QObject::connect(process_, &QProcess::errorOccurred, &batch_,
                         [this](QProcess::ProcessError e) {
                             if (e == QProcess::FailedToStart)
                                 failedToStart();
                         });
        if (!poll_) {
            poll_ = std::make_unique<QTimer>();
            QObject::connect(poll_.get(), &QTimer::timeout, &batch_, [this] { poll(); });
        }
        poll_->start(kPollMilliseconds);
        sinceEvent_.start();
        const std::string script = xfoilScript(batch_.settings_, reynolds(), from_, to_);
        QProcess* process = process_;
        process->start(batch_.executable_, {});
        // A start that failed at once has ended the process already.
        if (process_ == process && process->state() != QProcess::NotRunning) {
            process->write(script.data(), static_cast<qint64>(script.size()));
            process->closeWriteChannel();
        }
    }

    void failedToStart() {
        if (!process_ || done_)
            return;
        const QString detail = process_->errorString();
        endProcess();
        finish(SweepEnd::Stopped, QCoreApplication::translate("XfoilBatch", "lancement impossible"),
               QCoreApplication::translate("XfoilBatch",
                                           "Reynolds %1 : impossible de lancer XFOIL (%2).")
                   .arg(reynolds())
                   .arg(detail));
    }

    void poll() {
        if (!process_ || kill_ != Kill::None)
            return;
        readOutput();
        if (kill_ != Kill::None)
            return;
        if (clock_.elapsed() > batch_.settings_.timeoutSeconds * 1000LL)
            stop(Kill::Timeout);
        else if (stalled())
            stop(Kill::Stall);
    }

    // No point ended for the stall time of XFOIL's own processor time, so that a machine
    // busy with other work does not look like a stall; wall time when that cannot be read,
    // and several stall times of it for a process that waits without working.
    bool stalled() {
        const double stall = batch_.settings_.stallSeconds;
        const double cpu = processCpuSeconds(process_->processId());
        if (cpu >= 0 && (!cpuAtEvent_ || eventSeen_))
            cpuAtEvent_ = cpu;
        eventSeen_ = false;
        const double waited = sinceEvent_.elapsed() / 1000.0;
        if (cpu < 0 || !cpuAtEvent_)
            return waited > stall;
        return cpu - *cpuAtEvent_ > stall || waited > kIdleStalls * stall;
    }

    // The polar's new rows taken in the order the output tells of them, failures between.
    void readOutput() {
        readPolar();
        readLog();
        while (segmentRows_ < written_.size() && accepting())
            take(written_[segmentRows_++]);
    }

    void stop(Kill why) {
        if (kill_ != Kill::None || !process_)
            return;
        kill_ = why;
        process_->kill();
    }

    // XFOIL's output names the angle it works on ("a = ...") and says how each point ends.
    void readLog() {
        QFile file(dir_->filePath(kLogFile));
        if (!file.open(QIODevice::ReadOnly) || !file.seek(logOffset_))
            return;
        const QByteArray bytes = file.read(kMaxLogRead);
        logOffset_ += bytes.size();
        logTail_ += bytes.toStdString();
        std::size_t begin = 0;
        for (std::size_t end; (end = logTail_.find('\n', begin)) != std::string::npos;
             begin = end + 1)
            logLine(std::string_view(logTail_).substr(begin, end - begin));
        logTail_.erase(0, begin);
    }

    void logLine(std::string_view line) {
        if (kill_ == Kill::Fresh)
            return; // the fresh process takes it from the point that asked for it
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string_view::npos)
            return;
        line.remove_prefix(first);
        if (line.starts_with("a =")) {
            double alpha = 0;
            if (parseWholeNumber(firstWord(line.substr(3)), alpha))
                working_ = alpha;
        } else if (line.starts_with("VISCAL:  Convergence failed")) {
            pointEnded();
            if (++failuresInRow_ < kFailuresInRow)
                return;
            // The first time after a converged point, the failures may be a boundary layer
            // gone wrong rather than the stall: a fresh process tries the next angles.
            if (retried_ || rows_.empty())
                endByRule(SweepEnd::NotConverging);
            else
                stop(Kill::Fresh);
        } else if (line.starts_with("Point written to save file")) {
            pointEnded();
            failuresInRow_ = 0;
            if (segmentRows_ < written_.size() && accepting())
                take(written_[segmentRows_++]);
        }
    }

    void pointEnded() {
        sinceEvent_.start();
        eventSeen_ = true;
        if (working_)
            lastDone_ = working_;
    }

    static std::string firstWord(std::string_view text) {
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return {};
        return std::string(text.substr(begin, text.find(' ', begin) - begin));
    }

    void readPolar() {
        QFile file(dir_->filePath(kXfoilPolarFile));
        if (!file.open(QIODevice::ReadOnly))
            return;
        if (file.size() > kMaxPolarBytes) {
            unreadable(QCoreApplication::translate("XfoilBatch", "fichier trop gros"));
            return;
        }
        const QByteArray bytes = file.readAll();
        std::vector<PaccPoint> rows;
        bool header = false;
        std::string error;
        if (!parsePaccFile(std::string_view(bytes.constData(), bytes.size()), rows, header,
                           error)) {
            unreadable(QString::fromStdString(error));
            return;
        }
        polarSeen_ = polarSeen_ || header;
        written_ = std::move(rows);
    }

    bool accepting() const {
        return !ruleEnd_ && kill_ != Kill::Unreadable && kill_ != Kill::Fresh;
    }

    // Beyond this point XFOIL's figures are not worth waiting for: the extension takes over.
    void endByRule(SweepEnd end) {
        if (ruleEnd_)
            return;
        ruleEnd_ = end;
        if (kill_ == Kill::None)
            stop(Kill::Rule);
    }

    void unreadable(const QString& detail) {
        unreadable_ =
            QCoreApplication::translate(
                "XfoilBatch", "Reynolds %1 : la polaire écrite par XFOIL est illisible (%2).")
                .arg(reynolds())
                .arg(detail);
        stop(Kill::Unreadable);
    }

    // A converged point; the sweep ends once the lift is well past its extreme.
    void take(const PaccPoint& row) {
        sinceEvent_.start();
        eventSeen_ = true;
        failuresInRow_ = 0;
        retried_ = false;
        lastDone_ = row.alpha;
        rows_.push_back(row);
        const double sign = up_ ? 1 : -1;
        if (!extreme_ || sign * row.cl > sign * extreme_->cl)
            extreme_ = row;
        batch_.sweepProgress(run_);
        if (sign * (row.alpha - extreme_->alpha) >= batch_.settings_.pastStall - 1e-9)
            endByRule(SweepEnd::PastStall);
    }

    void exited(int code, QProcess::ExitStatus status) {
        if (done_ || !process_)
            return;
        if (kill_ != Kill::Unreadable)
            readOutput();
        const Kill why = kill_;
        endProcess();
        const int re = reynolds();
        if (ruleEnd_) {
            finish(*ruleEnd_, {}, noPoint());
        } else if (why == Kill::Unreadable) {
            finish(SweepEnd::Stopped,
                   QCoreApplication::translate("XfoilBatch", "polaire illisible"), unreadable_);
        } else if (why != Kill::None) {
            killed(why);
        } else if (status == QProcess::CrashExit) {
            finish(SweepEnd::Stopped, QCoreApplication::translate("XfoilBatch", "plantage"),
                   QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL s'est arrêté anormalement (plantage).")
                       .arg(re));
        } else if (code != 0) {
            finish(SweepEnd::Stopped,
                   QCoreApplication::translate("XfoilBatch", "code %1").arg(code),
                   QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL s'est arrêté anormalement (code %2).")
                       .arg(re)
                       .arg(code));
        } else if (!unreadable_.isEmpty()) {
            finish(SweepEnd::Stopped,
                   QCoreApplication::translate("XfoilBatch", "polaire illisible"), unreadable_);
        } else if (!polarSeen_) {
            const QString why = QCoreApplication::translate(
                                    "XfoilBatch", "Reynolds %1 : XFOIL n'a pas écrit de polaire.")
                                    .arg(re);
            finish(SweepEnd::Stopped, why, why);
        } else {
            finish(SweepEnd::Reached, {}, noPoint());
        }
    }

    void killed(Kill why) {
        switch (why) {
        case Kill::Timeout:
            finish(SweepEnd::Stopped,
                   QCoreApplication::translate("XfoilBatch", "délai de %1 s dépassé")
                       .arg(batch_.settings_.timeoutSeconds),
                   QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL a dépassé %2 s et a été arrêté.")
                       .arg(reynolds())
                       .arg(batch_.settings_.timeoutSeconds));
            return;
        case Kill::Cancel:
            finish(SweepEnd::Stopped, QCoreApplication::translate("XfoilBatch", "Annulé."),
                   QCoreApplication::translate("XfoilBatch", "Annulé."));
            return;
        default:
            break;
        }
        // A fresh process, with a fresh boundary layer, takes the sweep on from the angle after
        // the one XFOIL was stuck on or last failed; a stalled point counts as one that did
        // not converge.
        ++outcome_.restarts;
        double at = lastDone_ ? *lastDone_ : from_ - step_;
        if (why == Kill::Stall) {
            at += step_;
            if (working_ && step_ * (*working_ - at) > 0)
                at = *working_;
            ++failuresInRow_;
        }
        from_ = std::round((at + step_) * kAngleGrid) / kAngleGrid;
        if (failuresInRow_ >= kFailuresInRow) {
            if (retried_ || rows_.empty()) {
                finish(SweepEnd::NotConverging, {}, noPoint());
                return;
            }
            retried_ = true;
            failuresInRow_ = 0;
        }
        if (step_ * (from_ - to_) > 1e-9)
            finish(SweepEnd::Reached, {}, noPoint());
        else
            startProcess();
    }

    QString noPoint() const {
        return QCoreApplication::translate("XfoilBatch", "Reynolds %1 : aucun point n'a convergé.")
            .arg(reynolds());
    }

    void endProcess() {
        if (poll_)
            poll_->stop();
        if (process_) {
            process_->disconnect(&batch_);
            if (process_->state() != QProcess::NotRunning) {
                process_->kill();
                process_->waitForFinished(1000);
            }
            process_->deleteLater();
            process_ = nullptr;
        }
        if (dir_ && !dir_->remove()) {
            // Out of file descriptors, say: the batch tries again later.
            dir_->setAutoRemove(false);
            batch_.leftovers_.append(dir_->path());
        }
        dir_.reset();
    }

    void finish(SweepEnd end, const QString& reason, const QString& failure) {
        if (done_)
            return;
        done_ = true;
        outcome_.end = end;
        outcome_.reason = end == SweepEnd::Stopped ? reason : QString();
        outcome_.anyPoint = !rows_.empty();
        if (!rows_.empty())
            outcome_.lastAlpha = rows_.back().alpha;
        failure_ = failure;
        endProcess();
        QTimer::singleShot(0, &batch_, [this] { batch_.sweepDone(this); });
    }

    static constexpr const char* kLogFile = "xfoil.log";
    static constexpr qint64 kMaxLogRead = 16 * 1024 * 1024;
    static constexpr int kFailuresInRow = 4;
    static constexpr double kIdleStalls = 5;
    static constexpr double kAngleGrid = 1000; // XFOIL writes angles to a thousandth

    XfoilBatch& batch_;
    const int run_;
    const bool up_;
    double start_ = 0;
    double from_ = 0;
    double to_ = 0;
    double step_ = 0;
    std::vector<PaccPoint> rows_;
    std::optional<PaccPoint> extreme_;
    std::unique_ptr<QTemporaryDir> dir_;
    QProcess* process_ = nullptr; // owned by the batch through Qt parenting
    std::unique_ptr<QTimer> poll_;
    QElapsedTimer clock_;
    QElapsedTimer sinceEvent_;
    std::optional<double> cpuAtEvent_; // the process's processor time at the last point
    bool eventSeen_ = false;           // a point ended since the last poll
    std::vector<PaccPoint> written_;   // the current process's polar file
    std::size_t segmentRows_ = 0;      // how many of them are taken
    qint64 logOffset_ = 0;
    std::string logTail_;
    std::optional<double> working_;
    std::optional<double> lastDone_;
    int failuresInRow_ = 0;
    bool retried_ = false; // a fresh process has been tried since the last converged point
    Kill kill_ = Kill::None;
    std::optional<SweepEnd> ruleEnd_;
    bool polarSeen_ = false;
    QString unreadable_;
    SweepOutcome outcome_;
    QString failure_;
    bool started_ = false;
    bool done_ = false;
    bool reported_ = false;
};

XfoilBatch::XfoilBatch(QObject* parent) : QObject(parent) {}

XfoilBatch::~XfoilBatch() {
    for (const auto& sweep : sweeps_) {
        if (sweep->started() && !sweep->done())
            sweep->cancel();
    }
    removeLeftovers();
}

void XfoilBatch::removeLeftovers() {
    leftovers_.removeIf([](const QString& path) { return QDir(path).removeRecursively(); });
}

void XfoilBatch::start(const Outline& analysed, const XfoilSettings& settings) {
    if (running_)
        return;
    analysed_ = analysed;
    settings_ = settings;
    runs_.assign(settings.reynolds.size(), XfoilRun{});
    for (std::size_t i = 0; i < runs_.size(); ++i)
        runs_[i].reynolds = settings.reynolds[i];
    sweeps_.clear();
    nextSweep_ = 0;
    active_ = 0;
    running_ = true;
    const std::string invalid = checkXfoilSettings(settings);
    executable_ = findXfoil(settings.program);
    QString failure;
    if (!invalid.empty())
        failure = QString::fromStdString(invalid);
    else if (executable_.isEmpty())
        failure = missingProgram(settings.program);
    if (!failure.isEmpty()) {
        for (XfoilRun& run : runs_)
            run.error = failure;
        QTimer::singleShot(0, this, [this] { finishAll(false); });
        return;
    }
    // Every upward sweep first: they are the long ones.
    for (const bool up : {true, false})
        for (std::size_t i = 0; i < runs_.size(); ++i)
            sweeps_.push_back(std::make_unique<Sweep>(*this, static_cast<int>(i), up));
    launchNext();
}

void XfoilBatch::launchNext() {
    const int jobs = settings_.jobs > 0 ? settings_.jobs : std::max(1, QThread::idealThreadCount());
    while (!cancelling_ && active_ < jobs && nextSweep_ < sweeps_.size()) {
        ++active_;
        sweeps_[nextSweep_++]->start();
    }
}

void XfoilBatch::sweepProgress(int runIndex) {
    const Sweep* up = sweeps_[runIndex].get();
    const Sweep* down = sweeps_[runs_.size() + runIndex].get();
    const double upSpan = settings_.alphaMax;
    const double downSpan = -settings_.alphaMin;
    const double fraction =
        (up->fraction() * upSpan + down->fraction() * downSpan) / (upSpan + downSpan);
    const Sweep* latest = !down->rows().empty() && !down->done() ? down : up;
    const double alpha = latest->rows().empty() ? 0 : latest->rows().back().alpha;
    emit progress(runIndex, fraction, alpha);
}

void XfoilBatch::sweepDone(Sweep* sweep) {
    if (sweep->started())
        --active_;
    sweep->setReported();
    if (!running_)
        return;
    const int runIndex = sweep->run();
    const Sweep* up = sweeps_[runIndex].get();
    const Sweep* down = sweeps_[runs_.size() + runIndex].get();
    if (up->reported() && down->reported())
        finishRun(runIndex);
    launchNext();
    const bool allDone =
        std::all_of(sweeps_.begin(), sweeps_.end(), [](const auto& s) { return s->reported(); });
    if (allDone)
        finishAll(cancelling_);
}

// Both sweeps merged in ascending angle; kept when there is any point.
void XfoilBatch::finishRun(int runIndex) {
    const Sweep& up = *sweeps_[runIndex];
    const Sweep& down = *sweeps_[runs_.size() + runIndex];
    std::vector<PaccPoint> rows = up.rows();
    rows.insert(rows.end(), down.rows().begin(), down.rows().end());
    std::sort(rows.begin(), rows.end(),
              [](const PaccPoint& a, const PaccPoint& b) { return a.alpha < b.alpha; });
    rows.erase(
        std::unique(rows.begin(), rows.end(),
                    [](const PaccPoint& a, const PaccPoint& b) { return a.alpha == b.alpha; }),
        rows.end());
    XfoilRun& run = runs_[runIndex];
    run.up = up.outcome();
    run.down = down.outcome();
    run.polar = Polar{run.reynolds, {}, 0};
    run.cm.clear();
    for (const PaccPoint& p : rows) {
        run.polar.rows.push_back({static_cast<float>(p.alpha * kDegreesToRadians),
                                  static_cast<float>(p.cl), static_cast<float>(p.cd)});
        run.cm.push_back(static_cast<float>(p.cm));
    }
    run.polar.zeroIndex =
        static_cast<int>(std::find_if(run.polar.rows.begin(), run.polar.rows.end(),
                                      [](const PolarPoint& p) { return p.alpha >= 0; }) -
                         run.polar.rows.begin());
    run.ok = !rows.empty();
    run.error.clear();
    run.note.clear();
    if (!run.ok) {
        run.error = !up.failure().isEmpty() ? up.failure() : down.failure();
    } else {
        for (const Sweep* sweep : {&up, &down}) {
            const SweepOutcome& o = sweep->outcome();
            if (o.end != SweepEnd::Stopped || !run.note.isEmpty())
                continue;
            run.note = stoppedNote(run.reynolds, o, sweep->up());
        }
    }
    emit runFinished(runIndex);
}

void XfoilBatch::cancel() {
    if (!running_ || cancelling_)
        return;
    cancelling_ = true;
    for (const auto& sweep : sweeps_)
        sweep->cancel();
}

void XfoilBatch::finishAll(bool cancelled) {
    // A cancel may queue an end while the batch is ending on its own.
    if (!running_)
        return;
    running_ = false;
    cancelling_ = false;
    removeLeftovers();
    emit finished(cancelled);
}

bool XfoilBatch::isRunning() const {
    return running_;
}

const std::vector<XfoilRun>& XfoilBatch::runs() const {
    return runs_;
}

std::vector<XfoilRun> runXfoilBlocking(const Outline& analysed, const XfoilSettings& settings) {
    std::unique_ptr<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "kesh";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);
    XfoilBatch batch;
    QEventLoop loop;
    QObject::connect(&batch, &XfoilBatch::finished, &loop, &QEventLoop::quit);
    batch.start(analysed, settings);
    if (batch.isRunning())
        loop.exec();
    return batch.runs();
}
