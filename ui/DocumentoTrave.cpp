#include "ui/DocumentoTrave.h"

#include <QTimer>
#include <QUndoCommand>
#include <utility>

namespace vc {

// One edit: the input before and after it. The first redo is the edit itself, already made.
class PassoModifica final : public QUndoCommand {
  public:
    PassoModifica(DocumentoTrave& doc, LavoroNonSalvato prima, LavoroNonSalvato dopo, int turno,
                  const QString& descrizione)
        : QUndoCommand(descrizione), doc_(doc), prima_(std::move(prima)), dopo_(std::move(dopo)),
          turno_(turno) {}

    void undo() override { doc_.Applica(prima_); }
    void redo() override {
        if (fatto_) doc_.Applica(dopo_);
        fatto_ = true;
    }
    int id() const override { return 1; }
    // The edits of one turn of the event loop are one step.
    bool mergeWith(const QUndoCommand* altro) override {
        const auto* p = static_cast<const PassoModifica*>(altro);
        if (p->turno_ != turno_) return false;
        dopo_ = p->dopo_;
        return true;
    }

  private:
    DocumentoTrave& doc_;
    LavoroNonSalvato prima_, dopo_;
    int turno_;
    bool fatto_ = false;
};

DocumentoTrave::DocumentoTrave(Mostra mostra, QObject* genitore)
    : QObject(genitore), mostra_(std::move(mostra)) {
    connect(&pila_, &QUndoStack::indexChanged, this, &DocumentoTrave::ModificatoCambiato);
}

int DocumentoTrave::Turno() {
    if (!turnoInCorso_) {
        turnoInCorso_ = true;
        QTimer::singleShot(0, this, [this] {
            ++turno_;
            turnoInCorso_ = false;
        });
    }
    return turno_;
}

void DocumentoTrave::Registra(LavoroNonSalvato ora, const QString& descrizione) {
    if (applicando_ || ora == dati_) return;
    LavoroNonSalvato prima = std::exchange(dati_, ora);
    pila_.push(new PassoModifica(*this, std::move(prima), std::move(ora), Turno(), descrizione));
}

void DocumentoTrave::Aggiorna(LavoroNonSalvato ora) {
    if (applicando_) return;
    const bool modificato = Modificato();
    dati_ = std::move(ora);
    if (!modificato) salvati_ = dati_; // still what the file holds
}

void DocumentoTrave::Sostituisce(LavoroNonSalvato dati, bool nonSalvato) {
    dati_ = std::move(dati);
    salvati_ = nonSalvato ? std::nullopt : std::optional(dati_);
    pila_.clear();
    emit ModificatoCambiato();
}

void DocumentoTrave::Salvato() {
    salvati_ = dati_;
    pila_.setClean();
    emit ModificatoCambiato();
}

void DocumentoTrave::Applica(const LavoroNonSalvato& dati) {
    dati_ = dati;
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
