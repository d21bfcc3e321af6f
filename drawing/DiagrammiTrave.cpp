#include "drawing/DiagrammiTrave.h"

#include "drawing/core/ErroreDisegno.h"
#include "engine/Combinazioni.h"
#include "engine/Decalage.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace vc {

namespace {

constexpr std::array<std::pair<TipoDiagramma, std::string_view>, 3> NomiDiagrammi = {
    {{TipoDiagramma::Momenti, "M"}, {TipoDiagramma::Tagli, "T"}, {TipoDiagramma::Carichi, "C"}}};

// Significant digits of the values in the result rows.
constexpr int CifreRisultati = 4;

// The row names stand left of the beam, clear of the value of the first support.
constexpr double RientroEtichette = 10; // text heights

std::vector<float> Punti(int n, float (Velcora::*valore)(int) const, const Velcora& t) {
    std::vector<float> v(static_cast<std::size_t>(std::max(n, 0)));
    for (int j = 1; j <= n; ++j)
        v[static_cast<std::size_t>(j - 1)] = (t.*valore)(j);
    return v;
}

} // namespace

std::string_view NomeDiagramma(TipoDiagramma tipo) {
    for (const auto& [t, nome] : NomiDiagrammi)
        if (t == tipo) return nome;
    return {};
}

std::optional<TipoDiagramma> DiagrammaDaNome(std::string_view nome) {
    for (const auto& [t, n] : NomiDiagrammi)
        if (n == nome) return t;
    return std::nullopt;
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

DiagrammiTrave::DiagrammiTrave(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx, Separatori sep)
    : trave_(trave), imp_(imp), ctx_(ctx), sep_(std::move(sep)) {}

// ---- Entry points ----------------------------------------------------------------------------------

void DiagrammiTrave::Prepara(std::shared_ptr<Dispositivo> uscita) {
    if (!uscita) throw std::logic_error("Diagramma senza dispositivo di uscita");
    uscita_ = std::move(uscita);
    double lunghezza = trave_.LunghezzaTotale();
    if (!trave_.Calcolata()) { // the load diagram needs only the data
        lunghezza = 0;
        for (int i = 1; i <= trave_.nCampate(); ++i)
            lunghezza += static_cast<double>(trave_.CampataI(i).Luce);
    }
    xMin_ = 0;
    xMax_ = static_cast<float>(lunghezza);
    hTesto_ = lunghezza / 100;
}

void DiagrammiTrave::PlottaMT(TipoDiagramma tipo, std::shared_ptr<Dispositivo> uscita) {
    Prepara(std::move(uscita));
    switch (tipo) {
    case TipoDiagramma::Momenti:
        PlottaM(0, true);
        break;
    case TipoDiagramma::Tagli:
        PlottaT(0, true);
        break;
    case TipoDiagramma::Carichi:
        PlottaC(0, true);
        break;
    }
}

void DiagrammiTrave::PlottaStamp(std::shared_ptr<Dispositivo> uscita) {
    Prepara(std::move(uscita));
    PlottaM(0, true);
    PlottaT(0, true);
}

void DiagrammiTrave::PlottaDWG(std::shared_ptr<Dispositivo> uscita) {
    Prepara(std::move(uscita));
    PlottaM(0, true);
    const double fondoMomenti = yMin_;
    PlottaT(0, false);
    const double origine = fondoMomenti - static_cast<double>(yMax_) - 6 * hTesto_;
    PlottaT(static_cast<float>(origine), true);
}

// ---- Moment and shear diagrams ----------------------------------------------------------------------

void DiagrammiTrave::RichiedeRisultati() const {
    if (!trave_.Calcolata() || trave_.nCampate() < 1)
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, "La trave non è stata calcolata");
    if (!uscita_) throw std::logic_error("Diagramma senza dispositivo di uscita");
}

bool DiagrammiTrave::SuDispositivo(Uscita u) const { return uscita_ && uscita_->Tipo() == u; }

double DiagrammiTrave::xAppoggio(int k) const {
    double x = 0;
    for (int i = 1; i < k; ++i)
        x += static_cast<double>(trave_.CampataI(i).Luce);
    return x;
}

