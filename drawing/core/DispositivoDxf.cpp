#include "drawing/core/DispositivoDxf.h"

namespace vc {

void DispositivoDxf::Linea(const Punto& a, const Punto& b, int colore) {
    file_.Linea(a.x, a.y, b.x, b.y, colore);
}

void DispositivoDxf::Arco(const Punto& centro, double raggio, double a1, double a2, int colore) {
    file_.Arco(centro.x, centro.y, raggio, a1, a2, colore);
}

void DispositivoDxf::Polilinea(std::span<const Punto> vertici, int colore) {
    file_.PolilineaAperta(vertici, colore);
}

void DispositivoDxf::Testo(const Punto& p, double altezza, std::string_view testo, int colore,
                           Allineamento allinea) {
    file_.Testo(p.x, p.y, altezza, testo, colore, allinea);
}

void DispositivoDxf::Solido(std::span<const Punto> vertici, int colore) {
    if (vertici.size() < 3) return;
    file_.PolilineaChiusa(vertici.first(vertici.size() - 1), colore);
}

} // namespace vc
