#pragma once

#include <QString>
#include <optional>

// Text of a float number field: "%.*g" at 6 significant digits.
QString formatFloatField(float value);
// Text of a double number field: "%.*g" at 15 significant digits.
QString formatDoubleField(double value);

// The bytes the C conversions read from a typed number: a decimal comma, as French users
// type it, becomes the point; files and shown values keep the point.
QByteArray typedNumberBytes(const QString& text);

/**
 * The number in a field's text, whatever the user's locale: at most the first 31
 * characters, blanks and tabs, a number in C floating-point syntax, then only blanks and
 * tabs, a comma standing for the decimal point. Zero is accepted only when the text (after the
 * blanks) begins with the digit 0, so
 * ".0" and "-0" are refused; infinities, NaN and overflows are refused as well.
 */
std::optional<double> parseNumberField(const QString& text);
