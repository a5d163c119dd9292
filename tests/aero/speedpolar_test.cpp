#include "aero/flightanalysis.h"
#include "aero/spanefficiency.h"
#include "aero/units.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace aero;
using namespace testgliders;

namespace {

// b 3 m, c 0.15 m (AR 20), 2 kg, an airfoil of constant drag 0.008 stalling at cl 1.5.
Glider parabolicGlider() {
    Glider g = rectangularWing(1.5f, 0.15f, 0, 1);
    setFoil(g, WingLeft,
            foilWith(
                {constantDragPolar(50000, 0.008f, 1.5f), constantDragPolar(400000, 0.008f, 1.5f)}));
    return g;
}

Performance performanceFor(const Glider& g, DragParts parts = {}, double e = 0.9) {
    const auto result = performanceOf(g, {parts, e, 0});
    EXPECT_TRUE(std::holds_alternative<Performance>(result));
    return std::holds_alternative<Performance>(result) ? std::get<Performance>(result)
                                                       : Performance{};
}

} // namespace

TEST(SpeedPolar, ConstantProfileDragGivesTheParabolicPolar) {
    // Best glide ½·√(π·0.9·20/0.008) = 42.0374 at C_L* = √(0.008·π·0.9·20) = 0.672599, that is
    // V = √(2·19.62/(1.225·0.45·C_L*)) = 10.2876 m/s; minimum sink at √3·C_L*, where
    // C_D = 4·cd0: 0.214716 m/s at 7.81685 m/s.
    const Performance p = performanceFor(parabolicGlider());
    EXPECT_NEAR(p.bestGlide, 42.0374, 1e-4);
    EXPECT_NEAR(p.bestGlideSpeed, 10.2876, 1e-3);
    EXPECT_NEAR(p.minSink, 0.214716, 1e-6);
    EXPECT_NEAR(p.minSinkSpeed, 7.81685, 1e-3);
}

TEST(SpeedPolar, RunsFromTheStallToThreeTimesItsSpeed) {
    // C_L,max = 0.9·1.5: V_stall = √(2·19.62/(1.225·0.45·1.35)) = 7.26145 m/s.
    const Performance p = performanceFor(parabolicGlider());
    EXPECT_NEAR(p.maxLift, 1.35, 1e-6);
    EXPECT_NEAR(p.stallSpeed, 7.26145, 1e-5);
    ASSERT_GE(p.polar.size(), 2u);
    EXPECT_NEAR(p.polar.front().speed, p.stallSpeed, 1e-9);
    EXPECT_NEAR(p.polar.front().cl, 1.35, 1e-6);
    EXPECT_NEAR(p.polar.back().speed, 3 * p.stallSpeed, 1e-9);
    for (std::size_t i = 1; i < p.polar.size(); ++i)
        EXPECT_GT(p.polar[i].speed, p.polar[i - 1].speed);
}

TEST(SpeedPolar, StallFollowsTheMeanChordsReynoldsNumber) {
    // cl max 1.0 at Re 50,000 and 1.6 at Re 400,000; at the stall speed the mean chord's Re
    // must give back 0.9 × the interpolated maximum.
    Glider g = rectangularWing(1.5f, 0.15f, 0, 1);
    setFoil(g, WingLeft,
            foilWith(
                {constantDragPolar(50000, 0.008f, 1.0f), constantDragPolar(400000, 0.008f, 1.6f)}));
    const Performance p = performanceFor(g);
    const double re = p.stallSpeed * 0.15 / kKinematicViscosity;
    const double t = std::log(re / 50000) / std::log(8.0);
    EXPECT_NEAR(p.maxLift, 0.9 * (1.0 + 0.6 * t), 1e-6);
}

