#include "formats/keyedtext.h"

#include "scratchdir.h"

#include <chrono>
#include <clocale>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string flattened(std::string text) {
    stripComments(text);
    return text;
}

} // namespace

TEST(ReadTextFile, DropsCrOnlyBeforeLf) {
    ScratchDir dir;
    writeBytes(dir / "a.txt", "a\r\nb\rc\r\n\r\n");
    std::string text;
    ASSERT_TRUE(readTextFile(dir / "a.txt", text));
    EXPECT_EQ(text, "a\nb\rc\n\n");
}

TEST(ReadTextFile, RefusesMissingFilesDirectoriesAndPipes) {
    ScratchDir dir;
    std::string text = "stale";
    EXPECT_FALSE(readTextFile(dir / "missing.txt", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(readTextFile(dir.path(), text));
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(loadTextFile(dir / "pipe", text), TextFileStatus::CannotOpen);
    struct stat zero {};
    if (::stat("/dev/zero", &zero) == 0 && S_ISCHR(zero.st_mode)) {
        EXPECT_EQ(loadTextFile("/dev/zero", text), TextFileStatus::CannotOpen);
    }
}

TEST(ReadTextFile, RefusesFilesOverTheSizeLimit) {
    ScratchDir dir;
    writeBytes(dir / "big.txt", std::string(kMaxTextFileSize + 1, 'x'));
    std::string text;
    EXPECT_EQ(loadTextFile(dir / "big.txt", text), TextFileStatus::TooLarge);
    EXPECT_TRUE(text.empty());
}

TEST(StripComments, RemovesCommentsWithTheirLeadingBlanks) {
    EXPECT_EQ(flattened("name = \"x\" \t // note\nnext"), "name = \"x\" next");
    EXPECT_EQ(flattened("// only\n//\n[main]\n"), " [main] ");
    EXPECT_EQ(flattened("a//b//c\nd"), "a d");
}

TEST(StripComments, JoinsEveryRunOfLineEndsIntoOneBlank) {
    EXPECT_EQ(flattened("a\n\n\nb\n"), "a b ");
    EXPECT_EQ(flattened("coord =\"\n1 2\n\n3 4\""), "coord =\" 1 2 3 4\"");
    EXPECT_EQ(flattened("  \nx"), "   x");
    EXPECT_EQ(flattened(""), "");
}

TEST(StripComments, SlashesInsideAQuotedValueCutTheLine) {
    const std::string flat = flattened("[main]\nname = \"a//b\"\nweight = \"3\"\n");
    const std::string main = findSection(flat, "main");
    EXPECT_EQ(findValue(main, "name"), "a weight = ");
    EXPECT_EQ(findValue(main, "weight"), "3");
}

TEST(FindSection, ReturnsTheTextUpToTheNextHeader) {
    const std::string flat = flattened("[main]\n\nname = \"x\"\n\n[wing]\nnpart = \"1\"\n");
    EXPECT_EQ(findSection(flat, "main"), "name = \"x\" ");
    EXPECT_EQ(findSection(flat, "wing"), "npart = \"1\" ");
}

TEST(FindSection, TheLastCopyOfASectionWins) {
    const std::string flat = flattened("[wing]\na = \"1\"\n[main]\n[wing]\na = \"2\"\n");
    EXPECT_EQ(findValue(findSection(flat, "wing"), "a"), "2");
}

TEST(FindSection, AMissingSectionReadsAsTheTextBeforeTheFirstHeader) {
    EXPECT_EQ(findSection(flattened("// header\n[main]\nx\n"), "body"), " ");
    EXPECT_EQ(findSection(flattened("[main]\nx\n"), "body"), "");
}

TEST(FindSection, AHeaderNeedsABlankOrLineEndAfterIt) {
    EXPECT_EQ(findSection(flattened("[main]\n[wing]"), "wing"), "");
    EXPECT_EQ(findSection("x [wing]\ty", "wing"), "x ");
}

TEST(FindSection, ABracketInAValueEndsTheSection) {
    const std::string flat = flattened("[main]\nname = \"a[b\"\nweight = \"3\"\n");
    const std::string main = findSection(flat, "main");
    EXPECT_EQ(main, "name = \"a");
    EXPECT_EQ(findValue(main, "weight"), "");
}

TEST(FindValue, KeysAreFoundBySubstringAndFirstOccurrence) {
    EXPECT_EQ(findValue("npart   = \"3\"", "part"), "3");
    EXPECT_EQ(findValue("xweight = \"1\" weight = \"2\"", "weight"), "1");
    EXPECT_EQ(findValue("Weight = \"1\"", "weight"), "");
}

TEST(FindValue, BlanksAndTabsAroundTheEqualsSign) {
    EXPECT_EQ(findValue("weight=\"5\"", "weight"), "5");
    EXPECT_EQ(findValue("weight \t=\t \"5\"", "weight"), "5");
    EXPECT_EQ(findValue("weight = 5", "weight"), "");
    EXPECT_EQ(findValue("weight = \"unclosed", "weight"), "");
    EXPECT_EQ(findValue("name = \" a\tb \"", "name"), " a\tb ");
}

TEST(FindValue, ADotInAKeyMatchesAnyCharacter) {
    EXPECT_EQ(findValue("centrumXx = \"1\" centrum.x = \"2\"", "centrum.x"), "1");
    EXPECT_EQ(findValue("I_xx = \"7\"", "I.xx"), "7");
    EXPECT_EQ(findValue("I\nxx = \"7\"", "I.xx"), "");
}

TEST(FindValue, ACandidateWithoutAValueDoesNotHideALaterOne) {
    EXPECT_EQ(findValue("weight weight = \"4\"", "weight"), "4");
    EXPECT_EQ(findValue("a = b a = \"c\"", "a"), "c");
    EXPECT_EQ(findValue("k = \"", "k"), "");
}

TEST(FindValue, StaysFastOnAMegabyteOfNearMisses) {
    std::string text;
    while (text.size() < (1 << 20))
        text += "pane1.env        pane1.env        = 1 ";
    text += "pane1.env = \"9\"";
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(findValue(text, "pane1.env"), "9");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(TokenReader, SplitsOnBlanksTabsAndLineEnds) {
    TokenReader tokens(" 1\t2\n\n 3.5  ");
    EXPECT_EQ(tokens.next(), "1");
    EXPECT_EQ(tokens.next(), "2");
    EXPECT_EQ(tokens.next(), "3.5");
    EXPECT_EQ(tokens.next(), "");
    EXPECT_EQ(tokens.next(), "");
}

TEST(Numbers, CConversionsTakeTheLongestPrefix) {
    EXPECT_DOUBLE_EQ(toDouble(" \t2.5abc"), 2.5);
    EXPECT_DOUBLE_EQ(toDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(toDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(toDouble("1,5"), 1.0);
    EXPECT_EQ(toInt(" 12x"), 12);
    EXPECT_EQ(toInt("99999999999"), INT_MAX);
    EXPECT_EQ(toLong("100000"), 100000L);
}

TEST(Numbers, FormatsSixSignificantDigits) {
    EXPECT_EQ(formatNumber(0.1f), "0.1");
    EXPECT_EQ(formatNumber(2), "2");
    EXPECT_EQ(formatNumber(1234567), "1.23457e+06");
    EXPECT_EQ(formatNumber(0.0001234567), "0.000123457");
    EXPECT_EQ(formatNumber(0.00001), "1e-05");
    EXPECT_EQ(formatNumber(-0.5), "-0.5");
}

namespace {

// A comma-decimal locale: an installed one, else one compiled into `dir` with localedef.
bool useCommaDecimalLocale(const ScratchDir& dir) {
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    const std::string command =
        "localedef -i fr_FR -f UTF-8 '" + (dir / "fr_FR.UTF-8") + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    ::setenv("LOCPATH", dir.path().c_str(), 1);
    const bool ok = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") != nullptr;
    ::unsetenv("LOCPATH");
    return ok;
}

} // namespace

TEST(Numbers, IgnoreACommaDecimalLocale) {
    ScratchDir dir;
    if (!useCommaDecimalLocale(dir))
        GTEST_SKIP() << "no comma-decimal locale available";
    ASSERT_DOUBLE_EQ(std::strtod("2.5", nullptr), 2.0) << "the locale is not comma-decimal";
    EXPECT_DOUBLE_EQ(toDouble("2.5"), 2.5);
    EXPECT_EQ(formatNumber(2.5), "2.5");
    std::setlocale(LC_NUMERIC, "C");
}
