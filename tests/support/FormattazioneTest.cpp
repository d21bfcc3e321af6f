#include "support/Formattazione.h"

#include "support/Errori.h"
#include "support/ImpostazioniInternazionali.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>

namespace vc {
namespace {

const Separatori IT = Separatori::Italiani(); // "," decimal, "." grouping
const Separatori EN = Separatori::Inglesi();  // "." decimal, "," grouping
const Separatori SenzaGruppi{",", ""};        // no grouping at all
const Separatori Blank{",", " "};             // a blank as grouping
const std::string Nnbsp = "\xE2\x80\xAF";     // U+202F narrow no-break space
const Separatori Stretto{",", Nnbsp};         // a multi-byte grouping
const Separatori PuntoBlank{".", " "};

// One value, its text with Italian separators and with English ones.
struct Caso {
    double x;
    const char* it;
    const char* en;
};

template <typename Formato> void VerificaCasi(Formato formatta, std::initializer_list<Caso> casi) {
    for (const Caso& c : casi) {
        EXPECT_EQ(formatta(c.x, IT), c.it) << c.x;
        EXPECT_EQ(formatta(c.x, EN), c.en) << c.x;
    }
}

// ---------------------------------------------------------------------------------------------
// Reading typed numbers

TEST(FormattazioneLettura, GroupingAndDecimalFollowTheSeparators) {
    EXPECT_DOUBLE_EQ(LeggeNumero("1.234,5", IT), 1234.5);
    EXPECT_DOUBLE_EQ(LeggeNumero("0,7", IT), 0.7);
    EXPECT_DOUBLE_EQ(LeggeNumero("0,7", EN), 7.0); // the comma groups digits there
    EXPECT_DOUBLE_EQ(LeggeNumero("1,234.5", EN), 1234.5);
    EXPECT_DOUBLE_EQ(LeggeNumero("1,2,3", IT), 1.2);  // only the first decimal separator counts
    EXPECT_DOUBLE_EQ(LeggeNumero("2.5", Blank), 2.5); // "." is still a point when it does not group
    // A locale without grouping must not lose any digit.
    EXPECT_DOUBLE_EQ(LeggeNumero("222,2", SenzaGruppi), 222.2);
}

TEST(FormattazioneLettura, BlankGroupingAcceptsEveryKindOfBlank) {
    EXPECT_DOUBLE_EQ(LeggeNumero("1 234 567,8", Blank), 1234567.8);
    EXPECT_DOUBLE_EQ(LeggeNumero("1" + Nnbsp + "234,5", Stretto), 1234.5);
    EXPECT_DOUBLE_EQ(LeggeNumero("1 234,5", Stretto), 1234.5); // typed with a plain blank
    EXPECT_DOUBLE_EQ(LeggeNumero("1\xC2\xA0"
                                 "234,5",
                                 Stretto),
                     1234.5);                          // or a no-break space
    EXPECT_DOUBLE_EQ(LeggeNumero("1 234,5", IT), 1.0); // a blank is not a grouping there
}

TEST(FormattazioneLettura, LenientReading) {
    EXPECT_DOUBLE_EQ(LeggeNumero(" \t-3,25", IT), -3.25);
    EXPECT_DOUBLE_EQ(LeggeNumero("+2", IT), 2.0);
    EXPECT_DOUBLE_EQ(LeggeNumero("12,5 kN", IT), 12.5);
    EXPECT_DOUBLE_EQ(LeggeNumero(",5", IT), 0.5);
    EXPECT_DOUBLE_EQ(LeggeNumero("-1,23E-02", IT), -0.0123);
    EXPECT_DOUBLE_EQ(LeggeNumero("2e+2", IT), 200.0);
    EXPECT_DOUBLE_EQ(LeggeNumero("7E+", IT), 7.0); // an "E" without digits is not an exponent
    for (const char* vuoto : {"", "   ", "abc", "-", ",", "nan", "inf", "-infinity"})
        EXPECT_EQ(LeggeNumero(vuoto, IT), 0.0) << vuoto;
    EXPECT_FALSE(std::signbit(LeggeNumero("-0", IT)));
}

TEST(FormattazioneLettura, OutOfRangeMagnitudes) {
    EXPECT_THROW(LeggeNumero("1E999", IT), NumeroFuoriScala);
    EXPECT_THROW(LeggeNumero("-5E400", IT), NumeroFuoriScala);
    EXPECT_THROW(LeggeNumero("1E99999999999999999999", IT), NumeroFuoriScala);
    EXPECT_EQ(LeggeNumero("1E-999", IT), 0.0);
    EXPECT_EQ(LeggeNumero("0,0001E-99999999999", IT), 0.0);
    EXPECT_EQ(LeggeNumero("0E999", IT), 0.0);
}

// A field read as the windows read it: a value beyond a double gives the fallback; for a single
// real, one beyond what a single holds gives 0.
TEST(FormattazioneLettura, FieldReadWithAFallback) {
    const struct {
        const char* testo;
        double oppure, oppure9, singolo;
    } casi[] = {
        {"2,5", 2.5, 2.5, 2.5},
        {"-1E+300", -1e300, -1e300, 0.0}, // a double, not a single
        {"3,4E+38", 3.4e38, 3.4e38, 3.4e38},
        {"1E999", 0.0, 9.0, 0.0},
        {"-5E400", 0.0, 9.0, 0.0},
        {"", 0.0, 0.0, 0.0},
    };
    for (const auto& c : casi) {
        EXPECT_DOUBLE_EQ(LeggeNumeroOppure(c.testo, IT), c.oppure) << c.testo;
        EXPECT_DOUBLE_EQ(LeggeNumeroOppure(c.testo, IT, 9.0), c.oppure9) << c.testo;
        EXPECT_DOUBLE_EQ(LeggeNumeroSingolo(c.testo, IT), c.singolo) << c.testo;
    }
}

// ---------------------------------------------------------------------------------------------
// Patterns

TEST(FormattazioneSchema, GroupingAndDecimals) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaSchema(x, "#,##0", s); },
                 {Caso{1234567.89, "1.234.568", "1,234,568"}, Caso{-1234, "-1.234", "-1,234"},
                  Caso{123, "123", "123"}});
    EXPECT_EQ(FormattaSchema(1234567.89, "#,##0", Stretto), "1" + Nnbsp + "234" + Nnbsp + "568");
    EXPECT_EQ(FormattaSchema(1234567.89, "#,##0", SenzaGruppi), "1234568");
    EXPECT_EQ(FormattaSchema(1234, "0", IT), "1234"); // no "," in the pattern
    EXPECT_EQ(FormattaSchema(1234.5, "#,##0.000", EN), "1,234.500");
    EXPECT_EQ(FormattaSchema(1234.5, "#,##0.########", IT), "1.234,5");
    EXPECT_EQ(FormattaSchema(1234.0, "#,##0.########", IT), "1.234"); // no bare separator
    EXPECT_EQ(FormattaSchema(0.2, "0.0##", IT), "0,2");
    EXPECT_EQ(FormattaSchema(0.5, "#.00", IT), ",50");
    EXPECT_EQ(FormattaSchema(0.0, "#,#", IT), "0");
}

