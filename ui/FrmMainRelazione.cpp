// The main window's "Relazione di calcolo (PDF)..." command.

#include "ui/FrmMain.h"
#include "ui/RelazionePdf.h"
#include "ui/ServiziFinestra.h"

namespace vc {

namespace fs = std::filesystem;

void FrmMain::RelazioneCalcoloPdf() {
    if (!EsegueCalcolo()) return;
    RichiestaDialogo richiesta;
    richiesta.Filtro = "Tutti i Files (*.*)|*.*|Relazione di calcolo (*.pdf)|*.pdf";
    richiesta.IndiceFiltro = 2;
    const fs::path proposto = FilePdfProposto();
    richiesta.Cartella = proposto.parent_path();
    richiesta.NomeFile = proposto.filename().string();
    richiesta.EstensionePredefinita = "pdf";
    richiesta.ChiediSovrascrittura = true;
    const auto scelto = servizi_->Dialoghi().Salva(richiesta);
    if (!scelto) return;
    fs::path file = fs::absolute(*scelto);
    if (!file.has_extension()) file += ".pdf";
    ScriveRelazionePdf(file, RelazioneDiOggi(Trave(), Imp(), sep_, *msg_), *msg_);
}

} // namespace vc
