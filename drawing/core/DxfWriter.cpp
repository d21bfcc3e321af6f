#include "drawing/core/DxfWriter.h"

#include "drawing/core/FormatoDxf.h"

#include <initializer_list>
#include <stdexcept>

namespace vc {

namespace {

// The angle conversion of the arcs uses this value of π, so that the degrees written are
// those the drawings have always carried.
constexpr double PiGradi = 3.14159265358979;

void Righe(std::string& s, std::initializer_list<std::string_view> righe) {
    for (auto r : righe) {
        s += r;
        s += FineRigaDxf;
    }
}

// The colour of TEXT as the file-print statement writes a number: a leading blank when
// non-negative, the digits, one trailing blank.
std::string ColoreStampato(int colore) {
    return (colore >= 0 ? " " : "") + std::to_string(colore) + " ";
}

} // namespace

void FileDxf::ApreFileDxf(const std::filesystem::path& destinazione) {
    if (aperto_) throw std::logic_error("FileDxf: un file DXF è già aperto");
    destinazione_ = destinazione;
    testo_.clear();
    Righe(testo_, {"  0", "SECTION", "  2", "ENTITIES"});
    aperto_ = true;
}

void FileDxf::ChiudeFileDxf() {
    if (!aperto_) throw std::logic_error("FileDxf: nessun file DXF aperto");
    Righe(testo_, {"  0", "ENDSEC", "  0", "EOF"});
    aperto_ = false;
    std::string testo = std::move(testo_);
    testo_.clear();
    ScriveFileSicuro(destinazione_, testo);
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
    std::string e;
    Righe(e, {"  0", "LINE", "  8", "0", " 62", InteroCampoSei(colore), " 10", NumeroDxf(x1), " 20",
              NumeroDxf(y1), " 30", "0.0", " 11", NumeroDxf(x2), " 21", NumeroDxf(y2), " 31", "0.0"});
    Aggiunge(e);
}

void FileDxf::Arco(double xc, double yc, double r, double a1, double a2, int colore) {
    std::string e;
    Righe(e, {"  0", "ARC", "  8", "0", " 62", InteroCampoSei(colore), " 10", NumeroDxf(xc), " 20",
              NumeroDxf(yc), " 30", "0.0", " 40", NumeroDxf(r, "raggio"), " 50",
              NumeroDxf(a1 * 180 / PiGradi, "angolo"), " 51", NumeroDxf(a2 * 180 / PiGradi, "angolo")});
    Aggiunge(e);
}

void FileDxf::Polilinea(std::span<const Punto> vertici, bool chiusa, int colore) {
    std::string e;
    Righe(e, {"  0", "POLYLINE", "  8", "0", " 66", "     1", " 62", InteroCampoSei(colore), " 10", "0.0",
              " 20", "0.0", " 30", "0.0"});
    const auto vertice = [&e](const Punto& p) {
        Righe(e, {"  0", "VERTEX", "  8", "0", " 10", NumeroDxf(p.x), " 20", NumeroDxf(p.y), " 30", "0.0"});
    };
    for (const auto& p : vertici)
        vertice(p);
    if (chiusa && !vertici.empty()) vertice(vertici.front());
    Righe(e, {"  0", "SEQEND", "  8", "0"});
    Aggiunge(e);
}

void FileDxf::PolilineaAperta(std::span<const Punto> vertici, int colore) {
    Polilinea(vertici, false, colore);
}

void FileDxf::PolilineaChiusa(std::span<const Punto> vertici, int colore) {
    Polilinea(vertici, true, colore);
}

void FileDxf::Testo(double x, double y, double h, std::string_view testo, int colore) {
    std::string e;
    Righe(e, {"  0", "TEXT", "  8", "0", " 62", ColoreStampato(colore), " 10", NumeroDxf(x), " 20",
              NumeroDxf(y), " 30", "0.0", " 40", NumeroDxf(h, "altezza del testo"), "  1", TestoDxf(testo)});
    Aggiunge(e);
}

} // namespace vc
