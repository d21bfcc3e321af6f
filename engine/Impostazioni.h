#pragma once
// The program-wide settings: one object owned by the main window (or the command line) and
// handed explicitly to the engine, the file routines and the drawings.

#include <array>
#include <string>

namespace vc {

// Partial factors and combination coefficients, indices 0..13:
//  0/1 γG1 fav./unfav., 2/3 γG2, 4/5 γQ1, 6/7 γQ2, 8/9/10 ψ0/ψ1/ψ2 of Q1, 11/12/13 ψ0/ψ1/ψ2 of Q2.
using CoefficientiParziali = std::array<float, 14>;

inline constexpr CoefficientiParziali CoefParzDefault = {1.0f, 1.3f, 0.8f, 1.5f, 0.0f, 1.5f, 0.0f,
                                                         1.5f, 0.7f, 0.5f, 0.3f, 0.7f, 0.5f, 0.3f};

enum StatoLimiteCodice : int { SLE = 0, SLU = 1 };
enum TipoSLECodice : int { SLERara = 0, SLEFrequente = 1, SLEQuasiPermanente = 2 };

struct Impostazioni {
    // What the calculation reads.
    int StatoLimite = SLE; // the window starts with "SLU" selected and the data check copies it
    int TipoSLE = SLERara;
    CoefficientiParziali CoefParz = CoefParzDefault;
    bool OmettiG2Favorevole = false;
    float DeltaRidist = 0.0f; // 0 is treated as 1 (no redistribution)
    int ClasseCls = 0;

    // The data file, the drawings and the windows.
    std::string NomeFile;
    std::string Titolo;
    std::string PercorsoDati;
    std::string PercorsoProgramma;
    bool ScalePreimpostate = false;
    double ScalaFissaM = 0.0;
    double ScalaFissaT = 0.0;
    double ScalaFissaFreccia = 0.0;
    bool VisualizzaDeformata = false;
    bool AvviatoDaServer = false;
    // The version in the header of the data file last read ("7.6", "6.5"...); empty before any.
    std::string VersioneLetta;

    // The coefficient the solver applies: DeltaRidist, with 0 read as 1.
    double DeltaEffettivo() const { return DeltaRidist == 0.0f ? 1.0 : static_cast<double>(DeltaRidist); }
};

} // namespace vc
