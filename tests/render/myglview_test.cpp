#include "scene.h"

#include "render/drawing.h"
#include "render/myglview.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

struct Shown {
    Glider glider = wingGlider({1, 0, 0}, flatPlate());
    GliderGl gl;
    DisplaySettings settings;
    std::unique_ptr<CMyglView> view;

    explicit Shown(QSize size, int mode = ViewTop) {
        view = std::make_unique<CMyglView>(&glider, &gl, &settings);
        view->setViewMode(mode);
        view->resize(size);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }
};

void wheel(QWidget* widget, QPoint at, int notches) {
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

void middleDrag(QWidget* widget, QPoint from, QPoint to) {
    QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::MiddleButton, Qt::MiddleButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::MiddleButton, Qt::NoButton,
                        Qt::NoModifier);
    for (QMouseEvent* event : {&press, &move, &release})
        QCoreApplication::sendEvent(widget, event);
}

// The smallest rectangle holding every pixel of the colour.
QRect extentOf(const QImage& image, Rgb colour) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(pixel(image, QPoint(x, y)), colour))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

} // namespace

TEST(MyglView, ShowsTheGliderItsRendererDraws) {
    const QSize size(320, 240);
    Glider glider = wingGlider({1, 0, 0}, flatPlate());
    GliderGl gl;
    DisplaySettings settings;
    CMyglView view(&glider, &gl, &settings);
    QSignalSpy failures(&view, &CMyglView::contextFailed);
    view.setViewMode(ViewTop);
    view.resize(size);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.grabFramebuffer();
    ASSERT_EQ(image.size(), size);
    EXPECT_TRUE(near(pixel(image, projectTop(-0.03, 0.15, 0, size)), kRed));
    EXPECT_TRUE(near(pixel(image, projectTop(-0.05, 0.35, 0, size)), kWhite));
    EXPECT_TRUE(view.renderer().glReady());
    EXPECT_GE(view.format().depthBufferSize(), 24);
    EXPECT_EQ(failures.count(), 0);
}

TEST(MyglView, RightDoubleClickTogglesTheFillOfThisView) {
    const QSize size(320, 240);
    Shown shown(size);
    const QPoint inside = projectTop(-0.025, 0.075, 0, size);
    shown.view->grabFramebuffer();

    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(shown.view.get(), &click);
    EXPECT_EQ(shown.settings.fill, 0);
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), inside), kWhite));

    QCoreApplication::sendEvent(shown.view.get(), &click);
    EXPECT_EQ(shown.settings.fill, 1);
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), inside), kRed));

    shown.settings.texture = 7;
    shown.view->toggleTexture();
    EXPECT_EQ(shown.settings.texture, 0);
    EXPECT_FALSE(shown.view->renderer().isTextured());
}

TEST(MyglView, ANewViewStartsFilledWhateverTheDocumentSays) {
    const QSize size(320, 240);
    Shown shown(size);
    shown.settings.fill = 0;
    const QPoint inside = projectTop(-0.025, 0.075, 0, size);
    CMyglView second(&shown.glider, &shown.gl, &shown.settings);
    second.setViewMode(ViewTop);
    second.resize(size);
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_TRUE(near(pixel(second.grabFramebuffer(), inside), kRed));
    second.onUpdate(HintFill);
    EXPECT_TRUE(near(pixel(second.grabFramebuffer(), inside), kWhite));
    // The first view has not had the hint.
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), inside), kRed));
}

TEST(MyglView, ANewViewPreparesTheGliderAgainAndTheRebuildHintApplies) {
    const QSize size(320, 240);
    Shown shown(size);
    const QPoint right = projectTop(-0.03, 0.15, 0, size);
    const QPoint left = projectTop(-0.03, -0.15, 0, size);
    ASSERT_TRUE(near(pixel(shown.view->grabFramebuffer(), right), kRed));

    // A texture named after the first paint shows once a new view prepares the glider.
    const std::string dark = writeTexture("dark.raw", [](int, int) { return kBlack; });
    for (int slot : {WingLeft, WingRight})
        shown.glider.surfaces[slot].texturePath = dark;
    const auto openView = [&] {
        auto view = std::make_unique<CMyglView>(&shown.glider, &shown.gl, &shown.settings);
        view->setViewMode(ViewTop);
        view->resize(size);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return view;
    };
    const std::unique_ptr<CMyglView> second = openView();
    EXPECT_TRUE(near(pixel(second->grabFramebuffer(), right), kBlack));
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), left), kBlack)) << "one shared list";

    // The model hint rebuilds through whatever view gets it; every view then shows it.
    // The test wing's foil path names no file, so the rebuild also leaves out slot 0.
    shown.settings.visibility = kShowAll & ~ShowWingRight;
    second->onUpdate(HintRebuild);
    const std::unique_ptr<CMyglView> third = openView();
    for (CMyglView* view : {shown.view.get(), second.get(), third.get()}) {
        const QImage image = view->grabFramebuffer();
        EXPECT_TRUE(near(pixel(image, right), kWhite));
        EXPECT_TRUE(near(pixel(image, left), kWhite));
    }
}

