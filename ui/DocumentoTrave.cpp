#include "ui/DocumentoTrave.h"

#include "files/FileDati.h"
#include "files/Record.h"
#include "support/Messaggi.h"

#include <QTimer>
#include <QUndoCommand>
#include <algorithm>
#include <utility>

namespace vc {

// One edit: the input before and after it. The first redo is the edit itself, already made.
class PassoModifica final : public QUndoCommand {
  public:
    PassoModifica(DocumentoTrave& doc, LavoroNonSalvato prima, LavoroNonSalvato dopo, int serie,
                  const QString& descrizione)
        : QUndoCommand(descrizione), doc_(doc), prima_(std::move(prima)), dopo_(std::move(dopo)),
          serie_(serie) {}

    void undo() override { doc_.Applica(prima_); }
    void redo() override {
        if (fatto_) doc_.Applica(dopo_);
        fatto_ = true;
    }
    int id() const override { return 1; }
    // The edits of one series are one step.
    bool mergeWith(const QUndoCommand* altro) override {
        const auto* p = static_cast<const PassoModifica*>(altro);
        if (p->serie_ != serie_) return false;
        dopo_ = p->dopo_;
        return true;
    }

  private:
    DocumentoTrave& doc_;
    LavoroNonSalvato prima_, dopo_;
    int serie_;
    bool fatto_ = false;
};

DocumentoTrave::DocumentoTrave(Mostra mostra, QObject* genitore)
    : QObject(genitore), mostra_(std::move(mostra)) {
    connect(&pila_, &QUndoStack::indexChanged, this, &DocumentoTrave::ModificatoCambiato);
}

// A field's typing is a series of its own until the field is left, and the edits its Enter
// makes join it (UnisceAlCampo); any other edit is a series with the rest of its turn of the
// event loop.
int DocumentoTrave::Serie(std::optional<CampoTesto> campo) {
    if (campo) {
        if (campo != campoAperto_) {
            campoAperto_ = campo;
            serieCampo_ = ++serie_;
            turnoInCorso_ = false;
        }
        return serieCampo_;
    }
    if (campoAperto_ && campoAperto_ == campoUnito_) return serieCampo_;
    if (!turnoInCorso_) {
        turnoInCorso_ = true;
        ++serie_;
        QTimer::singleShot(0, this, [this] { turnoInCorso_ = false; });
    }
    return serie_;
}

void DocumentoTrave::ChiudeCampo() {
    campoAperto_.reset();
}

void DocumentoTrave::UnisceAlCampo(CampoTesto campo) {
    campoUnito_ = campo;
    QTimer::singleShot(0, this, [this] { campoUnito_.reset(); });
}

void DocumentoTrave::Registra(LavoroNonSalvato ora, const QString& descrizione, std::optional<CampoTesto> campo) {
    if (applicando_ || ora == dati_) return;
    LavoroNonSalvato prima = std::exchange(dati_, ora);
    pila_.push(new PassoModifica(*this, std::move(prima), std::move(ora), Serie(campo), descrizione));
    emit ModificatoCambiato(); // a step merged into the last one leaves the stack's index as it was
}

std::string& TestoDelCampo(LavoroNonSalvato& lavoro, CampoTesto campo) {
    switch (campo) {
    case CampoTesto::Titolo:
        return lavoro.Titolo;
    case CampoTesto::Campate:
        return lavoro.Campate;
    case CampoTesto::Punti:
        return lavoro.Punti;
    case CampoTesto::ScalaM:
    case CampoTesto::ScalaT:
    case CampoTesto::ScalaFreccia:
        break;
    }
    return lavoro.Scale.at(static_cast<std::size_t>(campo) - static_cast<std::size_t>(CampoTesto::ScalaM));
}

bool DocumentoTrave::ScriveCampo(CampoTesto campo, std::string testo, bool digitato) {
    if (applicando_) return false;
    LavoroNonSalvato ora = dati_;
    TestoDelCampo(ora, campo) = std::move(testo);
    Registra(std::move(ora), QStringLiteral("Campo"), digitato ? std::optional(campo) : std::nullopt);
    return true;
}

void DocumentoTrave::Aggiorna(LavoroNonSalvato ora) {
    if (applicando_) return;
    const bool modificato = Modificato();
    dati_ = std::move(ora);
    if (!modificato) salvati_ = dati_; // still what the file holds
}

void DocumentoTrave::Sostituisce(LavoroNonSalvato dati, bool nonSalvato) {
    const bool testi = dati.Griglie != dati_.Griglie;
    dati_ = std::move(dati);
    if (testi) emit TestiSostituiti();
    salvati_ = nonSalvato ? std::nullopt : std::optional(dati_);
    campoAperto_.reset();
    pila_.clear();
    emit ModificatoCambiato();
}

void DocumentoTrave::Salvato() {
    salvati_ = dati_;
    pila_.setClean();
    emit ModificatoCambiato();
}

bool DocumentoTrave::ScriveCella(std::size_t griglia, int riga, int colonna, std::string testo) {
    if (applicando_ || griglia >= dati_.Griglie.size()) return false;
    const TabellaTesti& celle = dati_.Griglie[griglia];
    const auto r = static_cast<std::size_t>(riga), c = static_cast<std::size_t>(colonna - 1);
    if (riga < 0 || colonna < 1 || r >= celle.size() || c >= celle[r].size()) return false;
    if (celle[r][c] == testo) return true;
    LavoroNonSalvato ora = dati_;
    ora.Griglie[griglia][r][c] = std::move(testo);
    Registra(std::move(ora), QStringLiteral("Cella"));
    return true;
}

bool DocumentoTrave::ImpostaRighe(std::size_t griglia, int righe, int celle) {
    if (applicando_ || griglia >= dati_.Griglie.size() || righe < 0 || celle < 0) return false;
    LavoroNonSalvato ora = dati_;
    TabellaTesti& tabella = ora.Griglie[griglia];
    tabella.resize(static_cast<std::size_t>(righe));
    for (auto& riga : tabella) riga.resize(static_cast<std::size_t>(celle));
    Registra(std::move(ora), QStringLiteral("Righe"));
    return true;
}

bool DocumentoTrave::ScriveGriglia(std::size_t griglia, const TabellaTesti& celle) {
    if (applicando_ || griglia >= dati_.Griglie.size()) return false;
    LavoroNonSalvato ora = dati_;
    TabellaTesti& tabella = ora.Griglie[griglia];
    for (std::size_t r = 0; r < std::min(tabella.size(), celle.size()); ++r)
        for (std::size_t c = 0; c < std::min(tabella[r].size(), celle[r].size()); ++c)
            tabella[r][c] = celle[r][c];
    if (tabella == dati_.Griglie[griglia]) return true;
    Registra(std::move(ora), QStringLiteral("Celle"));
    emit TestiSostituiti();
    return true;
}

// The beam of a step, from its data file; the file it belongs to stays what it is.
void DocumentoTrave::LeggeTrave(const std::string& datiFile) {
    FileTesto file = FileTesto::PerLettura(datiFile);
    Velcora trave;
    Impostazioni imp = imp_;
    MessaggiRegistrati zitto; // written by this program a moment ago
    vc::FileLeggeScrive(Modo::Lettura, file, trave, imp, zitto);
    imp.NomeFile = imp_.NomeFile;
    imp.PercorsoDati = imp_.PercorsoDati;
    trave_ = std::move(trave);
    imp_ = std::move(imp);
}

void DocumentoTrave::Applica(const LavoroNonSalvato& dati) {
    const bool testi = dati.Griglie != dati_.Griglie;
    dati_ = dati;
    LeggeTrave(dati_.DatiFile);
    if (testi) emit TestiSostituiti();
    applicando_ = true;
    try {
        mostra_(dati_);
    } catch (...) {
        applicando_ = false;
        throw;
    }
    applicando_ = false;
}

} // namespace vc
