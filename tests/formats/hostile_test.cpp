// Hostile and damaged files: each is refused with a message or read within its limits, and
// the reader stays usable afterwards.
#include "formats/foilfile.h"
#include "formats/gliderfile.h"
#include "formats/keyedtext.h"
#include "model/errors.h"
#include "scratchdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kFixtureFoil =
    std::string(KESH_SOURCE_DIR) + "/tests/formats/data/sim/airfoils/tiny.txt";

// A simulator directory with one good airfoil, "good.txt".
class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "sim/airfoils");
        std::filesystem::create_directories(dir / "sim/gliders");
        std::filesystem::copy_file(kFixtureFoil, dir / "sim/airfoils/good.txt");
    }

    std::string sim() const { return dir / "sim"; }

    // The error text of reading `bytes` as a glider file; "" when it reads.
    std::string gliderError(const std::string& bytes, Glider* out = nullptr) {
        writeBytes(dir / "in.gli", bytes);
        Glider glider;
        try {
            readGlider(glider, dir / "in.gli", sim());
        } catch (const err& e) {
            EXPECT_FALSE(e.text().empty());
            return e.text();
        }
        if (out)
            *out = glider;
        return {};
    }

    std::string foilError(const std::string& bytes) {
        writeBytes(dir / "foil.txt", bytes);
        Foil foil;
        try {
            loadFoil(foil, dir / "foil.txt");
        } catch (const err& e) {
            EXPECT_FALSE(e.text().empty());
            return e.text();
        }
        return {};
    }

    static std::string withWing(const std::string& wing, const std::string& rest = {}) {
        const std::string foil = "foil.filename = \"good.txt\"\n";
        return "[main]\nname = \"H\"\n[wing]\n" + foil + wing + "\n[hstab]\n" + foil + "[vstab]\n" +
               foil + rest;
    }

    static std::string foilWithPolarCount(const std::string& count) {
        return "[main]\nname = \"F\"\n[points]\n1 0 0 0 1 0\n[polar]\nnbreynolds = \"" + count +
               "\"\nre1.reynolds = \"1000\"\nre1.polar = \"0 0.1 0.01\"\n";
    }

    void expectStillUsable() {
        Glider glider;
        EXPECT_EQ(gliderError(withWing("npart = \"1\"\npane1.env = \"2\"\n"), &glider), "");
        EXPECT_EQ(glider.surfaces[WingLeft].npart(), 1);
    }

    ScratchDir dir;
};

TEST_F(HostileFiles, TruncatedAndBinaryFiles) {
    const std::string good = withWing("npart = \"1\"\npane1.env = \"2\"\n");
    for (std::size_t cut : {std::size_t(1), std::size_t(7), good.size() / 2, good.size() - 3})
        (void)gliderError(good.substr(0, cut)); // may read or refuse, never crash
    std::string junk;
    for (int i = 0; i < 1 << 16; ++i)
        junk += char((i * 2654435761u) >> 24);
    EXPECT_NE(gliderError(junk), "");
    EXPECT_NE(gliderError(std::string("[main]\0name = \"x\"\n", 18)), "");
    expectStillUsable();
}

TEST_F(HostileFiles, OversizedFileIsRefusedWithoutReadingItAll) {
    const std::string big = withWing("") + std::string(50u << 20, 'x');
    EXPECT_NE(gliderError(big).find("trop gros"), std::string::npos);
    EXPECT_NE(foilError(big).find("trop gros"), std::string::npos);
    expectStillUsable();
}

TEST_F(HostileFiles, HugeLinesSectionsAndCoordBlocksStayWithinTheirLimits) {
    // One 8 MB line with no line end at all.
    EXPECT_NE(gliderError(std::string(8u << 20, 'a')), "");

    std::string sections = withWing("npart = \"1\"\npane1.env = \"3\"\n");
    for (int i = 0; i < 100000; ++i)
        sections += "[s" + std::to_string(i) + "]\nk = \"v\"\n";
    Glider glider;
    EXPECT_EQ(gliderError(sections, &glider), "");
    EXPECT_EQ(glider.surfaces[WingLeft].pane(0).env, 3.0f);

    std::string coord = "coord = \"";
    for (int i = 0; i < 1000000; ++i)
        coord += (i % 4 == 3) ? "1\n" : "1\t";
    coord += "\"\n";
    ASSERT_LT(coord.size(), kMaxTextFileSize);
    EXPECT_EQ(gliderError(withWing("", "[body]\n" + coord), &glider), "");
    EXPECT_EQ(glider.body.sections.size(), 250000u);
}

