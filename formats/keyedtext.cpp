#include "formats/keyedtext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Drops every CR that stands directly before a LF.
void dropCrBeforeLf(std::string& text) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        text[out++] = text[i];
    }
    text.resize(out);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads at most `limit` + 1 bytes so an oversized file is noticed without reading it all.
bool readAll(int fd, std::uintmax_t limit, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Where a key with wildcard dots matches, then blanks, '=', blanks and a quote.
class ValueMatcher {
public:
    ValueMatcher(const std::string& text, const std::string& key) : text_(text), key_(key) {}

    // Position of the opening quote of the leftmost match, npos when there is none.
    std::size_t openingQuote() {
        const std::size_t lastQuote = text_.rfind('"');
        if (lastQuote == std::string::npos || key_.size() >= text_.size())
            return std::string::npos;
        const std::size_t anchor = key_.find_first_not_of('.');
        for (std::size_t start = 0; start + key_.size() <= text_.size(); ++start) {
            if (anchor != std::string::npos) {
                const std::size_t hit = text_.find(key_[anchor], start + anchor);
                if (hit == std::string::npos)
                    return std::string::npos;
                start = hit - anchor;
                if (start + key_.size() > text_.size())
                    return std::string::npos;
            }
            const std::size_t quote = quoteAfterKey(start);
            if (quote != std::string::npos && quote < lastQuote)
                return quote;
        }
        return std::string::npos;
    }

private:
    bool keyMatchesAt(std::size_t start) const {
        for (std::size_t i = 0; i < key_.size(); ++i) {
            const char c = text_[start + i];
            if (key_[i] == '.' ? c == '\n' : c != key_[i])
                return false;
        }
        return true;
    }

    // Blank runs are remembered so overlapping candidates never rescan the same run.
    std::size_t skipBlanks(std::size_t from) {
        if (from >= runStart_ && from < runEnd_)
            return runEnd_;
        std::size_t end = from;
        while (end < text_.size() && isBlank(text_[end]))
            ++end;
        if (end > from) {
            runStart_ = from;
            runEnd_ = end;
        }
        return end;
    }

    std::size_t quoteAfterKey(std::size_t start) {
        if (!keyMatchesAt(start))
            return std::string::npos;
        std::size_t pos = skipBlanks(start + key_.size());
        if (pos >= text_.size() || text_[pos] != '=')
            return std::string::npos;
        pos = skipBlanks(pos + 1);
        if (pos >= text_.size() || text_[pos] != '"')
            return std::string::npos;
        return pos;
    }

    const std::string& text_;
    const std::string& key_;
    std::size_t runStart_ = 0;
    std::size_t runEnd_ = 0;
};

} // namespace

TextFileStatus loadTextFile(const std::string& path, std::string& text) {
    text.clear();
    // A NUL would cut the name short and open another file than the one named.
    if (path.find('\0') != std::string::npos)
        return TextFileStatus::CannotOpen;
    // Devices are never opened; the check after opening covers a file swapped meanwhile.
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0 || !S_ISREG(before.st_mode))
        return TextFileStatus::CannotOpen;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return TextFileStatus::CannotOpen;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return TextFileStatus::CannotOpen;
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxTextFileSize)
        return TextFileStatus::TooLarge;
    if (!readAll(fd.get(), kMaxTextFileSize, text)) {
        text.clear();
        return TextFileStatus::CannotOpen;
    }
    if (text.size() > kMaxTextFileSize) {
        text.clear();
        return TextFileStatus::TooLarge;
    }
    dropCrBeforeLf(text);
    return TextFileStatus::Ok;
}

bool readTextFile(const std::string& path, std::string& text) {
    return loadTextFile(path, text) == TextFileStatus::Ok;
}

