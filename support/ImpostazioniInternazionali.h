#pragma once
// The start-up check of the user's regional settings: the separators must let every number
// the program shows be read back as the same number, and an English-style pair (decimal
// point, comma grouping) on what is meant to be an Italian program earns a warning.

#include "support/Messaggi.h"
#include "support/Separatori.h"

namespace vc {

// Shows an error and returns false when the grouping separator is the decimal separator, or
// when 1234567,8 or its opposite, written grouped with one decimal, does not read back as
// itself. When the grouping is "," and the decimal separator ".", shows a warning (unless
// nessunAvviso) and returns true; any other pair passes silently.
bool ControllaImpostazioniInternazionali(const Separatori& sep, Messaggi& messaggi,
                                         bool nessunAvviso = false);

} // namespace vc