TEST_F(HostileFiles, UnterminatedQuotesAndNulBytes) {
    // An unclosed value is not found: here the wing names no airfoil.
    EXPECT_NE(gliderError("[main]\nname = \"never closed\n[wing]\nfoil.filename = \"good.txt"), "");
    const std::string nul("[main]\nname = \"a\0b\"\n", 20);
    Glider glider;
    ASSERT_EQ(gliderError(nul + withWing("").substr(18), &glider), "");
    EXPECT_EQ(glider.name, std::string("a\0b", 3)); // bytes are kept as they are
}

TEST_F(HostileFiles, PaneCountsOutsideTheSurfaceAreRefused) {
    for (const char* count : {"-1", "11", "2000000000", "99999999999999999999"}) {
        const std::string message =
            gliderError(withWing("npart = \"" + std::string(count) + "\"\n"));
        EXPECT_NE(message.find("[wing]"), std::string::npos) << count << ": " << message;
    }
    expectStillUsable();
}

TEST_F(HostileFiles, PolarCountsThatCannotBeReadAreAirfoilErrors) {
    for (const char* count : {"0", "-5", "2000000000"})
        EXPECT_NE(foilError(foilWithPolarCount(count)), "") << count;
    EXPECT_EQ(foilError(foilWithPolarCount("1")), "");
}

TEST_F(HostileFiles, InvalidUtf8NamesSurviveAWriteAndRead) {
    const std::string name = "Pla\xe9neur\xff\xc3";
    Glider glider;
    ASSERT_EQ(gliderError("[main]\nname = \"" + name + "\"\n" + withWing("").substr(18), &glider),
              "");
    EXPECT_EQ(glider.name, name);
    const std::string written = writeGlider(glider, dir / "sim/vantair.ini", "x.gli");
    Glider again;
    readGlider(again, written, sim());
    EXPECT_EQ(again.name, name);
}

TEST_F(HostileFiles, AirfoilNamesOutsideTheDirectoryAtADirectoryOrAPipe) {
    std::filesystem::copy_file(kFixtureFoil, dir / "outside.txt");
    // A relative name may reach a regular file outside airfoils/: it is only read.
    Glider glider;
    EXPECT_EQ(gliderError("[main]\nname = \"H\"\n[wing]\nfoil.filename = \"..\\..\\outside.txt\"\n"
                          "[hstab]\nfoil.filename = \"good.txt\"\n[vstab]\n"
                          "foil.filename = \"good.txt\"\n",
                          &glider),
              "");
    EXPECT_EQ(glider.surfaces[WingLeft].foil.foilFilename, "outside.txt");

    std::filesystem::create_directories(dir / "sim/airfoils/adir");
    ASSERT_EQ(::mkfifo((dir / "sim/airfoils/pipe.txt").c_str(), 0600), 0);
    for (const char* name : {"adir", "pipe.txt", "../../../../../../../../dev/zero"}) {
        const std::string message = gliderError("[main]\nname = \"H\"\n[wing]\nfoil.filename = \"" +
                                                std::string(name) + "\"\n");
        EXPECT_NE(message.find("not found"), std::string::npos) << name;
    }
    expectStillUsable();
}

// A save that fails part way, here at the file size limit, keeps the previous file.
TEST_F(HostileFiles, ASaveThatFailsPartWayKeepsThePreviousFile) {
    Glider glider;
    ASSERT_EQ(gliderError(withWing("npart = \"1\"\npane1.env = \"2\"\n"), &glider), "");
    const std::string target = writeGlider(glider, dir / "sim/vantair.ini", "h.gli");
    const std::string before = readBytes(target);
    glider.body.sections.resize(20000, BodySection{1.5f, 2.5f, 3.5f, 4.5f});

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            writeGlider(glider, dir / "sim/vantair.ini", "h.gli");
        } catch (const errSaveGlider& e) {
            ::_exit(e.text().empty() ? 3 : 0);
        }
        ::_exit(2); // reported as a success
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(target), before);
    int entries = 0;
    for ([[maybe_unused]] const auto& e :
         std::filesystem::directory_iterator(std::filesystem::path(target).parent_path()))
        ++entries;
    EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}

} // namespace

// Found by fuzzing: a NUL inside a name cut the path short, so "good.txt\0x/y" loaded
// good.txt while the glider kept "y" as the airfoil's name and could not be reopened.
TEST_F(HostileFiles, ANulInAnAirfoilNameIsNotFound) {
    const std::string name("good.txt\0x/y", 12);
    const std::string message =
        gliderError("[main]\nname = \"H\"\n[wing]\nfoil.filename = \"" + name + "\"\n");
    EXPECT_NE(message.find("not found"), std::string::npos) << message;
    std::string text;
    EXPECT_EQ(loadTextFile(sim() + "/airfoils/" + name, text), TextFileStatus::CannotOpen);
}