TEST(FormattazioneSchema, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(FormattaSchema(2.5, "0", IT), "3");
    EXPECT_EQ(FormattaSchema(-2.5, "0", IT), "-3");
    EXPECT_EQ(FormattaSchema(1.005, "0.00", IT), "1,01");  // 1.00499999999999989… in binary
    EXPECT_EQ(FormattaSchema(2.675f, "0.00", IT), "2,68"); // a single: 2.6749999523…
    EXPECT_EQ(FormattaSchema(2.664999, "0.00", IT), "2,66");
    EXPECT_EQ(FormattaSchema(9.995, "0.00", IT), "10,00");
    EXPECT_EQ(FormattaSchema(999999.5, "#,##0", IT), "1.000.000");
    EXPECT_EQ(FormattaSchema(0.05, "0.0", IT), "0,1");
    EXPECT_EQ(FormattaSchema(0.04, "0.0", IT), "0,0");
}

TEST(FormattazioneSchema, SignPlacement) {
    EXPECT_EQ(FormattaSchema(-0.004, "0.00", IT), "0,00"); // no negative zero
    EXPECT_EQ(FormattaSchema(-0.4, "#,##0", IT), "0");
    EXPECT_EQ(FormattaSchema(-0.005, "0.00", IT), "-0,01");
    EXPECT_EQ(FormattaSchema(5, " 0.00", IT), " 5,00");
    EXPECT_EQ(FormattaSchema(-5, " 0.00", IT), "-5,00"); // a leading blank is the sign's place
    EXPECT_EQ(FormattaSchema(-5, "x0", IT), "-x5");
}

