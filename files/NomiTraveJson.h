#pragma once
// The names of the JSON beam for the codes the beam stores, shared by its writer and its reader:
// each table lists the names in the order of the codes (the name at index k stands for code k).

#include <array>
#include <string_view>

namespace vc::json {

// End restraints 0..3; a restraint not chosen (-1) is null.
inline constexpr std::array<std::string_view, 4> NomiVincoli = {"appoggio", "incastro", "libero", "elastico"};
// Section kinds 0..2.
inline constexpr std::array<std::string_view, 3> NomiSezioni = {"rettangolare", "T", "generica"};
// Decalage modes 0..2.
inline constexpr std::array<std::string_view, 3> NomiDecalage = {"nessuno", "decalage", "sovrapposto"};
// Limit states 0..1 and SLE combinations 0..2.
inline constexpr std::array<std::string_view, 2> NomiStatiLimite = {"SLE", "SLU"};
inline constexpr std::array<std::string_view, 3> NomiTipiSLE = {"rara", "frequente", "quasi permanente"};

// The partial factors and combination coefficients, indices 0..13 of CoefParz.
inline constexpr std::array<std::string_view, 14> NomiCoefficienti = {"gamma_G1_favorevole",
                                                                      "gamma_G1_sfavorevole",
                                                                      "gamma_G2_favorevole",
                                                                      "gamma_G2_sfavorevole",
                                                                      "gamma_Q1_favorevole",
                                                                      "gamma_Q1_sfavorevole",
                                                                      "gamma_Q2_favorevole",
                                                                      "gamma_Q2_sfavorevole",
                                                                      "psi0_Q1",
                                                                      "psi1_Q1",
                                                                      "psi2_Q1",
                                                                      "psi0_Q2",
                                                                      "psi1_Q2",
                                                                      "psi2_Q2"};

// The nine column data of an elastic end, positions 1..9.
inline constexpr std::array<std::string_view, 9> NomiPilastri = {"a1", "b1", "J1", "L1", "a2",
                                                                 "b2", "J2", "L2", "E"};

// The six values of a concentrated force or couple, in the order of a row of the table.
inline constexpr std::array<std::string_view, 6> NomiCarichiConcentrati = {"campata", "G1", "G2",
                                                                           "Q1",      "Q2", "d"};

} // namespace vc::json
