#include "formats/foilfile.h"
#include "formats/gliderfile.h"
#include "scratchdir.h"

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

const std::string kSim = std::string(KESH_SOURCE_DIR) + "/tests/formats/data/sim";
const std::string kTiny = kSim + "/gliders/Tiny/tiny.gli";
const std::string kSample = std::string(KESH_SOURCE_DIR) + "/sample";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (const char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs kesh-tool in `dir` with a private configuration directory, after `env` (words for
// env(1)) when given.
ToolRun toolWith(const std::string& env, const std::vector<std::string>& args,
                 const ScratchDir& dir, const std::string& workingDir = {}) {
    std::string command = "cd " + quoted(workingDir.empty() ? dir.path() : workingDir) +
                          " && XDG_CONFIG_HOME=" + quoted(dir / "config") + " " +
                          (env.empty() ? "" : "env " + env + " ") + quoted(KESH_TOOL);
    for (const std::string& a : args)
        command += " " + quoted(a);
    command += " >" + quoted(dir / "out.txt") + " 2>" + quoted(dir / "err.txt");
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readBytes(dir / "out.txt");
    run.err = readBytes(dir / "err.txt");
    return run;
}

ToolRun tool(const std::vector<std::string>& args, const ScratchDir& dir,
             const std::string& workingDir = {}) {
    return toolWith({}, args, dir, workingDir);
}

// As on a server with no display at all.
ToolRun headless(const std::vector<std::string>& args, const ScratchDir& dir) {
    return toolWith("-u DISPLAY -u WAYLAND_DISPLAY", args, dir);
}

std::vector<std::filesystem::path> sampleGliders() {
    std::vector<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(kSample + "/gliders", ignored)) {
        if (entry.path().extension() == ".gli")
            files.push_back(entry.path());
    }
    return files;
}

} // namespace

TEST(KeshToolCheck, PrintsNameAndTotals) {
    ScratchDir dir;
    const ToolRun run = tool({"check", kTiny, "--sim", kSim}, dir);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "name: Tiny\nspan: 10\nwing-area: 7.8\ntotal-weight: 12.5\n"
                       "wing-loading: 16.0256\n");
}

TEST(KeshToolCheck, DerivesTheSimulatorDirectoryFromABinWorkingDirectory) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "sim/bin");
    std::filesystem::create_directory_symlink(kSim + "/airfoils", dir / "sim/airfoils");
    const ToolRun run = tool({"check", kTiny}, dir, dir / "sim/bin");
    EXPECT_EQ(run.status, 0) << run.err;
    std::filesystem::create_directories(dir / "sim/tools");
    EXPECT_EQ(tool({"check", kTiny}, dir, dir / "sim/tools").status, 1);
}

TEST(KeshToolCheck, RefusedFilesExitOneWithTheMessage) {
    ScratchDir dir;
    writeBytes(dir / "nofoil.gli", "[main]\nname = \"x\"\n[wing]\nfoil.filename = \"no.txt\"\n");
    const ToolRun run = tool({"check", dir / "nofoil.gli", "--sim", kSim}, dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Foilname '" + kSim + "/airfoils/no.txt' not found\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(tool({"check", dir / "absent.gli"}, dir).status, 1);
}

TEST(KeshToolUsage, BadCommandLinesExitTwo) {
    ScratchDir dir;
    EXPECT_EQ(tool({}, dir).status, 2);
    EXPECT_EQ(tool({"frobnicate"}, dir).status, 2);
    EXPECT_EQ(tool({"check"}, dir).status, 2);
    EXPECT_EQ(tool({"check", kTiny, "--bogus"}, dir).status, 2);
    EXPECT_EQ(tool({"check", kTiny, "--sim"}, dir).status, 2);
    EXPECT_EQ(tool({"save", kTiny, "--sim", kSim}, dir).status, 2);
    EXPECT_EQ(tool({"foil", "a.txt", "b.txt"}, dir).status, 2);
}

TEST(KeshToolDump, PrintsTheWholeModelAsJson) {
    ScratchDir dir;
    const ToolRun run = tool({"dump", kTiny, "--sim", kSim}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* field :
         {"\"name\": \"Tiny\"", "\"wingArea\": 7.79999971", "\"totalWeight\": 12.5",
          "\"diedre\": 1.57079637", "\"foil\": \"tiny.txt\"", "\"reynolds\": 10000000",
          "\"zeroIndex\": 1", "\"inertia\": [", "\"rootPoint\": [", "\"useTexture\": 1"})
        EXPECT_NE(run.out.find(field), std::string::npos) << field;
    EXPECT_EQ(run.out.find("textureId"), std::string::npos);
    EXPECT_EQ(run.out.find("displayList"), std::string::npos);
    if (std::system("python3 -c 'pass' >/dev/null 2>&1") == 0) {
        writeBytes(dir / "dump.json", run.out);
        const std::string check =
            "python3 -m json.tool " + quoted(dir / "dump.json") + " >/dev/null";
        EXPECT_EQ(std::system(check.c_str()), 0);
    }
}

TEST(KeshToolDump, EscapesNamesByteForByte) {
    ScratchDir dir;
    std::string text = readBytes(kTiny);
    text.replace(text.find("\"Tiny\""), 6, "\"T\xe9 \\ \t x\"");
    writeBytes(dir / "named.gli", text);
    const ToolRun run = tool({"dump", dir / "named.gli", "--sim", kSim}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"name\": \"T\\u00e9 \\\\ \\u0009 x\""), std::string::npos);
}

