#include "outputs/DiagrammiRelazione.h"

#include "engine/Decalage.h"
#include "outputs/RelazioneCalcolo.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace vc {

namespace {

constexpr double Bordo = 12;            // mm left and right of a strip, for the labels at its ends
constexpr double AltezzaDiagramma = 32; // mm the largest range of a diagram takes
constexpr double AltezzaFrecce = 20;    // mm the largest range of the deflections takes
constexpr double AltezzaCarichi = 12;   // mm the largest distributed load takes
constexpr double Simbolo = 3;           // mm, the side of a support triangle
constexpr double Distacco = 0.8;        // mm between a curve and its label

// Colours of the drawings (AutoCAD numbers): maxima red, minima blue, decalage green.
constexpr int ColoreMax = 1, ColoreMin = 5, ColoreDecalage = 3, ColoreTrave = 7, ColoreG = 8, ColoreQ = 1;

std::string Valore(double x, const Separatori& sep) {
    return NumeroRelazione(x, sep);
}

// The scales shared by every strip: mm of paper per metre of beam; the value a centimetre of
// paper stands for in each diagram.
struct Scale {
    double Lunghezze = 100; // 1:Lunghezze
    double mmPerMetro = 10;
    double M = 1, T = 1, F = 1, Carichi = 1;
};

// A scale of paper: the smallest of 1, 1.25, 1.5, 2, 2.5, 3, 4, 5, 7.5 times a power of ten not
// below the raw one (ScalaArrotondata's 1, 2, 5 would leave half a page empty).
double ScalaCarta(double grezza) {
    if (!(grezza > 0)) return 1.0;
    const double potenza = std::pow(10.0, std::floor(std::log10(grezza)));
    for (const double m : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 7.5})
        if (m * potenza >= grezza * (1 - 1e-9)) return m * potenza;
    return 10 * potenza;
}

double ScalaPerCm(double campo, double mm) {
    return campo > 0 ? ScalaCarta(campo / (mm / 10)) : 1.0;
}

// The range of a pair of envelopes over the points j0..j1, the axis included.
double Campo(const Velcora& t, float (Velcora::*max)(int) const, float (Velcora::*min)(int) const, int j0,
             int j1) {
    double alto = 0, basso = 0;
    for (int j = j0; j <= j1; ++j) {
        alto = std::max({alto, static_cast<double>((t.*max)(j)), static_cast<double>((t.*min)(j))});
        basso = std::min({basso, static_cast<double>((t.*max)(j)), static_cast<double>((t.*min)(j))});
    }
    return alto - basso;
}

double xAppoggio(const Velcora& t, int k) {
    double x = 0;
    for (int i = 1; i < k; ++i)
        x += static_cast<double>(t.CampataI(i).Luce);
    return x;
}

// The scales of the strip of spans a..b: the lengths as in every strip (1:lunghezze), each
// diagram on its own range, so that a short strip next to a long cantilever stays legible.
Scale ScaleStriscia(const Velcora& t, int a, int b, double lunghezze) {
    Scale s;
    s.Lunghezze = lunghezze;
    s.mmPerMetro = 1000 / lunghezze;
    const int j0 = t.iFineCampata(a) + 1, j1 = t.iFineCampata(b + 1);
    s.M = ScalaPerCm(Campo(t, &Velcora::yMmaxPlt, &Velcora::yMminPlt, j0, j1), AltezzaDiagramma);
    s.T = ScalaPerCm(Campo(t, &Velcora::yTmaxPlt, &Velcora::yTminPlt, j0, j1), AltezzaDiagramma);
    s.F = ScalaPerCm(1000 * Campo(t, &Velcora::yFrMaxPlt, &Velcora::yFrMinPlt, j0, j1), AltezzaFrecce);
    double carico = 0;
    for (int i = a; i <= b; ++i) {
        const Trave& c = t.CampataI(i);
        const double g = static_cast<double>(c.CaricoDistG1) + c.CaricoDistG2;
        const double q = static_cast<double>(c.CaricoDistQ1) + c.CaricoDistQ2;
        carico = std::max(carico, std::abs(g) + std::abs(q));
    }
    s.Carichi = ScalaPerCm(carico, AltezzaCarichi);
    return s;
}

