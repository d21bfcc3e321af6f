#pragma once
// A file or an output that could not be read or written, as the user is told: the program's
// own message, then, on the line after, the file and the system's reason
//
//   Scrittura incompleta del file
//   /dati/trave.vlr: No space left on device
//
// It is the one error of the file routines and the outputs that reaches the user, returned as
// a value or thrown where an interface has no room for it (a printer that cannot start). A
// programming error is never turned into one: it travels up to the program's top level.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vc {

class ErroreFile : public std::runtime_error {
  public:
    explicit ErroreFile(std::string messaggio, std::filesystem::path percorso = {},
                        std::error_code causa = {});

    // The program's text, exactly as the user reads it.
    const std::string& Messaggio() const noexcept { return messaggio_; }
    // The file concerned; empty when there is none.
    const std::filesystem::path& Percorso() const noexcept { return percorso_; }
    // The system's reason; empty when there is none.
    const std::error_code& Causa() const noexcept { return causa_; }
    // The message, then "percorso: reason" on a line of its own when there is a reason (also
    // what()).
    std::string Testo() const { return what(); }

  private:
    std::string messaggio_;
    std::filesystem::path percorso_;
    std::error_code causa_;
};

// The reasons the file routines give of their own, beside the system's.
enum class CausaFile {
    NonRegolare = 1, // a FIFO, a device, a socket: not a file the program reads or replaces
    Protetto,        // a file the user has protected from writing
    Incompleto,      // the file written is not complete (a page description cut short)
};
const std::error_category& CategoriaFile();
std::error_code make_error_code(CausaFile c);

} // namespace vc

template <> struct std::is_error_code_enum<vc::CausaFile> : std::true_type {};