TEST(FormattazioneSchema, Scientific) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaScientifico(x, s); },
                 {Caso{0.0123, "1,23E-02", "1.23E-02"}, Caso{-123456, "-1,23E+05", "-1.23E+05"},
                  Caso{0, "0,00E+00", "0.00E+00"}, Caso{1e-300, "1,00E-300", "1.00E-300"},
                  Caso{9.996e7, "1,00E+08", "1.00E+08"}, Caso{-1e-320, "-1,00E-320", "-1.00E-320"}});
    EXPECT_EQ(FormattaSchema(1234.5, "0.000E-00", IT), "1,235E03");
    EXPECT_EQ(FormattaSchema(12345, "#.E+00", IT), "1E+04");
}

TEST(FormattazioneSchema, MalformedPatternsAreRejected) {
    for (const char* schema : {"", "abc", "0.00E", "0.00E+", "00.0E+00", "0 kN"})
        EXPECT_THROW(FormattaSchema(1, schema, IT), std::invalid_argument) << schema;
}

// ---------------------------------------------------------------------------------------------
// Plain text and field rewrite

TEST(FormattazioneTesto, PlainConversion) {
    VerificaCasi([](double x, const Separatori& s) { return TestoNumero(x, s); },
                 {Caso{0.7, "0,7", "0.7"}, Caso{1234.5, "1234,5", "1234.5"}, Caso{-0.0, "0", "0"},
                  Caso{0.1 + 0.2, "0,3", "0.3"}, Caso{1.0 / 3.0, "0,333333333333333", "0.333333333333333"},
                  Caso{30000000, "30000000", "30000000"}, Caso{0.0001, "0,0001", "0.0001"},
                  Caso{0.000015, "1,5E-05", "1.5E-05"}, Caso{-2.5e20, "-2,5E+20", "-2.5E+20"}});
}

TEST(FormattazioneTesto, SinglesShowTheirSevenDigits) {
    EXPECT_EQ(TestoNumero(0.7f, IT), "0,7");
    EXPECT_EQ(TestoNumero(1234.567f, IT), "1234,567");
    // An integer beyond the seven digits of a single keeps all of its digits.
    EXPECT_EQ(TestoNumero(123456792.0, IT), "123456792");
    EXPECT_EQ(TestoNumero(16777216.0, IT), "16777216");
}

TEST(FormattazioneTesto, Libero) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaLibero(x, s); },
                 {Caso{1234, "1.234", "1,234"}, Caso{-1234.5, "-1.234,5", "-1,234.5"},
                  Caso{0.123456789, "0,12345679", "0.12345679"}, Caso{0, "0", "0"},
                  Caso{1.5e20, "1,5E+20", "1.5E+20"}, Caso{999999999999999, "999.999.999.999.999", "999,999,999,999,999"},
                  Caso{-1e308, "-1E+308", "-1E+308"},
                  Caso{1.5e-10, "1,5E-10", "1.5E-10"}}); // kept rather than shown as 0
    EXPECT_EQ(RiformattaTesto("  1.234,50", IT), "1.234,5");
    EXPECT_EQ(RiformattaTesto("1,5E3", IT), "1.500");
}

TEST(FormattazioneTesto, RewrittenFieldsReadBackAsTheSameValue) {
    for (const Separatori& sep : {IT, EN, SenzaGruppi, Blank, Stretto})
        for (double x : {0.0, -1.0, 0.7, 1234.5, -98765.4321, 30000000.0, 1.5e-10, 0.00012345, 1e308, -2.5e17}) {
            const std::string t = FormattaLibero(x, sep);
            EXPECT_DOUBLE_EQ(LeggeNumero(t, sep), x) << t;
        }
}

// ---------------------------------------------------------------------------------------------
// Significant digits, width and trailing zeros

