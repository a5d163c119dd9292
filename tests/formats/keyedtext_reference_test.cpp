// The hand-written matcher against a literal backtracking reading of the patterns,
// on random texts made of the characters the patterns care about.
#include "formats/keyedtext.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace {

struct Item {
    std::string set; // the characters of a bracket expression, or one literal
    bool any = false;
    bool negated = false;
    bool star = false;
    bool plus = false;

    bool matches(char c) const {
        if (any)
            return c != '\n';
        const bool in = set.find(c) != std::string::npos;
        return negated ? !in : in;
    }
};

std::vector<Item> compile(const std::string& pattern) {
    std::vector<Item> items;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '*' || c == '+') {
            (c == '*' ? items.back().star : items.back().plus) = true;
            continue;
        }
        Item item;
        if (c == '.') {
            item.any = true;
        } else if (c == '\\') {
            item.set = std::string(1, pattern[++i]);
        } else if (c == '[') {
            const std::size_t close = pattern.find(']', i + 1);
            item.set = pattern.substr(i + 1, close - i - 1);
            if (!item.set.empty() && item.set[0] == '^') {
                item.negated = true;
                item.set.erase(0, 1);
            }
            i = close;
        } else {
            item.set = std::string(1, c);
        }
        items.push_back(item);
    }
    return items;
}

// End of the greedy match of items[i..] at pos, with backtracking.
std::optional<std::size_t> matchHere(const std::vector<Item>& items, std::size_t i,
                                     const std::string& text, std::size_t pos) {
    if (i == items.size())
        return pos;
    const Item& item = items[i];
    if (!item.star && !item.plus) {
        if (pos < text.size() && item.matches(text[pos]))
            return matchHere(items, i + 1, text, pos + 1);
        return std::nullopt;
    }
    std::size_t count = 0;
    while (pos + count < text.size() && item.matches(text[pos + count]))
        ++count;
    for (std::size_t n = count + 1; n-- > (item.plus ? 1u : 0u);) {
        if (auto end = matchHere(items, i + 1, text, pos + n))
            return end;
    }
    return std::nullopt;
}

std::optional<std::pair<std::size_t, std::size_t>>
search(const std::string& pattern, const std::string& text, std::size_t from = 0) {
    const std::vector<Item> items = compile(pattern);
    for (std::size_t start = from; start <= text.size(); ++start) {
        if (auto end = matchHere(items, 0, text, start))
            return std::make_pair(start, *end);
    }
    return std::nullopt;
}

std::string referenceStrip(std::string text) {
    while (auto m = search("[ \t]*//.*", text))
        text.erase(m->first, m->second - m->first);
    std::size_t from = 0;
    while (auto m = search("\n+", text, from)) {
        text.replace(m->first, m->second - m->first, " ");
        from = m->first;
    }
    return text;
}

std::string referenceSection(std::string text, const std::string& name) {
    if (auto m = search(".*\\[" + name + "\\] ", text))
        text.erase(m->first, m->second - m->first);
    if (auto m = search("\\[.*", text))
        text.erase(m->first, m->second - m->first);
    return text;
}

std::string referenceValue(const std::string& text, const std::string& key) {
    const auto m = search(key + "[ \t]*=[ \t]*\"[^\"]*\"", text);
    if (!m)
        return {};
    std::string matched = text.substr(m->first, m->second - m->first);
    const auto head = search(key + "[ \t]*=[ \t]*\"", matched);
    matched.erase(head->first, head->second - head->first);
    matched.pop_back();
    return matched;
}

std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"a",    "b",   ".",  " ",   "\t",    "\n",
                                                    "/",    "//",  "\"", "=",   "[",     "]",
                                                    "[a] ", "[a]", "ab", "a.b", " = \"", "\"x\" "};
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (std::size_t n = length(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

} // namespace

TEST(KeyedTextReference, StripCommentsMatchesThePatterns) {
    std::mt19937 random(12345);
    for (int i = 0; i < 3000; ++i) {
        std::string text = randomText(random);
        const std::string expected = referenceStrip(text);
        stripComments(text);
        ASSERT_EQ(text, expected) << "case " << i;
    }
}

TEST(KeyedTextReference, FindSectionMatchesThePatterns) {
    std::mt19937 random(23456);
    for (int i = 0; i < 3000; ++i) {
        const std::string text = randomText(random);
        ASSERT_EQ(findSection(text, "a"), referenceSection(text, "a")) << "case " << i;
    }
}

TEST(KeyedTextReference, FindValueMatchesThePatterns) {
    std::mt19937 random(34567);
    const char* const keys[] = {"a", "ab", "a.b", ".b", "b.", ".", "a..a"};
    for (int i = 0; i < 3000; ++i) {
        const std::string text = randomText(random);
        for (const char* key : keys)
            ASSERT_EQ(findValue(text, key), referenceValue(text, key))
                << "case " << i << " " << key;
    }
}
