#include "shell/foilworkshop.h"

#include "aero/naca.h"
#include "aero/repanel.h"
#include "aero/xfoil/foilbuilder.h"
#include "formats/codepage.h"
#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "formats/foilwriter.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "shell/pages/numberfield.h"
#include "shell/pages/parampage.h"
#include "shell/userprompts.h"
#include "shell/widgets/chartpanel.h"
#include "shell/widgets/profileview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString errorCaption() {
    return QCoreApplication::translate("CFoilWorkshop", "Erreur");
}

QString foilFilter() {
    return QCoreApplication::translate("CFoilWorkshop", "Airfoil Files (*.txt);;All Files (*.*)");
}

QString coordinateFilter() {
    return QCoreApplication::translate("CFoilWorkshop",
                                       "Coordonnées (*.dat *.txt *.cor);;Tous les fichiers (*.*)");
}
constexpr int kProgressSteps = 1000;

QString airfoilsDirectory() {
    return QDir(fromDiskPath(simulatorDirectory())).filePath(QStringLiteral("airfoils"));
}

// The file's own polars, without the loader's sentinels.
std::vector<const Polar*> filePolars(const Foil& foil) {
    std::vector<const Polar*> polars;
    for (std::size_t i = 1; i + 1 < foil.polars.size(); ++i)
        polars.push_back(&foil.polars[i]);
    return polars;
}

QLineEdit* numberField(const QString& text) {
    auto* field = new QLineEdit(text);
    field->setMaximumWidth(90);
    return field;
}

} // namespace

CFoilWorkshop::CFoilWorkshop(UserPrompts& prompts, QWidget* owner)
    : QWidget(owner, Qt::Tool), prompts_(prompts), import_(new FoilImport(this)) {
    setWindowTitle(tr("Atelier profils"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeForm());
    layout->addWidget(makeViews(), 1);
    resize(1180, 760);

    connect(import_, &FoilImport::progress, this, &CFoilWorkshop::runProgress);
    connect(import_, &FoilImport::runFinished, this, &CFoilWorkshop::runFinished);
    connect(import_, &FoilImport::finished, this, &CFoilWorkshop::batchFinished);
    updateButtons();
}

CFoilWorkshop::~CFoilWorkshop() {
    import_->disconnect(this);
    import_->cancel();
}

QWidget* CFoilWorkshop::makeForm() {
    auto* form = new QWidget;
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);

    auto* sourceBox = new QGroupBox(tr("Profil"));
    auto* sourceForm = new QFormLayout(sourceBox);
    source_ = new QLineEdit;
    source_->setPlaceholderText(tr("fichier de coordonnées ou NACA 2412"));
    auto* browse = new QPushButton(QStringLiteral("..."));
    browse->setMaximumWidth(32);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(source_);
    sourceRow->addWidget(browse);
    sourceForm->addRow(tr("Source :"), sourceRow);
    name_ = new QLineEdit;
    sourceForm->addRow(tr("Nom :"), name_);
    points_ = new QSpinBox;
    points_->setRange(importlimits::kMinPoints, Foil::kMaxPoints);
    points_->setValue(Foil::kMaxPoints);
    sourceForm->addRow(tr("Points :"), points_);
    auto* openFoil = new QPushButton(tr("Ouvrir un profil du simulateur..."));
    sourceForm->addRow(openFoil);
    column->addWidget(sourceBox);

    auto* xfoilBox = new QGroupBox(QStringLiteral("XFOIL"));
    auto* xfoilForm = new QFormLayout(xfoilBox);
    reynolds_ = new QLineEdit(QStringLiteral("50000, 100000, 200000, 400000"));
    reynolds_->setMinimumWidth(reynolds_->fontMetrics().horizontalAdvance(reynolds_->text()) + 16);
    xfoilForm->addRow(tr("Reynolds :"), reynolds_);
    ncrit_ = numberField(QStringLiteral("9"));
    xfoilForm->addRow(tr("Ncrit :"), ncrit_);
    step_ = numberField(QStringLiteral("0.5"));
    xfoilForm->addRow(tr("Pas d'angle (°) :"), step_);
    extend_ = new QCheckBox(tr("Extension à ±180°"));
    extend_->setChecked(true);
    xfoilForm->addRow(extend_);
    cdMax_ = numberField(QStringLiteral("1.8"));
    xfoilForm->addRow(tr("cd max :"), cdMax_);
    column->addWidget(xfoilBox);

    auto* buttons = new QHBoxLayout;
    compute_ = new QPushButton(tr("Calculer"));
    cancel_ = new QPushButton(tr("Annuler"));
    save_ = new QPushButton(tr("Enregistrer..."));
    buttons->addWidget(compute_);
    buttons->addWidget(cancel_);
    buttons->addWidget(save_);
    column->addLayout(buttons);

    barsLayout_ = new QVBoxLayout;
    column->addLayout(barsLayout_);
    status_ = new QLabel;
    status_->setWordWrap(true);
    column->addWidget(status_);
    column->addStretch(1);
    form->setMaximumWidth(400);

    connect(browse, &QPushButton::clicked, this, &CFoilWorkshop::browseSource);
    connect(source_, &QLineEdit::returnPressed, this, &CFoilWorkshop::loadSource);
    connect(openFoil, &QPushButton::clicked, this, &CFoilWorkshop::browseFoilFile);
    connect(compute_, &QPushButton::clicked, this, &CFoilWorkshop::compute);
    connect(cancel_, &QPushButton::clicked, this, &CFoilWorkshop::cancel);
    connect(save_, &QPushButton::clicked, this, &CFoilWorkshop::save);
    connect(points_, &QSpinBox::valueChanged, this, &CFoilWorkshop::previewOutline);
    connect(extend_, &QCheckBox::toggled, this, [this] { rebuildResult(); });
    connect(cdMax_, &QLineEdit::editingFinished, this, [this] {
        if (result_)
            rebuildResult();
    });
    return form;
}

