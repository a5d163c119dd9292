#include "aero/polarextension.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

const PolarPoint* rowAt(const Polar& polar, double degrees) {
    for (const PolarPoint& row : polar.rows) {
        if (std::abs(row.alpha - degrees * kDeg) < 1e-5)
            return &row;
    }
    return nullptr;
}

void expectRow(const Polar& polar, double degrees, double cl, double cd) {
    const PolarPoint* row = rowAt(polar, degrees);
    ASSERT_NE(row, nullptr) << degrees;
    EXPECT_NEAR(row->cl, cl, 2e-4) << degrees;
    EXPECT_NEAR(row->cd, cd, 2e-4) << degrees;
}

} // namespace

TEST(PolarExtension, ViternaCorriganAgainstHandValues) {
    Polar polar;
    polar.reynolds = 200000;
    polar.rows = {
        {float(-8 * kDeg), -0.6f, 0.015f}, {0, 0.25f, 0.009f}, {float(10 * kDeg), 1.0f, 0.02f}};
    const Polar out = extendPolar(polar, 1.8);
    EXPECT_EQ(out.reynolds, 200000);
    // From the positive stall at 10°: A = 0.123933, B = -0.0348054.
    expectRow(out, 10, 1.0, 0.02);
    expectRow(out, 20, 0.898478, 0.177854);
    expectRow(out, 45, 0.987634, 0.875389);
    expectRow(out, 90, 0, 1.8);
    expectRow(out, 135, -0.691344, 0.875389);
    expectRow(out, 170, -0.7, 0.02); // 180° − α_s: -0.7·cl_s, the stall drag again
    expectRow(out, 175, -0.35, 0.001);
    expectRow(out, 180, 0, 0.001);
    // From the negative stall at -8°: A = 0.0499461, B = -0.0200597.
    expectRow(out, -45, -0.935317, 0.885816);
    expectRow(out, -90, 0, 1.8);
    expectRow(out, -150, 0.598039, 0.432628);
    expectRow(out, -180, 0, 0.001);
    expectRow(out, 0, 0.25, 0.009);

    for (std::size_t i = 1; i < out.rows.size(); ++i)
        EXPECT_GT(out.rows[i].alpha, out.rows[i - 1].alpha);
    for (const PolarPoint& row : out.rows)
        EXPECT_GE(row.cd, 0.001f);
    EXPECT_EQ(out.rows[out.zeroIndex].alpha, 0.0f);
    EXPECT_EQ(out.rows[out.zeroIndex - 1].alpha, float(-8 * kDeg));

    // A larger cd max raises the drag at 90° and nothing else is touched below the stall.
    const Polar stiffer = extendPolar(polar, 2.0);
    expectRow(stiffer, 90, 0, 2.0);
    expectRow(stiffer, 0, 0.25, 0.009);

    Polar single;
    single.rows = {{0, 0.2f, 0.01f}};
    EXPECT_EQ(extendPolar(single).rows.size(), 1u);
}

// A table as a file keeps it: angles in degrees and coefficients to six digits.
Polar throughFile(const Polar& polar) {
    Polar kept = polar;
    const auto six = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", value);
        return std::strtod(text, nullptr);
    };
    for (PolarPoint& row : kept.rows)
        row = {float(six(row.alpha / kDeg) * kDeg), float(six(row.cl)), float(six(row.cd))};
    return kept;
}

// A thin section's polar from `from` to `to` degrees every half degree, its lift peaking
// at `peak` degrees below the extension's lift near 45°.
Polar measured(double from, double to, double peak) {
    Polar polar;
    for (double a = from; a <= to + 1e-9; a += 0.5) {
        const double cl = a <= peak ? 0.1 * a : 0.1 * peak - 0.08 * (a - peak);
        polar.rows.push_back({float(a * kDeg), float(cl), float(0.01 + 0.0004 * a * a)});
    }
    return polar;
}

TEST(PolarExtension, MeasuredRowsAreToldFromTheExtensionOfAWrittenTable) {
    const struct {
        double from, to, peak, cdMax;
    } cases[] = {{-10, 15, 6, 1.8}, {-7.5, 12.5, 5.5, 1.3}, {-12, 9.5, 6, 2.5}};
    for (const auto& c : cases) {
        const Polar xfoil = measured(c.from, c.to, c.peak);
        const Polar table = throughFile(extendPolar(xfoil, c.cdMax));
        const RowRange range = measuredRows(table);
        ASSERT_EQ(range.last - range.first, xfoil.rows.size()) << c.from << " " << c.to;
        EXPECT_NEAR(table.rows[range.first].alpha, c.from * kDeg, 1e-5);
        EXPECT_NEAR(table.rows[range.last - 1].alpha, c.to * kDeg, 1e-5);
        // The stall is XFOIL's, not the extension's maximum near 45°.
        const auto highest = [](auto begin, auto end) {
            return std::max_element(
                       begin, end,
                       [](const PolarPoint& a, const PolarPoint& b) { return a.cl < b.cl; })
                ->alpha;
        };
        EXPECT_NEAR(highest(table.rows.begin() + range.first, table.rows.begin() + range.last),
                    c.peak * kDeg, 1e-5);
        EXPECT_GT(highest(table.rows.begin(), table.rows.end()), 30 * kDeg);
    }
    // Without an extension, or with one made otherwise, every row is kept.
    const Polar plain = measured(-5, 10, 6);
    EXPECT_EQ(measuredRows(plain).last, plain.rows.size());
    Polar foreign = extendPolar(plain, 1.8);
    for (PolarPoint& row : foreign.rows)
        if (row.alpha > 11 * kDeg)
            row.cl *= 1.1f;
    const RowRange all = measuredRows(foreign);
    EXPECT_EQ(all.last, foreign.rows.size());
    EXPECT_GT(all.first, 0u); // the negative side is still recognised
}
