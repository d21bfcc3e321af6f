#include "calcolo/Calcolo.h"
#include "files/AiutoFile.h"
#include "files/GestioneFile.h"
#include "files/RelazioneDueCampate.h"
#include "files/TabellaRisultati.h"

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
    EXPECT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito());
}

Velcora Campate(int n, int sinistro, int destro) {
    Velcora t = DueCampate();
    t.nCampate(n);
    for (int i = 1; i <= n; ++i)
        t.InserisceDatiCampata(i, 5, 12, 4, 16, 0, 1);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    return t;
}

// A refusal as the driver gives it back: what was said, why, and where.
struct Rifiuto {
    std::string Messaggio, Motivo;
    CampoDati Campo;
    int Riga = 0, Colonna = 0;
    bool operator==(const Rifiuto&) const = default;
    friend void PrintTo(const Rifiuto& r, std::ostream* os) {
        *os << "[" << r.Messaggio << "|" << r.Motivo << "] campo " << static_cast<int>(r.Campo) << " ("
            << r.Riga << ", " << r.Colonna << ")";
    }
};

std::optional<Rifiuto> Di(const EsitoComando& e) {
    if (e.Riuscito()) return std::nullopt;
    const ControlloFallito& c = *e.Rifiuto;
    return Rifiuto{c.Messaggio, c.Motivo, c.Campo, c.Riga, c.Colonna};
}

struct CasoControllo {
    int n, sinistro, destro;
    Elenco messaggi; // none: the data pass
    CampoDati campo = CampoDati::Nessuno;
    friend void PrintTo(const CasoControllo& c, std::ostream* os) {
        *os << c.n << " campate, vincoli " << c.sinistro << " " << c.destro;
    }
};

class ControllaDatiVincoli : public ::testing::TestWithParam<CasoControllo> {};

TEST_P(ControllaDatiVincoli, MessaggiEsattiECampoDaCorreggere) {
    const CasoControllo& c = GetParam();
    Velcora t = Campate(c.n, c.sinistro, c.destro);
    Impostazioni imp;
    MessaggiRegistrati msg;
    const EsitoComando esito = ControllaDati(t, imp, msg);
    EXPECT_EQ(Testi(msg), c.messaggi);
    if (c.messaggi.empty())
        EXPECT_EQ(Di(esito), std::nullopt);
    else
        EXPECT_EQ(Di(esito), (Rifiuto{c.messaggi[0], c.messaggi[0], c.campo}));
}

const Elenco Sbalzi0 = {"Errrore - Numero Campate Esclusi Sbalzi = 0 !"};

INSTANTIATE_TEST_SUITE_P(
    Casi, ControllaDatiVincoli,
    ::testing::Values(
        CasoControllo{2,
                      VincoloNonScelto,
                      VincoloNonScelto,
                      {"Scegliere il vincolo di Sinistra !"},
                      CampoDati::VincoloSinistro},
        CasoControllo{
            2, Appoggio, VincoloNonScelto, {"Scegliere il vincolo di Destra !"}, CampoDati::VincoloDestro},
        CasoControllo{1, Appoggio, Libero, Sbalzi0, CampoDati::NumeroCampate},
        CasoControllo{2, Libero, Libero, Sbalzi0, CampoDati::NumeroCampate},
        CasoControllo{1, Incastro, Libero, {}}, CasoControllo{1, Libero, Incastro, {}},
        // no span at all is no beam, fixed end or not
        CasoControllo{0, Incastro, Appoggio, Sbalzi0, CampoDati::NumeroCampate}));

TEST(ControllaDati, RidistribuzioneNullaValeUnoESezioniFinoAllUltimaUsata) {
    Velcora t = DueCampate();
    t.AggiungeSezioni(3); // sections 2 and 3 belong to no span
    Impostazioni imp;
    imp.DeltaRidist = 0;
    MessaggiRegistrati msg;
    ASSERT_TRUE(ControllaDati(t, imp, msg).Riuscito());
    EXPECT_EQ(imp.DeltaRidist, 1.0f);
    EXPECT_EQ(t.nSezioni(), 1);
}

TEST(ControllaDati, NumeroDiSezioneNulloIndicaLaCellaDellaCampata) {
    Velcora t = Campate(3, Appoggio, Appoggio);
    t.InserisceDatiCampata(2, 5, 12, 4, 16, 0, 0);
    Impostazioni imp;
    MessaggiRegistrati msg;
    const std::string testo = "Il numero di sezione deve essere > 0";
    EXPECT_EQ(Di(ControllaDati(t, imp, msg)), (Rifiuto{testo, testo, CampoDati::Campata, 2, ColSezCampata}));
}

