#pragma once
// The file an output of the beam proposes when the user prints into a file (the PDF of the
// Print dialog, the calculation report, the diagram page): beside the data file and named
// after it, so that the outputs of a beam stay with its data.
//
//     FileUscitaProposto(imp, ".pdf", documenti)  // "/lavori/trave 1.pdf" for /lavori/trave 1.vlr

#include "engine/Impostazioni.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vc {

// <folder>/<name><estensione>. The folder is the data folder (the data file's, or for a beam
// not yet saved the folder the program started in or last used) when it exists, else
// documenti when it exists, else the current directory. The name is the data file's base name;
// for a beam not yet saved, its title made fit for a file name, or "Trave" without a title.
std::filesystem::path FileUscitaProposto(const Impostazioni& imp, std::string_view estensione,
                                         const std::filesystem::path& documenti);

// A title as a file name: the characters no file system takes (/ \ : * ? " < > | and control
// characters) become "_", blanks and dots at either end go, and a long title is cut at 80
// bytes without splitting a character. Empty when nothing is left.
std::string NomeFileDaTitolo(std::string_view titolo);

} // namespace vc
