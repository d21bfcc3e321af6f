#pragma once
// The program's message boxes. Every check of the engine and the file routines reports
// through this interface; the GUI shows a message box, the command line writes to stderr,
// tests record what was said. Texts are UTF-8; a line break ("\r\n" or "\n") is a new line.

#include <string>
#include <vector>

namespace vc {

enum class Icona { Nessuna, Errore, Avviso, Informazione, Domanda };

class Messaggi {
public:
    virtual ~Messaggi() = default;
    // A message with an OK button.
    virtual void Mostra(const std::string& testo, Icona icona, const std::string& titolo = {}) = 0;
    // A message with the reason behind it as details the user may open (on a terminal, the
    // lines after the message; a sink that has no room for details shows them after the text).
    virtual void MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) {
        Mostra(dettagli.empty() ? testo : testo + "\n" + dettagli, icona);
    }
    // A Yes/No question; true means Yes.
    virtual bool ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo = {}) = 0;
    // The same question where Yes destroys something (a file replaced): a sink that has a
    // default answer makes it No.
    virtual bool ChiediSiNoPrudente(const std::string& testo, Icona icona) { return ChiediSiNo(testo, icona); }
};

// Writes every message to standard error; questions get the fixed answer given at construction.
class MessaggiSuStderr final : public Messaggi {
public:
    explicit MessaggiSuStderr(bool rispostaSi = true) : rispostaSi_(rispostaSi) {}
    void Mostra(const std::string& testo, Icona icona, const std::string& titolo = {}) override;
    void MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) override;
    bool ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo = {}) override;

private:
    bool rispostaSi_;
};

// Keeps every message in memory, in order; questions get the answers queued in Risposte
// (Yes once the queue is empty).
class MessaggiRegistrati final : public Messaggi {
public:
    struct Voce {
        std::string Testo;
        vc::Icona Icona;
        std::string Titolo;
        bool Domanda;
        std::string Dettagli;
    };
    void Mostra(const std::string& testo, Icona icona, const std::string& titolo = {}) override;
    void MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) override;
    bool ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo = {}) override;

    std::vector<Voce> Voci;
    std::vector<bool> Risposte;
};

} // namespace vc
