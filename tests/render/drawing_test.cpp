#include "scene.h"

#include "render/displaysettings.h"
#include "render/drawing.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

const QSize kSize(640, 480);
const Color kRedPart{1, 0, 0};

QPoint at(double x, double y) {
    return projectTop(x, y, 0, kSize);
}

} // namespace

TEST(Drawing, RedWingSeenFromTheTopLandsWhereTheProjectionPutsIt) {
    Scene scene(kSize);
    ASSERT_TRUE(scene.ok);
    scene.renderer.viewMode = ViewTop;
    Glider glider = wingGlider(kRedPart, diamond());
    const QImage image = scene.draw(glider);

    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.15)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.095, 0.295)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.32)), kWhite)); // past the tip
    EXPECT_TRUE(near(pixel(image, at(-0.12, 0.15)), kWhite)); // behind the trailing edge
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.32)), kWhite));
}

TEST(Drawing, AxesHaveTheirColoursAndThePresetsLookFromTheirSides) {
    Glider empty;
    empty.valid = 1;
    const QPoint centre(kSize.width() / 2, kSize.height() / 2);
    const QPoint right = centre + QPoint(100, 0);
    const QPoint up = centre + QPoint(0, -100);

    struct Case {
        int mode;
        Rgb right, up;
    };
    for (const Case& c : {Case{ViewTop, kRed, kGreen}, Case{ViewLeft, kRed, kBlue},
                          Case{ViewFront, kGreen, kBlue}, Case{ViewFree, kRed, kGreen}}) {
        Scene scene(kSize);
        scene.renderer.viewMode = c.mode;
        const QImage image = scene.draw(empty);
        EXPECT_TRUE(colourAround(image, right, c.right)) << c.mode;
        EXPECT_TRUE(colourAround(image, up, c.up)) << c.mode;
        EXPECT_TRUE(near(pixel(image, centre + QPoint(-100, 50)), kWhite)) << c.mode;
    }
}

TEST(Drawing, FrontViewShowsSidePlusOneOnTheRight) {
    Glider glider = wingGlider({1, 0, 0}, diamond());
    glider.surfaces[WingRight].pane(0).color = {0, 1, 0};
    glider.surfaces[WingRight].pane(0).diedre = 0.2f;
    glider.surfaces[WingLeft].pane(0).diedre = 0.2f;
    Scene scene(kSize);
    scene.renderer.viewMode = ViewFront;
    const QImage image = scene.draw(glider);
    // Seen from ahead, the raised tips: y = 0.2 m of span sits 0.2 * tan(0.2) above the axis.
    const int dx = at(0.2, 0).x() - kSize.width() / 2;
    const int dz = at(0, 0.2 * std::tan(0.2)).y() - kSize.height() / 2;
    const QPoint centre(kSize.width() / 2, kSize.height() / 2);
    EXPECT_TRUE(colourAround(image, centre + QPoint(dx, dz), kGreen, 3));
    EXPECT_TRUE(colourAround(image, centre + QPoint(-dx, dz), kRed, 3));
}

TEST(Drawing, ClearingAVisibilityBitRemovesExactlyThatPart) {
    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    Glider glider = wingGlider(kRedPart, diamond());
    scene.draw(glider);

    scene.makeCurrent();
    rebuildDisplayList(glider, scene.gl, 255 & ~ShowWingRight, keepPoints());
    QImage image = scene.draw(glider);
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.15)), kWhite));
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kRed));

    scene.makeCurrent();
    rebuildDisplayList(glider, scene.gl, 255 & ~ShowWingLeft, keepPoints());
    image = scene.draw(glider);
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.15)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kWhite));
}

TEST(Drawing, OutlineModeLeavesTheInsideOfASurfaceWhite) {
    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    Glider glider = wingGlider(kRedPart, flatPlate());
    // Away from the strip's diagonal from the trailing-edge root to the leading-edge tip.
    const QPoint inside = at(-0.025, 0.075);
    EXPECT_TRUE(near(pixel(scene.draw(glider), inside), kRed));

    scene.makeCurrent();
    scene.renderer.applyFill(0);
    const QImage outlined = scene.draw(glider);
    EXPECT_TRUE(near(pixel(outlined, inside), kWhite));
    EXPECT_TRUE(colourAround(outlined, at(-0.1, 0.15), kRed, 2)); // trailing edge line

    scene.makeCurrent();
    scene.renderer.applyFill(1);
    EXPECT_TRUE(near(pixel(scene.draw(glider), inside), kRed));
}

TEST(Drawing, WhiteTexelShowsThePartColourAndBlackTexelBlack) {
    Glider glider = wingGlider(kRedPart, diamond());
    const std::string path =
        writeTexture("halves.raw", [](int column, int) { return column < 128 ? kWhite : kBlack; });
    glider.surfaces[WingLeft].texturePath = path;
    glider.surfaces[WingRight].texturePath = path;

    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    QImage image = scene.draw(glider);
    EXPECT_EQ(scene.gl.surfaces[WingRight].hasTexture, 1);
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.15)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kBlack));

    scene.makeCurrent();
    scene.renderer.applyTexture(0);
    image = scene.draw(glider);
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kRed));
    // The axes stay untextured either way.
    EXPECT_TRUE(colourAround(image, QPoint(500, 240), kRed));
}

