// The main window's size and the split between input and results, kept from one run to the
// next in the window's settings file.

#include "ui/FrmMain.h"

#include <QScreen>
#include <QSettings>
#include <QSplitter>

#include <algorithm>

namespace vc {

namespace {

constexpr const char* ChiaveGeometria = "FinestraPrincipale/geometria";
constexpr const char* ChiaveDivisore = "FinestraPrincipale/divisore";

} // namespace

void FrmMain::DimensioneIniziale() {
    // The program's own size, within the screen, at its top left corner.
    if (const QScreen* schermo = screen()) {
        const QRect libero = schermo->availableGeometry();
        resize(std::min(1240, libero.width()), std::min(800, libero.height()));
        move(libero.topLeft());
    }
    if (fileFinestra_.empty()) return;
    const QSettings impostazioni(QString::fromStdString(fileFinestra_.string()), QSettings::IniFormat);
    // Qt keeps a restored window on the screens there are now.
    restoreGeometry(impostazioni.value(QLatin1String(ChiaveGeometria)).toByteArray());
    divisore_->restoreState(impostazioni.value(QLatin1String(ChiaveDivisore)).toByteArray());
}

void FrmMain::SalvaGeometria() const {
    if (fileFinestra_.empty()) return;
    QSettings impostazioni(QString::fromStdString(fileFinestra_.string()), QSettings::IniFormat);
    impostazioni.setValue(QLatin1String(ChiaveGeometria), saveGeometry());
    impostazioni.setValue(QLatin1String(ChiaveDivisore), divisore_->saveState());
}

} // namespace vc
