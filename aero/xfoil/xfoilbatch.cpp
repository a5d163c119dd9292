#include "aero/xfoil/xfoilbatch.h"

#include "aero/xfoil/paccfile.h"
#include "aero/xfoil/xfoilprocess.h"
#include "aero/xfoil/xfoilscript.h"
#include "model/angles.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>

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

bool writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

} // namespace

class XfoilBatch::Job {
public:
    Job(XfoilBatch& batch, int index) : batch_(batch), index_(index) {}

    void start(const QString& executable, const Outline& analysed, const XfoilSettings& settings) {
        XfoilRun& run = batch_.runs_[index_];
        dir_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/kesh-xfoil-XXXXXX");
        if (!dir_->isValid() ||
            !writeFile(dir_->filePath(kXfoilOutlineFile), xfoilOutlineText(analysed))) {
            finish(QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : impossible de préparer le dossier de travail "
                                     "d'XFOIL.")
                       .arg(run.reynolds));
            return;
        }
        process_ = new QProcess(&batch_);
        process_->setWorkingDirectory(dir_->path());
        process_->setProcessEnvironment(xfoilEnvironment());
        process_->setProcessChannelMode(QProcess::MergedChannels);
        process_->setStandardOutputFile(dir_->filePath("xfoil.log"));
        QObject::connect(process_, &QProcess::finished, &batch_,
                         [this](int code, QProcess::ExitStatus status) { exited(code, status); });
        QObject::connect(process_, &QProcess::errorOccurred, &batch_,
                         [this](QProcess::ProcessError e) {
                             if (e == QProcess::FailedToStart)
                                 finish(missingProgram(process_->program()));
                         });
        poll_ = new QTimer(process_);
        QObject::connect(poll_, &QTimer::timeout, &batch_, [this] { readPolar(false); });
        poll_->start(kPollMilliseconds);
        timeout_ = settings.timeoutSeconds;
        QTimer::singleShot(timeout_ * 1000, process_, [this] {
            timedOut_ = true;
            process_->kill();
        });
        script_ = xfoilScript(settings, run.reynolds);
        process_->start(executable, {});
        process_->write(script_.data(), static_cast<qint64>(script_.size()));
        process_->closeWriteChannel();
    }

    void cancel() {
        cancelled_ = true;
        if (process_) {
            // SIGKILL ends it at once; waiting only reaps it.
            process_->kill();
            process_->waitForFinished(1000);
        }
        finish(QCoreApplication::translate("XfoilBatch", "Annulé."));
    }

    bool done() const { return done_; }
    int index() const { return index_; }

