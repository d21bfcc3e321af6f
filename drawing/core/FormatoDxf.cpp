#include "drawing/core/FormatoDxf.h"

#include "drawing/core/ErroreDisegno.h"
#include "files/Codifica1252.h"
#include "files/FileSuDisco.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <system_error>

namespace vc {

namespace fs = std::filesystem;

namespace {

template <typename T> std::string TestoBreve(T valore, std::chars_format formato) {
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), valore, formato);
    return std::string(buf.data(), r.ptr);
}

[[noreturn]] void ScritturaFallita(const fs::path& p, std::error_code ec) {
    throw ErroreDisegno(ErroreDisegno::Tipo::ScritturaFallita,
                        "Impossibile scrivere " + p.string() + ": " + ec.message(), ec);
}

} // namespace

std::string NumeroDxf(double valore, std::string_view cosa) {
    if (!std::isfinite(valore))
        throw ErroreDisegno(ErroreDisegno::Tipo::ValoreNonFinito,
                            "Valore non finito (" + std::string(cosa) + ") nel disegno");
    if (valore == 0) return "0";
    const double modulo = std::fabs(valore);
    const auto formato =
        modulo >= 1e-4 && modulo < 1e15 ? std::chars_format::fixed : std::chars_format::scientific;
    const auto singola = static_cast<float>(valore);
    if (std::isfinite(singola) && static_cast<double>(singola) == valore) return TestoBreve(singola, formato);
    return TestoBreve(valore, formato);
}

std::string CodiceGruppoDxf(int codice) {
    std::string s = std::to_string(codice);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

std::string InteroCampoSei(int valore) {
    std::string s(valore >= 0 ? " " : "");
    s += std::to_string(valore);
    if (s.size() < 6) s.insert(0, 6 - s.size(), ' ');
    return s;
}

std::string InteroStampato(int valore) {
    std::string s(valore >= 0 ? " " : "");
    return s += std::to_string(valore) + " ";
}

std::string TestoDxf(std::string_view testo) {
    std::string out = Utf8A1252(testo);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

// ---- ScrittoreDxf -------------------------------------------------------------------------

void ScrittoreDxf::Gruppo(int codice, std::string_view valore) {
    testo_ += CodiceGruppoDxf(codice);
    testo_ += FineRigaDxf;
    testo_ += valore;
    testo_ += FineRigaDxf;
}

void ScrittoreDxf::Punto3(int codice, const Punto& p) {
    // Both values are spelled before either is written.
    const std::string x = NumeroDxf(p.x), y = NumeroDxf(p.y);
    Gruppo(codice, x);
    Gruppo(codice + 10, y);
    Gruppo(codice + 20, "0.0");
}

void ScrittoreDxf::Angolo(int codice, double radianti) {
    Reale(codice, radianti * 180 / std::numbers::pi, "angolo");
}

void ScrittoreDxf::Sezione(std::string_view nome) {
    Gruppo(0, "SECTION");
    Gruppo(2, nome);
}

void ScrittoreDxf::Testa(std::string_view tipo, const TestaEntitaDxf& testa) {
    Gruppo(0, tipo);
    Gruppo(8, TestoDxf(testa.Layer));
    if (testa.Colore) Gruppo(62, *testa.Colore);
}

void ScrittoreDxf::Linea(const TestaEntitaDxf& testa, const Punto& a, const Punto& b) {
    Testa("LINE", testa);
    Punto3(10, a);
    Punto3(11, b);
}

void ScrittoreDxf::Arco(const TestaEntitaDxf& testa, const Punto& centro, double raggio, double a1,
                        double a2) {
    Testa("ARC", testa);
    Punto3(10, centro);
    Reale(40, raggio, "raggio");
    Angolo(50, a1);
    Angolo(51, a2);
}

void ScrittoreDxf::InizioPolilinea(const TestaEntitaDxf& testa) {
    Gruppo(0, "POLYLINE");
    Gruppo(8, TestoDxf(testa.Layer));
    Gruppo(66, "     1");
    if (testa.Colore) Gruppo(62, *testa.Colore);
    Gruppo(10, "0.0");
    Gruppo(20, "0.0");
    Gruppo(30, "0.0");
}

void ScrittoreDxf::Vertice(std::string_view layer, const Punto& p) {
    Gruppo(0, "VERTEX");
    Gruppo(8, TestoDxf(layer));
    Punto3(10, p);
}

void ScrittoreDxf::FineSequenza(std::string_view layer) {
    Gruppo(0, "SEQEND");
    Gruppo(8, TestoDxf(layer));
}

void ScrittoreDxf::Testo(const TestaEntitaDxf& testa, const Punto& p, double altezza, std::string_view testo,
                         Allineamento allinea) {
    Testa("TEXT", testa);
    Punto3(10, p);
    Reale(40, altezza, "altezza del testo");
    Gruppo(1, TestoDxf(testo));
    if (allinea == Allineamento::Sinistra) return;
    Intero(72, allinea == Allineamento::Centro ? 1 : 2);
    Punto3(11, p);
}

void ScrittoreDxf::Solido(const TestaEntitaDxf& testa, const std::array<Punto, 4>& vertici) {
    Testa("SOLID", testa);
    for (int k = 0; k < 4; ++k)
        Punto3(10 + k, vertici[static_cast<std::size_t>(k)]);
}

void ScrittoreDxf::Inserimento(const TestaEntitaDxf& testa, std::string_view blocco, const Punto& p,
                               double scalaX, double scalaY, double scalaZ, double rotazione) {
    Testa("INSERT", testa);
    Gruppo(2, TestoDxf(blocco));
    Punto3(10, p);
    Reale(41, scalaX, "scala");
    Reale(42, scalaY, "scala");
    Reale(43, scalaZ, "scala");
    Angolo(50, rotazione);
}

// ---- Saving --------------------------------------------------------------------------------

void ScriveFileSicuro(const fs::path& destinazione, std::string_view contenuto) {
    std::error_code ec;
    const fs::path finale = fs::is_symlink(fs::symlink_status(destinazione, ec))
                                ? fs::weakly_canonical(destinazione, ec)
                                : destinazione;
    if (!ec && fs::is_directory(finale, ec))
        ScritturaFallita(destinazione, std::make_error_code(std::errc::is_a_directory));
    if (!ScriveFileAtomico(destinazione, contenuto, ec)) ScritturaFallita(destinazione, ec);
}

} // namespace vc
