#pragma once
// Whole-file reads and writes for the program's text files. A file is read into memory (with a
// ceiling, so that a wrong file cannot exhaust memory) and written in one go through a
// temporary file in the same folder, which replaces the old file only once it is complete: a
// failed save never destroys the previous file.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vc {

// Far beyond any beam the program can describe.
inline constexpr std::size_t DimensioneMassimaFile = 16u * 1024u * 1024u;

// The bytes of a regular file, or nothing with the reason in ec (no_such_file_or_directory
// when it does not exist, file_too_large above the ceiling, is_a_directory, …).
std::optional<std::string> LeggeFileIntero(const std::filesystem::path& percorso, std::error_code& ec,
                                           std::size_t limite = DimensioneMassimaFile);

// Writes contenuto to destinazione atomically: into a new temporary file beside it, flushed
// and closed, then renamed over the old file (whose permissions it takes, and through a
// symbolic link to the file it points to). On any failure the temporary file is removed, the
// old file is untouched and false is returned with the reason in ec.
bool ScriveFileAtomico(const std::filesystem::path& destinazione, std::string_view contenuto,
                       std::error_code& ec);

} // namespace vc
