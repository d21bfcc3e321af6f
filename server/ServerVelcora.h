#pragma once
// The automation service: another program (one that manages a project's folders, say) starts
// Velcora through the session bus and tells it which folder holds the project's data files.
// Service "VelcoraDwg.Server", object "/Server", interface "VelcoraDwg.Server".

#include "engine/Impostazioni.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace vc {

inline constexpr const char* NomeServizio = "VelcoraDwg.Server";
inline constexpr const char* PercorsoOggetto = "/Server";

class ServerVelcora : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "VelcoraDwg.Server")
    Q_PROPERTY(QString PercorsoDati READ PercorsoDati)

public:
    // The settings the service writes: PercorsoDati, and AvviatoDaServer when the program was
    // started by a client.
    explicit ServerVelcora(Impostazioni& impostazioni, QObject* genitore = nullptr);

    // Offers the object on the bus under the service name; false when another program owns
    // the name already (a second Velcora) or the bus cannot be reached.
    bool Pubblica(QDBusConnection bus = QDBusConnection::sessionBus());

    QString PercorsoDati() const;

public slots:
    // The folder where the next Open, Save-As, listing and example dialogs start. It is not
    // checked here: the Open command falls back to the current folder when it does not exist.
    void SettaPercorsoDati(const QString& Percorso);

signals:
    void PercorsoDatiCambiato(const QString& percorso);

private:
    Impostazioni& impostazioni_;
};

} // namespace vc
