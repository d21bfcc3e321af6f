#include "support/VerificaContenuto.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

const Separatori IT = Separatori::Italiani();
const Separatori EN = Separatori::Inglesi();

TEST(VerificaContenuto, NumeriScrittiComeLiScriveLUtente) {
    for (const char* t : {"0", "12", "12,5", "-0,7", "+3", ",7", "7,", "1.234,5", "  2,5  ", "1E+03", "2,5e-2"})
        EXPECT_TRUE(VerificaContenuto(t, IT)) << t;
    for (const char* t : {"12.5", "1,234.5", ".7", "-1e3"})
        EXPECT_TRUE(VerificaContenuto(t, EN)) << t;
}

TEST(VerificaContenuto, TestiCheNonSonoNumeri) {
    for (const char* t : {"", "   ", "abc", "1,2,3", "12a", "-", ",", "1E", "1E+", "3 cm", "--1"})
        EXPECT_FALSE(VerificaContenuto(t, IT)) << t;
    // With a decimal point the comma is only grouping: "0,7" is a number (7), "0.7.1" is not.
    EXPECT_TRUE(VerificaContenuto("0,7", EN));
    EXPECT_FALSE(VerificaContenuto("0.7.1", EN));
}

TEST(VerificaContenuto, BlankComeSeparatoreDelleMigliaia) {
    const Separatori blank{",", " "};
    EXPECT_TRUE(VerificaContenuto("1 234,5", blank));
    const Separatori stretto{",", "\xE2\x80\xAF"};
    EXPECT_TRUE(VerificaContenuto("1\xE2\x80\xAF" "234,5", stretto));
    EXPECT_TRUE(VerificaContenuto("1 234,5", stretto));
}

} // namespace
} // namespace vc
