// The texture field's "...", "PNG..." and "Gabarit..." on the surface and body pages.
#include "tests/shell/pages/pagetestsupport.h"

#include "formats/gliderfile.h"
#include "formats/simulatorpaths.h"
#include "formats/texturefile.h"
#include "model/glider.h"
#include "shell/pages/bodypage.h"
#include "shell/pages/finpage.h"
#include "shell/pages/skinactions.h"
#include "shell/pages/wingpage.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class SkinActions : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        const fs::path sample = KESH_SOURCE_DIR "/sample";
        fs::create_directories(sim / "gliders");
        fs::copy(sample / "airfoils", sim / "airfoils");
        fs::copy(sample / "gliders/Pipit", sim / "gliders/Pipit");
        setSimulatorDirectory(sim.string());
        readGlider(doc.glider(), (sim / "gliders/Pipit/Pipit.gli").string(), sim.string());
        doc.deriveGlider();
        source.document = &doc;
    }
    void TearDown() override { setSimulatorDirectory({}); }

    QString path(const std::string& name) const { return QString::fromStdString(name); }

    QTemporaryDir temp;
    const fs::path root = temp.path().toStdString();
    const fs::path sim = root / "sim";
    CKeshDoc doc;
    PageSource source;
};

TEST_F(SkinActions, anImageBecomesATextureInTheGliderDirectory) {
    // 512 x 256: green left, red right; its centred square is half of each.
    QImage wide(512, 256, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QPainter(&wide).fillRect(0, 0, 256, 256, Qt::green);
    const std::string image = (root / "skin.png").string();
    ASSERT_TRUE(wide.save(path(image)));

    CWingPage page(source);
    page.Load();
    const QString before = page.skin().field()->text();
    source.scripted.openAnswers = {path(image), path(image)};
    page.skin().browse(); // the choice cancelled
    EXPECT_EQ(page.skin().field()->text(), before);

    const std::string target = (sim / "gliders/Pipit/skin.raw").string();
    source.scripted.choiceAnswers = {1};
    source.scripted.saveFileAnswers = {path(target)};
    page.skin().browse();
    ASSERT_EQ(source.scripted.shown.back().kind, ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(source.scripted.shown.back().proposedName, path(target));
    EXPECT_EQ(source.scripted.choicesShown, (QStringList{"Mettre à l'échelle", "Recadrer"}));
    EXPECT_EQ(page.skin().field()->text(), path(target));
    const auto texels = readTextureFile(target);
    ASSERT_TRUE(texels);
    EXPECT_EQ(fs::file_size(target), kTextureBytes);
    EXPECT_EQ((*texels)[3 * 127 + 1], 255) << "green up to the middle";
    EXPECT_EQ((*texels)[3 * 128], 255) << "red from there";
    ASSERT_TRUE(page.Apply());
    EXPECT_EQ(doc.glider().surfaces[WingRight].texturePath, target);
}

TEST_F(SkinActions, anUnreadableImageIsRefusedAndNothingIsWritten) {
    const std::string broken = (root / "broken.png").string();
    std::ofstream(broken) << "no image here";
    CBodyPage page(source);
    page.Load();
    const QString before = page.skin().field()->text();
    source.scripted.openAnswers = {path(broken)};
    page.skin().browse();
    ASSERT_EQ(source.scripted.messages().size(), 1);
    EXPECT_TRUE(source.scripted.messages()[0].text.contains("broken.png"));
    EXPECT_EQ(source.scripted.messages()[0].caption, "Erreur");
    EXPECT_EQ(page.skin().field()->text(), before);
    EXPECT_FALSE(fs::exists(sim / "gliders/Pipit/broken.raw"));
}

TEST_F(SkinActions, theTextureExportsAsItsTexelsAndTheTemplateAtTheChosenSize) {
    CBodyPage page(source);
    page.Load();
    const std::string png = (root / "body.png").string();
    source.scripted.saveFileAnswers = {path(png)};
    page.skin().exportImage();
    const QImage exported(path(png));
    const auto texels = readTextureFile((sim / "gliders/Pipit/body.raw").string());
    ASSERT_TRUE(texels);
    ASSERT_EQ(exported.size(), QSize(256, 256));
    for (const QPoint p : {QPoint(0, 0), QPoint(70, 100), QPoint(255, 255)}) {
        const unsigned char* t = texels->data() + 3 * (256 * p.y() + p.x());
        EXPECT_EQ(exported.pixel(p), qRgb(t[0], t[1], t[2])) << p.x() << "," << p.y();
    }

    const std::string drawn = (root / "template.png").string();
    source.scripted.choiceAnswers = {1};
    source.scripted.saveFileAnswers = {path(drawn)};
    page.skin().saveTemplate();
    EXPECT_EQ(source.scripted.shown.back().proposedName,
              path((sim / "gliders/Pipit/gabarit-fuselage.png").string()));
    EXPECT_EQ(QImage(path(drawn)).size(), QSize(512, 512));
    EXPECT_TRUE(source.scripted.messages().isEmpty());

    doc.glider().surfaces[Fin].clear();
    doc.deriveGlider();
    CFinPage fin(source);
    fin.skin().saveTemplate();
    ASSERT_EQ(source.scripted.messages().size(), 1);
    EXPECT_EQ(source.scripted.messages()[0].text, "Le planeur n'a pas de dérive à peindre.");
}

} // namespace
