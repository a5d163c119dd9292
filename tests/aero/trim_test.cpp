#include "aero/flightanalysis.h"
#include "aero/units.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace aero;
using namespace testgliders;

namespace {

constexpr float kDegree = float(kPi / 180);

// b 3 m, c 0.15 m (AR 20) at 2°, 2 kg, constant drag 0.008, stalling at cl 1.5; a
// stabiliser of 0.07 m chord and 0.5 m span 0.8 m behind; centre of gravity at `centre`
// (file x; 0.06 is about 10 % ahead of the neutral point).
Glider tailedGlider(float centre, float stabIncidenceDegrees, float wingTaper = 1) {
    Glider g;
    setPart(g, WingLeft, {0, 0, 0}, {pane(1.5f, 0.15f, 0.15f * wingTaper)}, 1);
    setFoil(g, WingLeft,
            foilWith(
                {constantDragPolar(50000, 0.008f, 1.5f), constantDragPolar(400000, 0.008f, 1.5f)}));
    g.surfaces[WingLeft].calage = g.surfaces[WingRight].calage = 2 * kDegree;
    setPart(g, StabLeft, {0.8f, 0, 0}, {pane(0.25f, 0.07f, 0.07f)}, 0);
    setFoil(g, StabLeft, foilWith({constantDragPolar(100000, 0.01f, 1.0f)}));
    g.surfaces[StabLeft].calage = g.surfaces[StabRight].calage = stabIncidenceDegrees * kDegree;
    g.centrum = {-centre, 0, 0};
    return g;
}

bool has(const FlightAnalysis& a, Warning w) {
    return std::find(a.warnings.begin(), a.warnings.end(), w) != a.warnings.end();
}

} // namespace

TEST(Trim, FliesWhereTheMomentAboutTheCentreIsZero) {
    const FlightAnalysis a = analyseGlider(tailedGlider(0.06f, 0));
    ASSERT_TRUE(a.flight() && a.stable());
    const Performance& p = *a.flight();
    ASSERT_TRUE(p.trim) << "no trim";
    const Stability& s = *a.stable();
    // Wing at +2° and tail at 0°: nose-down about a centre ahead of the neutral point, so
    // it trims at a lift between zero and the stall, at the speed that lift gives.
    EXPECT_GT(s.staticMargin, 0.05);
    EXPECT_GT(p.trim->cl, 0);
    EXPECT_LT(p.trim->cl, p.maxLift);
    EXPECT_NEAR(p.trim->speed / std::sqrt(2 * 2 * kGravity / (kAirDensity * 0.45 * p.trim->cl)), 1,
                1e-6);
    EXPECT_NEAR(p.trim->glide, p.trim->speed / p.trim->sink, 1e-9);
    EXPECT_TRUE(a.warnings.empty());
    // Moving the centre back flies slower, nearer the neutral point.
    const FlightAnalysis aft = analyseGlider(tailedGlider(0.065f, 0));
    ASSERT_TRUE(aft.flight() && aft.flight()->trim);
    EXPECT_GT(aft.flight()->trim->cl, p.trim->cl);
}

TEST(Trim, SaysWhyItCannotTrim) {
    struct Case {
        float centre;
        float stabIncidence;
        NoTrim why;
        Warning warning;
    };
    for (const Case& c : {Case{0.5f, 0, NoTrim::Unstable, Warning::Unstable},
                          Case{0.06f, 4, NoTrim::NoseDown, Warning::NoTrim},
                          Case{0.06f, -12, NoTrim::NoseUp, Warning::NoTrim}}) {
        const FlightAnalysis a = analyseGlider(tailedGlider(c.centre, c.stabIncidence));
        ASSERT_TRUE(a.flight());
        EXPECT_FALSE(a.flight()->trim) << int(c.why);
        EXPECT_EQ(a.flight()->noTrim, c.why);
        EXPECT_TRUE(has(a, c.warning)) << int(c.why);
        EXPECT_TRUE(has(a, Warning::NoTrim)) << int(c.why);
    }
    // Far forward, the margin itself is warned about.
    EXPECT_TRUE(has(analyseGlider(tailedGlider(-0.05f, -6)), Warning::NoseHeavy));
}

TEST(Trim, SpeedPolarTakesTheTrefftzPlanesInducedDrag) {
    // A flat untwisted wing alone: its lift is one shape at every angle, so the induced drag
    // is C_L²/(π·e·AR) with the lattice's e, and the parabolic polar's best glide follows.
    Glider g = rectangularWing(1.5f, 0.15f, 0, 1);
    setFoil(g, WingLeft,
            foilWith(
                {constantDragPolar(50000, 0.008f, 1.5f), constantDragPolar(400000, 0.008f, 1.5f)}));
    const FlightAnalysis a = analyseGlider(g);
    ASSERT_TRUE(a.flight());
    const Performance& p = *a.flight();
    EXPECT_GT(p.spanEfficiency, 0.85); // a rectangle of AR 20
    EXPECT_LT(p.spanEfficiency, 1);
    EXPECT_NEAR(p.bestGlide, 0.5 * std::sqrt(kPi * p.spanEfficiency * 20 / 0.008), 1e-3);
}

TEST(Trim, StallStartsAtTheRootOfARectangleAndAtTheTipOfAPointedWing) {
    const FlightAnalysis straight = analyseGlider(tailedGlider(0.06f, 0));
    ASSERT_TRUE(straight.flight() && straight.flight()->stallStart);
    EXPECT_EQ(straight.flight()->stallStart->part, Part::Wing);
    EXPECT_LT(std::abs(straight.flight()->stallStart->y), 0.5);
    EXPECT_FALSE(has(straight, Warning::TipStall));

    const FlightAnalysis pointed = analyseGlider(tailedGlider(0.06f, 0, 0.2f));
    ASSERT_TRUE(pointed.flight() && pointed.flight()->stallStart);
    EXPECT_TRUE(pointed.flight()->stallStart->atTip);
    EXPECT_TRUE(has(pointed, Warning::TipStall));
    // The loading at the stall runs across the whole span, in rising y.
    const std::vector<SpanLoading>& loading = pointed.flight()->loadingAtStall;
    ASSERT_FALSE(loading.empty());
    EXPECT_EQ(loading.front().part, Part::Wing);
    EXPECT_TRUE(std::is_sorted(loading.front().y.begin(), loading.front().y.end()));
    EXPECT_NEAR(loading.front().halfSpan, 1.5, 1e-9);
}

TEST(Trim, WarnsAboutBrokenGeometryAndAForgottenCentre) {
    Glider g = tailedGlider(0.06f, 0);
    g.surfaces[StabLeft].pane(0).c1 = -0.1f;
    EXPECT_TRUE(has(analyseGlider(g), Warning::BadPane));

    g = tailedGlider(0.06f, 0);
    g.surfaces[WingLeft].pane(0).env = g.surfaces[WingRight].pane(0).env = 1e30f;
    const FlightAnalysis huge = analyseGlider(g);
    EXPECT_TRUE(has(huge, Warning::TooLarge));
    if (const Stability* s = huge.stable()) {
        EXPECT_TRUE(std::isfinite(s->neutralPointX));
    }

    g = tailedGlider(0, 0);
    EXPECT_TRUE(has(analyseGlider(g), Warning::CentreNotSet));
    g.surfaces[WingLeft].weight = g.surfaces[WingRight].weight = 0;
    EXPECT_FALSE(has(analyseGlider(g), Warning::CentreNotSet)); // nothing to estimate it from
}
