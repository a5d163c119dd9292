#include "aero/naca.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// Linear interpolation of y on the upper (side 0) or lower surface at x.
double ordinate(const Outline& outline, double x, bool upper) {
    const std::size_t le = outline.points.size() / 2;
    const std::size_t from = upper ? 0 : le;
    const std::size_t to = upper ? le : outline.points.size() - 1;
    for (std::size_t i = from; i < to; ++i) {
        const OutlinePoint& a = outline.points[i];
        const OutlinePoint& b = outline.points[i + 1];
        if ((a.x - x) * (b.x - x) <= 0 && a.x != b.x)
            return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
    }
    return NAN;
}

} // namespace

TEST(Naca, RecognisesFourAndFiveDigitCodesOnly) {
    for (const char* code : {"NACA 2412", "naca23012", "NACA2412", " Naca 0012 ", "NACA 23112"})
        EXPECT_TRUE(isNacaCode(code)) << code;
    for (const char* code : {"NACA 241200", "NACA 241", "NACA 2400", "NACA 21112", "NACA 26012",
                             "NACA 03012", "NACA 2412x", "2412", "NACA 2412; PSAV x", ""})
        EXPECT_FALSE(isNacaCode(code)) << code;
    EXPECT_THROW(nacaOutline("NACA 9"), std::invalid_argument);
}

TEST(Naca, MatchesPublishedOrdinates) {
    // NACA 0012, Abbott and von Doenhoff's table (% chord); the published thickness law.
    const Outline n0012 = nacaOutline("NACA 0012", 200);
    EXPECT_EQ(n0012.name, "NACA 0012");
    ASSERT_EQ(n0012.points.size(), 399u);
    const double stations[][2] = {{0.05, 3.555}, {0.1, 4.683}, {0.2, 5.737},
                                  {0.3, 6.002},  {0.4, 5.803}, {0.5, 5.294}};
    for (const auto& [x, y] : stations) {
        EXPECT_NEAR(ordinate(n0012, x, true), y / 100, 1.5e-4) << x;
        EXPECT_NEAR(ordinate(n0012, x, false), -y / 100, 1.5e-4) << x;
    }
    EXPECT_DOUBLE_EQ(n0012.points.front().x, 1.0);
    EXPECT_DOUBLE_EQ(n0012.points[199].x, 0.0);
    // The published law leaves a trailing edge 0.252 % thick; its variant closes it.
    EXPECT_NEAR(n0012.points.front().y - n0012.points.back().y, 0.00252, 1e-6);
    const Outline closed = nacaOutline("NACA 0012", 200, NacaTrailingEdge::Closed);
    EXPECT_NEAR(closed.points.front().y, 0.0, 1e-12);
    EXPECT_NEAR(closed.points.back().y, 0.0, 1e-12);

    // NACA 2412: 2 % camber at 40 %; NACA 23012: the 230 mean line's 1.84 % near 15 %.
    const Outline n2412 = nacaOutline("NACA 2412", 200);
    EXPECT_NEAR((ordinate(n2412, 0.4, true) + ordinate(n2412, 0.4, false)) / 2, 0.02, 3e-4);
    const Outline n23012 = nacaOutline("naca23012", 200);
    double best = 0, bestX = 0;
    for (double x = 0.05; x < 0.4; x += 0.005) {
        const double camber = (ordinate(n23012, x, true) + ordinate(n23012, x, false)) / 2;
        if (camber > best) {
            best = camber;
            bestX = x;
        }
    }
    EXPECT_NEAR(best, 0.0184, 3e-4);
    EXPECT_NEAR(bestX, 0.15, 0.02);
    EXPECT_NEAR(ordinate(n23012, 0.3, true) - ordinate(n23012, 0.3, false), 0.12, 1.5e-3);
}
