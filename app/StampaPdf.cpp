#include "app/StampaPdf.h"

#include "drawing/DiagrammiTrave.h"
#include "ui/DestinazionePdf.h"
#include "ui/DispositivoQt.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace vc {

bool StampaDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Messaggi& msg) {
    QPrinter carta(QPrinter::HighResolution);
    DestinazionePdf pdf(carta, file);
    {
        QPainter pittore;
        if (pittore.begin(&carta)) {
            ContestoDisegno ctx(msg);
            DiagrammiTrave d(trave, imp, ctx, sep);
            d.PlottaStamp(std::make_shared<DispositivoStampante>(pittore, carta.resolution()));
            ctx.ImpostaUscita(1, nullptr);
            pittore.end();
        }
    }
    // A page that could not begin leaves a document that is not complete.
    if (const auto errore = pdf.Conclude()) {
        msg.Mostra(errore->Testo(), Icona::Nessuna);
        return false;
    }
    return true;
}

} // namespace vc
