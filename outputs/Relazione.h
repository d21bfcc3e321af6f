#pragma once
// The listing of a calculation: a plain Italian text that repeats the input of the beam and
// then copies the two results grids. It is written through a line printer, so one routine
// serves the printer (a monospaced font, so that the columns line up), the text file and the
// terminal.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/GestioneFile.h"
#include "files/TabellaRisultati.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace vc {

// The restraint of a beam end as the listing names it: "appoggio", "incastro", "estremo
// libero", "elastico"; any other code an empty text.
std::string NomeVincolo(int codice);
std::string NomeVincolo(VincoloEstremo vincolo);

// Prints every row of a grid: column 0 at column 1, column c at column 12·c; the last cell
// ends the line.
void StampaGriglia(StampanteRighe& uscita, const TabellaCelle& griglia);

// The listing of a solved beam. grigliaCampate is the span grid as the window shows it (the
// lengths, loads and section numbers are printed as the user sees them); grid1 and grid2 are
// the results grids. The sections, restraints, support widths, concentrated loads and options
// come from the beam and the settings.
void StampaRelazione(StampanteRighe& uscita, const TabellaCelle& grigliaCampate, const TabellaCelle& grid1,
                     const TabellaCelle& grid2, const Velcora& trave, const Impostazioni& imp,
                     const Separatori& sep);

// The same listing with every grid built from the beam: for a beam read from a file, with no
// window around it.
void StampaRelazione(StampanteRighe& uscita, const Velcora& trave, const Impostazioni& imp,
                     const Separatori& sep);

// A line printer on an output stream: UTF-8 text, "\n" line ends, columns counted in
// characters.
class RigheSuFlusso final : public StampanteRighe {
  public:
    explicit RigheSuFlusso(std::ostream& uscita) : uscita_(uscita) {}
    void StampaTesto(std::string_view testo) override;
    void StampaRiga(std::string_view testo) override;
    void StampaTab(int colonna) override;
    // False once the stream has refused some of the text.
    bool Integro() const { return !uscita_.fail(); }

  private:
    std::ostream& uscita_;
    int colonna_ = 1;
};

// The report window of a beam that has no window: prints the listing of the solved beam with
// the grids built from it.
class RelazioneSenzaInterfaccia final : public FinestraStampa {
  public:
    RelazioneSenzaInterfaccia(const Velcora& trave, const Impostazioni& imp, const Separatori& sep)
        : trave_(trave), imp_(imp), sep_(sep) {}
    void StampaFile(DestinazioneRelazione destinazione, StampanteRighe& uscita) override;

  private:
    const Velcora& trave_;
    const Impostazioni& imp_;
    const Separatori& sep_;
};

// Writes the listing of a solved beam into the text file percorso as the "File di Stampa"
// command does (Windows-1252, CR LF, the old file replaced only by a complete one). A file that
// cannot be written shows "Scrittura incompleta del file"; true when the listing was written.
bool ScriveRelazioneSuFile(const std::filesystem::path& percorso, const Velcora& trave, Impostazioni& imp,
                           const Separatori& sep, Messaggi& msg);
// The bytes of that text file, for a caller that writes several files all or none.
std::string ContenutoRelazioneSuFile(const Velcora& trave, const Impostazioni& imp, const Separatori& sep);

} // namespace vc
