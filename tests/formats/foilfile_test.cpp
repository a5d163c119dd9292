#include "formats/foilfile.h"

#include "model/errors.h"
#include "scratchdir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kAirfoils = std::string(KESH_SOURCE_DIR) + "/tests/formats/data/sim/airfoils/";

std::string foilText(const std::string& points, const std::string& polar) {
    return "[main]\nname = \"F\"\ncm0 = \"0\"\nalpha0 = \"0\"\n[points]\n" + points +
           "\n[polar]\n" + polar + "\n";
}

const std::string kOnePolar = "nbreynolds = \"1\"\nre1.reynolds = \"1000\"\nre1.polar = \"0 1 2\"";

} // namespace

TEST(LoadFoil, ReadsNamesPointsAndPolarsWithSentinels) {
    Foil foil;
    loadFoil(foil, kAirfoils + "tiny.txt");
    EXPECT_EQ(foil.name, "Tiny 10");
    EXPECT_EQ(foil.foilFilename, "tiny.txt");
    EXPECT_EQ(foil.foilPath, kAirfoils + "tiny.txt");
    EXPECT_FLOAT_EQ(foil.cm0, -0.05f);
    EXPECT_FLOAT_EQ(foil.alpha0, -2.5f);
    ASSERT_EQ(foil.points.size(), 5u);
    EXPECT_FLOAT_EQ(foil.points[3].x, 0.5f);
    EXPECT_FLOAT_EQ(foil.points[3].y, -0.05f);

    ASSERT_EQ(foil.polars.size(), 4u);
    const std::int32_t reynolds[] = {0, 50000, 100000, 10000000};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(foil.polars[i].reynolds, reynolds[i]);
    EXPECT_EQ(foil.polars[0].rows.size(), 3u);
    EXPECT_EQ(foil.polars[3].rows.size(), 2u);
    EXPECT_FLOAT_EQ(foil.polars[1].rows[0].alpha, float(-4 * 0.01745329252));
    EXPECT_FLOAT_EQ(foil.polars[1].rows[2].cl, 0.6f);
    EXPECT_FLOAT_EQ(foil.polars[1].rows[2].cd, 0.015f);
    EXPECT_EQ(foil.polars[0].zeroIndex, 1);
    EXPECT_EQ(foil.polars[3].zeroIndex, 1);
}

TEST(LoadFoil, AReloadReplacesEverything) {
    ScratchDir dir;
    Foil foil;
    loadFoil(foil, kAirfoils + "tiny.txt");
    writeBytes(dir / "b.txt", foilText("1 2", kOnePolar));
    loadFoil(foil, dir / "b.txt");
    EXPECT_EQ(foil.name, "F");
    EXPECT_EQ(foil.points.size(), 1u);
    EXPECT_EQ(foil.polars.size(), 3u);
}

TEST(LoadFoil, PointsAreCappedAndAnOddCountEndsWithYZero) {
    ScratchDir dir;
    std::string many;
    for (int i = 0; i < 150; ++i)
        many += std::to_string(i) + " 1\n";
    writeBytes(dir / "many.txt", foilText(many, kOnePolar));
    writeBytes(dir / "odd.txt", foilText("1 2 3", kOnePolar));
    Foil foil;
    loadFoil(foil, dir / "many.txt");
    ASSERT_EQ(foil.points.size(), 101u);
    EXPECT_FLOAT_EQ(foil.points[100].x, 100.0f);
    loadFoil(foil, dir / "odd.txt");
    ASSERT_EQ(foil.points.size(), 2u);
    EXPECT_FLOAT_EQ(foil.points[1].x, 3.0f);
    EXPECT_FLOAT_EQ(foil.points[1].y, 0.0f);
}

TEST(LoadFoil, MissingOrUnreadableFilesAreNotFound) {
    ScratchDir dir;
    Foil foil;
    try {
        loadFoil(foil, dir / "none.txt");
        FAIL() << "no exception";
    } catch (const errLoadFoil& e) {
        EXPECT_EQ(e.text(), "Foilname '" + (dir / "none.txt") + "' not found");
        EXPECT_EQ(e.caption(), "Error");
    }
    EXPECT_THROW(loadFoil(foil, dir.path()), errLoadFoil);
    ASSERT_EQ(::mkfifo((dir / "pipe.txt").c_str(), 0600), 0);
    EXPECT_THROW(loadFoil(foil, dir / "pipe.txt"), errLoadFoil);
}

