#include "engine/Trave.h"

#include <stdexcept>
#include <string>

namespace vc {

void Trave::ImportaCarConc(const std::vector<RigaCarichi>& mat, bool forze, int nCamp) {
    if (!forze) return; // couples take no part in the analysis
    // Only the forces standing on this span are kept, in the order of the beam's table, so
    // that a force costs nothing on the other spans.
    forze_.clear();
    for (const RigaCarichi& r : mat)
        if (r[0] == static_cast<float>(nCamp)) forze_.push_back({r[1], r[2], r[3], r[4], r[5]});
    forzeCombinate_.assign(forze_.size(), ForzaCombinata{});
}

// ---- Results of the last calculation -----------------------------------------------------

const RisultatiCampata& Trave::Campata() const {
    static const RisultatiCampata nessuno;
    if (!risultati_ || iCamp < 1 || static_cast<std::size_t>(iCamp) > risultati_->Campate.size()) return nessuno;
    return risultati_->Campate[static_cast<std::size_t>(iCamp - 1)];
}

// lato 0: the support at the left end, 1: the one at the right end.
const RisultatiAppoggio& Trave::Appoggio(int lato) const {
    static const RisultatiAppoggio nessuno;
    const std::size_t k = static_cast<std::size_t>(iCamp - 1) + static_cast<std::size_t>(lato);
    if (!risultati_ || iCamp < 1 || k >= risultati_->Appoggi.size()) return nessuno;
    return risultati_->Appoggi[k];
}

Trave::MomentiEstremi Trave::MomentiCondizione(int c) const {
    const int n1 = risultati_ ? risultati_->MiperApp.nCondizioni() : 0;
    if (iCamp < 1 || iCamp + 1 > n1 || c < 1 || c > n1)
        throw std::out_of_range("momenti della campata " + std::to_string(iCamp) + ", condizione " +
                                std::to_string(c) + " inesistenti");
    return {risultati_->MiperApp(iCamp, c), risultati_->MiperApp(iCamp + 1, c)};
}

// ---- Flexibilities and end rotations of the simply supported span -------------------------

double Trave::fi12(double K) const {
    double f = Luce / (6.0 * EJreale());
    if (K > 0) f += 1.0 / K;
    return f;
}

double Trave::fi11(double K) const {
    double f = Luce / (3.0 * EJreale());
    if (K > 0) f += 1.0 / K;
    return f;
}

double Trave::fi10() const {
    const double L = Luce;
    return L * L * L / (24.0 * EJreale());
}

double Trave::fi10Permanente() const { return CaricoDistribuitoPermanente * fi10(); }
double Trave::fi20Permanente() const { return CaricoDistribuitoPermanente * fi10(); }
double Trave::fi10Variabile() const { return CaricoDistribuitoVariabile * fi10(); }
double Trave::fi20Variabile() const { return CaricoDistribuitoVariabile * fi10(); }

namespace {
// Left-end rotation of a simply supported span under P at distance d from the left end.
double RotazioneSinForza(double P, double d, double L, double EJ) {
    const double b = L - d;
    return P * b * (L * L - b * b) / (6.0 * L * EJ);
}
// Right-end rotation under the same force.
double RotazioneDesForza(double P, double d, double L, double EJ) {
    return P * d * (L * L - d * d) / (6.0 * L * EJ);
}

// The end rotation under one part (permanent or variable) of every force of the span.
template <class Forza, class Rotazione>
double SommaRotazioni(const std::vector<Forza>& forze, float Forza::*parte, Rotazione rotazione, double L,
                      double EJ) {
    double s = 0;
    for (const auto& f : forze) s += rotazione(f.*parte, f.d, L, EJ);
    return s;
}

} // namespace

double Trave::fi10Permanente_conc() const {
    return SommaRotazioni(forzeCombinate_, &ForzaCombinata::Perm, RotazioneSinForza, Luce, EJreale());
}

double Trave::fi20Permanente_conc() const {
    return SommaRotazioni(forzeCombinate_, &ForzaCombinata::Perm, RotazioneDesForza, Luce, EJreale());
}

double Trave::fi10Variabile_conc() const {
    return SommaRotazioni(forzeCombinate_, &ForzaCombinata::Var, RotazioneSinForza, Luce, EJreale());
}

double Trave::fi20Variabile_conc() const {
    return SommaRotazioni(forzeCombinate_, &ForzaCombinata::Var, RotazioneDesForza, Luce, EJreale());
}

double Trave::RotazioneEstremo(int c, bool destro, const MomentiEstremi& m) const {
    const double q = CaricoCondizione(c);
    if (destro) return q * fi10() + m.Sinistro * fi12() + m.Destro * fi11();
    return q * fi10() + m.Sinistro * fi11() + m.Destro * fi12();
}

double Trave::RotazioneEstremoConc(int c, bool destro) const {
    double s = 0;
    for (const auto& f : forzeCombinate_) {
        const double P = ForzaCondizione(f, c);
        if (P == 0.0) continue;
        s += destro ? RotazioneDesForza(P, f.d, Luce, EJreale()) : RotazioneSinForza(P, f.d, Luce, EJreale());
    }
    return s;
}

// ---- Statically known moments of a cantilever ----------------------------------------------

double Trave::MomentoIsostatico(double x, int c) const {
    const double q = c == 1 ? CaricoDistribuitoPermanente : CaricoDistribuitoVariabile;
    if (SbalzoSinistro()) return -q * x * x / 2.0;
    if (SbalzoDestro()) return -q * (Luce - x) * (Luce - x) / 2.0;
    return q * x * (Luce - x) / 2.0;
}

double Trave::MomentoIsostaticoConc(double x, int c) const {
    double M = 0;
    for (const auto& f : forzeCombinate_) {
        const double P = c == 1 ? f.Perm : f.Var;
        if (SbalzoSinistro() && f.d < x)
            M -= P * (x - f.d);
        else if (SbalzoDestro() && f.d > x)
            M -= P * (f.d - x);
    }
    return M;
}

// ---- Moment and shear at an abscissa -------------------------------------------------------

Trave::Sollecitazioni::Sollecitazioni(const Trave& t, int c, const MomentiEstremi& m)
    : t_(t), L_(t.Luce), inversoL_(1.0 / L_), Ms_(m.Sinistro), Md_(m.Destro), q_(t.CaricoCondizione(c)),
      pendenza_((Md_ - Ms_) / L_), forze_(c == 1 ? Forze::Permanenti : c - 1 == t.iCamp ? Forze::Variabili : Forze::Nessuna) {}

double Trave::Sollecitazioni::P(const ForzaCombinata& f) const { return forze_ == Forze::Permanenti ? f.Perm : f.Var; }

double Trave::Sollecitazioni::Momento(double x) const {
    const double L = L_;
    double M;
    if (t_.SbalzoSinistro())
        M = Ms_ - q_ * x * x / 2.0;
    else if (t_.SbalzoDestro())
        M = Md_ - q_ * (L - x) * (L - x) / 2.0;
    else
        M = Ms_ + x * (Md_ - Ms_) / L + q_ * x * (L - x) / 2.0;
    if (forze_ == Forze::Nessuna) return M;
    for (const auto& f : t_.forzeCombinate_) {
        const double P = this->P(f);
        const double d = f.d;
        if (t_.SbalzoSinistro())
            M -= x > d ? P * (x - d) : 0.0;
        else if (t_.SbalzoDestro())
            M -= x < d ? P * (d - x) : 0.0;
        else
            M += x <= d ? P * x * (L - d) / L : P * d * (L - x) / L;
    }
    return M;
}

double Trave::Sollecitazioni::Taglio(double x, bool oltreForze) const {
    const double L = L_;
    double T;
    if (t_.SbalzoSinistro())
        T = -q_ * x;
    else if (t_.SbalzoDestro())
        T = q_ * (L - x);
    else
        T = pendenza_ + q_ * L / 2.0 - q_ * x;
    if (forze_ == Forze::Nessuna) return T;
    for (const auto& f : t_.forzeCombinate_) {
        const double P = this->P(f);
        // "Before the force": x < d, or x = d when the section is taken just to its left.
        const bool prima = oltreForze ? x < f.d : x <= f.d;
        if (t_.SbalzoSinistro())
            T -= prima ? 0.0 : P;
        else if (t_.SbalzoDestro())
            T += prima ? P : 0.0;
        else
            T += prima ? P * (L - f.d) * inversoL_ : P * (L - f.d) * inversoL_ - P;
    }
    return T;
}

} // namespace vc