// The scale of the lengths: the longest strip fits the page's width.
double ScalaLunghezze(const Velcora& t, const std::vector<std::pair<int, int>>& strisce) {
    double lunghezza = 0;
    for (const auto& [a, b] : strisce)
        lunghezza = std::max(lunghezza, xAppoggio(t, b + 1) - xAppoggio(t, a));
    return ScalaCarta(lunghezza * 1000 / (LarghezzaStrisce - 2 * Bordo));
}

// ---- Labels that never overlap ---------------------------------------------------------------

class Etichette {
  public:
    explicit Etichette(Disegno& d) : d_(d) {}

    // The text beside the point (x, y): above it (verso +1) or below it (−1), placed by its
    // alignment; moved further that way, a line at a time, while it would overlap a label
    // already placed; kept inside the strip's width.
    // A part of the drawing the labels keep clear of (a force's arrow).
    void Occupa(const Riquadro& r) { occupati_.push_back(r); }

    void Aggiunge(double x, double y, int verso, Allineamento allinea, const std::string& testo,
                  int colore = 7) {
        if (testo == "0") return; // a zero at a free end or a hinge says nothing
        const double h = AltezzaEtichette;
        const double larghezza = 0.7 * h * static_cast<double>(LunghezzaTesto(testo)) + 0.3;
        const double x0 = x - larghezza * QuotaAllineamento(allinea);
        const double alto = 1.2 * h;
        Riquadro r{};
        // Nearest first: on the point's line, a little to either side, then a line further away.
        for (int tentativo = 0; tentativo < 36; ++tentativo) {
            const int righe = tentativo / 3; // whole lines away
            const double spostamento = Distacco + righe * (alto + 0.3);
            const double lato = tentativo % 3 == 0 ? 0.0 : tentativo % 3 == 1 ? 0.6 : -0.6;
            r.xMin = std::clamp(x0 + lato * larghezza, 0.0, LarghezzaStrisce - larghezza);
            r.xMax = r.xMin + larghezza;
            r.yMin = verso > 0 ? y + spostamento : y - spostamento - alto;
            r.yMax = r.yMin + alto;
            if (std::none_of(occupati_.begin(), occupati_.end(),
                             [&](const Riquadro& o) { return Sovrapposti(o, r); }))
                break;
        }
        occupati_.push_back(r);
        d_.Testo({.Posizione = {r.xMin, r.yMax}, .Altezza = h, .Testo = testo}, colore);
    }

  private:
    static bool Sovrapposti(const Riquadro& a, const Riquadro& b) {
        constexpr double aria = 0.3;
        return a.xMin < b.xMax + aria && b.xMin < a.xMax + aria && a.yMin < b.yMax + aria &&
               b.yMin < a.yMax + aria;
    }

    Disegno& d_;
    std::vector<Riquadro> occupati_;
};

// ---- One strip -------------------------------------------------------------------------------

class Striscia {
  public:
    Striscia(const Velcora& t, const Separatori& sep, const Scale& s, int a, int b)
        : t_(t), sep_(sep), s_(s), a_(a), b_(b), x0_(xAppoggio(t, a)) {}

    double X(double metri) const { return Bordo + (metri - x0_) * s_.mmPerMetro; }
    double Xk(int k) const { return X(xAppoggio(t_, k)); }
    // The first and last diagram point of the strip.
    int PrimoPunto() const { return t_.iFineCampata(a_) + 1; }
    int UltimoPunto() const { return t_.iFineCampata(b_ + 1); }

    Disegno TraveECarichi() const;
    Disegno Momenti(const LineeDecalage* decalage) const;
    Disegno Tagli() const;
    Disegno Frecce() const;

