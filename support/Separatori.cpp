#include "support/Separatori.h"

#include <climits>
#include <clocale>
#include <langinfo.h>
#include <locale.h>

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

namespace {

Separatori DaLocale(locale_t locale) {
    Separatori s;
    if (const char* decimale = nl_langinfo_l(RADIXCHAR, locale); decimale != nullptr && *decimale != '\0')
        s.Decimale = decimale;
    // GROUPING lists the group sizes; an empty list, or CHAR_MAX first, means no grouping at all.
    const char* gruppi = nl_langinfo_l(GROUPING, locale);
    const bool raggruppa = gruppi != nullptr && gruppi[0] > 0 && gruppi[0] != CHAR_MAX;
    if (const char* migliaia = nl_langinfo_l(THOUSEP, locale); raggruppa && migliaia != nullptr)
        s.Migliaia = migliaia;
    return s;
}

} // namespace

Separatori SeparatoriDelSistema() {
    // The user's locale is opened as an object of its own: the program's numeric locale never
    // changes, not even for an instant, so that other threads converting numbers meanwhile are
    // not disturbed. If the user's locale is not available, the current one is read.
    locale_t utente = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (utente == static_cast<locale_t>(nullptr)) utente = duplocale(LC_GLOBAL_LOCALE);
    if (utente == static_cast<locale_t>(nullptr)) return SeparatoriDaLocale();
    const Separatori s = DaLocale(utente);
    freelocale(utente);
    return s;
}

std::string SeparatoreDecimale() {
    return SeparatoriDelSistema().Decimale;
}

} // namespace vc
