#include "formats/htmlsheet.h"

#include "scratchdir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(SpecificationSheet, ExactText) {
    const std::string expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
        "<HTML>\n"
        "<HEAD>\n"
        "   <META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\n"
        "   <META NAME=\"Author\" CONTENT=\"Vantair Editor\">\n"
        "   <TITLE> glider : ASW 28</TITLE>\n"
        "</HEAD>\n"
        "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000EE\" VLINK=\"#551A8B\" "
        "ALINK=\"#FF0000\">\n"
        "\n"
        "<TABLE WIDTH=\"100%\" BGCOLOR=\"#CCCCCC\" >\n"
        "<TR>\n"
        "<TD><B><I><FONT FACE=\"Arial,Helvetica\" SIZE=+2>&nbsp; ASW 28</FONT></I></B></TD>\n"
        "</TR>\n"
        "</TABLE>\n"
        "\n"
        "<UL>\n"
        "<TABLE WIDTH=\"50%\" >\n"
        "<TR><TD VALIGN=TOP>Profil :</TD><TD> KW 3516</TD></TR>\n"
        "<TR><TD VALIGN=TOP>Poids :</TD><TD> 12.5 Kg</TD></TR>\n"
        "<TR><TD VALIGN=TOP>Envergure :</TD><TD>15 metres</TD></TR>\n"
        "<TR><TD VALIGN=TOP>Surface ailaire :</TD><TD>0.42 m&sup2;</TD></TR>\n"
        "<TR><TD VALIGN=TOP>Charge ailaire :</TD><TD>2.34567 g/dm&sup2;</TD></TR>\n"
        "</TABLE>\n"
        "</UL>\n"
        "\n"
        "\n"
        "</BODY>\n"
        "</HTML>\n";
    EXPECT_EQ(specificationSheetText("ASW 28", "KW 3516", 12.5f, 15, 0.42f, 2.345671f), expected);
}

TEST(SpecificationSheet, EscapesNamesAndKeepsAnEmptyName) {
    const std::string text = specificationSheetText("<b>&\"x\"", "a>b", 0, 0, 0, 0);
    EXPECT_NE(text.find("<TITLE> glider : &lt;b&gt;&amp;&quot;x&quot;</TITLE>\n"),
              std::string::npos);
    EXPECT_NE(text.find("&nbsp; &lt;b&gt;&amp;&quot;x&quot;</FONT>"), std::string::npos);
    EXPECT_NE(text.find("<TD> a&gt;b</TD>"), std::string::npos);
    EXPECT_NE(specificationSheetText("", "", 0, 0, 0, 0).find("<TITLE> glider : </TITLE>\n"),
              std::string::npos);
}

TEST(SpecificationSheet, WrittenWithCrLfAndReplacedNotAppended) {
    ScratchDir dir;
    ASSERT_TRUE(writeSpecificationSheet(dir / "doc.html", "a\nb\n"));
    ASSERT_TRUE(writeSpecificationSheet(dir / "doc.html", "c\n\n"));
    EXPECT_EQ(readBytes(dir / "doc.html"), "c\r\n\r\n");
    EXPECT_FALSE(writeSpecificationSheet(dir / "missing/doc.html", "x\n"));
}

TEST(SpecificationSheet, ALinkIsKeptAndAPipeIsNotReplaced) {
    ScratchDir dir;
    writeBytes(dir / "real.html", "old");
    std::filesystem::create_symlink(dir / "real.html", dir / "doc.html");
    ASSERT_TRUE(writeSpecificationSheet(dir / "doc.html", "new\n"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "doc.html"));
    EXPECT_EQ(readBytes(dir / "real.html"), "new\r\n");
    ASSERT_EQ(::mkfifo((dir / "pipe.html").c_str(), 0600), 0);
    EXPECT_FALSE(writeSpecificationSheet(dir / "pipe.html", "x\n"));
    EXPECT_EQ(std::filesystem::status(dir / "pipe.html").type(), std::filesystem::file_type::fifo);
}