  private:
    void Asse(Disegno& d) const { d.Linea(Xk(a_), 0, Xk(b_ + 1), 0, {ColoreTrave, 2}); }
    void Vincolo(Disegno& d, int k) const;
    void Carichi(Disegno& d, Etichette& e) const;
    void Forze(Disegno& d, Etichette& e) const;
    void LineeSpostate(Disegno& d, const LineeDecalage& decalage) const;
    void MomentiAppoggi(Etichette& e) const;
    void MomentiCampate(Etichette& e) const;
    double YMomento(double m) const { return -m / s_.M * 10; }
    // The envelope from the points of the strip, value / scala per cm, positive values below
    // the axis, closed onto the axis at both ends.
    void Inviluppo(Disegno& d, float (Velcora::*y)(int) const, double scala, int colore,
                   double fattore = 1) const;

    const Velcora& t_;
    const Separatori& sep_;
    const Scale& s_;
    int a_, b_;
    double x0_;
};

void Striscia::Vincolo(Disegno& d, int k) const {
    const int n = t_.nCampate();
    const VincoloEstremo vincolo = k == 1       ? t_.VincoloEstremoSinistro()
                                   : k == n + 1 ? t_.VincoloEstremoDestro()
                                                : VincoloEstremo::Appoggio;
    const double x = Xk(k);
    const double fuori = k == 1 ? -1 : 1; // the side of the end outside the beam
    if (vincolo == VincoloEstremo::Incastro) {
        d.Linea(x, -Simbolo, x, Simbolo, {ColoreTrave, 3});
        return;
    }
    if (vincolo != VincoloEstremo::Appoggio && vincolo != VincoloEstremo::Elastico) return;
    const double h = Simbolo * std::sqrt(3.0) / 2;
    const double xs[] = {x, x + Simbolo / 2, x - Simbolo / 2, x};
    const double ys[] = {0, -h, -h, 0};
    d.Polilinea(xs, ys, {ColoreTrave, 2});
    if (vincolo != VincoloEstremo::Elastico) return;
    // The spring: a half circle over the axis from the end outwards, and a short stroke beyond.
    d.Arco(x + fuori * Simbolo, 0, Simbolo, 0, std::numbers::pi, {ColoreTrave, 1});
    d.Linea(x + fuori * 3 * Simbolo, 0, x + fuori * 5 * Simbolo, 0, {ColoreTrave, 3});
}

void Striscia::Carichi(Disegno& d, Etichette& e) const {
    for (int i = a_; i <= b_; ++i) {
        const Trave& c = t_.CampataI(i);
        const double g = static_cast<double>(c.CaricoDistG1) + c.CaricoDistG2;
        const double q = static_cast<double>(c.CaricoDistQ1) + c.CaricoDistQ2;
        const double xa = Xk(i) + 0.4, xb = Xk(i + 1) - 0.4;
        const double yg = std::abs(g) / s_.Carichi * 10, yq = yg + std::abs(q) / s_.Carichi * 10;
        const double base = 0.6;
        if (yg > 0) {
            const double x[] = {xa, xb, xb, xa}, y[] = {base, base, base + yg, base + yg};
            d.Poligono(x, y, {ColoreG, 1});
            d.Tratteggia(x, y, 90, -1.2, {ColoreG, 1});
        }
        if (yq > yg) {
            const double x[] = {xa, xb, xb, xa}, y[] = {base + yg, base + yg, base + yq, base + yq};
            d.Poligono(x, y, {ColoreQ, 1});
            d.Tratteggia(x, y, 45, -1.2, {ColoreQ, 1});
        }
        // Under the axis, a line each below the support numbers: the length, then the loads.
        const double xm = (xa + xb) / 2, riga = 1.2 * AltezzaEtichette + 0.8;
        std::string luce = Valore(c.Luce, sep_), gi = "g ", qu = "q ";
        e.Aggiunge(xm, -Simbolo - riga, -1, Allineamento::Centro, luce.append(" m"));
        e.Aggiunge(xm, -Simbolo - 2 * riga, -1, Allineamento::Centro, gi.append(Valore(g, sep_)), ColoreG);
        e.Aggiunge(xm, -Simbolo - 3 * riga, -1, Allineamento::Centro, qu.append(Valore(q, sep_)), ColoreQ);
    }
}

