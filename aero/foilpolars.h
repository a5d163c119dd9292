#pragma once

#include "model/foil.h"

#include <vector>

namespace aero {

/**
 * An airfoil's polars read on their attached branch: drag and the highest lift at any
 * Reynolds number, interpolated linearly in log Re between the two polars around it and
 * held at the nearest polar outside their range. The file's sentinels are left out.
 */
class FoilPolars {
public:
    explicit FoilPolars(const Foil& foil);

    bool empty() const { return branches_.empty(); }
    // Drag coefficient at lift coefficient cl; cl beyond the branch takes its end's drag.
    double dragAt(double cl, double reynolds) const;
    double maxLift(double reynolds) const;

    // The same read in two steps, for many chords at one lift coefficient: each polar's
    // drag at cl, then those values blended at log Re.
    std::vector<double> branchDrags(double cl) const;
    double blendAtLog(const std::vector<double>& perPolar, double logRe) const;

private:
    // Rows from the lowest to the highest lift, lift rising.
    struct Branch {
        double logRe = 0;
        std::vector<double> cl;
        std::vector<double> cd;
        double dragAt(double lift) const;
    };
    template <typename F> double blend(double logRe, F value) const;

    std::vector<Branch> branches_; // by rising Reynolds number
};

} // namespace aero
