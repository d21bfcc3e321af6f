#include "drawing/UsciteDiagrammi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"

namespace vc {

void EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx, const Separatori& sep,
                         const std::filesystem::path& percorso) {
    auto dxf = std::make_shared<DispositivoDxf>();
    dxf->ApreFileDxf(percorso);
    try {
        DiagrammiTrave(trave, imp, ctx, sep).PlottaDWG(dxf);
    } catch (...) {
        dxf->File().Abbandona();
        throw;
    }
    dxf->ChiudeFileDxf();
}

std::shared_ptr<DisegnoCad> DisegnaDiagrammiInCad(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx,
                                                  const Separatori& sep) {
    auto disegno = ctx.ApriAutocad();
    DiagrammiTrave(trave, imp, ctx, sep).PlottaDWG(std::make_shared<DispositivoCad>(*disegno, ctx.Avvisi()));
    disegno->ZoomEstensioni();
    return disegno;
}

std::shared_ptr<DisegnoCad> EsportaBloccoDiagrammi(const Velcora& trave, const Impostazioni& imp,
                                                   ContestoDisegno& ctx, const Separatori& sep) {
    auto disegno = ctx.ApriAutocad();
    DiagrammiTrave(trave, imp, ctx, sep).EsportaInAcadXdataMT(disegno);
    return disegno;
}

} // namespace vc
