#pragma once
// The plain DXF file of the "DXF" device: an ENTITIES section only, every entity on layer "0"
// with its colour given explicitly, all z coordinates 0, CR LF line ends. Any program that
// reads DXF R12 entity sections reads it.
//
// The file is built in memory while the window redraws itself on the device and reaches the
// disk only at ChiudeFileDxf, through a temporary file renamed over the target: a drawing that
// fails half-way (a value that is not finite, an error of the drawing code) or is abandoned
// leaves no file and does not touch an existing one.
//
// Coordinates arrive already transformed by the device layer; arc angles arrive in radians.

#include "drawing/core/Punto.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace vc {

class FileDxf {
  public:
    // Starts a new file for destinazione with the header "  0" "SECTION" "  2" "ENTITIES".
    // Opening while another file is open is a programming error (std::logic_error).
    void ApreFileDxf(const std::filesystem::path& destinazione);
    // Writes the trailer "  0" "ENDSEC" "  0" "EOF" and saves the file. Throws ErroreDisegno
    // (ScritturaFallita) when it cannot be saved; the writer is closed either way.
    void ChiudeFileDxf();
    // Writes the trailer and hands the whole text over instead of saving it; the writer is
    // closed.
    std::string Conclude();
    // Forgets the file being built without writing anything.
    void Abbandona() noexcept;

    bool Aperto() const noexcept { return aperto_; }
    // The text built so far, from the header on; emptied when the file is closed or abandoned.
    const std::string& Contenuto() const noexcept { return testo_; }

    // One writer per entity kind. Every value is checked before anything is added, so an entity
    // is either written whole or not at all; a value that is not finite throws ErroreDisegno
    // (ValoreNonFinito). Writing while no file is open is a programming error (std::logic_error).
    void Linea(double x1, double y1, double x2, double y2, int colore);
    void Arco(double xc, double yc, double r, double a1, double a2, int colore);
    void PolilineaAperta(std::span<const Punto> vertici, int colore);
    // As the open one with vertex 1 written again after the last (no closed flag is written).
    void PolilineaChiusa(std::span<const Punto> vertici, int colore);
    // (x, y) is the left end of the base line (its middle or right end for a centred or
    // right-aligned text); the text goes to the Windows-1252 code page.
    void Testo(double x, double y, double h, std::string_view testo, int colore,
               Allineamento allinea = Allineamento::Sinistra);

  private:
    void Polilinea(std::span<const Punto> vertici, bool chiusa, int colore);
    void Aggiunge(const std::string& entita);

    std::filesystem::path destinazione_;
    std::string testo_;
    bool aperto_ = false;
};

} // namespace vc
