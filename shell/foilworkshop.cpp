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
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

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
constexpr int kMinPoints = 20;
constexpr int kMinReynolds = 1000;
constexpr int kMaxReynolds = 9999999; // the loader's high sentinel is 10,000,000
constexpr int kMaxReynoldsCount = 8;
constexpr int kProgressSteps = 1000;

QString airfoilsDirectory() {
    return QDir(fromDiskPath(simulatorDirectory())).filePath(QStringLiteral("airfoils"));
}

// The name as a file name: characters a file name cannot hold become '_'.
QString fileNameFor(const QString& name) {
    QString file = name.trimmed();
    static const QRegularExpression bad(QStringLiteral("[\\\\/:*?\"<>|\\s]"));
    file.replace(bad, QStringLiteral("_"));
    return (file.isEmpty() ? QStringLiteral("profil") : file) + QStringLiteral(".txt");
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
    : QWidget(owner, Qt::Tool), prompts_(prompts), batch_(new XfoilBatch(this)) {
    setWindowTitle(tr("Atelier profils"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeForm());
    layout->addWidget(makeViews(), 1);
    resize(1180, 760);

    connect(batch_, &XfoilBatch::progress, this, &CFoilWorkshop::runProgress);
    connect(batch_, &XfoilBatch::runFinished, this, &CFoilWorkshop::runFinished);
    connect(batch_, &XfoilBatch::finished, this, &CFoilWorkshop::batchFinished);
    updateButtons();
}

CFoilWorkshop::~CFoilWorkshop() {
    batch_->disconnect(this);
    if (batch_->isRunning())
        batch_->cancel();
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
    points_->setRange(kMinPoints, Foil::kMaxPoints);
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
    if (batch_->isRunning())
        batch_->cancel();
    QWidget::closeEvent(event);
}

void CFoilWorkshop::error(const QString& text) {
    prompts_.message(this, text, errorCaption(), PromptIcon::Error);
}

void CFoilWorkshop::setStatus(const QString& text) {
    status_->setText(text);
}

void CFoilWorkshop::updateButtons() {
    const bool running = batch_->isRunning();
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
    if (batch_->isRunning())
        return false;
    const QString text = source_->text().trimmed();
    if (text.isEmpty()) {
        error(tr("Choisissez un fichier de coordonnées ou tapez un code NACA."));
        return false;
    }
    const std::string bytes = text.toStdString();
    Outline outline;
    try {
        outline = outlineFromSource(isNacaCode(bytes) ? bytes : toDiskPath(text));
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    QString name;
    if (isNacaCode(bytes)) {
        sourceLabel_ = bytes;
        name = outline.name.empty() ? text : QString::fromStdString(outline.name);
    } else {
        sourceLabel_ = toDiskPath(QFileInfo(text).fileName());
        name =
            outline.name.empty() ? QFileInfo(text).completeBaseName() : fromCodePage(outline.name);
    }
    outline_ = std::move(outline);
    loadedSource_ = text;
    name_->setText(name.trimmed());
    clearResult();
    previewOutline();
    setStatus(QString());
    return true;
}

// The outline as it would be written, at the chosen point count.
void CFoilWorkshop::previewOutline() {
    if (result_) {
        rebuildResult();
        return;
    }
    if (!outline_)
        return;
    try {
        showOutline(repanel(*outline_, points_->value()).points);
    } catch (const std::exception&) {
        showOutline(outline_->points);
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
    if (batch_->isRunning())
        return false;
    Foil foil;
    try {
        loadFoil(foil, toDiskPath(path));
    } catch (const err& failure) {
        prompts_.message(this, QString::fromStdString(failure.text()),
                         QString::fromStdString(failure.caption()), PromptIcon::Error);
        return false;
    }
    outline_.reset();
    sourceLabel_.clear();
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
    runs_.clear();
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
    std::set<int> reynolds;
    const QStringList parts =
        reynolds_->text().split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const std::optional<double> number = parseNumberField(part);
        if (!number || *number != std::floor(*number) || *number < kMinReynolds ||
            *number > kMaxReynolds) {
            reynolds.clear();
            break;
        }
        reynolds.insert(static_cast<int>(*number));
    }
    if (reynolds.empty() || static_cast<int>(reynolds.size()) > kMaxReynoldsCount) {
        error(tr("Tapez de 1 à %1 nombres de Reynolds entiers, de %2 à %3, "
                 "séparés par des virgules.")
                  .arg(kMaxReynoldsCount)
                  .arg(kMinReynolds)
                  .arg(kMaxReynolds));
        reynolds_->setFocus();
        return std::nullopt;
    }
    settings.reynolds.assign(reynolds.begin(), reynolds.end());
    if (!readNumber(ncrit_, 1, 20, settings.ncrit) ||
        !readNumber(step_, 0.1, 5, settings.alphaStep))
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
    options.source = sourceLabel_;
    if (!readNumber(cdMax_, 0.5, 3, options.cdMax))
        return std::nullopt;
    return options;
}

bool CFoilWorkshop::compute() {
    if (batch_->isRunning())
        return false;
    // A source typed since the last one was read is read first.
    if ((!outline_ || source_->text().trimmed() != loadedSource_) && !loadSource())
        return false;
    const std::optional<XfoilSettings> settings = readSettings();
    if (!settings)
        return false;
    Outline analysed;
    try {
        analysed = analysedOutline(*outline_);
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    clearResult();
    previewOutline();
    runSettings_ = *settings;
    makeProgressBars(settings->reynolds);
    awaitingRuns_ = true;
    batch_->start(analysed, *settings);
    setStatus(tr("Calcul en cours..."));
    updateButtons();
    return true;
}

void CFoilWorkshop::cancel() {
    if (batch_->isRunning())
        batch_->cancel();
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

// The sweep goes from 0 up to the top angle, then from 0 down to the bottom one.
void CFoilWorkshop::runProgress(int index, double alphaDegrees) {
    if (index < 0 || index >= bars_.size())
        return;
    const double up = std::max(runSettings_.alphaMax, 0.0);
    const double down = std::max(-runSettings_.alphaMin, 0.0);
    const double done =
        alphaDegrees >= 0 ? std::min(alphaDegrees, up) : up + std::min(-alphaDegrees, down);
    const double fraction = up + down > 0 ? done / (up + down) : 0;
    QProgressBar* bar = bars_[index];
    bar->setValue(std::max(bar->value(), static_cast<int>(fraction * kProgressSteps)));
    bar->setFormat(
        tr("Re %1 : %2°").arg(runSettings_.reynolds.at(index)).arg(alphaDegrees, 0, 'g', 4));
}

void CFoilWorkshop::runFinished(int index) {
    if (!awaitingRuns_ || index < 0 || index >= bars_.size())
        return;
    const XfoilRun& run = batch_->runs().at(index);
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
    if (cancelled) {
        for (qsizetype i = 0; i < bars_.size(); ++i)
            if (!batch_->runs().at(i).ok)
                bars_[i]->setFormat(tr("Re %1 : annulé").arg(batch_->runs().at(i).reynolds));
        setStatus(tr("Calcul annulé."));
        return;
    }
    QStringList failures;
    for (const XfoilRun& run : batch_->runs()) {
        if (run.ok && !run.polar.rows.empty())
            runs_.push_back(run);
        else if (!run.ok && !failures.contains(run.error))
            failures.append(run.error);
    }
    if (runs_.empty()) {
        setStatus(tr("Aucun résultat."));
        error(tr("XFOIL n'a donné aucun point convergé.\n") + failures.join(QLatin1Char('\n')));
        return;
    }
    if (!failures.isEmpty())
        prompts_.message(this,
                         tr("Ces nombres de Reynolds sont laissés de côté :\n") +
                             failures.join(QLatin1Char('\n')),
                         errorCaption(), PromptIcon::Warning);
    if (rebuildResult())
        setStatus(tr("%1 polaires calculées.").arg(runs_.size()));
}

// The airfoil from the last runs and the current name, point count and extension.
bool CFoilWorkshop::rebuildResult() {
    if (runs_.empty() || !outline_)
        return false;
    const std::optional<FoilBuildOptions> options = readOptions();
    if (!options)
        return false;
    try {
        std::vector<std::string> header;
        Foil foil = buildFoil(*outline_, runs_, *options, runSettings_, &header);
        result_ = std::move(foil);
        header_ = std::move(header);
    } catch (const std::exception& failure) {
        error(QString::fromUtf8(failure.what()));
        return false;
    }
    shown_.clear();
    for (const Polar* polar : filePolars(*result_)) {
        ShownPolar shown{polar->reynolds, polar->rows, {}};
        for (const XfoilRun& run : runs_)
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
    if (batch_->isRunning() || !result_ || !rebuildResult())
        return false;
    const QString directory = airfoilsDirectory();
    if (!QFileInfo(directory).isDir() && !QDir().mkdir(directory)) {
        error(tr("Impossible de créer le répertoire %1.").arg(QDir::toNativeSeparators(directory)));
        return false;
    }
    QString path = prompts_.saveFile(this, tr("Enregistrer le profil"), foilFilter(),
                                     QDir(directory).filePath(fileNameFor(name_->text())),
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
