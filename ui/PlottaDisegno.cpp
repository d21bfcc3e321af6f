#include "ui/PlottaDisegno.h"

#include "drawing/core/DispositivoCad.h"
#include "drawing/core/DispositivoDxf.h"
#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/LetturaDisegnoCad.h"
#include "files/GestioneFile.h"
#include "ui/DestinazionePdf.h"
#include "ui/DispositivoQt.h"
#include "ui/ServiziFinestra.h"
#include "ui/StampanteQt.h"

#include <QPainter>
#include <QPrinter>

namespace vc {

namespace fs = std::filesystem;

namespace {

constexpr const char* TestoStampanteAssente = "Stampante non presente o non disponibile.";
constexpr const char* TestoErroreStampa =
    "Si è verificato durante il processo di stampa il seguente errore: ";

// A printer that cannot start its page.
class StampanteNonDisponibile final : public std::runtime_error {
  public:
    StampanteNonDisponibile() : std::runtime_error(TestoStampanteAssente) {}
};

fs::path ConEstensioneDxf(fs::path p) {
    if (p.extension().empty()) p += ".dxf";
    return p;
}

} // namespace

bool UscitaDisegni::PlottaDisegno(SceltaDisegno scelta, const std::string& NomeFile, FinestraDisegno& finestra) {
    try {
        switch (scelta) {
        case SceltaDisegno::Stampa:
            return Stampa(finestra);
        case SceltaDisegno::FileDxf:
            return FileDxf(NomeFile, finestra);
        case SceltaDisegno::Autocad:
            return Autocad(NomeFile, finestra);
        }
    } catch (const std::exception& e) {
        ErroreUscita(e);
    }
    return false;
}

void UscitaDisegni::ErroreUscita(const std::exception& e) const {
    if (dynamic_cast<const StampanteNonDisponibile*>(&e)) {
        msg_->Mostra(TestoStampanteAssente, Icona::Informazione);
        return;
    }
    int numero = 0;
    if (const auto* d = dynamic_cast<const ErroreDisegno*>(&e)) numero = d->Codice().value();
    msg_->Mostra(std::string(TestoErroreStampa) + std::to_string(numero) + "\r\n" + e.what(),
                 Icona::Informazione);
}

bool UscitaDisegni::Stampa(FinestraDisegno& finestra) {
    std::unique_ptr<vc::Stampante> stampante = servizi_->NuovaStampante();
    auto* qt = dynamic_cast<StampanteQt*>(stampante.get());
    if (!qt) throw StampanteNonDisponibile();
    qt->ProponiFilePdf(filePdf_);
    const std::optional<int> copie = qt->ChiediCopie();
    if (!copie) return false; // the Print dialog was cancelled

    QPrinter& carta = qt->Stampante();
    DestinazionePdf pdf(carta); // a PDF file replaces the old one only once complete
    {
        QPainter pittore;
        if (!pittore.begin(&carta)) throw StampanteNonDisponibile();
        for (int copia = 0; copia < *copie; ++copia) {
            if (copia > 0) carta.newPage();
            DispositivoStampante uscita(pittore, carta.resolution());
            finestra.PlottaInOggetto(uscita);
        }
        pittore.end();
    }
    if (const auto errore = pdf.Conclude()) {
        msg_->Mostra(errore->Testo(), Icona::Nessuna);
        return false;
    }
    return true;
}

std::optional<fs::path> UscitaDisegni::ChiedeFileDxf(const std::string& NomeFile, bool chiediSovrascrittura) {
    RichiestaDialogo richiesta;
    richiesta.Filtro = FiltroDisegni;
    richiesta.IndiceFiltro = 2;
    richiesta.Cartella = percorsoDisegni_;
    richiesta.NomeFile = (NomeFile.empty() ? std::string("*") : NomeFile) + ".dxf";
    richiesta.EstensionePredefinita = "dxf";
    richiesta.ChiediSovrascrittura = chiediSovrascrittura;
    auto scelto = servizi_->Dialoghi().Salva(richiesta);
    if (!scelto) return std::nullopt;
    fs::path percorso = ConEstensioneDxf(fs::absolute(*scelto));
    percorsoDisegni_ = percorso.parent_path();
    return percorso;
}

bool UscitaDisegni::FileDxf(const std::string& NomeFile, FinestraDisegno& finestra) {
    const auto percorso = ChiedeFileDxf(NomeFile);
    if (!percorso) return false;
    DispositivoDxf uscita;
    uscita.ApreFileDxf(*percorso);
    finestra.PlottaInOggetto(uscita);
    uscita.ChiudeFileDxf();
    return true;
}

bool UscitaDisegni::Autocad(const std::string& NomeFile, FinestraDisegno& finestra) {
    DisegnoCad* disegno = ApriAutocad(NomeFile);
    if (!disegno) return false;
    DispositivoCad modello(*disegno, *msg_);
    finestra.PlottaInOggetto(modello);
    disegno->ZoomEstensioni();
    return SalvaEMostraCad();
}

DisegnoCad* UscitaDisegni::ApriAutocad(const std::string& NomeFile) {
    if (disegnoCad_) return disegnoCad_.get();
    // The question about replacing a file is ours: a drawing of this program is not replaced
    // but added to.
    const auto percorso = ChiedeFileDxf(NomeFile, false);
    if (!percorso) return nullptr;
    disegnoCad_ = ApreDisegnoScelto(*percorso);
    if (disegnoCad_) fileCad_ = *percorso;
    return disegnoCad_.get();
}

std::unique_ptr<DisegnoCad> UscitaDisegni::ApreDisegnoScelto(const fs::path& percorso) {
    FileCadAperto aperto = ApreFileCad(percorso);
    switch (aperto.Contenuto) {
    case ContenutoFileCad::Nessuno:
    case ContenutoFileCad::DiVelcora:
        return std::move(aperto.Disegno);
    case ContenutoFileCad::Estraneo:
        if (!msg_->ChiediSiNoPrudente(std::string("Il file\r\n")
                                          .append(percorso.string())
                                          .append("\r\nnon è un disegno di Velcora: sostituirlo?"),
                                      Icona::Domanda))
            return nullptr;
        return std::make_unique<DisegnoCad>();
    case ContenutoFileCad::Illeggibile:
        break;
    }
    msg_->Mostra(std::string("Impossibile leggere il disegno\r\n")
                     .append(percorso.string())
                     .append("\r\n")
                     .append(aperto.Motivo)
                     .append("\r\nIl file non è stato modificato."),
                 Icona::Errore);
    return nullptr;
}

bool UscitaDisegni::SalvaEMostraCad() {
    if (!disegnoCad_ || !fileCad_) return false;
    try {
        disegnoCad_->Salva(*fileCad_);
    } catch (const std::exception& e) {
        // A place never written is asked again next time, with the drawing as it was there.
        if (!salvatoCad_) {
            fileCad_.reset();
            disegnoCad_.reset();
        }
        ErroreUscita(e);
        return false;
    }
    salvatoCad_ = true;
    if (!servizi_->ApreDisegnoCad(*fileCad_))
        msg_->Mostra("Il disegno è stato salvato nel file\r\n" + fileCad_->string(), Icona::Informazione);
    return true;
}

} // namespace vc
