// velcora-cli: reads a beam from a data file or a JSON beam, checks and solves it as the main
// window does, and prints the listing of the results; it also converts a beam from one form to
// the other; on request it also writes the moment and shear diagrams
// (a DXF file, a CAD drawing, the blocks with their extended data). With --lotto it calculates
// many beams at once on every core, each into its own files. Messages go to standard
// error; the outputs of a beam are written all or none. The exit status is 0 on success, 1
// when the data are refused or read only in part, the calculation fails or an output cannot
// be written (for a batch: of any beam), 2 when the command line is wrong, 3 on an internal
// error of the program.

#include "app/Lotto.h"
#include "app/RisultatiJson.h"
#include "app/UsciteTrave.h"
#include "calcolo/Calcolo.h"
#include "drawing/core/ErroreDisegno.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "files/FileIni.h"
#include "files/FileSuDisco.h"
#include "files/FileTrave.h"
#include "outputs/Relazione.h"
#include "outputs/UsciteDiagrammi.h"
#include "support/ErroreFile.h"
#include "support/ErroreInterno.h"
#include "support/Errori.h"
#include "support/ImpostazioniInternazionali.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"
#include "ui/SeparatoriQt.h"
#include "ui/RelazionePdf.h"
#include "ui/StampaPdf.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>

#include <algorithm>
#include <clocale>
#include <cstddef>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

constexpr int Riuscito = 0;
constexpr int Fallito = 1;
constexpr int ErroreUso = 2;

constexpr const char* ScritturaIncompleta = "Scrittura incompleta del file";

struct Combinazione {
    int StatoLimite = vc::SLU;
    int TipoSLE = vc::SLERara;
};

// The outputs of one beam, each into the file named, and the beam as read.
struct Uscite : vc::UsciteTrave {
    std::optional<std::filesystem::path> EsportaDati;
    bool Risultati() const { return Txt || Json || Dxf || Dwg || Blocco || Pdf || Relazione; }
};

// The outputs a batch can write for every beam, by name, and the suffix of their files in the
// output folder (the results in JSON are not named like a JSON beam, which may be an input).
struct UscitaLotto {
    const char* Nome;
    const char* Suffisso;
    std::optional<std::filesystem::path> Uscite::*Campo;
};
constexpr UscitaLotto UsciteLotto[] = {
    {"txt", ".txt", &Uscite::Txt},           {"json", ".risultati.json", &Uscite::Json},
    {"dxf", ".dxf", &Uscite::Dxf},           {"dwg", ".dwg.dxf", &Uscite::Dwg},
    {"blocco", ".blocco.dxf", &Uscite::Blocco}, {"pdf", ".pdf", &Uscite::Pdf},
    {"relazione", ".relazione.pdf", &Uscite::Relazione},
};

struct Opzioni {
    std::filesystem::path FileDati;
    std::optional<std::filesystem::path> Lotto;       // the output folder of a batch
    std::vector<std::filesystem::path> FileLotto;     // its beams
    std::vector<const UscitaLotto*> UsciteDelLotto;   // the outputs of each
    std::optional<std::filesystem::path> Txt, Json, Ini, EsportaDati;
    std::optional<std::filesystem::path> Dxf, Dwg, Blocco, Pdf; // the diagrams
    std::optional<std::filesystem::path> Relazione;             // the calculation report
    std::optional<Combinazione> StatoLimite;
    std::optional<int> Punti; // without it, the JSON beam's own, or 100
    vc::Separatori Sep;
    bool Sistema = true;
    bool Risposta = true;
    bool AccettaIncompleto = false; // the outputs of a beam read in part
};

std::filesystem::path Percorso(const QString& testo) {
    return std::filesystem::path(testo.toStdString());
}

int Uso(const std::string& testo) {
    std::cerr << "velcora-cli: " << testo << "\n"
              << "Uso: velcora-cli [opzioni] FILE.vlr|FILE.json  (velcora-cli --help per le opzioni)\n";
    return ErroreUso;
}