void Striscia::Forze(Disegno& d, Etichette& e) const {
    // The arrows start above the highest load of the strip.
    double lunghezza = 6;
    for (int i = a_; i <= b_; ++i) {
        const Trave& c = t_.CampataI(i);
        const double carico = std::abs(static_cast<double>(c.CaricoDistG1) + c.CaricoDistG2) +
                              std::abs(static_cast<double>(c.CaricoDistQ1) + c.CaricoDistQ2);
        lunghezza = std::max(lunghezza, carico / s_.Carichi * 10 + 4);
    }
    for (const RigaCarichi& f : t_.TabForze()) {
        const int i = static_cast<int>(f[0]);
        if (i < a_ || i > b_) continue;
        const double x = X(xAppoggio(t_, i) + static_cast<double>(f[5]));
        const double valore = static_cast<double>(f[1]) + f[2] + f[3] + f[4];
        const double verso = valore >= 0 ? 1 : -1; // a load pointing down stands above the axis
        d.Linea(x, verso * lunghezza, x, verso * 0.8, {ColoreTrave, 1});
        e.Occupa({x - 0.8, x + 0.8, std::min(0.0, verso * lunghezza), std::max(0.0, verso * lunghezza)});
        d.Freccia({.Punta = {x, verso * 0.8},
                   .Dimensione = 0.8,
                   .Angolo = valore >= 0 ? 0 : std::numbers::pi,
                   .Piena = true},
                  {ColoreTrave, 1});
        std::string testo = "F = ";
        e.Aggiunge(x, verso * lunghezza, static_cast<int>(verso), Allineamento::Centro,
                   testo.append(Valore(valore, sep_)));
    }
    for (const RigaCarichi& c : t_.TabCoppie()) {
        const int i = static_cast<int>(c[0]);
        if (i < a_ || i > b_) continue;
        const double x = X(xAppoggio(t_, i) + static_cast<double>(c[5]));
        d.Arco(x, 0, 2.5, std::numbers::pi / 4, 7 * std::numbers::pi / 4, {ColoreTrave, 1});
        std::string testo = "C = ";
        e.Aggiunge(x, -2.5, -1, Allineamento::Centro,
                   testo.append(Valore(static_cast<double>(c[1]) + c[2] + c[3] + c[4], sep_)));
    }
}

Disegno Striscia::TraveECarichi() const {
    Disegno d;
    Etichette e(d);
    Asse(d);
    for (int k = a_; k <= b_ + 1; ++k) {
        Vincolo(d, k);
        e.Aggiunge(Xk(k), -Simbolo, -1, Allineamento::Centro, std::to_string(k));
    }
    Forze(d, e);
    Carichi(d, e);
    return d;
}

void Striscia::Inviluppo(Disegno& d, float (Velcora::*y)(int) const, double scala, int colore,
                         double fattore) const {
    std::vector<double> xs{X(t_.xPlt(PrimoPunto()))}, ys{0};
    for (int j = PrimoPunto(); j <= UltimoPunto(); ++j) {
        xs.push_back(X(t_.xPlt(j)));
        ys.push_back(-fattore * static_cast<double>((t_.*y)(j)) / scala * 10);
    }
    xs.push_back(xs.back());
    ys.push_back(0);
    d.Polilinea(xs, ys, {colore, 2});
}

// The pieces of a shifted line inside the strip, cut at its ends.
std::vector<std::pair<std::vector<double>, std::vector<double>>> Ritaglia(const Poligonale& p, double xa,
                                                                          double xb) {
    std::vector<std::pair<std::vector<double>, std::vector<double>>> pezzi;
    bool dentro = false;
    for (std::size_t k = 0; k < p.x.size(); ++k) {
        const bool qui = p.x[k] >= xa && p.x[k] <= xb;
        if (qui && !dentro) pezzi.emplace_back();
        if (qui) {
            pezzi.back().first.push_back(p.x[k]);
            pezzi.back().second.push_back(p.y[k]);
        }
        dentro = qui;
    }
    return pezzi;
}

