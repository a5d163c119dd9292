#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Largest glider or airfoil file the readers accept.
constexpr std::uintmax_t kMaxTextFileSize = 16u * 1024u * 1024u;

enum class TextFileStatus { Ok, CannotOpen, TooLarge };

/**
 * Reads a whole regular file in text mode: a CR directly before a LF is dropped.
 * Devices, pipes and directories are refused without being opened.
 */
TextFileStatus loadTextFile(const std::string& path, std::string& text);
// loadTextFile that only says whether the text was read.
bool readTextFile(const std::string& path, std::string& text);

// Removes "//" comments (with the blanks and tabs before them) and turns every run of
// line ends into one blank, so the text becomes one line.
void stripComments(std::string& text);

/**
 * The text after the last "[name] " header up to the next '['. When the header is
 * missing, the text before the first '[' of the whole file.
 */
std::string findSection(const std::string& flat, const std::string& name);

// Whether the text made one line by stripComments holds the "[name]" header findSection
// looks for; without it findSection gives the text before the first header.
bool hasSection(const std::string& flat, const std::string& name);

// For messages, in the text as read (before stripComments): the line, from 1, of the last
// "[name]" header that begins a line (0 when none does), and the number of lines.
std::size_t headerLine(const std::string& text, const std::string& name);
std::size_t lineCount(const std::string& text);

/**
 * The quoted value of the leftmost `key = "value"` in the text, empty when there is none.
 * The key is not anchored (it may end a longer key) and each '.' in it matches any
 * character; blanks and tabs may stand around the '='.
 */
std::string findValue(const std::string& text, const std::string& key);
// Whether findValue finds the key, be its value empty or not.
bool hasValue(const std::string& text, const std::string& key);

// Successive tokens of a value separated by blanks, tabs and line ends; empty at the end.
class TokenReader {
public:
    explicit TokenReader(const std::string& value);
    std::string next();

private:
    std::string value_;
    std::size_t pos_ = 0;
};

// C-locale conversions whatever the user's locale: leading white space skipped, the
// longest valid prefix taken, 0 when there is none.
double toDouble(const std::string& text);
int toInt(const std::string& text); // clamped to the int range
// The whole text as one number in the C locale; false when any of it is not part of one.
bool parseWholeNumber(const std::string& text, double& value);
long toLong(const std::string& text);

// A number narrowed to float; what does not fit or is not finite reads as 0, so nothing
// the readers fill in can carry an infinity or a NaN into the model.
float finiteFloat(double value);
// The number of a key's value in a section, as finiteFloat.
float readFloat(const std::string& text, const std::string& key);

// "%.6g" in the C locale.
std::string formatNumber(double value);