TEST(EsegueCalcolo, DatiRifiutatiAggiungonoErroreNeiDati) {
    Velcora t = Campate(2, VincoloNonScelto, Appoggio);
    Impostazioni imp;
    MessaggiRegistrati msg;
    const EsitoComando esito = EsegueCalcolo(t, imp, msg);
    EXPECT_EQ(Testi(msg), (Elenco{"Scegliere il vincolo di Sinistra !", "Errore nei dati"}));
    EXPECT_EQ(msg.Voci.back().Icona, Icona::Errore);
    EXPECT_EQ(msg.Voci.back().Dettagli, ""); // the check has said why
    ASSERT_FALSE(esito.Riuscito());
    EXPECT_EQ(esito.Rifiuto->Campo, CampoDati::VincoloSinistro);
    EXPECT_FALSE(t.Calcolata());
}

TEST(EsegueCalcolo, ITreControlliParlanoTuttiIlPrimoIndicaLaFinestra) {
    // A section never entered and an elastic end without stiffness: both are told, and these
    // checks speak for themselves, without "Errore nei dati".
    Velcora t = Campate(2, Appoggio, Elastico);
    t.InserisceDatiCampata(2, 5, 12, 4, 16, 0, 2);
    Impostazioni imp;
    MessaggiRegistrati msg;
    const EsitoComando esito = EsegueCalcolo(t, imp, msg);
    EXPECT_EQ(Testi(msg),
              (Elenco{"La sezione 2 non è stata inserita", "Il vincolo di destra ha rigidezza nulla"}));
    const std::string sezione = "La sezione 2 non è stata inserita";
    EXPECT_EQ(Di(esito), (Rifiuto{sezione, sezione, CampoDati::Sezioni}));
    EXPECT_FALSE(t.Calcolata());

    // The elastic end alone names its window.
    t.InserisceDatiCampata(2, 5, 12, 4, 16, 0, 1);
    msg.Voci.clear();
    ASSERT_FALSE(EsegueCalcolo(t, imp, msg).Riuscito());
    EXPECT_EQ(EsegueCalcolo(t, imp, msg).Rifiuto->Campo, CampoDati::VincoliElastici);
}

TEST(EsegueCalcolo, RapportoDelleLuciRifiutatoIndicaLaRidistribuzione) {
    Velcora t = Campate(2, Appoggio, Appoggio);
    t.InserisceDatiCampata(2, 12, 12, 4, 16, 0, 1);
    Impostazioni imp;
    imp.DeltaRidist = 0.8f;
    MessaggiRegistrati msg;
    msg.Risposte = {false};
    const EsitoComando esito = EsegueCalcolo(t, imp, msg);
    ASSERT_FALSE(esito.Riuscito());
    EXPECT_EQ(esito.Rifiuto->Campo, CampoDati::Ridistribuzione);
    EXPECT_TRUE(esito.Rifiuto->Messaggio.starts_with("Presenti campate contigue"));

    // The load display does not ask.
    msg.Voci.clear();
    EXPECT_TRUE(CalcolaCarichi(t, imp, msg).Riuscito());
    EXPECT_TRUE(msg.Voci.empty());
}

TEST(EsegueCalcolo, CarichiConcentratiFuoriPostoConIMessaggiDellaFinestra) {
    // A data file brings its loads in as they stand; the calculation refuses the first that
    // does not fit its beam, as the concentrated loads window does, and names that window.
    struct Caso {
        std::vector<RigaCarichi> Forze, Coppie;
        std::string Messaggio;
        int Riga, Colonna;
    };
    const Caso casi[] = {
        {{{1, 30, 0, 0, 0, 6}}, {}, "Carico concentrato N° 1 esteso oltre la luce", 1, 0}, // d = 6 m on 5 m
        {{{1, 30, 0, 0, 0, 2}, {3, 30, 0, 0, 0, 2}},
         {},
         "Il carico n. 2 fa riferimento a campata inesistente.",
         2,
         0},
        {{{1.5f, 30, 0, 0, 0, 2}}, {}, "Il carico n. 1 fa riferimento a campata inesistente.", 1, 0},
        {{{2, 30, 0, 0, 0, -0.5f}}, {}, "Carico concentrato N° 1 con d=-0.5 < 0", 1, 0},
        {{}, {{0, 5, 0, 0, 0, 1}}, "La coppia n. 1 fa riferimento a campata inesistente.", 1, 1},
        {{}, {{2, 5, 0, 0, 0, 5.5f}}, "Coppia N° 1 esteso oltre la luce", 1, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Messaggio);
        Velcora t = DueCampate(); // two spans of 5 m
        t.Dati_Fconc(c.Forze, true);
        t.Dati_Fconc(c.Coppie, false);
        Impostazioni imp;
        MessaggiRegistrati msg;
        const EsitoComando esito = EsegueCalcolo(t, imp, msg);
        EXPECT_EQ(Testi(msg), Elenco{c.Messaggio});
        EXPECT_EQ(msg.Voci.front().Icona, Icona::Errore);
        ASSERT_FALSE(esito.Riuscito());
        EXPECT_EQ(Di(esito),
                  (Rifiuto{c.Messaggio, c.Messaggio, CampoDati::CarichiConcentrati, c.Riga, c.Colonna}));
        EXPECT_FALSE(t.Calcolata());
    }
    // At the right end of its span a load is in place.
    Velcora t = DueCampate();
    t.Dati_Fconc({{2, 30, 0, 0, 0, 5}}, true);
    Impostazioni imp;
    MessaggiRegistrati msg;
    EXPECT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito()) << Testi(msg).front();
}

