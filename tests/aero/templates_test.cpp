#include "aero/flightanalysis.h"
#include "formats/glidertemplates.h"
#include "model/errors.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace aero;

namespace {

const std::string kTemplates = std::string(KESH_SOURCE_DIR) + "/templates";

} // namespace

// A program of the build tree finds the sources' templates where an install puts them.
TEST(Templates, AreFoundBesideTheProgramsDirectory) {
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_TRUE(std::filesystem::equivalent(templatesDirectory(program.parent_path().string()),
                                            kTemplates));
    EXPECT_EQ(templatesDirectory("/opt/kesh/bin"), "/opt/kesh/share/kesh/templates");
}

TEST(Templates, EveryTemplateFliesAsItsKindWithoutWarning) {
    const std::string dir = kTemplates;
    ASSERT_EQ(gliderTemplates().front().name, kEmptyTemplate);
    for (const GliderTemplate& t : gliderTemplates()) {
        if (t.name == kEmptyTemplate)
            continue;
        SCOPED_TRACE(t.name);
        EXPECT_FALSE(t.description.empty());
        Glider glider;
        ASSERT_NO_THROW(readTemplate(glider, dir, t.name));
        EXPECT_TRUE(glider.path.empty()) << "a template opens untitled";
        const FlightAnalysis a = analyseGlider(glider);
        EXPECT_TRUE(a.warnings.empty()) << warningText(a.warnings.front());
        ASSERT_TRUE(a.stable() && a.flight() && a.flight()->trim);
        EXPECT_GE(a.stable()->staticMargin, 0.05);
        EXPECT_LE(a.stable()->staticMargin, 0.15);
        EXPECT_GE(a.flight()->trim->speed, 4);
        EXPECT_LE(a.flight()->trim->speed, 15);
        for (const Surface& s : glider.surfaces)
            EXPECT_TRUE(s.npart() == 0 || !s.foil.polars.empty()) << s.foil.foilFilename;
    }
}

TEST(Templates, TheEmptyOneIsTodaysNewGliderAndUnknownNamesAreRefused) {
    Glider glider;
    glider.name = "kept?";
    readTemplate(glider, kTemplates, kEmptyTemplate);
    EXPECT_EQ(glider.valid, 1);
    EXPECT_TRUE(glider.name.empty());
    for (const Surface& s : glider.surfaces)
        EXPECT_EQ(s.npart(), 0);
    EXPECT_THROW(readTemplate(glider, kTemplates, "../sample"), errLoadGlider);
}
