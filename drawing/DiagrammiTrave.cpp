#include "drawing/DiagrammiTrave.h"

#include "drawing/PartiDiagrammi.h"
#include "drawing/core/DisegnoSuDispositivo.h"
#include "drawing/core/ErroreDisegno.h"
#include "engine/Combinazioni.h"
#include "engine/Decalage.h"
#include "support/Formattazione.h"
#include "support/TabellaNomi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace vc {

using parti::xAppoggio;

namespace {

constexpr std::array<std::pair<TipoDiagramma, std::string_view>, 3> NomiDiagrammi = {
    {{TipoDiagramma::Momenti, "M"}, {TipoDiagramma::Tagli, "T"}, {TipoDiagramma::Carichi, "C"}}};

// Significant digits of the values in the result rows.
constexpr int CifreRisultati = 4;

// The row names stand left of the beam, clear of the value of the first support.
constexpr double RientroEtichette = 10; // text heights

// The window and page places of the diagrams (x 0.1..0.9 and y 0.07..0.95 of a window with
// proportions free; on a page the moment diagram above the shear diagram).
constexpr Inquadratura SuFinestra{{0.1f, 0.07f, 0.9f, 0.95f}, false};
constexpr Inquadratura PaginaMomenti{{0.15f, 0.5f, 0.9f, 0.9f}, true};
constexpr Inquadratura PaginaTagli{{0.15f, 0.1f, 0.9f, 0.5f}, true};

std::vector<float> Punti(int n, float (Velcora::*valore)(int) const, const Velcora& t) {
    std::vector<float> v(static_cast<std::size_t>(std::max(n, 0)));
    for (int j = 1; j <= n; ++j)
        v[static_cast<std::size_t>(j - 1)] = (t.*valore)(j);
    return v;
}

void RichiedeRisultati(const Velcora& trave) {
    if (!trave.Calcolata() || trave.nCampate() < 1)
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, "La trave non è stata calcolata");
}

// The two curves of an envelope as they are drawn, points 1..nPt stored from index 0: the
// upper one the maximum envelope where it is positive (0 elsewhere), the lower one the minimum
// envelope where it is negative (0 elsewhere); point 1 of both is 0, so each curve starts on
// the axis (PulisceDiagrammaM, PulisceDiagrammaT).
struct InviluppoDisegnato {
    std::vector<float> Superiore, Inferiore;
    double Massimo() const { return *std::max_element(Superiore.begin(), Superiore.end()); }
    double Minimo() const { return *std::min_element(Inferiore.begin(), Inferiore.end()); }
};

InviluppoDisegnato Pulisce(const Velcora& t, float (Velcora::*massimo)(int) const,
                           float (Velcora::*minimo)(int) const) {
    const int n = t.nPt();
    InviluppoDisegnato inv;
    inv.Superiore.assign(static_cast<std::size_t>(n), 0.0f);
    inv.Inferiore.assign(static_cast<std::size_t>(n), 0.0f);
    for (int j = 2; j <= n; ++j) {
        inv.Superiore[static_cast<std::size_t>(j - 1)] = std::max(0.0f, (t.*massimo)(j));
        inv.Inferiore[static_cast<std::size_t>(j - 1)] = std::min(0.0f, (t.*minimo)(j));
    }
    return inv;
}

void PlottaInviluppo(Disegno& d, const Velcora& t, const InviluppoDisegnato& inv, double scala, int colore) {
    const auto x = Punti(t.nPt(), &Velcora::xPlt, t);
    d.Polilinea(x, inv.Superiore, {colore, 2}, scala);
    d.Polilinea(x, inv.Inferiore, {colore, 2}, scala);
}

// The texts of a moment or shear diagram: titles above it, rows of results under it.
class Testi {
  public:
    Testi(Disegno& d, const Velcora& t, const Separatori& sep, double hTesto)
        : d_(d), t_(t), sep_(sep), h_(hTesto), xMin_(d.Campo.xMin) {}

