#include "formats/gliderfile.h"

#include "formats/keyedtext.h"
#include "model/errors.h"
#include "scratchdir.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kSim = std::string(KESH_SOURCE_DIR) + "/tests/formats/data/sim";
const std::string kTiny = kSim + "/gliders/Tiny/tiny.gli";
constexpr double kDeg = 0.01745329252;

void prepare(Glider& glider) {
    for (Surface& s : glider.surfaces) {
        s.computePaneValues();
        s.sumPanes();
    }
}

// The message of the error the read raises, or "" when it succeeds.
std::string readError(const std::string& path, const std::string& sim = kSim) {
    Glider glider;
    try {
        readGlider(glider, path, sim);
    } catch (const err& e) {
        return e.text().empty() ? "(empty message)" : e.text();
    }
    return {};
}

// A minimal glider file around the given [wing] body and extra text.
std::string gliderText(const std::string& wing, const std::string& rest = {}) {
    const std::string foil = "foil.filename = \"tiny.txt\"\n";
    return "[main]\nname = \"T\"\n[wing]\n" + foil + wing + "\n[hstab]\n" + foil + "[vstab]\n" +
           foil + rest;
}

std::string crlfLines(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines)
        out += std::string(line) + "\r\n";
    return out;
}

Glider smallGlider() {
    Glider g;
    g.name = "G";
    g.centrum = {-0.5f, 0, 0.25f};
    g.inertia = {1, 2, 3, 0};
    for (int slot : {WingLeft, WingRight}) {
        Surface& w = g.surfaces[slot];
        w.position = {0.1f, 0, 0};
        w.weight = 2;
        w.calage = float(kDeg);
        w.texturePath = "/some/dir/skin.raw";
        w.insertPane(-1);
        Pane& p = w.pane(0);
        p.env = 5;
        p.c1 = 1;
        p.c2 = 0.5f;
        p.fleche = 0.1f;
        p.diedre = float(2 * kDeg);
        p.color = {1, 0, 0};
        p.throwUp = 10;
        p.throwDown = -10;
    }
    g.surfaces[StabLeft].weight = 0.25f;
    Surface& fin = g.surfaces[Fin];
    fin.position = {2, 0, 0};
    fin.weight = 0.25f;
    fin.texturePath = "nosep.raw";
    fin.insertPane(-1);
    fin.pane(0).env = 1;
    fin.pane(0).c1 = 0.4f;
    fin.pane(0).c2 = 0.2f;
    fin.pane(0).fleche = 0.3f;
    fin.pane(0).color = {0, 0, 1};
    for (Surface& s : g.surfaces)
        s.foil.foilFilename = "f.txt";
    g.body.color = {0.5f, 0.5f, 0.5f};
    g.body.weight = 1.5f;
    g.body.sections = {{0, 0, 0.2f, 0.2f}, {2.5f, 0.1f, 0.1f, 0.1f}};
    return g;
}

} // namespace

TEST(ReadGlider, FillsMainSurfacesAndBody) {
    Glider g;
    readGlider(g, kTiny, kSim);
    EXPECT_EQ(g.valid, 1);
    EXPECT_EQ(g.path, kTiny);
    EXPECT_EQ(g.name, "Tiny");
    EXPECT_FLOAT_EQ(g.weight, 99);
    EXPECT_FLOAT_EQ(g.centrum[0], -0.25f);
    EXPECT_FLOAT_EQ(g.centrum[2], 0.1f);
    EXPECT_DOUBLE_EQ(g.inertia[1], 20);
    EXPECT_DOUBLE_EQ(g.inertia[3], 0.5);

    const Surface& wing = g.surfaces[WingLeft];
    EXPECT_EQ(wing.npart(), 2);
    EXPECT_FLOAT_EQ(wing.calage, float(2 * kDeg));
    EXPECT_FLOAT_EQ(wing.position[1], 0.05f);
    EXPECT_FLOAT_EQ(wing.weight, 4);
    EXPECT_EQ(wing.texturePath, kSim + "/gliders/Tiny/skin.raw");
    EXPECT_EQ(wing.foil.foilPath, kSim + "/airfoils/tiny.txt");
    EXPECT_EQ(wing.foil.name, "Tiny 10");
    const Pane& p2 = wing.pane(1);
    EXPECT_FLOAT_EQ(p2.c1, 0.8f);
    EXPECT_FLOAT_EQ(p2.diedre, float(6 * kDeg));
    EXPECT_EQ(p2.foil, &wing.foil);
    EXPECT_FLOAT_EQ(wing.pane(0).throwDown, -5);
    EXPECT_FLOAT_EQ(wing.pane(0).color[1], 0.5f);

    EXPECT_TRUE(g.surfaces[StabLeft].texturePath.empty());
    const Surface& fin = g.surfaces[Fin];
    EXPECT_EQ(fin.calage, 0.0f);
    EXPECT_EQ(fin.pane(0).diedre, 1.5707964f);

    EXPECT_EQ(g.body.texturePath, kSim + "/gliders/Tiny/body.raw");
    EXPECT_FLOAT_EQ(g.body.weight, 3);
    ASSERT_EQ(g.body.sections.size(), 3u);
    EXPECT_FLOAT_EQ(g.body.sections[2].x, 3.2f);
    EXPECT_FLOAT_EQ(g.body.sections[2].l, 0.05f);
}