private:
    void exited(int code, QProcess::ExitStatus status) {
        const int re = batch_.runs_[index_].reynolds;
        if (cancelled_)
            finish(QCoreApplication::translate("XfoilBatch", "Annulé."));
        else if (timedOut_)
            finish(QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL a dépassé %2 s et a été arrêté.")
                       .arg(re)
                       .arg(timeout_));
        else if (status == QProcess::CrashExit)
            finish(QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL s'est arrêté anormalement (plantage).")
                       .arg(re));
        else if (code != 0)
            finish(QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : XFOIL s'est arrêté anormalement (code %2).")
                       .arg(re)
                       .arg(code));
        else
            finish(readPolar(true));
    }

    // The rows so far; at the end, the error text when the polar is unusable.
    QString readPolar(bool final) {
        const int re = batch_.runs_[index_].reynolds;
        QFile file(dir_->filePath(kXfoilPolarFile));
        if (!file.open(QIODevice::ReadOnly))
            return final ? QCoreApplication::translate(
                               "XfoilBatch", "Reynolds %1 : XFOIL n'a pas écrit de polaire.")
                               .arg(re)
                         : QString();
        if (file.size() > kMaxPolarBytes)
            return QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : la polaire écrite par XFOIL est illisible "
                                     "(fichier trop gros).")
                .arg(re);
        const QByteArray bytes = file.readAll();
        std::vector<PaccPoint> rows;
        bool header = false;
        std::string error;
        if (!parsePaccFile(std::string_view(bytes.constData(), bytes.size()), rows, header, error))
            return QCoreApplication::translate(
                       "XfoilBatch",
                       "Reynolds %1 : la polaire écrite par XFOIL est illisible (%2).")
                .arg(re)
                .arg(QString::fromStdString(error));
        if (rows.size() > reported_) {
            reported_ = rows.size();
            emit batch_.progress(index_, rows.back().alpha);
        }
        if (!final)
            return {};
        if (!header)
            return QCoreApplication::translate(
                       "XfoilBatch", "Reynolds %1 : la polaire écrite par XFOIL est illisible.")
                .arg(re);
        if (rows.empty())
            return QCoreApplication::translate("XfoilBatch",
                                               "Reynolds %1 : aucun point n'a convergé.")
                .arg(re);
        store(rows);
        return {};
    }

    void store(std::vector<PaccPoint> rows) {
        std::sort(rows.begin(), rows.end(),
                  [](const PaccPoint& a, const PaccPoint& b) { return a.alpha < b.alpha; });
        rows.erase(
            std::unique(rows.begin(), rows.end(),
                        [](const PaccPoint& a, const PaccPoint& b) { return a.alpha == b.alpha; }),
            rows.end());
        XfoilRun& run = batch_.runs_[index_];
        run.polar.reynolds = run.reynolds;
        run.polar.rows.clear();
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
    }

    void finish(const QString& error) {
        if (done_)
            return;
        done_ = true;
        XfoilRun& run = batch_.runs_[index_];
        run.ok = error.isEmpty();
        run.error = error;
        if (!run.ok) {
            run.polar = Polar{run.reynolds, {}, 0};
            run.cm.clear();
        }
        dir_.reset();
        if (process_) {
            poll_->stop();
            process_->disconnect(&batch_);
            process_->deleteLater();
            process_ = nullptr;
        }
        QTimer::singleShot(0, &batch_, [this] { batch_.jobDone(this); });
    }

    XfoilBatch& batch_;
    const int index_;
    std::unique_ptr<QTemporaryDir> dir_;
    QProcess* process_ = nullptr; // owned by the batch through Qt parenting
    QTimer* poll_ = nullptr;
    std::string script_;
    std::size_t reported_ = 0;
    int timeout_ = 0;
    bool timedOut_ = false;
    bool cancelled_ = false;
    bool done_ = false;
};

XfoilBatch::XfoilBatch(QObject* parent) : QObject(parent) {}

XfoilBatch::~XfoilBatch() {
    for (const auto& job : jobs_) {
        if (!job->done())
            job->cancel();
    }
}

void XfoilBatch::start(const Outline& analysed, const XfoilSettings& settings) {
    if (running_)
        return;
    analysed_ = analysed;
    settings_ = settings;
    runs_.assign(settings.reynolds.size(), XfoilRun{});
    for (std::size_t i = 0; i < runs_.size(); ++i)
        runs_[i].reynolds = settings.reynolds[i];
    jobs_.clear();
    nextIndex_ = 0;
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
    const int jobs = settings.jobs > 0 ? settings.jobs : std::max(1, QThread::idealThreadCount());
    for (int i = 0; i < jobs; ++i)
        launchNext();
}

void XfoilBatch::launchNext() {
    if (nextIndex_ >= runs_.size())
        return;
    const int index = static_cast<int>(nextIndex_++);
    jobs_.push_back(std::make_unique<Job>(*this, index));
    jobs_.back()->start(executable_, analysed_, settings_);
}

void XfoilBatch::jobDone(Job* job) {
    emit runFinished(job->index());
    if (!running_)
        return;
    if (!cancelling_)
        launchNext();
    const bool allDone =
        std::all_of(jobs_.begin(), jobs_.end(), [](const auto& j) { return j->done(); });
    if (allDone && nextIndex_ >= runs_.size())
        finishAll(cancelling_);
}

void XfoilBatch::cancel() {
    if (!running_ || cancelling_)
        return;
    cancelling_ = true;
    for (std::size_t i = nextIndex_; i < runs_.size(); ++i)
        runs_[i].error = QCoreApplication::translate("XfoilBatch", "Annulé.");
    nextIndex_ = runs_.size();
    bool waiting = false;
    for (const auto& job : jobs_) {
        if (!job->done()) {
            job->cancel();
            waiting = true;
        }
    }
    if (!waiting)
        QTimer::singleShot(0, this, [this] { finishAll(true); });
}

void XfoilBatch::finishAll(bool cancelled) {
    // A cancel may queue an end while the batch is ending on its own.
    if (!running_)
        return;
    running_ = false;
    cancelling_ = false;
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
