#pragma once
// Where "&Files di Esempio" finds the example beams. A program may run from its build folder,
// from a copy of its executable, or from an installation under any prefix; the examples are
// looked for, in this order:
//   1. "examples" beside the program (a folder carried along with a copy of it);
//   2. "../share/velcora/examples" from the program's folder (the installation it belongs to);
//   3. the examples of the source tree the program was built from;
//   4. the examples under the prefix the build installs into, then under /usr (the package).
// The installation comes before the source tree, so that an installed program shows what was
// installed even on the machine it was built on. The first folder holding a data file is the
// one; when none does, the folders looked at are told.
//
//     const auto esempi = vc::CercaCartellaEsempi(vc::CartelleCandidateEsempi(programma));
//     if (esempi.Cartella.empty()) msg.Mostra(vc::TestoEsempiNonTrovati(esempi.Esaminate), ...);

#include <filesystem>
#include <string>
#include <vector>

namespace vc {

struct RicercaEsempi {
    std::filesystem::path Cartella;               // the folder found; empty when none
    std::vector<std::filesystem::path> Esaminate; // every folder looked at, in order
};

// The folders of the list above for a program in cartellaProgramma, each once.
std::vector<std::filesystem::path> CartelleCandidateEsempi(const std::filesystem::path& cartellaProgramma);
// The same list with the source tree's and the prefix's folders given (empty: left out).
std::vector<std::filesystem::path> CartelleCandidateEsempi(const std::filesystem::path& cartellaProgramma,
                                                           const std::filesystem::path& esempiSorgenti,
                                                           const std::filesystem::path& esempiPrefisso);

// True when the folder holds at least one data file (a regular file named *.vlr, any case).
bool ContieneEsempi(const std::filesystem::path& cartella);

// The first candidate holding examples (canonical), and the candidates looked at up to it.
RicercaEsempi CercaCartellaEsempi(const std::vector<std::filesystem::path>& candidate);

// "Nessun file di esempio (*.vlr) trovato. Cartelle esaminate:" and one folder a line.
std::string TestoEsempiNonTrovati(const std::vector<std::filesystem::path>& esaminate);

} // namespace vc
