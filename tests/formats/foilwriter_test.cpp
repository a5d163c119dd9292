#include "formats/foilwriter.h"

#include "formats/foilfile.h"
#include "scratchdir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Polar polar(std::int32_t reynolds, int rows) {
    Polar p;
    p.reynolds = reynolds;
    for (int i = 0; i < rows; ++i) {
        const float alpha = (i - 3) * 0.0174533f * 1.37f;
        p.rows.push_back({alpha, 0.1234567f + 6.1f * alpha, 0.00876543f + 0.1f * alpha * alpha});
    }
    return p;
}

Foil sampleFoil() {
    Foil foil;
    foil.name = "Test 2412 é";
    foil.cm0 = -0.0531234f;
    foil.alpha0 = -2.123456f;
    for (int i = 0; i < 101; ++i)
        foil.points.push_back({std::abs(1 - i / 50.0f), 0.06f * std::sin(i / 50.0f * 3.14159f)});
    foil.polars = {polar(0, 9), polar(50000, 9), polar(200000, 14), polar(10000000, 14)};
    return foil;
}

bool sameTo6Digits(double a, double b) {
    return std::abs(a - b) <= 5e-6 * std::max(std::abs(a), std::abs(b)) + 1e-30;
}

} // namespace

TEST(FoilWriter, ReadsBackThroughTheLoaderToSixDigits) {
    ScratchDir dir;
    const Foil foil = sampleFoil();
    writeFoilFile(dir / "t.txt", foil, {"made by a test", "second\r\nline"});
    const std::string bytes = readBytes(dir / "t.txt");
    EXPECT_EQ(bytes.rfind("// made by a test\r\n// second  line\r\n", 0), 0u);
    for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_EQ(bytes[i - 1], '\r');

    Foil back;
    loadFoil(back, dir / "t.txt");
    EXPECT_EQ(back.name, foil.name);
    EXPECT_TRUE(sameTo6Digits(back.cm0, foil.cm0));
    EXPECT_TRUE(sameTo6Digits(back.alpha0, foil.alpha0));
    ASSERT_EQ(back.points.size(), foil.points.size());
    for (std::size_t i = 0; i < foil.points.size(); ++i) {
        EXPECT_TRUE(sameTo6Digits(back.points[i].x, foil.points[i].x)) << i;
        EXPECT_TRUE(sameTo6Digits(back.points[i].y, foil.points[i].y)) << i;
    }
    ASSERT_EQ(back.polars.size(), foil.polars.size());
    for (std::size_t p = 0; p < foil.polars.size(); ++p) {
        EXPECT_EQ(back.polars[p].reynolds, foil.polars[p].reynolds);
        ASSERT_EQ(back.polars[p].rows.size(), foil.polars[p].rows.size());
        EXPECT_EQ(back.polars[p].zeroIndex, 3);
        for (std::size_t r = 0; r < foil.polars[p].rows.size(); ++r) {
            const PolarPoint& a = back.polars[p].rows[r];
            const PolarPoint& b = foil.polars[p].rows[r];
            EXPECT_TRUE(sameTo6Digits(a.alpha, b.alpha) && sameTo6Digits(a.cl, b.cl) &&
                        sameTo6Digits(a.cd, b.cd))
                << p << " " << r;
        }
    }
}

TEST(FoilWriter, RefusesWhatTheLoaderWouldMisreadAndKeepsTheOldFile) {
    ScratchDir dir;
    writeBytes(dir / "old.txt", "previous");
    const std::pair<const char*, const char*> names[] = {
        {"with \"quote\"", "with 'quote'"},
        {"with [bracket]", "with (bracket)"},
        {"a // b ///", "a / b /"},
        {"line\nbreak\t", "linebreak"},
    };
    for (const auto& [name, safe] : names) {
        Foil foil = sampleFoil();
        foil.name = name;
        EXPECT_THROW(writeFoilFile(dir / "old.txt", foil, {}), std::runtime_error) << name;
        // A title made safe is written and read back as it is.
        foil.name = safeFoilName(name);
        EXPECT_EQ(foil.name, safe);
        EXPECT_NO_THROW(foilFileText(foil, {}));
    }
    EXPECT_EQ(safeFoilName("  " + std::string(100, 'x') + "  ").size(), kMaxFoilNameLength);
    Foil noPolar = sampleFoil();
    noPolar.polars.clear();
    EXPECT_THROW(foilFileText(noPolar, {}), std::runtime_error);
    Foil tooMany = sampleFoil();
    tooMany.points.push_back({0, 0});
    EXPECT_THROW(foilFileText(tooMany, {}), std::runtime_error);
    EXPECT_EQ(readBytes(dir / "old.txt"), "previous");
    EXPECT_THROW(writeFoilFile(dir / "missing/dir/f.txt", sampleFoil(), {}), std::runtime_error);
}
