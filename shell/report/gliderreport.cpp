#include "shell/report/gliderreport.h"

#include "aero/units.h"
#include "formats/atomicfile.h"
#include "formats/codepage.h"
#include "model/glider.h"
#include "shell/report/analysisfigures.h"
#include "shell/report/spanloadingchart.h"
#include "shell/report/speedpolarchart.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QPainter>

namespace {

constexpr int kPolarWidth = 800;
constexpr int kPolarHeight = 800;
constexpr int kLoadingHeight = 800;

const QColor kCentreColor(0x1f, 0x5f, 0xa8);
const QColor kNeutralColor(0xc0, 0x30, 0x30);

QString text(const std::string& bytes) {
    return fromCodePage(bytes).toHtmlEscaped();
}

// The report is a French document: decimal commas, as in its analysis figures.
QString num(double value) {
    QLocale french(QLocale::French);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value, 'g', 6);
}

QString imageTag(const QImage& image, const QString& alt) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("<img alt=\"%1\" src=\"data:image/png;base64,%2\">")
        .arg(alt, QString::fromLatin1(png.toBase64()));
}

QString row(const QStringList& cells, const char* tag = "td") {
    QString out = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        out += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), cell);
    return out + QStringLiteral("</tr>\n");
}

QString mainFigures(const Glider& g) {
    QString s = QStringLiteral("<h2>Caractéristiques</h2>\n<table>\n");
    s += row({QStringLiteral("Profil de l'aile"), text(g.surfaces[WingLeft].foil.name)});
    s += row({QStringLiteral("Poids total"), num(g.totalWeight()) + QStringLiteral(" kg")});
    s += row({QStringLiteral("Envergure"), num(g.span()) + QStringLiteral(" m")});
    s += row({QStringLiteral("Surface ailaire"), num(g.wingArea()) + QStringLiteral(" m²")});
    s += row({QStringLiteral("Charge ailaire"), num(g.wingLoading()) + QStringLiteral(" g/dm²")});
    s += row({QStringLiteral("Centre de gravité (X vers l'avant depuis le nez)"),
              centreText(g.centrum, FigureTexts::French)});
    s +=
        row({QStringLiteral("Moments d'inertie (fichier)"),
             QStringLiteral("XX %1 ; YY %2 ; ZZ %3 ; XZ %4 kg·m²")
                 .arg(num(g.inertia[0]), num(g.inertia[1]), num(g.inertia[2]), num(g.inertia[3]))});
    return s + QStringLiteral("</table>\n");
}

QString paneTable(const Glider& g, int slot, const QString& title) {
    const Surface& s = g.surfaces[slot];
    const QString perSide = slot == Fin ? QString() : QStringLiteral(" par côté");
    QString out = QStringLiteral("<h3>%1</h3>\n<p>Profil %2 (%3), position x %4 ; y %5 ; z %6 m, "
                                 "calage %7°, poids %8 kg%9</p>\n")
                      .arg(title, text(s.foil.name), text(s.foil.foilFilename), num(s.position[0]),
                           num(s.position[1]), num(s.position[2]),
                           num(s.calage * kDegreesPerRadian), num(s.weight), perSide);
    if (s.npart() == 0)
        return out + QStringLiteral("<p>Aucun panneau.</p>\n");
    out += QStringLiteral("<table class=\"grid\">\n");
    out += row({QStringLiteral("Panneau"), QStringLiteral("Longueur (m)"),
                QStringLiteral("Corde emplanture (m)"), QStringLiteral("Corde saumon (m)"),
                QStringLiteral("Flèche (m)"), QStringLiteral("Dièdre (°)"),
                QStringLiteral("Surface (m²)")},
               "th");
    for (int i = 0; i < s.npart(); ++i) {
        const Pane& p = s.pane(i);
        out += row({QString::number(i + 1), num(p.env), num(p.c1), num(p.c2), num(p.fleche),
                    num(p.diedre * kDegreesPerRadian), num((p.c1 + p.c2) * p.env / 2)});
    }
    return out + QStringLiteral("</table>\n");
}

QString analysisFigures(const aero::FlightAnalysis& a) {
    QString s = QStringLiteral("<h2>Analyse</h2>\n<p>Air calme au niveau de la mer; toutes "
                               "les traînées comptées.</p>\n<table>\n");
    for (const FigureLine& line : analysisFigureLines(a, FigureTexts::French))
        s += row({line.label.toHtmlEscaped(), line.value.toHtmlEscaped()});
    return s + QStringLiteral("</table>\n");
}

