#pragma once
// One span of the continuous beam, seen as a simply supported beam (or, at a free end of the
// beam, as a cantilever). It gives the solver its end rotations and flexibilities, and the
// envelopes its moment, shear and deflection at any abscissa for any load condition, from the
// solved moments at its two ends that the calculation hands it.
//
// After a calculation the span shares the beam's results, which it only reads: its own span
// results, its two supports and its end moments in every condition. It never reaches back
// into the beam.
//
// Abscissa x runs from the left end (0) to the right end (Luce). Loads are positive downward,
// sagging moments positive, shear T = dM/dx, deflection positive downward.

#include "engine/Impostazioni.h"
#include "engine/RisultatiCalcolo.h"
#include "engine/Vincoli.h"

#include <array>
#include <memory>
#include <vector>

namespace vc {

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
    // The solved moments at the two ends of the span in one load condition.
    struct MomentiEstremi {
        double Sinistro = 0, Destro = 0;
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
    // The span's end restraints: the beam's own at the outer end of the first and last span,
    // Appoggio (continuity) everywhere else.
    VincoloEstremo VincoloDestro = VincoloEstremo::Appoggio;
    VincoloEstremo VincoloSinistro = VincoloEstremo::Appoggio;

    bool SbalzoSinistro() const { return VincoloSinistro == VincoloEstremo::Libero; }
    bool SbalzoDestro() const { return VincoloDestro == VincoloEstremo::Libero; }

    // Results of the last calculation (zero, or empty, before the first one).
    float MmaxCam() const { return Campata().MmaxCam; }
    float xMmaxCam() const { return Campata().xMmaxCam; }
    float MminCam() const { return Campata().MminCam; }
    float xMminCam() const { return Campata().xMminCam; }
    float MmaxAppS() const { return Appoggio(0).MmaxApp; }
    float MmaxAppD() const { return Appoggio(1).MmaxApp; }
    float MminAppS() const { return Appoggio(0).MminApp; }
    float MminAppD() const { return Appoggio(1).MminApp; }
    float TaglioMaxS() const { return Appoggio(0).TaglioDx; }
    float TaglioMaxD() const { return Appoggio(1).TaglioSx; }
    const std::vector<float>& xCamp() const { return Campata().xCamp; }
    int nxCamp() const { return static_cast<int>(xCamp().size()); }
    const std::vector<double>& yFrMaxCamp() const { return Campata().yFrMaxCamp; }
    const std::vector<double>& yFrMinCamp() const { return Campata().yFrMinCamp; }
    float FrecciaMax() const { return Campata().FrecciaMax; }
    float FrecciaMin() const { return Campata().FrecciaMin; }

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
    double fi10Permanente_conc_freccia() const { return fi10Permanente_conc(); }
    double fi10Variabile_conc_freccia() const { return fi10Variabile_conc(); }

    // Statically known end moments of a cantilever span; c = 1 permanent part, any other value
    // the variable part.
    double MomentoSin(int c) const { return MomentoIsostatico(0.0, c); }
    double MomentoDes(int c) const { return MomentoIsostatico(Luce, c); }
    double MomentoSinConc(int c) const { return MomentoIsostaticoConc(0.0, c); }
    double MomentoDesConc(int c) const { return MomentoIsostaticoConc(Luce, c); }
    double MomentoConc_Sin(int c) const { return MomentoSinConc(c); }
    double MomentoConc_Des(int c) const { return MomentoDesConc(c); }

    // The distributed load of condition c on this span, and the part of force f in it.
    double CaricoCondizione(int c) const {
        if (c == 1) return CaricoDistribuitoPermanente;
        if (c - 1 == iCamp) return CaricoDistribuitoVariabile;
        return 0.0;
    }
    double ForzaCondizione(const ForzaCombinata& f, int c) const {
        if (c == 1) return f.Perm;
        if (c - 1 == iCamp) return f.Var;
        return 0.0;
    }

    // Moment and shear of load condition c along the span, with end moments m: the constants of
    // the span and the condition worked out once for all the abscissas asked.
    class Sollecitazioni {
    public:
        Sollecitazioni(const Trave& t, int c, const MomentiEstremi& m);
        double Momento(double x) const;
        double Taglio(double x, bool oltreForze = false) const;

    private:
        enum class Forze { Nessuna, Permanenti, Variabili };
        double P(const ForzaCombinata& f) const;
        const Trave& t_;
        double L_, inversoL_, Ms_, Md_, q_, pendenza_;
        Forze forze_;
    };

    // Moment and shear at x under load condition c (1..n+1) with end moments m. At x = d the
    // shear is taken just to the left of the force; with oltreForze it is taken just to the
    // right, so that a force standing at x is already passed (used for the support reactions).
    double MomentoX(double x, int c, const MomentiEstremi& m) const { return Sollecitazioni(*this, c, m).Momento(x); }
    double TaglioX(double x, int c, const MomentiEstremi& m, bool oltreForze = false) const {
        return Sollecitazioni(*this, c, m).Taglio(x, oltreForze);
    }
    // The same with the end moments of the last calculation; throws std::out_of_range before
    // one, or for a condition outside 1..n+1.
    double MomentoX(double x, int c) const { return MomentoX(x, c, MomentiCondizione(c)); }
    double TaglioX(double x, int c, bool oltreForze = false) const {
        return TaglioX(x, c, MomentiCondizione(c), oltreForze);
    }
    MomentiEstremi MomentiCondizione(int c) const;

    // Rotation of one end of this span in condition c (opening rotation, positive for
    // downward loads), from its distributed load and its end moments, and from its forces.
    double RotazioneEstremo(int c, bool destro, const MomentiEstremi& m) const;
    double RotazioneEstremo(int c, bool destro) const { return RotazioneEstremo(c, destro, MomentiCondizione(c)); }
    double RotazioneEstremoConc(int c, bool destro) const;

private:
    friend class Velcora;

    const RisultatiCampata& Campata() const;
    const RisultatiAppoggio& Appoggio(int lato) const;
    double MomentoIsostatico(double x, int c) const;
    double MomentoIsostaticoConc(double x, int c) const;
    double EJreale() const { return static_cast<double>(Young) * static_cast<double>(Inerzia); }

    std::vector<Forza> forze_;
    std::vector<ForzaCombinata> forzeCombinate_;
    // The beam's results, shared once the calculation has stored them.
    std::shared_ptr<const RisultatiCalcolo> risultati_;
};

} // namespace vc