// The shifted lines of the decalage, cut to the strip.
void Striscia::LineeSpostate(Disegno& d, const LineeDecalage& decalage) const {
    for (const auto* gruppo : {&decalage.Positive, &decalage.Negative})
        for (const Poligonale& p : *gruppo)
            for (auto& [x, y] : Ritaglia(p, xAppoggio(t_, a_), xAppoggio(t_, b_ + 1))) {
                for (double& v : x)
                    v = X(v);
                for (double& v : y)
                    v = YMomento(v);
                d.Polilinea(x, y, {ColoreDecalage, 1});
            }
}

// The support moments: the smallest, and the largest when positive and different.
void Striscia::MomentiAppoggi(Etichette& e) const {
    for (int k = a_; k <= b_ + 1; ++k) {
        const double mmin = t_.MminApp(k), mmax = t_.MmaxApp(k);
        if (mmin != 0)
            e.Aggiunge(Xk(k), YMomento(mmin), mmin < 0 ? 1 : -1, Allineamento::Centro, Valore(mmin, sep_),
                       ColoreMin);
        if (mmax > 0 && mmax != mmin)
            e.Aggiunge(Xk(k), YMomento(mmax), -1, Allineamento::Centro, Valore(mmax, sep_), ColoreMax);
    }
}

// The extreme moments inside each span; one at the span's end is the support's label.
void Striscia::MomentiCampate(Etichette& e) const {
    for (int i = a_; i <= b_; ++i) {
        const double luce = t_.CampataI(i).Luce;
        const double mmax = t_.MmaxCam(i), mmin = t_.MminCam(i);
        const double xmax = t_.xMmaxCam(i), xmin = t_.xMminCam(i);
        const bool estremo = xmax <= 0.02 * luce || xmax >= 0.98 * luce;
        if (mmax > 0 && !estremo)
            e.Aggiunge(Xk(i) + xmax * s_.mmPerMetro, YMomento(mmax), -1, Allineamento::Centro,
                       Valore(mmax, sep_), ColoreMax);
        if (mmin < 0 && xmin > 0.02 * luce && xmin < 0.98 * luce)
            e.Aggiunge(Xk(i) + xmin * s_.mmPerMetro, YMomento(mmin), 1, Allineamento::Centro,
                       Valore(mmin, sep_), ColoreMin);
    }
}

Disegno Striscia::Momenti(const LineeDecalage* decalage) const {
    Disegno d;
    Etichette e(d);
    Asse(d);
    if (t_.ModoDecala() != ModoDecalage::Traslato) {
        Inviluppo(d, &Velcora::yMmaxPlt, s_.M, ColoreMax);
        Inviluppo(d, &Velcora::yMminPlt, s_.M, ColoreMin);
    }
    if (decalage) LineeSpostate(d, *decalage);
    MomentiAppoggi(e);
    MomentiCampate(e);
    return d;
}

Disegno Striscia::Tagli() const {
    Disegno d;
    Etichette e(d);
    Asse(d);
    Inviluppo(d, &Velcora::yTmaxPlt, s_.T, ColoreMax);
    Inviluppo(d, &Velcora::yTminPlt, s_.T, ColoreMin);
    const auto y = [&](double v) { return -v / s_.T * 10; };
    for (int k = a_; k <= b_ + 1; ++k) {
        // Left of a support the shear of the span before it, right of it the span after it.
        if (k > a_) {
            const double v = t_.TaglioMaxS(k);
            e.Aggiunge(Xk(k) - 0.6, y(v), v < 0 ? 1 : -1, Allineamento::Destra, Valore(v, sep_));
        }
        if (k <= b_) {
            const double v = t_.TaglioMaxD(k);
            e.Aggiunge(Xk(k) + 0.6, y(v), v < 0 ? 1 : -1, Allineamento::Sinistra, Valore(v, sep_));
        }
    }
    return d;
}

