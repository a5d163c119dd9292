// What shows the glider outside the pages follows "Appliquer" and undo: the speed polar
// window and the textures of the open views.
#include "aero/flightanalysis.h"
#include "formats/texturefile.h"
#include "render/myglview.h"
#include "shell/childframe.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/pages/skinactions.h"
#include "shell/pages/surfacepage.h"
#include "shell/polarwindow.h"
#include "shell/widgets/gridctrl.h"
#include "tests/support/shellfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

#include <thread>

namespace {

class FollowTest : public ShellFixture {
protected:
    CParamBarDlg& bar() { return *frame->paramBar(); }
    CMiscPage& misc() { return *static_cast<CMiscPage*>(bar().page(CParamBarDlg::Misc)); }
    CSurfacePage& wing() { return *static_cast<CSurfacePage*>(bar().page(CParamBarDlg::Wing)); }
    double analysedGlideSpeed(const CKeshDoc& doc) {
        return aero::analyseGlider(doc.glider()).flight()->bestGlideSpeed;
    }
};

TEST_F(FollowTest, PolarWindowFollowsEveryApplyAndUndo) {
    CKeshDoc* doc = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(doc, nullptr);
    misc().showChart();
    CPolarWindow* window = misc().polarWindow();
    ASSERT_NE(window, nullptr);
    const double before = window->performance().bestGlideSpeed;

    wing().weightField()->setText(QStringLiteral("2.5"));
    bar().ApplyAll();
    const double heavier = window->performance().bestGlideSpeed;
    EXPECT_GT(heavier, before);
    EXPECT_DOUBLE_EQ(heavier, analysedGlideSpeed(*doc));

    doc->undoStack()->undo();
    EXPECT_DOUBLE_EQ(window->performance().bestGlideSpeed, before);
    doc->undoStack()->redo();

    // A glider that cannot be analysed leaves the curves marked as past.
    const int panes = doc->glider().surfaces[WingLeft].npart();
    prompts.yesNoAnswers = std::deque<bool>(std::size_t(panes), true);
    double last = 0;
    for (int i = 0; i < panes; ++i) {
        last = window->performance().bestGlideSpeed;
        wing().grid()->setCurrentCell(1, 1);
        wing().deleteRow();
    }
    ASSERT_EQ(doc->glider().surfaces[WingLeft].npart(), 0);
    EXPECT_TRUE(window->isOutOfDate());
    EXPECT_TRUE(window->staleLabel()->text().contains(QStringLiteral("pas d'aile")))
        << window->staleLabel()->text().toStdString();
    EXPECT_DOUBLE_EQ(window->performance().bestGlideSpeed, last) << "the last curves stay";
    for (int i = 0; i < panes; ++i)
        doc->undoStack()->undo();
    EXPECT_FALSE(window->isOutOfDate());
    EXPECT_DOUBLE_EQ(window->performance().bestGlideSpeed, heavier);
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 150 && c.green() < 60 && c.blue() < 60;
        }
    return count;
}

void writePlainTexture(const QString& path, unsigned char r, unsigned char g, unsigned char b) {
    std::vector<unsigned char> texels(kTextureBytes);
    for (std::size_t i = 0; i < texels.size(); i += 3) {
        texels[i] = r;
        texels[i + 1] = g;
        texels[i + 2] = b;
    }
    std::string error;
    ASSERT_TRUE(writeTextureFile(path.toStdString(), texels, error)) << error;
}

TEST_F(FollowTest, ATextureChosenInAPageShowsInTheOpenViews) {
    showFrame();
    CKeshDoc* doc = frame->openFile(copyOfSample(QStringLiteral("Harle")));
    ASSERT_NE(doc, nullptr);
    waitForViews();
    CMyglView* view = frame->childFrames().front()->view();
    const QImage before = view->grabFramebuffer();
    const int redBefore = redPixels(before);

    const QString red = temp.filePath(QStringLiteral("red.raw"));
    writePlainTexture(red, 255, 0, 0);
    wing().skin().field()->setText(red);
    bar().ApplyAll();
    const int redAfter = redPixels(view->grabFramebuffer());
    EXPECT_GT(redAfter, redBefore + 500) << "the open view draws the new skin";

    doc->undoStack()->undo();
    EXPECT_EQ(redPixels(view->grabFramebuffer()), redBefore);
    doc->undoStack()->redo();
    EXPECT_EQ(redPixels(view->grabFramebuffer()), redAfter);

    // The same file painted again and applied: no value changed, yet the view follows.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    writePlainTexture(red, 0, 0, 255);
    bar().ReloadPages();
    bar().ApplyAll();
    EXPECT_LT(redPixels(view->grabFramebuffer()), redBefore + 500);
}

} // namespace