TEST(ReadGlider, MirrorsTheSecondSidesAndChainsRootPoints) {
    Glider g;
    readGlider(g, kTiny, kSim);
    const Surface& left = g.surfaces[WingLeft];
    const Surface& right = g.surfaces[WingRight];
    EXPECT_EQ(left.side, -1);
    EXPECT_EQ(right.side, 1);
    EXPECT_EQ(right.npart(), 2);
    EXPECT_EQ(right.pane(1).side, 1);
    EXPECT_EQ(g.surfaces[StabRight].side, 1);
    EXPECT_DOUBLE_EQ(left.pane(0).rootPoint[0], -double(0.1f));
    EXPECT_DOUBLE_EQ(left.pane(0).rootPoint[1], -double(0.05f));
    EXPECT_DOUBLE_EQ(right.pane(0).rootPoint[1], double(0.05f));
    const double dihedral = double(float(3 * kDeg));
    EXPECT_NEAR(left.pane(1).rootPoint[1], -0.05 - 3 * std::cos(dihedral), 1e-6);
    EXPECT_NEAR(right.pane(1).rootPoint[1], 0.05 + 3 * std::cos(dihedral), 1e-6);
    EXPECT_NEAR(right.pane(1).rootPoint[2], 0.2 + 3 * std::sin(dihedral), 1e-6);
    EXPECT_NEAR(g.surfaces[Fin].pane(0).rootPoint[0], -2.9, 1e-6);
}

TEST(ReadGlider, TotalsThroughALoadedFile) {
    Glider g;
    readGlider(g, kTiny, kSim);
    prepare(g);
    EXPECT_FLOAT_EQ(g.span(), 10);
    EXPECT_FLOAT_EQ(g.wingArea(), 7.8f);
    EXPECT_FLOAT_EQ(g.totalWeight(), 12.5f);
    EXPECT_NEAR(g.wingLoading(), 12.5 * 10 / 7.8, 1e-4);
}

TEST(ReadGlider, FinWithoutCalageOrDihedralAndTheLastWingWins) {
    ScratchDir dir;
    writeBytes(dir / "a.gli",
               gliderText("npart = \"1\"\npane1.env = \"1\"\n",
                          "npart = \"1\"\npane1.env = \"2\"\n[wing]\nfoil.filename = "
                          "\"tiny.txt\"\nnpart = \"1\"\npane1.env = \"7\"\n"));
    Glider g;
    readGlider(g, dir / "a.gli", kSim);
    EXPECT_FLOAT_EQ(g.surfaces[WingLeft].pane(0).env, 7);
    EXPECT_FLOAT_EQ(g.surfaces[Fin].pane(0).env, 2);
    EXPECT_EQ(g.surfaces[Fin].calage, 0.0f);
    EXPECT_EQ(g.surfaces[Fin].pane(0).diedre, 1.5707964f);
}

