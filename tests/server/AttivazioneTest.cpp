// End to end: the program registered for a user is started by the bus when a client calls
// the service, and takes the data folder the client hands it. The bus is a private one whose
// service folder is the registration's, so the test touches nothing of the machine's.

#include "server/ServerVelcora.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace vc {
namespace {

class BusPrivato {
public:
    explicit BusPrivato(const QString& cartellaServizi, const QString& config) {
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly)) return;
        f.write(QStringLiteral("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                               "<servicedir>%1</servicedir><policy context=\"default\">"
                               "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                               "<allow own=\"*\"/></policy></busconfig>")
                    .arg(cartellaServizi)
                    .toUtf8());
        f.close();
        demone_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                       QStringLiteral("--print-address")});
        if (demone_.waitForReadyRead(10000)) indirizzo_ = QString::fromUtf8(demone_.readLine()).trimmed();
    }
    ~BusPrivato() {
        demone_.kill();
        demone_.waitForFinished(5000);
    }
    const QString& Indirizzo() const { return indirizzo_; }

private:
    QProcess demone_;
    QString indirizzo_;
};

QDBusMessage Chiama(QDBusConnection& bus, const QString& servizio, const QString& percorso, const QString& interfaccia,
                    const QString& metodo, const QVariantList& argomenti) {
    QDBusMessage m = QDBusMessage::createMethodCall(servizio, percorso, interfaccia, metodo);
    m.setArguments(argomenti);
    return bus.call(m, QDBus::Block, 60000);
}

TEST(AvvioDaServer, IlBusAvviaIlProgrammaCheRiceveLaCartellaDeiDati) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString dati = tmp.filePath(QStringLiteral("dati"));

    // velcora --registra, for a user whose data folder is the temporary one.
    QProcess registra;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dati);
    registra.setProcessEnvironment(env);
    registra.start(QStringLiteral(VELCORA_PROGRAMMA), {QStringLiteral("--registra")});
    ASSERT_TRUE(registra.waitForFinished(30000));
    ASSERT_EQ(registra.exitCode(), 0) << registra.readAllStandardError().toStdString();
    ASSERT_TRUE(QFile::exists(dati + QStringLiteral("/dbus-1/services/VelcoraDwg.Server.service")));

    BusPrivato bus(dati + QStringLiteral("/dbus-1/services"), tmp.filePath(QStringLiteral("bus.conf")));
    ASSERT_FALSE(bus.Indirizzo().isEmpty()) << "dbus-daemon non avviato";
    QDBusConnection client = QDBusConnection::connectToBus(bus.Indirizzo(), QStringLiteral("cliente"));
    ASSERT_TRUE(client.isConnected());

    // What the started program sees: this bus, no display, a configuration folder of its own.
    const QString dbus = QStringLiteral("org.freedesktop.DBus");
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QMap<QString, QString> ambiente{{QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.Indirizzo()},
                                    {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
                                    {QStringLiteral("XDG_CONFIG_HOME"), tmp.filePath(QStringLiteral("config"))}};
    const QDBusMessage a = Chiama(client, dbus, QStringLiteral("/org/freedesktop/DBus"), dbus,
                                  QStringLiteral("UpdateActivationEnvironment"), {QVariant::fromValue(ambiente)});
    ASSERT_EQ(a.type(), QDBusMessage::ReplyMessage) << a.errorMessage().toStdString();

    const QString servizio = QString::fromLatin1(NomeServizio);
    const QString oggetto = QString::fromLatin1(PercorsoOggetto);
    const QDBusMessage r = Chiama(client, servizio, oggetto, QStringLiteral("VelcoraDwg.Server"),
                                  QStringLiteral("SettaPercorsoDati"), {QStringLiteral("/progetti/ponte sul Po")});
    ASSERT_EQ(r.type(), QDBusMessage::ReplyMessage) << r.errorMessage().toStdString();

    const QDBusMessage p = Chiama(client, servizio, oggetto, QStringLiteral("org.freedesktop.DBus.Properties"),
                                  QStringLiteral("Get"), {QStringLiteral("VelcoraDwg.Server"), QStringLiteral("PercorsoDati")});
    ASSERT_EQ(p.type(), QDBusMessage::ReplyMessage) << p.errorMessage().toStdString();
    EXPECT_EQ(p.arguments().at(0).value<QDBusVariant>().variant().toString(), QStringLiteral("/progetti/ponte sul Po"));

    // The program the bus started ends with the test.
    const QDBusMessage pid = Chiama(client, dbus, QStringLiteral("/org/freedesktop/DBus"), dbus,
                                    QStringLiteral("GetConnectionUnixProcessID"), {servizio});
    ASSERT_EQ(pid.type(), QDBusMessage::ReplyMessage);
    ::kill(static_cast<pid_t>(pid.arguments().at(0).toUInt()), SIGTERM);
}

} // namespace
} // namespace vc
