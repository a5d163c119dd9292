#include "aero/xfoil/foilbuilder.h"

#include "aero/naca.h"
#include "aero/xfoil/foilimport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr float kDeg = 0.0174532925f;

// A linear polar from -4° to 8°: cl = 0.1·(α + 2°), cm falling with α.
XfoilRun run(int reynolds, bool ok = true) {
    XfoilRun r;
    r.reynolds = reynolds;
    r.ok = ok;
    r.polar.reynolds = reynolds;
    for (int a = -4; a <= 8; ++a) {
        r.polar.rows.push_back({a * kDeg, 0.1f * (a + 2) + reynolds * 1e-7f, 0.01f});
        r.cm.push_back(-0.05f - 0.001f * a);
    }
    r.polar.zeroIndex = 4;
    return r;
}

} // namespace

TEST(FoilBuilder, MakesTheSimulatorsFoilFromTheRuns) {
    const Outline outline = nacaOutline("NACA 2412", 100, NacaTrailingEdge::Closed);
    const std::vector<XfoilRun> runs = {run(400000), run(50000, false), run(200000), run(100000)};
    FoilBuildOptions options;
    options.name = "NACA 2412";
    options.points = 61;
    options.source = "NACA2412";
    XfoilSettings settings;
    settings.program = "no-such-xfoil";
    std::vector<std::string> header;
    const Foil foil = buildFoil(outline, runs, options, settings, &header);

    EXPECT_EQ(foil.name, "NACA 2412");
    EXPECT_EQ(foil.points.size(), 61u);
    EXPECT_FLOAT_EQ(foil.points.front().x, 1.0f);
    // Zero lift of the 200,000 run: 0.1·(α + 2) + 0.02 = 0 at α = -2.2°, cm there -0.0478.
    EXPECT_NEAR(foil.alpha0, -2.2f, 1e-4);
    EXPECT_NEAR(foil.cm0, -0.0478f, 1e-5);
    // Sentinels around the successful runs in ascending Reynolds number, as the loader gives.
    ASSERT_EQ(foil.polars.size(), 5u);
    const std::int32_t reynolds[] = {0, 100000, 200000, 400000, 10000000};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(foil.polars[i].reynolds, reynolds[i]);
    EXPECT_EQ(foil.polars[0].rows.size(), foil.polars[1].rows.size());
    // Extended to the whole circle by default.
    EXPECT_NEAR(foil.polars[2].rows.front().alpha, -3.14159f, 1e-4);
    EXPECT_NEAR(foil.polars[2].rows.back().alpha, 3.14159f, 1e-4);
    EXPECT_EQ(foil.polars[2].rows[foil.polars[2].zeroIndex].alpha, 0.0f);

    const auto said = [&](const std::string& text) {
        return std::any_of(header.begin(), header.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(said("Source: NACA2412"));
    EXPECT_TRUE(said("61 points"));
    EXPECT_TRUE(said("Ncrit 9"));
    EXPECT_TRUE(said("Reynolds numbers: 100000, 200000, 400000"));
    EXPECT_TRUE(said("Viterna-Corrigan"));
    EXPECT_TRUE(said("XFOIL (version unknown)"));

    options.extend = false;
    const Foil plain = buildFoil(outline, runs, options, settings, nullptr);
    EXPECT_EQ(plain.polars[2].rows.size(), 13u);

    options.points = 102;
    EXPECT_THROW(buildFoil(outline, runs, options, settings, nullptr), std::runtime_error);
    options.points = 101;
    EXPECT_THROW(buildFoil(outline, {run(50000, false)}, options, settings, nullptr),
                 std::runtime_error);
}

TEST(FoilImport, ReadsTheSourceAndTheReynoldsNumbersByOneSetOfRules) {
    const FoilSource naca = readFoilSource(" naca 2412 ");
    EXPECT_TRUE(naca.isNaca);
    EXPECT_EQ(naca.name, "NACA 2412");
    EXPECT_EQ(naca.label, "naca 2412");
    // Drawn closed; XFOIL gets the published open trailing edge, finely sampled.
    EXPECT_NEAR(naca.outline.points.front().y, naca.outline.points.back().y, 1e-12);
    EXPECT_GT(naca.analysed.points.front().y - naca.analysed.points.back().y, 0.002);
    EXPECT_GT(naca.analysed.points.size(), 200u);

    std::vector<int> reynolds;
    QString error;
    ASSERT_TRUE(readReynoldsList("400000, 50000;100000  200000,50000", reynolds, error));
    EXPECT_EQ(reynolds, (std::vector<int>{50000, 100000, 200000, 400000}));
    for (const char* refused :
         {"", "999", "10000000", "100000000", "1e5x", "150000.5", "1,2,3,4,5,6,7,8,9"}) {
        error.clear();
        EXPECT_FALSE(readReynoldsList(refused, reynolds, error)) << refused;
        EXPECT_TRUE(error.contains(QStringLiteral("9999999"))) << refused;
    }
    XfoilSettings settings;
    FoilBuildOptions options;
    options.name = "x";
    EXPECT_TRUE(checkImport(settings, options).isEmpty());
    options.points = 19;
    EXPECT_FALSE(checkImport(settings, options).isEmpty());
    options.points = 101;
    options.cdMax = 3.5;
    EXPECT_FALSE(checkImport(settings, options).isEmpty());
    options.extend = false; // cd max only matters to the extension
    EXPECT_TRUE(checkImport(settings, options).isEmpty());
    settings.ncrit = 0.5;
    EXPECT_FALSE(checkImport(settings, options).isEmpty());
}
