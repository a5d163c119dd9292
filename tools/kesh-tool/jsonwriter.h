#pragma once

#include <string>
#include <vector>

/**
 * Builds indented JSON. Floats keep 9 significant digits and doubles 17, so every value
 * reads back exactly; strings are bytes, each byte from 0x80 on written as \u00XX.
 */
class JsonWriter {
public:
    void beginObject(const std::string& key = {});
    void endObject();
    void beginArray(const std::string& key = {});
    void endArray();

    void value(const std::string& key, const std::string& text);
    void value(const std::string& key, const char* text) { value(key, std::string(text)); }
    void value(const std::string& key, float number);
    void value(const std::string& key, double number);
    void value(const std::string& key, int number);
    void null(const std::string& key = {});
    // Array elements.
    void element(float number) { value({}, number); }
    void element(double number) { value({}, number); }
    // An array of the numbers, each with the digits of its type.
    template <typename Numbers> void numbers(const std::string& key, const Numbers& list) {
        beginArray(key);
        for (const auto n : list)
            element(n);
        endArray();
    }

    const std::string& text() const { return out_; }

private:
    void open(const std::string& key, char bracket);
    void close(char bracket);
    void item(const std::string& key);

    std::string out_;
    std::vector<bool> hasItems_;
};

std::string jsonString(const std::string& bytes);
