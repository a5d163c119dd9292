#include "aero/xfoil/foilimport.h"

#include "aero/naca.h"
#include "aero/repanel.h"
#include "aero/xfoil/xfoilscript.h"
#include "formats/coordinatefile.h"
#include "formats/foilfile.h"
#include "formats/foilwriter.h"
#include "formats/keyedtext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>

namespace {

// About the count of XFOIL's own paneling; XFOIL repanels what it is given.
constexpr int kAnalysedPoints = 160;
// A NACA section's own equations, sampled finer than XFOIL panels it.
constexpr int kNacaPointsPerSide = 121;

std::string trimmedText(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(" \t\r\n") + 1 - begin));
}

} // namespace

FoilSource readFoilSource(const std::string& source) {
    FoilSource read;
    if (isNacaCode(source)) {
        read.outline = nacaOutline(source, 100, NacaTrailingEdge::Closed);
        read.analysed = nacaOutline(source, kNacaPointsPerSide, NacaTrailingEdge::Open);
        read.label = trimmedText(source);
        read.isNaca = true;
    } else {
        read.outline = readCoordinateFile(source, &read.ignoredLines);
        read.analysed = repanel(read.outline, kAnalysedPoints);
        read.label = std::filesystem::path(source).filename().string();
    }
    read.name = safeFoilName(read.outline.name);
    return read;
}

QString ignoredLinesText(int count) {
    if (count <= 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("FoilImport",
                                           "1 ligne de texte ignorée après les coordonnées");
    return QCoreApplication::translate("FoilImport",
                                       "%1 lignes de texte ignorées après les coordonnées")
        .arg(count);
}

bool readReynoldsList(std::string_view text, std::vector<int>& reynolds, QString& error) {
    std::set<int> values;
    bool good = true;
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    const QStringList parts = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                  .split(separators, Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        double value = 0;
        if (!parseWholeNumber(part.toStdString(), value) || value != std::floor(value) ||
            value < kMinPolarReynolds || value > kMaxPolarReynolds) {
            good = false;
            break;
        }
        values.insert(static_cast<int>(value));
    }
    if (!good || values.empty() ||
        values.size() > static_cast<std::size_t>(importlimits::kMaxReynoldsCount)) {
        error = QCoreApplication::translate("FoilImport",
                                            "Tapez de 1 à %1 nombres de Reynolds entiers, de %2 "
                                            "à %3, séparés par des virgules.")
                    .arg(importlimits::kMaxReynoldsCount)
                    .arg(kMinPolarReynolds)
                    .arg(kMaxPolarReynolds);
        return false;
    }
    reynolds.assign(values.begin(), values.end());
    return true;
}

QString checkImport(const XfoilSettings& settings, const FoilBuildOptions& options) {
    if (const std::string wrong = checkXfoilSettings(settings); !wrong.empty())
        return QString::fromStdString(wrong);
    if (options.name.empty())
        return QCoreApplication::translate("FoilImport", "Le profil n'a pas de nom.");
    if (const std::string wrong = checkBuildOptions(options); !wrong.empty())
        return QString::fromStdString(wrong);
    return {};
}

QString foilFileNameFor(const QString& name) {
    QString file = name.trimmed();
    static const QRegularExpression bad(QStringLiteral("[\\\\/:*?\"<>|\\s]"));
    file.replace(bad, QStringLiteral("_"));
    return (file.isEmpty() ? QStringLiteral("profil") : file) + QStringLiteral(".txt");
}

ImportOutcome importOutcome(const std::vector<XfoilRun>& runs) {
    ImportOutcome outcome;
    for (const XfoilRun& run : runs) {
        if (run.ok && !run.polar.rows.empty()) {
            outcome.used.push_back(run);
            if (!run.note.isEmpty())
                outcome.notes.append(run.note);
        } else if (!outcome.failures.contains(run.error)) {
            outcome.failures.append(run.error); // a missing xfoil is said once
        }
    }
    return outcome;
}

FoilImport::FoilImport(QObject* parent) : QObject(parent), batch_(new XfoilBatch(this)) {
    connect(batch_, &XfoilBatch::progress, this, &FoilImport::progress);
    connect(batch_, &XfoilBatch::runFinished, this, &FoilImport::runFinished);
    connect(batch_, &XfoilBatch::finished, this, [this](bool cancelled) {
        if (!cancelled)
            outcome_ = importOutcome(batch_->runs());
        emit finished(cancelled);
    });
}

bool FoilImport::setSource(std::optional<FoilSource> source) {
    if (isRunning())
        return false;
    source_ = std::move(source);
    outcome_.reset();
    return true;
}

bool FoilImport::start(const XfoilSettings& settings, QString& error) {
    if (isRunning() || !source_)
        return false;
    if (const std::string wrong = checkXfoilSettings(settings); !wrong.empty()) {
        error = QString::fromStdString(wrong);
        return false;
    }
    settings_ = settings;
    outcome_.reset();
    batch_->start(source_->analysed, settings);
    return true;
}

void FoilImport::cancel() {
    if (isRunning())
        batch_->cancel();
}

void FoilImport::clear() {
    outcome_.reset();
}

Foil FoilImport::build(const FoilBuildOptions& options,
                       std::vector<std::string>* headerLines) const {
    if (!source_ || !outcome_)
        throw std::runtime_error(
            QCoreApplication::translate("FoilImport", "Aucune polaire n'a été calculée.")
                .toStdString());
    return buildFoil(source_->outline, outcome_->used, options, settings_, headerLines);
}

ImportOutcome runImportBlocking(const FoilSource& source, const XfoilSettings& settings) {
    return importOutcome(runXfoilBlocking(source.analysed, settings));
}