namespace {
// The positive part of the maximum envelope above, the negative part of the minimum below,
// nothing at the point outside the beam.
template <typename Massimo, typename Minimo>
InviluppoDisegnato Pulisce(int n, Massimo massimo, Minimo minimo) {
    InviluppoDisegnato inv;
    inv.Superiore.assign(static_cast<std::size_t>(n), 0.0f);
    inv.Inferiore.assign(static_cast<std::size_t>(n), 0.0f);
    for (int j = 2; j <= n; ++j) {
        inv.Superiore[static_cast<std::size_t>(j - 1)] = std::max(0.0f, massimo(j));
        inv.Inferiore[static_cast<std::size_t>(j - 1)] = std::min(0.0f, minimo(j));
    }
    return inv;
}
} // namespace

InviluppoDisegnato DiagrammiTrave::PulisceDiagrammaM() const {
    return Pulisce(trave_.nPt(), [this](int j) { return trave_.yMmaxPlt(j); },
                   [this](int j) { return trave_.yMminPlt(j); });
}

InviluppoDisegnato DiagrammiTrave::PulisceDiagrammaT() const {
    return Pulisce(trave_.nPt(), [this](int j) { return trave_.yTmaxPlt(j); },
                   [this](int j) { return trave_.yTminPlt(j); });
}

double DiagrammiTrave::ScalaFissa(double scala) const {
    if (!std::isfinite(scala) || !(scala > 0))
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi, TestoScalaFissaNulla);
    return scala;
}

void DiagrammiTrave::RidimensionaPerTesto(double& yMin, double& yMax) const {
    yMax += 8 * hTesto_;
    yMin -= 12 * hTesto_;
}

RisultatoScala DiagrammiTrave::ScalaMcalcola(double xMin, double xMax, double yMinIN, double yMaxIN, double yfMin,
                                             double yfMax) const {
    // The ranges always hold the axis.
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    yfMax = std::max(yfMax, 0.0);
    yfMin = std::min(yfMin, 0.0);
    const double campo = yMaxIN - yMinIN;
    const double campoFrecce = yfMax - yfMin;
    const double larghezza = xMax - xMin;
    const bool deformata = imp_.VisualizzaDeformata;

    RisultatoScala r;
    if (imp_.ScalePreimpostate) {
        r.Scala = ScalaFissa(imp_.ScalaFissaM);
        r.ScalaFR = deformata ? ScalaFissa(imp_.ScalaFissaFreccia) : imp_.ScalaFissaFreccia;
    } else {
        r.Scala = campo > 0 && larghezza > 0 ? ScalaArrotondata(1.5 * campo / larghezza) : 1.0;
        // The deflected shape a fifth as high as the moment diagram.
        const double altezza = campo > 0 ? campo / r.Scala : larghezza / 1.5;
        r.ScalaFR = campoFrecce > 0 && altezza > 0 ? ScalaArrotondata(5 * campoFrecce / altezza) : 1.0;
    }
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    if (deformata && campoFrecce > 0) {
        r.yMin = std::min(r.yMin, yfMin / r.ScalaFR);
        r.yMax = std::max(r.yMax, yfMax / r.ScalaFR);
    }
    RidimensionaPerTesto(r.yMin, r.yMax);
    return r;
}

RisultatoScala DiagrammiTrave::ScalaTcalcola(double xMin, double xMax, double yMinIN, double yMaxIN) const {
    if (!imp_.ScalePreimpostate) return ScalaYcalcola(xMin, xMax, yMinIN, yMaxIN);
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    RisultatoScala r;
    r.Scala = ScalaFissa(imp_.ScalaFissaT);
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    RidimensionaPerTesto(r.yMin, r.yMax);
    return r;
}

RisultatoScala DiagrammiTrave::ScalaYcalcola(double xMin, double xMax, double yMinIN, double yMaxIN) const {
    yMaxIN = std::max(yMaxIN, 0.0);
    yMinIN = std::min(yMinIN, 0.0);
    const double campo = yMaxIN - yMinIN;
    const double larghezza = xMax - xMin;
    RisultatoScala r;
    r.Scala = campo > 0 && larghezza > 0 ? ScalaArrotondata(1.5 * campo / larghezza) : 1.0;
    r.yMin = yMinIN / r.Scala;
    r.yMax = yMaxIN / r.Scala;
    RidimensionaPerTesto(r.yMin, r.yMax);
    return r;
}