// The batch: its output folder, its beams (two of which may not give their outputs the same
// name) and its outputs. A text saying what is wrong, or nothing.
std::optional<std::string> OpzioniLotto(const QString& cartella, const QStringList& file, const QString& elenco,
                                        Opzioni& o) {
    o.Lotto = Percorso(cartella);
    for (const QString& nome : elenco.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto* u = std::find_if(std::begin(UsciteLotto), std::end(UsciteLotto),
                                     [&](const UscitaLotto& x) { return nome.trimmed() == QLatin1String(x.Nome); });
        if (u == std::end(UsciteLotto))
            return "uscita sconosciuta: " + nome.toStdString() + " (txt, json, dxf, dwg, blocco, pdf, relazione)";
        if (std::find(o.UsciteDelLotto.begin(), o.UsciteDelLotto.end(), u) == o.UsciteDelLotto.end())
            o.UsciteDelLotto.push_back(u);
    }
    if (o.UsciteDelLotto.empty()) return "nessuna uscita in --uscite";
    std::vector<std::string> nomi;
    for (const QString& f : file) {
        o.FileLotto.push_back(Percorso(f));
        const std::string nome = o.FileLotto.back().stem().string();
        if (std::find(nomi.begin(), nomi.end(), nome) != nomi.end())
            return "due file con lo stesso nome " + nome + ": le loro uscite si sovrapporrebbero";
        nomi.push_back(nome);
    }
    return std::nullopt;
}

// The path given with an option, if it was given.
std::optional<std::filesystem::path> PercorsoOpzione(const QCommandLineParser& p, const QCommandLineOption& opzione) {
    if (!p.isSet(opzione)) return std::nullopt;
    return Percorso(p.value(opzione));
}

// The combination named on the command line, or nothing for a name it does not know.
std::optional<Combinazione> CombinazioneDiNome(const QString& nome) {
    static const std::pair<const char*, Combinazione> nomi[] = {
        {"slu", {vc::SLU, vc::SLERara}},
        {"rara", {vc::SLE, vc::SLERara}},
        {"frequente", {vc::SLE, vc::SLEFrequente}},
        {"quasi-permanente", {vc::SLE, vc::SLEQuasiPermanente}},
    };
    const QString s = nome.toLower();
    for (const auto& [testo, combinazione] : nomi)
        if (s == QLatin1String(testo)) return combinazione;
    return std::nullopt;
}

// The limit state and the number of points; a text saying what is wrong, or nothing.
std::optional<std::string> OpzioniDiCalcolo(const QCommandLineParser& p, const QCommandLineOption& stato,
                                            const QCommandLineOption& punti, Opzioni& o) {
    if (p.isSet(stato)) {
        o.StatoLimite = CombinazioneDiNome(p.value(stato));
        if (!o.StatoLimite)
            return std::string("stato limite sconosciuto: ")
                .append(p.value(stato).toStdString())
                .append(" (SLU, rara, frequente, quasi-permanente)");
    }
    bool numero = true;
    if (p.isSet(punti)) o.Punti = p.value(punti).toInt(&numero);
    if (o.Punti && (!numero || *o.Punti < 1 || *o.Punti > 32767))
        return std::string("numero di punti non valido: ")
            .append(p.value(punti).toStdString())
            .append(" (un intero da 1 a 32767)");
    return std::nullopt;
}

// The separators of the listing and the answer to the questions; a text saying what is
// wrong, or nothing.
std::optional<std::string> OpzioniDiUscita(const QString& sep, const QString& si, Opzioni& o) {
    o.Sistema = sep == QStringLiteral("sistema");
    if (sep == QStringLiteral("it"))
        o.Sep = vc::Separatori::Italiani();
    else if (sep == QStringLiteral("en"))
        o.Sep = vc::Separatori::Inglesi();
    else if (!o.Sistema)
        return std::string("separatori sconosciuti: ").append(sep.toStdString()).append(" (it, en, sistema)");
    if (si != QStringLiteral("si") && si != QStringLiteral("no"))
        return std::string("risposta non valida: ").append(si.toStdString()).append(" (si, no)");
    o.Risposta = si == QStringLiteral("si");
    return std::nullopt;
}

