// Windows-1252 on disk, UTF-8 in the program.

#include "files/Codifica1252.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

TEST(Codifica1252, LettereItalianeESimboli) {
    EXPECT_EQ(Utf8A1252("Trave"), "Trave");
    EXPECT_EQ(Utf8A1252("àèéìòù°"), "\xE0\xE8\xE9\xEC\xF2\xF9\xB0");
    EXPECT_EQ(Utf8A1252("€ – ‘x’ “y” …"), "\x80 \x96 \x91x\x92 \x93y\x94 \x85");
    EXPECT_EQ(Da1252AUtf8("\xE0\xE8\xB2\x80\x96"), "àè²€–");
}

TEST(Codifica1252, FuoriDalCodiceDiventaPuntoInterrogativo) {
    EXPECT_EQ(Utf8A1252("σ=ω·ε 漢 😀"), "?=?\xB7? ? ?");
}

TEST(Codifica1252, SeparatoriDelleMigliaiaSenzaPuntoInterrogativo) {
    // French grouping (U+202F narrow no-break space, U+00A0 before it), a thin space, an
    // ideographic space and the Arabic thousands separator.
    EXPECT_EQ(Utf8A1252("50\u202F000"), "50\xA0"
                                        "000");
    EXPECT_EQ(Utf8A1252("50\u00A0000"), "50\xA0"
                                        "000");
    EXPECT_EQ(Utf8A1252("50\u2007000"), "50\xA0"
                                        "000");
    for (const char* s : {"50\u2009000", "50\u2002000", "50\u3000000", "50\u205F000", "50\u066C000"})
        EXPECT_EQ(Utf8A1252(s), "50 000") << s;
}

TEST(Codifica1252, Utf8NonValidoDiventaPuntoInterrogativo) {
    // a lone continuation byte, a truncated sequence, an overlong form, a surrogate
    for (const std::string s : {"a\x80"
                                "b",
                                "a\xE2\x82", "\xC0\xAF", "\xED\xA0\x80"}) {
        const std::string c = Utf8A1252(s);
        EXPECT_NE(c.find('?'), std::string::npos) << c;
        EXPECT_EQ(c.find('\x80'), std::string::npos) << c;
    }
    EXPECT_EQ(Utf8A1252("a\x80"
                        "b"),
              "a?b");
}

TEST(Codifica1252, OgniByteTornaUguale) {
    std::string tutti;
    for (int b = 0; b < 256; ++b)
        tutti += static_cast<char>(b);
    EXPECT_EQ(Utf8A1252(Da1252AUtf8(tutti)), tutti);
}

} // namespace
} // namespace vc