TEST(Drawing, FirstTexelLandsAtTheSidePlusOneTipLeadingEdge) {
    Glider glider = wingGlider({1, 1, 1}, diamond());
    glider.surfaces[WingRight].texturePath = writeTexture(
        "corner.raw", [](int column, int row) { return column < 32 && row < 32 ? kRed : kWhite; });
    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    const QImage image = scene.draw(glider);

    EXPECT_TRUE(near(pixel(image, at(-0.01, 0.28)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.06, 0.28)), kWhite));
    EXPECT_TRUE(near(pixel(image, at(-0.01, 0.15)), kWhite));
}

TEST(Drawing, UntexturedPartAfterATexturedOneKeepsItsPlainColour) {
    Glider glider = wingGlider({0, 0, 1}, diamond());
    // Slot 0 is drawn first and binds a black texture; slot 1 has none.
    glider.surfaces[WingLeft].texturePath =
        writeTexture("black.raw", [](int, int) { return kBlack; });
    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    scene.draw(glider);
    // The second frame starts with the black texture still bound.
    const QImage image = scene.draw(glider);
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kBlack));
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.15)), kBlue));
    EXPECT_TRUE(colourAround(image, QPoint(500, 240), kRed)); // axes stay untextured
}

TEST(Drawing, BodyAndFinAreDrawnInTheirPlaces) {
    Glider glider;
    glider.valid = 1;
    glider.body.color = {0, 0, 1};
    glider.body.sections = {{0, -0.02f, 0.04f, 0.04f}, {0.2f, -0.02f, 0.04f, 0.04f}};
    Surface& fin = glider.surfaces[Fin];
    fin.foil.points = diamond();
    fin.insertPane(-1);
    fin.pane(0).env = 0.2f;
    fin.pane(0).c1 = fin.pane(0).c2 = 0.1f;
    fin.pane(0).diedre = 1.5707964f;
    fin.pane(0).color = {0, 1, 0};
    fin.position = {0.3f, 0, 0}; // behind the body, file frame
    fin.chainRootPoints();

    Scene scene(kSize);
    scene.renderer.viewMode = ViewLeft;
    const QImage image = scene.draw(glider);
    // Nose to the right: the body runs left of the centre, the fin stands further left.
    const QPoint centre(kSize.width() / 2, kSize.height() / 2);
    EXPECT_TRUE(near(pixel(image, centre + QPoint(at(-0.1, 0).x() - centre.x(), 5)), kBlue));
    const QPoint finPoint(at(-0.35, 0).x(), at(0, 0.1).y());
    EXPECT_TRUE(near(pixel(image, finPoint), kGreen));
}

TEST(Drawing, InvalidGliderIsNotDrawnAndNotPrepared) {
    Scene scene(kSize);
    Glider glider = wingGlider(kRedPart, diamond());
    glider.valid = 0;
    scene.makeCurrent();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const QImage image = scene.draw(glider);
    EXPECT_TRUE(near(pixel(image, QPoint(320, 240)), kBlack));
    EXPECT_FALSE(scene.renderer.glReady());
    EXPECT_EQ(scene.gl.displayList, -1);
}

TEST(Drawing, ZeroHeightAtFirstPaintStillGivesAFinitePicture) {
    Scene scene(kSize);
    scene.renderer.viewMode = ViewTop;
    Glider glider = wingGlider(kRedPart, diamond());
    scene.makeCurrent();
    scene.renderer.setClientSize(640, 0);
    scene.renderer.paint(&glider, scene.gl);
    scene.renderer.resize(640, 480);
    const QImage image = scene.draw(glider);
    // With a square aspect the wing is narrower on screen than at 4:3, but it is there.
    const QPoint p = at(-0.05 * 640.0 / 480.0, 0.15);
    EXPECT_TRUE(near(pixel(image, p), kRed));
}

// What the pages changed since the first paint: a texture named, a pane lengthened.
TEST(Drawing, ASecondRendererInTheShareGroupPreparesTheGliderAgain) {
    Glider glider = wingGlider(kRedPart, diamond());
    Scene first(kSize);
    first.renderer.viewMode = ViewTop;
    first.draw(glider);
    const float span = glider.surfaces[WingLeft].spanSum;

    glider.surfaces[WingLeft].texturePath =
        writeTexture("black.raw", [](int, int) { return kBlack; });
    glider.surfaces[WingLeft].pane(0).env *= 2;
    Scene second(kSize);
    second.renderer.viewMode = ViewTop;
    const QImage image = second.draw(glider, first.gl);
    EXPECT_EQ(glider.surfaces[WingLeft].spanSum, 2 * span);
    EXPECT_EQ(first.gl.surfaces[WingLeft].hasTexture, 1);
    EXPECT_TRUE(near(pixel(image, at(-0.05, -0.15)), kBlack));
    EXPECT_TRUE(near(pixel(first.draw(glider), at(-0.05, -0.15)), kBlack)) << "one shared list";
}
