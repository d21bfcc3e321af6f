#include "drawing/core/Dispositivo.h"

#include "drawing/core/Poligoni.h"
#include "support/TabellaNomi.h"

#include <array>
#include <cmath>
#include <vector>

namespace vc {

namespace {
constexpr std::array<std::pair<Uscita, std::string_view>, 5> Nomi = {{{Uscita::Video, "VIDEO"},
                                                                      {Uscita::Stampante, "STAMPANTE"},
                                                                      {Uscita::Dxf, "DXF"},
                                                                      {Uscita::Dwg, "DWG"},
                                                                      {Uscita::Blocco, "BLOCCO"}}};
} // namespace

std::string_view NomeUscita(Uscita u) {
    return NomeInTabella(Nomi, u);
}

std::optional<Uscita> UscitaDaNome(std::string_view nome) {
    return ValoreInTabella(Nomi, nome);
}

std::uint32_t ColoreRGB(int numero) {
    switch (numero) {
    case 0:
        return 0xFFFFFF;
    case 1:
        return 0x0000FF;
    case 2:
        return 0x00FFFF;
    case 3:
        return 0x00FF00;
    case 4:
        return 0xFFFF00;
    case 5:
        return 0xFF0000;
    case 6:
        return 0xFF00FF;
    case 8:
        return 0x808080;
    case 11:
        return 0x000080;
    case 13:
        return 0x00C000;
    default:
        return 0x000000; // 7 and every number without a colour of its own
    }
}

ComponentiColore ComponentiRGB(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>((rgb >> 8) & 0xFF),
            static_cast<std::uint8_t>((rgb >> 16) & 0xFF)};
}

int SpessoreStampanteInPixel(double spessore, double puntiPerPollice) {
    // 1440 twips to the inch; 2·5.67 twips are 0.2 mm.
    const double twipsPerPixel = 1440 / puntiPerPollice;
    return static_cast<int>(std::trunc(2 * spessore * 5.67 / twipsPerPixel));
}

void Dispositivo::Solido(std::span<const Punto> vertici, int colore) {
    if (vertici.size() < 2) return;
    const auto figura = vertici.first(vertici.size() - 1);
    if (figura.size() >= 2) {
        std::vector<Punto> contorno(figura.begin(), figura.end());
        contorno.push_back(figura.front());
        Polilinea(contorno, colore);
    }
    for (const auto& s : SegmentiTratteggio(figura, 0, 20))
        Linea(s.a, s.b, colore);
}

} // namespace vc
