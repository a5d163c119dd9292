#include "scene.h"

#include "formats/texturefile.h"
#include "render/displaysettings.h"
#include "render/skintemplate.h"
#include "render/textureimage.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const QSize kSize(640, 480);

QRgb texel(const std::vector<unsigned char>& texels, int column, int row) {
    const unsigned char* t = texels.data() + 3 * (256 * row + column);
    return qRgb(t[0], t[1], t[2]);
}

// Two panes a side from the centre line, the inner one three times the outer's span.
Glider twoPaneWing(float inner, float outer) {
    Glider glider;
    glider.valid = 1;
    for (int slot : {WingLeft, WingRight}) {
        Surface& s = glider.surfaces[slot];
        s.foil.points = diamond();
        s.foil.foilPath = "kept";
        for (float span : {inner, outer}) {
            s.insertPane(-1);
            Pane& p = s.pane(s.npart() - 1);
            p.env = span;
            p.c1 = p.c2 = 0.1f;
            p.color = {1, 1, 1};
        }
        s.computePaneValues();
        s.chainRootPoints();
        s.sumPanes();
    }
    return glider;
}

const SkinArea* findArea(const std::vector<SkinArea>& areas, int number, int side, bool lower) {
    for (const SkinArea& a : areas)
        if (a.number == number && a.side == side && a.lower == lower)
            return &a;
    return nullptr;
}

} // namespace