TEST(FormattazioneCifre, SignificantDigits) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaCifre(4, x, s); },
                 {Caso{12.3456, " 12,35", " 12.35"}, Caso{100, " 100,0", " 100.0"}, Caso{0, " 0", " 0"},
                  Caso{-12.3456, "-12,35", "-12.35"}, Caso{-1, "-1,000", "-1.000"},
                  Caso{0.5, " 0,5000", " 0.5000"}, Caso{0.012345, " 0,01235", " 0.01235"},
                  Caso{1000, " 1.000", " 1,000"}, Caso{123456.7, " 123.457", " 123,457"}});
    EXPECT_EQ(FormattaCifre(3, 1000, IT), " 1.000"); // an exact power of ten counts all its digits
    EXPECT_EQ(FormattaCifre(1, 0.25, IT), " 0,3");
    EXPECT_EQ(FormattaCifre(1, 1, IT), " 1");
    EXPECT_THROW(FormattaCifre(0, 1.0, IT), std::invalid_argument);
}

TEST(FormattazioneCifre, RoundingUpKeepsTheNumberOfDigits) {
    EXPECT_EQ(FormattaCifre(4, 9.99996, IT), " 10,00");
    EXPECT_EQ(FormattaCifre(4, -9.99996, IT), "-10,00");
    EXPECT_EQ(FormattaCifre(4, 0.99996, IT), " 1,000");
    EXPECT_EQ(FormattaCifre(4, 999.99, IT), " 1.000");
}

TEST(FormattazioneCifre, VanishinglySmallValuesAreZero) {
    EXPECT_EQ(FormattaCifre(4, 5e-20, IT), " 0");
    EXPECT_EQ(FormattaCifre(4, -1e-25, IT), " 0");
    EXPECT_EQ(FormattaCifre(2, 1e-19, IT), " 0,00000000000000000010");
}

TEST(FormattazioneLarghezza, FallsBackToScientificWhenTooWide) {
    EXPECT_EQ(FormattaLarghezza(4, 10, 123456789, IT), " 1,235E+08");
    EXPECT_EQ(FormattaLarghezza(4, 10, -123456789, EN), "-1.235E+08");
    EXPECT_EQ(FormattaLarghezza(4, 10, 123456789, SenzaGruppi), " 123456789"); // fits ungrouped
    EXPECT_EQ(FormattaLarghezza(4, 10, -1234567, IT), "-1.234.567");           // exactly ten
    EXPECT_EQ(FormattaLarghezza(4, 10, 0.00012345, IT), " 0,0001235");
    EXPECT_EQ(FormattaLarghezza(4, 10, 0.000012345, IT), " 1,235E-05");
    EXPECT_EQ(FormattaLarghezza(1, 5, 123456789, IT), " 1E+08");
    // Width counts characters: the grouping below takes three bytes each.
    EXPECT_EQ(FormattaLarghezza(4, 10, 1234567, Stretto), " 1" + Nnbsp + "234" + Nnbsp + "567");
}

TEST(FormattazioneLarghezza, TooNarrowWidthIsReported) {
    MessaggiRegistrati m;
    EXPECT_EQ(FormattaLarghezza(4, 8, 123456789, IT, &m), " 1,235E+08");
    ASSERT_EQ(m.Voci.size(), 1u);
    EXPECT_EQ(m.Voci[0].Testo, "n. caratteri minimo = 10");

    MessaggiRegistrati nessuno;
    FormattaLarghezza(4, 10, 123456789, IT, &nessuno); // wide enough for the scientific form
    FormattaLarghezza(4, 8, 12.5, IT, &nessuno);       // the fixed text fits
    EXPECT_TRUE(nessuno.Voci.empty());
}

TEST(FormattazioneNumero, TrailingZerosGoIntegerZerosStay) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaNumero(4, 10, x, false, s); },
                 {Caso{12.5, " 12,5", " 12.5"}, Caso{3, " 3", " 3"}, Caso{100, " 100", " 100"},
                  Caso{-0.5, "-0,5", "-0.5"}, Caso{0.012, " 0,012", " 0.012"}, Caso{1000, " 1.000", " 1,000"},
                  Caso{12000, " 12.000", " 12,000"}, Caso{120000000, " 1,2E+08", " 1.2E+08"},
                  Caso{-100000000, "-1E+08", "-1E+08"}, Caso{0.00001, " 1E-05", " 1E-05"}});
    EXPECT_EQ(FormattaNumero(5, 10, 1000, false, EN), " 1,000");
}

