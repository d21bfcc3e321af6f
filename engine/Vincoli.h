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

// The restraint of a code the beam keeps; a code outside -1..3 is not chosen.
constexpr VincoloEstremo VincoloDiCodice(int codice) {
    return VincoloDaCodice(codice).value_or(VincoloEstremo::NonScelto);
}

// The decalage of the moment diagram: none, the shifted diagram alone, or the shifted diagram
// over the envelope. The beam and its data file keep the codes 0, 1 and 2; any other code draws
// as 2.
enum class ModoDecalage { Nessuno = 0, Traslato = 1, SovrappostoInviluppo = 2 };

constexpr ModoDecalage ModoDecalageDaCodice(int codice) {
    if (codice == 0) return ModoDecalage::Nessuno;
    return codice == 1 ? ModoDecalage::Traslato : ModoDecalage::SovrappostoInviluppo;
}

constexpr int CodiceDaModoDecalage(ModoDecalage m) { return static_cast<int>(m); }

} // namespace vc
