#include "aero/tuning.h"
#include "formats/gliderfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

using namespace aero;

namespace {

const std::string kSample = std::string(KESH_SOURCE_DIR) + "/sample";

Glider sampleGlider(const std::string& name) {
    Glider glider;
    readGlider(glider, kSample + "/gliders/" + name + "/" + name + ".gli", kSample);
    return glider;
}

const char* const kSamples[] = {"Pipit", "Harle", "Martinet", "Mouette"};

} // namespace

TEST(Tuning, CentringReachesTheMarginAskedAndTheAnalysisAgrees) {
    for (const char* name : kSamples)
        for (const double margin : {0.05, 0.10, 0.15, 0.20}) {
            SCOPED_TRACE(std::string(name) + " margin " + std::to_string(margin));
            Glider glider = sampleGlider(name);
            const double before = -glider.centrum[0];
            const Tuned<CentreChange> tuned = centreForMargin(glider, margin);
            ASSERT_TRUE(std::holds_alternative<CentreChange>(tuned));
            const CentreChange& c = std::get<CentreChange>(tuned);
            EXPECT_DOUBLE_EQ(c.centreXBefore, before);
            EXPECT_DOUBLE_EQ(c.centreXAfter, -double(glider.centrum[0]));
            const FlightAnalysis a = analyseGlider(glider);
            ASSERT_TRUE(a.stable());
            EXPECT_NEAR(a.stable()->staticMargin, margin, 0.005);
            EXPECT_DOUBLE_EQ(a.stable()->staticMargin, c.marginAfter);
            // A larger margin means a centre further forward.
            EXPECT_EQ(c.centreXAfter<c.centreXBefore, margin> c.marginBefore);
        }
}

TEST(Tuning, TrimmingReachesTheSpeedAskedOrTheBestGlide) {
    for (const char* name : kSamples)
        for (const double factor : {1.15, 1.6, 2.5, 0.0}) { // of the stall speed; 0: best glide
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(factor));
            Glider glider = sampleGlider(name);
            const double speed = factor * analyseGlider(glider).flight()->stallSpeed;
            const Tuned<IncidenceChange> tuned =
                factor > 0 ? trimForSpeed(glider, speed) : trimForBestGlide(glider);
            ASSERT_TRUE(std::holds_alternative<IncidenceChange>(tuned))
                << refusalText(std::get<TuneRefusal>(tuned));
            const IncidenceChange& c = std::get<IncidenceChange>(tuned);
            EXPECT_FLOAT_EQ(glider.surfaces[StabLeft].calage, float(c.incidenceAfter));
            EXPECT_FLOAT_EQ(glider.surfaces[StabRight].calage, float(c.incidenceAfter));
            const FlightAnalysis a = analyseGlider(glider);
            ASSERT_TRUE(a.flight() && a.flight()->trim);
            const double wanted = factor > 0 ? speed : a.flight()->bestGlideSpeed;
            EXPECT_NEAR(a.flight()->trim->speed, wanted, 0.2);
            EXPECT_NEAR(c.trimSpeedAfter, a.flight()->trim->speed, 1e-9);
            // Flying faster takes a stabiliser less nose-up.
            if (c.trimSpeedBefore) {
                EXPECT_EQ(c.incidenceAfter > c.incidenceBefore, wanted > *c.trimSpeedBefore);
            }
        }
}

TEST(Tuning, ImpossibleRequestsAreRefusedAndChangeNothing) {
    Glider unstable = sampleGlider("Pipit");
    unstable.centrum[0] = -0.60f; // well behind the neutral point
    Glider noStabiliser = sampleGlider("Pipit");
    noStabiliser.surfaces[StabLeft].clear();
    noStabiliser.surfaces[StabRight].clear();
    struct Case {
        const char* what;
        Glider glider;
        std::function<TuneRefusal(Glider&)> request;
        TuneRefusal expected;
    };
    // A change where a refusal was due counts as none of the refusals.
    const auto refusal = [](auto tuned) {
        const TuneRefusal* why = std::get_if<TuneRefusal>(&tuned);
        return why ? *why : TuneRefusal(-1);
    };
    const Case cases[] = {
        {"centre ahead of the nose", sampleGlider("Pipit"),
         [&](Glider& g) { return refusal(centreForMargin(g, 3.0)); }, TuneRefusal::CentreOffGlider},
        {"centre behind the tail", sampleGlider("Harle"),
         [&](Glider& g) { return refusal(centreForMargin(g, -8.0)); },
         TuneRefusal::CentreOffGlider},
        {"below the stall", sampleGlider("Harle"),
         [&](Glider& g) { return refusal(trimForSpeed(g, 3.0)); }, TuneRefusal::BelowStall},
        {"beyond the polar", sampleGlider("Martinet"),
         [&](Glider& g) { return refusal(trimForSpeed(g, 80.0)); }, TuneRefusal::AbovePolar},
        {"unstable", unstable, [&](Glider& g) { return refusal(trimForSpeed(g, 9.0)); },
         TuneRefusal::Unstable},
        {"no stabiliser", noStabiliser, [&](Glider& g) { return refusal(trimForBestGlide(g)); },
         TuneRefusal::NoStabiliser},
        {"no wing", Glider{}, [&](Glider& g) { return refusal(centreForMargin(g, 0.1)); },
         TuneRefusal::NoAnalysis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Glider glider = c.glider;
        const std::string before = gliderFileText(glider);
        EXPECT_EQ(c.request(glider), c.expected);
        EXPECT_EQ(gliderFileText(glider), before);
        EXPECT_FALSE(refusalText(c.expected).empty());
    }
}
