#include "support/ImpostazioniInternazionali.h"

#include "support/Errori.h"
#include "support/Formattazione.h"

#include <stdexcept>
#include <string>

namespace vc {

bool ControllaImpostazioniInternazionali(const Separatori& sep, Messaggi& messaggi, bool nessunAvviso) {
    const std::string virgolette = "\"";
    if (!sep.Decimale.empty() && sep.Migliaia == sep.Decimale) {
        messaggi.Mostra("Errore nelle impostazioni internazionali del pannello di controllo.\n"
                        "Il separatore decimale è stato impostato come " +
                            virgolette + sep.Decimale + virgolette +
                            "\n"
                            "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\n"
                            "Cambiare il simbolo raggruppamento cifre e riavviare il programma.",
                        Icona::Errore, "ERRORE");
        return false;
    }

    // A grouped number with decimals, either sign, must come back unchanged through what the
    // user would see.
    const auto ritorna = [&sep](double campione) {
        try {
            return LeggeNumero(FormattaSchema(campione, "#,#.#", sep), sep) == campione;
        } catch (const NumeroFuoriScala&) {
            return false; // separators that turn the sample into a huge exponent
        }
    };
    if (!ritorna(1234567.8) || !ritorna(-1234567.8)) {
        messaggi.Mostra("Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\n"
                        "Provare a cambiare i simboli del separatore decimale\n"
                        "e del raggruppamento cifre e riavviare il programma.",
                        Icona::Errore, "ERRORE");
        return false;
    }

    if (sep.Migliaia == "," && sep.Decimale == "." && !nessunAvviso) {
        messaggi.Mostra(
            "E' impostato come separatore decimale \".\" e come separatore delle migliaia \",\"\r\n"
            "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
            "Il programma funzionerà comunque correttamente se si usa come separatore delle "
            "migliaia lo spazio,\r\n"
            "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
            "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni "
            "internazionali.",
            Icona::Avviso, "ATTENZIONE ");
    }
    return true;
}

} // namespace vc
