#include "files/GestioneFile.h"

#include "files/Codifica1252.h"
#include "files/FileSuDisco.h"
#include "support/ErroreFile.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace vc {

namespace fs = std::filesystem;

namespace {

constexpr const char* ScritturaIncompleta = "Scrittura incompleta del file";

std::string NomeProposto(std::string_view nomeFile, std::string_view estensione) {
    return NomeBase(nomeFile.empty() ? std::string_view("*") : nomeFile) + "." + std::string(estensione);
}

bool SenzaNome(const std::string& nome) {
    return nome.empty() || nome == "*";
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The data file is always saved with its extension, so that the later plain saves, which
// rebuild the path from NomeFile, write the same file.
fs::path ConEstensione(fs::path percorso, std::string_view estensione) {
    std::string conPunto(1, '.');
    conPunto += estensione;
    if (!UgualiSenzaMaiuscole(percorso.extension().string(), conPunto)) percorso += conPunto;
    return percorso;
}

fs::path CartellaDati(const Impostazioni& imp) {
    std::error_code ec;
    if (!imp.PercorsoDati.empty() && fs::is_directory(imp.PercorsoDati, ec)) return imp.PercorsoDati;
    return fs::current_path(ec);
}

// The file a plain save writes: in the data folder as it is. Only the Open dialog may start
// from another folder when that one has gone; a save into a folder that no longer exists
// fails, it never writes elsewhere.
fs::path FileDelSalvataggio(const Impostazioni& imp, std::string_view estensione) {
    const fs::path nome = imp.NomeFile + "." + std::string(estensione);
    return imp.PercorsoDati.empty() ? nome : fs::path(imp.PercorsoDati) / nome;
}

// Writes the data file of the beam to percorso. Nothing reaches the disk unless every record
// went through; a file that cannot be written shows "Scrittura incompleta del file" with the
// system's reason on the line after.
EsitoFile ScriveDati(const fs::path& percorso, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    std::ostringstream uscita;
    FileTesto file = FileTesto::PerScrittura(uscita);
    const EsitoFile esito = FileLeggeScrive(Modo::Scrittura, file, trave, imp, msg);
    if (esito != EsitoFile::Completo) return esito;
    std::error_code ec;
    if (!percorso.has_parent_path()) ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec || !ScriveFileAtomico(percorso, uscita.str(), ec)) {
        msg.Mostra(ErroreFile(ScritturaIncompleta, percorso, ec).Testo(), Icona::Nessuna);
        return EsitoFile::Incompleto;
    }
    return EsitoFile::Completo;
}

// The platform's description of why a file could not be opened, with the file.
std::string MotivoApertura(const fs::path& percorso, std::error_code ec) {
    return percorso.string() + ": " + ec.message();
}

void ImpostaNomeECartella(const fs::path& percorso, Impostazioni& imp) {
    imp.NomeFile = NomeBase(percorso.string());
    imp.PercorsoDati = percorso.parent_path().string();
}

// A data file is read into a beam of its own: nothing of the previous beam (its forces, its
// elastic ends) may stay behind in a file that does not mention it.
EsitoFile LeggeDati(std::string contenuto, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    trave = Velcora{};
    FileTesto testo = FileTesto::PerLettura(std::move(contenuto));
    return FileLeggeScrive(Modo::Lettura, testo, trave, imp, msg);
}

// The whole data file, or nothing once the reason it cannot be read has been said.
std::optional<std::string> LeggeOSegnala(const fs::path& file, Messaggi& msg) {
    std::error_code ec;
    auto contenuto = LeggeFileIntero(file, ec);
    if (contenuto) return contenuto;
    if (ec == std::errc::no_such_file_or_directory)
        msg.Mostra("File " + file.string() + " non trovato ", Icona::Nessuna);
    else
        msg.Mostra(MotivoApertura(file, ec), Icona::Nessuna);
    return std::nullopt;
}

} // namespace

// ---------------------------------------------------------------------------------------------

