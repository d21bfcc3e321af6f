// Data the calculation cannot solve stop it with a typed error, leave no result behind and
// leave the beam ready for the next calculation.

#include "TraviDiProva.h"

#include "support/Errori.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vc {
namespace {

using prova::Costruisci;
using Tipo = ErroreCalcolo::Tipo;

Tipo ErroreDi(Velcora& t) {
    try {
        t.CalcolaIperstatiche(prova::Rara());
    } catch (const ErroreCalcolo& e) {
        return e.tipo();
    }
    ADD_FAILURE() << "il calcolo non si è fermato";
    return Tipo::DatiNonValidi;
}

TEST(Errori, OgniDatoImpossibileFermaIlCalcolo) {
    struct Caso {
        const char* nome;
        std::function<void(Velcora&)> guasta;
        Tipo atteso;
    };
    const Caso casi[] = {
        {"E nullo", [](Velcora& t) { t.SezioneI(1).Young = 0; }, Tipo::RigidezzaNulla},
        {"J nullo", [](Velcora& t) { t.InserisceDatiSezione(1, SezGenerica, {{{0, 0.5f}, {0, 0}}}, 3e7f); },
         Tipo::RigidezzaNulla},
        {"luce nulla", [](Velcora& t) { t.CampataI(2).Luce = 0; }, Tipo::LuceNulla},
        {"campata più corta di mezzo passo", [](Velcora& t) { t.CampataI(2).Luce = 0.01f; }, Tipo::PassoTroppoGrande},
        {"vincolo non scelto", [](Velcora& t) { t.VincoloSinistro = VincoloNonScelto; }, Tipo::VincoloMancante},
        {"vincolo sconosciuto", [](Velcora& t) { t.VincoloDestro = 9; }, Tipo::VincoloMancante},
        {"molla senza rigidezza", [](Velcora& t) { t.VincoloDestro = Elastico; }, Tipo::RigidezzaNulla},
        {"trave labile", [](Velcora& t) { t.VincoloSinistro = t.VincoloDestro = Libero; }, Tipo::DatiNonValidi},
        {"sezione inesistente", [](Velcora& t) { t.CampataI(1).iSez = 4; }, Tipo::DatiNonValidi},
        {"carico non finito", [](Velcora& t) { t.CampataI(1).CaricoDistQ1 = NAN; }, Tipo::DatiNonValidi},
        {"forza non finita", [](Velcora& t) { t.Dati_Fconc({{1, INFINITY, 0, 0, 0, 1}}, true); }, Tipo::DatiNonValidi},
        {"punti del diagramma", [](Velcora& t) { t.nDivisioniPlt = 0; }, Tipo::DatiNonValidi},
    };
    for (const Caso& c : casi) {
        Velcora t = Costruisci({{6, 10, 0, 5}, {5, 10, 0, 5}}, Appoggio, Appoggio, 20);
        t.CalcolaIperstatiche(prova::Rara());
        ASSERT_TRUE(t.Calcolata());
        Velcora buona = t;
        c.guasta(t);
        EXPECT_EQ(ErroreDi(t), c.atteso) << c.nome;
        // Nothing half-computed is left to show.
        EXPECT_FALSE(t.Calcolata()) << c.nome;
        EXPECT_EQ(t.nPt(), 0) << c.nome;
        EXPECT_THROW(t.MiperAppI(1, 1), std::out_of_range) << c.nome;
        // The same object calculates again once the data are mended.
        t = buona;
        EXPECT_NO_THROW(t.CalcolaIperstatiche(prova::Rara())) << c.nome;
        EXPECT_TRUE(t.Calcolata()) << c.nome;
    }
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
