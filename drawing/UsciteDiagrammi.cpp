#include "drawing/UsciteDiagrammi.h"

#include "drawing/DiagrammiTrave.h"
#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/FormatoDxf.h"

namespace vc {

void EsportaDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx, const Separatori& sep,
                         const std::filesystem::path& percorso) {
    ScriveFileSicuro(percorso, TestoDiagrammiDxf(trave, imp, ctx, sep));
}

std::string TestoDiagrammiDxf(const Velcora& trave, const Impostazioni& imp, ContestoDisegno& ctx,
                              const Separatori& sep) {
    auto dxf = std::make_shared<DispositivoDxf>();
    dxf->ApreFileDxf({});
    try {
        DiagrammiTrave(trave, imp, ctx, sep).PlottaDWG(dxf);
    } catch (...) {
        dxf->File().Abbandona();
        throw;
    }
    return dxf->File().Conclude();
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
