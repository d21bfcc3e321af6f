#include "ui/AppuntiGriglia.h"

#include "support/Formattazione.h"
#include "support/VerificaContenuto.h"

#include <stdexcept>

namespace vc {

namespace {

std::string SenzaBlank(std::string_view s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(" \t\r");
    return std::string(s.substr(a, b - a + 1));
}

std::vector<std::string_view> Divide(std::string_view testo, char separatore) {
    std::vector<std::string_view> parti;
    std::size_t inizio = 0;
    for (std::size_t p = testo.find(separatore); p != std::string_view::npos; p = testo.find(separatore, inizio)) {
        parti.push_back(testo.substr(inizio, p - inizio));
        inizio = p + 1;
    }
    parti.push_back(testo.substr(inizio));
    return parti;
}

std::string Rifiuto(const std::string& cella, std::size_t riga, std::size_t colonna, const char* perche) {
    std::string m("Il blocco da incollare contiene \"");
    m.append(cella).append("\" (riga ").append(std::to_string(riga + 1)).append(", colonna ");
    m.append(std::to_string(colonna + 1)).append("), ").append(perche);
    m.append(": nessuna cella è stata cambiata.");
    return m;
}

} // namespace

std::string TestoDelBlocco(const TabellaTesti& celle) {
    std::string testo;
    for (const auto& riga : celle) {
        for (std::size_t c = 0; c < riga.size(); ++c) {
            if (c > 0) testo += '\t';
            testo += SenzaBlank(riga[c]);
        }
        testo += '\n';
    }
    return testo;
}

EsitoBlocco BloccoDaIncollare(std::string_view testo, const Separatori& sep, bool riformatta) {
    std::string_view resto = testo;
    while (!resto.empty() && (resto.back() == '\n' || resto.back() == '\r')) resto.remove_suffix(1);
    EsitoBlocco esito;
    if (resto.empty()) return esito;
    const char separatore = resto.find('\t') != std::string_view::npos ? '\t' : ';';
    for (std::string_view linea : Divide(resto, '\n')) {
        std::vector<std::string> riga;
        for (std::string_view cella : Divide(linea, separatore)) {
            std::string c = SenzaBlank(cella);
            const std::size_t r = esito.Celle.size(), k = riga.size();
            if (!c.empty() && !VerificaContenuto(c, sep)) return {{}, Rifiuto(c, r, k, "che non è un numero")};
            if (!c.empty() && riformatta) {
                try {
                    c = RiformattaTesto(c, sep);
                } catch (const std::out_of_range&) {
                    return {{}, Rifiuto(c, r, k, "un numero troppo grande")};
                }
            }
            riga.push_back(std::move(c));
        }
        esito.Celle.push_back(std::move(riga));
    }
    return esito;
}

} // namespace vc
