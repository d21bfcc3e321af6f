#include "outputs/UsciteDiagrammi.h"

#include "drawing/EsportazioneBlocchi.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/FormatoDxf.h"

#include <utility>

namespace vc {

namespace {

// The diagrams as a DXF file's text, and the scales they were drawn with.
std::pair<std::string, ScaleDisegnate> DiagrammiDxf(const Velcora& trave, const Impostazioni& imp,
                                                    const Separatori& sep, Messaggi& msg) {
    DispositivoDxf dxf;
    dxf.ApreFileDxf({});
    try {
        const ScaleDisegnate scale = PlottaDWG(trave, imp, sep, dxf, msg);
        return {dxf.File().Conclude(), scale};
    } catch (...) {
        dxf.File().Abbandona();
        throw;
    }
}

} // namespace

ScaleDisegnate PaginaDiagrammi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                               Dispositivo& pagina, Messaggi& msg) {
    return PlottaStamp(trave, imp, sep, pagina, msg);
}

ScaleDisegnate EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                   const std::filesystem::path& percorso, Messaggi& msg) {
    auto [testo, scale] = DiagrammiDxf(trave, imp, sep, msg);
    ScriveFileSicuro(percorso, testo);
    return scale;
}

std::string TestoDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                              Messaggi& msg) {
    return DiagrammiDxf(trave, imp, sep, msg).first;
}

ScaleDisegnate DisegnaDiagrammiInCad(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                     DisegnoCad& disegno, Messaggi& msg) {
    DispositivoCad modello(disegno, msg);
    const ScaleDisegnate scale = PlottaDWG(trave, imp, sep, modello, msg);
    disegno.ZoomEstensioni();
    return scale;
}

void EsportaBloccoDiagrammi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                            DisegnoCad& disegno, Messaggi& msg) {
    EsportaInAcadXdataMT(trave, imp, sep, disegno, msg);
}

} // namespace vc
