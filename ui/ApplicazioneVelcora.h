#pragma once
// The application object of the window program. An exception that reaches the event loop is a
// programming error (every failure the user can cause is told where it happens): it is
// reported as an internal error, the unsaved work goes to the recovery file the beam document
// has registered (support/ErroreInterno.h), and the program ends with UscitaErroreInterno.

#include "support/Messaggi.h"

#include <QApplication>
#include <functional>

namespace vc {

// Delivers one event through consegna. An exception out of it is reported through msg as an
// internal error (once: a fault while reporting goes to standard error only), the recovery
// file is saved and the event loop is asked to end with UscitaErroreInterno.
bool ConsegnaEvento(const std::function<bool()>& consegna, Messaggi& msg);

class ApplicazioneVelcora final : public QApplication {
  public:
    ApplicazioneVelcora(int& argc, char** argv);
    bool notify(QObject* destinatario, QEvent* evento) override;
};

} // namespace vc