TEST(MyglView, ScreenCopyOfA301PixelWideViewWritesRowsOf904Bytes) {
    Shown shown(QSize(301, 200));
    const std::string path = scratchPath("try.bmp");
    ASSERT_TRUE(shown.view->screenCopy(QString::fromStdString(path)));
    const std::vector<std::uint8_t> first = fileBytes(path);
    ASSERT_EQ(first.size(), 54u + 904 * 200);
    EXPECT_EQ(le32(first, 10), 54u);
    EXPECT_EQ(le32(first, 18), 301u);
    EXPECT_EQ(le32(first, 22), 200u);
    EXPECT_EQ(le32(first, 34), 904u * 200);
    // Bottom row first: the bottom-left corner is background white.
    EXPECT_EQ(first[54], 255);

    shown.view->resize(120, 80);
    QTest::qWait(50);
    ASSERT_TRUE(shown.view->screenCopy(QString::fromStdString(path)));
    EXPECT_EQ(fileBytes(path).size(), 54u + 360 * 80);
}

TEST(MyglView, DraggingTurnsTheFreeViewAndFocusIsReported) {
    Shown shown(QSize(200, 150), ViewFree);
    QSignalSpy focus(shown.view.get(), &CMyglView::focusGained);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 10), QPointF(100, 10), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(100, 10), QPointF(100, 10),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(shown.view.get(), &press);
    QCoreApplication::sendEvent(shown.view.get(), &move);
    QCoreApplication::sendEvent(shown.view.get(), &release);
    EXPECT_EQ(shown.view->rotZ(), 90);

    shown.view->activateWindow();
    shown.view->setFocus();
    EXPECT_TRUE(focus.count() >= 1 || QTest::qWaitFor([&] { return focus.count() >= 1; }));
}

TEST(MyglView, TheWheelZoomsUnderThePointer) {
    const QSize size(320, 240);
    Shown shown(size);
    QSignalSpy zoomed(shown.view.get(), &CMyglView::zoomChanged);
    const QPoint pointer = projectTop(-0.05, 0.2, 0, size);
    // Two notches in grow the picture 1.44 times about the pointer: the tip moves up.
    const QPoint tip = projectTop(-0.05, 0.3, 0, size);
    const QPoint grownTip = pointer + (tip - pointer) * 1.44;
    const QPoint inside = grownTip + QPoint(0, 3);
    const QPoint outside = grownTip - QPoint(0, 3);
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), inside), kWhite));

    wheel(shown.view.get(), pointer, 2);
    EXPECT_FLOAT_EQ(shown.view->zoom(), float(1 / 1.44));
    EXPECT_EQ(zoomed.count(), 1);
    const QImage image = shown.view->grabFramebuffer();
    EXPECT_TRUE(near(pixel(image, pointer), kRed));
    EXPECT_TRUE(near(pixel(image, inside), kRed));
    EXPECT_TRUE(near(pixel(image, outside), kWhite));
}

TEST(MyglView, AMiddleDragPansThePicture) {
    const QSize size(320, 240);
    Shown shown(size);
    const QPoint onWing = projectTop(-0.05, 0.25, 0, size);
    EXPECT_TRUE(near(pixel(shown.view->grabFramebuffer(), onWing), kRed));
    middleDrag(shown.view.get(), QPoint(100, 100), QPoint(140, 70));
    const QImage image = shown.view->grabFramebuffer();
    EXPECT_TRUE(near(pixel(image, onWing + QPoint(40, -30)), kRed));
    EXPECT_TRUE(near(pixel(image, onWing), kWhite));
    EXPECT_EQ(shown.view->rotZ(), 0);
}

TEST(MyglView, KeyFFramesTheWholeGliderAndClearsThePan) {
    const QSize size(320, 240);
    const Rgb grey{128, 128, 128};
    Glider glider = wingGlider({128 / 255.0f, 128 / 255.0f, 128 / 255.0f}, flatPlate());
    GliderGl gl;
    DisplaySettings settings;
    CMyglView view(&glider, &gl, &settings);
    view.setViewMode(ViewTop);
    view.setZoom(10.0f);
    view.resize(size);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    middleDrag(&view, QPoint(100, 100), QPoint(150, 100));
    const QRect small = extentOf(view.grabFramebuffer(), grey);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_LT(small.height(), 40);

    QTest::keyClick(&view, Qt::Key_F);
    // The span runs up the window and fills nine tenths of it, centred: the pan is gone.
    const QRect framed = extentOf(view.grabFramebuffer(), grey);
    EXPECT_NEAR(framed.height(), 216, 3);
    EXPECT_NEAR(framed.top(), 12, 2);
    EXPECT_NEAR(framed.bottom(), 227, 2);
    EXPECT_NEAR(framed.center().x(), projectTop(-0.05, 0, 0, size, view.zoom()).x(), 2);
}
