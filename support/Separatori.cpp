#include "support/Separatori.h"

#include <climits>
#include <clocale>

namespace vc {

Separatori SeparatoriDaLocale() {
    const std::lconv* lc = std::localeconv();
    Separatori s;
    if (lc == nullptr) return s;
    if (lc->decimal_point != nullptr) s.Decimale = lc->decimal_point;
    // grouping lists the group sizes; an empty list, or CHAR_MAX first, means no grouping at all.
    const bool raggruppa = lc->grouping != nullptr && lc->grouping[0] > 0 && lc->grouping[0] != CHAR_MAX;
    if (raggruppa && lc->thousands_sep != nullptr) s.Migliaia = lc->thousands_sep;
    return s;
}

Separatori SeparatoriDelSistema() {
    // The program is single-threaded; the numeric locale is switched only for the time of the reading.
    const char* attuale = std::setlocale(LC_NUMERIC, nullptr);
    const std::string precedente = attuale != nullptr ? attuale : "C";
    std::setlocale(LC_NUMERIC, ""); // if the user's locale is not available, the current one is read
    const Separatori s = SeparatoriDaLocale();
    std::setlocale(LC_NUMERIC, precedente.c_str());
    return s;
}

std::string SeparatoreDecimale() {
    return SeparatoriDelSistema().Decimale;
}

} // namespace vc