TEST(TextureImage, ImagesOfOtherSizesAreFittedAndAlphaLandsOnWhite) {
    // Quarters of a 512 x 512 image keep their colours when halved.
    QImage big(512, 512, QImage::Format_RGB32);
    big.fill(Qt::blue);
    QPainter(&big).fillRect(0, 0, 256, 256, Qt::red);
    std::vector<unsigned char> texels = textureFromImage(big, ImageFit::Scale);
    ASSERT_EQ(texels.size(), kTextureBytes);
    EXPECT_EQ(texel(texels, 10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(texel(texels, 200, 10), qRgb(0, 0, 255));
    EXPECT_EQ(texel(texels, 10, 200), qRgb(0, 0, 255));

    // 512 x 256, red left half: scaling stretches it, cropping keeps its centred square.
    QImage wide(512, 256, QImage::Format_RGB32);
    wide.fill(Qt::green);
    QPainter(&wide).fillRect(0, 0, 256, 256, Qt::red);
    texels = textureFromImage(wide, ImageFit::Scale);
    EXPECT_EQ(texel(texels, 120, 100), qRgb(255, 0, 0));
    EXPECT_EQ(texel(texels, 136, 100), qRgb(0, 255, 0));
    texels = textureFromImage(wide, ImageFit::Crop);
    EXPECT_EQ(texel(texels, 127, 100), qRgb(255, 0, 0));
    EXPECT_EQ(texel(texels, 128, 100), qRgb(0, 255, 0));
    EXPECT_EQ(texel(texels, 0, 0), qRgb(255, 0, 0)) << "image column 128 is texel column 0";

    QImage clear(256, 256, QImage::Format_ARGB32);
    clear.fill(qRgba(255, 0, 0, 128));
    clear.setPixel(5, 7, qRgba(0, 0, 0, 0));
    clear.setPixel(6, 7, qRgba(10, 20, 30, 255));
    texels = textureFromImage(clear, ImageFit::Scale);
    EXPECT_EQ(texel(texels, 0, 0), qRgb(255, 127, 127));
    EXPECT_EQ(texel(texels, 5, 7), qRgb(255, 255, 255));
    EXPECT_EQ(texel(texels, 6, 7), qRgb(10, 20, 30)) << "a 256 x 256 image is not resampled";
}

TEST(TextureImage, ExportHoldsExactlyTheTexelsAndAShortFileEndsInBlack) {
    std::vector<unsigned char> texels(kTextureBytes);
    for (std::size_t i = 0; i < texels.size(); ++i)
        texels[i] = static_cast<unsigned char>((i * 131) >> 3);
    const std::string png = scratchPath("export.png");
    std::string error;
    ASSERT_TRUE(writePngFile(imageFromTexture(texels), png, error)) << error;
    const std::optional<QImage> back = readImageFile(png, error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->size(), QSize(256, 256));
    EXPECT_EQ(textureFromImage(*back, ImageFit::Scale), texels);

    const std::string shortFile = scratchPath("short.raw");
    std::ofstream(shortFile, std::ios::binary).write("\xff\x00\x00\x01\x02", 5);
    const auto shown = readTextureToConvert(shortFile, error);
    ASSERT_TRUE(shown);
    const QImage image = imageFromTexture(*shown);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(1, 2, 0));
    EXPECT_EQ(image.pixel(255, 255), qRgb(0, 0, 0));
}

TEST(TextureImage, UnreadableImagesAndLongTexturesAreRefusedWithTheirName) {
    const std::string broken = scratchPath("broken.png");
    std::ofstream(broken, std::ios::binary) << "\x89PNG not really";
    std::string error;
    EXPECT_FALSE(readImageFile(broken, error));
    EXPECT_NE(error.find("broken.png"), std::string::npos) << error;
    EXPECT_FALSE(readImageFile(scratchPath("absent.png"), error));
    EXPECT_FALSE(readImageFile("/dev/zero", error));

    const std::string big = scratchPath("big.raw");
    std::ofstream(big, std::ios::binary) << std::string(kTextureBytes + 1, 'x');
    EXPECT_FALSE(readTextureToConvert(big, error));
    EXPECT_NE(error.find("196609"), std::string::npos) << error;
}

TEST(SkinTemplate, TwoPaneWingAreasAreWhereTheDrawingPutsThem) {
    // Span sum 4: the side +1 panes reach s = 1/8 and 0, the side -1 panes 7/8 and 1.
    const Glider glider = twoPaneWing(3, 1);
    const std::vector<SkinArea> areas = skinAreas(glider, SkinPart::Wing);
    ASSERT_EQ(areas.size(), 8u);
    struct Expected {
        int number, side;
        bool lower;
        QRect texels;
    };
    for (const Expected& e : {Expected{1, 1, false, QRect(QPoint(32, 0), QPoint(127, 127))},
                              Expected{2, 1, false, QRect(QPoint(0, 0), QPoint(31, 127))},
                              Expected{1, -1, false, QRect(QPoint(128, 0), QPoint(223, 127))},
                              Expected{2, -1, true, QRect(QPoint(224, 128), QPoint(255, 255))}}) {
        const SkinArea* area = findArea(areas, e.number, e.side, e.lower);
        ASSERT_NE(area, nullptr) << e.number << " " << e.side;
        EXPECT_EQ(area->texels, e.texels) << e.number << " " << e.side;
    }

    const QImage image = skinTemplate(glider, SkinPart::Wing, 1, nullptr);
    ASSERT_EQ(image.size(), QSize(256, 256));
    EXPECT_EQ(image.pixel(32, 46), kSkinOutline);
    EXPECT_EQ(image.pixel(31, 46), kSkinOutline);
    EXPECT_EQ(image.pixel(33, 46), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(60, 0), kSkinLeadingEdge);
    EXPECT_EQ(image.pixel(60, 127), kSkinTrailingEdge);
    EXPECT_EQ(image.pixel(240, 128), kSkinLeadingEdge);
    EXPECT_EQ(image.pixel(240, 255), kSkinTrailingEdge);
    EXPECT_EQ(image.pixel(224, 200), kSkinOutline);
    EXPECT_EQ(image.pixel(128, 2), kSkinCentreLine);

    // Four times larger over the texture, faded: the same frames on four pixels a texel.
    const std::vector<unsigned char> black(kTextureBytes, 0);
    const QImage large = skinTemplate(glider, SkinPart::Wing, 4, &black);
    ASSERT_EQ(large.size(), QSize(1024, 1024));
    EXPECT_EQ(large.pixel(4 * 32, 4 * 46), kSkinOutline);
    EXPECT_EQ(large.pixel(4 * 32 + 2, 4 * 46), qRgb(153, 153, 153));
}

TEST(SkinTemplate, BodySegmentsRunDownTheTextureAndMissingPartsHaveNone) {
    Glider glider = twoPaneWing(3, 1);
    glider.body.sections = {{0, 0, 0.1f, 0.1f}, {1, 0, 0.2f, 0.2f}, {2, 0, 0.1f, 0.1f}};
    const std::vector<SkinArea> body = skinAreas(glider, SkinPart::Body);
    ASSERT_EQ(body.size(), 2u);
    EXPECT_EQ(body[0].number, 1);
    EXPECT_EQ(body[0].texels, QRect(QPoint(0, 0), QPoint(255, 127)));
    EXPECT_EQ(body[1].texels, QRect(QPoint(0, 128), QPoint(255, 255)));

    EXPECT_TRUE(skinAreas(glider, SkinPart::Stab).empty());
    EXPECT_TRUE(skinAreas(glider, SkinPart::Fin).empty());
    glider.body.sections.resize(1);
    EXPECT_TRUE(skinAreas(glider, SkinPart::Body).empty());
}

TEST(SkinTemplate, PaintOnAPaneTemplateAreaLandsOnThatPaneInTheView) {
    Glider glider = twoPaneWing(0.225f, 0.075f);
    QImage painted = skinTemplate(glider, SkinPart::Wing, 2, nullptr);
    const std::vector<SkinArea> areas = skinAreas(glider, SkinPart::Wing);
    const SkinArea* outerLeft = findArea(areas, 2, 1, false);
    ASSERT_NE(outerLeft, nullptr);
    const QRect& t = outerLeft->texels;
    QPainter(&painted).fillRect(QRect(2 * t.x(), 2 * t.y(), 2 * t.width(), 2 * t.height()),
                                Qt::red);
    const std::string path = scratchPath("painted.raw");
    std::string error;
    ASSERT_TRUE(writeTextureFile(path, textureFromImage(painted, ImageFit::Scale), error));
    glider.surfaces[WingLeft].texturePath = path;
    glider.surfaces[WingRight].texturePath = path;

    Scene scene(kSize);
    ASSERT_TRUE(scene.ok);
    scene.renderer.viewMode = ViewTop;
    const QImage image = scene.draw(glider);
    const auto at = [](double x, double y) { return projectTop(x, y, 0, kSize); };
    EXPECT_TRUE(near(pixel(image, at(-0.05, 0.26)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.09, 0.295)), kRed));
    EXPECT_TRUE(near(pixel(image, at(-0.01, 0.23)), kRed));
    EXPECT_FALSE(near(pixel(image, at(-0.05, 0.2)), kRed, 60)) << "the inner pane";
    EXPECT_FALSE(near(pixel(image, at(-0.05, -0.26)), kRed, 60)) << "the other side";
}
