#include "files/Calcolo.h"

#include "AiutoFile.h"
#include "RelazioneDueCampate.h"

#include <gtest/gtest.h>

namespace vc::test {
namespace {

using Elenco = std::vector<std::string>;

TEST(LeggeFileDati, FileAnteriore62LettoFinoAiDatiDellaTrave) {
    // Such a file stops before the display options, with the beam itself whole.
    std::string testo = FileDueCampate;
    testo.replace(testo.find("\"7.6\""), 5, "\"6.1\"");
    testo.erase(testo.find("#FALSE#,0,0,0"));
    CartellaTemporanea cartella;
    ScriveByte(cartella.Percorso / "vecchia.vlr", testo);
    Velcora t;
    Impostazioni imp;
    MessaggiRegistrati msg;
    EXPECT_TRUE(LeggeFileDati(cartella.Percorso / "vecchia.vlr", t, imp, msg));
    EXPECT_EQ(Testi(msg), Elenco{"Lettura incompleta del File"});
    EXPECT_TRUE(EsegueCalcolo(t, imp, msg));
}

Velcora Campate(int n, int sinistro, int destro) {
    Velcora t = DueCampate();
    t.nCampate(n);
    for (int i = 1; i <= n; ++i) t.InserisceDatiCampata(i, 5, 12, 4, 16, 0, 1);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    return t;
}

struct CasoControllo {
    int n, sinistro, destro;
    Elenco messaggi; // none: the data pass
    friend void PrintTo(const CasoControllo& c, std::ostream* os) {
        *os << c.n << " campate, vincoli " << c.sinistro << " " << c.destro;
    }
};

class ControllaDatiVincoli : public ::testing::TestWithParam<CasoControllo> {};

TEST_P(ControllaDatiVincoli, MessaggiEsatti) {
    const CasoControllo& c = GetParam();
    Velcora t = Campate(c.n, c.sinistro, c.destro);
    Impostazioni imp;
    MessaggiRegistrati msg;
    EXPECT_EQ(ControllaDati(t, imp, msg), c.messaggi.empty());
    EXPECT_EQ(Testi(msg), c.messaggi);
}

const Elenco Sbalzi0 = {"Errrore - Numero Campate Esclusi Sbalzi = 0 !"};

INSTANTIATE_TEST_SUITE_P(
    Casi, ControllaDatiVincoli,
    ::testing::Values(CasoControllo{2, VincoloNonScelto, VincoloNonScelto, {"Scegliere il vincolo di Sinistra !"}},
                      CasoControllo{2, Appoggio, VincoloNonScelto, {"Scegliere il vincolo di Destra !"}},
                      CasoControllo{1, Appoggio, Libero, Sbalzi0}, CasoControllo{2, Libero, Libero, Sbalzi0},
                      CasoControllo{1, Incastro, Libero, {}}, CasoControllo{1, Libero, Incastro, {}},
                      // no span at all is no beam, fixed end or not
                      CasoControllo{0, Incastro, Appoggio, Sbalzi0}));

TEST(ControllaDati, RidistribuzioneNullaValeUnoESezioniFinoAllUltimaUsata) {
    Velcora t = DueCampate();
    t.AggiungeSezioni(3); // sections 2 and 3 belong to no span
    Impostazioni imp;
    imp.DeltaRidist = 0;
    MessaggiRegistrati msg;
    ASSERT_TRUE(ControllaDati(t, imp, msg));
    EXPECT_EQ(imp.DeltaRidist, 1.0f);
    EXPECT_EQ(t.nSezioni(), 1);
}

TEST(EsegueCalcolo, DatiRifiutatiAggiungonoErroreNeiDati) {
    Velcora t = Campate(2, VincoloNonScelto, Appoggio);
    Impostazioni imp;
    MessaggiRegistrati msg;
    EXPECT_FALSE(EsegueCalcolo(t, imp, msg));
    EXPECT_EQ(Testi(msg), (Elenco{"Scegliere il vincolo di Sinistra !", "Errore nei dati"}));
    EXPECT_EQ(msg.Voci.back().Icona, Icona::Errore);
    EXPECT_FALSE(t.Calcolata());
}

TEST(EsegueCalcolo, ITreControlliParlanoTutti) {
    // A section never entered and an elastic end without stiffness: both are told, and these
    // checks speak for themselves, without "Errore nei dati".
    Velcora t = Campate(2, Appoggio, Elastico);
    t.InserisceDatiCampata(2, 5, 12, 4, 16, 0, 2);
    Impostazioni imp;
    MessaggiRegistrati msg;
    EXPECT_FALSE(EsegueCalcolo(t, imp, msg));
    EXPECT_EQ(Testi(msg), (Elenco{"La sezione 2 non è stata inserita", "Il vincolo di destra ha rigidezza nulla"}));
    EXPECT_FALSE(t.Calcolata());
}

TEST(EsegueCalcolo, CalcoloImpossibileErroreNeiDatiENessunRisultato) {
    Velcora t = DueCampate();
    Impostazioni imp;
    MessaggiRegistrati msg;
    ASSERT_TRUE(EsegueCalcolo(t, imp, msg));
    t.InserisceDatiCampata(1, 0, 12, 4, 16, 0, 1); // a span without length
    EXPECT_FALSE(EsegueCalcolo(t, imp, msg));
    EXPECT_EQ(Testi(msg), Elenco{"Errore nei dati"});
    EXPECT_EQ(msg.Voci.front().Icona, Icona::Errore);
    EXPECT_FALSE(t.Calcolata());
}

} // namespace
} // namespace vc::test
