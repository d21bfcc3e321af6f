// A drawing as plain values, and the device step that puts it on each kind of device.

#include "drawing/core/Disegno.h"

#include "TraviDisegno.h"
#include "drawing/core/DisegnoCad.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/ErroreDisegno.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace vc {
namespace {

using prova::Registratore;
using ::testing::ElementsAre;

constexpr Stile Rosso{.Colore = 1, .Spessore = 2};

TEST(Disegno, ScalaYChiusuraESenzaLunghezza) {
    Disegno d;
    d.Linea(1, 4, 3, -8, Rosso, -2);
    const std::vector<float> x = {0, 1, 2}, y = {2, 4, 0};
    d.Polilinea(x, y, Rosso, 4);
    d.Poligono(x, y, Rosso);
    d.Arco(2, 6, 1.5, 0, 1, Rosso, 2); // the y of the centre scaled, never the radius
    const std::vector<double> uno = {3};
    d.Polilinea(uno, uno, Rosso);
    d.Poligono(uno, uno, Rosso);
    d.Arco(0, 0, 0, 0, 1, Rosso);
    ASSERT_EQ(d.Elementi.size(), 4u);
    EXPECT_THAT(std::get<Tratto>(d.Elementi[0].Forma).a, (Punto{1, -2}));
    EXPECT_THAT(std::get<Spezzata>(d.Elementi[1].Forma).Vertici,
                ElementsAre(Punto{0, 0.5}, Punto{1, 1}, Punto{2, 0}));
    EXPECT_THAT(std::get<Spezzata>(d.Elementi[2].Forma).Vertici,
                ElementsAre(Punto{0, 2}, Punto{1, 4}, Punto{2, 0}, Punto{0, 2}));
    const auto& a = std::get<ArcoCerchio>(d.Elementi[3].Forma);
    EXPECT_EQ(a.Centro, (Punto{2, 3}));
    EXPECT_EQ(a.Raggio, 1.5);
    for (const auto& e : d.Elementi) {
        EXPECT_EQ(e.Aspetto.Colore, 1);
        EXPECT_EQ(e.Aspetto.Spessore, 2);
    }
    const std::vector<double> due = {0, 1};
    EXPECT_THROW(d.Polilinea(due, uno, Rosso), std::invalid_argument);
}

TEST(Disegno, ValoriNonFinitiRifiutatiMentreSiCostruisce) {
    Disegno d;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto tipo = [](auto&& azione) {
        try {
            azione();
        } catch (const ErroreDisegno& e) {
            return e.tipo();
        }
        return ErroreDisegno::Tipo::DatiNonValidi;
    };
    using T = ErroreDisegno::Tipo;
    EXPECT_EQ(tipo([&] { d.Linea(0, 0, 1, 1, Rosso, 0); }), T::ValoreNonFinito); // y scale 0
    EXPECT_EQ(tipo([&] { d.Arco(0, 0, nan, 0, 1, Rosso); }), T::ValoreNonFinito);
    EXPECT_EQ(tipo([&] {
                  d.Testo({.Posizione = {0, 0}, .Altezza = nan, .Testo = "a"});
              }),
              T::ValoreNonFinito);
    EXPECT_EQ(tipo([&] { d.Freccia({.Punta = {nan, 0}, .Dimensione = 1}, Rosso); }), T::ValoreNonFinito);
    const std::vector<double> x = {0, 1, nan}, y = {0, 1, 2};
    EXPECT_EQ(tipo([&] { d.Polilinea(x, y, Rosso); }), T::ValoreNonFinito);
    EXPECT_EQ(tipo([&] { d.Tratteggia(x, y, 0, 4, Rosso); }), T::ValoreNonFinito);
    EXPECT_TRUE(d.Elementi.empty());
}

TEST(Disegno, AccodatoSottoUnAltroConLOrigineInSingolaPrecisione) {
    Disegno sotto;
    sotto.Linea(0, 1, 2, 1, Rosso);
    sotto.Arco(1, 2, 0.5, 0, 1, Rosso);
    const std::vector<double> x = {0, 4, 4, 0}, y = {0, 0, 2, 2};
    sotto.Tratteggia(x, y, 0, 2, Rosso);
    sotto.Testo({.Posizione = {0, 3}, .Altezza = 0.1, .Testo = "T"});
    sotto.Freccia({.Punta = {1, 0}, .Dimensione = 0.1}, Rosso);
    Disegno d;
    d.Linea(0, 0, 1, 0, Rosso);
    const float o = -10.1f;
    d.Accoda(sotto, o);
    ASSERT_EQ(d.Elementi.size(), 6u);
    const double do_ = o;
    EXPECT_EQ(std::get<Tratto>(d.Elementi[0].Forma).a.y, 0); // its own items stay
    EXPECT_EQ(std::get<Tratto>(d.Elementi[1].Forma).b.y, do_ + 1);
    EXPECT_EQ(std::get<ArcoCerchio>(d.Elementi[2].Forma).Centro.y, do_ + 2);
    EXPECT_EQ(std::get<Tratteggio>(d.Elementi[3].Forma).Linee.at(0).a.y, do_ + 1);
    EXPECT_EQ(std::get<Scritta>(d.Elementi[4].Forma).Posizione.y, do_ + 3);
    EXPECT_EQ(std::get<PuntaFreccia>(d.Elementi[5].Forma).Punta.y, do_);
}

TEST(Disegno, IngombroConITestiSecondoIlLoroAllineamento) {
    Disegno d;
    EXPECT_FALSE(Ingombro(d));
    d.Linea(0, 0, 10, 0, Rosso);
    d.Testo({.Posizione = {10, 5}, .Altezza = 1, .Testo = "abcde", .Allinea = Allineamento::Destra});
    d.Testo({.Posizione = {0, -2},
             .Altezza = 1,
             .Testo = "ab",
             .Appesa = false,
             .Allinea = Allineamento::Centro});
    d.Arco(5, 0, 2, 0, std::numbers::pi, Rosso);
    const auto r = Ingombro(d);
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(r->xMin, -0.8); // "ab" centred on 0, 0.8 high per character
    EXPECT_DOUBLE_EQ(r->xMax, 10);   // "abcde" ends at 10
    EXPECT_DOUBLE_EQ(r->yMin, -2);   // "ab" stands on its point
    EXPECT_DOUBLE_EQ(r->yMax, 5);    // "abcde" hangs from its point
    d.Arco(5, 0, 8, 0, std::numbers::pi, Rosso);
    EXPECT_DOUBLE_EQ(Ingombro(d)->yMax, 8); // the top of the half circle
}

TEST(DisegnaSu, SpessoreSoloQuandoCambiaEColoreDiOgniElemento) {
    Disegno d;
    d.Linea(0, 0, 1, 0, {.Colore = 7, .Spessore = 3});
    d.Linea(0, 1, 1, 1, {.Colore = 5, .Spessore = 3});
    d.Testo({.Posizione = {0, 2}, .Altezza = 0.1, .Testo = "x"}, 6);
    d.Linea(0, 3, 1, 3, {.Colore = 1, .Spessore = 1});
    Registratore r(Uscita::Dxf);
    DisegnaElementi(d, r);
    std::vector<std::string> tipi;
    std::vector<int> colori;
    for (const auto& e : r.Elementi) {
        tipi.push_back(e.Tipo);
        if (e.Tipo != "Spessore") colori.push_back(e.Colore);
    }
    EXPECT_THAT(tipi, ElementsAre("Spessore", "Linea", "Linea", "Testo", "Spessore", "Linea"));
    EXPECT_THAT(colori, ElementsAre(7, 5, 6, 1));
    // Drawn again, the same: nothing is left set between two drawings.
    Registratore s(Uscita::Dxf);
    DisegnaElementi(d, s);
    EXPECT_EQ(s.Elementi.size(), r.Elementi.size());
}

TEST(DisegnaSu, TestiAbbassatiELegendeSecondoIlDispositivo) {
    Disegno d;
    d.Testo({.Posizione = {1, 10}, .Altezza = 0.2, .Testo = "M min"});
    d.Testo({.Posizione = {1, 10}, .Altezza = 0.2, .Testo = "base", .Appesa = false});
    d.Testo({.Posizione = {1, 8}, .Altezza = 0.2, .Testo = "Scala carichi", .Legenda = true});
    for (auto u : {Uscita::Dxf, Uscita::Dwg, Uscita::Blocco, Uscita::Video, Uscita::Stampante}) {
        Registratore r(u);
        DisegnaElementi(d, r);
        const bool file = u == Uscita::Dxf || u == Uscita::Dwg;
        ASSERT_EQ(r.Elementi.size(), file ? 3u : 2u) << NomeUscita(u);
        EXPECT_NEAR(r.Elementi[0].Punti[0].y, file ? 9.7 : 10, 1e-12) << NomeUscita(u);
        EXPECT_EQ(r.Elementi[1].Punti[0].y, 10) << NomeUscita(u);
        EXPECT_EQ(r.Elementi[0].Valore, 0.2);
    }
    // The real devices say the same of themselves.
    MessaggiRegistrati m;
    DisegnoCad disegno;
    disegno.AggiungeBlocco({0, 0}, "B");
    DispositivoDxf dxf;
    EXPECT_TRUE(dxf.AbbassaTesto() && dxf.MostraLegenda());
    EXPECT_TRUE(DispositivoCad(disegno, m).AbbassaTesto() && DispositivoCad(disegno, m).MostraLegenda());
    EXPECT_FALSE(DispositivoCad(disegno, "B", m).AbbassaTesto() ||
                 DispositivoCad(disegno, "B", m).MostraLegenda());
}

TEST(DisegnaSu, FrecciaVersoIlBassoRuotataEConLeScaleDellaFinestra) {
    Disegno d;
    d.Freccia({.Punta = {2, 3}, .Dimensione = 1}, Rosso);
    d.Freccia({.Punta = {0, 0}, .Dimensione = 1, .Angolo = std::numbers::pi / 2}, Rosso);
    d.Freccia({.Punta = {0, 1}, .Dimensione = 1, .Piena = true}, Rosso);
    Registratore r(Uscita::Video);
    r.registraSolido = true;
    DisegnaElementi(d, r, 0.5);
    const auto punte = prova::Di(r, "Polilinea");
    ASSERT_EQ(punte.size(), 2u);
    // y offsets times the ratio of the scales; the outline closed on its tip.
    EXPECT_THAT(punte[0].Punti, ElementsAre(Punto{2, 3}, Punto{2.5, 4}, Punto{1.5, 4}, Punto{2, 3}));
    EXPECT_NEAR(punte[1].Punti[1].x, -2, 1e-12);
    EXPECT_NEAR(punte[1].Punti[1].y, 0.25, 1e-12);
    EXPECT_NEAR(punte[1].Punti[2].y, -0.25, 1e-12);
    // Filled: a solid of four vertices, the fourth repeating the third.
    const auto piena = prova::Di(r, "Solido");
    ASSERT_EQ(piena.size(), 1u);
    EXPECT_THAT(piena[0].Punti, ElementsAre(Punto{0, 1}, Punto{0.5, 2}, Punto{-0.5, 2}, Punto{-0.5, 2}));
}

TEST(DisegnaSu, InquadraturaDellaFinestraODellaPagina) {
    Disegno d;
    d.Campo = {0, 10, -1, 1};
    d.SuFinestra = {{0.1f, 0.07f, 0.9f, 0.95f}, false};
    d.SuPagina = {{0.15f, 0.5f, 0.9f, 0.9f}, true};
    MessaggiRegistrati m;
    Registratore video(Uscita::Video, ScalaDispositivo{0, 0, 800, 600});
    const Plottaggio v = DisegnaSu(d, video, m);
    EXPECT_THAT(v.FrazioniDispositivo(), ElementsAre(0.1f, 0.07f, 0.9f, 0.95f));
    EXPECT_FALSE(v.MantieneProporzioni());
    Registratore carta(Uscita::Stampante, ScalaDispositivo{0, 0, 4000, 6000});
    const Plottaggio c = DisegnaSu(d, carta, m);
    EXPECT_THAT(c.FrazioniDispositivo(), ElementsAre(0.15f, 0.5f, 0.9f, 0.9f));
    EXPECT_TRUE(c.MantieneProporzioni());
    Registratore dxf(Uscita::Dxf);
    const Plottaggio f = DisegnaSu(d, dxf, m);
    EXPECT_THAT(f.FrazioniDispositivo(), ElementsAre(0, 0, 0, 0));
    EXPECT_TRUE(m.Voci.empty());
}

TEST(DisegnaSu, TestiCentratiEAllineatiADestraNeiDueDxfLettiDaEzdxf) {
    prova::CartellaTemporanea dir;
    Disegno d;
    d.Testo({.Posizione = {0, 0}, .Altezza = 0.1, .Testo = "sinistra", .Appesa = false});
    d.Testo({.Posizione = {5, 0},
             .Altezza = 0.1,
             .Testo = "centro",
             .Appesa = false,
             .Allinea = Allineamento::Centro});
    d.Testo({.Posizione = {9, 0},
             .Altezza = 0.1,
             .Testo = "destra",
             .Appesa = false,
             .Allinea = Allineamento::Destra});
    DispositivoDxf dxf;
    dxf.ApreFileDxf(dir / "testi.dxf");
    DisegnaElementi(d, dxf);
    dxf.ChiudeFileDxf();
    MessaggiRegistrati m;
    DisegnoCad cad;
    DispositivoCad modello(cad, m);
    DisegnaElementi(d, modello);
    cad.Salva(dir / "cad.dxf");
    EXPECT_EQ(std::get<TestoCad>(cad.SpazioModello().Entita()[1].Geometria).Allinea, Allineamento::Centro);
    for (const char* file : {"testi.dxf", "cad.dxf"}) {
        const auto r = prova::LeggeConEzdxf(dir / file);
        ASSERT_EQ(r.Uscita, 0) << r.Testo;
        EXPECT_THAT(r.Testo, ::testing::HasSubstr("AUDIT errors=0\n"));
        EXPECT_THAT(r.Testo, ::testing::HasSubstr("(0,0,0) h=0.1 'sinistra'\n")) << file;
        EXPECT_THAT(r.Testo, ::testing::HasSubstr("(5,0,0) h=0.1 'centro' halign=1 (5,0,0)\n")) << file;
        EXPECT_THAT(r.Testo, ::testing::HasSubstr("(9,0,0) h=0.1 'destra' halign=2 (9,0,0)\n")) << file;
    }
}

} // namespace
} // namespace vc
