#include "formats/coordinatefile.h"

#include "scratchdir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::string kData = std::string(KESH_SOURCE_DIR) + "/tests/formats/data/coordinates/";

// The files hold one NACA 2412 of 17 stations a side in different dresses; selig.dat is it
// as it should come out.
void expectNaca2412(const Outline& outline) {
    const Outline reference = readCoordinateFile(kData + "selig.dat");
    ASSERT_EQ(outline.points.size(), reference.points.size());
    for (std::size_t i = 0; i < reference.points.size(); ++i) {
        EXPECT_NEAR(outline.points[i].x, reference.points[i].x, 2e-6) << i;
        EXPECT_NEAR(outline.points[i].y, reference.points[i].y, 2e-6) << i;
    }
}

std::string fileText(const std::string& name) {
    std::string text;
    std::FILE* file = std::fopen((kData + name).c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    text.assign(buffer, std::fread(buffer, 1, sizeof buffer, file));
    std::fclose(file);
    return text;
}

std::string refusal(const std::string& text) {
    try {
        parseCoordinates(text);
    } catch (const CoordinateError& e) {
        return e.what();
    }
    return "accepted";
}

std::string square(int points) {
    std::string text;
    for (int i = 0; i < points; ++i)
        text +=
            std::to_string(1.0 - i / double(points)) + " " + std::to_string(0.01 * (i % 2)) + "\n";
    return text;
}

} // namespace

TEST(CoordinateFile, ReadsEveryFormIntoTheSameNormalisedSeligOutline) {
    const Outline selig = readCoordinateFile(kData + "selig.dat");
    ASSERT_EQ(selig.points.size(), 33u);
    EXPECT_DOUBLE_EQ(selig.points[0].x, 1.0);
    EXPECT_DOUBLE_EQ(selig.points[16].x, 0.0);
    EXPECT_DOUBLE_EQ(selig.points[16].y, 0.0);
    EXPECT_NEAR(selig.points[8].x, 0.500587, 1e-9); // the file's ninth pair, untouched
    EXPECT_NEAR(selig.points[8].y, 0.072303, 1e-9);
    EXPECT_LT(selig.points[24].y, 0);

    const Outline lednicer = readCoordinateFile(kData + "lednicer.dat");
    EXPECT_EQ(lednicer.name, "NACA 2412 (Lednicer)");
    expectNaca2412(lednicer);

    const Outline reversed = readCoordinateFile(kData + "reversed.dat");
    EXPECT_EQ(reversed.name, "NACA 2412 clockwise");
    expectNaca2412(reversed);

    const Outline commented = readCoordinateFile(kData + "comments.dat");
    EXPECT_EQ(commented.name, "NACA 2412");
    expectNaca2412(commented);

    // Chord 250, turned by 10° and moved, without a name line: named after the file.
    const Outline scaled = readCoordinateFile(kData + "scaled.dat");
    EXPECT_EQ(scaled.name, "scaled");
    expectNaca2412(scaled);
}

// Files as modellers pass them round: text around the numbers is read past as XFOIL does.
TEST(CoordinateFile, ReadsPastTitlesAndTextAfterTheCoordinates) {
    const std::string text = fileText("selig.dat");
    const std::string pairs = text.substr(text.find('\n') + 1);
    const std::string upper = pairs.substr(0, pairs.find("0.000000 0.000000"));
    const std::string lower = pairs.substr(upper.size());
    const struct {
        std::string text, name;
        int ignored;
    } cases[] = {
        {"NACA 2412\n" + pairs + "\nBy A. Modeller, 12/03/2009\n", "NACA 2412", 1},
        {"NACA 2412\r\n" + pairs +
             "\r\n\r\nThis section was drawn for F3J tails.\r\n"
             "It likes 100000 and above; 3 versions exist.\r\n"
             "www.example-forum.org/foils (c) 2011\r\n",
         "NACA 2412", 3},
        {"NACA 2412\nsmoothed, 61 points\n" + pairs, "NACA 2412", 0},
        {"NACA 2412\n\n" + upper + "\n\n" + lower + "\n", "NACA 2412", 0},
        {"DP 1.68/8.37_DS (c)\"Author\" [v2] // test\n" + pairs + "Author\n",
         "DP 1.68/8.37_DS (c)\"Author\" [v2] // test", 1},
        {"NACA 2412\n" + pairs + "end of file\n\n1 0\n", "NACA 2412", 2},
        {fileText("lednicer.dat") + "\n# drawn again\nRev. B\n", "NACA 2412 (Lednicer)", 1},
    };
    for (const auto& c : cases) {
        int ignored = -1;
        const Outline outline = parseCoordinates(c.text, &ignored);
        EXPECT_EQ(outline.name, c.name);
        EXPECT_EQ(ignored, c.ignored) << c.text;
        const Outline reference = readCoordinateFile(kData + "selig.dat");
        ASSERT_EQ(outline.points.size(), reference.points.size()) << c.text;
        EXPECT_NEAR(outline.points[8].y, reference.points[8].y, 1e-9);
    }
}

