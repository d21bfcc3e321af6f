#pragma once
// The recovery file: while a beam has unsaved changes, the main window writes what it shows
// every 30 seconds and at each calculation into the user's data folder (QStandardPaths'
// AppDataLocation), atomically, so that a program killed at any moment leaves the previous
// copy or the new one. A clean exit removes it; at the next start a file left behind is
// offered back ("Ripristina il lavoro non salvato?").
//
// The file keeps the window as typed (texts that are not numbers yet, a count not applied) and
// the rest of the beam as a data file:
//
//   Velcora recupero 1
//   NomeFile <TAB> name           PercorsoDati <TAB> folder     Titolo <TAB> title
//   Campate <TAB> count           Punti <TAB> diagram points    Scale <TAB> m <TAB> t <TAB> f
//   Griglia0 <TAB> rows, then one line of tab-separated cells per row (spans), Griglia1 (supports)
//   Dati, then the data file of the beam to the end.

#include "engine/Impostazioni.h"
#include "engine/Vincoli.h"
#include "ui/AppuntiGriglia.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

// The restraints and the options of the calculation as the window's buttons choose them. The
// data file in DatiFile holds them too (all but the SLE combination, a choice of the session):
// the recovery file keeps them there, and the window takes them back from the beam it reads.
struct OpzioniIngresso {
    int VincoloSinistro = Appoggio, VincoloDestro = Appoggio; // restraint codes, -1 none chosen
    int StatoLimite = SLU;
    int TipoSLE = SLERara;
    bool ScalePreimpostate = false, VisualizzaDeformata = false;
    bool operator==(const OpzioniIngresso&) const = default;
};

struct LavoroNonSalvato {
    std::string NomeFile, PercorsoDati, Titolo, Campate, Punti;
    std::array<std::string, 3> Scale;
    std::array<TabellaTesti, 2> Griglie; // data cells from column 1 on, row by row
    OpzioniIngresso Opzioni;             // not in the recovery file's text (see above)
    std::string DatiFile;                // the rest of the beam, as a data file
    bool operator==(const LavoroNonSalvato&) const = default;
};

std::string TestoRecupero(const LavoroNonSalvato& lavoro);
// Nothing when the text is not a recovery file.
std::optional<LavoroNonSalvato> LeggeRecupero(std::string_view testo);

class Recupero {
  public:
    // cartella: where the file goes; empty is the user's data folder.
    explicit Recupero(std::filesystem::path cartella = {});

    const std::filesystem::path& File() const { return file_; }
    bool Esiste() const;
    // False, with the reason on standard error, when it could not be written.
    bool Scrive(const LavoroNonSalvato& lavoro) const;
    std::optional<LavoroNonSalvato> Legge() const;
    void Rimuove() const;

  private:
    std::filesystem::path file_;
};

} // namespace vc
