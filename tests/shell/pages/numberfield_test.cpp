#include "shell/pages/numberfield.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* text;
    bool accepted;
    double value;
};

const FieldCase kCases[] = {
    {"1.5", true, 1.5},
    {" \t-2.25\t ", true, -2.25},
    {"+3e2", true, 300},
    {"0x10", true, 16},
    {".5", true, 0.5},
    {"0", true, 0},
    {"  0.000", true, 0},
    {"0e7", true, 0},
    // the decimal comma French users type
    {"0,22", true, 0.22},
    {" -1,5e1 ", true, -15},
    // zero that does not start with the digit 0
    {".0", false, 0},
    {"-0", false, 0},
    {"1e-400", false, 0},
    // junk, other separators, empty
    {"", false, 0},
    {"   ", false, 0},
    {"1.5x", false, 0},
    {"1,2,3", false, 0},
    {"1,234.5", false, 0},
    {"1 2", false, 0},
    {"\n1", false, 0},
    {"1\n", false, 0},
    {"abc", false, 0},
    // values the model must never hold
    {"nan", false, 0},
    {"inf", false, 0},
    {"1e400", false, 0},
    // only the first 31 characters count
    {"1234567890123456789012345678901junk", true, 1234567890123456789012345678901.0}};

} // namespace

TEST(NumberFieldParse, ReadsTheCNumberBetweenBlanks) {
    for (const FieldCase& c : kCases) {
        SCOPED_TRACE(c.text);
        const auto number = parseNumberField(QString::fromLatin1(c.text));
        ASSERT_EQ(number.has_value(), c.accepted);
        if (c.accepted) {
            EXPECT_DOUBLE_EQ(*number, c.value);
        }
    }
}

TEST(NumberFieldLimit, ABlankFirstThirtyOneCharactersHideWhatFollows) {
    EXPECT_TRUE(parseNumberField(QString(30, ' ') + "7").has_value());
    EXPECT_FALSE(parseNumberField(QString(31, ' ') + "7").has_value());
}

TEST(NumberFieldFormat, FloatsAtSixDigitsDoublesAtFifteen) {
    EXPECT_EQ(formatFloatField(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(formatFloatField(-2.475f), QStringLiteral("-2.475"));
    EXPECT_EQ(formatFloatField(15.0f), QStringLiteral("15"));
    EXPECT_EQ(formatFloatField(1234567.0f), QStringLiteral("1.23457e+06"));
    EXPECT_EQ(formatFloatField(0.00001f), QStringLiteral("1e-05"));
    EXPECT_EQ(formatDoubleField(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(formatDoubleField(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(formatDoubleField(-59.8), QStringLiteral("-59.8"));
}
