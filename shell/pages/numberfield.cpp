#include "shell/pages/numberfield.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

constexpr int kMaxFieldChars = 31;

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

QString formatFloatField(float value) {
    return QString::asprintf("%.*g", 6, static_cast<double>(value));
}

QString formatDoubleField(double value) {
    return QString::asprintf("%.*g", 15, value);
}

QByteArray typedNumberBytes(const QString& text) {
    QByteArray bytes = text.toLatin1();
    bytes.replace(',', '.');
    return bytes;
}

std::optional<double> parseNumberField(const QString& text) {
    const QByteArray bytes = typedNumberBytes(text.left(kMaxFieldChars));
    const char* start = bytes.constData();
    while (isBlank(*start))
        ++start;
    // strtod would skip other white space too (line breaks); the field does not.
    if (std::isspace(static_cast<unsigned char>(*start)))
        return std::nullopt;
    char* end = nullptr;
    const double value = strtod_l(start, &end, cLocale());
    if (end == start)
        return std::nullopt;
    while (isBlank(*end))
        ++end;
    if (*end != '\0')
        return std::nullopt;
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0 && *start != '0')
        return std::nullopt;
    return value;
}
