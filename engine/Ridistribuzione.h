#pragma once
// The redistribution coefficient δ of the support moments, from the concrete class and the
// depth ratio x/d of the neutral axis (D.M. 17/1/18 §4.1.1.1 - EC2 #2.5.3.4.2):
//   δ = k + 1,25·(0,6 + 0,0014/εcu)·x/d,  k = 0,44 up to C50/60, 0,54 above,
// limited to 0,7 ≤ δ ≤ 1.

#include "support/Separatori.h"

#include <array>
#include <string>
#include <string_view>

namespace vc {

struct ClasseCalcestruzzo {
    std::string_view Nome;
    int fck; // N/mm²
};
inline constexpr int nClassiCls = 13;
// "C16/20" … "C90/105", in the order of the window's list (the index is ClasseCls).
const std::array<ClasseCalcestruzzo, nClassiCls>& ClassiCalcestruzzo();
// An index outside the list brought back to the nearest class.
int ClasseValida(int iClasse);

// Classes above C50/60 (indices 8..12) take the coefficients of high-strength concrete.
bool AltaResistenza(int iClasse);
// The constant term k of the formula: 0,44 or 0,54.
double TermineCostante(int iClasse);
// The ultimate concrete strain εcu: 0,0035 up to C50/60; 0,0026 + 0,035·((90 − fck)/100)⁴ above.
float EpsCuClasse(int iClasse);
// εcu in per mille rounded to two decimals, as the window shows it ("3,5", "2,6").
std::string TestoEpsCu(float epsCu, const Separatori& sep);

// δ from x/d and x/d from δ, for the class and εcu given. The values are singles, as the
// window keeps them.
float DeltaDaXsuD(int iClasse, float epsCu, float xSuD);
float XsuDDaDelta(int iClasse, float epsCu, float delta);

inline constexpr float DeltaMinimo = 0.7f;
inline constexpr float DeltaMassimo = 1.0f;
// δ brought into 0,7..1.
float LimitaDelta(float delta);
// δ as the window shows it: 0,7 and 1 as they are, any other value with three decimals.
std::string FormattaDelta(float delta, const Separatori& sep);
// x/d with three decimals ("0,208").
std::string FormattaXsuD(float xSuD, const Separatori& sep);

} // namespace vc
