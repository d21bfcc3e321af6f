#pragma once
// The texts of the grids of the main window as plain tables: the two results grids (moments
// and deflections, shears and reactions) built from a solved beam, and the span grid built from
// the beam's input. The window shows these tables cell by cell and the listing prints them, so
// screen and paper never disagree.

#include "engine/Velcora.h"
#include "support/Separatori.h"

#include <string>
#include <vector>

namespace vc {

// A grid of cell texts: row 0 holds the headings, column 0 the row labels. Each column has a
// width in twips, the unit of the window's grids; every cell is centred.
class TabellaCelle {
  public:
    TabellaCelle() = default;
    TabellaCelle(int righe, std::vector<int> larghezze);

    int Righe() const { return righe_; }
    int Colonne() const { return static_cast<int>(larghezze_.size()); }
    int Larghezza(int colonna) const;

    // Row and column are 0-based, as in the grid control; outside the table std::out_of_range.
    const std::string& Cella(int riga, int colonna) const;
    void Cella(int riga, int colonna, std::string testo);

    bool operator==(const TabellaCelle&) const = default;

  private:
    std::size_t Indice(int riga, int colonna) const;

    int righe_ = 0;
    std::vector<int> larghezze_;
    std::vector<std::string> celle_;
};

// A result as the grids and the listing show it: four significant digits, at most ten
// characters, the trailing zeros dropped and the leading blank of a non-negative value kept.
std::string FormattaRisultato(double x, const Separatori& sep);

// A section size in the listing: four significant digits.
std::string FormattaDato(double x, const Separatori& sep);

// Columns of the moments and deflections grid (Grid1).
enum ColonnaMomenti : int { ColSezione = 0, ColMmax, ColXMmax, ColMmin, ColXMmin, ColFmax, ColFmin };
// Columns of the shears and reactions grid (Grid2).
enum ColonnaTagli : int { ColAppoggio = 0, ColTmaxS, ColTmaxD, ColRmax, ColRmin };
// Columns of the span grid.
enum ColonnaCampate : int { ColCampata = 0, ColLuce, ColG1, ColG2, ColQ1, ColQ2, ColSezCampata };

// The row of Grid1 that carries the deflections of span i: its own row 2i, except that a
// cantilever at a free end shows them on the row of the free end (row 1 on the left, row
// 2n + 1 on the right).
int RigaFrecceCampata(const Velcora& trave, int i);

// Grid1 of a solved beam: 2n + 2 rows; the odd rows are the supports (number, Mmax, Mmin),
// the even rows the spans ("m", Mmax, its abscissa, Mmin, its abscissa), and the two
// deflections of each span on the row RigaFrecceCampata gives. Every other cell is empty: the
// table is built whole, so nothing of an earlier calculation can survive in it.
// A beam that has not been solved throws std::logic_error.
TabellaCelle TabellaMomentiFrecce(const Velcora& trave, const Separatori& sep);

// Grid2 of a solved beam: n + 2 rows, row k the support k ("k  ", shear on its left and on its
// right side, largest and least reaction); no left shear at the first support, no right shear at
// the last one.
TabellaCelle TabellaTagliReazioni(const Velcora& trave, const Separatori& sep);

// Both results grids, as the window fills them after a calculation.
struct GriglieRisultati {
    TabellaCelle Grid1;
    TabellaCelle Grid2;
};
GriglieRisultati ScriveRisultati(const Velcora& trave, const Separatori& sep);

// The span grid as the window shows the beam after reading it: n + 1 rows, row i the span i
// (number, length, G1, G2, Q1, Q2 in the user's plain number text, section number).
TabellaCelle TabellaCampate(const Velcora& trave, const Separatori& sep);

} // namespace vc