void RigheSuTesto::StampaTesto(std::string_view testo) {
    testo_ += testo;
    // Columns count characters: a grouping separator may take several bytes.
    colonna_ += static_cast<int>(LunghezzaTesto(testo));
}

void RigheSuTesto::StampaRiga(std::string_view testo) {
    StampaTesto(testo);
    testo_ += "\r\n";
    colonna_ = 1;
}

void RigheSuTesto::StampaTab(int colonna) {
    colonna = std::max(colonna, 1);
    if (colonna_ > colonna) StampaRiga("");
    testo_.append(static_cast<std::size_t>(colonna - colonna_), ' ');
    colonna_ = colonna;
}

// ---------------------------------------------------------------------------------------------

std::string NomeBase(std::string_view percorso) {
    const auto separatore = percorso.find_last_of("/\\");
    std::string nome(separatore == std::string_view::npos ? percorso : percorso.substr(separatore + 1));
    const auto punto = nome.find_last_of('.');
    if (punto != std::string::npos && punto > 0) nome.erase(punto);
    return nome;
}

std::string FiltroFileDati(std::string_view nomeProgramma, std::string_view estensione) {
    const std::string e(estensione);
    return "Tutti i Files (*.*)|*.*|Files " + std::string(nomeProgramma) + " (*." + e + ")|*." + e;
}

EsitoGestioneFile SalvaConNome(std::string_view nomeFile, std::string_view estensione, DialogoFile& dialogo,
                               Velcora& trave, std::string_view filtro, Impostazioni& imp, Messaggi& msg) {
    RichiestaDialogo richiesta;
    richiesta.ChiediSovrascrittura = true;
    richiesta.Filtro = filtro;
    richiesta.IndiceFiltro = 2;
    richiesta.NomeFile = NomeProposto(nomeFile, estensione);
    richiesta.EstensionePredefinita = estensione;
    richiesta.Cartella = CartellaDati(imp);
    const auto scelto = dialogo.Salva(richiesta);
    if (!scelto) return {.Annullato = true, .Esito = std::nullopt};

    const fs::path percorso = ConEstensione(fs::absolute(*scelto), estensione);
    const EsitoFile esito = ScriveDati(percorso, trave, imp, msg);
    if (esito == EsitoFile::Completo) ImpostaNomeECartella(percorso, imp);
    return {.Annullato = false, .Esito = esito};
}

EsitoGestioneFile GestioneFileDati(AzioneFile azione, std::string_view nomeProgramma,
                                   std::string_view estensione, DialogoFile& dialogo, Velcora& trave,
                                   Impostazioni& imp, Messaggi& msg, const fs::path& percorso,
                                   const PercorsiFileIni* ini) {
    const std::string filtro = FiltroFileDati(nomeProgramma, estensione);
    switch (azione) {
    case AzioneFile::Nuovo:
        return {};

    case AzioneFile::Apri: {
        RichiestaDialogo richiesta;
        richiesta.Filtro = filtro;
        richiesta.IndiceFiltro = 2;
        richiesta.NomeFile = NomeProposto(imp.NomeFile, estensione);
        richiesta.EstensionePredefinita = estensione;
        richiesta.Cartella = percorso.empty() ? CartellaDati(imp) : percorso;
        const auto scelto = dialogo.Apri(richiesta);
        if (!scelto) return {.Annullato = true, .Esito = std::nullopt};

        const fs::path file = fs::absolute(*scelto);
        std::error_code ec;
        auto contenuto = LeggeFileIntero(file, ec);
        if (!contenuto) {
            msg.Mostra(MotivoApertura(file, ec), Icona::Nessuna);
            return {};
        }
        ImpostaNomeECartella(file, imp);
        if (ini) FileIniLeggeScrive(Modo::Lettura, imp, msg, *ini);
        return {.Annullato = false, .Esito = LeggeDati(std::move(*contenuto), trave, imp, msg)};
    }

    case AzioneFile::SalvaConNome:
        return SalvaConNome(imp.NomeFile, estensione, dialogo, trave, filtro, imp, msg);

    case AzioneFile::Salva:
        if (SenzaNome(imp.NomeFile)) return SalvaConNome(imp.NomeFile, estensione, dialogo, trave, filtro, imp, msg);
        return {.Annullato = false, .Esito = ScriveDati(FileDelSalvataggio(imp, estensione), trave, imp, msg)};
    }
    msg.Mostra("Errore nella Sub GestioneFileDati", Icona::Nessuna);
    return {};
}

