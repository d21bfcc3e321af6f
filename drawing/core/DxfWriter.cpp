#include "drawing/core/DxfWriter.h"

#include "drawing/core/FormatoDxf.h"

#include <stdexcept>

namespace vc {

namespace {

// Every entity of the plain file is on layer "0" and carries its colour, right-aligned in six
// characters (TEXT spells it as the file-print statement does, see Testo).
TestaEntitaDxf Testa(int colore) {
    return {"0", InteroCampoSei(colore)};
}

} // namespace

void FileDxf::ApreFileDxf(const std::filesystem::path& destinazione) {
    if (aperto_) throw std::logic_error("FileDxf: un file DXF è già aperto");
    destinazione_ = destinazione;
    ScrittoreDxf w;
    w.Sezione("ENTITIES");
    testo_ = std::move(w).Prende();
    aperto_ = true;
}

void FileDxf::ChiudeFileDxf() {
    ScriveFileSicuro(destinazione_, Conclude());
}

std::string FileDxf::Conclude() {
    if (!aperto_) throw std::logic_error("FileDxf: nessun file DXF aperto");
    ScrittoreDxf w;
    w.FineSezione();
    w.FineFile();
    testo_ += w.Contenuto();
    aperto_ = false;
    std::string testo = std::move(testo_);
    testo_.clear();
    return testo;
}

void FileDxf::Abbandona() noexcept {
    aperto_ = false;
    testo_.clear();
}

void FileDxf::Aggiunge(const std::string& entita) {
    if (!aperto_) throw std::logic_error("FileDxf: nessun file DXF aperto");
    testo_ += entita;
}

void FileDxf::Linea(double x1, double y1, double x2, double y2, int colore) {
    ScrittoreDxf w;
    w.Linea(Testa(colore), {x1, y1}, {x2, y2});
    Aggiunge(w.Contenuto());
}

void FileDxf::Arco(double xc, double yc, double r, double a1, double a2, int colore) {
    ScrittoreDxf w;
    w.Arco(Testa(colore), {xc, yc}, r, a1, a2);
    Aggiunge(w.Contenuto());
}

void FileDxf::Polilinea(std::span<const Punto> vertici, bool chiusa, int colore) {
    ScrittoreDxf w;
    w.InizioPolilinea(Testa(colore));
    for (const auto& p : vertici)
        w.Vertice("0", p);
    if (chiusa && !vertici.empty()) w.Vertice("0", vertici.front());
    w.FineSequenza("0");
    Aggiunge(w.Contenuto());
}

void FileDxf::PolilineaAperta(std::span<const Punto> vertici, int colore) {
    Polilinea(vertici, false, colore);
}

void FileDxf::PolilineaChiusa(std::span<const Punto> vertici, int colore) {
    Polilinea(vertici, true, colore);
}

void FileDxf::Testo(double x, double y, double h, std::string_view testo, int colore, Allineamento allinea) {
    ScrittoreDxf w;
    w.Testo({"0", InteroStampato(colore)}, {x, y}, h, testo, allinea);
    Aggiunge(w.Contenuto());
}

} // namespace vc
