#include "formats/simulatorpaths.h"

#include "model/errors.h"
#include "scratchdir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string saveError(const std::string& ini, const std::string& name,
                      const std::string& chosen = "a.gli") {
    try {
        gliderSavePath(ini, name, chosen);
    } catch (const errSaveGlider& e) {
        EXPECT_EQ(e.caption(), "Erreur");
        return e.text();
    }
    return {};
}

} // namespace

TEST(SimulatorDirectory, AppendsParentWhenTheWorkingDirectoryHoldsBin) {
    EXPECT_EQ(simulatorDirectoryFrom("/sim/bin"), "/sim/bin/..");
    EXPECT_EQ(simulatorDirectoryFrom("/tools/binaries"), "/tools/binaries/..");
    EXPECT_EQ(simulatorDirectoryFrom("C:\\sim\\bin"), "C:\\sim\\bin/..");
    EXPECT_EQ(simulatorDirectoryFrom("/sim/Bin"), "/sim/Bin");
    EXPECT_EQ(simulatorDirectoryFrom("/sim"), "/sim");
}

TEST(SimulatorDirectory, FileNamePartAndStoredValues) {
    EXPECT_EQ(fileNamePart("D:\\tmp\\my.gli"), "my.gli");
    EXPECT_EQ(fileNamePart("/tmp/my.gli"), "my.gli");
    EXPECT_EQ(fileNamePart("my.gli"), "my.gli");
    EXPECT_EQ(fileNamePart("dir/"), "");
    EXPECT_EQ(storedToDiskPath("/sim", "gliders", "Alpha\\skin.raw"),
              "/sim/gliders/Alpha/skin.raw");
    EXPECT_EQ(storedToDiskPath("/sim", "airfoils", ""), "/sim/airfoils/");
}

TEST(GliderSavePath, MissingIniPathOrNameHaveTheirMessages) {
    EXPECT_EQ(saveError("", "A"), "Chemin pour Vantair n'est pas trouvé !\n\nAllez dans le  menu "
                                  "'Fichier' 'Setup' avant de sauver");
    EXPECT_EQ(saveError("/x/vantair.ini", ""), "Le planeur courant n'a pas de nom !");
    EXPECT_EQ(saveError("/x/vantair.ini", " \t "), "Le planeur courant n'a pas de nom !");
}

TEST(GliderSavePath, NamesThatLeaveTheDirectoryOrDoNotReadBackAreRefused) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "gliders");
    for (const char* name : {"a/b", "..", ".", "a\\b", "a\"b", "a[b", "a//b", "../../etc"}) {
        const std::string message = saveError(dir / "vantair.ini", name);
        EXPECT_NE(message.find("ne peut pas servir"), std::string::npos) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir / "gliders"));
}

TEST(GliderSavePath, BuildsTheTargetKeepingTheIniPathCase) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "Sim/gliders");
    const std::string ini = dir / "Sim/VANTAIR.INI";
    EXPECT_EQ(gliderSavePath(ini, "ASW28", "D:\\tmp\\my.gli"), dir / "Sim/gliders/ASW28/my.gli");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Sim/gliders/ASW28"));
    // Saving again into the existing directory is fine.
    EXPECT_EQ(gliderSavePath(ini, "ASW28", "/a/b/other.gli"), dir / "Sim/gliders/ASW28/other.gli");
}

// The gliders directory is beside the ini file whatever its name, or in a directory given
// instead of one; never the ini path with "gliders" glued on.
TEST(GliderSavePath, TheGlidersDirectoryStandsBesideTheIniFileOrInTheDirectoryGiven) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "sim/gliders");
    const std::pair<std::string, std::string> cases[] = {
        {dir / "sim/x.ini", dir / "sim/gliders/A/a.gli"},
        {dir / "sim/vantair.ini", dir / "sim/gliders/A/a.gli"},
        {dir / "sim", dir / "sim/gliders/A/a.gli"},
        {dir / "sim/", dir / "sim/gliders/A/a.gli"},
    };
    for (const auto& [ini, expected] : cases)
        EXPECT_EQ(std::filesystem::path(gliderSavePath(ini, "A", "a.gli")).lexically_normal(),
                  std::filesystem::path(expected))
            << ini;
    EXPECT_FALSE(std::filesystem::exists(dir / "simgliders"));
    EXPECT_FALSE(std::filesystem::exists(dir / "sim/x.inigliders"));
}

TEST(GliderSavePath, OnlyTheLastLevelIsCreated) {
    ScratchDir dir;
    const std::string message = saveError(dir / "vantair.ini", "A");
    EXPECT_NE(message.find("Impossible de créer"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir / "gliders"));
}

TEST(GliderSavePath, AChosenPathWithoutFileNameIsRefused) {
    ScratchDir dir;
    std::filesystem::create_directories(dir / "gliders");
    EXPECT_NE(saveError(dir / "vantair.ini", "A", "/tmp/"), "");
    EXPECT_NE(saveError(dir / "vantair.ini", "A", ""), "");
}