bool StampaSuDispositivo(std::string_view nomeFile, std::string_view estensione, DialogoFile& dialogo,
                         FinestraStampa& finestra, DestinazioneRelazione destinazione, Stampante* stampante,
                         Impostazioni& imp, Messaggi& msg) {
    if (destinazione == DestinazioneRelazione::Stampante) {
        if (!stampante) return false;
        try {
            const auto copie = stampante->ChiediCopie();
            if (!copie) return false;
            stampante->Reimposta();
            for (int c = 0; c < *copie; ++c)
                finestra.StampaFile(DestinazioneRelazione::Stampante, stampante->Righe());
            stampante->FineDocumento();
            return true;
        } catch (const ErroreFile&) {
            return false; // the printer could not start; the window tells why
        }
    }

    const std::string e(estensione);
    RichiestaDialogo richiesta;
    richiesta.ChiediSovrascrittura = true;
    richiesta.Filtro = "Tutti i Files (*.*)|*.*|Files (*." + e + ")|*." + e;
    richiesta.IndiceFiltro = 2;
    richiesta.NomeFile = NomeProposto(nomeFile, estensione);
    richiesta.EstensionePredefinita = e;
    richiesta.Cartella = CartellaDati(imp);
    const auto scelto = dialogo.Salva(richiesta);
    if (!scelto) return false;

    RigheSuTesto righe;
    finestra.StampaFile(DestinazioneRelazione::File, righe);
    std::error_code ec;
    const fs::path file = fs::absolute(*scelto);
    if (!ScriveFileAtomico(file, Utf8A1252(righe.Testo()), ec)) {
        msg.Mostra(ErroreFile(ScritturaIncompleta, file, ec).Testo(), Icona::Nessuna);
        return false;
    }
    return true;
}

bool LeggeFileDati(const fs::path& percorso, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    std::error_code ec;
    fs::path file = fs::absolute(percorso, ec);
    if (ec) file = percorso;
    auto contenuto = LeggeOSegnala(file, msg);
    if (!contenuto) return false;
    ImpostaNomeECartella(file, imp);
    return LeggeDati(std::move(*contenuto), trave, imp, msg) != EsitoFile::Incompleto;
}

std::vector<std::string> ParoleRigaComando(std::string_view rigaComando, int massimo) {
    std::vector<std::string> parole;
    bool aperta = false;
    for (char c : rigaComando) {
        if (c == ' ' || c == '\t' || c == '"') {
            aperta = false;
            continue;
        }
        if (!aperta) {
            if (static_cast<int>(parole.size()) >= massimo) break;
            parole.emplace_back();
            aperta = true;
        }
        parole.back() += c;
    }
    return parole;
}

bool ApriFileDaRigaComando(std::string_view rigaComando, Velcora& trave, Impostazioni& imp, Messaggi& msg) {
    const auto parole = ParoleRigaComando(rigaComando);
    if (parole.empty()) return false;
    std::string unito;
    for (const auto& p : parole)
        unito += (unito.empty() ? "" : " ") + p;

    std::error_code ec;
    const fs::path percorso = fs::absolute(unito, ec);
    ImpostaNomeECartella(percorso, imp);
    auto contenuto = LeggeOSegnala(percorso, msg);
    if (!contenuto) {
        imp.NomeFile.clear();
        return false;
    }
    LeggeDati(std::move(*contenuto), trave, imp, msg);
    return true;
}

} // namespace vc
