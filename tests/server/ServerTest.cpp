#include "server/Registrazione.h"
#include "server/ServerVelcora.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vc {
namespace {

// Calls the service from another connection and waits for the answer, letting the service
// (in this same thread) answer meanwhile.
QDBusMessage Chiama(QDBusConnection& client, const QString& interfaccia, const QString& metodo,
                    const QVariantList& argomenti) {
    QDBusMessage m = QDBusMessage::createMethodCall(QString::fromLatin1(NomeServizio),
                                                    QString::fromLatin1(PercorsoOggetto), interfaccia, metodo);
    m.setArguments(argomenti);
    QDBusPendingCallWatcher w(client.asyncCall(m));
    QEventLoop ciclo;
    QObject::connect(&w, &QDBusPendingCallWatcher::finished, &ciclo, &QEventLoop::quit);
    if (!w.isFinished()) ciclo.exec();
    return w.reply();
}

TEST(Server, UnClienteImpostaLaCartellaDeiDati) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "serve un bus di sessione (dbus-run-session)";
    Impostazioni imp;
    imp.PercorsoDati = "/iniziale";
    ServerVelcora server(imp);
    ASSERT_TRUE(server.Pubblica());
    // A second server cannot take the name: one program answers.
    Impostazioni altre;
    ServerVelcora secondo(altre);
    EXPECT_FALSE(secondo.Pubblica(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "secondo")));

    QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
    const QString interfaccia = QStringLiteral("VelcoraDwg.Server");
    const QDBusMessage r = Chiama(client, interfaccia, QStringLiteral("SettaPercorsoDati"), {QStringLiteral("/progetti/ponte")});
    EXPECT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();
    EXPECT_EQ(imp.PercorsoDati, "/progetti/ponte");

    const QDBusMessage p = Chiama(client, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                  {interfaccia, QStringLiteral("PercorsoDati")});
    ASSERT_EQ(p.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(p.arguments().at(0).value<QDBusVariant>().variant().toString(), QStringLiteral("/progetti/ponte"));

    // An empty folder is taken as it is: the Open dialog then starts in the current folder.
    Chiama(client, interfaccia, QStringLiteral("SettaPercorsoDati"), {QString()});
    EXPECT_EQ(imp.PercorsoDati, "");
}

TEST(Registrazione, ScriveERimuoveIFileDellUtente) {
    QTemporaryDir dati;
    QString errore;
    ASSERT_TRUE(RegistraPerUtente(QStringLiteral("/opt/velcora nuovo/bin/velcora"), dati.path(), &errore))
        << errore.toStdString();
    const QStringList file = FileRegistrazione(dati.path());
    ASSERT_EQ(file.size(), 4);
    for (const QString& f : file) EXPECT_TRUE(QFile::exists(f)) << f.toStdString();

    QFile servizio(file[0]);
    ASSERT_TRUE(servizio.open(QIODevice::ReadOnly));
    EXPECT_EQ(servizio.readAll(), QByteArray("[D-BUS Service]\nName=VelcoraDwg.Server\n"
                                             "Exec=\"/opt/velcora nuovo/bin/velcora\" --server\n"));
    QFile desktop(file[1]);
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QByteArray d = desktop.readAll();
    EXPECT_TRUE(d.contains("Exec=\"/opt/velcora nuovo/bin/velcora\" %f")) << d.toStdString();
    EXPECT_TRUE(d.contains("MimeType=application/x-velcora;"));
    QFile mime(file[2]);
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mime.readAll().contains("<glob pattern=\"*.vlr\"/>"));

    ASSERT_TRUE(RimuoviPerUtente(dati.path(), &errore));
    for (const QString& f : file) EXPECT_FALSE(QFile::exists(f)) << f.toStdString();
    EXPECT_TRUE(RimuoviPerUtente(dati.path(), &errore)); // nothing left to remove is no failure
}

} // namespace
} // namespace vc