TEST(EsegueCalcolo, CalcoloImpossibileErroreNeiDatiConIlMotivoENessunRisultato) {
    Velcora t = DueCampate();
    Impostazioni imp;
    MessaggiRegistrati msg;
    ASSERT_TRUE(EsegueCalcolo(t, imp, msg).Riuscito());
    t.InserisceDatiCampata(1, 0, 12, 4, 16, 0, 1); // a span without length
    const EsitoComando esito = EsegueCalcolo(t, imp, msg);
    EXPECT_EQ(Testi(msg), Elenco{"Errore nei dati"});
    EXPECT_EQ(msg.Voci.front().Icona, Icona::Errore);
    ASSERT_FALSE(esito.Riuscito());
    EXPECT_EQ(esito.Rifiuto->Messaggio, "Errore nei dati");
    EXPECT_FALSE(esito.Rifiuto->Motivo.empty());
    EXPECT_EQ(msg.Voci.front().Dettagli, esito.Rifiuto->Motivo);
    EXPECT_FALSE(t.Calcolata());
}

TEST(ControlliDeiComandi, ScaleFisseELuci) {
    MessaggiRegistrati msg;
    Impostazioni imp;
    imp.ScalePreimpostate = true;
    imp.ScalaFissaM = 50;
    imp.ScalaFissaFreccia = 10;
    const std::string scala =
        "Una delle Scale Fisse è 0. Deselezionare Scale Fisse o introdurre un valore >0";
    EXPECT_EQ(Di(ControllaScaleFisse(imp, msg)), (Rifiuto{scala, scala, CampoDati::ScalaFissa, 0, 1}));
    EXPECT_EQ(msg.Voci.at(0).Icona, Icona::Errore);
    imp.ScalePreimpostate = false;
    EXPECT_TRUE(ControllaScaleFisse(imp, msg).Riuscito());

    EXPECT_EQ(Di(ControllaLuci({}, msg)),
              (Rifiuto{"Definire campate!", "Definire campate!", CampoDati::NumeroCampate}));
    EXPECT_EQ(Di(ControllaLuci({4, 0, 5}, msg)),
              (Rifiuto{"Definire geometria campate!", "Definire geometria campate!", CampoDati::Campata, 2,
                       ColLuce}));
    EXPECT_TRUE(ControllaLuci({4, 5}, msg).Riuscito());
    EXPECT_EQ(msg.Voci.size(), 3u);
}

// An error of the engine that names its place selects it in the window, as a check does.
TEST(Calcolo, LErroreDelCalcoloIndicaIlSuoPosto) {
    using T = CampoErrore::Tipo;
    using E = ErroreCalcolo::Tipo;
    const struct {
        E Errore;
        CampoErrore Posto;
        CampoDati Campo;
        int Riga, Colonna;
    } casi[] = {
        {E::LuceNulla, {T::Campata, 2}, CampoDati::Campata, 2, ColLuce},
        {E::RigidezzaNulla, {T::Campata, 3}, CampoDati::Campata, 3, ColSezCampata},
        {E::ValoreNonFinito, {T::Appoggio, 4}, CampoDati::Appoggio, 4, 0},
        {E::DatiNonValidi, {T::CaricoConcentrato, 1}, CampoDati::CarichiConcentrati, 1, 0},
        {E::VincoloMancante, {T::Vincoli, 1}, CampoDati::VincoloSinistro, 0, 0},
        {E::RigidezzaNulla, {T::VincoliElastici, 2}, CampoDati::VincoliElastici, 2, 0},
        {E::RigidezzaNulla, {T::Sezioni, 5}, CampoDati::Sezioni, 5, 0},
        {E::FuoriIntervallo, {T::Ridistribuzione, 0}, CampoDati::Ridistribuzione, 0, 0},
        {E::TraveTroppoGrande, {T::NumeroCampate, 0}, CampoDati::NumeroCampate, 0, 0},
        {E::FuoriIntervallo, {T::Coefficienti, 3}, CampoDati::Nessuno, 0, 0},
        {E::PivotNullo, {}, CampoDati::Nessuno, 0, 0},
    };
    for (const auto& c : casi) {
        const ControlloFallito posto = PostoDellErrore(ErroreCalcolo(c.Errore, "motivo", c.Posto));
        EXPECT_EQ(posto.Campo, c.Campo) << static_cast<int>(c.Posto.tipo);
        EXPECT_EQ(posto.Riga, c.Riga) << static_cast<int>(c.Posto.tipo);
        EXPECT_EQ(posto.Colonna, c.Colonna) << static_cast<int>(c.Posto.tipo);
    }
}

} // namespace
} // namespace vc::test
