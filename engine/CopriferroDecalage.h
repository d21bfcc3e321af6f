#pragma once
// The cover c of the decalage window: shown and typed in centimetres, kept by the beam in
// metres, and named in the caption of the options menu item that opened the window.

#include "support/Separatori.h"

#include <string>
#include <string_view>

namespace vc {

// The two decalage items of the options menu.
inline constexpr int VoceDecalage = 2;             // plain decalage
inline constexpr int VoceDecalageSovrapposto = 3;  // decalage over the envelope

// The cover in centimetres as the field shows it ("3", "2,5").
std::string TestoCopriferro(float copriferro, const Separatori& sep);
// The typed centimetres, in metres; an unreadable text reads as 0.
float CopriferroDaTesto(std::string_view testoCm, const Separatori& sep);
// "Decalage con c = 3 cm" for the plain item, "Decalage Sovrapposto con c = 3 cm" for the other.
std::string DidascaliaDecalage(int voce, float copriferro, const Separatori& sep);

} // namespace vc