// The options, or the exit status of a command line that asks for no calculation.
std::variant<Opzioni, int> LeggeOpzioni(const QStringList& argomenti) {
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Calcola la trave continua descritta nel file dei dati e stampa la relazione dei risultati."));
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Mostra questo aiuto."));
    const QCommandLineOption txt(QStringLiteral("txt"), QStringLiteral("Scrive la relazione nel file di stampa OUT."),
                                 QStringLiteral("OUT"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Scrive tutti i risultati in JSON nel file OUT."),
                                  QStringLiteral("OUT"));
    const QCommandLineOption stato(QStringLiteral("stato-limite"),
                                   QStringLiteral("SLU, rara, frequente o quasi-permanente (senza: quello del file, "
                                                  "per lo SLE la combinazione rara)."),
                                   QStringLiteral("STATO"));
    const QCommandLineOption punti(QStringLiteral("punti"),
                                   QStringLiteral("Numero di divisioni dei diagrammi (senza: quello della trave "
                                                  "JSON, altrimenti 100)."),
                                   QStringLiteral("N"));
    const QCommandLineOption ini(QStringLiteral("ini"),
                                 QStringLiteral("Il file dei coefficienti parziali (predefinito VelcoraDwg.ini accanto "
                                                "al programma)."),
                                 QStringLiteral("PERCORSO"));
    const QCommandLineOption separatori(QStringLiteral("separatori"),
                                        QStringLiteral("Separatori dei numeri nella relazione: it, en o sistema "
                                                       "(predefinito)."),
                                        QStringLiteral("SEP"), QStringLiteral("sistema"));
    const QCommandLineOption risposta(QStringLiteral("risposta"),
                                      QStringLiteral("Risposta alle domande del controllo dei dati: si (predefinita) o no."),
                                      QStringLiteral("SI_NO"), QStringLiteral("si"));
    const QCommandLineOption dxf(QStringLiteral("dxf"),
                                 QStringLiteral("Scrive i diagrammi dei momenti e dei tagli nel file DXF OUT."),
                                 QStringLiteral("OUT"));
    const QCommandLineOption dwg(QStringLiteral("dwg"),
                                 QStringLiteral("Disegna i diagrammi dei momenti e dei tagli in un nuovo disegno CAD e "
                                                "lo salva in OUT (DXF R12)."),
                                 QStringLiteral("OUT"));
    const QCommandLineOption blocco(QStringLiteral("blocco"),
                                    QStringLiteral("Esporta i blocchi DiagrammaM e DiagrammaT con i dati estesi in un "
                                                   "nuovo disegno CAD e lo salva in OUT (DXF R12)."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("Stampa i diagrammi dei momenti e dei tagli su una pagina del file PDF OUT."),
                                 QStringLiteral("OUT"));
    const QCommandLineOption relazione(QStringLiteral("relazione"),
                                       QStringLiteral("Scrive la relazione di calcolo (dati, combinazione, opzioni, "
                                                      "risultati e diagrammi) nel file PDF OUT."),
                                       QStringLiteral("OUT"));
    const QCommandLineOption esporta(QStringLiteral("esporta-dati"),
                                     QStringLiteral("Scrive i dati della trave in OUT: trave JSON se OUT finisce "
                                                    "con .json, altrimenti file dei dati .vlr. Senza altre uscite "
                                                    "non calcola."),
                                     QStringLiteral("OUT"));
    const QCommandLineOption lotto(QStringLiteral("lotto"),
                                   QStringLiteral("Calcola tutte le travi FILE... insieme, su ogni processore, e "
                                                  "scrive le uscite di ciascuna nella CARTELLA, con il nome del "
                                                  "file: NOME.txt, NOME.risultati.json, NOME.dxf, NOME.dwg.dxf, "
                                                  "NOME.blocco.dxf, NOME.pdf, NOME.relazione.pdf."),
                                   QStringLiteral("CARTELLA"));
    const QCommandLineOption uscite(QStringLiteral("uscite"),
                                    QStringLiteral("Con --lotto, le uscite di ogni trave separate da virgole: txt, "
                                                   "json, dxf, dwg, blocco, pdf, relazione (predefinita txt)."),
                                    QStringLiteral("ELENCO"), QStringLiteral("txt"));
    const QCommandLineOption incompleto(QStringLiteral("accetta-incompleto"),
                                        QStringLiteral("Produce la relazione e le uscite anche di un file dei dati "
                                                       "letto solo in parte (lo stato di uscita resta 1)."));
    p.addOptions({aiuto, txt, json, stato, punti, ini, separatori, risposta, dxf, dwg, blocco, pdf, relazione, esporta,
                  lotto, uscite, incompleto});
    p.addPositionalArgument(QStringLiteral("FILE"),
                            QStringLiteral("La trave: un file dei dati .vlr o una trave JSON .json (con --lotto, "
                                           "una o più)."),
                            QStringLiteral("FILE..."));

    if (!p.parse(argomenti)) return Uso(p.errorText().toStdString());
    if (p.isSet(aiuto)) {
        std::cout << p.helpText().toStdString();
        return Riuscito;
    }

    Opzioni o;
    const QStringList file = p.positionalArguments();
    if (file.isEmpty()) return Uso("manca il file dei dati");
    if (p.isSet(lotto)) {
        if (const auto errore = OpzioniLotto(p.value(lotto), file, p.value(uscite), o)) return Uso(*errore);
        for (const auto* singola : {&txt, &json, &dxf, &dwg, &blocco, &pdf, &relazione, &esporta})
            if (p.isSet(*singola))
                return Uso("con --lotto le uscite si scelgono con --uscite, non con --" +
                           singola->names().front().toStdString());
    } else if (file.size() > 1) {
        return Uso("un solo file dei dati per volta (per molti file: --lotto)");
    } else if (p.isSet(uscite)) {
        return Uso("--uscite vale solo con --lotto");
    }
    o.FileDati = Percorso(file.front());
    o.Txt = PercorsoOpzione(p, txt);
    o.Json = PercorsoOpzione(p, json);
    o.Ini = PercorsoOpzione(p, ini);
    o.Dxf = PercorsoOpzione(p, dxf);
    o.Dwg = PercorsoOpzione(p, dwg);
    o.Blocco = PercorsoOpzione(p, blocco);
    o.Pdf = PercorsoOpzione(p, pdf);
    o.Relazione = PercorsoOpzione(p, relazione);
    o.EsportaDati = PercorsoOpzione(p, esporta);
    if (const auto errore = OpzioniDiCalcolo(p, stato, punti, o)) return Uso(*errore);
    if (const auto errore = OpzioniDiUscita(p.value(separatori), p.value(risposta), o)) return Uso(*errore);
    o.AccettaIncompleto = p.isSet(incompleto);
    return o;
}

// Forwards the messages of the reading of a beam and counts them: a data file read in part
// (older than "6.2", or without a version) tells so and is then kept as far as it was read.
class MessaggiDellaLettura final : public vc::Messaggi {
  public:
    explicit MessaggiDellaLettura(vc::Messaggi& msg) : msg_(msg) {}
    void Mostra(const std::string& testo, vc::Icona icona, const std::string& titolo) override {
        ++Numero;
        msg_.Mostra(testo, icona, titolo);
    }
    bool ChiediSiNo(const std::string& testo, vc::Icona icona, const std::string& titolo) override {
        return msg_.ChiediSiNo(testo, icona, titolo);
    }
    int Numero = 0;

  private:
    vc::Messaggi& msg_;
};

// Reads, solves and puts out one beam, all its files or none: everything is made in memory
// first, then written together. The listing goes to the text file asked, or else, when
// suUscita is given, there (the terminal of a single beam). A beam read in part fails; its
// outputs are made only when the user accepts it (--accetta-incompleto).
bool ElaboraTrave(const std::filesystem::path& file, const Uscite& u, const Opzioni& o, vc::Impostazioni imp,
                  const vc::Separatori& sep, vc::Messaggi& msg, std::string* suUscita) {
    vc::Velcora trave;
    MessaggiDellaLettura lettura(msg);
    if (vc::LeggeFileTrave(file, trave, imp, lettura)) return false;
    const bool completa = lettura.Numero == 0;
    if (!completa && !o.AccettaIncompleto) return false;
    if (u.EsportaDati && !u.Risultati()) return !vc::ScriveFileTrave(*u.EsportaDati, trave, imp, msg) && completa;

    std::vector<vc::FileDaScrivere> uscite;
    if (u.EsportaDati) { // the beam as read, before the options of the command line
        auto dati = vc::ContenutoFileTrave(*u.EsportaDati, trave, imp, msg);
        if (!dati) return false;
        uscite.push_back({*u.EsportaDati, std::move(*dati)});
    }
    // Without an option, the combination of the beam: a JSON beam names its SLE combination, a
    // data file has none and takes "rara".
    if (o.StatoLimite) {
        imp.StatoLimite = o.StatoLimite->StatoLimite;
        imp.TipoSLE = o.StatoLimite->TipoSLE;
    }
    if (o.Punti) trave.nDivisioniPlt = *o.Punti;
    if (!vc::EsegueCalcolo(trave, imp, msg).Riuscito()) return false;

    std::ostringstream relazione;
    try {
        vc::RigheSuFlusso righe(relazione);
        vc::StampaRelazione(righe, trave, imp, sep);
    } catch (const vc::ErroreCalcolo& e) { // a result without a text
        vc::ErroreNeiDati(msg, e.what(), vc::CampoDati::Nessuno);
        return false;
    }
    if (!vc::PreparaUscite(u, trave, imp, sep, msg, uscite) || !vc::ScriveInsieme(uscite, msg)) return false;
    if (!u.Txt && suUscita) *suUscita = relazione.str();
    return completa;
}

// The settings every beam starts from: the settings file first, then the beam's own factors
// (from version 7.5 of the data file) win.
vc::Impostazioni ImpostazioniIniziali(const Opzioni& o, vc::Messaggi& msg) {
    vc::Impostazioni imp;
    imp.PercorsoProgramma = QCoreApplication::applicationDirPath().toStdString();
    imp.PercorsoDati = QDir::currentPath().toStdString();
    const vc::PercorsiFileIni percorsiIni = o.Ini ? vc::PercorsiFileIni{*o.Ini, {}}
                                                  : vc::PercorsiFileIniPredefiniti(imp.PercorsoProgramma);
    vc::FileIniLeggeScrive(vc::Modo::Lettura, imp, msg, percorsiIni);
    return imp;
}

// Every beam of the batch on every core, each into its own files; what each said afterwards, in
// the order of the command line, every line prefixed by the beam's file name.
int EsegueLotto(const Opzioni& o, const vc::Impostazioni& imp, const vc::Separatori& sep, vc::Messaggi& msg) {
    std::error_code ec;
    std::filesystem::create_directories(*o.Lotto, ec);
    if (!std::filesystem::is_directory(*o.Lotto)) {
        msg.Mostra(ScritturaIncompleta + std::string("\n") + o.Lotto->string() + ": " + ec.message(),
                   vc::Icona::Nessuna);
        return Fallito;
    }
    if (std::any_of(o.UsciteDelLotto.begin(), o.UsciteDelLotto.end(), [](const UscitaLotto* u) {
            return u->Campo == &Uscite::Pdf || u->Campo == &Uscite::Relazione;
        }))
        vc::CaricaStampaPdf();
    const auto esiti = vc::EsegueInParallelo(
        o.FileLotto.size(),
        [&](std::size_t k, vc::Messaggi& suo) {
            Uscite u;
            const std::string nome = o.FileLotto[k].stem().string();
            for (const UscitaLotto* uscita : o.UsciteDelLotto) u.*(uscita->Campo) = *o.Lotto / (nome + uscita->Suffisso);
            return ElaboraTrave(o.FileLotto[k], u, o, imp, sep, suo, nullptr);
        },
        o.Risposta);

    bool tutti = true;
    bool guasto = false;
    for (std::size_t k = 0; k < esiti.size(); ++k) {
        tutti = tutti && esiti[k].Riuscito;
        guasto = guasto || esiti[k].ErroreInterno;
        const std::string prefisso = o.FileLotto[k].filename().string() + ": ";
        for (const std::string& testo : esiti[k].Messaggi) {
            std::istringstream righe(testo);
            for (std::string riga; std::getline(righe, riga);) {
                if (!riga.empty() && riga.back() == '\r') riga.pop_back();
                std::cerr << prefisso << riga << "\n";
            }
        }
    }
    std::cerr << std::flush;
    if (guasto) return vc::UscitaErroreInterno;
    return tutti ? Riuscito : Fallito;
}

int Esegue(const Opzioni& o) {
    vc::MessaggiSuStderr msg(o.Risposta);
    vc::Separatori sep = o.Sep;
    if (o.Sistema) {
        // The user's separators as the window reads them, so that both give the same listing
        // (the C library knows only the locales installed for it; Qt reads the locale's name).
        sep = vc::SeparatoriDaQLocale(QLocale::system());
        vc::ControllaImpostazioniInternazionali(sep, msg, true);
    }
    const vc::Impostazioni imp = ImpostazioniIniziali(o, msg);
    if (o.Lotto) return EsegueLotto(o, imp, sep, msg);

    const Uscite u{{o.Txt, o.Json, o.Dxf, o.Dwg, o.Blocco, o.Pdf, o.Relazione}, o.EsportaDati};
    std::string relazione;
    const bool riuscito =
        ElaboraTrave(o.FileDati, u, o, imp, sep, msg, u.EsportaDati && !u.Risultati() ? nullptr : &relazione);
    if (relazione.empty()) return riuscito ? Riuscito : Fallito;
    std::cout << relazione << std::flush;
    if (!std::cout) {
        msg.Mostra(ScritturaIncompleta, vc::Icona::Nessuna);
        return Fallito;
    }
    return riuscito ? Riuscito : Fallito;
}

// Whether the command line asks for a PDF file (the diagrams' page or the calculation report,
// of one beam or of a batch). Read before the application exists, which depends on it.
bool ChiedeStampa(int argc, char** argv) {
    const auto stampa = [](std::string_view elenco) {
        return elenco.find("pdf") != elenco.npos || elenco.find("relazione") != elenco.npos;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a.starts_with("--pdf") || a.starts_with("--relazione") || (a.starts_with("--uscite=") && stampa(a)) ||
            (a == "--uscite" && i + 1 < argc && stampa(argv[i + 1])))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    vc::InstallaGestoreTerminazione();
    // Printing needs the fonts of a graphical application; without a display it draws offscreen.
    const bool stampa = ChiedeStampa(argc, argv);
    if (stampa && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = stampa ? std::make_unique<QGuiApplication>(argc, argv)
                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velcora-cli"));
    // Qt takes the user's locale for the C library too; numbers in files are always read and
    // written with ".", and the listing gets its separators explicitly.
    std::setlocale(LC_NUMERIC, "C");

    // A programming error is told as an internal error, with a status of its own.
    try {
        const auto opzioni = LeggeOpzioni(QCoreApplication::arguments());
        if (const int* uscita = std::get_if<int>(&opzioni)) return *uscita;
        return Esegue(std::get<Opzioni>(opzioni));
    } catch (...) {
        vc::MessaggiSuStderr msg;
        return vc::ErroreInterno(vc::DescriveEccezioneCorrente(), msg);
    }
}
