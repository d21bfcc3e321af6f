#include "drawing/DisegnoSezione.h"

#include "drawing/core/Poligoni.h"

#include <stdexcept>

namespace vc {

void DisegnoSezione::PltInizializza(ContestoDisegno& ctx, float xMin, float xMax, float yMin, float yMax,
                                    float yOrigine) {
    if (!plt_) plt_.emplace();
    const Uscita tipo = uscita_->Tipo();
    if (tipo == Uscita::Video || tipo == Uscita::Stampante) plt_->EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
    plt_->Inizializza(ctx, xMin, xMax, yMin, yMax, uscita_, 1.0f, true, yOrigine);
}

void DisegnoSezione::PlottaSezione(const SezioneCA& sezione, ContestoDisegno& ctx,
                                   std::shared_ptr<Dispositivo> uscita) {
    if (!uscita) throw std::logic_error("Sezione senza dispositivo di uscita");
    uscita_ = std::move(uscita);
    const auto& x = sezione.xVertici();
    const auto& y = sezione.yVertici();
    if (x.size() < 3) return;

    const Estremi e = EstremiPoligono(x, y);
    PltInizializza(ctx, e.xMin, e.xMax, e.yMin, e.yMax, 0);

    ctx.ImpostaColore(5);
    ctx.ImpostaSpessore(2);
    ctx.Poligono(x, y, 1);
    ctx.ImpostaColore(1);
    ctx.ImpostaSpessore(1);
    ctx.TratteggiaPoligono(x, y, 45, 15);
}

} // namespace vc
