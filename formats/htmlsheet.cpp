#include "formats/htmlsheet.h"

#include "formats/atomicfile.h"
#include "formats/keyedtext.h"

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string specificationSheetText(const std::string& name, const std::string& foilName,
                                   float totalWeight, float span, float wingArea,
                                   float wingLoading) {
    const std::string n = escaped(name);
    std::string s;
    s += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n";
    s += "<HTML>\n";
    s += "<HEAD>\n";
    s += "   <META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\n";
    s += "   <META NAME=\"Author\" CONTENT=\"Vantair Editor\">\n";
    s += "   <TITLE> glider : " + n + "</TITLE>\n";
    s += "</HEAD>\n";
    s += "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000EE\" VLINK=\"#551A8B\" "
         "ALINK=\"#FF0000\">\n";
    s += "\n";
    s += "<TABLE WIDTH=\"100%\" BGCOLOR=\"#CCCCCC\" >\n";
    s += "<TR>\n";
    s += "<TD><B><I><FONT FACE=\"Arial,Helvetica\" SIZE=+2>&nbsp; " + n + "</FONT></I></B></TD>\n";
    s += "</TR>\n";
    s += "</TABLE>\n";
    s += "\n";
    s += "<UL>\n";
    s += "<TABLE WIDTH=\"50%\" >\n";
    s += "<TR><TD VALIGN=TOP>Profil :</TD><TD> " + escaped(foilName) + "</TD></TR>\n";
    s += "<TR><TD VALIGN=TOP>Poids :</TD><TD> " + formatNumber(totalWeight) + " Kg</TD></TR>\n";
    s += "<TR><TD VALIGN=TOP>Envergure :</TD><TD>" + formatNumber(span) + " metres</TD></TR>\n";
    // The sheet says it is Latin-1; an entity keeps the square out of that question.
    s += "<TR><TD VALIGN=TOP>Surface ailaire :</TD><TD>" + formatNumber(wingArea) +
         " m&sup2;</TD></TR>\n";
    s += "<TR><TD VALIGN=TOP>Charge ailaire :</TD><TD>" + formatNumber(wingLoading) +
         " g/dm&sup2;</TD></TR>\n";
    s += "</TABLE>\n";
    s += "</UL>\n\n";
    s += "\n";
    s += "</BODY>\n";
    s += "</HTML>\n";
    return s;
}

bool writeSpecificationSheet(const std::string& filePath, const std::string& sheetText) {
    std::string bytes;
    bytes.reserve(sheetText.size() + sheetText.size() / 16);
    for (const char c : sheetText) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    std::string error;
    return replaceFileContents(filePath, bytes, error);
}
