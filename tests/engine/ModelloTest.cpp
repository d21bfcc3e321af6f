// The beam model: counts, sections, numbering and restraint checks, tables, copies.

#include "TraviDiProva.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

using prova::Costruisci;

std::vector<std::string> Testi(const MessaggiRegistrati& m) {
    std::vector<std::string> t;
    for (const auto& v : m.Voci) t.push_back(v.Testo);
    return t;
}

TEST(Modello, CambiareIlNumeroDiCampateRicominciaLaTrave) {
    Velcora t = Costruisci({{5, 10}, {6, 10}}, Appoggio, Appoggio);
    t.LarghezzaAppoggi(2, 0.3);
    t.nCampate(2);
    EXPECT_EQ(t.EstraeDatiCampata(1).Luce, 0.0f);
    EXPECT_EQ(t.LarghezzaAppoggi(2), 0.0f);
    EXPECT_EQ(t.nSezioni(), 1); // sections survive
    EXPECT_THROW(t.LarghezzaAppoggi(4), std::out_of_range);
    EXPECT_THROW(t.CampataI(3), std::out_of_range);
    EXPECT_THROW(t.nCampate(-1), std::out_of_range);
    EXPECT_EQ(t.nCampate(), 2);
}

TEST(Modello, AggiungeSezioniConservaLeEsistenti) {
    Velcora t = Costruisci({{5, 10}}, Appoggio, Appoggio);
    t.AggiungeSezioni(3);
    EXPECT_EQ(t.nSezioni(), 3);
    EXPECT_NEAR(t.SezioneI(1).JotaXG, 0.003125, 1e-9);
    EXPECT_TRUE(t.SezioneI(3).SezioneNulla);
    t.AggiungeSezioni(1);
    EXPECT_EQ(t.nSezioni(), 1);
    EXPECT_THROW(t.SezioneI(2), std::out_of_range);
    EXPECT_NEAR(t.SezioneI(1).JotaXG, 0.003125, 1e-9);
}

TEST(Modello, DatiDelleSezioniAndataERitorno) {
    Velcora t;
    t.nSezioni(3);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.6f}, {0, 0}}}, 3.1e7f);
    t.InserisceDatiSezione(2, SezT, {{{1.0f, 0.2f}, {0.3f, 0.4f}}}, 3.2e7f);
    t.InserisceDatiSezione(3, SezGenerica, {{{0.004f, 0.7f}, {0, 0}}}, 3.3e7f);
    const DatiSezione r = t.EstraeDatiSezione(1), T = t.EstraeDatiSezione(2), g = t.EstraeDatiSezione(3);
    EXPECT_EQ(r.Figure[0][1], 0.6f);
    EXPECT_NEAR(r.Jota, 0.3 * 0.216 / 12, 1e-9);
    EXPECT_EQ(T.Tipo, SezT);
    EXPECT_EQ(T.Figure[1][0], 0.3f);
    EXPECT_FLOAT_EQ(t.SezioneI(2).hTot, 0.6f);
    EXPECT_EQ(g.Figure[0][0], 0.004f);
    EXPECT_FLOAT_EQ(static_cast<float>(g.Jota), 0.004f);
    EXPECT_EQ(g.Young, 3.3e7f);
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(t.SezioneI(i).SezioneNulla);
    t.InserisceDatiSezione(3, SezGenerica, {{{-1.0f, 0.7f}, {0, 0}}}, 3.3e7f);
    EXPECT_TRUE(t.SezioneI(3).SezioneNulla);
}

TEST(Modello, SezioniNonInserite) {
    Velcora t = Costruisci({{5, 10}}, Appoggio, Appoggio);
    t.AggiungeSezioni(3);
    MessaggiRegistrati m;
    EXPECT_FALSE(t.CalcolaSezioni(m));
    EXPECT_EQ(Testi(m), (std::vector<std::string>{"La sezione 2 non è stata inserita", "La sezione 3 non è stata inserita"}));
    EXPECT_EQ(m.Voci[0].Icona, Icona::Errore);
}

TEST(Modello, NumerazioneDelleSezioni) {
    const std::string spiegazione = "\nNella colonna Sez.N° va indicato il numero d'ordine di ciascuna sezione.\n"
                                    "I numeri devono essere > 1 e non sono ammessi buchi.\n"
                                    "Es. 2 1 3 OK   1 3 4 Errato";
    struct Caso {
        std::vector<int> sezioni;
        bool esito;
        std::vector<std::string> messaggi;
    };
    const Caso casi[] = {
        {{2, 1, 3}, true, {}},
        {{1, 3, 4}, true, {"Manca la sezione N° 2" + spiegazione}},
        {{1, 4, 7}, true, {"Manca la sezione N° 3" + spiegazione, "Manca la sezione N° 6" + spiegazione}},
        {{0, 1}, false, {"Il numero di sezione deve essere > 0"}},
        {{3, 2}, true, {"La numerazione delle sezioni deve iniziare da 1"}},
    };
    for (const Caso& c : casi) {
        Velcora t;
        t.nCampate(static_cast<int>(c.sezioni.size()));
        for (int i = 1; i <= t.nCampate(); ++i) t.CampataI(i).iSez = c.sezioni[static_cast<std::size_t>(i - 1)];
        MessaggiRegistrati m;
        EXPECT_EQ(t.ControllaSezioni(m), c.esito);
        EXPECT_EQ(Testi(m), c.messaggi);
    }
}

