#include "support/ErroreInterno.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace vc {

namespace {

SalvataggioRecupero& Recupero() {
    static SalvataggioRecupero salva;
    return salva;
}

// The line that follows the internal error: where the unsaved work went, or why it could not.
std::string SalvaRecupero() {
    // Taken out first: a recovery that fails in its turn is not tried again.
    const SalvataggioRecupero salva = std::exchange(Recupero(), nullptr);
    if (!salva) return {};
    try {
        const std::string percorso = salva();
        return percorso.empty() ? std::string()
                                : std::string("I dati non salvati sono nel file ").append(percorso);
    } catch (...) {
        return std::string("I dati non salvati non si sono potuti scrivere: ")
            .append(DescriveEccezioneCorrente());
    }
}

std::string TestoCompleto(std::string_view cosa) {
    std::string testo = TestoErroreInterno(cosa);
    if (const std::string recupero = SalvaRecupero(); !recupero.empty()) testo.append("\n").append(recupero);
    return testo;
}

[[noreturn]] void Terminazione() {
    std::fprintf(stderr, "%s\n", TestoCompleto(DescriveEccezioneCorrente()).c_str());
    std::abort();
}

} // namespace

void ImpostaSalvataggioRecupero(SalvataggioRecupero salva) {
    Recupero() = std::move(salva);
}

std::string TestoErroreInterno(std::string_view cosa) {
    return std::string("Errore interno del programma: ").append(cosa);
}

int ErroreInterno(std::string_view cosa, Messaggi& msg) {
    const std::string testo = TestoCompleto(cosa);
    try {
        msg.Mostra(testo, Icona::Errore);
    } catch (...) {
        std::fprintf(stderr, "%s\n", testo.c_str());
    }
    return UscitaErroreInterno;
}

std::string DescriveEccezioneCorrente() {
    const std::exception_ptr e = std::current_exception();
    if (!e) return "terminazione senza eccezione";
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& x) {
        return x.what();
    } catch (...) {
        return "eccezione sconosciuta";
    }
}

void InstallaGestoreTerminazione() {
    std::set_terminate(Terminazione);
}

} // namespace vc
