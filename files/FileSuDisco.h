#pragma once
// Whole-file reads and writes for every file the program reads or writes: data files, the
// settings file, the listing and the outputs.
//
// Reading takes only a regular file: a folder, a FIFO or a device is refused before it is
// opened, and the file is opened without blocking, so that no kind of file can make the
// program wait. The bytes are read into memory with a ceiling, so that a wrong file cannot
// exhaust memory.
//
// Writing never destroys the previous file: the content goes into a new temporary file of a
// unique name created beside the target (never an existing file of the user's), which is
// flushed to the disk, closed, checked complete, given the permissions and owner of the file
// it replaces, and only then renamed over it. A file the user has protected from writing, and
// a target that is not a regular file, are refused before anything is written. On any
// failure the temporary file is removed and the old file is untouched.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace vc {

// Far beyond any beam the program can describe.
inline constexpr std::size_t DimensioneMassimaFile = std::size_t{16} * 1024 * 1024;

// The bytes of a regular file, or nothing with the reason in ec: no_such_file_or_directory
// when it does not exist, is_a_directory, CausaFile::NonRegolare for a FIFO or a device,
// file_too_large above the ceiling, or the system's reason.
std::optional<std::string> LeggeFileIntero(const std::filesystem::path& percorso, std::error_code& ec,
                                           std::size_t limite = DimensioneMassimaFile);

// Writes contenuto to destinazione as described above (through a symbolic link, to the file
// it points to). False with the reason in ec when the file could not be written; the reason
// is CausaFile::Protetto for a write-protected file and CausaFile::NonRegolare (or
// is_a_directory) for a target that is not a regular file.
bool ScriveFileAtomico(const std::filesystem::path& destinazione, std::string_view contenuto,
                       std::error_code& ec);

// The same for a writer that wants a file name of its own (a page printer): it is handed the
// path of the new, empty temporary file, writes it and closes it, checks it is complete and
// returns the reason when it is not. The file is then flushed and put in place as above.
using ProduceFile = std::function<std::error_code(const std::filesystem::path& temporaneo)>;
bool ScriveFileAtomico(const std::filesystem::path& destinazione, const ProduceFile& produce,
                       std::error_code& ec);

// Several files written all or none: every file is written complete into its own temporary
// first, and only when all of them are ready are they renamed over their targets. On a
// failure nothing is replaced, ec holds the reason and fallito (when given) the target that
// failed.
struct FileDaScrivere {
    std::filesystem::path Destinazione;
    std::string Contenuto;
};
bool ScriveFileAtomici(std::span<const FileDaScrivere> file, std::error_code& ec,
                       std::filesystem::path* fallito = nullptr);

// True when ScriveFileAtomico may write percorso: its folder lets this user create a file, and
// the file, when it exists, is a regular file not protected from writing.
bool Sostituibile(const std::filesystem::path& percorso);

} // namespace vc