TEST(FormattazioneNumero, DropBlank) {
    EXPECT_EQ(FormattaNumero(4, 10, 12.5, true, IT), "12,5");
    EXPECT_EQ(FormattaNumero(4, 10, -12.5, true, IT), "-12,5");
    EXPECT_EQ(FormattaNumero(4, 10, 0, true, IT), "0");
    EXPECT_EQ(FormattaNumero(4, 10, 123456789, true, IT), "1,235E+08");
}

// ---------------------------------------------------------------------------------------------
// Diagram labels

TEST(FormattazioneEtichetta, ShortValuesAsTheyAreLongOnesRounded) {
    VerificaCasi([](double x, const Separatori& s) { return FormattaEtichetta(4, x, s); },
                 {Caso{12.5, " 12,5", " 12.5"}, Caso{0.05, " 0,05", " 0.05"}, Caso{-0.0, " 0", " 0"},
                  Caso{0.7f, " 0,7", " 0.7"}, Caso{123, " 123", " 123"}, Caso{-12.3456, "-12,35", "-12.35"},
                  Caso{1234.5, " 1.235", " 1,235"}, Caso{9.99996, " 10,00", " 10.00"},
                  Caso{0.012345, " 1,235E-02", " 1.235E-02"}, Caso{-0.1234, "-1,234E-01", "-1.234E-01"}});
}

TEST(FormattazioneEtichetta, LoadLabelsAvoidTheScientificForm) {
    EXPECT_EQ(FormattaEtichettaCarico(4, 12.3456, IT), " 12,35");
    EXPECT_EQ(FormattaEtichettaCarico(4, 0.05, IT), " 0,05");
    EXPECT_EQ(FormattaEtichettaCarico(4, 0.012345, IT), " 0,012");
    EXPECT_EQ(FormattaEtichettaCarico(4, -0.1234, EN), "-0.123");
    EXPECT_EQ(FormattaEtichettaCarico(4, -0.00012345, IT), " 0");
    EXPECT_EQ(FormattaEtichettaCarico(1, 0.25, IT), " 0");
}

// ---------------------------------------------------------------------------------------------
// Non-finite and extreme values

TEST(FormattazioneNonFiniti, EveryFormatRefusesThem) {
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {std::numeric_limits<double>::quiet_NaN(), inf, -inf}) {
        EXPECT_THROW(FormattaSchema(x, "0.00", IT), ErroreCalcolo);
        EXPECT_THROW(TestoNumero(x, IT), ErroreCalcolo);
        EXPECT_THROW(FormattaLibero(x, IT), ErroreCalcolo);
        EXPECT_THROW(FormattaNumero(4, 10, x, false, IT), ErroreCalcolo);
        EXPECT_THROW(FormattaEtichetta(4, x, IT), ErroreCalcolo);
        EXPECT_THROW(FormattaEtichettaCarico(4, x, IT), ErroreCalcolo);
    }
    try {
        FormattaCifre(4, inf, IT);
        ADD_FAILURE();
    } catch (const ErroreCalcolo& e) {
        EXPECT_EQ(e.tipo(), ErroreCalcolo::Tipo::ValoreNonFinito);
    }
}

TEST(FormattazioneNonFiniti, ExtremeFiniteValuesStillFormat) {
    const double massimo = std::numeric_limits<double>::max();
    EXPECT_EQ(FormattaNumero(4, 10, -massimo, false, IT), "-1,798E+308");
    EXPECT_EQ(TestoNumero(massimo, IT), "1,79769313486232E+308");
    EXPECT_EQ(FormattaCifre(4, std::numeric_limits<double>::denorm_min(), IT), " 0");
}

// ---------------------------------------------------------------------------------------------
// Regional settings check

TEST(FormattazioneImpostazioni, ItalianAndBlankGroupingPassSilently) {
    for (const Separatori& sep : {IT, SenzaGruppi, Blank, Stretto, PuntoBlank, Separatori{".", "'"}}) {
        MessaggiRegistrati m;
        EXPECT_TRUE(ControllaImpostazioniInternazionali(sep, m)) << sep.Decimale << sep.Migliaia;
        EXPECT_TRUE(m.Voci.empty()) << sep.Decimale << sep.Migliaia;
    }
}