void stripComments(std::string& text) {
    std::string out;
    out.reserve(text.size());
    std::size_t lineStart = 0;
    bool pendingBreak = false;
    std::size_t slashes = text.find("//");
    while (lineStart <= text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        const bool last = lineEnd == std::string::npos;
        if (last)
            lineEnd = text.size();
        // Blanks before the first "//" of a line go with the comment.
        std::size_t contentEnd = lineEnd;
        if (slashes != std::string::npos && slashes < lineStart)
            slashes = text.find("//", lineStart);
        if (slashes != std::string::npos && slashes < lineEnd) {
            contentEnd = slashes;
            while (contentEnd > lineStart && isBlank(text[contentEnd - 1]))
                --contentEnd;
        }
        if (contentEnd > lineStart) {
            if (pendingBreak)
                out += ' ';
            pendingBreak = false;
            out.append(text, lineStart, contentEnd - lineStart);
        }
        if (last)
            break;
        pendingBreak = true;
        lineStart = lineEnd + 1;
    }
    if (pendingBreak)
        out += ' ';
    text = std::move(out);
}

std::string findSection(const std::string& flat, const std::string& name) {
    const std::string header = "[" + name + "] ";
    std::string rest;
    const std::size_t first = flat.find(header);
    if (first == std::string::npos) {
        rest = flat;
    } else {
        // ".*" cannot cross a line end: the match starts at the line of the first header
        // and, being greedy, ends after the last header on that line.
        const std::size_t lineBegin = first == 0 ? 0 : flat.rfind('\n', first - 1) + 1;
        std::size_t lineEnd = flat.find('\n', first);
        if (lineEnd == std::string::npos)
            lineEnd = flat.size();
        std::size_t lastHeader = flat.rfind(header, lineEnd - header.size());
        if (lastHeader == std::string::npos || lastHeader < first)
            lastHeader = first;
        rest = flat.substr(0, lineBegin) + flat.substr(lastHeader + header.size());
    }
    const std::size_t bracket = rest.find('[');
    if (bracket != std::string::npos) {
        const std::size_t lineEnd = rest.find('\n', bracket);
        rest.erase(bracket, lineEnd == std::string::npos ? std::string::npos : lineEnd - bracket);
    }
    return rest;
}

bool hasSection(const std::string& flat, const std::string& name) {
    return flat.find("[" + name + "] ") != std::string::npos;
}

std::size_t headerLine(const std::string& text, const std::string& name) {
    const std::string header = "[" + name + "]";
    std::size_t found = 0;
    std::size_t line = 1;
    for (std::size_t start = 0; start < text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::size_t first = start;
        while (first < end && isBlank(text[first]))
            ++first;
        const std::size_t after = first + header.size();
        if (text.compare(first, header.size(), header) == 0 &&
            (after >= end || isBlank(text[after]) || text[after] == '/'))
            found = line;
        start = end + 1;
    }
    return found;
}

std::size_t lineCount(const std::string& text) {
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    return breaks + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

std::string findValue(const std::string& text, const std::string& key) {
    const std::size_t open = ValueMatcher(text, key).openingQuote();
    if (open == std::string::npos)
        return {};
    const std::size_t close = text.find('"', open + 1);
    return text.substr(open + 1, close - open - 1);
}

bool hasValue(const std::string& text, const std::string& key) {
    return ValueMatcher(text, key).openingQuote() != std::string::npos;
}

TokenReader::TokenReader(const std::string& value) : value_(value) {}

std::string TokenReader::next() {
    const auto separator = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (pos_ < value_.size() && separator(value_[pos_]))
        ++pos_;
    const std::size_t start = pos_;
    while (pos_ < value_.size() && !separator(value_[pos_]))
        ++pos_;
    return value_.substr(start, pos_ - start);
}

double toDouble(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, cLocale());
}

bool parseWholeNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front())))
        return false;
    char* end = nullptr;
    value = strtod_l(text.c_str(), &end, cLocale());
    return end == text.c_str() + text.size();
}

long toLong(const std::string& text) {
    return strtol_l(text.c_str(), nullptr, 10, cLocale());
}

int toInt(const std::string& text) {
    const long value = toLong(text);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

float finiteFloat(double value) {
    const float f = static_cast<float>(value);
    return std::isfinite(f) ? f : 0.0f;
}

float readFloat(const std::string& text, const std::string& key) {
    return finiteFloat(toDouble(findValue(text, key)));
}

std::string formatNumber(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}