TEST(KeshToolFoil, PrintsConstantsAndPolars) {
    ScratchDir dir;
    const ToolRun run = tool({"foil", kSim + "/airfoils/tiny.txt"}, dir);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "name: Tiny 10\ncm0: -0.05\nalpha0: -2.5\npoints: 5\n"
                       "polar: reynolds 0, rows 3, zero-index 1\n"
                       "polar: reynolds 50000, rows 3, zero-index 1\n"
                       "polar: reynolds 100000, rows 2, zero-index 1\n"
                       "polar: reynolds 10000000, rows 2, zero-index 1\n");
    const ToolRun old = tool({"foil", kSim + "/airfoils/old.txt"}, dir);
    EXPECT_EQ(old.status, 1);
    EXPECT_NE(old.err.find("nbreynolds"), std::string::npos);
}

TEST(KeshToolSave, WritesIntoTheGliderDirectoryNextToTheIni) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "vsim/gliders");
    const ToolRun run =
        tool({"save", kTiny, "--sim", kSim, "--ini", dir / "vsim/vantair.ini"}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (dir / "vsim/gliders/Tiny/tiny.gli") + "\n");
    Glider glider;
    readGlider(glider, kTiny, kSim);
    EXPECT_EQ(readBytes(dir / "vsim/gliders/Tiny/tiny.gli"), gliderFileText(glider));

    const ToolRun renamed = tool(
        {"save", kTiny, "--sim", kSim, "--ini", dir / "vsim/vantair.ini", "--as", "x.gli"}, dir);
    EXPECT_EQ(renamed.out, (dir / "vsim/gliders/Tiny/x.gli") + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "config")) << "the user's settings were touched";
}

