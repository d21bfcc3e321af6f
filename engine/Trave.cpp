#include "engine/Trave.h"

#include "engine/Velcora.h"

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

double Trave::MomentoAppoggio(int appoggio, int c) const { return trave_->MiperAppI(appoggio, c); }

double Trave::CaricoCondizione(int c) const {
    if (c == 1) return CaricoDistribuitoPermanente;
    if (c - 1 == iCamp) return CaricoDistribuitoVariabile;
    return 0.0;
}

double Trave::ForzaCondizione(const ForzaCombinata& f, int c) const {
    if (c == 1) return f.Perm;
    if (c - 1 == iCamp) return f.Var;
    return 0.0;
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
} // namespace

double Trave::fi10Permanente_conc() const {
    double s = 0;
    for (const auto& f : forzeCombinate_) s += RotazioneSinForza(f.Perm, f.d, Luce, EJreale());
    return s;
}

double Trave::fi20Permanente_conc() const {
    double s = 0;
    for (const auto& f : forzeCombinate_) s += RotazioneDesForza(f.Perm, f.d, Luce, EJreale());
    return s;
}

double Trave::fi10Variabile_conc() const {
    double s = 0;
    for (const auto& f : forzeCombinate_) s += RotazioneSinForza(f.Var, f.d, Luce, EJreale());
    return s;
}

double Trave::fi20Variabile_conc() const {
    double s = 0;
    for (const auto& f : forzeCombinate_) s += RotazioneDesForza(f.Var, f.d, Luce, EJreale());
    return s;
}

double Trave::fi10Permanente_conc_freccia() const { return fi10Permanente_conc(); }
double Trave::fi10Variabile_conc_freccia() const { return fi10Variabile_conc(); }

double Trave::RotazioneEstremo(int c, bool destro) const {
    const double q = CaricoCondizione(c);
    const double MA = MomentoAppoggio(iCamp, c);
    const double MB = MomentoAppoggio(iCamp + 1, c);
    if (destro) return q * fi10() + MA * fi12() + MB * fi11();
    return q * fi10() + MA * fi11() + MB * fi12();
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

double Trave::MomentoX(double x, int c) const {
    const double L = Luce;
    const double Ms = MomentoAppoggio(iCamp, c);
    const double Md = MomentoAppoggio(iCamp + 1, c);
    const double q = CaricoCondizione(c);
    double M;
    if (SbalzoSinistro())
        M = Ms - q * x * x / 2.0;
    else if (SbalzoDestro())
        M = Md - q * (L - x) * (L - x) / 2.0;
    else
        M = Ms + x * (Md - Ms) / L + q * x * (L - x) / 2.0;

    if (c != 1 && c - 1 != iCamp) return M; // the forces of this span belong to conditions 1 and iCamp + 1
    for (const auto& f : forzeCombinate_) {
        const double P = ForzaCondizione(f, c);
        const double d = f.d;
        if (SbalzoSinistro()) {
            if (x > d) M -= P * (x - d);
        } else if (SbalzoDestro()) {
            if (x < d) M -= P * (d - x);
        } else if (x <= d) {
            M += P * x * (L - d) / L;
        } else {
            M += P * d * (L - x) / L;
        }
    }
    return M;
}

double Trave::TaglioX(double x, int c, bool oltreForze) const {
    const double L = Luce;
    const double q = CaricoCondizione(c);
    double T;
    if (SbalzoSinistro())
        T = -q * x;
    else if (SbalzoDestro())
        T = q * (L - x);
    else
        T = (MomentoAppoggio(iCamp + 1, c) - MomentoAppoggio(iCamp, c)) / L + q * L / 2.0 - q * x;

    if (c != 1 && c - 1 != iCamp) return T;
    for (const auto& f : forzeCombinate_) {
        const double P = ForzaCondizione(f, c);
        const double d = f.d;
        // "Before the force": x < d, or x = d when the section is taken just to its left.
        const bool prima = oltreForze ? x < d : x <= d;
        if (SbalzoSinistro()) {
            if (!prima) T -= P;
        } else if (SbalzoDestro()) {
            if (prima) T += P;
        } else {
            T += prima ? P * (L - d) / L : P * (L - d) / L - P;
        }
    }
    return T;
}

} // namespace vc
