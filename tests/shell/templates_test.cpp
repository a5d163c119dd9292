#include "tests/support/shellfixture.h"

#include "formats/glidertemplates.h"

#include <QAction>

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kTemplateFoils = QStringLiteral(KESH_SOURCE_DIR "/templates/airfoils/");

} // namespace

using TemplatesTest = ShellFixture;

TEST_F(TemplatesTest, NouveauOffersEveryTemplateWithItsPictureAndMakesAnUntitledCopy) {
    prompts.templateAnswers.push_back(2); // the third offered
    frame->action(CMainFrame::New)->trigger();
    ASSERT_EQ(prompts.templatesShown.size(), int(gliderTemplates().size()));
    for (int i = 0; i < prompts.templatesShown.size(); ++i) {
        const TemplateChoice& choice = prompts.templatesShown[i];
        EXPECT_EQ(choice.name.toStdString(), gliderTemplates()[i].name);
        EXPECT_FALSE(choice.description.isEmpty());
        EXPECT_EQ(choice.picture.size(), QSize(96, 72));
        // Something is drawn for every template but the empty one.
        const bool drawn = choice.picture.pixel(48, 36) != qRgb(255, 255, 255);
        EXPECT_EQ(drawn, i != 0) << choice.name.toStdString();
    }
    CKeshDoc* document = frame->activeDocument();
    ASSERT_TRUE(document);
    EXPECT_TRUE(document->path().isEmpty());
    EXPECT_EQ(document->title(), QStringLiteral("Kesh1"));
    EXPECT_EQ(document->glider().name, "Kesh1");
    EXPECT_EQ(document->glider().surfaces[WingLeft].npart(), 2); // LanceMain's wing
    EXPECT_FALSE(document->glider().surfaces[WingLeft].foil.polars.empty());
    EXPECT_FALSE(document->isModified());

    // Cancelled: nothing made.
    prompts.templateAnswers.push_back(std::nullopt);
    EXPECT_EQ(frame->fileNewChosen(), nullptr);
    EXPECT_EQ(frame->activeDocument(), document);
}

TEST_F(TemplatesTest, TheFirstSaveCopiesTheAirfoilsAskingBeforeReplacingADifferentOne) {
    makeSaveTree();
    const QString airfoils = temp.filePath(QStringLiteral("sim/airfoils/"));
    QDir().mkpath(airfoils);
    QFile mine(airfoils + "modele0008.txt");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();

    CKeshDoc* document = frame->newFromTemplate("Thermique");
    ASSERT_TRUE(document);
    // Cancelling the question cancels the save, and nothing is copied.
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("sim/gliders/x/Kesh1.gli")));
    prompts.choiceAnswers.push_back(std::nullopt);
    EXPECT_FALSE(frame->fileSave());
    EXPECT_FALSE(QFile::exists(airfoils + "modele3409.txt"));
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("sim/gliders/Kesh1/Kesh1.gli"))));

    // Keeping the user's file copies the other one only.
    prompts.saveFileAnswers.push_back(temp.filePath(QStringLiteral("sim/gliders/x/Kesh1.gli")));
    prompts.choiceAnswers.push_back(1);
    ASSERT_TRUE(frame->fileSave());
    EXPECT_TRUE(prompts.choicesShown.contains(QStringLiteral("Remplacer")));
    EXPECT_EQ(bytesOf(airfoils + "modele0008.txt"), QByteArray("mine"));
    EXPECT_EQ(bytesOf(airfoils + "modele3409.txt"), bytesOf(kTemplateFoils + "modele3409.txt"));
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("sim/gliders/Kesh1/Kesh1.gli"))));

    // Only the first save copies: the next one asks nothing.
    const int questions = prompts.shown.size();
    document->glider().centrum[0] = -0.46f;
    ASSERT_TRUE(frame->fileSave());
    EXPECT_EQ(prompts.shown.size(), questions);
}
