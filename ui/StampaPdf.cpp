#include "ui/StampaPdf.h"

#include "files/FileSuDisco.h"
#include "outputs/UsciteDiagrammi.h"
#include "ui/DestinazionePdf.h"
#include "ui/DispositivoQt.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace vc {

std::optional<std::string> DocumentoDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave,
                                                 const Impostazioni& imp, const Separatori& sep, Messaggi& msg) {
    QPrinter carta(QPrinter::HighResolution);
    DestinazionePdf pdf(carta, file);
    {
        QPainter pittore;
        // A page that could not begin leaves a document that is not complete.
        if (pittore.begin(&carta)) {
            DispositivoStampante stampante(pittore, carta.resolution());
            PaginaDiagrammi(trave, imp, sep, stampante, msg);
            pittore.end();
        }
    }
    std::error_code ec;
    auto documento = pdf.Documento(ec);
    if (!documento) msg.Mostra(ErroreFile("Scrittura incompleta del file", file, ec).Testo(), Icona::Nessuna);
    return documento;
}

bool StampaDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Messaggi& msg) {
    const auto documento = DocumentoDiagrammiPdf(file, trave, imp, sep, msg);
    if (!documento) return false;
    std::error_code ec;
    if (ScriveFileAtomico(file, *documento, ec)) return true;
    msg.Mostra(ErroreFile("Scrittura incompleta del file", file, ec).Testo(), Icona::Nessuna);
    return false;
}

void CaricaStampaPdf() {
    const QPrinter carta(QPrinter::HighResolution);
}

} // namespace vc
