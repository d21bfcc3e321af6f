#pragma once
// A block of cells as the clipboard carries it, between the program's grids and a spreadsheet
// or a text file: rows on lines, cells separated by tabs (or by semicolons, as a CSV file of a
// comma-decimal system writes them).

#include "support/Separatori.h"

#include <string>
#include <string_view>
#include <vector>

namespace vc {

// Rows of cell texts (the same table GrigliaModifica reads and writes).
using TabellaTesti = std::vector<std::vector<std::string>>;

inline constexpr const char* MessaggioBloccoTroppoLargo =
    "Il blocco da incollare ha più colonne di quelle che seguono la cella corrente: nessuna cella è stata cambiata.";
inline constexpr const char* MessaggioBloccoTroppoLungo =
    "Il blocco da incollare ha più righe di quelle che seguono la cella corrente: nessuna cella è stata cambiata.";

// The cells as tab-separated lines, each cell without its surrounding blanks, each line ended.
std::string TestoDelBlocco(const TabellaTesti& celle);

// The block of a pasted text: every cell empty or a number written with the user's separators
// (with riformatta, rewritten as the grid shows a number it reads). Otherwise Motivo says
// which cell is refused and Celle is empty.
struct EsitoBlocco {
    TabellaTesti Celle;
    std::string Motivo;
};
EsitoBlocco BloccoDaIncollare(std::string_view testo, const Separatori& sep, bool riformatta);

} // namespace vc