void DiagrammiTrave::PltInizializza(float xMin, float xMax, float yMin, float yMax, float yOrigine) {
    bool proporzioni = true;
    switch (uscita_->Tipo()) {
    case Uscita::Video:
        plt_.EstremiFinestra(0.1f, 0.07f, 0.9f, 0.95f);
        proporzioni = false;
        break;
    case Uscita::Stampante:
        // The printer device writes in "Times New Roman", 8 points.
        if (tipo_ == TipoDiagramma::Momenti)
            plt_.EstremiFinestra(0.15f, 0.5f, 0.9f, 0.9f);
        else if (tipo_ == TipoDiagramma::Tagli)
            plt_.EstremiFinestra(0.15f, 0.1f, 0.9f, 0.5f);
        else
            plt_.EstremiFinestra(0.15f, 0.1f, 0.9f, 0.9f);
        break;
    default:
        break;
    }
    plt_.Inizializza(*uscita_, xMin, xMax, yMin, yMax, 1.0f, proporzioni, yOrigine, ctx_.Avvisi());
    ctx_.ImpostaUscita(plt_.ScalaY(), uscita_);
    ctx_.OrigineYdxf(yOrigine);
    ctx_.ZeroMaxDimen(plt_.ZeroMaxDimen());
    ctx_.ScalaProporzioni(plt_.ScalaMantieneProporzioni);
}

void DiagrammiTrave::PlottaInviluppo(const InviluppoDisegnato& inv, double scala) {
    const auto x = Punti(trave_.nPt(), &Velcora::xPlt, trave_);
    ctx_.Polilinea(x, inv.Superiore, scala);
    ctx_.Polilinea(x, inv.Inferiore, scala);
}

void DiagrammiTrave::PlottaM(float dxf_yorig, bool GiroPieno) {
    RichiedeRisultati();
    tipo_ = TipoDiagramma::Momenti;
    const InviluppoDisegnato inv = PulisceDiagrammaM();
    const double superiore = *std::max_element(inv.Superiore.begin(), inv.Superiore.end());
    const double inferiore = *std::min_element(inv.Inferiore.begin(), inv.Inferiore.end());

    // The deflected shape is drawn over points 1..nPt − 1.
    const int nFrecce = trave_.nPt() - 1;
    double fMax = 0, fMin = 0;
    for (int j = 1; j <= nFrecce; ++j) {
        fMax = std::max({fMax, static_cast<double>(trave_.yFrMaxPlt(j)), static_cast<double>(trave_.yFrMinPlt(j))});
        fMin = std::min({fMin, static_cast<double>(trave_.yFrMaxPlt(j)), static_cast<double>(trave_.yFrMinPlt(j))});
    }

    const RisultatoScala r = ScalaMcalcola(xMin_, xMax_, -superiore, -inferiore, -fMax, -fMin);
    scalaM_ = r.Scala;
    scalaFR_ = r.ScalaFR;
    yMin_ = static_cast<float>(r.yMin);
    yMax_ = static_cast<float>(r.yMax);
    yDiagrammaMin_ = r.yMin + 12 * hTesto_;
    if (!GiroPieno) return;

    PltInizializza(xMin_, xMax_, yMin_, yMax_, dxf_yorig);
    ctx_.ImpostaColore(SuDispositivo(Uscita::Blocco) ? 4 : 1);
    if (trave_.Decala != 1) {
        ctx_.ImpostaSpessore(2);
        PlottaInviluppo(inv, -r.Scala);
    }
    if (trave_.Decala != 0) {
        ctx_.ImpostaSpessore(1);
        const LineeDecalage linee = Decalage(trave_, ctx_.Avvisi());
        for (const auto* gruppo : {&linee.Positive, &linee.Negative})
            for (const Poligonale& p : *gruppo)
                ctx_.Polilinea(p.x, p.y, -r.Scala);
    }
    PlottaTrave(xMin_, xMax_, 1);

    if (imp_.VisualizzaDeformata) {
        std::vector<float> x = Punti(nFrecce, &Velcora::xPlt, trave_);
        ctx_.ImpostaColore(7);
        ctx_.Polilinea(x, Punti(nFrecce, &Velcora::yFrMaxPlt, trave_), -r.ScalaFR);
        ctx_.ImpostaColore(6);
        ctx_.Polilinea(x, Punti(nFrecce, &Velcora::yFrMinPlt, trave_), -r.ScalaFR);
    }
    ctx_.ImpostaColore(7);
    Plt_Titoli();
    Plt_Risultati();
}

