#include "files/FileTrave.h"

#include "files/FileDati.h"
#include "files/FileSuDisco.h"
#include "files/GestioneFile.h"
#include "files/Record.h"
#include "files/TraveJson.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <system_error>
#include <utility>
#include <variant>

namespace vc {

namespace fs = std::filesystem;

namespace {

ErroreFileTrave Mostra(Messaggi& msg, std::string messaggio, std::string motivo) {
    msg.Mostra(motivo.empty() ? messaggio : messaggio + "\n" + motivo, Icona::Nessuna);
    return {std::move(messaggio), std::move(motivo)};
}

std::optional<ErroreFileTrave> LeggeJson(const fs::path& percorso, Velcora& trave, Impostazioni& imp,
                                         Messaggi& msg) {
    std::error_code ec;
    const auto contenuto = LeggeFileIntero(percorso, ec);
    if (!contenuto) {
        if (ec == std::errc::no_such_file_or_directory)
            return Mostra(msg, "File " + percorso.string() + " non trovato ", {});
        return Mostra(msg, "Lettura incompleta del File", percorso.string() + ": " + ec.message());
    }
    Impostazioni lette = imp;
    if (const auto errore = TraveDaTestoJson(*contenuto, trave, lette))
        return Mostra(msg, "Lettura incompleta del File", percorso.string() + ": " + errore->Testo());
    imp = std::move(lette);
    imp.NomeFile = NomeBase(percorso.string());
    imp.PercorsoDati = percorso.parent_path().string();
    return std::nullopt;
}

} // namespace

bool PercorsoTraveJson(const fs::path& percorso) {
    std::string estensione = percorso.extension().string();
    std::transform(estensione.begin(), estensione.end(), estensione.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return estensione.size() == EstensioneTraveJson.size() + 1 && estensione.front() == '.' &&
           std::string_view(estensione).substr(1) == EstensioneTraveJson;
}

std::optional<ErroreFileTrave> LeggeFileTrave(const fs::path& percorso, Velcora& trave, Impostazioni& imp,
                                              Messaggi& msg) {
    std::error_code ec;
    fs::path file = fs::absolute(percorso, ec);
    if (ec) file = percorso;
    if (PercorsoTraveJson(file)) return LeggeJson(file, trave, imp, msg);

    // The data file's own routine tells the user what failed as it goes.
    MessaggiRegistrati detti;
    const bool letto = LeggeFileDati(file, trave, imp, detti);
    for (const auto& v : detti.Voci)
        msg.Mostra(v.Testo, v.Icona, v.Titolo);
    if (letto) return std::nullopt;
    ErroreFileTrave e{detti.Voci.empty() ? "Lettura incompleta del File" : detti.Voci.back().Testo, {}};
    if (detti.Voci.size() > 1) e.Motivo = detti.Voci.front().Testo;
    return e;
}

namespace {

std::variant<std::string, ErroreFileTrave> Contenuto(const fs::path& percorso, Velcora& trave, Impostazioni& imp,
                                                     Messaggi& msg) {
    if (PercorsoTraveJson(percorso)) return TestoTraveJson(trave, imp);
    std::ostringstream uscita;
    FileTesto file = FileTesto::PerScrittura(uscita);
    MessaggiRegistrati detti;
    if (FileLeggeScrive(Modo::Scrittura, file, trave, imp, detti) != EsitoFile::Completo)
        return Mostra(msg, "Scrittura incompleta del file", detti.Voci.empty() ? "" : detti.Voci.back().Testo);
    return uscita.str();
}

} // namespace

std::optional<std::string> ContenutoFileTrave(const fs::path& percorso, Velcora& trave, Impostazioni& imp,
                                              Messaggi& msg) {
    auto contenuto = Contenuto(percorso, trave, imp, msg);
    if (auto* testo = std::get_if<std::string>(&contenuto)) return std::move(*testo);
    return std::nullopt;
}

std::optional<ErroreFileTrave> ScriveFileTrave(const fs::path& percorso, Velcora& trave, Impostazioni& imp,
                                               Messaggi& msg) {
    auto risultato = Contenuto(percorso, trave, imp, msg);
    if (auto* errore = std::get_if<ErroreFileTrave>(&risultato)) return std::move(*errore);
    const std::string& contenuto = std::get<std::string>(risultato);
    std::error_code ec;
    if (!ScriveFileAtomico(percorso, contenuto, ec))
        return Mostra(msg, "Scrittura incompleta del file", percorso.string() + ": " + ec.message());
    return std::nullopt;
}

} // namespace vc
