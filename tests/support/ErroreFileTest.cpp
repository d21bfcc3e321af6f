#include "support/ErroreFile.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

TEST(ErroreFile, MessaggioEPoiFileECausaSullaRigaDopo) {
    const ErroreFile solo("Scrittura incompleta del file");
    EXPECT_STREQ(solo.what(), "Scrittura incompleta del file");
    EXPECT_EQ(solo.Testo(), "Scrittura incompleta del file");

    const ErroreFile pieno("Scrittura incompleta del file", "/dati/trave.vlr",
                           std::make_error_code(std::errc::no_space_on_device));
    EXPECT_EQ(pieno.Testo(), "Scrittura incompleta del file\r\n/dati/trave.vlr: " +
                                 std::make_error_code(std::errc::no_space_on_device).message());
    EXPECT_EQ(pieno.Messaggio(), "Scrittura incompleta del file");
    EXPECT_EQ(pieno.Causa(), std::errc::no_space_on_device);

    const ErroreFile senzaFile("Scrittura incompleta del file", {}, CausaFile::Protetto);
    EXPECT_EQ(senzaFile.Testo(), "Scrittura incompleta del file\r\nil file è protetto da scrittura");
}

TEST(ErroreFile, CauseProprie) {
    EXPECT_EQ(std::error_code(CausaFile::NonRegolare).message(), "non è un file ordinario");
    EXPECT_EQ(std::error_code(CausaFile::Incompleto).message(), "il file scritto è incompleto");
    EXPECT_NE(std::error_code(CausaFile::Protetto), std::errc::permission_denied);
}

} // namespace
} // namespace vc
