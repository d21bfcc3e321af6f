#pragma once
// The typed error that stops a calculation. It is thrown where the data cannot be solved or
// the arithmetic would divide by zero or produce a value that is not finite; it carries the
// reason (which span, which check) and the part of the input it concerns, and the
// calculation driver tells the user "Errore nei dati" with that reason.

#include <stdexcept>
#include <string>

namespace vc {

// The part of the input an error concerns, so that the window can take the user there.
struct CampoErrore {
    enum class Tipo {
        Nessuno,
        NumeroCampate,        // the count of spans
        PuntiDiagramma,       // the number of diagram divisions
        Campata,              // a span: numero is the span, 1..n
        Appoggio,             // a support: numero is the support, 1..n+1
        CaricoConcentrato,    // a row of the concentrated forces, 1..nCarConc
        Vincoli,              // an end restraint: numero 1 the left end, 2 the right end
        VincoliElastici,      // the elastic restraints window: numero 1 left, 2 right
        Sezioni,              // the sections window: numero is the section
        Ridistribuzione,      // the redistribution window
        Coefficienti,         // the partial factors window: numero is the CoefParz index 0..13
    };
    Tipo tipo = Tipo::Nessuno;
    int numero = 0;

    bool operator==(const CampoErrore&) const = default;
};

class ErroreCalcolo : public std::runtime_error {
public:
    enum class Tipo {
        RigidezzaNulla,     // a span with E·J = 0, an elastic end without stiffness
        LuceNulla,          // a span of zero or negative length
        PivotNullo,         // a zero pivot while solving a linear system
        VincoloMancante,    // an end restraint not chosen (-1) or unknown
        ValoreNonFinito,    // a result that is NaN or infinite
        FuoriIntervallo,    // a coefficient outside the range its window allows
        TraveTroppoGrande,  // more spans than the calculation can hold
        DatiNonValidi,      // any other datum the calculation cannot use
    };

    // The reason is a short Italian text saying which check failed and where.
    ErroreCalcolo(Tipo tipo, const std::string& motivo, CampoErrore campo = {})
        : std::runtime_error(motivo), tipo_(tipo), campo_(campo) {}
    Tipo tipo() const noexcept { return tipo_; }
    std::string motivo() const { return what(); }
    const CampoErrore& campo() const noexcept { return campo_; }

private:
    Tipo tipo_;
    CampoErrore campo_;
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
