#include "shell/report/analysisfigures.h"

namespace {

QString number(double value, int digits = 4) {
    return QString::number(value, 'g', digits);
}

QString missing(aero::Unavailable why) {
    return QString::fromUtf8("— (%1)").arg(QString::fromStdString(aero::unavailableText(why)));
}

QString speed(double ms) {
    return QStringLiteral("%1 km/h").arg(QString::number(ms * kKmhPerMs, 'f', 1));
}

} // namespace

QList<FigureLine> analysisFigureLines(const aero::FlightAnalysis& a) {
    const QString noWing = missing(aero::Unavailable::NoWing);
    QList<FigureLine> lines;
    const auto add = [&](const char* label, const QString& value) {
        lines.append({QString::fromUtf8(label), value});
    };

    if (const auto& w = a.wing) {
        add("Envergure", QStringLiteral("%1 m").arg(number(w->span)));
        add("Surface ailaire", QString::fromUtf8("%1 m²").arg(number(w->area)));
        add("Allongement", number(w->aspectRatio, 3));
        add("Corde moyenne", QStringLiteral("%1 m, bord d'attaque à x = %2 m")
                                 .arg(number(w->meanChord), number(w->meanChordLeadingEdgeX)));
    } else {
        add("Aile", noWing);
    }

    if (const aero::MassProperties* m = a.mass()) {
        add("Centre de gravité estimé",
            QStringLiteral("x %1, y %2, z %3 m")
                .arg(QString::number(m->centre[0], 'f', 3), QString::number(m->centre[1], 'f', 3),
                     QString::number(m->centre[2], 'f', 3)));
        add("Inerties estimées", QString::fromUtf8("XX %1, YY %2, ZZ %3, XZ %4 kg·m²")
                                     .arg(number(m->inertia[0]), number(m->inertia[1]),
                                          number(m->inertia[2]), number(m->inertia[3])));
    } else {
        add("Centre de gravité estimé", missing(std::get<aero::Unavailable>(a.balance)));
    }

    if (const aero::Stability* s = a.stable()) {
        add("Foyer", QStringLiteral("x = %1 m").arg(number(s->neutralPointX)));
        add("Marge statique", QStringLiteral("%1 % de la corde moyenne")
                                  .arg(QString::number(s->staticMargin * 100, 'f', 1)));
        add("Volume de stab", number(s->horizontalVolume, 3));
        add("Volume de dérive", number(s->verticalVolume, 3));
    } else {
        add("Stabilité", noWing);
    }

    if (const aero::Performance* p = a.flight()) {
        add("Efficacité d'envergure", number(p->spanEfficiency, 3));
        add("Vitesse de décrochage", speed(p->stallSpeed));
        add("Finesse max", QString::fromUtf8("%1 à %2").arg(QString::number(p->bestGlide, 'f', 1),
                                                            speed(p->bestGlideSpeed)));
        add("Taux de chute mini",
            QString::fromUtf8("%1 m/s à %2")
                .arg(QString::number(p->minSink, 'f', 2), speed(p->minSinkSpeed)));
    } else {
        add("Performances", missing(std::get<aero::Unavailable>(a.performance)));
    }
    return lines;
}
