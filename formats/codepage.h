#pragma once

#include <QString>

#include <optional>
#include <string>

// Text inside glider and airfoil files is Windows-1252, the simulator platform's code page:
// Latin-1 plus œ, Œ, €, ’ and the other characters French users type in 0x80 to 0x9f.

// Every byte maps to a character; the five bytes the code page leaves undefined map to the
// control characters of the same value, so any file's bytes come back unchanged.
QString fromCodePage(const std::string& bytes);

// The bytes of the text, or nullopt when a character has none.
std::optional<std::string> toCodePage(const QString& text);

// The first character of the text that the code page cannot hold (both halves of a
// surrogate pair); empty when it holds them all.
QString firstUnencodable(const QString& text);
