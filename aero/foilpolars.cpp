#include "aero/foilpolars.h"

#include "aero/polarextension.h"

#include <algorithm>
#include <cmath>

namespace aero {

namespace {

bool usable(const PolarPoint& row) {
    return std::isfinite(row.alpha) && std::isfinite(row.cl) && std::isfinite(row.cd) &&
           row.cd >= 0;
}

double logOf(double reynolds) {
    return std::log(std::max(reynolds, 1.0));
}

} // namespace

FoilPolars::FoilPolars(const Foil& foil) {
    const std::size_t count = foil.polars.size();
    for (std::size_t i = count > 2 ? 1 : 0; i < (count > 2 ? count - 1 : count); ++i) {
        const Polar& polar = foil.polars[i];
        if (polar.reynolds <= 0)
            continue;
        // The extension's lift near 45° is no stall: only XFOIL's rows count.
        const RowRange measured = measuredRows(polar);
        std::vector<PolarPoint> rows;
        for (std::size_t r = measured.first; r < measured.last; ++r)
            if (usable(polar.rows[r]))
                rows.push_back(polar.rows[r]);
        std::stable_sort(rows.begin(), rows.end(), [](const PolarPoint& a, const PolarPoint& b) {
            return a.alpha < b.alpha;
        });
        if (rows.size() < 2)
            continue;
        // The positive stall is the highest lift; the negative one the lowest before it.
        const auto top = std::max_element(rows.begin(), rows.end(),
                                          [](auto& a, auto& b) { return a.cl < b.cl; });
        const auto bottom =
            std::min_element(rows.begin(), top + 1, [](auto& a, auto& b) { return a.cl < b.cl; });
        Branch branch;
        branch.logRe = std::log(double(polar.reynolds));
        for (auto row = bottom; row <= top; ++row) {
            // Keep lift rising: a row that falls back on the branch is a wiggle.
            if (!branch.cl.empty() && row->cl <= branch.cl.back())
                continue;
            branch.cl.push_back(row->cl);
            branch.cd.push_back(row->cd);
        }
        branches_.push_back(std::move(branch));
    }
    std::stable_sort(branches_.begin(), branches_.end(),
                     [](const Branch& a, const Branch& b) { return a.logRe < b.logRe; });
}

double FoilPolars::Branch::dragAt(double lift) const {
    if (lift <= cl.front())
        return cd.front();
    if (lift >= cl.back())
        return cd.back();
    const auto upper = std::upper_bound(cl.begin(), cl.end(), lift);
    const std::size_t i = std::size_t(upper - cl.begin());
    const double t = (lift - cl[i - 1]) / (cl[i] - cl[i - 1]);
    return cd[i - 1] + t * (cd[i] - cd[i - 1]);
}

template <typename F> double FoilPolars::blend(double logRe, F value) const {
    if (!(logRe > branches_.front().logRe)) // also a NaN
        return value(0);
    if (logRe >= branches_.back().logRe)
        return value(branches_.size() - 1);
    std::size_t i = 1;
    while (branches_[i].logRe < logRe)
        ++i;
    const double lo = branches_[i - 1].logRe;
    const double span = branches_[i].logRe - lo;
    const double t = span > 0 ? (logRe - lo) / span : 0;
    const double a = value(i - 1);
    return a + t * (value(i) - a);
}

double FoilPolars::dragAt(double cl, double reynolds) const {
    return blend(logOf(reynolds), [&](std::size_t i) { return branches_[i].dragAt(cl); });
}

double FoilPolars::maxLift(double reynolds) const {
    return blend(logOf(reynolds), [&](std::size_t i) { return branches_[i].cl.back(); });
}

std::vector<double> FoilPolars::branchDrags(double cl) const {
    std::vector<double> drags;
    drags.reserve(branches_.size());
    for (const Branch& branch : branches_)
        drags.push_back(branch.dragAt(cl));
    return drags;
}

double FoilPolars::blendAtLog(const std::vector<double>& perPolar, double logRe) const {
    return blend(logRe, [&](std::size_t i) { return perPolar[i]; });
}

} // namespace aero
