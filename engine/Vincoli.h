#pragma once
// Restraint codes. The beam's ends, the data file and the windows keep the integer codes
// -1..3; the calculation works with the enumeration.

#include <optional>

namespace vc {

// The integer codes of the beam's end restraints.
enum CodiceVincolo : int { VincoloNonScelto = -1, Appoggio = 0, Incastro = 1, Libero = 2, Elastico = 3 };

enum class VincoloEstremo {
    NonScelto = VincoloNonScelto,
    Appoggio = vc::Appoggio, // simple support: the end moment is zero
    Incastro = vc::Incastro, // fixed end: the end rotation is zero
    Libero = vc::Libero,     // free end: the end span is a cantilever
    Elastico = vc::Elastico, // rotational spring of the end's stiffness
};

// The restraint of an integer code; nothing for a code outside -1..3.
constexpr std::optional<VincoloEstremo> VincoloDaCodice(int codice) {
    if (codice < VincoloNonScelto || codice > Elastico) return std::nullopt;
    return static_cast<VincoloEstremo>(codice);
}

constexpr int CodiceDaVincolo(VincoloEstremo v) { return static_cast<int>(v); }

} // namespace vc
