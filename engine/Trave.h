#pragma once
// One span of the continuous beam, seen as a simply supported beam (or, at a free end of the
// beam, as a cantilever). It gives the solver its end rotations and flexibilities, and the
// envelopes its moment, shear and deflection at any abscissa for any load condition, reading
// the solved support moments from the beam that owns it.
//
// Abscissa x runs from the left end (0) to the right end (Luce). Loads are positive downward,
// sagging moments positive, shear T = dM/dx.

#include "engine/Impostazioni.h"

#include <array>
#include <vector>

namespace vc {

class Velcora;

// One row of the beam's table of concentrated forces or couples:
// [0] span number, [1] g1, [2] g2, [3] q1, [4] q2, [5] distance d from the span's left end.
using RigaCarichi = std::array<float, 6>;

// The mode word of a combination: "Setta" (SLU), "" (SLE), "Ripristina" (clear the forces).
enum class ModoCombinazione { Setta, SLE, Ripristina };

class Trave {
public:
    // A characteristic concentrated force standing on this span.
    struct Forza {
        float g1 = 0, g2 = 0, q1 = 0, q2 = 0, d = 0;
    };
    // A force of the current combination: permanent and variable part at distance d, kept in
    // single precision like the combined distributed loads.
    struct ForzaCombinata {
        float Perm = 0, Var = 0, d = 0;
    };

    int iCamp = 0;
    float Luce = 0;
    float Inerzia = 0;
    float Young = 0;
    float EJ = 0;
    int iSez = 0;
    float CaricoDistribuitoPermanente = 0;
    float CaricoDistribuitoVariabile = 0;
    float CaricoDistG1 = 0;
    float CaricoDistG2 = 0;
    float CaricoDistQ1 = 0;
    float CaricoDistQ2 = 0;
    int VincoloDestro = 0;
    int VincoloSinistro = 0;

    // Results written by the envelopes and the deflections.
    float MmaxCam = 0, xMmaxCam = 0, MminCam = 0, xMminCam = 0;
    float MmaxAppS = 0, MmaxAppD = 0, MminAppS = 0, MminAppD = 0;
    float TaglioMaxS = 0, TaglioMaxD = 0;
    std::vector<float> xCamp;
    std::vector<double> yFrMaxCamp, yFrMinCamp;
    float FrecciaMax = 0, FrecciaMin = 0;
    int nxCamp() const { return static_cast<int>(xCamp.size()); }

    // Combined loads of the current combination.
    void CarichiSLU(ModoCombinazione ist, const Impostazioni& imp);
    void Carichi_FconcSLU(ModoCombinazione ist, const Impostazioni& imp);

    // Takes from the beam's table the forces that stand on span nCamp (forze true); the
    // couples table (forze false) changes nothing the results depend on.
    void ImportaCarConc(const std::vector<RigaCarichi>& mat, bool forze, int nCamp);
    const std::vector<Forza>& ForzeCampata() const { return forze_; }
    const std::vector<ForzaCombinata>& ForzeCombinate() const { return forzeCombinate_; }

    // Flexibilities and end rotations of the simply supported span.
    double fi12(double K = 0) const;
    double fi11(double K = 0) const;
    double fi10() const;
    double fi10Permanente() const;
    double fi20Permanente() const;
    double fi10Variabile() const;
    double fi20Variabile() const;
    double fi10Permanente_conc() const;
    double fi20Permanente_conc() const;
    double fi10Variabile_conc() const;
    double fi20Variabile_conc() const;

    // Statically known end moments of a cantilever span; c = 1 permanent part, any other value
    // the variable part.
    double MomentoSin(int c) const { return MomentoIsostatico(0.0, c); }
    double MomentoDes(int c) const { return MomentoIsostatico(Luce, c); }
    double MomentoSinConc(int c) const { return MomentoIsostaticoConc(0.0, c); }
    double MomentoDesConc(int c) const { return MomentoIsostaticoConc(Luce, c); }
    double MomentoConc_Sin(int c) const { return MomentoSinConc(c); }
    double MomentoConc_Des(int c) const { return MomentoDesConc(c); }

    // Moment and shear at x under load condition c (1..n+1). At x = d the shear is taken just
    // to the left of the force; with oltreForze it is taken just to the right, so that a force
    // standing at x is already passed (used for the support reactions).
    double MomentoX(double x, int c) const;
    double TaglioX(double x, int c, bool oltreForze = false) const;

    // The distributed load of condition c on this span.
    double CaricoCondizione(int c) const;

    // Deflections at the points of xCamp, and their extremes.
    void FrecceCalcola();
    void FrecceMaxMin();
    double fi10Permanente_conc_freccia() const;
    double fi10Variabile_conc_freccia() const;

    // Rotation of one end of this span in condition c (opening rotation, positive for
    // downward loads), from its loads and its solved end moments.
    double RotazioneEstremo(int c, bool destro) const;
    double RotazioneEstremoConc(int c, bool destro) const;

private:
    friend class Velcora;

    bool SbalzoSinistro() const { return VincoloSinistro == 2; }
    bool SbalzoDestro() const { return VincoloDestro == 2; }
    double MomentoIsostatico(double x, int c) const;
    double MomentoIsostaticoConc(double x, int c) const;
    double ForzaCondizione(const ForzaCombinata& f, int c) const;
    double EJreale() const { return static_cast<double>(Young) * static_cast<double>(Inerzia); }
    double MomentoAppoggio(int appoggio, int c) const;

    void FrecceCondizione(int c, std::vector<double>& out) const;
    double FrecciaDistribuito(double x, double w, double MA, double MB, int c) const;
    double FrecciaConcentrati(double x, int c) const;
    double FrecciaCampata(double x, double w, double MA, double MB) const;
    double FrecciaCampataConcentrati(double x, int c) const;
    double IntegraleMomento(double x, double w, double VA, double MA) const;
    double FrecciaMensola(double x, double w, double MA) const;
    double FrecciaMensolaConcentrati(double x, int c, bool radiceDestra) const;

    // The beam that owns this span; set again by the beam whenever it hands the span out.
    mutable const Velcora* trave_ = nullptr;
    std::vector<Forza> forze_;
    std::vector<ForzaCombinata> forzeCombinate_;
};

} // namespace vc
