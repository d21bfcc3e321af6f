#include "support/Poligonali.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vc {

void TogliePuntiInizialiDaPoligonale(Poligonale& p, int k, Messaggi& msg) {
    if (k == 0) return;
    if (k < 0) {
        msg.Mostra("Errore in TogliePuntiInizialiDaPoligonale: nPunti=" + std::to_string(k) + " <1", Icona::Nessuna);
        return;
    }
    const auto n = static_cast<std::ptrdiff_t>(std::min<std::size_t>(static_cast<std::size_t>(k), p.x.size()));
    p.x.erase(p.x.begin(), p.x.begin() + n);
    p.y.erase(p.y.begin(), p.y.begin() + n);
}

void InseriscePuntoInPoligonale(Poligonale& p, double x, double y, int pos) {
    const auto i = static_cast<std::ptrdiff_t>(std::clamp(pos, 1, p.nPoli() + 1) - 1);
    p.x.insert(p.x.begin() + i, x);
    p.y.insert(p.y.begin() + i, y);
}

std::optional<Incrocio> PrimoIncrocioVerticale(const Poligonale& p, double x0, double tolleranza) {
    for (int s = 1; s < p.nPoli(); ++s) {
        const auto a = static_cast<std::size_t>(s - 1);
        const double xa = p.x[a], xb = p.x[a + 1];
        const double da = xa - x0, db = xb - x0;
        if (std::fabs(da) <= tolleranza) return Incrocio{s, x0, p.y[a]};
        if (std::fabs(db) <= tolleranza) return Incrocio{s, x0, p.y[a + 1]};
        if ((da < 0) != (db < 0)) {
            const double t = da / (da - db);
            return Incrocio{s, x0, p.y[a] + t * (p.y[a + 1] - p.y[a])};
        }
    }
    return std::nullopt;
}

} // namespace vc
