#include "aero/polarextension.h"

#include <gtest/gtest.h>

#include <cmath>

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
