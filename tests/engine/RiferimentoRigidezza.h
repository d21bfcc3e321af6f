#pragma once
// A reference solver for the continuous beam, written independently of the engine so that the
// engine's results can be checked against it: the direct stiffness method for Euler–Bernoulli
// beam elements, one element per span, two degrees of freedom per support node (deflection w,
// positive downward, and its slope φ = dw/dx). Span loads enter as consistent nodal loads; the
// internal forces and the deflection inside a span follow from the solved state of the span's
// left end by statics and double integration of the moment, so they are exact for uniform
// loads and concentrated forces.
//
// Signs follow the program: loads positive downward, sagging moment positive, T = dM/dx,
// deflection positive downward, reactions positive upward. Spans are numbered 1..n and
// supports 1..n+1 (support i is the left end of span i). Interior supports are simple
// supports; each end of the beam may be a simple support, a fixed end, a free end (the end
// span is then a cantilever) or a simple support with a rotational spring.

#include <stdexcept>
#include <vector>

namespace vc::test {

enum class EstremoRif { Appoggio, Incastro, Libero, Molla };

// A downward force P at distance d (0 ≤ d ≤ L) from the left end of its span. A force at d = 0
// or d = L stands on the support node.
struct ForzaRif {
    double P = 0;
    double d = 0;
};

struct CampataRif {
    double L = 0;
    double EJ = 0;
    double q = 0; // uniform load over the whole span
    std::vector<ForzaRif> forze;
};

struct TraveRif {
    std::vector<CampataRif> campate;
    EstremoRif sinistro = EstremoRif::Appoggio;
    EstremoRif destro = EstremoRif::Appoggio;
    double kSinistro = 0; // rotational spring stiffness of a Molla end, kNm/rad
    double kDestro = 0;
};

// Which side of an abscissa a shear is taken on. Within a span, Sinistro does not yet include
// the forces standing exactly at x, Destro does. A force at d = 0 is seen by the span as lying
// just inside it: the Sinistro shear at x = 0 is the shear before that force; likewise the
// Destro shear at x = L is the shear after a force at d = L.
enum class Lato { Sinistro, Destro };

// The beam is a mechanism: its stiffness matrix is singular.
class MeccanismoRif : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SoluzioneRif {
  public:
    int nCampate() const { return static_cast<int>(campate_.size()); }
    double Luce(int campata) const { return campate_.at(campata - 1).dati.L; }

    // Inside span `campata`, 0 ≤ x ≤ L.
    double Momento(int campata, double x) const;
    double Taglio(int campata, double x, Lato lato) const;
    double Freccia(int campata, double x) const;
    double Pendenza(int campata, double x) const; // dw/dx

    // At support 1..n+1.
    double MomentoAppoggio(int appoggio) const;
    double Reazione(int appoggio) const;
    double AbbassamentoNodo(int appoggio) const { return w_.at(2 * (appoggio - 1)); }
    double PendenzaNodo(int appoggio) const { return w_.at(2 * (appoggio - 1) + 1); }

  private:
    friend SoluzioneRif RisolviRiferimento(const TraveRif& trave);

    // The solved state of a span's left end: deflection, slope, moment and shear (the shear
    // before any force standing at d = 0).
    struct StatoCampata {
        CampataRif dati;
        double w0 = 0, phi0 = 0, M0 = 0, T0 = 0;
    };
    const StatoCampata& Campata(int campata) const;

    std::vector<StatoCampata> campate_;
    std::vector<double> w_;        // nodal displacements, [w1, φ1, w2, φ2, ...]
    std::vector<double> reazioni_; // upward, per support
};

// Solves one load arrangement. Throws MeccanismoRif when the beam cannot carry load and
// std::invalid_argument on data it cannot use (no spans, L ≤ 0, EJ ≤ 0, d outside the span,
// a spring end with k ≤ 0).
SoluzioneRif RisolviRiferimento(const TraveRif& trave);

// Solves A·x = b by Gaussian elimination with partial pivoting; A is n × n, row-major.
// Throws MeccanismoRif when a pivot vanishes relative to the largest entry of A.
std::vector<double> RisolviDenso(std::vector<std::vector<double>> A, std::vector<double> b);

} // namespace vc::test