Disegno Striscia::Frecce() const {
    Disegno d;
    Etichette e(d);
    Asse(d);
    Inviluppo(d, &Velcora::yFrMaxPlt, s_.F, ColoreMax, 1000);
    Inviluppo(d, &Velcora::yFrMinPlt, s_.F, ColoreMin, 1000);
    const auto y = [&](double mm) { return -mm / s_.F * 10; };
    for (int i = a_; i <= b_; ++i) {
        // Each extreme is written where the envelope reaches it in the span.
        int jMax = t_.iFineCampata(i) + 1, jMin = jMax;
        for (int j = jMax; j <= t_.iFineCampata(i + 1); ++j) {
            if (t_.yFrMaxPlt(j) > t_.yFrMaxPlt(jMax)) jMax = j;
            if (t_.yFrMinPlt(j) < t_.yFrMinPlt(jMin)) jMin = j;
        }
        const double fmax = 1000.0 * t_.CampI(i).FrecciaMax(), fmin = 1000.0 * t_.CampI(i).FrecciaMin();
        if (std::abs(fmax) >= 0.01)
            e.Aggiunge(X(t_.xPlt(jMax)), y(fmax), fmax >= 0 ? -1 : 1, Allineamento::Centro,
                       FrecciaMm(fmax / 1000, sep_), ColoreMax);
        if (std::abs(fmin) >= 0.01 && fmin != fmax)
            e.Aggiunge(X(t_.xPlt(jMin)), y(fmin), fmin >= 0 ? -1 : 1, Allineamento::Centro,
                       FrecciaMm(fmin / 1000, sep_), ColoreMin);
    }
    return d;
}

std::string Numero(double x, const Separatori& sep) {
    return TestoNumero(x, sep);
}

std::vector<BandaDiagramma> Bande(const Striscia& s, const Scale& sc, const LineeDecalage* decalage,
                                  const Separatori& sep) {
    std::string trave =
        "Trave e carichi caratteristici: numero degli appoggi, luce [m], g = G1 + G2 e q = Q1 + Q2 "
        "[kN/m]; forze F [kN], coppie C [kNm] (le coppie non entrano nel calcolo); lunghezze 1:";
    trave.append(Numero(sc.Lunghezze, sep))
        .append(", carichi 1 cm = ")
        .append(Numero(sc.Carichi, sep))
        .append(" kN/m");
    std::string momenti = "Momenti flettenti [kNm] - 1 cm = ";
    momenti.append(Numero(sc.M, sep)).append(" kNm; in rosso Mmax, in blu Mmin");
    if (decalage) momenti += ", in verde il decalage";
    std::string tagli = "Tagli [kN] - 1 cm = ";
    tagli.append(Numero(sc.T, sep)).append(" kN; in rosso Tmax, in blu Tmin");
    std::string frecce = "Frecce [mm] - 1 cm = ";
    frecce.append(Numero(sc.F, sep)).append(" mm; in rosso f max, in blu f min (positive verso il basso)");
    return {{std::move(trave), s.TraveECarichi()},
            {std::move(momenti), s.Momenti(decalage)},
            {std::move(tagli), s.Tagli()},
            {std::move(frecce), s.Frecce()}};
}

} // namespace

std::vector<std::pair<int, int>> CampateDelleStrisce(int nCampate) {
    std::vector<std::pair<int, int>> strisce;
    if (nCampate < 1) return strisce;
    const int n = (nCampate + CampateMassimePerStriscia - 1) / CampateMassimePerStriscia;
    int prima = 1;
    for (int k = 0; k < n; ++k) {
        const int campate = nCampate / n + (k < nCampate % n ? 1 : 0);
        strisce.emplace_back(prima, prima + campate - 1);
        prima += campate;
    }
    return strisce;
}

std::vector<StrisciaDiagrammi> DiagrammiRelazione(const Velcora& trave, const Separatori& sep,
                                                  Messaggi& msg) {
    const auto campate = CampateDelleStrisce(trave.nCampate());
    const double lunghezze = ScalaLunghezze(trave, campate);
    std::optional<LineeDecalage> decalage;
    if (trave.ModoDecala() != ModoDecalage::Nessuno) decalage = Decalage(trave, msg);
    std::vector<StrisciaDiagrammi> strisce;
    for (const auto& [a, b] : campate) {
        const Scale scale = ScaleStriscia(trave, a, b, lunghezze);
        const Striscia s(trave, sep, scale, a, b);
        strisce.push_back({a, b, Bande(s, scale, decalage ? &*decalage : nullptr, sep)});
    }
    return strisce;
}

} // namespace vc
