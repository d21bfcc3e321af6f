// velcora-cli: reads a beam from a data file or a JSON beam, checks and solves it as the main
// window does, and prints the listing of the results; it also converts a beam from one form to
// the other; on request it also writes the moment and shear diagrams
// (a DXF file, a CAD drawing, the blocks with their extended data). Messages go to standard
// error; the exit status is 0 on success, 1 when the data are refused, the calculation fails
// or an output cannot be written, 2 when the command line is wrong.

#include "app/RisultatiJson.h"
#include "app/StampaPdf.h"
#include "drawing/UsciteDiagrammi.h"
#include "drawing/core/ContestoDisegno.h"
#include "drawing/core/ErroreDisegno.h"
#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "calcolo/Calcolo.h"
#include "files/FileIni.h"
#include "files/FileTrave.h"
#include "files/FileSuDisco.h"
#include "files/Relazione.h"
#include "support/Errori.h"
#include "support/ImpostazioniInternazionali.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>

#include <clocale>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>

namespace {

constexpr int Riuscito = 0;
constexpr int Fallito = 1;
constexpr int ErroreUso = 2;

constexpr const char* ScritturaIncompleta = "Scrittura incompleta del file";

struct Combinazione {
    int StatoLimite = vc::SLU;
    int TipoSLE = vc::SLERara;
};

struct Opzioni {
    std::filesystem::path FileDati;
    std::optional<std::filesystem::path> Txt, Json, Ini, EsportaDati;
    std::optional<std::filesystem::path> Dxf, Dwg, Blocco, Pdf; // the diagrams
    std::optional<Combinazione> StatoLimite;
    std::optional<int> Punti; // without it, the JSON beam's own, or 100
    vc::Separatori Sep;
    bool Sistema = true;
    bool Risposta = true;
};

std::filesystem::path Percorso(const QString& testo) {
    return std::filesystem::path(testo.toStdString());
}

int Uso(const std::string& testo) {
    std::cerr << "velcora-cli: " << testo << "\n"
              << "Uso: velcora-cli [opzioni] FILE.vlr|FILE.json  (velcora-cli --help per le opzioni)\n";
    return ErroreUso;
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
    const QCommandLineOption esporta(QStringLiteral("esporta-dati"),
                                     QStringLiteral("Scrive i dati della trave in OUT: trave JSON se OUT finisce "
                                                    "con .json, altrimenti file dei dati .vlr. Senza altre uscite "
                                                    "non calcola."),
                                     QStringLiteral("OUT"));
    p.addOptions({aiuto, txt, json, stato, punti, ini, separatori, risposta, dxf, dwg, blocco, pdf, esporta});
    p.addPositionalArgument(QStringLiteral("FILE"),
                            QStringLiteral("La trave: un file dei dati .vlr o una trave JSON .json."));

    if (!p.parse(argomenti)) return Uso(p.errorText().toStdString());
    if (p.isSet(aiuto)) {
        std::cout << p.helpText().toStdString();
        return Riuscito;
    }

    Opzioni o;
    const QStringList file = p.positionalArguments();
    if (file.isEmpty()) return Uso("manca il file dei dati");
    if (file.size() > 1) return Uso("un solo file dei dati per volta");
    o.FileDati = Percorso(file.front());
    if (p.isSet(txt)) o.Txt = Percorso(p.value(txt));
    if (p.isSet(json)) o.Json = Percorso(p.value(json));
    if (p.isSet(ini)) o.Ini = Percorso(p.value(ini));
    if (p.isSet(dxf)) o.Dxf = Percorso(p.value(dxf));
    if (p.isSet(dwg)) o.Dwg = Percorso(p.value(dwg));
    if (p.isSet(blocco)) o.Blocco = Percorso(p.value(blocco));
    if (p.isSet(pdf)) o.Pdf = Percorso(p.value(pdf));
    if (p.isSet(esporta)) o.EsportaDati = Percorso(p.value(esporta));

    if (p.isSet(stato)) {
        const QString s = p.value(stato).toLower();
        if (s == QStringLiteral("slu"))
            o.StatoLimite = Combinazione{vc::SLU, vc::SLERara};
        else if (s == QStringLiteral("rara"))
            o.StatoLimite = Combinazione{vc::SLE, vc::SLERara};
        else if (s == QStringLiteral("frequente"))
            o.StatoLimite = Combinazione{vc::SLE, vc::SLEFrequente};
        else if (s == QStringLiteral("quasi-permanente"))
            o.StatoLimite = Combinazione{vc::SLE, vc::SLEQuasiPermanente};
        else
            return Uso("stato limite sconosciuto: " + p.value(stato).toStdString() +
                       " (SLU, rara, frequente, quasi-permanente)");
    }

    bool numero = true;
    if (p.isSet(punti)) o.Punti = p.value(punti).toInt(&numero);
    if (o.Punti && (!numero || *o.Punti < 1 || *o.Punti > 32767))
        return Uso("numero di punti non valido: " + p.value(punti).toStdString() + " (un intero da 1 a 32767)");

    const QString sep = p.value(separatori);
    o.Sistema = sep == QStringLiteral("sistema");
    if (sep == QStringLiteral("it"))
        o.Sep = vc::Separatori::Italiani();
    else if (sep == QStringLiteral("en"))
        o.Sep = vc::Separatori::Inglesi();
    else if (!o.Sistema)
        return Uso("separatori sconosciuti: " + sep.toStdString() + " (it, en, sistema)");

    const QString si = p.value(risposta);
    if (si != QStringLiteral("si") && si != QStringLiteral("no"))
        return Uso("risposta non valida: " + si.toStdString() + " (si, no)");
    o.Risposta = si == QStringLiteral("si");
    return o;
}

// The drawings asked for, each into its own file: the DXF file, and the diagrams or the blocks in
// a CAD drawing of their own. A drawing that cannot be made or saved is reported and stops.
bool ScriveDiagrammi(const Opzioni& o, const vc::Velcora& trave, const vc::Impostazioni& imp,
                     const vc::Separatori& sep, vc::Messaggi& msg) {
    try {
        if (o.Dxf) {
            vc::ContestoDisegno ctx(msg);
            vc::EsportaDiagrammiDxf(trave, imp, ctx, sep, *o.Dxf);
        }
        if (o.Dwg) {
            vc::ContestoDisegno ctx(msg);
            vc::DisegnaDiagrammiInCad(trave, imp, ctx, sep)->Salva(*o.Dwg);
        }
        if (o.Blocco) {
            vc::ContestoDisegno ctx(msg);
            vc::EsportaBloccoDiagrammi(trave, imp, ctx, sep)->Salva(*o.Blocco);
        }
        if (o.Pdf && !vc::StampaDiagrammiPdf(*o.Pdf, trave, imp, sep, msg)) return false;
    } catch (const vc::ErroreDisegno& e) {
        msg.Mostra(e.what(), vc::Icona::Errore);
        return false;
    }
    return true;
}

int Esegue(const Opzioni& o) {
    vc::MessaggiSuStderr msg(o.Risposta);
    vc::Separatori sep = o.Sep;
    if (o.Sistema) {
        sep = vc::SeparatoriDelSistema();
        vc::ControllaImpostazioniInternazionali(sep, msg, true);
    }

    // The settings file first, then the data file, whose own factors (from version 7.5) win.
    vc::Impostazioni imp;
    imp.PercorsoProgramma = QCoreApplication::applicationDirPath().toStdString();
    imp.PercorsoDati = QDir::currentPath().toStdString();
    const vc::PercorsiFileIni percorsiIni = o.Ini ? vc::PercorsiFileIni{*o.Ini, {}}
                                                  : vc::PercorsiFileIniPredefiniti(imp.PercorsoProgramma);
    vc::FileIniLeggeScrive(vc::Modo::Lettura, imp, msg, percorsiIni);

    vc::Velcora trave;
    if (vc::LeggeFileTrave(o.FileDati, trave, imp, msg)) return Fallito;
    if (o.EsportaDati) {
        if (vc::ScriveFileTrave(*o.EsportaDati, trave, imp, msg)) return Fallito;
        if (!o.Txt && !o.Json && !o.Dxf && !o.Dwg && !o.Blocco && !o.Pdf) return Riuscito;
    }
    // Without an option, the combination of the beam: a JSON beam names its SLE combination, a
    // data file has none and takes "rara".
    if (o.StatoLimite) {
        imp.StatoLimite = o.StatoLimite->StatoLimite;
        imp.TipoSLE = o.StatoLimite->TipoSLE;
    }
    if (o.Punti) trave.nDivisioniPlt = *o.Punti;
    if (!vc::EsegueCalcolo(trave, imp, msg).Riuscito()) return Fallito;

    std::ostringstream relazione;
    try {
        vc::RigheSuFlusso righe(relazione);
        vc::StampaRelazione(righe, trave, imp, sep);
    } catch (const vc::ErroreCalcolo& e) { // a result without a text
        vc::ErroreNeiDati(msg, e.what(), vc::CampoDati::Nessuno);
        return Fallito;
    }

    if (o.Json) {
        const QByteArray testo = QJsonDocument(vc::RisultatiJson(trave)).toJson(QJsonDocument::Indented);
        std::error_code ec;
        if (!vc::ScriveFileAtomico(*o.Json, std::string_view(testo.constData(), static_cast<std::size_t>(testo.size())),
                                   ec)) {
            msg.Mostra(ScritturaIncompleta, vc::Icona::Nessuna);
            return Fallito;
        }
    }

    if (!ScriveDiagrammi(o, trave, imp, sep, msg)) return Fallito;

    if (o.Txt) return vc::ScriveRelazioneSuFile(*o.Txt, trave, imp, sep, msg) ? Riuscito : Fallito;

    std::cout << relazione.str() << std::flush;
    if (!std::cout) {
        msg.Mostra(ScritturaIncompleta, vc::Icona::Nessuna);
        return Fallito;
    }
    return Riuscito;
}

} // namespace

int main(int argc, char** argv) {
    // Printing needs the fonts of a graphical application; without a display it draws offscreen.
    bool stampa = false;
    for (int i = 1; i < argc; ++i) stampa = stampa || std::string_view(argv[i]).starts_with("--pdf");
    if (stampa && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = stampa ? std::make_unique<QGuiApplication>(argc, argv)
                                                   : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velcora-cli"));
    // Qt takes the user's locale for the C library too; numbers in files are always read and
    // written with ".", and the listing gets its separators explicitly.
    std::setlocale(LC_NUMERIC, "C");

    const auto opzioni = LeggeOpzioni(QCoreApplication::arguments());
    if (const int* uscita = std::get_if<int>(&opzioni)) return *uscita;
    return Esegue(std::get<Opzioni>(opzioni));
}
