#include "shell/pages/designassistant.h"

#include "aero/tuning.h"
#include "model/angles.h"
#include "shell/activedocumentsource.h"
#include "shell/keshdoc.h"
#include "shell/userprompts.h"

#include <QCoreApplication>
#include <QPushButton>

#include <cmath>

namespace {

constexpr double kDefaultMarginPercent = 10;
constexpr double kDefaultTrimSpeed = 8;

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString speedText(const std::optional<double>& speed) {
    return speed ? DesignAssistant::tr("%1 m/s").arg(fixed(*speed, 1))
                 : DesignAssistant::tr("pas d'équilibre");
}

} // namespace

DesignAssistant::DesignAssistant(ActiveDocumentSource& source, QWidget* page,
                                 std::function<aero::AnalysisOptions()> options,
                                 std::function<void()> changed)
    : QObject(page), source_(source), page_(page), options_(std::move(options)),
      changed_(std::move(changed)), centre_(new QPushButton(tr("Centrer..."), page)),
      trim_(new QPushButton(tr("Caler..."), page)) {
    centre_->setToolTip(tr("Place le centre de gravité pour une marge statique choisie"));
    trim_->setToolTip(tr("Cale le stabilisateur pour une vitesse d'équilibre choisie"));
    connect(centre_, &QPushButton::clicked, this, &DesignAssistant::centre);
    connect(trim_, &QPushButton::clicked, this, &DesignAssistant::trim);
}

void DesignAssistant::centre() {
    CKeshDoc* doc = source_.activeDocument();
    if (!doc)
        return;
    const std::optional<double> percent =
        source_.prompts().askStaticMargin(page_, kDefaultMarginPercent);
    if (!percent)
        return;
    Glider glider = doc->glider();
    const aero::Tuned<aero::CentreChange> tuned =
        aero::centreForMargin(glider, *percent / 100, options_());
    if (const auto* why = std::get_if<aero::TuneRefusal>(&tuned)) {
        refuse(QString::fromUtf8(aero::refusalText(*why).c_str()));
        return;
    }
    const aero::CentreChange& c = std::get<aero::CentreChange>(tuned);
    // Shown as the "X :" field holds it, which is what changes before the user's eyes.
    const float fieldBefore = doc->glider().centrum[0];
    {
        CKeshDoc::EditScope step(doc, tr("Centrer"));
        doc->glider().centrum = glider.centrum;
        doc->noteChange();
    }
    changed_();
    inform(tr("Centre de gravité, x : %1 m → %2 m\nMarge statique : %3 % → %4 %\n"
              "Vitesse d'équilibre : %5 → %6")
               .arg(fixed(fieldBefore, 3), fixed(glider.centrum[0], 3),
                    fixed(c.marginBefore * 100, 1), fixed(c.marginAfter * 100, 1),
                    speedText(c.trimSpeedBefore), speedText(c.trimSpeedAfter)));
}

void DesignAssistant::trim() {
    CKeshDoc* doc = source_.activeDocument();
    if (!doc)
        return;
    // The speed it trims at now, to the half metre per second, is where the user starts from.
    const aero::FlightAnalysis now = aero::analyseGlider(doc->glider(), options_());
    const double proposed = now.flight() && now.flight()->trim
                                ? std::round(now.flight()->trim->speed * 2) / 2
                                : kDefaultTrimSpeed;
    const std::optional<TrimRequest> request = source_.prompts().askTrim(page_, proposed);
    if (!request)
        return;
    Glider glider = doc->glider();
    const aero::Tuned<aero::IncidenceChange> tuned =
        request->bestGlide ? aero::trimForBestGlide(glider, options_())
                           : aero::trimForSpeed(glider, request->speed, options_());
    if (const auto* why = std::get_if<aero::TuneRefusal>(&tuned)) {
        refuse(QString::fromUtf8(aero::refusalText(*why).c_str()));
        return;
    }
    const aero::IncidenceChange& c = std::get<aero::IncidenceChange>(tuned);
    {
        CKeshDoc::EditScope step(doc, tr("Caler"));
        for (const int slot : {StabLeft, StabRight})
            doc->glider().surfaces[slot].calage = glider.surfaces[slot].calage;
        doc->noteChange();
    }
    changed_();
    inform(tr("Calage du stabilisateur : %1° → %2°\nVitesse d'équilibre : %3 → %4")
               .arg(fixed(c.incidenceBefore * kRadiansToDegrees, 2),
                    fixed(c.incidenceAfter * kRadiansToDegrees, 2), speedText(c.trimSpeedBefore),
                    speedText(c.trimSpeedAfter)));
}

void DesignAssistant::inform(const QString& text) {
    source_.prompts().message(page_, text, tr("Assistant"), PromptIcon::Information);
}

void DesignAssistant::refuse(const QString& reason) {
    source_.prompts().message(
        page_,
        tr("Rien n'a été changé : %1.").arg(QCoreApplication::translate("aero", reason.toUtf8())),
        tr("Assistant"), PromptIcon::Warning);
}