void DiagrammiTrave::PlottaT(float dxf_yorig, bool GiroPieno) {
    RichiedeRisultati();
    tipo_ = TipoDiagramma::Tagli;
    const InviluppoDisegnato inv = PulisceDiagrammaT();
    const double superiore = *std::max_element(inv.Superiore.begin(), inv.Superiore.end());
    const double inferiore = *std::min_element(inv.Inferiore.begin(), inv.Inferiore.end());

    const RisultatoScala r = ScalaTcalcola(xMin_, xMax_, -superiore, -inferiore);
    scalaT_ = r.Scala;
    yMin_ = static_cast<float>(r.yMin);
    yMax_ = static_cast<float>(r.yMax);
    yDiagrammaMin_ = r.yMin + 12 * hTesto_;
    if (!GiroPieno) return;

    PltInizializza(xMin_, xMax_, yMin_, yMax_, dxf_yorig);
    ctx_.ImpostaColore(SuDispositivo(Uscita::Blocco) ? 4 : 1);
    ctx_.ImpostaSpessore(2);
    PlottaInviluppo(inv, -r.Scala);
    PlottaTrave(xMin_, xMax_, 1);
    ctx_.ImpostaColore(7);
    Plt_Titoli();
    Plt_Risultati();
}

// ---- Beam and supports --------------------------------------------------------------------------------

void DiagrammiTrave::PlottaTrave(double xMin, double xMax, double ScalaY) {
    const int n = trave_.nCampate();
    const int sinistro = trave_.VincoloSinistro;
    const int destro = trave_.VincoloDestro;
    const double D = (xMax - xMin) / 50;
    ctx_.ImpostaColore(7);

    // AppoggiIncastri: the ends of the beam; verso points outwards.
    ctx_.ImpostaSpessore(3);
    const auto estremo = [&](int codice, double x0, double verso) {
        if (codice == Incastro) {
            ctx_.Linea(x0, -D, x0, D, ScalaY);
        } else if (codice == Elastico) {
            ctx_.ImpostaSpessore(1);
            ctx_.Arco(x0 + verso * 2 * D, 0, 2 * D, 0, std::numbers::pi, ScalaY);
            ctx_.ImpostaSpessore(3);
            ctx_.Linea(x0 + verso * 3 * D, 0, x0 + verso * 5 * D, 0, ScalaY);
        }
    };
    estremo(sinistro, xMin, -1);
    estremo(destro, xMax, 1);

    ctx_.ImpostaSpessore(2);
    const double altezza = D * std::sqrt(3.0) / 2;
    const auto conTriangolo = [](int codice) { return codice == Appoggio || codice == Elastico; };
    for (int k = 1; k <= n + 1; ++k) {
        if (k == 1 && !conTriangolo(sinistro)) continue;
        if (k == n + 1 && !conTriangolo(destro)) continue;
        const double xk = k == n + 1 ? xMax : xMin + xAppoggio(k);
        const double x[] = {xk, xk + D / 2, xk - D / 2, xk};
        const double y[] = {0, -altezza, -altezza, 0};
        ctx_.Polilinea(x, y, ScalaY);
    }

    ctx_.ImpostaSpessore(3);
    for (int i = 1; i <= n; ++i) {
        const double xa = xMin + xAppoggio(i);
        const double xb = i == n ? xMax : xMin + xAppoggio(i + 1);
        const double xm = (xa + xb) / 2;
        ctx_.Linea(xa, 0, xm, 0, ScalaY);
        ctx_.Linea(xm, 0, xb, 0, ScalaY);
    }
    ctx_.ImpostaSpessore(1);
}

// ---- Texts --------------------------------------------------------------------------------------------

std::string DiagrammiTrave::Etichetta(double valore) const { return FormattaEtichetta(CifreRisultati, valore, sep_); }

