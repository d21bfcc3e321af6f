// velcora: the program's main window. The words of the command line name a data file to open
// at start; "--server" marks a start by an automation client (the bus service), which then
// hands the program its data folder; "--screenshot DIR" saves pictures of the windows and ends;
// "--registra" and "--rimuovi" register the program for the user (service, desktop entry, icon,
// .vlr type) or remove that registration, and end; "--help" lists these options. The manual
// pages in doc/man describe the same options, and a test holds them to this list.

#include "app/Istantanee.h"
#include "server/Registrazione.h"
#include "server/ServerVelcora.h"
#include "support/ErroreInterno.h"
#include "support/Messaggi.h"
#include "ui/ApplicazioneVelcora.h"
#include "ui/FrmMain.h"
#include "ui/MessaggiQt.h"
#include "ui/SeparatoriQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTranslator>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {
constexpr const char* TestoAiuto =
    "Uso: velcora [opzioni] [FILE.vlr]\n"
    "Apre la finestra di Velcora sul file dei dati indicato (le parole della riga di comando,\n"
    "unite da spazi, sono il nome del file).\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help          Mostra questo aiuto.\n"
    "  --registra          Registra il programma per l'utente (servizio del bus, voce del menu,\n"
    "                      icona, tipo dei file .vlr) ed esce.\n"
    "  --rimuovi           Toglie la registrazione per l'utente ed esce.\n"
    "  --server            Avvio da un programma cliente attraverso il bus di sessione, che poi\n"
    "                      indica la cartella dei dati (lo passa il servizio VelcoraDwg.Server).\n"
    "  --screenshot DIR    Salva nella cartella DIR le immagini delle finestre ed esce.\n";

// Registration for the current user (the bus service, desktop entry, icon and .vlr type), or
// its removal: no window, so it works without a display.
int Registrazione(int argc, char** argv, bool registra) {
    QCoreApplication app(argc, argv);
    QString errore;
    const bool ok = registra ? vc::RegistraPerUtente(QCoreApplication::applicationFilePath(), vc::CartellaDatiUtente(), &errore)
                             : vc::RimuoviPerUtente(vc::CartellaDatiUtente(), &errore);
    if (!ok) vc::MessaggiSuStderr().Mostra(errore.toStdString(), vc::Icona::Errore);
    return ok ? 0 : 1;
}

// Keeps the window's recovery file registered for an internal error while the window lives.
class RecuperoFinestra {
  public:
    explicit RecuperoFinestra(vc::FrmMain& finestra) {
        vc::ImpostaSalvataggioRecupero([&finestra] { return finestra.SalvaRecupero(); });
    }
    ~RecuperoFinestra() { vc::ImpostaSalvataggioRecupero({}); }
    RecuperoFinestra(const RecuperoFinestra&) = delete;
    RecuperoFinestra& operator=(const RecuperoFinestra&) = delete;
};

int Esegue(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string parola(argv[i]);
        if (parola == "--help" || parola == "-h") {
            std::cout << TestoAiuto;
            return 0;
        }
        if (parola == "--registra" || parola == "--rimuovi") return Registrazione(argc, argv, parola == "--registra");
    }
    vc::ApplicazioneVelcora app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(vc::FrmMain::NomeProgramma));
    QApplication::setApplicationVersion(QStringLiteral(VELCORA_VERSIONE));

    // Qt's own dialogs (files, printer, message buttons) speak the program's language.
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    QStringList parole = QApplication::arguments();
    parole.removeFirst();


    const bool daServer = parole.removeAll(QString::fromLatin1(vc::OpzioneAvviatoDaServer)) > 0;
    QString cartellaIstantanee;
    if (const qsizetype i = parole.indexOf(QStringLiteral("--screenshot")); i >= 0 && i + 1 < parole.size()) {
        cartellaIstantanee = parole.at(i + 1);
        parole.remove(i, 2);
    }

    // The user's separators, read once.
    const vc::Separatori sep = vc::SeparatoriDaQLocale(QLocale::system());

    // Pictures are taken without anybody to answer a message: messages go to the terminal.
    std::unique_ptr<vc::Messaggi> messaggiTerminale;
    if (!cartellaIstantanee.isEmpty()) messaggiTerminale = std::make_unique<vc::MessaggiSuStderr>(true);

    vc::FrmMain finestra(sep, messaggiTerminale.get());
    const RecuperoFinestra recupero(finestra);
    vc::ServerVelcora server(finestra.Imp());
    finestra.Imp().AvviatoDaServer = daServer;
    server.Pubblica(); // a second Velcora, or no session bus: the program runs without the service

    vc::AvvioProgramma avvio;
    avvio.CartellaProgramma = std::filesystem::path(QApplication::applicationDirPath().toStdString());
    std::error_code ec;
    avvio.CartellaCorrente = std::filesystem::current_path(ec);
    for (const QString& p : parole) avvio.RigaComando.push_back(p.toStdString());
    // The window's size and split, beside the user's factors; pictures are taken at the
    // window's own size.
    if (cartellaIstantanee.isEmpty())
        avvio.FileFinestra = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VelcoraDwg"),
                                       QStringLiteral("finestra"))
                                 .fileName()
                                 .toStdString();
    try {
        finestra.Avvia(avvio);
        if (!cartellaIstantanee.isEmpty()) return vc::SalvaIstantanee(finestra, cartellaIstantanee) ? 0 : 1;
        finestra.show();
        return QApplication::exec();
    } catch (...) {
        // Outside the event loop, with the window still there to save its unsaved work.
        vc::MessaggiQt finestre;
        return vc::ErroreInterno(vc::DescriveEccezioneCorrente(),
                                 messaggiTerminale ? *messaggiTerminale : static_cast<vc::Messaggi&>(finestre));
    }
}

} // namespace

// A programming error ends the program with an internal error (support/ErroreInterno.h):
// inside the event loop ApplicazioneVelcora catches it, at start-up Esegue, before the window
// goes, so that the window's recovery file is saved; before the window exists this catch
// tells it on the terminal; anything that escapes even these ends in the terminate handler.
int main(int argc, char** argv) {
    vc::InstallaGestoreTerminazione();
    try {
        return Esegue(argc, argv);
    } catch (...) {
        vc::MessaggiSuStderr msg; // the window has gone with the application object
        return vc::ErroreInterno(vc::DescriveEccezioneCorrente(), msg);
    }
}
