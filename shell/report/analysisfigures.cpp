#include "shell/report/analysisfigures.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

QString figureText(const char* source, FigureTexts texts) {
    return texts == FigureTexts::Interface ? QCoreApplication::translate("AnalysisFigures", source)
                                           : QString::fromUtf8(source);
}

QString unavailableReason(aero::Unavailable why, FigureTexts texts) {
    const std::string reason = aero::unavailableText(why);
    return texts == FigureTexts::Interface ? QCoreApplication::translate("aero", reason.c_str())
                                           : QString::fromStdString(reason);
}

namespace {

QString missing(aero::Unavailable why, FigureTexts texts) {
    return QString::fromUtf8("— (%1)").arg(unavailableReason(why, texts));
}

// Numbers written in the figures' language: a decimal comma in French, a point in English.
QLocale figureLocale(FigureTexts texts) {
    QLocale locale = texts == FigureTexts::French
                         ? QLocale(QLocale::French)
                         : QLocale(QCoreApplication::translate("AnalysisFigures", "fr"));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString decimal(double value, int decimals, FigureTexts texts) {
    return figureLocale(texts).toString(value, 'f', decimals);
}

QString number(double value, FigureTexts texts, int digits = 4) {
    return figureLocale(texts).toString(value, 'g', digits);
}

QString warningLine(aero::Warning warning, FigureTexts texts) {
    const std::string text = aero::warningText(warning);
    return texts == FigureTexts::Interface ? QCoreApplication::translate("aero", text.c_str())
                                           : QString::fromStdString(text);
}

const char* noTrimReason(aero::NoTrim why) {
    switch (why) {
    case aero::NoTrim::Unstable:
        return QT_TRANSLATE_NOOP("AnalysisFigures", "impossible, instable");
    case aero::NoTrim::NoseDown:
        return QT_TRANSLATE_NOOP("AnalysisFigures", "impossible, piqueur à tous les angles");
    case aero::NoTrim::NoseUp:
        return QT_TRANSLATE_NOOP("AnalysisFigures", "impossible, cabreur jusqu'au décrochage");
    }
    return "";
}

QString speed(double ms, FigureTexts texts) {
    return QStringLiteral("%1 km/h").arg(decimal(ms * kKmhPerMs, 1, texts));
}

} // namespace

Vec3f estimatedCentrum(const aero::MassProperties& mass) {
    return centrumFromFileFrame(
        {float(mass.centre[0]), float(mass.centre[1]), float(mass.centre[2])});
}

QString centreText(const Vec3f& centrum, FigureTexts texts) {
    return figureText(QT_TRANSLATE_NOOP("AnalysisFigures", "X %1 ; Y %2 ; Z %3 m"), texts)
        .arg(decimal(centrum[0], 3, texts), decimal(centrum[1], 3, texts),
             decimal(centrum[2], 3, texts));
}

QList<FigureLine> analysisFigureLines(const aero::FlightAnalysis& a, FigureTexts texts) {
    const QString noWing = missing(aero::Unavailable::NoWing, texts);
    QList<FigureLine> lines;
    const auto add = [&](const char* label, const QString& value) {
        lines.append({figureText(label, texts), value});
    };
    const auto text = [texts](const char* source) { return figureText(source, texts); };

    if (const auto& w = a.wing) {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Envergure"),
            QStringLiteral("%1 m").arg(number(w->span, texts)));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Surface ailaire"),
            QString::fromUtf8("%1 m²").arg(number(w->area, texts)));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Allongement"), number(w->aspectRatio, texts, 3));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Corde moyenne"),
            text(QT_TRANSLATE_NOOP("AnalysisFigures", "%1 m, bord d'attaque à x = %2 m"))
                .arg(number(w->meanChord, texts), number(w->meanChordLeadingEdgeX, texts)));
    } else {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Aile"), noWing);
    }

    if (const aero::MassProperties* m = a.mass()) {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Centre de gravité estimé"),
            centreText(estimatedCentrum(*m), texts));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Inerties estimées"),
            text(QT_TRANSLATE_NOOP("AnalysisFigures", "XX %1 ; YY %2 ; ZZ %3 ; XZ %4 kg·m²"))
                .arg(number(m->inertia[0], texts), number(m->inertia[1], texts),
                     number(m->inertia[2], texts), number(m->inertia[3], texts)));
    } else {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Centre de gravité estimé"),
            missing(std::get<aero::Unavailable>(a.balance), texts));
    }

    if (const aero::Stability* s = a.stable()) {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Foyer"),
            QStringLiteral("x = %1 m").arg(number(s->neutralPointX, texts)));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Marge statique"),
            text(QT_TRANSLATE_NOOP("AnalysisFigures", "%1 % de la corde moyenne"))
                .arg(decimal(s->staticMargin * 100, 1, texts)));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Treillis tourbillonnaire"),
            s->fromLattice
                ? text(QT_TRANSLATE_NOOP("AnalysisFigures",
                                         "%1 panneaux ; CLα %2 ; Cmα %3 par radian"))
                      .arg(QString::number(s->panelCount), decimal(s->liftSlope, 2, texts),
                           decimal(s->momentSlope, 2, texts))
                : missing(aero::Unavailable::NoLattice, texts));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Volume de stab"),
            number(s->horizontalVolume, texts, 3));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Volume de dérive"),
            number(s->verticalVolume, texts, 3));
    } else {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Stabilité"), noWing);
    }

    if (const aero::Performance* p = a.flight()) {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Efficacité d'envergure"),
            number(p->spanEfficiency, texts, 3));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Vitesse de décrochage"),
            speed(p->stallSpeed, texts));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Finesse max"),
            text(QT_TRANSLATE_NOOP("AnalysisFigures", "%1 à %2"))
                .arg(decimal(p->bestGlide, 1, texts), speed(p->bestGlideSpeed, texts)));
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Taux de chute mini"),
            text(QT_TRANSLATE_NOOP("AnalysisFigures", "%1 m/s à %2"))
                .arg(decimal(p->minSink, 2, texts), speed(p->minSinkSpeed, texts)));
        if (p->trim)
            add(QT_TRANSLATE_NOOP("AnalysisFigures", "Vol équilibré"),
                text(QT_TRANSLATE_NOOP("AnalysisFigures", "%1 m/s, finesse %2"))
                    .arg(decimal(p->trim->speed, 1, texts), decimal(p->trim->glide, 0, texts)));
        else if (p->noTrim)
            add(QT_TRANSLATE_NOOP("AnalysisFigures", "Vol équilibré"),
                text(noTrimReason(*p->noTrim)));
        if (const auto& start = p->stallStart) {
            const char* where =
                start->part != aero::Part::Wing
                    ? QT_TRANSLATE_NOOP("AnalysisFigures", "stab, y = %1 m")
                : start->atTip
                    ? QT_TRANSLATE_NOOP("AnalysisFigures", "bout d'aile, y = %1 m")
                    : QT_TRANSLATE_NOOP("AnalysisFigures", "vers l'emplanture, y = %1 m");
            add(QT_TRANSLATE_NOOP("AnalysisFigures", "Début du décrochage"),
                text(where).arg(decimal(std::abs(start->y), 2, texts)));
        }
    } else {
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Performances"),
            missing(std::get<aero::Unavailable>(a.performance), texts));
    }
    for (aero::Warning w : a.warnings)
        add(QT_TRANSLATE_NOOP("AnalysisFigures", "Attention"), warningLine(w, texts));
    return lines;
}
