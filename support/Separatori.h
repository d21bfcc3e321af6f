#pragma once
// The decimal and grouping separators with which numbers are shown to the user and read from
// what the user types. Files always use "." and never go through these. The separators are
// read once at start-up and handed to every formatting routine; they are UTF-8 texts and may
// be longer than one byte (a narrow no-break space U+202F as grouping, for example).

#include <string>

namespace vc {

struct Separatori {
    std::string Decimale = ".";
    std::string Migliaia; // empty: digits are not grouped

    static Separatori Italiani() { return {",", "."}; }
    static Separatori Inglesi() { return {".", ","}; }

    bool operator==(const Separatori&) const = default;
};

// The separators of the C library's current numeric locale (localeconv). A locale without
// digit grouping gives an empty Migliaia.
Separatori SeparatoriDaLocale();

// The separators of the user's own locale (the one the environment names) as the C library
// knows it (a locale not installed for it reads as "C"): the Python module's "sistema". The
// window and the command line read QLocale::system() instead (ui/SeparatoriQt.h). Read without
// changing the numeric locale the program runs with: files and the C library's number
// conversions keep using ".".
Separatori SeparatoriDelSistema();

// The user's decimal separator as text.
std::string SeparatoreDecimale();

} // namespace vc
