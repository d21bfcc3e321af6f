#include "support/Messaggi.h"

#include <iostream>

namespace vc {

namespace {
void Scrive(const std::string& testo, const std::string& titolo) {
    if (!titolo.empty()) std::cerr << titolo << ": ";
    for (char c : testo)
        if (c != '\r') std::cerr << c;
    std::cerr << '\n';
}
} // namespace

void MessaggiSuStderr::Mostra(const std::string& testo, Icona, const std::string& titolo) {
    Scrive(testo, titolo);
}

void MessaggiSuStderr::MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona) {
    Scrive(testo, {});
    if (!dettagli.empty()) Scrive(dettagli, {});
}

bool MessaggiSuStderr::ChiediSiNo(const std::string& testo, Icona, const std::string& titolo) {
    Scrive(testo, titolo);
    std::cerr << (rispostaSi_ ? "-> Sì\n" : "-> No\n");
    return rispostaSi_;
}

void MessaggiRegistrati::Mostra(const std::string& testo, Icona icona, const std::string& titolo) {
    Voci.push_back({testo, icona, titolo, false, {}});
}

void MessaggiRegistrati::MostraConDettagli(const std::string& testo, const std::string& dettagli,
                                           Icona icona) {
    Voci.push_back({testo, icona, {}, false, dettagli});
}

bool MessaggiRegistrati::ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo) {
    Voci.push_back({testo, icona, titolo, true, {}});
    if (Risposte.empty()) return true;
    const bool risposta = Risposte.front();
    Risposte.erase(Risposte.begin());
    return risposta;
}

} // namespace vc
