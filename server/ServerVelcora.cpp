#include "server/ServerVelcora.h"

namespace vc {

ServerVelcora::ServerVelcora(Impostazioni& impostazioni, QObject* genitore)
    : QObject(genitore), impostazioni_(impostazioni) {}

bool ServerVelcora::Pubblica(QDBusConnection bus) {
    if (!bus.isConnected()) return false;
    if (!bus.registerObject(QString::fromLatin1(PercorsoOggetto), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties))
        return false;
    if (!bus.registerService(QString::fromLatin1(NomeServizio))) {
        bus.unregisterObject(QString::fromLatin1(PercorsoOggetto));
        return false;
    }
    return true;
}

QString ServerVelcora::PercorsoDati() const { return QString::fromStdString(impostazioni_.PercorsoDati); }

void ServerVelcora::SettaPercorsoDati(const QString& Percorso) {
    impostazioni_.PercorsoDati = Percorso.toStdString();
    emit PercorsoDatiCambiato(Percorso);
}

} // namespace vc
