// Data the calculation cannot solve stop it with a typed error, leave no result behind and
// leave the beam ready for the next calculation.

#include "TraviDiProva.h"

#include "support/Errori.h"
#include "support/Separatori.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vc {
namespace {

using prova::Costruisci;
using Tipo = ErroreCalcolo::Tipo;

ErroreCalcolo ErroreDi(Velcora& t, const Impostazioni& imp) {
    try {
        t.CalcolaIperstatiche(imp, Separatori::Italiani());
    } catch (const ErroreCalcolo& e) {
        return e;
    }
    ADD_FAILURE() << "il calcolo non si è fermato";
    return ErroreCalcolo(Tipo::DatiNonValidi, "");
}

TEST(Errori, OgniDatoImpossibileFermaIlCalcoloConIlSuoMotivo) {
    using C = CampoErrore::Tipo;
    struct Caso {
        const char* nome;
        std::function<void(Velcora&, Impostazioni&)> guasta;
        Tipo atteso;
        std::string motivo;
        CampoErrore campo;
    };
    const auto trave = [](auto f) { return [f](Velcora& t, Impostazioni&) { f(t); }; };
    const auto imp = [](auto f) { return [f](Velcora&, Impostazioni& i) { f(i); }; };
    const Caso casi[] = {
        {"E nullo", trave([](Velcora& t) { t.SezioneI(1).Young = 0; }), Tipo::RigidezzaNulla,
         "campata 1: la sezione 1 ha rigidezza E·J nulla", {C::Sezioni, 1}},
        {"J nullo", trave([](Velcora& t) { t.InserisceDatiSezione(1, SezGenerica, {{{0, 0.5f}, {0, 0}}}, 3e7f); }),
         Tipo::RigidezzaNulla, "campata 1: la sezione 1 ha rigidezza E·J nulla", {C::Sezioni, 1}},
        {"luce nulla", trave([](Velcora& t) { t.CampataI(2).Luce = 0; }), Tipo::LuceNulla, "campata 2: luce nulla",
         {C::Campata, 2}},
        {"appoggi più larghi della campata",
         trave([](Velcora& t) {
             t.ArrotondaMomenti = true;
             t.LarghezzaAppoggi(2, 6.0);
             t.LarghezzaAppoggi(3, 4.0);
         }),
         Tipo::DatiNonValidi, "campata 2: le larghezze degli appoggi coprono tutta la luce", {C::Campata, 2}},
        {"vincolo non scelto", trave([](Velcora& t) { t.VincoloSinistro = VincoloNonScelto; }), Tipo::VincoloMancante,
         "vincolo di sinistra non scelto", {C::Vincoli, 1}},
        {"vincolo sconosciuto", trave([](Velcora& t) { t.VincoloDestro = 9; }), Tipo::VincoloMancante,
         "vincolo di destra non scelto", {C::Vincoli, 2}},
        {"molla senza rigidezza", trave([](Velcora& t) { t.VincoloDestro = Elastico; }), Tipo::RigidezzaNulla,
         "il vincolo di destra ha rigidezza nulla", {C::VincoliElastici, 2}},
        {"trave labile", trave([](Velcora& t) { t.VincoloSinistro = t.VincoloDestro = Libero; }), Tipo::DatiNonValidi,
         "trave labile: troppe estremità libere o appoggiate per 2 campate", {C::NumeroCampate}},
        {"sezione inesistente", trave([](Velcora& t) { t.CampataI(1).iSez = 4; }), Tipo::DatiNonValidi,
         "campata 1: sezione 4 inesistente", {C::Campata, 1}},
        {"carico non finito", trave([](Velcora& t) { t.CampataI(2).CaricoDistQ1 = NAN; }), Tipo::DatiNonValidi,
         "campata 2: carico distribuito non valido", {C::Campata, 2}},
        {"forza non finita", trave([](Velcora& t) { t.Dati_Fconc({{1, 1, 0, 0, 0, 1}, {1, INFINITY, 0, 0, 0, 1}}, true); }),
         Tipo::DatiNonValidi, "carico concentrato 2 non valido", {C::CaricoConcentrato, 2}},
        {"larghezza negativa", trave([](Velcora& t) { t.LarghezzaAppoggi(3, -0.1); }), Tipo::DatiNonValidi,
         "larghezza dell'appoggio 3 non valida", {C::Appoggio, 3}},
        {"punti del diagramma", trave([](Velcora& t) { t.nDivisioniPlt = 0; }), Tipo::DatiNonValidi,
         "numero di punti del diagramma 0 fuori dai limiti: da 1 a 32767", {C::PuntiDiagramma}},
        // A data file may set what the windows never allow.
        {"ridistribuzione al 50 %", imp([](Impostazioni& i) { i.DeltaRidist = 0.5f; }), Tipo::FuoriIntervallo,
         "coefficiente di ridistribuzione Delta = 0,5 fuori dai limiti ammessi per la classe C30/37: da 0,7 a 1",
         {C::Ridistribuzione}},
        {"ridistribuzione oltre 1", imp([](Impostazioni& i) { i.DeltaRidist = 1.25f; }), Tipo::FuoriIntervallo,
         "coefficiente di ridistribuzione Delta = 1,25 fuori dai limiti ammessi per la classe C30/37: da 0,7 a 1",
         {C::Ridistribuzione}},
        {"ridistribuzione non numerica", imp([](Impostazioni& i) { i.DeltaRidist = NAN; }), Tipo::FuoriIntervallo,
         "coefficiente di ridistribuzione Delta = non numerico fuori dai limiti ammessi per la classe C30/37: da 0,7 a 1",
         {C::Ridistribuzione}},
        {"fattore negativo", imp([](Impostazioni& i) { i.CoefParz[3] = -1.5f; }), Tipo::FuoriIntervallo,
         "coefficiente γG2 sfavorevole = -1,5 fuori dai limiti: deve essere un numero ≥ 0", {C::Coefficienti, 3}},
        {"coefficiente non numerico", imp([](Impostazioni& i) { i.CoefParz[13] = INFINITY; }), Tipo::FuoriIntervallo,
         "coefficiente ψ2 di Q2 = non numerico fuori dai limiti: deve essere un numero ≥ 0", {C::Coefficienti, 13}},
    };
    for (const Caso& c : casi) {
        Velcora t = Costruisci({{6, 10, 0, 5}, {5, 10, 0, 5}}, Appoggio, Appoggio, 20);
        Impostazioni i = prova::Rara();
        i.ClasseCls = 3; // C30/37
        t.CalcolaIperstatiche(i);
        ASSERT_TRUE(t.Calcolata());
        Velcora buona = t;
        c.guasta(t, i);
        const ErroreCalcolo e = ErroreDi(t, i);
        EXPECT_EQ(e.tipo(), c.atteso) << c.nome;
        EXPECT_EQ(e.motivo(), c.motivo) << c.nome;
        EXPECT_EQ(e.campo(), c.campo) << c.nome;
        // Nothing half-computed is left to show.
        EXPECT_FALSE(t.Calcolata()) << c.nome;
        EXPECT_EQ(t.nPt(), 0) << c.nome;
        EXPECT_THROW(t.MiperAppI(1, 1), std::out_of_range) << c.nome;
        EXPECT_EQ(t.CampataI(1).MmaxCam(), 0.0f) << c.nome;
        // The same object calculates again once the data are mended.
        t = buona;
        EXPECT_NO_THROW(t.CalcolaIperstatiche(prova::Rara())) << c.nome;
        EXPECT_TRUE(t.Calcolata()) << c.nome;
    }
}

TEST(Errori, LimitiDellaRidistribuzioneEDeiCoefficientiSonoAmmessi) {
    Velcora t = Costruisci({{6, 10, 0, 5}, {5, 10, 0, 5}}, Appoggio, Appoggio, 20);
    for (float delta : {0.0f, 0.7f, 1.0f - 30.0f / 100.0f, 1.0f}) {
        Impostazioni i = prova::Rara();
        i.DeltaRidist = delta;
        i.CoefParz.fill(0.0f);
        EXPECT_NO_THROW(t.CalcolaIperstatiche(i)) << delta;
    }
}

TEST(Errori, TraveOltreIlLimiteRifiutataSubito) {
    // The limit keeps the table of support moments, (n + 1)² singles, and the rest of the
    // calculation within 1 GB; one span more would not fit.
    const auto memoria = [](long long n) { return 4 * (n + 1) * (n + 1) + MemoriaLineareCalcolo; };
    EXPECT_LE(memoria(nCampateMassime), MemoriaMassimaCalcolo);
    EXPECT_GT(memoria(nCampateMassime + 1), MemoriaMassimaCalcolo);
    EXPECT_EQ(nCampateMassime, 15862);

    Velcora t;
    t.nCampate(nCampateMassime + 1);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{prova::B, prova::H}, {0, 0}}}, prova::E);
    for (int i = 1; i <= t.nCampate(); ++i) t.InserisceDatiCampata(i, 5, 10, 0, 5, 0, 1);
    t.VincoloSinistro = t.VincoloDestro = Appoggio;
    const ErroreCalcolo e = ErroreDi(t, prova::Rara());
    EXPECT_EQ(e.tipo(), Tipo::TraveTroppoGrande);
    EXPECT_EQ(e.campo(), CampoErrore{CampoErrore::Tipo::NumeroCampate});
    EXPECT_EQ(e.motivo(), "la trave ha 15863 campate; il calcolo ne accetta al massimo 15862, perché la tabella dei "
                          "momenti d'appoggio di ogni condizione di carico, (n + 1)² valori, deve stare con il resto "
                          "del calcolo in 1 GB di memoria");
    EXPECT_FALSE(t.Calcolata());
}

TEST(Errori, NessunRisultatoNonFinito) {
    // Extreme but valid data: a very flexible span next to a very stiff one.
    Velcora t = Costruisci({{0.5f, 1e6f, 0, 1e6f}, {30, 1, 0, 1}, {0.5f, 1e6f, 0, 1e6f}}, Incastro, Elastico, 3000);
    t.kVincoloDestro = 1e-6;
    t.CalcolaIperstatiche(prova::SLUDefault());
    for (int j = 1; j <= t.nPt(); ++j)
        for (float v : {t.yMmaxPlt(j), t.yMminPlt(j), t.yTmaxPlt(j), t.yTminPlt(j), t.yFrMaxPlt(j), t.yFrMinPlt(j)})
            ASSERT_TRUE(std::isfinite(v)) << j;
}

} // namespace
} // namespace vc
