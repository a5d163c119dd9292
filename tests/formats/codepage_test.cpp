#include "formats/codepage.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteComesBackAndFrenchCharactersHaveTheirWindowsBytes) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(toCodePage(fromCodePage(one)), one) << byte;
    }
    EXPECT_EQ(fromCodePage("\x9c\x8c\x80\x92\xe9\xc7"), QString::fromUtf8("œŒ€’éÇ"));
    EXPECT_EQ(toCodePage(QString::fromUtf8("Hélios Œuvre")), "H\xe9lios \x8cuvre");
}

TEST(CodePage, ACharacterItCannotHoldIsNamedNotReplaced) {
    EXPECT_EQ(toCodePage(QString::fromUtf8("a→b")), std::nullopt);
    EXPECT_EQ(firstUnencodable(QString::fromUtf8("aé→b")), QString::fromUtf8("→"));
    EXPECT_EQ(firstUnencodable(QString::fromUtf8("x😀")), QString::fromUtf8("😀"));
    EXPECT_EQ(firstUnencodable(QString::fromUtf8("Œuvre à 5 €")), QString());
}
