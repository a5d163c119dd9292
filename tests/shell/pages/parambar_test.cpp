#include "tests/support/shellfixture.h"

#include "formats/gliderfile.h"
#include "shell/pages/generalpage.h"
#include "shell/pages/miscpage.h"
#include "shell/pages/parambardlg.h"
#include "shell/pages/surfacepage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// A page that shows what the base gives every page.
class RangePage : public CParamPage {
public:
    using CParamPage::CParamPage;
    QLineEdit field;
    bool check(double value) { return checkRange(&field, value, -20, 20); }
};

} // namespace

class ParamBarTest : public ShellFixture {
protected:
    CParamBarDlg& bar() { return *frame->paramBar(); }
    CGeneralPage& general() {
        return *static_cast<CGeneralPage*>(bar().page(CParamBarDlg::General));
    }
    CMiscPage& misc() { return *static_cast<CMiscPage*>(bar().page(CParamBarDlg::Misc)); }
};

TEST_F(ParamBarTest, SixTabsWithImagesAndTheStripAtTheBottom) {
    QTabWidget* tabs = bar().tabs();
    EXPECT_EQ(tabs->tabPosition(), QTabWidget::South);
    const QStringList labels{"General", "Aile", "Fuselage", "Stab", "Derive", "Divers"};
    ASSERT_EQ(tabs->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(tabs->tabText(i), labels[i]);
        EXPECT_FALSE(tabs->tabIcon(i).isNull());
        EXPECT_EQ(tabs->widget(i), bar().page(i));
    }
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(bar().applyButton()->text(), QStringLiteral("Appliquer"));
}

TEST_F(ParamBarTest, GeneralPageShowsNameFileFoilAndTotalsReadOnly) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    const Glider& glider = document->glider();
    EXPECT_EQ(general().nameField()->text(), QStringLiteral("Harle"));
    EXPECT_EQ(general().fileField()->text(), QStringLiteral("Harle.gli"));
    EXPECT_EQ(general().foilField()->text(), QString::fromStdString(glider.surfaces[0].foil.name));
    EXPECT_FALSE(general().foilField()->text().isEmpty());
    EXPECT_EQ(general().weightField()->text(),
              QString::asprintf("%.6g", double(glider.totalWeight())));
    EXPECT_EQ(general().spanField()->text(), QString::asprintf("%.6g", double(glider.span())));
    // Area in dm² beside a loading in g/dm²: their ratio is the weight in grams.
    const double areaDm2 = general().areaField()->text().toDouble();
    EXPECT_NEAR(areaDm2, glider.wingArea() * 100.0, 1e-3);
    EXPECT_GT(areaDm2, 10.0) << "a model wing has tens of dm²";
    EXPECT_NEAR(general().loadingField()->text().toDouble() * areaDm2,
                glider.totalWeight() * 1000.0, 1.0);
    EXPECT_TRUE(general().nameField()->isEnabled());
    for (QLineEdit* field :
         {general().fileField(), general().foilField(), general().weightField(),
          general().spanField(), general().loadingField(), general().areaField()})
        EXPECT_FALSE(field->isEnabled());

    // An empty name leaves the file field empty; derived fields wait for the next Load.
    general().nameField()->clear();
    general().Apply();
    EXPECT_EQ(glider.name, "");
    EXPECT_EQ(general().fileField()->text(), QStringLiteral("Harle.gli"));
    bar().ReloadPages();
    EXPECT_EQ(general().fileField()->text(), QString());
}

TEST_F(ParamBarTest, DiversShowsTheHeldCentreAndWritesTheFileValueBack) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    // The file says centrum.x = 0.651; the glider holds it negated.
    EXPECT_EQ(misc().centreField(0)->text(), QStringLiteral("-0.651"));
    EXPECT_EQ(misc().centreField(2)->text(), QStringLiteral("0.088"));
    EXPECT_EQ(misc().inertiaField(3)->text(), QStringLiteral("0.018"));
    EXPECT_TRUE(misc().Apply());
    EXPECT_FALSE(document->isModified());
    const std::string text = gliderFileText(document->glider());
    EXPECT_NE(text.find("centrum.x = \"0.651\""), std::string::npos);

    misc().inertiaField(0)->setText(QStringLiteral("2800.5"));
    EXPECT_TRUE(misc().Apply());
    EXPECT_DOUBLE_EQ(document->glider().inertia[0], 2800.5);
    EXPECT_TRUE(document->isModified());
}

