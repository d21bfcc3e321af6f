#pragma once
// A check that refused the input of a command: what the user was told, the reason behind it,
// and the place in the input it concerns, so that the window puts the user there without
// asking the checks again.

#include <optional>
#include <string>

namespace vc {

// The places of the input a check can name.
enum class CampoDati {
    Nessuno,         // the calculation as a whole
    Campata,         // a cell of the span grid: span Riga, column Colonna
    Appoggio,        // the width of support Riga
    NumeroCampate,   // the span count
    PuntiDiagramma,  // the number of diagram points
    VincoloSinistro, // the options of the left restraint
    VincoloDestro,   // the options of the right restraint
    ScalaFissa,      // a fixed scale: Colonna 0 moments, 1 shears, 2 deflections
    Sezioni,         // the sections window
    VincoliElastici, // the elastic restraints window
    Ridistribuzione, // the redistribution window
    CarichiConcentrati, // the concentrated loads window: load Riga, Colonna 0 forces, 1 couples
};

struct ControlloFallito {
    std::string Messaggio; // the text shown ("Errore nei dati", "Scegliere il vincolo di Sinistra !", ...)
    std::string Motivo;    // why; the message itself when the check says it all
    CampoDati Campo = CampoDati::Nessuno;
    int Riga = 0;    // span or support, 1-based
    int Colonna = 0; // column of the span grid, or which fixed scale
};

// What a command of the calculation driver gives back: done, or the check that stopped it.
struct EsitoComando {
    std::optional<ControlloFallito> Rifiuto;
    bool Riuscito() const { return !Rifiuto.has_value(); }
};

} // namespace vc