// Sections drawn from their equations and dressed as forum files are.
TEST(CoordinateFile, ReadsTheForumFiles) {
    const std::pair<const char*, int> files[] = {
        {"author-after.dat", 3}, {"dp168.dat", 1},        {"lednicer-paragraph.dat", 3},
        {"two-titles.dat", 0},   {"blank-inside.dat", 0}, {"brackets.dat", 1},
        {"paragraph.dat", 5},    {"commas-tabs.dat", 1},  {"clockwise.dat", 1},
        {"chord100.dat", 1},     {"no-title.dat", 1},     {"latin1.dat", 1},
    };
    for (const auto& [name, ignored] : files) {
        int skipped = -1;
        const Outline outline = readCoordinateFile(kData + "../forum/" + name, &skipped);
        EXPECT_EQ(skipped, ignored) << name;
        EXPECT_GE(outline.points.size(), 99u) << name;
        EXPECT_FALSE(outline.name.empty()) << name;
    }
    EXPECT_EQ(readCoordinateFile(kData + "../forum/two-titles.dat").name, "SA 3410");
    EXPECT_EQ(readCoordinateFile(kData + "../forum/no-title.dat").name, "no-title");
}

TEST(CoordinateFile, RefusesWhatIsNoOutline) {
    EXPECT_EQ(refusal("just a name\n\n# and a comment\n"),
              "Le fichier ne contient aucune coordonnée.");
    EXPECT_NE(refusal("name\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n").find("au moins 10"),
              std::string::npos);
    EXPECT_NE(refusal("name\n1 0\n0.5 inf\n" + square(12)).find("Ligne 3"), std::string::npos);
    EXPECT_NE(refusal("name\n1 0\n0.5 nan\n" + square(12)).find("fini"), std::string::npos);
    EXPECT_NE(refusal("name\n" + square(12) + "0.5 0.1 0.2\n").find("deux nombres"),
              std::string::npos);
    // A point far behind the trailing edge.
    EXPECT_NE(refusal("1 0\n0.8 0.05\n0.5 0.08\n0.2 0.06\n0 0\n0.2 -0.03\n0.5 -0.04\n"
                      "1.3 -0.3\n0.9 -0.02\n0.95 -0.01\n1 0\n")
                  .find("sort de la corde"),
              std::string::npos);
    // Upper and lower surfaces swapped half way: the outline crosses itself.
    EXPECT_NE(refusal("1 0\n0.8 0.05\n0.6 -0.06\n0.4 0.07\n0.2 0.05\n0 0\n0.2 -0.04\n"
                      "0.4 0.06\n0.6 -0.05\n0.8 -0.03\n1 0\n")
                  .find("se recoupe"),
              std::string::npos);
    EXPECT_NE(refusal("name\n2. 3.\n0 0\n0.5 0.1\n1 0\n0 0\n0.5 -0.1\n1 0\n0.7 0\n")
                  .find("annonce 2 et 3 points"),
              std::string::npos);
    EXPECT_THROW(readCoordinateFile(kData + "missing.dat"), CoordinateError);
    EXPECT_THROW(readCoordinateFile(kData), CoordinateError);
}
