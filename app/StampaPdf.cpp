#include "app/StampaPdf.h"

#include "drawing/DiagrammiTrave.h"
#include "ui/DispositivoQt.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace vc {

bool StampaDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Messaggi& msg) {
    namespace fs = std::filesystem;
    fs::path provvisorio = file;
    provvisorio += ".tmp";
    bool completo = false;
    {
        QPrinter carta(QPrinter::HighResolution);
        carta.setOutputFormat(QPrinter::PdfFormat);
        carta.setOutputFileName(QString::fromStdString(provvisorio.string()));
        QPainter pittore;
        if (pittore.begin(&carta)) {
            ContestoDisegno ctx(msg);
            DiagrammiTrave d(trave, imp, ctx, sep);
            d.PlottaStamp(std::make_shared<DispositivoStampante>(pittore, carta.resolution()));
            ctx.ImpostaUscita(1, nullptr);
            completo = pittore.end();
        }
    }
    std::error_code ec;
    if (completo) fs::rename(provvisorio, file, ec);
    if (!completo || ec) {
        fs::remove(provvisorio, ec);
        msg.Mostra("Scrittura incompleta del file", Icona::Nessuna);
        return false;
    }
    return true;
}

} // namespace vc
