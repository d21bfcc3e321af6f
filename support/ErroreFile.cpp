#include "support/ErroreFile.h"

#include <utility>

namespace vc {

namespace {

std::string Componi(const std::string& messaggio, const std::filesystem::path& percorso,
                    std::error_code causa) {
    if (!causa) return messaggio;
    std::string riga = causa.message();
    if (!percorso.empty()) riga = percorso.string() + ": " + riga;
    return messaggio + "\r\n" + riga;
}

class Categoria final : public std::error_category {
  public:
    const char* name() const noexcept override { return "velcora-file"; }
    std::string message(int codice) const override {
        switch (static_cast<CausaFile>(codice)) {
        case CausaFile::NonRegolare:
            return "non è un file ordinario";
        case CausaFile::Protetto:
            return "il file è protetto da scrittura";
        case CausaFile::Incompleto:
            return "il file scritto è incompleto";
        }
        return "errore sconosciuto";
    }
};

} // namespace

ErroreFile::ErroreFile(std::string messaggio, std::filesystem::path percorso, std::error_code causa)
    : std::runtime_error(Componi(messaggio, percorso, causa)), messaggio_(std::move(messaggio)),
      percorso_(std::move(percorso)), causa_(causa) {}

const std::error_category& CategoriaFile() {
    static const Categoria categoria;
    return categoria;
}

std::error_code make_error_code(CausaFile c) {
    return {static_cast<int>(c), CategoriaFile()};
}

} // namespace vc