    // The titles at x = xMin, the first one text height under the upper extent, each next one
    // two text heights higher (Plt_Titoli).
    void Titoli(std::initializer_list<std::string> righe) {
        double y = static_cast<double>(d_.Campo.yMax) - h_;
        for (const auto& r : righe) {
            d_.Testo({.Posizione = {xMin_, y}, .Altezza = h_, .Testo = r});
            y += 2 * h_;
        }
    }

    // Rows from under the diagram's lowest point, two text heights apart (Plt_Risultati).
    void InizioRighe(double yDiagrammaMin) { y_ = yDiagrammaMin; }
    void Appoggi(std::string_view etichetta, const std::function<double(int)>& valore, int colore = 7) {
        std::vector<double> v;
        for (int k = 1; k <= t_.nCampate() + 1; ++k)
            v.push_back(valore(k));
        Riga(etichetta, v, false, colore);
    }
    void Campate(std::string_view etichetta, const std::function<double(int)>& valore, int colore = 7) {
        std::vector<double> v;
        for (int i = 1; i <= t_.nCampate(); ++i)
            v.push_back(valore(i));
        Riga(etichetta, v, true, colore);
    }

  private:
    // The row name left of the beam and each value starting at its support or at the middle of
    // its span (Plt_Testo_app_camp).
    void Riga(std::string_view etichetta, const std::vector<double>& valori, bool campate, int colore) {
        y_ -= 2 * h_;
        d_.Testo({.Posizione = {xMin_ - RientroEtichette * h_, y_},
                  .Altezza = h_,
                  .Testo = std::string(etichetta)},
                 colore);
        for (std::size_t i = 0; i < valori.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            const double x =
                campate ? xMin_ + (xAppoggio(t_, k) + xAppoggio(t_, k + 1)) / 2 : xMin_ + xAppoggio(t_, k);
            d_.Testo({.Posizione = {x, y_},
                      .Altezza = h_,
                      .Testo = FormattaEtichetta(CifreRisultati, valori[i], sep_)},
                     colore);
        }
    }

    Disegno& d_;
    const Velcora& t_;
    const Separatori& sep_;
    double h_;
    double xMin_;
    double y_ = 0;
};

// The extents, places and text height shared by the moment and the shear diagram.
DiagrammaTrave Inizio(TipoDiagramma tipo, const parti::Base& b, const parti::RisultatoScala& r,
                      const Inquadratura& pagina) {
    DiagrammaTrave dt;
    dt.Tipo = tipo;
    dt.hTesto = b.hTesto;
    dt.Scala = r.Scala;
    dt.Figura.Campo = {b.xMin, b.xMax, static_cast<float>(r.yMin), static_cast<float>(r.yMax)};
    dt.Figura.SuFinestra = SuFinestra;
    dt.Figura.SuPagina = pagina;
    return dt;
}

void Deformata(Disegno& d, const Velcora& t, double scalaFR) {
    const int nFrecce = t.nPt() - 1; // drawn over points 1..nPt − 1
    const std::vector<float> x = Punti(nFrecce, &Velcora::xPlt, t);
    d.Polilinea(x, Punti(nFrecce, &Velcora::yFrMaxPlt, t), {7, 1}, -scalaFR);
    d.Polilinea(x, Punti(nFrecce, &Velcora::yFrMinPlt, t), {6, 1}, -scalaFR);
}

void RigheMomenti(Testi& testi, const Velcora& t, bool deformata) {
    testi.Appoggi("M min", [&](int k) { return t.MminApp(k); });
    testi.Campate("M max", [&](int i) { return t.CampataI(i).MmaxCam(); });
    testi.Appoggi("R max", [&](int k) { return t.ReazMax(k); });
    testi.Appoggi("R min", [&](int k) { return t.ReazMin(k); });
    if (!deformata) return;
    // Plt_Testo_deform
    testi.Campate("f max", [&](int i) { return t.FrecciaMaxCampata(i); });
    testi.Campate(
        "f min", [&](int i) { return t.FrecciaMinCampata(i); }, 6);
}