TEST(KeshToolSave, AFailedSaveExitsOne) {
    ScratchDir dir;
    const ToolRun run = tool({"save", kTiny, "--sim", kSim, "--ini", dir / "vantair.ini"}, dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Impossible de créer"), std::string::npos) << run.err;
}

TEST(KeshToolSheet, WritesDocHtmlInTheWorkingDirectory) {
    ScratchDir dir;
    const ToolRun run = tool({"sheet", kTiny, "--sim", kSim}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string sheet = readBytes(dir / "doc.html");
    EXPECT_NE(sheet.find("<TITLE> glider : Tiny</TITLE>\r\n"), std::string::npos);
    EXPECT_NE(sheet.find("<TD> Tiny 10</TD>"), std::string::npos);
    EXPECT_NE(sheet.find("<TD>10 metres</TD>"), std::string::npos);
    EXPECT_NE(sheet.find("<TD> 12.5 Kg</TD>"), std::string::npos);
}

TEST(KeshToolSample, EverySampleGliderChecksAndSavesByteIdentically) {
    const auto files = sampleGliders();
    ASSERT_GE(files.size(), 4u);
    for (const auto& file : files) {
        ScratchDir dir;
        std::filesystem::create_directories(dir / "gliders");
        const ToolRun check = tool({"check", file.string(), "--sim", kSample}, dir);
        EXPECT_EQ(check.status, 0) << file << check.err;
        const ToolRun save =
            tool({"save", file.string(), "--sim", kSample, "--ini", dir / "vantair.ini"}, dir);
        ASSERT_EQ(save.status, 0) << file << save.err;
        const std::string written = save.out.substr(0, save.out.size() - 1);
        EXPECT_EQ(std::filesystem::path(written).filename(), file.filename());
        EXPECT_TRUE(readBytes(written) == readBytes(file.string())) << file;
    }
}

namespace {

// The numbers of one key of a JSON object: its value or its array's; none for null.
std::vector<double> jsonNumbers(const std::string& json, const std::string& key) {
    std::vector<double> values;
    std::size_t pos = json.find("\"" + key + "\":");
    if (pos == std::string::npos)
        return values;
    pos = json.find_first_not_of(" \n", pos + key.size() + 3);
    if (pos == std::string::npos)
        return values;
    const bool array = json[pos] == '[';
    pos += array ? 1 : 0;
    for (;;) {
        char* end = nullptr;
        const double value = std::strtod(json.c_str() + pos, &end);
        if (end == json.c_str() + pos)
            break;
        values.push_back(value);
        if (!array)
            break;
        pos = json.find_first_not_of(" \n,", std::size_t(end - json.c_str()));
        if (pos == std::string::npos)
            break;
    }
    return values;
}

} // namespace

// Each sample with the best glide ratios plausible for its kind of model.
TEST(KeshToolSample, EverySampleIsBalancedByTheAnalysisAndGlidesLikeItsKind) {
    const struct {
        const char* name;
        double minGlide, maxGlide;
    } samples[] = {{"Pipit", 12, 20}, {"Harle", 20, 35}, {"Martinet", 10, 20}, {"Mouette", 14, 26}};
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::string file = kSample + "/gliders/" + sample.name + "/" + sample.name + ".gli";
        ScratchDir dir;
        const ToolRun run = tool({"analyse", file, "--sim", kSample, "--json"}, dir);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<double> margin = jsonNumbers(run.out, "staticMargin");
        const std::vector<double> glide = jsonNumbers(run.out, "bestGlide");
        ASSERT_EQ(margin.size(), 1u);
        ASSERT_EQ(glide.size(), 1u);
        EXPECT_GE(margin[0], 0.05);
        EXPECT_LE(margin[0], 0.20);
        EXPECT_GE(glide[0], sample.minGlide);
        EXPECT_LE(glide[0], sample.maxGlide);

        // The file holds the analysis' own estimate, rounded to millimetres and 3 digits.
        Glider glider;
        readGlider(glider, file, kSample);
        const std::vector<double> cg = jsonNumbers(run.out, "cg");
        const std::vector<double> inertia = jsonNumbers(run.out, "inertia");
        ASSERT_EQ(cg.size(), 3u);
        ASSERT_EQ(inertia.size(), 4u);
        EXPECT_NEAR(-glider.centrum[0], cg[0], 0.0006);
        EXPECT_NEAR(glider.centrum[2], cg[2], 0.0006);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(glider.inertia[i], inertia[i], 0.006 * std::abs(inertia[i]) + 1e-5) << i;
    }
}

TEST(KeshToolAnalyse, PrintsEveryFigureAsJson) {
    ScratchDir dir;
    const ToolRun run = tool({"analyse", kTiny, "--sim", kSim, "--json"}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    writeBytes(dir / "a.json", run.out);
    const std::string check =
        "python3 -c 'import json,sys\n"
        "d = json.load(open(sys.argv[1]))\n"
        "for k in [\"span\", \"wingArea\", \"aspectRatio\", \"mac\", \"macLeadingEdgeX\", "
        "\"neutralPointX\", \"staticMargin\", \"tailVolumeH\", \"tailVolumeV\", \"stallSpeed\", "
        "\"bestGlide\", \"bestGlideSpeed\", \"minSink\", \"minSinkSpeed\"]:\n"
        "    assert isinstance(d[k], float), k\n"
        "assert len(d[\"cg\"]) == 3 and len(d[\"inertia\"]) == 4\n"
        "s = [p[\"speed\"] for p in d[\"polar\"]]\n"
        "assert s == sorted(s) and s[0] == d[\"stallSpeed\"] and s[-1] >= 3 * s[0] * 0.999999\n"
        "assert all(set(p) == {\"speed\", \"sink\", \"glide\", \"cl\"} for p in d[\"polar\"])\n"
        "assert d[\"cLAlpha\"] > 3 and d[\"cmAlpha\"] < 0 and isinstance(d[\"warnings\"], list)\n"
        "t = d[\"trim\"]\n"
        "assert (t is None) == (d[\"noTrim\"] is not None)\n"
        "assert t is None or set(t) == {\"alpha\", \"cl\", \"speed\", \"sink\", \"glide\"}\n"
        "w = d[\"spanLoadingAtStall\"][\"wing\"]\n"
        "assert len(w[\"y\"]) == len(w[\"cl\"]) == len(w[\"ccl\"]) > 4 and w[\"y\"] == "
        "sorted(w[\"y\"])\n"
        "assert d[\"stallStart\"][\"surface\"] in (\"wing\", \"stabiliser\")\n"
        "' " +
        quoted(dir / "a.json");
    EXPECT_EQ(std::system(check.c_str()), 0) << run.out;
    EXPECT_NE(run.out.find("\"span\": 9.96986"), std::string::npos);
}

TEST(KeshToolAnalyse, FiguresThatCannotBeComputedAreNull) {
    ScratchDir dir;
    std::string text = readBytes(kTiny);
    for (const char* weight : {"weight     = \"4\"", "weight     = \"0.5\"", "weight     = \"3\""})
        while (text.find(weight) != std::string::npos)
            text.replace(text.find(weight), std::strlen(weight), "weight = \"0\"");
    writeBytes(dir / "light.gli", text);
    const ToolRun json = tool({"analyse", dir / "light.gli", "--sim", kSim, "--json"}, dir);
    ASSERT_EQ(json.status, 0) << json.err;
    for (const char* key : {"\"cg\": null", "\"inertia\": null", "\"bestGlide\": null",
                            "\"polar\": null", "\"stallSpeed\": null"})
        EXPECT_NE(json.out.find(key), std::string::npos) << key;
    EXPECT_NE(json.out.find("\"span\": 9.96986"), std::string::npos);
    const ToolRun plain = tool({"analyse", dir / "light.gli", "--sim", kSim}, dir);
    EXPECT_NE(plain.out.find("min-sink: none (poids nul)"), std::string::npos) << plain.out;
}

TEST(KeshToolAnalyse, OptionsChangeTheDragAndBadOnesExitTwo) {
    ScratchDir dir;
    const auto bestGlide = [&](std::vector<std::string> extra) {
        std::vector<std::string> args{"analyse", kTiny, "--sim", kSim};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolRun run = tool(args, dir);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::size_t at = run.out.find("best-glide: ");
        return at == std::string::npos ? 0.0 : std::atof(run.out.c_str() + at + 12);
    };
    const double all = bestGlide({});
    EXPECT_GT(bestGlide({"--without", "wing-induced,fuselage"}), all);
    EXPECT_LT(bestGlide({"--span-efficiency", "0.6"}), all);
    EXPECT_EQ(tool({"analyse", kTiny, "--without", "wings"}, dir).status, 2);
    EXPECT_EQ(tool({"analyse", kTiny, "--span-efficiency", "1.5"}, dir).status, 2);
    EXPECT_EQ(tool({"analyse", kTiny, "--span-efficiency", "x"}, dir).status, 2);
    const auto panels = [&](const std::string& grid) {
        const ToolRun run = tool({"analyse", kTiny, "--sim", kSim, "--grid", grid}, dir);
        const std::size_t at = run.out.find("panels: ");
        return at == std::string::npos ? 0 : std::atoi(run.out.c_str() + at + 8);
    };
    EXPECT_GT(panels("24x16"), 3 * panels("12x8"));
    for (const char* bad : {"0", "12x", "x4", "12x4x2", "1000"})
        EXPECT_EQ(tool({"analyse", kTiny, "--grid", bad}, dir).status, 2) << bad;
}

TEST(KeshToolReport, WritesOneEscapedPageWithItsPictures) {
    ScratchDir dir;
    std::string text = readBytes(kTiny);
    text.replace(text.find("\"Tiny\""), 6, "\"<b>T&\xe9\"");
    writeBytes(dir / "named.gli", text);
    const ToolRun run =
        tool({"report", dir / "named.gli", "--sim", kSim, "-o", dir / "r.html"}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string html = readBytes(dir / "r.html");
    EXPECT_NE(html.find("<h1>&lt;b&gt;T&amp;\xc3\xa9</h1>"), std::string::npos)
        << html.substr(0, 400);
    EXPECT_EQ(html.find("<b>T"), std::string::npos);
    std::size_t images = 0;
    for (std::size_t at = html.find("<img"); at != std::string::npos;
         at = html.find("<img", at + 1))
        ++images;
    EXPECT_EQ(images, 5u); // top, front, side, the polar and the span loading
    EXPECT_NE(html.find("Finesse max"), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - 8), "</html>\n");

    EXPECT_EQ(tool({"report", kTiny, "--sim", kSim, "-o", dir / "no/such/dir/r.html"}, dir).status,
              1);
    EXPECT_EQ(tool({"report", kTiny, "--sim", kSim}, dir).status, 2);
}

namespace {

// A PATH holding only an "xfoil" that is the tests' fake, or no xfoil at all.
class FakeXfoilPath {
public:
    explicit FakeXfoilPath(bool withXfoil) : saved_(std::getenv("PATH")) {
        std::string path = bin_.path();
        if (withXfoil) {
            std::filesystem::create_symlink(
                std::string(KESH_SOURCE_DIR) + "/tests/aero/xfoil/data/xfoil-fake", bin_ / "xfoil");
            path += ":/usr/bin:/bin";
        }
        ::setenv("PATH", path.c_str(), 1);
    }
    ~FakeXfoilPath() { ::setenv("PATH", saved_.c_str(), 1); }

private:
    ScratchDir bin_;
    std::string saved_;
};

} // namespace

TEST(KeshToolFoilImport, WritesTheAirfoilFileFromACodeOrACoordinateFile) {
    ScratchDir dir;
    const FakeXfoilPath fake(true);
    const ToolRun naca = tool({"foil-import", "NACA2412", "-o", dir / "n2412.txt"}, dir);
    ASSERT_EQ(naca.status, 0) << naca.err;
    EXPECT_EQ(naca.out.substr(0, naca.out.find('\n')),
              "re 50000: 5 points, cl max 0.5 at 2 deg, cd min 0.01");
    Foil foil;
    loadFoil(foil, dir / "n2412.txt");
    EXPECT_EQ(foil.name, "NACA 2412");
    EXPECT_EQ(foil.points.size(), 101u);
    EXPECT_EQ(foil.polars.size(), 6u);
    EXPECT_GT(foil.polars[1].rows.size(), 50u); // extended to the whole circle

    // One Reynolds number failing among good ones is reported and left out.
    const ToolRun file =
        tool({"foil-import",
              std::string(KESH_SOURCE_DIR) + "/tests/formats/data/coordinates/lednicer.dat", "-o",
              dir / "led.txt", "--re", "100000,300000", "--points", "41", "--no-extend", "--name",
              "Mine"},
             dir);
    ASSERT_EQ(file.status, 0) << file.err;
    EXPECT_NE(file.err.find("Reynolds 300000"), std::string::npos);
    loadFoil(foil, dir / "led.txt");
    EXPECT_EQ(foil.name, "Mine");
    EXPECT_EQ(foil.points.size(), 41u);
    ASSERT_EQ(foil.polars.size(), 3u);
    EXPECT_EQ(foil.polars[1].reynolds, 100000);
    EXPECT_EQ(foil.polars[1].rows.size(), 5u);
}

TEST(KeshToolFoilImport, RefusesWithAClearMessageAndWritesNothing) {
    ScratchDir dir;
    {
        const FakeXfoilPath none(false);
        const ToolRun missing = tool({"foil-import", "NACA 0012", "-o", dir / "f.txt"}, dir);
        EXPECT_EQ(missing.status, 1);
        EXPECT_NE(missing.err.find("paquet Debian « xfoil »"), std::string::npos) << missing.err;
    }
    const FakeXfoilPath fake(true);
    writeBytes(dir / "bad.dat", "name only\n");
    const ToolRun bad = tool({"foil-import", dir / "bad.dat", "-o", dir / "f.txt"}, dir);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Le fichier ne contient aucune coordonnée.\n");
    const ToolRun failing =
        tool({"foil-import", "NACA 0012", "-o", dir / "f.txt", "--re", "300000"}, dir);
    EXPECT_EQ(failing.status, 1);
    EXPECT_NE(failing.err.find("Aucun nombre de Reynolds"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string().rfind("f.txt", 0), 0u) << entry.path();
    EXPECT_EQ(tool({"foil-import", "NACA 0012"}, dir).status, 2);
    EXPECT_EQ(tool({"foil-import", "NACA 0012", "-o", dir / "f.txt", "--points", "x"}, dir).status,
              2);
}

TEST(KeshToolSkins, TextureGoesToPngAndBackByteForByteAndTheTemplateIsDrawn) {
    ScratchDir dir;
    std::string texels(256 * 256 * 3, '\0');
    for (std::size_t i = 0; i < texels.size(); ++i)
        texels[i] = char(i * 37 % 256);
    writeBytes(dir / "skin.raw", texels);
    ASSERT_EQ(tool({"texture-export", dir / "skin.raw", "-o", dir / "skin.png"}, dir).status, 0);
    EXPECT_EQ(readBytes(dir / "skin.png").substr(1, 3), "PNG");
    const ToolRun back =
        tool({"texture-import", dir / "skin.png", "-o", dir / "back.raw", "--fit", "crop"}, dir);
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(readBytes(dir / "back.raw"), texels);

    const ToolRun drawn = tool({"skin-template", kTiny, "--sim", kSim, "--part", "wing", "-o",
                                dir / "wing.png", "--size", "512"},
                               dir);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    const ToolRun imported =
        tool({"texture-import", dir / "wing.png", "-o", dir / "wing.raw"}, dir);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(std::filesystem::file_size(dir / "wing.raw"), 256u * 256 * 3);
}

TEST(KeshToolSkins, BadInputIsRefusedAndWritesNothing) {
    ScratchDir dir;
    writeBytes(dir / "broken.jpg", "not an image");
    writeBytes(dir / "long.raw", std::string(256 * 256 * 3 + 3, 'x'));
    // Tiny without its fin.
    std::string finless = readBytes(kTiny);
    const std::size_t fin = finless.find("npart   = \"1\"", finless.find("[vstab]"));
    ASSERT_NE(fin, std::string::npos);
    finless.replace(fin, 13, "npart   = \"0\"");
    writeBytes(dir / "finless.gli", finless);

    const ToolRun image = tool({"texture-import", dir / "broken.jpg", "-o", dir / "out"}, dir);
    EXPECT_EQ(image.status, 1);
    EXPECT_NE(image.err.find("broken.jpg"), std::string::npos) << image.err;
    const ToolRun texture = tool({"texture-export", dir / "long.raw", "-o", dir / "out"}, dir);
    EXPECT_EQ(texture.status, 1);
    EXPECT_NE(texture.err.find("196611"), std::string::npos) << texture.err;
    const ToolRun part = tool(
        {"skin-template", dir / "finless.gli", "--sim", kSim, "--part", "fin", "-o", dir / "out"},
        dir);
    EXPECT_EQ(part.status, 1);
    EXPECT_EQ(part.err, "the glider has no fin to paint\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));

    EXPECT_EQ(tool({"skin-template", kTiny, "--part", "tail", "-o", dir / "out"}, dir).status, 2);
    EXPECT_EQ(
        tool({"skin-template", kTiny, "--part", "wing", "-o", dir / "o", "--size", "300"}, dir)
            .status,
        2);
    EXPECT_EQ(tool({"texture-import", dir / "a.png", "-o", dir / "o", "--fit", "x"}, dir).status,
              2);
}

TEST(KeshToolHelp, EveryCommandHasItsUsageFromTheReadme) {
    ScratchDir dir;
    const ToolRun help = tool({"--help"}, dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("usage: kesh-tool COMMAND", 0), 0u) << help.out;
    EXPECT_EQ(tool({"-h"}, dir).out, help.out);
    const std::string readme = readBytes(std::string(KESH_SOURCE_DIR) + "/README.md");
    for (const std::string name :
         {"analyse", "check", "dump", "foil", "foil-import", "new", "render", "report", "save",
          "sheet", "skin-template", "texture-export", "texture-import", "tune"}) {
        EXPECT_NE(readme.find("| `kesh-tool " + name + " "), std::string::npos) << name;
        for (const char* asking : {"--help", "-h"}) {
            const ToolRun one = tool({name, asking}, dir);
            EXPECT_EQ(one.status, 0) << name << " " << asking;
            const std::string synopsis = "kesh-tool " + name + " ";
            EXPECT_EQ(one.out.rfind("usage: " + synopsis, 0), 0u) << one.out;
            EXPECT_NE(help.out.find(one.out.substr(7)), std::string::npos) << name;
        }
    }
    // The options as the README writes them, markdown taken out.
    EXPECT_NE(help.out.find("[--view free|top|left|front]"), std::string::npos);
    EXPECT_NE(help.out.find("--part wing|stab|fin|body"), std::string::npos);
    EXPECT_EQ(help.out.find('`'), std::string::npos);
}

TEST(KeshToolHelp, HelpWinsOverTheCommandAndUnknownCommandsStayErrors) {
    ScratchDir dir;
    const ToolRun run =
        tool({"render", kTiny, "--sim", kSim, "-o", dir / "out.png", "--help"}, dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.png"));
    const ToolRun unknown = tool({"frobnicate", "--help"}, dir);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("kesh-tool --help"), std::string::npos) << unknown.err;
}

namespace {

struct PictureDifference {
    int differing = 0; // pixels with a channel more than 2 apart
    int drawn = 0;     // pixels of the first picture that are not white
};

PictureDifference difference(const QImage& a, const QImage& b) {
    PictureDifference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            d.drawn += (p & 0xffffff) != 0xffffff ? 1 : 0;
            d.differing += std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                                   std::abs(qBlue(p) - qBlue(q)) > 2
                               ? 1
                               : 0;
        }
    return d;
}

} // namespace

TEST(KeshToolHeadless, RenderWithoutADisplayDrawsWhatTheDisplayDraws) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no display to compare with";
    ScratchDir dir;
    const std::string harle = kSample + "/gliders/Harle/Harle.gli";
    for (const std::vector<std::string>& view :
         {std::vector<std::string>{},
          {"--rot", "-60,30", "--zoom", "6.5", "--size", "500x400"},
          {"--view", "front", "--lines", "--zoom", "4"}}) {
        std::vector<std::string> args = {"render", harle, "--sim", kSample, "-o"};
        std::vector<std::string> onDisplay = args;
        onDisplay.push_back(dir / "display.png");
        args.push_back(dir / "none.png");
        onDisplay.insert(onDisplay.end(), view.begin(), view.end());
        args.insert(args.end(), view.begin(), view.end());
        ASSERT_EQ(tool(onDisplay, dir).status, 0);
        const ToolRun run = headless(args, dir);
        ASSERT_EQ(run.status, 0) << run.err;
        const QImage shown(QString::fromStdString(dir / "display.png"));
        const QImage drawn(QString::fromStdString(dir / "none.png"));
        ASSERT_EQ(drawn.size(), shown.size());
        const PictureDifference d = difference(shown, drawn);
        EXPECT_GT(d.drawn, 1000) << view.size();
        EXPECT_LE(d.differing, shown.width() * shown.height() / 2000) << view.size();
    }
}

TEST(KeshToolHeadless, ReportAndSkinTemplateNeedNoDisplay) {
    ScratchDir dir;
    const ToolRun report = headless({"report", kTiny, "--sim", kSim, "-o", dir / "r.html"}, dir);
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string html = readBytes(dir / "r.html");
    EXPECT_EQ(html.find("Images indisponibles"), std::string::npos);
    EXPECT_NE(html.find("<img alt=\"Vue de haut\" src=\"data:image/png;base64,"),
              std::string::npos);

    const ToolRun skin = headless(
        {"skin-template", kTiny, "--sim", kSim, "--part", "wing", "-o", dir / "wing.png"}, dir);
    ASSERT_EQ(skin.status, 0) << skin.err;
    EXPECT_EQ(QImage(QString::fromStdString(dir / "wing.png")).size(), QSize(256, 256));
}

TEST(KeshToolNew, ListsTheTemplatesAndWritesOneWithItsAirfoils) {
    ScratchDir dir;
    const ToolRun listed = tool({"new", "--list"}, dir);
    ASSERT_EQ(listed.status, 0) << listed.err;
    for (const char* name :
         {"Vide ", "Thermique ", "LanceMain ", "Duree ", "AileVolante ", "EmpennageV "})
        EXPECT_NE(("\n" + listed.out).find(std::string("\n") + name), std::string::npos)
            << listed.out;

    std::filesystem::create_directories(dir / "sim");
    const ToolRun made = tool({"new", "Duree", "--name", "Longue", "--sim", dir / "sim"}, dir);
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string path = dir / "sim/gliders/Longue/Longue.gli";
    EXPECT_EQ(made.out, path + "\n");
    Glider glider;
    readGlider(glider, path, dir / "sim"); // its airfoils are found in the simulator's own
    EXPECT_EQ(glider.name, "Longue");
    const std::string templates = std::string(KESH_SOURCE_DIR) + "/templates";
    for (const char* foil : {"modele3410.txt", "modele0008.txt"})
        EXPECT_EQ(readBytes(dir / "sim/airfoils/" + foil),
                  readBytes(templates + "/airfoils/" + foil));

    // A second glider sharing an identical airfoil is fine; a different file of the same name,
    // or a glider file already there, is refused and nothing is written.
    EXPECT_EQ(tool({"new", "Thermique", "--name", "T", "--sim", dir / "sim"}, dir).status, 0);
    writeBytes(dir / "sim/airfoils/modele0008.txt", "mine");
    const ToolRun clash = tool({"new", "EmpennageV", "--name", "V", "--sim", dir / "sim"}, dir);
    EXPECT_EQ(clash.status, 1);
    EXPECT_NE(clash.err.find("modele0008.txt"), std::string::npos) << clash.err;
    EXPECT_EQ(readBytes(dir / "sim/airfoils/modele0008.txt"), "mine");
    EXPECT_FALSE(std::filesystem::exists(dir / "sim/gliders/V"));
    EXPECT_FALSE(std::filesystem::exists(dir / "sim/airfoils/modele2410.txt"));
    const std::string before = readBytes(path);
    EXPECT_EQ(tool({"new", "Vide", "--name", "Longue", "--sim", dir / "sim"}, dir).status, 1);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(tool({"new", "Rien", "--name", "R", "--sim", dir / "sim"}, dir).status, 1);
    EXPECT_EQ(tool({"new", "Duree", "--sim", dir / "sim"}, dir).status, 2);
}

TEST(KeshToolTune, WritesTheTunedGliderOrNothing) {
    ScratchDir dir;
    const std::string pipit = kSample + "/gliders/Pipit/Pipit.gli";
    const ToolRun tuned = tool({"tune", pipit, "--sim", kSample, "--static-margin", "12",
                                "--trim-speed", "8", "-o", dir / "out.gli"},
                               dir);
    ASSERT_EQ(tuned.status, 0) << tuned.err;
    EXPECT_NE(tuned.out.find("static margin"), std::string::npos) << tuned.out;
    EXPECT_NE(tuned.out.find("-> 8.0"), std::string::npos) << tuned.out;
    const ToolRun analysed = tool({"analyse", dir / "out.gli", "--sim", kSample, "--json"}, dir);
    ASSERT_EQ(analysed.status, 0);
    EXPECT_NEAR(jsonNumbers(analysed.out, "staticMargin").at(0), 0.12, 0.005);
    const std::string trim = analysed.out.substr(analysed.out.find("\"trim\":"));
    EXPECT_NEAR(jsonNumbers(trim, "speed").at(0), 8, 0.2);

    for (const std::vector<std::string>& request :
         {std::vector<std::string>{"--static-margin", "400"}, {"--trim-speed", "1"}}) {
        std::vector<std::string> args{"tune", pipit, "--sim", kSample, "-o", dir / "no.gli"};
        args.insert(args.end(), request.begin(), request.end());
        const ToolRun refused = tool(args, dir);
        EXPECT_EQ(refused.status, 1) << request[0];
        EXPECT_FALSE(refused.err.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "no.gli"));
    }
    EXPECT_EQ(tool({"tune", pipit, "--sim", kSample, "-o", dir / "no.gli"}, dir).status, 2);
    EXPECT_EQ(
        tool({"tune", pipit, "--trim-speed", "8", "--trim-best-glide", "-o", dir / "no.gli"}, dir)
            .status,
        2);
}
