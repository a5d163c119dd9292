#include "aero/flightanalysis.h"
#include "formats/glidertemplates.h"
#include "model/errors.h"

#include <gtest/gtest.h>

using namespace aero;

// Run from the build tree, the templates are the sources' own.
TEST(Templates, EveryTemplateFliesAsItsKindWithoutWarning) {
    const std::string dir = templatesDirectory("/nonexistent");
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
    readTemplate(glider, templatesDirectory(""), kEmptyTemplate);
    EXPECT_EQ(glider.valid, 1);
    EXPECT_TRUE(glider.name.empty());
    for (const Surface& s : glider.surfaces)
        EXPECT_EQ(s.npart(), 0);
    EXPECT_THROW(readTemplate(glider, templatesDirectory(""), "../sample"), errLoadGlider);
}