// The largest and the smallest deflection over points 1..nPt − 1 (0 included).
std::pair<double, double> EstremiFrecce(const Velcora& t) {
    double fMax = 0, fMin = 0;
    for (int j = 1; j <= t.nPt() - 1; ++j) {
        const double a = t.yFrMaxPlt(j), b = t.yFrMinPlt(j);
        fMax = std::max({fMax, a, b});
        fMin = std::min({fMin, a, b});
    }
    return {fMax, fMin};
}

} // namespace

std::string_view NomeDiagramma(TipoDiagramma tipo) {
    return NomeInTabella(NomiDiagrammi, tipo);
}

std::optional<TipoDiagramma> DiagrammaDaNome(std::string_view nome) {
    return ValoreInTabella(NomiDiagrammi, nome);
}

double ScalaArrotondata(double scala) {
    if (!std::isfinite(scala))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito, "Scala non finita nel disegno");
    const ScalePossibili possibili = Velcora::ScalePossibiliFissa();
    const double e = scala < 1e-20 ? -20.0 : std::log10(scala);
    const double c = std::floor(e);
    const double mantissa = std::pow(10.0, e - c);
    double migliore = 1000;
    double scelta = possibili.Scale[0];
    for (int i = 0; i < possibili.nScalePossibili; ++i) {
        const double s = possibili.Scale[static_cast<std::size_t>(i)];
        double d = s - mantissa;
        if (d < 0) d += possibili.Arrotondamento;
        if (d >= 0 && d < migliore) {
            migliore = d;
            scelta = s;
        }
    }
    return std::pow(10.0, c) * scelta;
}

DiagrammaTrave DiagrammaMomenti(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                Messaggi& msg, int coloreInviluppi) {
    RichiedeRisultati(trave);
    const parti::Base b = parti::BaseDi(trave);
    const InviluppoDisegnato inv = Pulisce(trave, &Velcora::yMmaxPlt, &Velcora::yMminPlt);
    const auto [fMax, fMin] = EstremiFrecce(trave);
    const parti::RisultatoScala r =
        parti::ScalaMcalcola(imp, b.hTesto, b.xMin, b.xMax, -inv.Massimo(), -inv.Minimo(), -fMax, -fMin);
    DiagrammaTrave dt = Inizio(TipoDiagramma::Momenti, b, r, PaginaMomenti);
    dt.ScalaFR = r.ScalaFR;
    Disegno& d = dt.Figura;

    if (trave.ModoDecala() != ModoDecalage::Traslato)
        PlottaInviluppo(d, trave, inv, -r.Scala, coloreInviluppi);
    if (trave.ModoDecala() != ModoDecalage::Nessuno) {
        const LineeDecalage linee = Decalage(trave, msg);
        for (const auto* gruppo : {&linee.Positive, &linee.Negative})
            for (const Poligonale& p : *gruppo)
                d.Polilinea(p.x, p.y, {coloreInviluppi, 1}, -r.Scala);
    }
    parti::PlottaTrave(d, trave, b.xMin, b.xMax, 1);
    if (imp.VisualizzaDeformata) Deformata(d, trave, r.ScalaFR);

    Testi testi(d, trave, sep, b.hTesto);
    const std::string momenti = "Scala momenti 1:" + TestoNumero(r.Scala, sep) + EtichettaCombinazione(imp);
    const std::string file = "File : " + imp.NomeFile + " - " + imp.Titolo;
    if (imp.VisualizzaDeformata)
        testi.Titoli({"Scala Frecce 1:" + TestoNumero(r.ScalaFR, sep), momenti, file});
    else
        testi.Titoli({momenti, file});
    testi.InizioRighe(r.yMin + 12 * b.hTesto);
    RigheMomenti(testi, trave, imp.VisualizzaDeformata);
    return dt;
}

