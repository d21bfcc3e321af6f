#pragma once
// Whether a typed text is a number, before the windows act on it: a field that does not hold
// a number is set back to "0" (the column data of the elastic restraints, the load counts).

#include "support/Separatori.h"

#include <string_view>

namespace vc {

// True when the whole text, blanks around it aside, is one number written with the user's
// separators: an optional sign, digits (grouped or not) with at most one decimal separator,
// an optional exponent ("E" or "e", optional sign, digits). An empty text is not a number.
bool VerificaContenuto(std::string_view testo, const Separatori& sep);

} // namespace vc
