#include "server/Registrazione.h"

#include "server/ServerVelcora.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

// The desktop files are compiled into the program; a static library needs its resources
// brought in by name.
static void CaricaRisorseDesktop() { Q_INIT_RESOURCE(desktop); }

namespace vc {

namespace {
QString Servizio(const QString& d) { return d + QStringLiteral("/dbus-1/services/VelcoraDwg.Server.service"); }
QString Desktop(const QString& d) { return d + QStringLiteral("/applications/velcora.desktop"); }
QString Mime(const QString& d) { return d + QStringLiteral("/mime/packages/velcora.xml"); }
QString Icona(const QString& d) { return d + QStringLiteral("/icons/hicolor/scalable/apps/velcora.svg"); }

QByteArray Risorsa(const QString& nome) {
    CaricaRisorseDesktop();
    QFile f(QStringLiteral(":/desktop/") + nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Written whole or not at all.
bool Scrive(const QString& percorso, const QByteArray& contenuto, QString* errore) {
    if (!QDir().mkpath(QFileInfo(percorso).absolutePath())) {
        if (errore) *errore = QStringLiteral("Impossibile creare la cartella di ") + percorso;
        return false;
    }
    QSaveFile f(percorso);
    if (!f.open(QIODevice::WriteOnly) || f.write(contenuto) != contenuto.size() || !f.commit()) {
        if (errore) *errore = QStringLiteral("Impossibile scrivere ") + percorso;
        return false;
    }
    return true;
}

// The desktop's MIME cache is refreshed when the tool is there; the entry works without it
// on the next login.
void AggiornaDatabaseMime(const QString& cartellaDati) {
    const QString programma = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!programma.isEmpty()) QProcess::execute(programma, {cartellaDati + QStringLiteral("/mime")});
}

// Exec lines quote the path when it holds blanks.
QString Comando(const QString& eseguibile) {
    return eseguibile.contains(QLatin1Char(' ')) ? QLatin1Char('"') + eseguibile + QLatin1Char('"') : eseguibile;
}
} // namespace

QString CartellaDatiUtente() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QStringList FileRegistrazione(const QString& d) { return {Servizio(d), Desktop(d), Mime(d), Icona(d)}; }

bool RegistraPerUtente(const QString& eseguibile, const QString& d, QString* errore) {
    const QString exec = Comando(QFileInfo(eseguibile).absoluteFilePath());
    const QByteArray servizio = QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2 %3\n")
                                    .arg(QString::fromLatin1(NomeServizio), exec,
                                         QString::fromLatin1(OpzioneAvviatoDaServer))
                                    .toUtf8();
    QByteArray desktop = Risorsa(QStringLiteral("velcora.desktop"));
    desktop.replace("Exec=velcora ", ("Exec=" + exec + QLatin1Char(' ')).toUtf8());
    const bool ok = Scrive(Servizio(d), servizio, errore) && Scrive(Desktop(d), desktop, errore) &&
                    Scrive(Mime(d), Risorsa(QStringLiteral("velcora-mime.xml")), errore) &&
                    Scrive(Icona(d), Risorsa(QStringLiteral("velcora.svg")), errore);
    if (ok) AggiornaDatabaseMime(d);
    return ok;
}

bool RimuoviPerUtente(const QString& d, QString* errore) {
    bool ok = true;
    for (const QString& f : FileRegistrazione(d)) {
        if (QFile::exists(f) && !QFile::remove(f)) {
            ok = false;
            if (errore) *errore = QStringLiteral("Impossibile rimuovere ") + f;
        }
    }
    AggiornaDatabaseMime(d);
    return ok;
}

} // namespace vc
