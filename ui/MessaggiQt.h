#pragma once
// The program's messages as message boxes, with the icon and title each check gives.

#include "support/Messaggi.h"

class QWidget;

namespace vc {

class MessaggiQt final : public Messaggi {
public:
    explicit MessaggiQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void Mostra(const std::string& testo, Icona icona, const std::string& titolo = {}) override;
    void MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) override;
    bool ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo = {}) override;
    // No is the button Enter presses.
    bool ChiediSiNoPrudente(const std::string& testo, Icona icona) override;

private:
    bool Domanda(const std::string& testo, Icona icona, const std::string& titolo, bool siPredefinito);

    QWidget* genitore_;
};

} // namespace vc
