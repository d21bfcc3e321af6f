#pragma once
// A beam whose listing has been worked out by hand: two equal spans of 5 m on simple
// supports, G1 = 12, G2 = 4, Q1 = 16 kN/m on both, rectangle 0.3 × 0.5 (J = 0.003125 m⁴),
// E = 3E+07 kN/m², SLE rara: permanent g = 16, variable q = 16 kN/m, EJ = 93750 kNm².
//
// Support moments (three-moment equation): condition 1, g on both spans: M2 = −gL²/8 = −50;
// q on one span only: M2 = −qL²/16 = −25. So M2 max = −50, M2 min = −50 − 25 − 25 = −100.
// Span 1 (span 2 mirrored), diagram step 0.1 m:
//   M max(x) = (3/8)gLx − gx²/2 + (7/16)qLx − qx²/2 = 65x − 16x²: 66 at x = 2.0 (65.94 at 2.1);
//   M min(x) = 30x − 8x² − 5x = 25x − 8x² (q on span 2 only): 19.52 at x = 1.6 (19.50 at 1.5).
// Shears of span 1 (g; q on span 1; q on span 2): T(0) = 30, 35, −5, max 65, min 25; T(L) = −50,
//   −45, −5, max −50, min −100. So Tmax d of support 1 = 65, Tmax s of support 2 = −100; by
//   symmetry Tmax d of 2 = 100, Tmax s of 3 = −65.
// Reactions: R1 = 30, 35, −5: max 65, min 25; R2 = 100, 50, 50: max 200, min 100.
// Deflections × EJ: v1 = (2/3)x⁴ − 5x³ + (125/3)x, v(q on span 1) = (2/3)x⁴ − (35/6)x³ + 62.5x,
//   v(q on span 2) = (5/6)x³ − (125/6)x:
//   f max = v1 + v2 = 145.086 at x = 2.3 → 1.5476E-03; f min = v1 + v3 = −13.776 at x = 4.3 →
//   −1.4694E-04.

#include "engine/Velcora.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vc::test {

inline constexpr const char* NomeDueCampate = "prova";
inline constexpr const char* TitoloDueCampate = "Trave di prova";

// The beam as the window would hand it to the calculation driver.
inline Velcora DueCampate() {
    Velcora t;
    t.nCampate(2);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, MatriceFigure{{{0.3f, 0.5f}, {0, 0}}}, 3.0e7f);
    t.InserisceDatiCampata(1, 5, 12, 4, 16, 0, 1);
    t.InserisceDatiCampata(2, 5, 12, 4, 16, 0, 1);
    t.VincoloSinistro = Appoggio;
    t.VincoloDestro = Appoggio;
    t.nDivisioniPlt = 100;
    return t;
}

// The same beam as a data file of the current version, SLE.
inline constexpr const char* FileDueCampate = "\"Trave di prova\",\"7.6\"\r\n"
                                              "2\r\n"
                                              "5,12,4,16,0,1\r\n"
                                              "5,12,4,16,0,1\r\n"
                                              "0,0\r\n"
                                              "1\r\n"
                                              "0,3E+07\r\n"
                                              "0.3,0.5\r\n"
                                              "0\r\n0\r\n0\r\n"
                                              "#FALSE#,0,0\r\n"
                                              "#FALSE#\r\n"
                                              "0\r\n"
                                              "0\r\n"
                                              "#FALSE#,0,0,0\r\n"
                                              "#FALSE#\r\n"
                                              "0\r\n"
                                              "1,1.3,0.8,1.5,0,1.5,0,1.5,0.7,0.5,0.3,0.7,0.5,0.3\r\n"
                                              "#FALSE#\r\n"
                                              "0,0\r\n"
                                              "0\r\n"
                                              "0\r\n";

// The listing with Italian separators, line by line.
inline std::vector<std::string> RelazioneDueCampate() {
    return {
        "NOME FILE: prova.vlr",
        " ",
        "-----------------------------------  DATI : -----------------------------------",
        " ",
        "Trave di prova",
        "",
        "Numero Campate = 2",
        "",
        "Cam.  Luce      Perm.     Var.     Sez. N°",
        " 1   5         16        16        1",
        " 2   5         16        16        1",
        "",
        "Cam.  G1        G2        Q1        Q2",
        " 1   12        4         16        0",
        " 2   12        4         16        0",
        "",
        "Vincolo di sinistra : appoggio",
        "Vincolo di destra   : appoggio",
        "",
        "Sezione 1 - rettangolare   b1 =  0,3000   h1 =  0,5000   E =  3E+07   J =  0,003125",
        "",
        "Larghezza appoggio 1 = 0",
        "Larghezza appoggio 2 = 0",
        "Larghezza appoggio 3 = 0",
        "",
        "Coefficiente di ridistribuzione dei momenti sugli appoggi: Delta = 1",
        "",
        "---------------------------------  RISULTATI : ---------------------------------",
        "",
        "Risultati - Sollecitazioni SLE - Rara",
        "",
        "                       Momenti e frecce :",
        "",
        "Sez.       Mmax        x Mmax      Mmin        x Mmin      f max       f min",
        "1           0                       0                                  ",
        "m           66          2           19,52       1,6        1,55E-03    -1,47E-04",
        "2          -50                     -100                                ",
        "m           66          3           19,52       3,4        1,55E-03    -1,47E-04",
        "3           0                       0                                  ",
        "",
        "",
        "                       Tagli e Reazioni :",
        "",
        "Sez.       Tmax s      Tmax d      Rmax        Rmin",
        "1                       65          65          25",
        "2          -100         100         200         100",
        "3          -65                      65          25",
    };
}

// The lines of a text, whatever its line ends; a last line end opens no line.
inline std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::string riga;
    for (char c : testo) {
        if (c == '\n') {
            righe.push_back(riga);
            riga.clear();
        } else if (c != '\r') {
            riga += c;
        }
    }
    if (!riga.empty()) righe.push_back(riga);
    return righe;
}

// Compares a listing with the expected lines, one by one.
inline void AttendeRighe(const std::string& testo, const std::vector<std::string>& attese) {
    const auto righe = Righe(testo);
    for (std::size_t i = 0; i < std::min(righe.size(), attese.size()); ++i)
        EXPECT_EQ(righe[i], attese[i]) << "riga " << i + 1;
    EXPECT_EQ(righe.size(), attese.size());
}

} // namespace vc::test