// Six digits cannot hold every float, nor the pane colours every byte: what the user did
// not touch must not be rounded through the pages.
TEST_F(ParamBarTest, ApplyingUntouchedSamplesChangesNothingAndSavesTheSameBytes) {
    showFrame();
    makeSaveTree();
    const QStringList names =
        QDir(sampleDir() + QStringLiteral("/gliders")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        CKeshDoc* document = frame->openFile(copyOfSample(name));
        ASSERT_NE(document, nullptr);
        waitForViews();
        const Color wingColor = document->glider().surfaces[WingLeft].pane(0).color;
        const Color bodyColor = document->glider().body.color;
        bar().ApplyAll();
        EXPECT_TRUE(prompts.messages().isEmpty());
        EXPECT_FALSE(document->isModified());
        EXPECT_FALSE(frame->isWindowModified());
        EXPECT_EQ(document->glider().surfaces[WingLeft].pane(0).color, wingColor);
        EXPECT_EQ(document->glider().body.color, bodyColor);

        ASSERT_TRUE(frame->fileSave());
        QFile opened(sampleGlider(name));
        QFile saved(temp.filePath(QStringLiteral("sim/gliders/%1/%1.gli").arg(name)));
        ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), opened.readAll());
    }
}

TEST_F(ParamBarTest, ABadNumberStopsItsPageOnlyAndKeepsThatPagesValues) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    const Glider before = document->glider();
    general().nameField()->setText(QStringLiteral("Renamed"));
    misc().centreField(1)->setText(QStringLiteral("0.5"));
    misc().centreField(2)->setText(QStringLiteral("abc"));
    bar().applyButton()->click();

    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Tapez un nombre."));
    EXPECT_EQ(prompts.messages()[0].caption, QStringLiteral("Erreur"));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Error);
    EXPECT_EQ(document->glider().name, "Renamed");
    EXPECT_EQ(document->glider().centrum, before.centrum);
    EXPECT_EQ(document->glider().inertia, before.inertia);
}

TEST_F(ParamBarTest, ARefusedFieldOnAHiddenPageComesForwardHighlightedBeforeItsMessage) {
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    auto* wing = static_cast<CSurfacePage*>(bar().page(CParamBarDlg::Wing));
    wing->weightField()->setText(QStringLiteral("lourd"));
    QWidget* pageShown = nullptr;
    QString selected;
    prompts.whileMessageShows = [&] {
        pageShown = bar().tabs()->currentWidget();
        selected = wing->weightField()->selectedText();
    };
    bar().ApplyAll();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(pageShown, wing);
    EXPECT_EQ(selected, QStringLiteral("lourd"));
}

TEST_F(ParamBarTest, TheNameIsWindows1252AndACharacterItCannotHoldIsRefused) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    general().nameField()->setText(QString::fromUtf8("Hélios Œuvre"));
    ASSERT_TRUE(general().Apply());
    EXPECT_EQ(document->glider().name, "H\xe9lios \x8cuvre");
    bar().ReloadPages();
    EXPECT_EQ(general().nameField()->text(), QString::fromUtf8("Hélios Œuvre"));
    EXPECT_EQ(general().fileField()->text(), QString::fromUtf8("Hélios Œuvre.gli"));

    general().nameField()->setText(QString::fromUtf8("Flèche → 2"));
    misc().centreField(2)->setText(QStringLiteral("0.9"));
    bar().ApplyAll();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              QString::fromUtf8("Le caractère '→' du champ 'Nom' ne peut pas être écrit dans un "
                                "fichier planeur."));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Error);
    EXPECT_EQ(document->glider().name, "H\xe9lios \x8cuvre");
    EXPECT_FLOAT_EQ(document->glider().centrum[2], 0.9f);
}

