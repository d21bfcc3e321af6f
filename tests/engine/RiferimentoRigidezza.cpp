#include "RiferimentoRigidezza.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vc::test {

namespace {

using Vettore4 = std::array<double, 4>;
using Matrice4 = std::array<Vettore4, 4>;

// Stiffness of a beam element in (w1, φ1, w2, φ2).
Matrice4 RigidezzaElemento(double L, double EJ) {
    const double c = EJ / (L * L * L);
    const double L2 = L * L;
    return {{{12 * c, 6 * L * c, -12 * c, 6 * L * c},
             {6 * L * c, 4 * L2 * c, -6 * L * c, 2 * L2 * c},
             {-12 * c, -6 * L * c, 12 * c, -6 * L * c},
             {6 * L * c, 2 * L2 * c, -6 * L * c, 4 * L2 * c}}};
}

// Consistent nodal loads of the span's loads: the work of each load on the Hermite shape
// functions, which makes the nodal displacements exact.
Vettore4 CarichiNodali(const CampataRif& c) {
    const double L = c.L;
    Vettore4 f = {c.q * L / 2, c.q * L * L / 12, c.q * L / 2, -c.q * L * L / 12};
    for (const ForzaRif& forza : c.forze) {
        const double s = forza.d / L;
        const double s2 = s * s, s3 = s2 * s;
        f[0] += forza.P * (1 - 3 * s2 + 2 * s3);
        f[1] += forza.P * L * (s - 2 * s2 + s3);
        f[2] += forza.P * (3 * s2 - 2 * s3);
        f[3] += forza.P * L * (s3 - s2);
    }
    return f;
}

void ControllaDati(const TraveRif& trave) {
    if (trave.campate.empty()) throw std::invalid_argument("trave senza campate");
    for (const CampataRif& c : trave.campate) {
        if (!(c.L > 0)) throw std::invalid_argument("luce non positiva");
        if (!(c.EJ > 0)) throw std::invalid_argument("rigidezza non positiva");
        for (const ForzaRif& f : c.forze)
            if (f.d < 0 || f.d > c.L) throw std::invalid_argument("forza fuori dalla campata");
    }
    if (trave.sinistro == EstremoRif::Molla && !(trave.kSinistro > 0))
        throw std::invalid_argument("molla sinistra senza rigidezza");
    if (trave.destro == EstremoRif::Molla && !(trave.kDestro > 0))
        throw std::invalid_argument("molla destra senza rigidezza");
}

} // namespace

std::vector<double> RisolviDenso(std::vector<std::vector<double>> A, std::vector<double> b) {
    const std::size_t n = b.size();
    if (A.size() != n) throw std::invalid_argument("dimensioni incompatibili");
    double scala = 0;
    for (const auto& riga : A) {
        if (riga.size() != n) throw std::invalid_argument("matrice non quadrata");
        for (double a : riga)
            scala = std::max(scala, std::abs(a));
    }
    const double soglia = 1e-12 * scala;

    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::abs(A[i][k]) > std::abs(A[p][k])) p = i;
        if (!(std::abs(A[p][k]) > soglia)) throw MeccanismoRif("matrice singolare");
        std::swap(A[p], A[k]);
        std::swap(b[p], b[k]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double m = A[i][k] / A[k][k];
            if (m == 0) continue;
            for (std::size_t j = k; j < n; ++j)
                A[i][j] -= m * A[k][j];
            b[i] -= m * b[k];
        }
    }
    std::vector<double> x(n);
    for (std::size_t k = n; k-- > 0;) {
        double s = b[k];
        for (std::size_t j = k + 1; j < n; ++j)
            s -= A[k][j] * x[j];
        x[k] = s / A[k][k];
    }
    return x;
}