// The top view with the centre of gravity (a crossed circle) and the neutral point (a bar
// across the centre line) marked.
QImage markedTopView(const Glider& g, const GliderPictures& pictures,
                     const aero::FlightAnalysis& a) {
    QImage top = pictures.top.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&top);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    const QPointF centre = pictures.topViewPixel(g.fileCentrum()[0], g.centrum[1]);
    painter.setPen(QPen(kCentreColor, 2));
    painter.drawEllipse(centre, 7, 7);
    painter.drawLine(centre - QPointF(10, 0), centre + QPointF(10, 0));
    painter.drawLine(centre - QPointF(0, 10), centre + QPointF(0, 10));
    painter.drawText(centre + QPointF(12, -8), QStringLiteral("CG"));
    if (const aero::Stability* s = a.stable()) {
        const QPointF neutral = pictures.topViewPixel(s->neutralPointX, 0);
        painter.setPen(QPen(kNeutralColor, 3));
        painter.drawLine(neutral - QPointF(14, 0), neutral + QPointF(14, 0));
        painter.drawText(neutral + QPointF(16, 14), QStringLiteral("Foyer"));
    }
    return top;
}

} // namespace

QString gliderReportHtml(const Glider& g, const aero::FlightAnalysis& a,
                         const std::optional<GliderPictures>& pictures, const QImage& polar,
                         const QImage& loading) {
    const QString name = text(g.name);
    QString s = QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta "
                               "charset=\"utf-8\">\n<title>Rapport : %1</title>\n")
                    .arg(name);
    s += QStringLiteral(
        "<style>body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}"
        "td,th{padding:2px 10px;text-align:left}table.grid td,table.grid th{border:1px solid "
        "#999}img{display:block;margin:0.5em 0;border:1px solid #ccc}</style>\n</head>\n<body>\n");
    s += QStringLiteral("<h1>%1</h1>\n").arg(name);
    s += mainFigures(g);
    s += QStringLiteral("<h2>Surfaces</h2>\n");
    s += paneTable(g, WingLeft, QStringLiteral("Aile"));
    s += paneTable(g, StabLeft, QStringLiteral("Stab"));
    s += paneTable(g, Fin, QStringLiteral("Dérive"));
    s += analysisFigures(a);
    s += QStringLiteral("<h2>Vues</h2>\n");
    if (pictures) {
        s += QStringLiteral("<p>Vue de haut : centre de gravité du fichier (CG) en bleu, foyer "
                            "en rouge.</p>\n");
        s += imageTag(markedTopView(g, *pictures, a), QStringLiteral("Vue de haut"));
        s += imageTag(pictures->front, QStringLiteral("Vue de face"));
        s += imageTag(pictures->side, QStringLiteral("Vue de gauche"));
    } else {
        s += QStringLiteral("<p>Images indisponibles : pas de contexte OpenGL.</p>\n");
    }
    s += QStringLiteral("<h2>Polaire des vitesses</h2>\n");
    s += polar.isNull() ? QStringLiteral("<p>Pas de polaire.</p>\n")
                        : imageTag(polar, QStringLiteral("Polaire des vitesses"));
    s += QStringLiteral("<h2>Portance le long de l'envergure</h2>\n");
    s += loading.isNull() ? QStringLiteral("<p>Pas de répartition : le planeur ne s'équilibre "
                                           "pas ou le treillis n'a pu être résolu.</p>\n")
                          : imageTag(loading, QStringLiteral("Portance le long de l'envergure"));
    return s + QStringLiteral("</body>\n</html>\n");
}

bool writeGliderReport(const Glider& glider, const QString& path, QString& error) {
    const aero::FlightAnalysis analysis = aero::analyseGlider(glider);
    QImage polar;
    QImage loading;
    if (const aero::Performance* p = analysis.flight()) {
        polar = polarChartsImage(*p, kPolarWidth, kPolarHeight, FigureTexts::French);
        loading = spanLoadingImage(*p, kPolarWidth, kLoadingHeight, FigureTexts::French);
    }
    const QString html =
        gliderReportHtml(glider, analysis, drawGliderPictures(glider), polar, loading);
    std::string why;
    if (replaceFileContents(QFile::encodeName(path).toStdString(), html.toUtf8().toStdString(),
                            why))
        return true;
    error = QString::fromStdString(why);
    return false;
}
