#include "jsonwriter.h"

#include <charconv>
#include <cmath>

namespace {

template <typename T> std::string number(T value, int digits) {
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string jsonString(const std::string& bytes) {
    static const char* const hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x80) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void JsonWriter::item(const std::string& key) {
    if (!hasItems_.empty()) {
        if (hasItems_.back())
            out_ += ",";
        hasItems_.back() = true;
        out_ += "\n" + std::string(2 * hasItems_.size(), ' ');
    }
    if (!key.empty())
        out_ += jsonString(key) + ": ";
}

void JsonWriter::open(const std::string& key, char bracket) {
    item(key);
    out_ += bracket;
    hasItems_.push_back(false);
}

void JsonWriter::close(char bracket) {
    const bool hadItems = hasItems_.back();
    hasItems_.pop_back();
    if (hadItems)
        out_ += "\n" + std::string(2 * hasItems_.size(), ' ');
    out_ += bracket;
    if (hasItems_.empty())
        out_ += "\n";
}

void JsonWriter::beginObject(const std::string& key) {
    open(key, '{');
}
void JsonWriter::endObject() {
    close('}');
}
void JsonWriter::beginArray(const std::string& key) {
    open(key, '[');
}
void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::value(const std::string& key, const std::string& text) {
    item(key);
    out_ += jsonString(text);
}

void JsonWriter::value(const std::string& key, float n) {
    item(key);
    out_ += number(n, 9);
}

void JsonWriter::value(const std::string& key, double n) {
    item(key);
    out_ += number(n, 17);
}

void JsonWriter::value(const std::string& key, int n) {
    item(key);
    out_ += std::to_string(n);
}

void JsonWriter::null(const std::string& key) {
    item(key);
    out_ += "null";
}