TEST(ReadGlider, BodyQuirks) {
    ScratchDir dir;
    // No [body]; coord stands in [main]; a trailing group of two numbers.
    writeBytes(dir / "a.gli", "// c\n[main]\nname = \"T\"\ncoord = \"1 2 3 4\n5 6\"\n[wing]\n"
                              "foil.filename = \"tiny.txt\"\n[hstab]\nfoil.filename = "
                              "\"tiny.txt\"\n[vstab]\nfoil.filename = \"tiny.txt\"\n");
    Glider g;
    readGlider(g, dir / "a.gli", kSim);
    EXPECT_EQ(g.body.texturePath, kSim + "/gliders/");
    EXPECT_EQ(g.body.weight, 0.0f);
    ASSERT_EQ(g.body.sections.size(), 2u);
    EXPECT_FLOAT_EQ(g.body.sections[1].z, 6);
    EXPECT_EQ(g.body.sections[1].h, 0.0f);
    // An empty body texture stays empty when written back.
    EXPECT_NE(gliderFileText(g).find("texture = \"\"\r\n\r\n// x z h"), std::string::npos);
}

TEST(ReadGlider, OutOfRangeNumbersReadAsZero) {
    ScratchDir dir;
    writeBytes(dir / "a.gli",
               gliderText("npart = \"1\"\npane1.env = \"1e999\"\npane1.cord.c1 = \"nan\"\n"
                          "position.x = \"1e40\"\n"));
    Glider g;
    readGlider(g, dir / "a.gli", kSim);
    EXPECT_EQ(g.surfaces[WingLeft].pane(0).env, 0.0f);
    EXPECT_EQ(g.surfaces[WingLeft].pane(0).c1, 0.0f);
    EXPECT_EQ(g.surfaces[WingLeft].position[0], 0.0f);
}

TEST(ReadGlider, TooManyPanesAreRefusedNamingSectionAndCount) {
    ScratchDir dir;
    writeBytes(dir / "a.gli", gliderText("npart = \"10\"\n", "npart = \"11\"\n"));
    const std::string message = readError(dir / "a.gli");
    EXPECT_NE(message.find("[vstab]"), std::string::npos) << message;
    EXPECT_NE(message.find("11"), std::string::npos) << message;
    writeBytes(dir / "b.gli", gliderText("npart = \"-1\"\n"));
    EXPECT_NE(readError(dir / "b.gli").find("[wing]"), std::string::npos);
    Glider g;
    EXPECT_THROW(readGlider(g, dir / "a.gli", kSim), errLoadGlider);
}

// Every malformed file gives an error with a message, never a crash.
TEST(ReadGlider, MalformedFilesGiveClearErrors) {
    ScratchDir dir;
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) % 256);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"no-main", "[wing]\nnpart = \"1\"\n"},
        {"header-at-end", "[main]"},
        {"binary", binary},
        {"huge-npart", gliderText("npart = \"2147483647\"\n")},
        {"missing-foil", "[main]\nname = \"T\"\n[wing]\nfoil.filename = \"nofoil.txt\"\n"},
        {"foil-is-dir", "[main]\nname = \"T\"\n[wing]\nfoil.filename = \"..\"\n"},
        {"foil-is-device", "[main]\nname = \"T\"\n[wing]\nfoil.filename = "
                           "\"..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\dev\\zero\"\n"},
        {"old-foil", "[main]\nname = \"T\"\n[wing]\nfoil.filename = \"old.txt\"\n"},
        {"unclosed-quote", "[main]\nname = \"T\n[wing]\nnpart = \"3\n"},
        {"only-brackets", std::string(100000, '[')},
    };
    for (const auto& [name, text] : cases) {
        writeBytes(dir / name, text);
        EXPECT_NE(readError(dir / name), "") << name;
    }
    EXPECT_NE(readError(dir.path()), "");
    EXPECT_NE(readError(dir / "absent.gli"), "");
}

