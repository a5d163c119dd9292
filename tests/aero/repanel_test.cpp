#include "aero/repanel.h"

#include "aero/naca.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

TEST(Repanel, GivesTheCountWithEndsAndLeadingEdgeInPlace) {
    Outline source = nacaOutline("NACA 0012", 61);
    source.points.insert(source.points.begin() + 60, source.points[60]); // a repeated nose
    for (int count : {101, 100, 160, 11}) {
        const Outline out = repanel(source, count);
        ASSERT_EQ(static_cast<int>(out.points.size()), count);
        EXPECT_DOUBLE_EQ(out.points.front().x, 1.0);
        EXPECT_DOUBLE_EQ(out.points.back().x, 1.0);
        // The nose is the point of least x and sits at (0,0): count/2 upper points before it.
        const std::size_t nose = (count - 1) / 2 + (count % 2 == 0 ? 1 : 0);
        EXPECT_NEAR(out.points[nose].x, 0.0, 1e-6) << count;
        EXPECT_NEAR(out.points[nose].y, 0.0, 1e-6) << count;
        for (std::size_t i = 0; i < out.points.size(); ++i) {
            EXPECT_GE(out.points[i].x, out.points[nose].x);
            if (i > 0 && i < nose) {
                EXPECT_GT(out.points[i].y, 0) << i;
            }
            if (i > nose && i + 1 < out.points.size()) {
                EXPECT_LT(out.points[i].y, 0) << i;
            }
            if (i > 0 && i <= nose) {
                EXPECT_LT(out.points[i].x, out.points[i - 1].x);
            }
        }
        if (count < 100)
            continue;
        // Cosine spacing: the step at the nose is far smaller than at mid-chord.
        const double noseStep = std::hypot(out.points[nose + 1].x - out.points[nose].x,
                                           out.points[nose + 1].y - out.points[nose].y);
        const std::size_t mid = nose / 2;
        EXPECT_LT(noseStep * 3, out.points[mid - 1].x - out.points[mid].x) << count;
    }
    // The shape is kept: the thickness at 30 % is still 12 %.
    const Outline out = repanel(source, 101);
    for (std::size_t i = 1; i < 50; ++i) {
        if (std::abs(out.points[i].x - 0.3) < 0.02) {
            EXPECT_NEAR(out.points[i].y, 0.06, 5e-4);
        }
    }
    EXPECT_THROW(repanel(source, 4), std::invalid_argument);
}