TEST(Modello, VincoliElasticiSenzaRigidezza) {
    Velcora t = Costruisci({{5, 10}}, Elastico, Elastico);
    MessaggiRegistrati m;
    EXPECT_FALSE(t.VincoliElasticiControlla(m));
    EXPECT_EQ(Testi(m), (std::vector<std::string>{"Il vincolo di sinistra ha rigidezza nulla\n"
                                                  "Il vincolo di destra ha rigidezza nulla"}));
    t.kVincoloSinistro = 1000;
    t.kVincoloDestro = 1000;
    MessaggiRegistrati n;
    EXPECT_TRUE(t.VincoliElasticiControlla(n));
    EXPECT_TRUE(n.Voci.empty());
}

TEST(Modello, RapportoTraLeLuciConRidistribuzione) {
    Impostazioni imp;
    imp.DeltaRidist = 0.8f;
    Velcora passa = Costruisci({{5, 10}, {10, 10}, {5, 10}}, Appoggio, Appoggio);
    MessaggiRegistrati m;
    EXPECT_TRUE(passa.ControllaCampate(imp, m));
    EXPECT_TRUE(m.Voci.empty());

    Velcora chiede = Costruisci({{4, 10}, {10, 10}, {3, 10}}, Appoggio, Appoggio);
    MessaggiRegistrati no;
    no.Risposte = {false};
    EXPECT_FALSE(chiede.ControllaCampate(imp, no));
    ASSERT_EQ(no.Voci.size(), 1u); // asked once, whatever the number of failing pairs
    EXPECT_TRUE(no.Voci[0].Domanda);
    EXPECT_EQ(no.Voci[0].Titolo, "Ridistribuzione dei momenti");
    EXPECT_EQ(no.Voci[0].Testo, "Presenti campate contigue con rapporti tra le luci che non rispettano il rapporto "
                                "0,5-2,0.\nRidistribuzione dei momenti non consentita. Procedere comunque?");
    MessaggiRegistrati si;
    EXPECT_TRUE(chiede.ControllaCampate(imp, si));

    imp.DeltaRidist = 1.0f; // no redistribution: no check at all
    MessaggiRegistrati nessuno;
    EXPECT_TRUE(chiede.ControllaCampate(imp, nessuno));
    EXPECT_TRUE(nessuno.Voci.empty());
}

TEST(Modello, TabelleDeiCarichiEVisualizzazione) {
    Velcora t = Costruisci({{5, 10}}, Appoggio, Appoggio);
    EXPECT_FALSE(t.Info_VisualCar(1, 1).has_value());
    TabellaVisualCarichi v{};
    v[2][1] = true;
    t.VisualCar(v);
    EXPECT_EQ(t.Info_VisualCar(3, 2), true);
    EXPECT_EQ(t.Info_VisualCar(1, 1), false);
    EXPECT_FALSE(t.Info_VisualCar(5, 1).has_value());

    t.Dati_Fconc({{1, 2, 3, 4, 5, 1.5f}}, true);
    EXPECT_EQ(t.nCarConc(), 1);
    EXPECT_EQ(t.Info_Fconc(1, 6, true), 1.5f);
    EXPECT_THROW(t.Info_Fconc(2, 1, true), std::out_of_range);
    t.Resetta_Fconc(true);
    EXPECT_EQ(t.nCarConc(), 0);

    t.Dati({1, 2, 3, 4, 5, 6, 7, 8, 9}, true);
    EXPECT_EQ(t.Dato_Sx(9), 9.0);
    EXPECT_EQ(t.Dato_Dx(9), 0.0);
    EXPECT_THROW(t.Dato_Sx(10), std::out_of_range);
}

TEST(Modello, LeCopieSonoIndipendenti) {
    Velcora a = Costruisci({{5, 10, 0, 5}, {5, 10, 0, 5}}, Appoggio, Appoggio);
    a.CalcolaIperstatiche(prova::Rara());
    Velcora b = a;
    b.CampataI(1).CaricoDistG1 = 50;
    b.CalcolaIperstatiche(prova::Rara());
    // The spans of the original still read the original support moments.
    EXPECT_NEAR(a.CampataI(1).MomentoX(5, 1), a.MiperAppI(2, 1), 1e-6);
    EXPECT_NE(a.MiperAppI(2, 1), b.MiperAppI(2, 1));
    const ScalePossibili s = Velcora::ScalePossibiliFissa();
    EXPECT_EQ(s.nScalePossibili, 4);
    EXPECT_EQ(s.Scale[3], 10);
}

} // namespace
} // namespace vc