// A damaged file says what is wrong with it and where, instead of naming the airfoils
// directory as a missing airfoil.
TEST(ReadGlider, BrokenFilesNameTheMissingSectionOrKeyAndTheLine) {
    ScratchDir dir;
    const std::string whole = readBytes(kTiny);
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk += char((i * 2654435761u) >> 24);
    const std::size_t hstab = whole.find("[hstab]");
    ASSERT_NE(hstab, std::string::npos);
    const auto linesIn = [](const std::string& text) {
        return std::to_string(std::count(text.begin(), text.end(), '\n') + 1);
    };
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } cases[] = {
        {"missing-section",
         "// c\n[main]\nname = \"T\"\n[wing]\nfoil.filename = \"tiny.txt\"\n"
         "[vstab]\nfoil.filename = \"tiny.txt\"\n",
         "la section [hstab] manque (le fichier s'arrête à la ligne 7)"},
        {"cut-before-hstab", whole.substr(0, hstab),
         "la section [hstab] manque (le fichier s'arrête à la ligne " +
             linesIn(whole.substr(0, hstab - 1)) + ")"},
        {"cut-in-key", "// c\n[main]\nname = \"T\"\n\n[wing]\nnpart = \"1\"\nfoil.filen",
         "la section [wing] de la ligne 5 n'a pas de clé foil.filename"},
        {"junk", junk, "n'est pas un fichier planeur : aucune de ses"},
        {"text", "hello\nworld\n", "aucune de ses 2 lignes n'ouvre une section [main]"},
        {"cut-in-body", whole.substr(0, whole.find("coord")),
         "la section [body] de la ligne " + linesIn(whole.substr(0, whole.find("[body]"))) +
             " n'a pas de clé coord"},
        {"cut-in-fin-pane", whole.substr(0, whole.find("cord.c1", whole.find("[vstab]"))),
         "la section [vstab] de la ligne " + linesIn(whole.substr(0, whole.find("[vstab]"))) +
             " n'a pas de clé pane1.throw.down"},
        {"empty-main", "// c\n\n[main]\n[wing]\nfoil.filename = \"tiny.txt\"\n",
         "la section [main] est absente ou vide (ligne 3)"},
    };
    for (const auto& c : cases) {
        writeBytes(dir / c.name, c.text);
        const std::string message = readError(dir / c.name);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
        EXPECT_EQ(message.find("not found"), std::string::npos) << c.name << ": " << message;
    }
}

TEST(ReadGlider, ASurfaceSavedWithoutItsAirfoilOpensAgainWithoutOne) {
    ScratchDir dir;
    Glider original;
    readGlider(original, kTiny, kSim);
    original.surfaces[Fin].foil = Foil{};
    writeBytes(dir / "a.gli", gliderFileText(original));
    Glider back;
    readGlider(back, dir / "a.gli", kSim);
    EXPECT_TRUE(back.surfaces[Fin].foil.points.empty());
    EXPECT_EQ(back.surfaces[Fin].npart(), original.surfaces[Fin].npart());
    EXPECT_FALSE(back.surfaces[WingLeft].foil.points.empty());
    EXPECT_EQ(gliderFileText(back), gliderFileText(original));
}

TEST(ReadGlider, UnreadableAndOversizedFilesAreRefusedWithAMessage) {
    ScratchDir dir;
    EXPECT_NE(readError(dir / "none.gli").find("Impossible de lire"), std::string::npos);
    writeBytes(dir / "big.gli", "[main]\nname = \"x\"\n" + std::string(kMaxTextFileSize, ' '));
    EXPECT_NE(readError(dir / "big.gli").find("trop gros"), std::string::npos);
    writeBytes(dir / "nomain.gli", "[wing]\n");
    try {
        Glider g;
        readGlider(g, dir / "nomain.gli", kSim);
        FAIL();
    } catch (const errLoadGlider& e) {
        EXPECT_NE(e.text().find("[main]"), std::string::npos);
        EXPECT_EQ(e.caption(), "Erreur");
    }
}