TEST(SpeedPolar, DragPartsAddWhatTheirFormulasSay) {
    Glider g = parabolicGlider();
    // A fuselage 2 m long, 0.2 m across: f 10, FF 1 + 60/1000 + 10/400, skin 2π·0.1·2.
    g.body.sections = {{0, -0.1f, 0.2f, 0.2f}, {2, -0.1f, 0.2f, 0.2f}};
    const Performance bare = performanceFor(g, {true, true, false});
    const Performance with = performanceFor(g);
    const SpeedPoint& a = bare.polar[10];
    const SpeedPoint& b = with.polar[10];
    ASSERT_DOUBLE_EQ(a.speed, b.speed);
    const double re = a.speed * 2 / kKinematicViscosity;
    const double cdFuselage = 0.074 / std::pow(re, 0.2) * 1.085 * (2 * kPi * 0.1 * 2) / 0.45;
    EXPECT_NEAR((b.sink - a.sink) * a.cl / a.speed, cdFuselage, 1e-9);

    // Without the wing's induced drag only the profile drag is left.
    const Performance profile = performanceFor(g, {false, true, false});
    EXPECT_NEAR(profile.polar[10].sink, a.speed * double(0.008f) / a.cl, 1e-9);
}

TEST(SpeedPolar, StabiliserCarriesTheTrimLoad) {
    // Centre of gravity on the wing's quarter chord: the tail carries the pitching moment
    // c̄·cm0 alone, on an arm from the centre to its own quarter chord.
    Glider g = parabolicGlider();
    g.surfaces[WingLeft].foil.cm0 = -0.1f;
    setPart(g, StabLeft, {1, 0, 0}, {pane(0.3f, 0.1f, 0.1f)}, 0);
    setFoil(g, StabLeft, foilWith({constantDragPolar(100000, 0.01f, 1.0f)}));
    const double centre = 0.15 / 4;
    const auto on = std::get<Performance>(performanceOf(g, {{}, 0.9, centre}));
    const auto off = std::get<Performance>(performanceOf(g, {{true, false, true}, 0.9, centre}));
    const auto stab = *planformOf(g, Part::Stabiliser);
    const double tailCl = -(0.15 * -0.1) / (centre - 1.025) * 0.45 / stab.area;
    const double induced =
        tailCl * tailCl / (kPi * spanEfficiency(stab, 0) * stab.aspectRatio) * stab.area / 0.45;
    const SpeedPoint& a = off.polar[5];
    EXPECT_NEAR((on.polar[5].sink - a.sink) * a.cl / a.speed, induced, 1e-9);
    EXPECT_NEAR(a.sink * a.cl / a.speed,
                0.008 + a.cl * a.cl / (kPi * 0.9 * 20) + 0.01 * stab.area / 0.45, 1e-9);
}

TEST(SpeedPolar, SpanEfficiencyEstimateForAStraightWing) {
    // Taper 1, no sweep: x = 1 − (−0.357 + 0.45) = 0.907, f(x) = 0.00788364, AR 10:
    // e = 1/(1 + 10 f) = 0.926925; a 0.5 m fuselage on 10 m: × (1 − 2·0.05²).
    const Planform wing = *planformOf(rectangularWing(5, 1, 0, 1), Part::Wing);
    EXPECT_NEAR(spanEfficiency(wing, 0), 0.926925, 1e-6);
    EXPECT_NEAR(spanEfficiency(wing, 0.5), 0.922290, 1e-6);
}

TEST(SpeedPolar, SaysWhyItCannotBeComputed) {
    Glider g = parabolicGlider();
    g.surfaces[WingLeft].foil.polars.clear();
    EXPECT_EQ(std::get<Unavailable>(performanceOf(g, {})), Unavailable::NoWingPolars);
    g = parabolicGlider();
    g.surfaces[WingLeft].weight = g.surfaces[WingRight].weight = 0;
    EXPECT_EQ(std::get<Unavailable>(performanceOf(g, {})), Unavailable::NoWeight);
    g = parabolicGlider();
    setPart(g, Fin, {1, 0, 0}, {pane(0.2f, 0.1f, 0.1f, 0, float(M_PI / 2))}, 0);
    EXPECT_EQ(std::get<Unavailable>(performanceOf(g, {})), Unavailable::NoTailPolars);
}
