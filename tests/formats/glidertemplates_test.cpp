#include "formats/glidertemplates.h"
#include "scratchdir.h"

#include <gtest/gtest.h>

#include <algorithm>

// What the first save of a glider made from a template copies, and what it leaves.
TEST(TemplateFoils, CopiesAreListedOnceEachWithWhatTheyWouldReplace) {
    ScratchDir dir;
    Glider glider;
    readTemplate(glider, KESH_SOURCE_DIR "/templates", "Thermique"); // modele3409 and modele0008
    const std::string sim = dir / "sim";
    std::vector<FoilCopy> copies = foilCopies(glider, sim);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_TRUE(std::none_of(copies.begin(), copies.end(), [](auto& c) { return c.present; }));

    std::string error;
    ASSERT_TRUE(copyFoil(copies[0], error)) << error;
    EXPECT_EQ(readBytes(copies[0].target), readBytes(copies[0].source));
    writeBytes(copies[1].target, "a different airfoil");
    copies = foilCopies(glider, sim);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_TRUE(copies[0].present && copies[0].same);
    EXPECT_TRUE(copies[1].present && !copies[1].same);

    // Once the glider draws the simulator's own files, there is nothing to copy.
    pointFoilsAtSimulator(glider, sim);
    EXPECT_TRUE(foilCopies(glider, sim).empty());

    const FoilCopy missing{dir / "none.txt", dir / "out.txt"};
    EXPECT_FALSE(copyFoil(missing, error));
    EXPECT_NE(error.find("none.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
}
