#include "formats/messagetext.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Stands in for a compiled translation of one form.
class OneForm : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) == QLatin1String("Test") &&
            QString::fromUtf8(source) == QString::fromUtf8("Ligne %1 de « %2 »."))
            return QStringLiteral("“%2”, line %1.");
        return {};
    }
};

} // namespace

TEST(MessageTextTest, FillsTheFormOfTheInterfaceLanguageWithItsArgumentsByteForByte) {
    const std::string latin1Path = "/sim/\xe9t\xe9 %2.gli"; // not UTF-8, and holds "%2"
    const auto message = [&] {
        return MessageText("Test", "Ligne %1 de « %2 »").arg(7).arg(latin1Path).text();
    };
    const auto dotted = [&] {
        return MessageText("Test", "Ligne %1 de « %2 ».").arg(7).arg(latin1Path).text();
    };
    EXPECT_EQ(dotted(), "Ligne 7 de « " + latin1Path + " ».");

    int argc = 1;
    char name[] = "messagetext_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    OneForm english;
    ASSERT_TRUE(QCoreApplication::installTranslator(&english));
    EXPECT_EQ(dotted(), "“" + latin1Path + "”, line 7.");
    // A form without a translation stays the program's own.
    EXPECT_EQ(message(), "Ligne 7 de « " + latin1Path + " »");
    QCoreApplication::removeTranslator(&english);

    // A placeholder without an argument is left as it is.
    EXPECT_EQ(MessageText("Test", "%1 et %2").arg("a").text(), "a et %2");
}
