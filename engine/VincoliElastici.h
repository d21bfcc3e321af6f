#pragma once
// Rotational stiffness of an elastically restrained beam end, from the columns of the frame
// into which the beam is built, and the working data of the window that edits it.

#include "engine/Velcora.h"

#include <array>
#include <string_view>

namespace vc {

// Frame situations, in the order of the window's list (the index is what the beam stores).
enum SituazioneTelaio : int { PortaleIncernierato = 0, PortaleIncastrato = 1, PianoPrimo = 2, PianoTipo = 3 };
inline constexpr int nSituazioniTelaio = 4;
const std::array<std::string_view, nSituazioniTelaio>& TestiSituazioni();

// Whether a situation has a second column (the one above the beam): only "piano primo" and
// "piano tipo".
bool SecondoPilastro(int situazione);

// The nine column data of one end, positions 1..9 at indices 0..8:
//   1 a1, 2 b1 (sides of column 1, a1 in the plane of bending, m), 3 J1 (m⁴), 4 L1 (height, m),
//   5..8 the same for column 2, 9 E of the columns (N/mm²).
using DatiPilastri = std::array<double, 9>;

// Positions 1, 2, 5 and 6: the sides from which J is recomputed when they change.
bool LatoPilastro(int posizione);
// J of a rectangular column with side a in the plane of bending: a³·b/12.
double InerziaPilastro(double a, double b);
// J1 and J2 (positions 3 and 7) recomputed from the sides.
void AggiornaInerzie(DatiPilastri& dati);

// K in kNm/rad for the situation: 3EJ1/L1 (portale incernierato), 4EJ1/L1 (portale
// incastrato), 4EJ1/L1 + 2·3EJ2/L2 (piano primo), 2·3EJ1/L1 + 2·3EJ2/L2 (piano tipo), with E
// given in N/mm². A column of height 0 adds nothing; an unknown situation gives 0.
double RigidezzaCalcola(int situazione, const DatiPilastri& dati);

// E of a span's section in N/mm² (the section stores kN/m²). Throws std::out_of_range when
// the span or its section does not exist.
double ModuloElasticoCampata(const Velcora& trave, int campata);

// Which end the window starts on: the ends restrained elastically can be chosen, the left
// one first.
struct SceltaVincolo {
    bool SinistraAbilitata = false;
    bool DestraAbilitata = false;
    bool Sinistra = true; // the end selected
};
SceltaVincolo ScegliVincolo(int vincoloSinistro, int vincoloDestro);

// What the window works on while it is open: index 0 the left end, 1 the right one.
struct DatiVincoliElastici {
    std::array<int, 2> Tipo{};
    std::array<DatiPilastri, 2> Pilastri{};
    std::array<double, 2> K{};
    bool Kutente = false;
};

// The beam's data as it keeps them, the columns' E included.
DatiVincoliElastici VincoliElasticiDellaTrave(const Velcora& trave);
// The beam's data as the window opens on them: the column E of each end replaced by the
// modulus of the end span's section (span 1 on the left, the last span on the right). Throws
// std::out_of_range when an end span has no section.
DatiVincoliElastici CaricaVincoliElastici(const Velcora& trave);
// The data confirmed: K of both ends, the K-typed-by-the-user flag, the situations and the
// column data, all zero when K was typed.
void SalvaVincoliElastici(Velcora& trave, DatiVincoliElastici dati);

} // namespace vc
