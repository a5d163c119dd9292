#include "tests/support/shellfixture.h"

#include "shell/interfacelanguage.h"
#include "shell/keshapp.h"
#include "shell/pages/parambardlg.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>

namespace {

QStringList menuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        titles.append(menu->text());
    return titles;
}

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Message> readTranslation(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, false});
        else if (xml.name() == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.last().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The marks a translation must keep: placeholders, the shortcut after a tab, one mnemonic.
QString marks(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        found.append(text.mid(tab));
    QString bare = text;
    bare.remove(QStringLiteral("&&"));
    if (bare.contains(QLatin1Char('&')))
        found.append(QStringLiteral("mnemonic"));
    return found.join(QLatin1Char(' '));
}

} // namespace

using LanguageTest = ShellFixture;

TEST_F(LanguageTest, TheStoredChoiceTranslatesTheInterfaceFromTheStart) {
    auto store = [this](const QString& file, const QString& language) {
        auto settings = std::make_unique<SettingsStore>(temp.filePath(file));
        if (!language.isEmpty())
            storeLanguage(*settings, language);
        return settings;
    };
    {
        CKeshApp english({"kesh", "--nosplash"}, store("en.ini", language::kEnglish));
        EXPECT_TRUE(english.language().translated());
        CMainFrame& frame = english.mainFrame();
        EXPECT_EQ(menuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
        EXPECT_EQ(frame.action(CMainFrame::Open)->text(), QStringLiteral("&Open...\tCtrl+O"));
        EXPECT_EQ(frame.paramBar()->tabs()->tabText(CParamBarDlg::Wing), QStringLiteral("Wing"));
    }
    // Its translator goes with it: the next start in French is French.
    for (const QString& language : {QString(), QStringLiteral("de")}) {
        CKeshApp french({"kesh", "--nosplash"}, store(language + "fr.ini", language));
        EXPECT_FALSE(french.language().translated());
        EXPECT_EQ(menuTitles(french.mainFrame()),
                  (QStringList{"&Fichier", "&Edition", "&Affichage", "&Outils", "&?"}));
    }
}

TEST_F(LanguageTest, SetupStoresTheChosenLanguageForTheNextStart) {
    prompts.setupAnswers.push_back(QStringLiteral("/sim/vantair.ini"));
    prompts.setupLanguages.push_back(language::kEnglish);
    frame->setup();
    EXPECT_EQ(prompts.setupLanguageShown, language::kFrench);
    EXPECT_EQ(storedLanguage(*settings), language::kEnglish);
    // The interface stays as it started.
    EXPECT_EQ(frame->action(CMainFrame::Open)->text(), QStringLiteral("&Ouvrir...\tCtrl+O"));

    prompts.setupAnswers.push_back(std::nullopt);
    prompts.setupLanguages.push_back(language::kFrench);
    frame->setup();
    EXPECT_EQ(prompts.setupLanguageShown, language::kEnglish);
    EXPECT_EQ(storedLanguage(*settings), language::kEnglish);
}

TEST(EnglishTranslationTest, EveryTextIsTranslatedKeepingItsPlaceholdersShortcutsAndMnemonics) {
    const QList<Message> messages =
        readTranslation(QStringLiteral(KESH_SOURCE_DIR "/shell/translations/kesh_en.ts"));
    ASSERT_GT(messages.size(), 300);
    for (const Message& m : messages) {
        const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
        EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
        EXPECT_EQ(marks(m.translation), marks(m.source)) << where;
    }
}

TEST_F(LanguageTest, MessagesFromTheFileReadersAreShownInEnglishWithTheirPaths) {
    const InterfaceLanguage english(language::kEnglish);
    ASSERT_TRUE(english.translated());
    const std::unique_ptr<CMainFrame> englishFrame = makeFrame();
    const QString notAGlider = temp.filePath(QStringLiteral("été.gli"));
    QFile file(notAGlider);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[wing]\r\n");
    file.close();

    EXPECT_EQ(englishFrame->openFile(notAGlider), nullptr);
    const QList<ScriptedPrompts::Shown> shown = prompts.messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("The file '%1' is not a glider file: the [main] "
                                            "section is missing or empty (line 1).")
                                 .arg(notAGlider));
    EXPECT_EQ(shown[0].caption, QStringLiteral("Error"));
}
