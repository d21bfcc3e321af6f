#pragma once
// The stages of one calculation, as plain functions over the data of the beam handed to them
// as values: the support moments, the abscissas, the envelopes of moment and shear, the
// deflections, the support shears and reactions, the rounding over the supports. Velcora runs
// them in this order and keeps the RisultatiCalcolo they build.

#include "engine/RisultatiCalcolo.h"
#include "engine/Trave.h"
#include "engine/Vincoli.h"

#include <span>

namespace vc {

// What the stages read: the spans, prepared and with the loads of the combination, the
// support widths and the options of the beam.
struct DatiCalcolo {
    std::span<const Trave> Campate;
    std::span<const float> LarghezzaAppoggi; // supports 1..n+1 at 0..n
    VincoloEstremo Sinistro = VincoloEstremo::Appoggio;
    VincoloEstremo Destro = VincoloEstremo::Appoggio;
    double kSinistro = 0, kDestro = 0;
    bool ArrotondaMomenti = false;
    int nDivisioniPlt = 100;
    double Delta = 1; // redistribution coefficient of the solved support moments

    int n() const { return static_cast<int>(Campate.size()); }
    const Trave& Campata(int i) const { return Campate[static_cast<std::size_t>(i - 1)]; }
    double Larghezza(int k) const { return LarghezzaAppoggi[static_cast<std::size_t>(k - 1)]; }
};

// The whole calculation: every stage in order.
RisultatiCalcolo CalcolaRisultati(const DatiCalcolo& d);

// The support moments of every load condition (compatibility equations of the unknown support
// moments, solved for all n + 1 conditions; the solved ones scaled by Delta).
MomentiAppoggi RisolveMomentiAppoggi(const DatiCalcolo& d);

// Abscissas of the diagrams; the arrays of the diagrams sized and zeroed.
void AscisseDiagrammi(const DatiCalcolo& d, RisultatiCalcolo& r);
// Envelopes of moment and shear, the span extremes and the support moments.
void InviluppiMT(const DatiCalcolo& d, RisultatiCalcolo& r);
// Deflections and their envelope.
void InviluppiFR(const DatiCalcolo& d, RisultatiCalcolo& r);
// Support shears from the span-end shears, and the reaction envelopes.
void TagliAppoggi(RisultatiCalcolo& r);
void ReazioniCalcola(const DatiCalcolo& d, RisultatiCalcolo& r);
// Rounding of the support moments and shears over the support widths.
void ArrotondaMomentiAppoggi(const DatiCalcolo& d, RisultatiCalcolo& r);
void ArrotondaTagliAppoggi(const DatiCalcolo& d, RisultatiCalcolo& r);

// The end moments of span i in condition c.
inline Trave::MomentiEstremi MomentiCampata(const MomentiAppoggi& M, int i, int c) {
    return {M(i, c), M(i + 1, c)};
}

} // namespace vc
