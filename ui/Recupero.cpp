#include "ui/Recupero.h"

#include "files/FileSuDisco.h"

#include <QStandardPaths>

#include <iostream>
#include <vector>

namespace vc {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Intestazione = "Velcora recupero 1";

// Tabs and line ends cannot be typed into the window's fields: they never need escaping.
std::string Pulito(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return t;
}

void Voce(std::string& uscita, std::string_view nome, std::initializer_list<std::string_view> valori) {
    uscita.append(nome);
    for (std::string_view v : valori) uscita.append("\t").append(Pulito(v));
    uscita += '\n';
}

std::vector<std::string> Parti(std::string_view linea) {
    std::vector<std::string> parti;
    std::size_t inizio = 0;
    for (std::size_t p = linea.find('\t'); p != std::string_view::npos; p = linea.find('\t', inizio)) {
        parti.emplace_back(linea.substr(inizio, p - inizio));
        inizio = p + 1;
    }
    parti.emplace_back(linea.substr(inizio));
    return parti;
}

// Reads line by line; the rest of the text once "Dati" is reached.
class Righe {
  public:
    explicit Righe(std::string_view testo) : resto_(testo) {}
    std::optional<std::string_view> Prossima() {
        if (resto_.empty()) return std::nullopt;
        const std::size_t fine = resto_.find('\n');
        std::string_view linea = resto_.substr(0, fine);
        resto_ = fine == std::string_view::npos ? std::string_view() : resto_.substr(fine + 1);
        return linea;
    }
    std::string_view Resto() const { return resto_; }

  private:
    std::string_view resto_;
};

bool LeggeGriglia(Righe& righe, const std::vector<std::string>& voce, TabellaTesti& griglia) {
    if (voce.size() != 2) return false;
    std::size_t n = 0;
    try {
        n = std::stoul(voce[1]);
    } catch (const std::exception&) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const auto linea = righe.Prossima();
        if (!linea) return false;
        griglia.push_back(Parti(*linea));
    }
    return true;
}

bool LeggeVoce(Righe& righe, const std::vector<std::string>& v, LavoroNonSalvato& l) {
    const std::string& nome = v[0];
    const auto uno = [&](std::string& campo) {
        if (v.size() != 2) return false;
        campo = v[1];
        return true;
    };
    if (nome == "NomeFile") return uno(l.NomeFile);
    if (nome == "PercorsoDati") return uno(l.PercorsoDati);
    if (nome == "Titolo") return uno(l.Titolo);
    if (nome == "Campate") return uno(l.Campate);
    if (nome == "Punti") return uno(l.Punti);
    if (nome == "Scale") {
        if (v.size() != 4) return false;
        for (std::size_t k = 0; k < 3; ++k) l.Scale[k] = v[k + 1];
        return true;
    }
    if (nome == "Griglia0") return LeggeGriglia(righe, v, l.Griglie[0]);
    if (nome == "Griglia1") return LeggeGriglia(righe, v, l.Griglie[1]);
    return false;
}

} // namespace

std::string TestoRecupero(const LavoroNonSalvato& l) {
    std::string t(Intestazione);
    t += '\n';
    Voce(t, "NomeFile", {l.NomeFile});
    Voce(t, "PercorsoDati", {l.PercorsoDati});
    Voce(t, "Titolo", {l.Titolo});
    Voce(t, "Campate", {l.Campate});
    Voce(t, "Punti", {l.Punti});
    Voce(t, "Scale", {l.Scale[0], l.Scale[1], l.Scale[2]});
    for (std::size_t g = 0; g < l.Griglie.size(); ++g) {
        Voce(t, g == 0 ? "Griglia0" : "Griglia1", {std::to_string(l.Griglie[g].size())});
        for (const auto& riga : l.Griglie[g]) {
            for (std::size_t c = 0; c < riga.size(); ++c) t.append(c > 0 ? "\t" : "").append(Pulito(riga[c]));
            t += '\n';
        }
    }
    t.append("Dati\n").append(l.DatiFile);
    return t;
}

std::optional<LavoroNonSalvato> LeggeRecupero(std::string_view testo) {
    Righe righe(testo);
    if (righe.Prossima() != Intestazione) return std::nullopt;
    LavoroNonSalvato l;
    while (const auto linea = righe.Prossima()) {
        if (*linea == "Dati") {
            l.DatiFile = std::string(righe.Resto());
            return l;
        }
        if (!LeggeVoce(righe, Parti(*linea), l)) return std::nullopt;
    }
    return std::nullopt; // cut short: no data file
}

Recupero::Recupero(fs::path cartella) {
    if (cartella.empty())
        cartella = fs::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    file_ = cartella / "recupero.vlr";
}

bool Recupero::Esiste() const {
    std::error_code ec;
    return fs::is_regular_file(file_, ec);
}

bool Recupero::Scrive(const LavoroNonSalvato& lavoro) const {
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    if (ScriveFileAtomico(file_, TestoRecupero(lavoro), ec)) return true;
    std::cerr << "velcora: " << file_.string() << ": " << ec.message() << '\n';
    return false;
}

std::optional<LavoroNonSalvato> Recupero::Legge() const {
    std::error_code ec;
    const std::optional<std::string> testo = LeggeFileIntero(file_, ec);
    if (!testo) return std::nullopt;
    return LeggeRecupero(*testo);
}

void Recupero::Rimuove() const {
    std::error_code ec;
    fs::remove(file_, ec);
}

} // namespace vc
