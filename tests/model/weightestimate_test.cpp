#include "model/weightestimate.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(WeightEstimate, SurfaceLawsForEachConstruction) {
    EXPECT_FLOAT_EQ(estimateWeight(ComponentWing, ConstructionStructure, 0.25f),
                    float(132.60177 * std::pow(0.25, 1.333)));
    EXPECT_FLOAT_EQ(estimateWeight(ComponentStab, ConstructionShell, 2.0f),
                    float(195.73893 * std::pow(2.0, 1.301)));
    EXPECT_FLOAT_EQ(estimateWeight(ComponentFin, ConstructionSolidWood, 3.0f),
                    float(118.37727 * std::pow(3.0, 1.107)));
    EXPECT_NEAR(estimateWeight(ComponentWing, ConstructionStructure, 0.25f) * 0.01, 0.209, 0.001);
}

TEST(WeightEstimate, BodyLawsAndNoSolidWoodBody) {
    EXPECT_FLOAT_EQ(estimateWeight(ComponentBody, ConstructionStructure, 6.0f),
                    float(20.02221 * std::pow(6.0, 3.206)));
    EXPECT_FLOAT_EQ(estimateWeight(ComponentBody, ConstructionShell, 6.0f),
                    float(26.28099 * std::pow(6.0, 3.035)));
    EXPECT_EQ(estimateWeight(ComponentBody, ConstructionSolidWood, 6.0f), 0.0f);
}

TEST(WeightEstimate, SizesWithoutARealPowerGiveZero) {
    EXPECT_EQ(estimateWeight(ComponentWing, ConstructionStructure, 0.0f), 0.0f);
    EXPECT_EQ(estimateWeight(ComponentBody, ConstructionStructure, -2.0f), 0.0f);
    EXPECT_EQ(estimateWeight(ComponentBody, ConstructionStructure, std::nanf("")), 0.0f);
    EXPECT_EQ(estimateWeight(ComponentWing, ConstructionNone, 1.0f), 0.0f);
}
