#pragma once
// The "DXF" device: every primitive becomes an entity of a plain DXF file (FileDxf). The output
// driver opens the file, lets the window redraw itself on this device, then closes it; the
// file reaches the disk only when closed.

#include "drawing/core/Dispositivo.h"
#include "drawing/core/DxfWriter.h"

#include <filesystem>

namespace vc {

class DispositivoDxf final : public Dispositivo {
  public:
    void ApreFileDxf(const std::filesystem::path& destinazione) { file_.ApreFileDxf(destinazione); }
    void ChiudeFileDxf() { file_.ChiudeFileDxf(); }
    const FileDxf& File() const noexcept { return file_; }
    FileDxf& File() noexcept { return file_; }

    Uscita Tipo() const override { return Uscita::Dxf; }
    void Linea(const Punto& a, const Punto& b, int colore) override;
    void Arco(const Punto& centro, double raggio, double a1, double a2, int colore) override;
    void Polilinea(std::span<const Punto> vertici, int colore) override;
    void Testo(const Punto& p, double altezza, std::string_view testo, int colore,
               Allineamento allinea) override;
    // The closed outline of vertices 1..n−1.
    void Solido(std::span<const Punto> vertici, int colore) override;
    bool AbbassaTesto() const override { return true; }
    bool MostraLegenda() const override { return true; }

  private:
    FileDxf file_;
};

} // namespace vc
