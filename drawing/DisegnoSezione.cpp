#include "drawing/DisegnoSezione.h"

#include "drawing/core/DisegnoSuDispositivo.h"

namespace vc {

Disegno DisegnoSezione(const SezioneCA& sezione) {
    Disegno d;
    const auto& x = sezione.xVertici();
    const auto& y = sezione.yVertici();
    if (x.size() < 3) return d;
    d.Campo = EstremiPoligono(x, y);
    d.SuFinestra = d.SuPagina = {{0.1f, 0.1f, 0.9f, 0.9f}, true};
    d.Poligono(x, y, {.Colore = 5, .Spessore = 2});
    d.Tratteggia(x, y, 45, 15, {.Colore = 1, .Spessore = 1});
    return d;
}

void PlottaSezione(const SezioneCA& sezione, Dispositivo& uscita, Messaggi& messaggi) {
    const Disegno d = DisegnoSezione(sezione);
    if (!d.Elementi.empty()) DisegnaSu(d, uscita, messaggi);
}

} // namespace vc
