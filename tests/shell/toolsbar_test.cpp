#include "tests/support/shellfixture.h"

#include "shell/toolsbardlg.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QSlider>
#include <QWheelEvent>

using ToolsBarTest = ShellFixture;

TEST_F(ToolsBarTest, StartsAtFiveWithReleasedBoxes) {
    CToolsBarDlg& tools = *frame->toolsBar();
    EXPECT_EQ(tools.zoomSlider()->minimum(), 1);
    EXPECT_EQ(tools.zoomSlider()->maximum(), 100);
    EXPECT_EQ(tools.zoomSlider()->value(), 5);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("0.5"));
    EXPECT_EQ(tools.fillButton()->text(), QStringLiteral("Fill"));
    EXPECT_EQ(tools.textureButton()->text(), QStringLiteral("Texture"));
    for (QPushButton* box : {tools.fillButton(), tools.textureButton(), tools.wingButton(),
                             tools.bodyButton(), tools.stabButton(), tools.finButton()}) {
        EXPECT_TRUE(box->isCheckable());
        EXPECT_FALSE(box->isChecked());
    }
}

// 1 is drawn at the top: Up, Page Up and the wheel turned away move the thumb up there.
TEST_F(ToolsBarTest, KeysAndTheWheelMoveTheThumbTheWayTheyPoint) {
    QSlider* slider = frame->toolsBar()->zoomSlider();
    ASSERT_TRUE(slider->invertedAppearance());
    slider->setValue(50);
    QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_EQ(slider->value(), 49);
    QTest::keyClick(slider, Qt::Key_Down);
    EXPECT_EQ(slider->value(), 50);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_LT(slider->value(), 50);

    slider->setValue(50);
    const QPointF at = slider->rect().center();
    QWheelEvent away(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(slider, &away);
    EXPECT_LT(slider->value(), 50);
}

TEST_F(ToolsBarTest, WithoutADocumentOnlyTheCaptionsChange) {
    CToolsBarDlg& tools = *frame->toolsBar();
    tools.fillButton()->click();
    EXPECT_EQ(tools.fillButton()->text(), QStringLiteral("Line"));
    tools.textureButton()->click();
    EXPECT_EQ(tools.textureButton()->text(), QStringLiteral("Couleur"));
    tools.zoomSlider()->setValue(40);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("0.5"));
    EXPECT_EQ(tools.storedPosition(), 5);
    tools.screenCopyButton()->click();
    tools.stabButton()->click();
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(ToolsBarTest, ActsOnTheActiveViewAndDocument) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    CToolsBarDlg& tools = *frame->toolsBar();

    tools.zoomSlider()->setValue(37);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("3.7"));
    EXPECT_FLOAT_EQ(frame->activeView()->zoom(), 3.7f);

    tools.fillButton()->click();
    EXPECT_EQ(document->display().fill, 0);
    tools.fillButton()->click();
    EXPECT_EQ(document->display().fill, 1);
    EXPECT_EQ(tools.fillButton()->text(), QStringLiteral("Fill"));
    tools.textureButton()->click();
    EXPECT_EQ(document->display().texture, 0);

    tools.stabButton()->click();
    EXPECT_EQ(document->display().visibility, 255 & ~0x0C);
    tools.wingButton()->click();
    tools.bodyButton()->click();
    tools.finButton()->click();
    EXPECT_EQ(document->display().visibility, 255 & ~0x3F);
    tools.stabButton()->click();
    EXPECT_EQ(document->display().visibility, (255 & ~0x3F) | 0x0C);
}

TEST_F(ToolsBarTest, SyncFromViewTakesZoomAndSettingsOfTheFocusedView) {
    CKeshDoc* lines = frame->openFile(sampleGlider("Harle"));
    CMyglView* linesView = frame->activeView();
    CKeshDoc* filled = frame->openFile(sampleGlider("Martinet"));
    ASSERT_TRUE(lines && filled);
    CToolsBarDlg& tools = *frame->toolsBar();
    // A new view (zoom 1.0) gave 10 when it opened.
    EXPECT_EQ(tools.zoomSlider()->value(), 10);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("1.0"));

    lines->display().fill = 0;
    lines->display().visibility = 255 & ~0x08 & ~0x20;
    linesView->setZoom(0.25f);
    frame->mdiArea()->setActiveSubWindow(frame->childFrames(lines).at(0));
    tools.SyncFromView();
    EXPECT_EQ(tools.zoomSlider()->value(), 2);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("0.2"));
    EXPECT_FLOAT_EQ(linesView->zoom(), 0.25f);
    EXPECT_TRUE(tools.fillButton()->isChecked());
    EXPECT_EQ(tools.fillButton()->text(), QStringLiteral("Line"));
    EXPECT_TRUE(tools.stabButton()->isChecked());
    EXPECT_TRUE(tools.finButton()->isChecked());
    EXPECT_FALSE(tools.wingButton()->isChecked());

    frame->mdiArea()->setActiveSubWindow(frame->childFrames(filled).at(0));
    tools.SyncFromView();
    EXPECT_FALSE(tools.fillButton()->isChecked());
    EXPECT_EQ(tools.fillButton()->text(), QStringLiteral("Fill"));
    EXPECT_FALSE(tools.stabButton()->isChecked());
    EXPECT_EQ(tools.zoomSlider()->value(), 10);
}

TEST_F(ToolsBarTest, TheSliderFollowsTheWheelAndCadrerInTheActiveView) {
    showFrame();
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    waitForViews();
    CMyglView* view = frame->activeView();
    CToolsBarDlg& tools = *frame->toolsBar();
    const QPointF centre = QRectF(view->rect()).center();
    QWheelEvent notchesIn(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, 3 * 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &notchesIn);
    EXPECT_FLOAT_EQ(view->zoom(), float(1 / (1.2 * 1.2 * 1.2)));
    EXPECT_EQ(tools.zoomSlider()->value(), 5);
    EXPECT_EQ(tools.zoomText()->text(), QStringLiteral("0.5"));

    frame->action(CMainFrame::FrameGlider)->trigger();
    EXPECT_GT(view->zoom(), 1.0f);
    EXPECT_EQ(tools.zoomSlider()->value(), int(view->zoom() * 10));
    EXPECT_EQ(tools.storedPosition(), int(view->zoom() * 10));
    EXPECT_EQ(tools.zoomText()->text(), QString::asprintf("%.1f", int(view->zoom() * 10) * 0.1));
    // Seen whole: its span runs up nine tenths of the window (the axes run on beyond it).
    const QImage image = view->grabFramebuffer();
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = image.pixel(x, y); c != qRgb(255, 255, 255) &&
                                                  c != qRgb(255, 0, 0) && c != qRgb(0, 255, 0)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_NEAR(bottom - top, 0.9 * image.height(), 4);
}

TEST_F(ToolsBarTest, ZoomOutsideTheSliderRangeDoesNotComeBackAsAMove) {
    ASSERT_NE(frame->fileNew(), nullptr);
    frame->activeView()->setZoom(0.05f);
    frame->toolsBar()->SyncFromView();
    EXPECT_FLOAT_EQ(frame->activeView()->zoom(), 0.05f);
    EXPECT_EQ(frame->toolsBar()->storedPosition(), 0);
}

TEST_F(ToolsBarTest, ScreenCopyWritesTheActiveViewToTryBmp) {
    showFrame();
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    waitForViews();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());
    frame->toolsBar()->screenCopyButton()->click();
    QDir::setCurrent(previous);
    QFile bmp(temp.filePath(QStringLiteral("try.bmp")));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.read(2), QByteArray("BM"));
}