TEST(GliderFileText, WritesTheExactLayout) {
    const std::string expected = crlfLines({
        "//",
        "// File generated with Vantair Editor",
        "//",
        "// Vantair sailplanes definition",
        "// Made with kesh by Corvel Works",
        "//",
        "// You are greatly encouraged to make your own",
        "// sailplane definition files. And publish them",
        "// to the Vantair web site",
        "//",
        "// Remarks :",
        "// All distances are meters",
        "// All angles degres",
        "//",
        "",
        "",
        "[main]",
        "",
        "name = \"G\"",
        "",
        "weight = \"6\"",
        "",
        "centrum.x = \"0.5\"",
        "centrum.y = \"0\"",
        "centrum.z = \"0.25\"",
        "",
        "I.xx = \"1\"",
        "I.yy = \"2\"",
        "I.zz = \"3\"",
        "I.xz = \"0\"",
        "",
        "[wing]",
        "",
        "position.x = \"0.1\"",
        "position.y = \"0\"",
        "position.z = \"0\"",
        "weight     = \"2\"",
        "foil.filename = \"f.txt\"",
        "calage  = \"1\"",
        "npart   = \"1\"",
        "texture = \"G\\skin.raw\"",
        "",
        "pane1.env        = \"5\"",
        "pane1.cord.c1    = \"1\"",
        "pane1.cord.c2    = \"0.5\"",
        "pane1.fleche     = \"0.1\"",
        "pane1.diedre     = \"2\"",
        "pane1.color.r    = \"1\"",
        "pane1.color.g    = \"0\"",
        "pane1.color.b    = \"0\"",
        "pane1.throw.up\t= \"10\"",
        "pane1.throw.down\t= \"-10\"",
        "",
        "[hstab]",
        "",
        "position.x = \"0\"",
        "position.y = \"0\"",
        "position.z = \"0\"",
        "weight     = \"0.25\"",
        "foil.filename = \"f.txt\"",
        "calage  = \"0\"",
        "npart   = \"0\"",
        "texture = \"\"",
        "",
        "",
        "[vstab]",
        "",
        "position.x = \"2\"",
        "position.y = \"0\"",
        "position.z = \"0\"",
        "weight     = \"0.25\"",
        "foil.filename = \"f.txt\"",
        "npart   = \"1\"",
        "texture = \"\"",
        "",
        "pane1.env        = \"1\"",
        "pane1.cord.c1    = \"0.4\"",
        "pane1.cord.c2    = \"0.2\"",
        "pane1.fleche     = \"0.3\"",
        "pane1.color.r    = \"0\"",
        "pane1.color.g    = \"0\"",
        "pane1.color.b    = \"1\"",
        "pane1.throw.up\t= \"0\"",
        "pane1.throw.down\t= \"0\"",
        "",
        "[body]",
        "",
        "color.r = \"0.5\"",
        "color.g = \"0.5\"",
        "color.b = \"0.5\"",
        "weight     = \"1.5\"",
        "texture = \"\"",
        "",
        "// x z h l position and size of elliptic sections",
        "// Warning separator fields is a TAB",
        "",
        "coord =\"",
        "0\t0\t0.2\t0.2",
        "2.5\t0.1\t0.1\t0.1\"",
        "",
    });
    EXPECT_EQ(gliderFileText(smallGlider()), expected);
}

TEST(GliderFileText, EmptyBodyCoordAndLargeOrSmallNumbers) {
    Glider g = smallGlider();
    g.body.sections.clear();
    g.body.weight = 1234567;
    g.body.color = {0.0001234567f, 0, 0};
    const std::string text = gliderFileText(g);
    EXPECT_NE(text.find("\r\ncoord =\"\"\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("weight     = \"1.23457e+06\""), std::string::npos);
    EXPECT_NE(text.find("color.r = \"0.000123457\""), std::string::npos);
}

TEST(WriteGlider, WriteReadRoundTripToSixDigits) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "gliders");
    Glider original;
    readGlider(original, kTiny, kSim);
    const std::string written = writeGlider(original, dir / "vantair.ini", "C:\\x\\copy.gli");
    EXPECT_EQ(written, dir / "gliders/Tiny/copy.gli");

    Glider back;
    readGlider(back, written, kSim);
    EXPECT_FLOAT_EQ(back.weight, original.totalWeight());
    EXPECT_FLOAT_EQ(back.centrum[0], original.centrum[0]);
    EXPECT_EQ(back.surfaces[WingLeft].texturePath, kSim + "/gliders/Tiny/skin.raw");
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        const Surface& a = original.surfaces[slot];
        const Surface& b = back.surfaces[slot];
        ASSERT_EQ(a.npart(), b.npart());
        EXPECT_NEAR(a.calage, b.calage, 1e-6);
        for (int n = 0; n < a.npart(); ++n) {
            EXPECT_NEAR(a.pane(n).env, b.pane(n).env, 1e-5);
            EXPECT_NEAR(a.pane(n).diedre, b.pane(n).diedre, 1e-6);
            EXPECT_NEAR(a.pane(n).rootPoint[1], b.pane(n).rootPoint[1], 1e-5);
        }
    }
    EXPECT_EQ(back.body.sections.size(), original.body.sections.size());
    // The file written from what was read reads back into the same file.
    EXPECT_EQ(gliderFileText(back), readBytes(written));
}

