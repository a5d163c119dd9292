// Comment stripping, sections, keys and tokens on arbitrary text.
#include "formats/keyedtext.h"

#include <cstdint>
#include <string>

namespace {

const char* const kSections[] = {"main", "wing", "hstab", "vstab", "body", "points", "polar"};
const char* const kKeys[] = {"name",       "weight",    "centrum.x",     "I.xx",
                             "part",       "pane1.env", "coord",         "texture",
                             "nbreynolds", "re1.polar", "foil.filename", "pane10.throw.down"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    // The first byte, when there is one, also serves as a key of its own.
    const std::string ownKey = size > 0 ? std::string(1, text[0]) + "." : std::string(".");
    stripComments(text);
    if (text.find('\n') != std::string::npos)
        __builtin_trap(); // the flattened text must be one line
    for (const char* name : kSections) {
        const std::string section = findSection(text, name);
        if (section.size() > text.size())
            __builtin_trap();
        for (const char* key : kKeys) {
            const std::string value = findValue(section, key);
            if (value.find('"') != std::string::npos)
                __builtin_trap();
            TokenReader tokens(value);
            for (std::string token = tokens.next(); !token.empty(); token = tokens.next())
                (void)toDouble(token);
            (void)toInt(value);
            (void)toLong(value);
        }
        (void)findValue(section, ownKey);
    }
    return 0;
}
