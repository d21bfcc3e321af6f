#pragma once
// The typed error of the drawing layer. It is thrown where a drawing cannot be produced as
// asked: a coordinate that is not a finite number (never written into a file), a file that
// cannot be saved, a name or an extended-data record a CAD drawing cannot hold, an entity
// added on a locked layer, a block that does not exist, a saved drawing that cannot be read
// back. The output driver catches it and
// reports it with its own message.

#include <stdexcept>
#include <string>
#include <system_error>

namespace vc {

class ErroreDisegno : public std::runtime_error {
  public:
    enum class Tipo {
        ValoreNonFinito,     // a coordinate, size or real value that is NaN or infinite
        ScritturaFallita,    // the file could not be written (see Codice())
        NomeNonValido,       // a layer, block or application name a drawing cannot hold
        BloccoInesistente,   // a block reference or target naming no block definition
        LayerInesistente,    // an active layer naming no layer
        LayerBloccato,       // an entity added on a locked layer
        DatiEstesiNonValidi, // extended data with a wrong code, type, range or order
        DatiNonValidi,       // any other datum the drawing cannot use
        FileIlleggibile,     // a saved CAD drawing that cannot be read back whole
    };

    ErroreDisegno(Tipo tipo, const std::string& dettaglio, std::error_code codice = {})
        : std::runtime_error(dettaglio), tipo_(tipo), codice_(codice) {}

    Tipo tipo() const noexcept { return tipo_; }
    // For ScritturaFallita: the system's reason.
    const std::error_code& Codice() const noexcept { return codice_; }

  private:
    Tipo tipo_;
    std::error_code codice_;
};

} // namespace vc