TEST(FormattazioneImpostazioni, EnglishSeparatorsAreWarnedAbout) {
    MessaggiRegistrati m;
    EXPECT_TRUE(ControllaImpostazioniInternazionali(EN, m));
    ASSERT_EQ(m.Voci.size(), 1u);
    EXPECT_EQ(m.Voci[0].Icona, Icona::Avviso);
    EXPECT_EQ(m.Voci[0].Titolo, "ATTENZIONE ");
    EXPECT_EQ(m.Voci[0].Testo,
              "E' impostato come separatore decimale \".\" e come separatore delle migliaia \",\"\r\n"
              "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
              "Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo "
              "spazio,\r\n"
              "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
              "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni "
              "internazionali.");

    MessaggiRegistrati silenzio;
    EXPECT_TRUE(ControllaImpostazioniInternazionali(EN, silenzio, true));
    EXPECT_TRUE(silenzio.Voci.empty());
}

TEST(FormattazioneImpostazioni, SameSeparatorTwiceIsAnError) {
    MessaggiRegistrati m;
    EXPECT_FALSE(ControllaImpostazioniInternazionali(Separatori{",", ","}, m));
    ASSERT_EQ(m.Voci.size(), 1u);
    EXPECT_EQ(m.Voci[0].Icona, Icona::Errore);
    EXPECT_EQ(m.Voci[0].Titolo, "ERRORE");
    EXPECT_EQ(m.Voci[0].Testo, "Errore nelle impostazioni internazionali del pannello di controllo.\n"
                               "Il separatore decimale è stato impostato come \",\"\n"
                               "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\n"
                               "Cambiare il simbolo raggruppamento cifre e riavviare il programma.");
}

TEST(FormattazioneImpostazioni, SeparatorsThatDoNotReadBackAreAnError) {
    // A digit or a minus sign as separator, or no decimal separator at all.
    for (const Separatori& sep :
         {Separatori{"", "."}, Separatori{",", "2"}, Separatori{"-", "."}, Separatori{"5", ""}}) {
        MessaggiRegistrati m;
        EXPECT_FALSE(ControllaImpostazioniInternazionali(sep, m)) << sep.Decimale << sep.Migliaia;
        ASSERT_EQ(m.Voci.size(), 1u);
        EXPECT_EQ(m.Voci[0].Icona, Icona::Errore);
        EXPECT_EQ(m.Voci[0].Titolo, "ERRORE");
        EXPECT_EQ(m.Voci[0].Testo, "Errore sconosciuto nelle impostazioni internazionali del pannello di "
                                   "controllo.\nProvare a cambiare i simboli del separatore decimale\n"
                                   "e del raggruppamento cifre e riavviare il programma.");
    }
}

// ---------------------------------------------------------------------------------------------
// Separators from the C library

TEST(FormattazioneSeparatori, CLocaleHasAPointAndNoGrouping) {
    const std::string prima = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(SeparatoriDaLocale(), (Separatori{".", ""}));
    std::setlocale(LC_NUMERIC, prima.c_str());
}

TEST(FormattazioneSeparatori, ReadingTheUsersLocaleLeavesTheProgramsLocaleAlone) {
    const std::string prima = std::setlocale(LC_NUMERIC, nullptr);
    const Separatori s = SeparatoriDelSistema();
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), prima);
    EXPECT_FALSE(s.Decimale.empty());
    EXPECT_EQ(SeparatoreDecimale(), s.Decimale);
}

TEST(FormattazioneSeparatori, TheUsersLocaleReadInManyThreadsAtOnceGivesOneAnswer) {
    const Separatori atteso = SeparatoriDelSistema();
    std::vector<Separatori> letti(8);
    {
        std::vector<std::jthread> fili;
        for (auto& s : letti)
            fili.emplace_back([&s] {
                for (int k = 0; k < 200; ++k) s = SeparatoriDelSistema();
            });
    }
    for (const auto& s : letti) EXPECT_EQ(s, atteso);
}

TEST(FormattazioneSeparatori, LengthCountsCharacters) {
    EXPECT_EQ(LunghezzaTesto(" 12,35"), 6u);
    EXPECT_EQ(LunghezzaTesto("perchè"), 6u);
    EXPECT_EQ(LunghezzaTesto(Nnbsp), 1u);
}

} // namespace
} // namespace vc
