#pragma once
// A fixed table of values and the names they are written with (file tokens, command-line
// words), read both ways: the name of a value, the value of a name.
//
//   constexpr std::array<std::pair<Uscita, std::string_view>, 2> Nomi{{{Uscita::Dxf, "DXF"}, ...}};
//   NomeInTabella(Nomi, Uscita::Dxf) == "DXF";   ValoreInTabella(Nomi, "DXF") == Uscita::Dxf

#include <optional>
#include <string_view>
#include <utility>

namespace vc {

// The name of valore; empty if the table lacks it.
template <typename Tabella, typename T> std::string_view NomeInTabella(const Tabella& tabella, T valore) {
    for (const auto& [v, nome] : tabella)
        if (v == valore) return nome;
    return {};
}

// The value named nome; none if the table lacks it.
template <typename Tabella>
auto ValoreInTabella(const Tabella& tabella, std::string_view nome)
    -> std::optional<typename Tabella::value_type::first_type> {
    for (const auto& [v, n] : tabella)
        if (n == nome) return v;
    return std::nullopt;
}

} // namespace vc
