#include "ui/ApplicazioneVelcora.h"

#include "support/ErroreInterno.h"
#include "ui/MessaggiQt.h"

namespace vc {

bool ConsegnaEvento(const std::function<bool()>& consegna, Messaggi& msg) {
    static bool inCorso = false; // the message box of the report runs events of its own
    try {
        return consegna();
    } catch (...) {
        MessaggiSuStderr terminale;
        Messaggi& dove = inCorso ? static_cast<Messaggi&>(terminale) : msg;
        inCorso = true;
        ErroreInterno(DescriveEccezioneCorrente(), dove);
        QCoreApplication::exit(UscitaErroreInterno);
        return false;
    }
}

ApplicazioneVelcora::ApplicazioneVelcora(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicazioneVelcora::notify(QObject* destinatario, QEvent* evento) {
    MessaggiQt msg;
    return ConsegnaEvento([&] { return QApplication::notify(destinatario, evento); }, msg);
}

} // namespace vc
