#include "shell/aboutdialog.h"
#include "shell/interfacelanguage.h"
#include "shell/setupdialog.h"
#include "tests/support/scriptedprompts.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QPushButton* buttonNamed(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

TEST(SetupDialogTest, ShowsTheStoredPathAndTheBrowsedFileReplacesIt) {
    ScriptedPrompts prompts;
    SetupDialog dialog({QStringLiteral("/sim/vantair.ini"), language::kEnglish}, prompts);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Setup"));
    EXPECT_EQ(dialog.pathField()->text(), QStringLiteral("/sim/vantair.ini"));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("Vantair ini :")));
    ASSERT_NE(buttonNamed(dialog, "OK"), nullptr);
    ASSERT_NE(buttonNamed(dialog, "Cancel"), nullptr);

    // A cancelled chooser keeps the field.
    dialog.browseButton()->click();
    EXPECT_EQ(dialog.pathField()->text(), QStringLiteral("/sim/vantair.ini"));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].filter,
              QStringLiteral("Vantair ini (vantair.ini);;All Files (*.*)"));
    EXPECT_EQ(prompts.shown[0].proposedName, QStringLiteral("vantair.ini"));

    prompts.openAnswers.push_back(QStringLiteral("/other/VANTAIR.INI"));
    dialog.browseButton()->click();
    EXPECT_EQ(dialog.iniPath(), QStringLiteral("/other/VANTAIR.INI"));
}

// OK keeps the dialog open, saying why, until the path is an existing .ini file or empty.
TEST(SetupDialogTest, OkRefusesAPathThatIsNotAnExistingIniFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Vantair.INI"));
    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    for (const QString& file : {ini, other}) {
        QFile made(file);
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
    }
    const struct {
        QString typed;
        const char* refusal; // null when accepted
    } cases[] = {
        {dir.filePath(QStringLiteral("vantair.ini")), "n'existe pas"},
        {other, "n'est pas un fichier .ini"},
        {dir.path(), "n'est pas un fichier .ini"},
        {QStringLiteral("  ") + ini + QStringLiteral(" "), nullptr},
        {QString(), nullptr},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        SetupDialog dialog({QString(), language::kEnglish}, prompts);
        dialog.pathField()->setText(c.typed);
        dialog.setResult(QDialog::Rejected);
        buttonNamed(dialog, "OK")->click();
        if (c.refusal) {
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << c.typed.toStdString();
            ASSERT_EQ(prompts.messages().size(), 1) << c.typed.toStdString();
            EXPECT_TRUE(prompts.messages()[0].text.contains(QString::fromUtf8(c.refusal)))
                << prompts.messages()[0].text.toStdString();
        } else {
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.typed.toStdString();
            EXPECT_TRUE(prompts.messages().isEmpty());
            EXPECT_EQ(dialog.choice().iniPath, c.typed.trimmed());
        }
    }
}

TEST(SetupDialogTest, OffersFrenchAndEnglishAndSaysWhenTheChoiceApplies) {
    ScriptedPrompts prompts;
    SetupDialog dialog({QString(), QStringLiteral("xx")}, prompts);
    QComboBox* box = dialog.languageBox();
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->itemText(0), QString::fromUtf8("Français"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("English"));
    // An unknown stored language shows as French.
    EXPECT_EQ(dialog.choice().language, language::kFrench);
    box->setCurrentIndex(1);
    EXPECT_EQ(dialog.choice().language, language::kEnglish);
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("Langue :")));
    EXPECT_TRUE(
        labels.contains(QString::fromUtf8("La langue choisie s'applique au prochain démarrage.")));
}

TEST(AboutDialogTest, NamesTheEditorAndItsVersion) {
    AboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("A propos de kesh"));
    bool version = false;
    bool picture = false;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        version = version || label->text() == QStringLiteral("Vantair editor version 0.3");
        picture = picture || !label->pixmap().isNull();
    }
    EXPECT_TRUE(version);
    EXPECT_TRUE(picture);
    ASSERT_NE(buttonNamed(dialog, "OK"), nullptr);
}