TEST(WriteGlider, ReplacesThePreviousFileAndLeavesNoTemporary) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "gliders");
    Glider g = smallGlider();
    const std::string first = writeGlider(g, dir / "VANTAIR.INI", "g.gli");
    g.body.weight = 9;
    const std::string second = writeGlider(g, dir / "VANTAIR.INI", "/elsewhere/g.gli");
    EXPECT_EQ(first, second);
    EXPECT_EQ(readBytes(second), gliderFileText(g));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir / "gliders/G"))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(WriteGlider, AFailedSaveIsReportedAndKeepsWhatWasThere) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "gliders/G/g.gli");
    writeBytes(dir / "gliders/G/g.gli/keep", "x");
    try {
        writeGlider(smallGlider(), dir / "vantair.ini", "g.gli");
        FAIL() << "no exception";
    } catch (const errSaveGlider& e) {
        EXPECT_NE(e.text().find("g.gli"), std::string::npos);
        EXPECT_EQ(e.caption(), "Erreur");
    }
    EXPECT_EQ(readBytes(dir / "gliders/G/g.gli/keep"), "x");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir / "gliders/G"))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(AccentedNames, FilesHoldWindows1252AndPathsTakeTheFileSystemsSpelling) {
    const std::string stored = "H\xe9lios \x8cuvre";         // in the file
    const std::string onDisk = "H\xc3\xa9lios \xc5\x92uvre"; // as the file system spells it
    ScratchDir dir;
    writeBytes(dir / "sim/airfoils/profil\xc3\xa9.txt", readBytes(kSim + "/airfoils/tiny.txt"));
    const std::string surface =
        "foil.filename = \"profil\xe9.txt\"\ntexture = \"" + stored + "\\peau.raw\"\n";
    writeBytes(dir / "in.gli", "[main]\nname = \"" + stored + "\"\n[wing]\n" + surface +
                                   "[hstab]\n" + surface + "[vstab]\n" + surface);
    Glider glider;
    readGlider(glider, dir / "in.gli", dir / "sim");
    EXPECT_EQ(glider.name, stored);
    EXPECT_EQ(glider.surfaces[Fin].foil.foilPath, dir / "sim/airfoils/profil\xc3\xa9.txt");
    EXPECT_EQ(glider.surfaces[WingLeft].texturePath, dir / ("sim/gliders/" + onDisk + "/peau.raw"));

    std::filesystem::create_directories(dir / "save/gliders");
    const std::string written = writeGlider(glider, dir / "save/vantair.ini", "in.gli");
    EXPECT_EQ(written, dir / ("save/gliders/" + onDisk + "/in.gli"));
    const std::string text = readBytes(written);
    EXPECT_NE(text.find("name = \"" + stored + "\""), std::string::npos);
    EXPECT_NE(text.find("foil.filename = \"profil\xe9.txt\""), std::string::npos);
    EXPECT_NE(text.find("texture = \"" + stored + "\\peau.raw\""), std::string::npos);
}

TEST(AccentedNames, AFileNameTheFilesCannotHoldIsRefusedNotReplaced) {
    Glider glider = smallGlider();
    glider.surfaces[StabLeft].foil.foilFilename = "fl\xe2\x86\x92"
                                                  "che.txt";
    EXPECT_THROW(gliderFileText(glider), errSaveGlider);
    glider = smallGlider();
    glider.body.texturePath = "/d/\xe2\x86\x92.raw";
    EXPECT_THROW(gliderFileText(glider), errSaveGlider);
}
