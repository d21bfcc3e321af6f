#pragma once
// What the partial factors window edits: the fourteen fields of CoefParz as texts with the
// user's separators, the standard load categories from which the combination coefficients
// psi0, psi1, psi2 of a variable load are picked, and the fixed texts of the window.

#include "engine/Impostazioni.h"
#include "support/Separatori.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

inline constexpr std::size_t nCoefParz = 14;

// The four loads of a span, in the order of the window's rows: their labels and the indices of
// their factors when favourable and when unfavourable.
struct RigaCoefficienti {
    std::string_view Descrizione;
    std::size_t Favorevole;
    std::size_t Sfavorevole;
};
const std::array<RigaCoefficienti, 4>& RigheCoefficienti();

inline constexpr std::string_view NotaAzioneDiBase = "(*) azione variabile di base";
inline constexpr std::string_view TestoOmettiG2 = "ometti G2 se favorevole (SLE)";
// What "?" beside the check box explains: two lines.
std::string SpiegazioneOmettiG2();

// The variable load whose combination coefficients are being chosen.
enum class CaricoVariabile { Q1, Q2 };

// Indices into CoefParz of psi0, psi1, psi2: 8, 9, 10 for Q1; 11, 12, 13 for Q2.
std::array<std::size_t, 3> IndiciPsi(CaricoVariabile q);

using TernaPsi = std::array<float, 3>;

// A load category as the choice window lists it. The text may hold a second line after "\n".
// Two categories have no values: their coefficients are "da valutarsi caso per caso".
struct CategoriaCarico {
    std::string_view Testo;
    std::optional<TernaPsi> Psi;
};
inline constexpr std::string_view NotaCasoPerCaso = "da valutarsi caso per caso";
inline constexpr int nCategorieScelta = 12;

// The fourteen categories in the order the window lists them.
const std::array<CategoriaCarico, 14>& CategorieCarico();
// The twelve categories that can be chosen, in option order 0..11 (those with values).
const CategoriaCarico& CategoriaScelta(int opzione);
// The three values of option 0..11; another index throws std::out_of_range.
TernaPsi PsiCategoria(int opzione);
// A coefficient as the list shows it beside its category: one decimal ("0,7", "1,0").
std::string TestoPsiCategoria(float psi, const Separatori& sep);

// The fields of the window, index k showing CoefParz(k) as plain text ("1,3").
using TestiCoefficienti = std::array<std::string, nCoefParz>;
TestiCoefficienti TestiCoefParz(const CoefficientiParziali& coef, const Separatori& sep);
// The fourteen fields read back; an empty or non-numeric field reads as 0, and so does a value
// too large for a single.
CoefficientiParziali LeggeCoefParz(const TestiCoefficienti& testi, const Separatori& sep);
// One field read as a single, by the same rules.
float LeggeCoefficiente(std::string_view testo, const Separatori& sep);
// Writes the three values of a category into the fields of psi0, psi1, psi2 of the load given.
void AggiornaCoeff(TestiCoefficienti& testi, CaricoVariabile q, const TernaPsi& psi, const Separatori& sep);

} // namespace vc
