#include "outputs/Relazione.h"

#include "files/AiutoFile.h"
#include "files/RelazioneDueCampate.h"
#include "calcolo/Calcolo.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace vc::test {
namespace {

const Separatori It = Separatori::Italiani();

bool Contiene(const std::vector<std::string>& righe, const std::string& riga) {
    return std::find(righe.begin(), righe.end(), riga) != righe.end();
}

// The hand-checked beam, solved for SLE rara by the calculation driver.
struct DueCampateCalcolata {
    Velcora Trave = DueCampate();
    Impostazioni Imp;
    DueCampateCalcolata() {
        Imp.NomeFile = NomeDueCampate;
        Imp.Titolo = TitoloDueCampate;
        MessaggiRegistrati msg;
        EXPECT_TRUE(EsegueCalcolo(Trave, Imp, msg).Riuscito());
    }
};

TEST(Relazione, DueCampateComeCalcolataAMano) {
    DueCampateCalcolata c;
    RigheSuTesto testo;
    StampaRelazione(testo, c.Trave, c.Imp, It);
    AttendeRighe(testo.Testo(), RelazioneDueCampate());
    const std::string& t = testo.Testo();
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), std::count(t.begin(), t.end(), '\r')); // CR LF
}

TEST(Relazione, FileDiStampaConISeparatoriFrancesi) {
    // A French locale groups digits with U+202F, which Windows-1252 lacks: the text file shows
    // the code page's no-break space, never "?".
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp); // a left elastic restraint of k = 62000
    MessaggiRegistrati msg;
    ASSERT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito()) << Testi(msg).front();
    CartellaTemporanea dir;
    const Separatori francesi{",", "\u202F"};
    ASSERT_TRUE(ScriveRelazioneSuFile(dir.Percorso / "relazione.txt", t, imp, francesi, msg));
    const std::string byte = LeggeByte(dir.Percorso / "relazione.txt");
    EXPECT_NE(byte.find("k =  62\xA0" "000"), std::string::npos) << byte;
    EXPECT_EQ(byte.find('?'), std::string::npos) << byte;
}

TEST(Relazione, CarichiDellaGrigliaComeLiHaScrittiLUtente) {
    // The cells as typed; the sums of the numbers read from them, an empty cell counting as 0.
    DueCampateCalcolata c;
    TabellaCelle campate = TabellaCampate(c.Trave, It);
    campate.Cella(1, ColLuce, "5,00");
    campate.Cella(1, ColG1, "1,5");
    campate.Cella(1, ColG2, "0,25");
    campate.Cella(1, ColQ2, "");
    const GriglieRisultati g = ScriveRisultati(c.Trave, It);
    RigheSuTesto testo;
    StampaRelazione(testo, campate, g.Grid1, g.Grid2, c.Trave, c.Imp, It);
    const auto righe = Righe(testo.Testo());
    EXPECT_TRUE(Contiene(righe, " 1   5,00      1,75      16        1")) << testo.Testo();
    EXPECT_TRUE(Contiene(righe, " 1   1,5       0,25      16        ")) << testo.Testo();
}

TEST(Relazione, SezioniVincoloElasticoCarichiConcentratiEOpzioni) {
    Velcora t;
    Impostazioni imp;
    TraveCompleta(t, imp); // elastic left end, T and generic sections, forces and couples
    MessaggiRegistrati msg;
    ASSERT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito());
    RigheSuTesto testo;
    StampaRelazione(testo, t, imp, It);
    const auto righe = Righe(testo.Testo());

    EXPECT_EQ(righe.front(), "NOME FILE: ");
    EXPECT_TRUE(Contiene(righe, "Vincolo di sinistra : elastico   k =  62.000"));
    EXPECT_TRUE(Contiene(righe, "Vincolo di destra   : incastro"));
    EXPECT_TRUE(std::any_of(righe.begin(), righe.end(), [](const std::string& r) {
        return r.starts_with(
            "Sezione 1 -     a T        b1 =  0,8000   h1 =  0,2000   b2 =  0,3000   h2 =  0,4000   E =  3,1E+07   J = ");
    }));
    EXPECT_TRUE(Contiene(righe, "Sezione 2 - generica       E =  3,3E+07   J =  0,0045"));
    EXPECT_TRUE(Contiene(righe, "Coefficiente di ridistribuzione dei momenti sugli appoggi: Delta = 0,7"));
    EXPECT_TRUE(Contiene(righe, "Arrotonda i momenti sugli appoggi"));
    EXPECT_TRUE(Contiene(righe, "Risultati - Sollecitazioni SLU"));
    EXPECT_TRUE(Contiene(righe, "Cam.  F(g1)     F(g2)     F(q1)     F(q2)     d"));
    EXPECT_TRUE(Contiene(righe, " 1   30        0         10        0         2,75"));
    EXPECT_TRUE(Contiene(righe, "Cam.  W(g1)     W(g2)     W(q1)     W(q2)     d"));
    EXPECT_TRUE(Contiene(righe, " 2   5         0         2         0         0"));
}

TEST(Relazione, NomeVincolo) {
    const std::vector<std::string> nomi = {"", "appoggio", "incastro", "estremo libero", "elastico", ""};
    for (int codice = -1; codice <= 4; ++codice)
        EXPECT_EQ(NomeVincolo(codice), nomi[static_cast<std::size_t>(codice + 1)]) << codice;
}

TEST(StampaGriglia, ColonneOgniDodiciECellaLungaAllaRigaDopo) {
    TabellaCelle g(3, {450, 970, 970});
    g.Cella(0, 0, "Sez.");
    g.Cella(0, 1, "Mmax");
    g.Cella(0, 2, "x Mmax");
    g.Cella(1, 0, "123456789012345"); // past column 12: the next cell goes to column 12 of a new line
    g.Cella(1, 1, "a");
    g.Cella(1, 2, "b");
    g.Cella(2, 0, "1");
    RigheSuTesto testo;
    StampaGriglia(testo, g);
    EXPECT_EQ(testo.Testo(), "Sez.       Mmax        x Mmax\r\n"
                             "123456789012345\r\n"
                             "           a           b\r\n"
                             "1                      \r\n");
}

TEST(RigheSuFlusso, ColonneContateInCaratteri) {
    std::ostringstream flusso;
    RigheSuFlusso righe(flusso);
    righe.StampaTesto("N°");
    righe.StampaTab(5);
    righe.StampaTesto("x");
    righe.StampaTab(3); // already past: column 3 of the next line
    righe.StampaRiga("y");
    EXPECT_EQ(flusso.str(), "N°  x\n  y\n");
    EXPECT_TRUE(righe.Integro());
}

} // namespace
} // namespace vc::test
