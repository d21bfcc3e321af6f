#pragma once
// The typed error that stops a calculation. It is thrown where the arithmetic would divide
// by zero or produce a value that is not finite; the calculation driver catches it and tells
// the user "Errore nei dati".

#include <stdexcept>
#include <string>

namespace vc {

class ErroreCalcolo : public std::runtime_error {
public:
    enum class Tipo {
        RigidezzaNulla,    // a span with E·J = 0
        LuceNulla,         // a span of zero or negative length
        PivotNullo,        // a zero pivot while inverting a matrix
        PassoTroppoGrande, // a span shorter than half a diagram step
        VincoloMancante,   // an end restraint not chosen (-1) or unknown
        ValoreNonFinito,   // a result that is NaN or infinite
        DatiNonValidi,     // any other datum the calculation cannot use
    };

    ErroreCalcolo(Tipo tipo, const std::string& dettaglio) : std::runtime_error(dettaglio), tipo_(tipo) {}
    Tipo tipo() const noexcept { return tipo_; }

private:
    Tipo tipo_;
};

// A typed number too large for a double ("1E+400"): the user's input, not a fault of the
// program. It is an out_of_range so that every reader of typed numbers that already refuses
// an out-of-range value goes on doing so.
class NumeroFuoriScala : public std::out_of_range {
public:
    NumeroFuoriScala() : std::out_of_range("Overflow") {}
};

// The text the calculation driver shows for any ErroreCalcolo.
inline constexpr const char* TestoErroreNeiDati = "Errore nei dati";

} // namespace vc
