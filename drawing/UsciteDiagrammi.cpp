#include "drawing/UsciteDiagrammi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/EsportazioneBlocchi.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/FormatoDxf.h"

namespace vc {

void EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                         const std::filesystem::path& percorso, Messaggi& msg) {
    ScriveFileSicuro(percorso, TestoDiagrammiDxf(trave, imp, sep, msg));
}

std::string TestoDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                              Messaggi& msg) {
    DispositivoDxf dxf;
    dxf.ApreFileDxf({});
    try {
        PlottaDWG(trave, imp, sep, dxf, msg);
    } catch (...) {
        dxf.File().Abbandona();
        throw;
    }
    return dxf.File().Conclude();
}

void DisegnaDiagrammiInCad(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                           DisegnoCad& disegno, Messaggi& msg) {
    DispositivoCad modello(disegno, msg);
    PlottaDWG(trave, imp, sep, modello, msg);
    disegno.ZoomEstensioni();
}

void EsportaBloccoDiagrammi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                            DisegnoCad& disegno, Messaggi& msg) {
    EsportaInAcadXdataMT(trave, imp, sep, disegno, msg);
}

} // namespace vc