void DiagrammiTrave::Plt_Titoli() {
    // Every text hangs from its point, so that it reads the same on screen, on paper and in
    // the files.
    const double h = hTesto_;
    double y = static_cast<double>(yMax_) - h;
    if (tipo_ == TipoDiagramma::Momenti && imp_.VisualizzaDeformata) {
        ctx_.Testo(xMin_, y, h, "Scala Frecce 1:" + TestoNumero(scalaFR_.value_or(0), sep_), 1, true);
        y += 2 * h;
    }
    const bool momenti = tipo_ == TipoDiagramma::Momenti;
    const double scala = (momenti ? scalaM_ : scalaT_).value_or(0);
    ctx_.Testo(xMin_, y, h,
               std::string(momenti ? "Scala momenti 1:" : "Scala tagli 1:") + TestoNumero(scala, sep_) +
                   EtichettaCombinazione(imp_),
               1, true);
    y += 2 * h;
    ctx_.Testo(xMin_, y, h, "File : " + imp_.NomeFile + " - " + imp_.Titolo, 1, true);
}

void DiagrammiTrave::Plt_Testo_app_camp(double& y, std::string_view etichetta, Posizione dove,
                                        const std::vector<double>& valori) {
    const double h = hTesto_;
    y -= 2 * h;
    ctx_.Testo(static_cast<double>(xMin_) - RientroEtichette * h, y, h, etichetta, 1, true);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        const double x = dove == Posizione::Appoggi ? xMin_ + xAppoggio(k)
                                                    : xMin_ + (xAppoggio(k) + xAppoggio(k + 1)) / 2;
        ctx_.Testo(x, y, h, Etichetta(valori[i]), 1, true);
    }
}

void DiagrammiTrave::Plt_Testo_deform(double& y) {
    const int n = trave_.nCampate();
    std::vector<double> fMax, fMin;
    for (int i = 1; i <= n; ++i) {
        fMax.push_back(trave_.FrecciaMaxCampata(i));
        fMin.push_back(trave_.FrecciaMinCampata(i));
    }
    ctx_.ImpostaColore(7);
    Plt_Testo_app_camp(y, "f max", Posizione::Campate, fMax);
    ctx_.ImpostaColore(6);
    Plt_Testo_app_camp(y, "f min", Posizione::Campate, fMin);
    ctx_.ImpostaColore(7);
}

void DiagrammiTrave::Plt_Risultati() {
    const int n = trave_.nCampate();
    double y = yDiagrammaMin_;
    const auto perAppoggio = [&](auto valore) {
        std::vector<double> v;
        for (int k = 1; k <= n + 1; ++k)
            v.push_back(static_cast<double>(valore(k)));
        return v;
    };
    const auto perCampata = [&](auto valore) {
        std::vector<double> v;
        for (int i = 1; i <= n; ++i)
            v.push_back(static_cast<double>(valore(trave_.CampataI(i))));
        return v;
    };
    ctx_.ImpostaColore(7);
    if (tipo_ == TipoDiagramma::Momenti) {
        Plt_Testo_app_camp(y, "M min", Posizione::Appoggi, perAppoggio([&](int k) { return trave_.MminApp(k); }));
        Plt_Testo_app_camp(y, "M max", Posizione::Campate, perCampata([](const Trave& t) { return t.MmaxCam(); }));
        Plt_Testo_app_camp(y, "R max", Posizione::Appoggi, perAppoggio([&](int k) { return trave_.ReazMax(k); }));
        Plt_Testo_app_camp(y, "R min", Posizione::Appoggi, perAppoggio([&](int k) { return trave_.ReazMin(k); }));
        if (imp_.VisualizzaDeformata) Plt_Testo_deform(y);
    } else if (tipo_ == TipoDiagramma::Tagli) {
        Plt_Testo_app_camp(y, "T maxs", Posizione::Appoggi, perAppoggio([&](int k) { return trave_.TaglioMaxS(k); }));
        Plt_Testo_app_camp(y, "T maxd", Posizione::Appoggi, perAppoggio([&](int k) { return trave_.TaglioMaxD(k); }));
        Plt_Testo_app_camp(y, "Luci", Posizione::Campate, perCampata([](const Trave& t) { return t.Luce; }));
        Plt_Testo_app_camp(y, "G1", Posizione::Campate, perCampata([](const Trave& t) { return t.CaricoDistG1; }));
        Plt_Testo_app_camp(y, "G2", Posizione::Campate, perCampata([](const Trave& t) { return t.CaricoDistG2; }));
        Plt_Testo_app_camp(y, "Q1", Posizione::Campate, perCampata([](const Trave& t) { return t.CaricoDistQ1; }));
        Plt_Testo_app_camp(y, "Q2", Posizione::Campate, perCampata([](const Trave& t) { return t.CaricoDistQ2; }));
    }
}

} // namespace vc