SoluzioneRif RisolviRiferimento(const TraveRif& trave) {
    ControllaDati(trave);
    const std::size_t n = trave.campate.size();
    const std::size_t nGdl = 2 * (n + 1);

    std::vector<std::vector<double>> K(nGdl, std::vector<double>(nGdl, 0.0));
    std::vector<double> F(nGdl, 0.0);
    for (std::size_t e = 0; e < n; ++e) {
        const CampataRif& c = trave.campate[e];
        const Matrice4 k = RigidezzaElemento(c.L, c.EJ);
        const Vettore4 f = CarichiNodali(c);
        for (std::size_t i = 0; i < 4; ++i) {
            F[2 * e + i] += f[i];
            for (std::size_t j = 0; j < 4; ++j)
                K[2 * e + i][2 * e + j] += k[i][j];
        }
    }

    // Restraints: every support node is held against deflection except a free end; a fixed
    // end is also held against rotation, a spring end resists it elastically.
    std::vector<bool> vincolato(nGdl, false);
    for (std::size_t nodo = 1; nodo < n; ++nodo)
        vincolato[2 * nodo] = true;
    const auto vincolaEstremo = [&](std::size_t nodo, EstremoRif tipo, double k) {
        switch (tipo) {
        case EstremoRif::Appoggio:
            vincolato[2 * nodo] = true;
            break;
        case EstremoRif::Incastro:
            vincolato[2 * nodo] = vincolato[2 * nodo + 1] = true;
            break;
        case EstremoRif::Libero:
            break;
        case EstremoRif::Molla:
            vincolato[2 * nodo] = true;
            K[2 * nodo + 1][2 * nodo + 1] += k;
            break;
        }
    };
    vincolaEstremo(0, trave.sinistro, trave.kSinistro);
    vincolaEstremo(n, trave.destro, trave.kDestro);

    std::vector<std::size_t> liberi;
    for (std::size_t i = 0; i < nGdl; ++i)
        if (!vincolato[i]) liberi.push_back(i);
    std::vector<double> u(nGdl, 0.0);
    if (!liberi.empty()) {
        std::vector<std::vector<double>> A(liberi.size(), std::vector<double>(liberi.size()));
        std::vector<double> b(liberi.size());
        for (std::size_t i = 0; i < liberi.size(); ++i) {
            b[i] = F[liberi[i]];
            for (std::size_t j = 0; j < liberi.size(); ++j)
                A[i][j] = K[liberi[i]][liberi[j]];
        }
        const std::vector<double> x = RisolviDenso(std::move(A), std::move(b));
        for (std::size_t i = 0; i < liberi.size(); ++i)
            u[liberi[i]] = x[i];
    }
    // With no free degree of freedom (a single span fixed at both ends) u stays zero.

    SoluzioneRif sol;
    sol.w_ = u;
    sol.reazioni_.assign(n + 1, 0.0);
    for (std::size_t nodo = 0; nodo <= n; ++nodo) {
        const std::size_t i = 2 * nodo;
        if (!vincolato[i]) continue;
        double r = -F[i];
        for (std::size_t j = 0; j < nGdl; ++j)
            r += K[i][j] * u[j];
        sol.reazioni_[nodo] = -r; // the support pushes against the downward DOF
    }
    for (std::size_t e = 0; e < n; ++e) {
        const CampataRif& c = trave.campate[e];
        const Matrice4 k = RigidezzaElemento(c.L, c.EJ);
        const Vettore4 f = CarichiNodali(c);
        Vettore4 estremi{}; // forces the nodes apply to the element
        for (std::size_t i = 0; i < 4; ++i) {
            estremi[i] = -f[i];
            for (std::size_t j = 0; j < 4; ++j)
                estremi[i] += k[i][j] * u[2 * e + j];
        }
        SoluzioneRif::StatoCampata s;
        s.dati = c;
        s.w0 = u[2 * e];
        s.phi0 = u[2 * e + 1];
        s.M0 = estremi[1];
        s.T0 = -estremi[0];
        sol.campate_.push_back(std::move(s));
    }
    return sol;
}

const SoluzioneRif::StatoCampata& SoluzioneRif::Campata(int campata) const {
    if (campata < 1 || campata > nCampate()) throw std::out_of_range("campata inesistente");
    return campate_[static_cast<std::size_t>(campata - 1)];
}

double SoluzioneRif::Momento(int campata, double x) const {
    const StatoCampata& s = Campata(campata);
    double M = s.M0 + s.T0 * x - s.dati.q * x * x / 2;
    for (const ForzaRif& f : s.dati.forze)
        if (f.d < x) M -= f.P * (x - f.d);
    return M;
}

double SoluzioneRif::Taglio(int campata, double x, Lato lato) const {
    const StatoCampata& s = Campata(campata);
    double T = s.T0 - s.dati.q * x;
    for (const ForzaRif& f : s.dati.forze)
        if (f.d < x || (lato == Lato::Destro && f.d == x)) T -= f.P;
    return T;
}

double SoluzioneRif::Pendenza(int campata, double x) const {
    const StatoCampata& s = Campata(campata);
    double integrale = s.M0 * x + s.T0 * x * x / 2 - s.dati.q * x * x * x / 6;
    for (const ForzaRif& f : s.dati.forze)
        if (f.d < x) integrale -= f.P * (x - f.d) * (x - f.d) / 2;
    return s.phi0 - integrale / s.dati.EJ;
}

double SoluzioneRif::Freccia(int campata, double x) const {
    // EJ·w'' = −M, integrated twice from the left end.
    const StatoCampata& s = Campata(campata);
    double integrale = s.M0 * x * x / 2 + s.T0 * x * x * x / 6 - s.dati.q * x * x * x * x / 24;
    for (const ForzaRif& f : s.dati.forze)
        if (f.d < x) integrale -= f.P * std::pow(x - f.d, 3) / 6;
    return s.w0 + s.phi0 * x - integrale / s.dati.EJ;
}

double SoluzioneRif::MomentoAppoggio(int appoggio) const {
    if (appoggio == nCampate() + 1) return Momento(nCampate(), Luce(nCampate()));
    return Campata(appoggio).M0;
}

double SoluzioneRif::Reazione(int appoggio) const {
    return reazioni_.at(static_cast<std::size_t>(appoggio - 1));
}

} // namespace vc::test