QWidget* CFoilWorkshop::makeViews() {
    auto* views = new QWidget;
    auto* grid = new QGridLayout(views);
    grid->setContentsMargins(0, 0, 0, 0);
    profile_ = new CProfileView;
    liftChart_ = new CChartPanel(tr("Portance"), tr("angle (°)"), QStringLiteral("cl"));
    dragChart_ = new CChartPanel(tr("Polaire"), QStringLiteral("cl"), QStringLiteral("cd"));
    ratioChart_ = new CChartPanel(tr("Finesse"), tr("angle (°)"), QStringLiteral("cl/cd"));
    wholeCircle_ = new QCheckBox(tr("Tout le cercle"));
    auto* legend =
        new QLabel(tr("points : XFOIL ; trait : polaire du fichier, extension comprise"));
    auto* chartOptions = new QHBoxLayout;
    chartOptions->addWidget(wholeCircle_);
    chartOptions->addWidget(legend, 1);
    grid->addWidget(profile_, 0, 0);
    grid->addWidget(liftChart_, 0, 1);
    grid->addWidget(dragChart_, 1, 0);
    grid->addWidget(ratioChart_, 1, 1);
    grid->addLayout(chartOptions, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    connect(wholeCircle_, &QCheckBox::toggled, this, &CFoilWorkshop::showPolars);
    return views;
}

void CFoilWorkshop::closeEvent(QCloseEvent* event) {
    // Nothing keeps running out of sight.
    import_->cancel();
    QWidget::closeEvent(event);
}

void CFoilWorkshop::error(const QString& text) {
    prompts_.message(this, text, errorCaption(), PromptIcon::Error);
}

void CFoilWorkshop::setStatus(const QString& text) {
    status_->setText(text);
}

void CFoilWorkshop::updateButtons() {
    const bool running = import_->isRunning();
    compute_->setEnabled(!running);
    cancel_->setEnabled(running);
    save_->setEnabled(!running && result_.has_value());
}

bool CFoilWorkshop::browseSource() {
    const QString path =
        prompts_.openFile(this, tr("Fichier de coordonnées"), coordinateFilter(), QString());
    if (path.isEmpty())
        return false;
    source_->setText(path);
    return loadSource();
}

bool CFoilWorkshop::loadSource() {
    if (import_->isRunning())
        return false;
    const QString text = source_->text().trimmed();
    if (text.isEmpty()) {
        error(tr("Choisissez un fichier de coordonnées ou tapez un code NACA."));
        return false;
    }
    const std::string bytes = text.toStdString();
    FoilSource source;
    try {
        source = readFoilSource(isNacaCode(bytes) ? bytes : toDiskPath(text));
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    const QString name =
        source.isNaca ? QString::fromStdString(source.name) : fromCodePage(source.name);
    const int ignored = source.ignoredLines;
    import_->setSource(std::move(source));
    loadedSource_ = text;
    name_->setText(name);
    clearResult();
    previewOutline();
    setStatus(ignoredLinesText(ignored));
    return true;
}

// The outline as it would be written, at the chosen point count.
void CFoilWorkshop::previewOutline() {
    if (result_) {
        rebuildResult();
        return;
    }
    if (!import_->source())
        return;
    const Outline& outline = import_->source()->outline;
    try {
        showOutline(repanel(outline, points_->value()).points);
    } catch (const std::exception&) {
        showOutline(outline.points);
    }
}

void CFoilWorkshop::showOutline(const std::vector<OutlinePoint>& points) {
    QList<QPointF> shown;
    shown.reserve(static_cast<qsizetype>(points.size()));
    for (const OutlinePoint& point : points)
        shown.append({point.x, point.y});
    profile_->setOutline(shown);
}

void CFoilWorkshop::showProfileOf(const Foil& foil) {
    QList<QPointF> shown;
    for (const FoilPoint& point : foil.points)
        shown.append({point.x, point.y});
    profile_->setOutline(shown);
}

bool CFoilWorkshop::browseFoilFile() {
    const QString path = prompts_.openFile(this, tr("Ouvrir"), foilFilter(),
                                           airfoilsDirectory() + QStringLiteral("/*.txt"));
    return !path.isEmpty() && openFoilFile(path);
}

bool CFoilWorkshop::openFoilFile(const QString& path) {
    if (import_->isRunning())
        return false;
    Foil foil;
    try {
        loadFoil(foil, toDiskPath(path));
    } catch (const err& failure) {
        prompts_.message(this, QString::fromStdString(failure.text()),
                         QString::fromStdString(failure.caption()), PromptIcon::Error);
        return false;
    }
    import_->setSource(std::nullopt);
    loadedSource_.clear();
    clearResult();
    source_->clear();
    name_->setText(fromCodePage(foil.name));
    showProfileOf(foil);
    for (const Polar* polar : filePolars(foil))
        shown_.push_back({polar->reynolds, polar->rows, {}});
    showPolars();
    setStatus(tr("%1 : %2 points, %3 polaires")
                  .arg(QDir::toNativeSeparators(path))
                  .arg(foil.points.size())
                  .arg(shown_.size()));
    return true;
}

void CFoilWorkshop::clearResult() {
    import_->clear();
    result_.reset();
    header_.clear();
    shown_.clear();
    showPolars();
    profile_->setOutline({});
    updateButtons();
}

void CFoilWorkshop::showPolars() {
    const AngleWindow window = wholeCircle_->isChecked() ? AngleWindow{} : attachedWindow(shown_);
    const PolarCurves curves = polarCurves(shown_, window);
    liftChart_->setCurves(curves.lift);
    dragChart_->setCurves(curves.drag);
    ratioChart_->setCurves(curves.ratio);
}

bool CFoilWorkshop::readNumber(QLineEdit* field, double min, double max, double& value) {
    const std::optional<double> number = parseNumberField(field->text());
    if (!number) {
        error(tr("Tapez un nombre."));
    } else if (*number < min || *number > max) {
        error(tr("Tapez un nombre compris entre %1 et %2.")
                  .arg(QString::asprintf("%.*g", 6, min), QString::asprintf("%.*g", 6, max)));
    } else {
        value = *number;
        return true;
    }
    field->setFocus();
    field->selectAll();
    return false;
}

std::optional<XfoilSettings> CFoilWorkshop::readSettings() {
    XfoilSettings settings;
    settings.program = xfoilProgram_;
    QString wrong;
    if (!readReynoldsList(reynolds_->text().toStdString(), settings.reynolds, wrong)) {
        error(wrong);
        reynolds_->setFocus();
        return std::nullopt;
    }
    if (!readNumber(ncrit_, importlimits::kMinNcrit, importlimits::kMaxNcrit, settings.ncrit) ||
        !readNumber(step_, importlimits::kMinStep, importlimits::kMaxStep, settings.alphaStep))
        return std::nullopt;
    return settings;
}

std::optional<FoilBuildOptions> CFoilWorkshop::readOptions() {
    FoilBuildOptions options;
    const QString name = name_->text().trimmed();
    // Characters the file format forbids are the writer's to refuse; this is the code page.
    const std::optional<std::string> stored = toCodePage(name);
    if (name.isEmpty() || !stored) {
        error(tr("Tapez un nom de profil en caractères latins."));
        name_->setFocus();
        return std::nullopt;
    }
    options.name = *stored;
    options.points = points_->value();
    options.extend = extend_->isChecked();
    options.source = import_->source() ? import_->source()->label : std::string();
    if (!readNumber(cdMax_, importlimits::kMinCdMax, importlimits::kMaxCdMax, options.cdMax))
        return std::nullopt;
    return options;
}

bool CFoilWorkshop::compute() {
    if (import_->isRunning())
        return false;
    // A source typed since the last one was read is read first.
    if ((!import_->source() || source_->text().trimmed() != loadedSource_) && !loadSource())
        return false;
    const std::optional<XfoilSettings> settings = readSettings();
    if (!settings)
        return false;
    clearResult();
    previewOutline();
    QString wrong;
    if (!import_->start(*settings, wrong)) {
        error(wrong);
        return false;
    }
    makeProgressBars(settings->reynolds);
    awaitingRuns_ = true;
    setStatus(tr("Calcul en cours..."));
    updateButtons();
    return true;
}

void CFoilWorkshop::cancel() {
    import_->cancel();
}

void CFoilWorkshop::makeProgressBars(const std::vector<int>& reynolds) {
    for (QProgressBar* bar : bars_)
        delete bar;
    bars_.clear();
    for (int value : reynolds) {
        auto* bar = new QProgressBar;
        bar->setRange(0, kProgressSteps);
        bar->setValue(0);
        bar->setFormat(QStringLiteral("Re %1").arg(value));
        barsLayout_->addWidget(bar);
        bars_.append(bar);
    }
}

void CFoilWorkshop::runProgress(int index, double fraction, double alphaDegrees) {
    if (index < 0 || index >= bars_.size())
        return;
    QProgressBar* bar = bars_[index];
    bar->setValue(std::max(bar->value(), static_cast<int>(fraction * kProgressSteps)));
    bar->setFormat(
        tr("Re %1 : %2°").arg(import_->settings().reynolds.at(index)).arg(alphaDegrees, 0, 'g', 4));
}

void CFoilWorkshop::runFinished(int index) {
    if (!awaitingRuns_ || index < 0 || index >= bars_.size())
        return;
    const XfoilRun& run = import_->batch().runs().at(index);
    QProgressBar* bar = bars_[index];
    bar->setValue(kProgressSteps);
    bar->setFormat(run.ok ? tr("Re %1 : %2 points").arg(run.reynolds).arg(run.polar.rows.size())
                          : tr("Re %1 : échec").arg(run.reynolds));
}

void CFoilWorkshop::batchFinished(bool cancelled) {
    // The batch can say it finished twice after a cancel; the first word counts.
    if (!awaitingRuns_)
        return;
    awaitingRuns_ = false;
    updateButtons();
    const std::vector<XfoilRun>& runs = import_->batch().runs();
    if (cancelled) {
        for (qsizetype i = 0; i < bars_.size(); ++i)
            if (!runs.at(i).ok || runs.at(i).up.end == SweepEnd::Stopped ||
                runs.at(i).down.end == SweepEnd::Stopped)
                bars_[i]->setFormat(tr("Re %1 : annulé").arg(runs.at(i).reynolds));
        setStatus(tr("Calcul annulé."));
        return;
    }
    const ImportOutcome& outcome = *import_->outcome();
    if (outcome.used.empty()) {
        setStatus(tr("Aucun résultat."));
        error(tr("XFOIL n'a donné aucun point convergé.\n") +
              outcome.failures.join(QLatin1Char('\n')));
        return;
    }
    if (!outcome.failures.isEmpty())
        prompts_.message(this,
                         tr("Ces nombres de Reynolds sont laissés de côté :\n") +
                             outcome.failures.join(QLatin1Char('\n')),
                         errorCaption(), PromptIcon::Warning);
    if (rebuildResult()) {
        QStringList status{tr("%1 polaires calculées.").arg(outcome.used.size())};
        setStatus((status + outcome.notes).join(QLatin1Char('\n')));
    }
}

// The airfoil from the last runs and the current name, point count and extension.
bool CFoilWorkshop::rebuildResult() {
    if (!import_->outcome() || import_->outcome()->used.empty())
        return false;
    const std::optional<FoilBuildOptions> options = readOptions();
    if (!options)
        return false;
    try {
        std::vector<std::string> header;
        Foil foil = import_->build(*options, &header);
        result_ = std::move(foil);
        header_ = std::move(header);
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    shown_.clear();
    for (const Polar* polar : filePolars(*result_)) {
        ShownPolar shown{polar->reynolds, polar->rows, {}};
        for (const XfoilRun& run : import_->outcome()->used)
            if (run.reynolds == polar->reynolds)
                shown.xfoil = run.polar.rows;
        shown_.push_back(std::move(shown));
    }
    showProfileOf(*result_);
    showPolars();
    updateButtons();
    return true;
}

bool CFoilWorkshop::save() {
    if (import_->isRunning() || !result_ || !rebuildResult())
        return false;
    const QString directory = airfoilsDirectory();
    if (!QFileInfo(directory).isDir() && !QDir().mkdir(directory)) {
        error(tr("Impossible de créer le répertoire %1.").arg(QDir::toNativeSeparators(directory)));
        return false;
    }
    QString path = prompts_.saveFile(this, tr("Enregistrer le profil"), foilFilter(),
                                     QDir(directory).filePath(foilFileNameFor(name_->text())),
                                     QStringLiteral("txt"), false);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    const QFileInfo target(path);
    if (!sameFile(target.absolutePath(), directory)) {
        error(tr("Les profils du simulateur s'enregistrent dans %1.")
                  .arg(QDir::toNativeSeparators(directory)));
        return false;
    }
    if (target.exists() &&
        !prompts_.askYesNo(this,
                           tr("%1 existe déjà.\nVoulez-vous le remplacer ?").arg(target.fileName()),
                           tr("Question")))
        return false;
    try {
        writeFoilFile(toDiskPath(path), *result_, header_);
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    setStatus(tr("Enregistré : %1").arg(QDir::toNativeSeparators(path)));
    emit foilSaved(path);
    return true;
}