DiagrammaTrave DiagrammaTagli(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                              int coloreInviluppi) {
    RichiedeRisultati(trave);
    const parti::Base b = parti::BaseDi(trave);
    const InviluppoDisegnato inv = Pulisce(trave, &Velcora::yTmaxPlt, &Velcora::yTminPlt);
    const parti::RisultatoScala r =
        parti::ScalaTcalcola(imp, b.hTesto, b.xMin, b.xMax, -inv.Massimo(), -inv.Minimo());
    DiagrammaTrave dt = Inizio(TipoDiagramma::Tagli, b, r, PaginaTagli);
    Disegno& d = dt.Figura;

    PlottaInviluppo(d, trave, inv, -r.Scala, coloreInviluppi);
    parti::PlottaTrave(d, trave, b.xMin, b.xMax, 1);

    Testi testi(d, trave, sep, b.hTesto);
    testi.Titoli({"Scala tagli 1:" + TestoNumero(r.Scala, sep) + EtichettaCombinazione(imp),
                  "File : " + imp.NomeFile + " - " + imp.Titolo});
    testi.InizioRighe(r.yMin + 12 * b.hTesto);
    testi.Appoggi("T maxs", [&](int k) { return trave.TaglioMaxS(k); });
    testi.Appoggi("T maxd", [&](int k) { return trave.TaglioMaxD(k); });
    const auto campata = [&](float Trave::*valore) {
        return [&trave, valore](int i) { return static_cast<double>(trave.CampataI(i).*valore); };
    };
    testi.Campate("Luci", campata(&Trave::Luce));
    testi.Campate("G1", campata(&Trave::CaricoDistG1));
    testi.Campate("G2", campata(&Trave::CaricoDistG2));
    testi.Campate("Q1", campata(&Trave::CaricoDistQ1));
    testi.Campate("Q2", campata(&Trave::CaricoDistQ2));
    return dt;
}

Disegno MomentiSopraTagli(const DiagrammaTrave& momenti, const DiagrammaTrave& tagli) {
    Disegno d = momenti.Figura;
    const double fondoMomenti = momenti.Figura.Campo.yMin;
    const double origine = fondoMomenti - static_cast<double>(tagli.Figura.Campo.yMax) - 6 * momenti.hTesto;
    d.Accoda(tagli.Figura, static_cast<float>(origine));
    d.Campo.yMin = static_cast<float>(origine) + tagli.Figura.Campo.yMin;
    return d;
}

ScaleDisegnate PlottaMT(TipoDiagramma tipo, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Dispositivo& uscita, Messaggi& msg) {
    switch (tipo) {
    case TipoDiagramma::Momenti: {
        const DiagrammaTrave m = DiagrammaMomenti(trave, imp, sep, msg);
        DisegnaSu(m.Figura, uscita, msg);
        return {m.Scala, std::nullopt, m.ScalaFR};
    }
    case TipoDiagramma::Tagli: {
        const DiagrammaTrave t = DiagrammaTagli(trave, imp, sep);
        DisegnaSu(t.Figura, uscita, msg);
        return {std::nullopt, t.Scala, std::nullopt};
    }
    case TipoDiagramma::Carichi:
        parti::PlottaC(trave, sep, uscita, msg);
        break;
    }
    return {};
}

ScaleDisegnate PlottaStamp(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                           Dispositivo& uscita, Messaggi& msg) {
    const DiagrammaTrave m = DiagrammaMomenti(trave, imp, sep, msg);
    const DiagrammaTrave t = DiagrammaTagli(trave, imp, sep);
    DisegnaSu(m.Figura, uscita, msg);
    DisegnaSu(t.Figura, uscita, msg);
    return {m.Scala, t.Scala, m.ScalaFR};
}

ScaleDisegnate PlottaDWG(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                         Dispositivo& uscita, Messaggi& msg) {
    const DiagrammaTrave m = DiagrammaMomenti(trave, imp, sep, msg);
    const DiagrammaTrave t = DiagrammaTagli(trave, imp, sep);
    DisegnaSu(MomentiSopraTagli(m, t), uscita, msg);
    return {m.Scala, t.Scala, m.ScalaFR};
}

} // namespace vc