TEST(LoadFoil, EmptySectionsAreLoadErrors) {
    ScratchDir dir;
    writeBytes(dir / "nomain.txt", "[points]\n1 2\n[polar]\n" + kOnePolar + "\n");
    writeBytes(dir / "nopoints.txt", "[main]\nname = \"x\"\n[polar]\n" + kOnePolar + "\n");
    writeBytes(dir / "nopolar.txt", "[main]\nname = \"x\"\n[points]\n1 2\n");
    Foil foil;
    EXPECT_THROW(loadFoil(foil, dir / "nomain.txt"), errLoadFoil);
    EXPECT_THROW(loadFoil(foil, dir / "nopoints.txt"), errLoadFoil);
    EXPECT_THROW(loadFoil(foil, dir / "nopolar.txt"), errLoadFoil);
}

TEST(LoadFoil, LeadingCommentsMakeMissingSectionsReadAsOneBlank) {
    ScratchDir dir;
    writeBytes(dir / "nopoints.txt", "// c\n[main]\nname = \"x\"\n[polar]\n" + kOnePolar + "\n");
    writeBytes(dir / "nopolar.txt", "// c\n[main]\nname = \"x\"\n[points]\n1 2\n");
    Foil foil;
    loadFoil(foil, dir / "nopoints.txt");
    EXPECT_TRUE(foil.points.empty());
    EXPECT_EQ(foil.polars.size(), 3u);
    EXPECT_THROW(loadFoil(foil, dir / "nopolar.txt"), errOldFoil);
}

TEST(LoadFoil, AMissingPolarCountIsAnOldFoil) {
    Foil foil;
    const std::string path = kAirfoils + "old.txt";
    try {
        loadFoil(foil, path);
        FAIL() << "no exception";
    } catch (const errOldFoil& e) {
        EXPECT_EQ(e.text(), "Error append in foil : '" + path +
                                "'\n\nItem \"nbreynolds\" not found in section [polar]\n"
                                "Airfoil file is corrupted or too old !");
        EXPECT_EQ(e.caption(), "Error");
    }
    // What was read before the failing step stays.
    EXPECT_EQ(foil.name, "Old foil");
    EXPECT_EQ(foil.points.size(), 2u);
    EXPECT_TRUE(foil.polars.empty());
}

TEST(LoadFoil, APolarCountOutOfRangeIsRefused) {
    ScratchDir dir;
    Foil foil;
    for (const char* count : {"0", "-3", "abc", "100000", "99999999999"}) {
        writeBytes(dir / "f.txt", foilText("1 2", "nbreynolds = \"" + std::string(count) + "\""));
        try {
            loadFoil(foil, dir / "f.txt");
            FAIL() << count;
        } catch (const errOldFoil& e) {
            EXPECT_NE(e.text().find("nbreynolds"), std::string::npos);
            EXPECT_NE(e.text().find(count), std::string::npos);
        }
        EXPECT_TRUE(foil.polars.empty());
    }
}

TEST(ParsePolar, ReadsTriplesAndDropsAnIncompleteLastOne) {
    const Polar polar = parsePolar(7, "-2 0.1 0.01\n0 0.3 0.02 5 0.7");
    EXPECT_EQ(polar.reynolds, 7);
    ASSERT_EQ(polar.rows.size(), 2u);
    EXPECT_FLOAT_EQ(polar.rows[1].cl, 0.3f);
    EXPECT_EQ(polar.zeroIndex, 1);
}

TEST(ParsePolar, ZeroIndexIsTheRowCountWhenEveryAngleIsNegative) {
    EXPECT_EQ(parsePolar(1, "-3 0 0 -2 0 0").zeroIndex, 2);
    EXPECT_EQ(parsePolar(1, "").zeroIndex, 0);
    EXPECT_EQ(parsePolar(1, "-1 0 0 0 0 0 -1 0 0").zeroIndex, 1);
}

TEST(ParsePolar, OverflowingNumbersReadAsZero) {
    const Polar polar = parsePolar(1, "1e999 nan 1e60");
    ASSERT_EQ(polar.rows.size(), 1u);
    EXPECT_EQ(polar.rows[0].alpha, 0.0f);
    EXPECT_EQ(polar.rows[0].cl, 0.0f);
    EXPECT_EQ(polar.rows[0].cd, 0.0f);
}