TEST_F(ParamBarTest, APageFailingEarlierDoesNotStopTheFollowingPages) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    const Vec3f wingBefore = document->glider().surfaces[0].position;
    auto* wing = static_cast<CSurfacePage*>(bar().page(CParamBarDlg::Wing));
    wing->positionField(0)->setText(QStringLiteral("1.2.3"));
    misc().centreField(2)->setText(QStringLiteral("0.9"));
    bar().ApplyAll();

    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Tapez un nombre."));
    EXPECT_EQ(document->glider().surfaces[0].position, wingBefore);
    EXPECT_FLOAT_EQ(document->glider().centrum[2], 0.9f);
}

TEST_F(ParamBarTest, EnterAppliesOnlyThePageItIsPressedIn) {
    CKeshDoc* document = frame->openFile(sampleGlider("Harle"));
    ASSERT_NE(document, nullptr);
    general().nameField()->setText(QStringLiteral("NotYet"));
    misc().centreField(2)->setText(QStringLiteral("0.7"));
    misc().inertiaField(1)->setText(QStringLiteral("450"));
    QTest::keyClick(misc().centreField(2), Qt::Key_Return);
    EXPECT_FLOAT_EQ(document->glider().centrum[2], 0.7f);
    EXPECT_DOUBLE_EQ(document->glider().inertia[1], 450.0);
    EXPECT_EQ(document->glider().name, "Harle");

    QTest::keyClick(general().nameField(), Qt::Key_Enter);
    EXPECT_EQ(document->glider().name, "NotYet");
}

TEST_F(ParamBarTest, WithoutADocumentApplyAndEnterDoNothing) {
    general().nameField()->setText(QStringLiteral("x"));
    misc().centreField(0)->setText(QStringLiteral("bad"));
    bar().ApplyAll();
    QTest::keyClick(misc().centreField(0), Qt::Key_Return);
    bar().ReloadPages();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(misc().centreField(0)->text(), QStringLiteral("bad"));
}

TEST_F(ParamBarTest, NomenclatureWithoutADocumentSaysSo) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());
    bool opened = false;
    general().setSheetOpener([&](const QUrl&) { opened = true; });
    general().sheetButton()->click();
    QDir::setCurrent(previous);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Aucun planeurs en cours d'edition"));
    EXPECT_EQ(prompts.messages()[0].caption, QStringLiteral("Erreur"));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Error);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(QFile::exists(temp.filePath(QStringLiteral("doc.html"))));
}

TEST_F(ParamBarTest, NomenclatureWritesTheHeldNameInTheWorkingDirectoryAndOpensIt) {
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    general().nameField()->setText(QStringLiteral("Unapplied"));
    QUrl openedUrl;
    general().setSheetOpener([&](const QUrl& url) { openedUrl = url; });
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());
    general().sheetButton()->click();
    QDir::setCurrent(previous);

    const QString sheet = temp.filePath(QStringLiteral("doc.html"));
    EXPECT_EQ(openedUrl, QUrl::fromLocalFile(sheet));
    QFile file(sheet);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<TITLE> glider : Harle</TITLE>"));
    EXPECT_FALSE(text.contains("Unapplied"));
}

TEST_F(ParamBarTest, ASheetThatCannotBeWrittenIsReportedAndNotOpened) {
    ASSERT_NE(frame->openFile(sampleGlider("Harle")), nullptr);
    QDir(temp.path()).mkdir(QStringLiteral("doc.html"));
    bool opened = false;
    general().setSheetOpener([&](const QUrl&) { opened = true; });
    const QString previous = QDir::currentPath();
    QDir::setCurrent(temp.path());
    general().sheetButton()->click();
    QDir::setCurrent(previous);
    EXPECT_FALSE(opened);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].text.startsWith(QStringLiteral("Impossible")));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Error);
}

TEST_F(ParamBarTest, RangeCheckNamesTheBoundsWithAWarning) {
    RangePage page(*frame);
    EXPECT_TRUE(page.check(20));
    EXPECT_TRUE(page.check(-20));
    EXPECT_FALSE(page.check(20.5));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.messages()[0].text,
              QStringLiteral("Tapez un nombre compris entre -20 et 20."));
    EXPECT_EQ(prompts.messages()[0].icon, PromptIcon::Warning);
}
