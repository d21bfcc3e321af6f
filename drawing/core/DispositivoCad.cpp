#include "drawing/core/DispositivoCad.h"

#include "drawing/core/ErroreDisegno.h"

#include <stdexcept>

namespace vc {

DispositivoCad::DispositivoCad(DisegnoCad& disegno, Messaggi& messaggi)
    : disegno_(&disegno), messaggi_(&messaggi) {}

DispositivoCad::DispositivoCad(DisegnoCad& disegno, std::string blocco, Messaggi& messaggi)
    : disegno_(&disegno), blocco_(std::move(blocco)), messaggi_(&messaggi) {
    if (blocco_.empty()) throw std::invalid_argument("DispositivoCad: nome di blocco vuoto");
}

namespace {
// AutoCAD refuses a colour number outside 0..256 when it is set; checked before the entity is
// added, so that a refused colour leaves nothing behind.
int ColoreValido(int colore) {
    if (colore < 0 || colore > 256)
        throw ErroreDisegno(ErroreDisegno::Tipo::DatiNonValidi,
                            "Numero di colore fuori da 0..256: " + std::to_string(colore));
    return colore;
}
} // namespace

SpazioCad& DispositivoCad::Destinazione() const {
    if (blocco_.empty()) return disegno_->SpazioModello();
    if (auto* b = disegno_->CercaBlocco(blocco_)) return *b;
    throw ErroreDisegno(ErroreDisegno::Tipo::BloccoInesistente, "Blocco inesistente: " + blocco_);
}

void DispositivoCad::Linea(const Punto& a, const Punto& b, int colore) {
    ColoreValido(colore);
    Destinazione().AggiungeLinea(a, b).Colore = colore;
}

void DispositivoCad::Arco(const Punto& centro, double raggio, double a1, double a2, int colore) {
    ColoreValido(colore);
    Destinazione().AggiungeArco(centro, raggio, a1, a2).Colore = colore;
}

void DispositivoCad::Polilinea(std::span<const Punto> vertici, int colore) {
    ColoreValido(colore);
    Destinazione().AggiungePolilineaLeggera({vertici.begin(), vertici.end()}).Colore = colore;
}

void DispositivoCad::Testo(const Punto& p, double altezza, std::string_view testo, int colore,
                           Allineamento allinea) {
    ColoreValido(colore);
    Destinazione().AggiungeTesto(testo, p, altezza, allinea).Colore = colore;
}

void DispositivoCad::Solido(std::span<const Punto> vertici, int colore) {
    ColoreValido(colore);
    if (vertici.size() != 4)
        messaggi_->Mostra("Errore in Sub SolidDwg - I punti devono essere 4", Icona::Nessuna);
    if (vertici.size() < 3) return;
    const Punto& quarto = vertici.size() >= 4 ? vertici[3] : vertici[2];
    disegno_->SpazioModello().AggiungeSolido(vertici[0], vertici[1], vertici[2], quarto).Colore = colore;
}

} // namespace vc
