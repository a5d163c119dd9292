#include "model/glider.h"

#include <gtest/gtest.h>

namespace {

void addPane(Surface& s, float env, float c1, float c2) {
    Pane p;
    p.env = env;
    p.c1 = c1;
    p.c2 = c2;
    s.appendPane(p);
    s.computePaneValues();
    s.sumPanes();
}

} // namespace

TEST(GliderTotals, EmptyGliderHasNoSpanAreaOrLoading) {
    Glider g;
    EXPECT_EQ(g.span(), 0);
    EXPECT_EQ(g.wingArea(), 0);
    EXPECT_EQ(g.wingLoading(), 0);
    EXPECT_EQ(g.valid, 0);
    EXPECT_EQ(g.surfaces[WingRight].side, 1);
    EXPECT_EQ(g.surfaces[Fin].side, -1);
}

TEST(GliderTotals, SpanReadsPanesWhileAreaReadsTheStoredSum) {
    Glider g;
    addPane(g.surfaces[WingLeft], 7.5f, 1.0f, 0.5f);
    EXPECT_FLOAT_EQ(g.span(), 15.0f);
    EXPECT_FLOAT_EQ(g.wingArea(), 11.25f);
    g.surfaces[WingLeft].pane(0).env = 5; // not yet re-summed
    EXPECT_FLOAT_EQ(g.span(), 10.0f);
    EXPECT_FLOAT_EQ(g.wingArea(), 11.25f);
}

TEST(GliderTotals, TotalWeightCountsBothSidesOfPairsAndTheBody) {
    Glider g;
    g.weight = 999; // the file's own figure plays no part
    g.body.weight = 100;
    for (int slot : {WingLeft, WingRight})
        g.surfaces[slot].weight = 90;
    for (int slot : {StabLeft, StabRight})
        g.surfaces[slot].weight = 4;
    g.surfaces[Fin].weight = 5;
    EXPECT_FLOAT_EQ(g.totalWeight(), 100 + 180 + 8 + 5);
    g.surfaces[Fin].weight = 6;
    EXPECT_FLOAT_EQ(g.totalWeight(), 294);
}

TEST(GliderTotals, WingLoadingIsGramsPerSquareDecimetre) {
    Glider g;
    addPane(g.surfaces[WingLeft], 5.0f, 1.0f, 1.0f); // 5 m2 a side
    g.body.weight = 300;
    EXPECT_FLOAT_EQ(g.wingLoading(), 300.0f * 10 / 10.0f);
}
