#include "formats/codepage.h"

#include <array>

namespace {

// The characters of bytes 0x80 to 0x9f; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

char16_t charOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xa0)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<char> byteOfChar(char16_t c) {
    if (c < 0x80 || (c >= 0xa0 && c <= 0xff))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString fromCodePage(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[static_cast<qsizetype>(i)] = QChar(charOfByte(static_cast<unsigned char>(bytes[i])));
    return text;
}

std::optional<std::string> toCodePage(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const std::optional<char> byte = byteOfChar(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes += *byte;
    }
    return bytes;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (byteOfChar(text[i].unicode()))
            continue;
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return {};
}
