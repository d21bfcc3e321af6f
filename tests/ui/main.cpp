// The window tests run on Qt's offscreen platform unless another is asked for, with the
// program's name set as the windows expect.

#include "support/ErroreInterno.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <exception>

namespace {

// An exception that leaves an event handler unwinds through Qt and through any modal window's
// event loop, which Qt does not survive (the program itself stops with an internal error):
// here it fails the test that caused it, where it was thrown.
class ApplicazioneDiProva final : public QApplication {
  public:
    using QApplication::QApplication;
    bool notify(QObject* destinatario, QEvent* evento) override {
        try {
            return QApplication::notify(destinatario, evento);
        } catch (...) {
            ADD_FAILURE() << "eccezione uscita da un gestore di eventi: " << vc::DescriveEccezioneCorrente();
            return false;
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplicazioneDiProva app(argc, argv);
    // Nothing a test writes into the user's data folder (the recovery file) is the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setApplicationName(QStringLiteral("Velcora"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
