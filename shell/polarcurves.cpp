#include "shell/polarcurves.h"

#include <QCoreApplication>

#include "model/angles.h"

#include <algorithm>

namespace {

constexpr double kWindowMargin = 2;                 // degrees beyond XFOIL's range
constexpr AngleWindow kUsualAttachedRange{-20, 25}; // when XFOIL's range is unknown

struct Curves {
    ChartCurve lift;
    ChartCurve drag;
    ChartCurve ratio;
};

Curves curvesOf(const std::vector<PolarPoint>& rows, const AngleWindow& window) {
    Curves curves;
    for (const PolarPoint& row : rows) {
        const double degrees = row.alpha * kRadiansToDegrees;
        if (degrees < window.min || degrees > window.max)
            continue;
        curves.lift.points.append({degrees, row.cl});
        curves.drag.points.append({row.cl, row.cd});
        if (row.cd > 0)
            curves.ratio.points.append({degrees, row.cl / row.cd});
    }
    return curves;
}

void styleAll(Curves& curves, const QString& name, const QColor& color, ChartCurve::Style style) {
    for (ChartCurve* curve : {&curves.lift, &curves.drag, &curves.ratio}) {
        curve->name = name;
        curve->color = color;
        curve->style = style;
    }
}

void append(PolarCurves& into, Curves&& curves) {
    into.lift.push_back(std::move(curves.lift));
    into.drag.push_back(std::move(curves.drag));
    into.ratio.push_back(std::move(curves.ratio));
}

} // namespace

AngleWindow attachedWindow(const std::vector<ShownPolar>& polars) {
    bool any = false;
    AngleWindow window{0, 0};
    for (const ShownPolar& polar : polars)
        for (const PolarPoint& point : polar.xfoil) {
            const double degrees = point.alpha * kRadiansToDegrees;
            window.min = any ? std::min(window.min, degrees) : degrees;
            window.max = any ? std::max(window.max, degrees) : degrees;
            any = true;
        }
    if (!any)
        return kUsualAttachedRange;
    return {window.min - kWindowMargin, window.max + kWindowMargin};
}

PolarCurves polarCurves(const std::vector<ShownPolar>& polars, const AngleWindow& window) {
    PolarCurves result;
    for (std::size_t i = 0; i < polars.size(); ++i) {
        const ShownPolar& polar = polars[i];
        const QColor color = curveColor(static_cast<int>(i));
        Curves line = curvesOf(polar.rows, window);
        styleAll(line, QCoreApplication::translate("PolarCurves", "Re %1").arg(polar.reynolds),
                 color, ChartCurve::Style::Line);
        append(result, std::move(line));
        if (polar.xfoil.empty())
            continue;
        Curves marks = curvesOf(polar.xfoil, window);
        styleAll(marks, QString(), color, ChartCurve::Style::Markers);
        append(result, std::move(marks));
    }
    return result;
}
