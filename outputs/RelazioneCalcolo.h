#pragma once
// The calculation report of a solved beam ("relazione di calcolo") as plain values: its
// chapters, paragraphs, tables with their units, the drawings of the sections and the strips
// of diagrams, in reading order. Every number is already a text with the user's separators;
// a page back-end (ui/RelazionePdf.h) only lays the blocks out on A4 pages.
//
// Everything comes from the beam, its stored results and the settings the calculation ran
// with; nothing is calculated again.

#include "drawing/core/Disegno.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "outputs/DiagrammiRelazione.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <string>
#include <variant>
#include <vector>

namespace vc {

// A numbered chapter heading ("1. Dati della trave") and a heading inside a chapter.
struct Capitolo {
    std::string Titolo;
};
struct Sottotitolo {
    std::string Testo;
};
// A paragraph; the page back-end wraps it at word boundaries.
struct Paragrafo {
    std::string Testo;
};
// A table: the headings, the unit of each column ("" for none, shown under its heading) and
// the rows of cell texts. Column 0 is the row label.
struct TabellaRelazione {
    std::vector<std::string> Intestazioni;
    std::vector<std::string> Unita;
    std::vector<std::vector<std::string>> Righe;
};
// The drawings of the sections that have an outline, side by side, each with its caption.
struct FiguraSezione {
    std::string Didascalia;
    Disegno Figura;
};
struct FigureSezioni {
    std::vector<FiguraSezione> Figure;
};
// A strip of diagrams is kept whole on one page.
using BloccoRelazione =
    std::variant<Capitolo, Sottotitolo, Paragrafo, TabellaRelazione, FigureSezioni, StrisciaDiagrammi>;

struct RelazioneCalcolo {
    std::string Programma; // program name and version, for the header of every page
    std::string Titolo;    // the beam's title
    std::string NomeFile;  // the data file's name
    std::string Data;      // the date of the report
    std::vector<BloccoRelazione> Blocchi;
};

// The report of a solved beam (the beam not solved: std::logic_error). programma and data go
// into the header as given. msg receives what the decalage lines say.
RelazioneCalcolo ComponeRelazione(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                  std::string programma, std::string data, Messaggi& msg);

// A result in the report's tables: four significant digits, without the blank of the sign.
std::string NumeroRelazione(double x, const Separatori& sep);
// A deflection (m) in millimetres, likewise.
std::string FrecciaMm(double metri, const Separatori& sep);

} // namespace vc
