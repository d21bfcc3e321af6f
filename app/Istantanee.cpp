#include "app/Istantanee.h"

#include "engine/CopriferroDecalage.h"
#include "files/GestioneFile.h"
#include "files/FileIni.h"
#include "support/Messaggi.h"
#include "ui/FrmDecalage.h"
#include "ui/FrmDiagramma.h"
#include "ui/FrmElastici.h"
#include "ui/FrmFconc.h"
#include "ui/FrmGamma.h"
#include "ui/FrmInfor.h"
#include "ui/FrmMain.h"
#include "ui/FrmRidist.h"
#include "ui/FrmSceltaPsi.h"
#include "ui/FrmSez.h"
#include "ui/FrmVisualCar.h"

#include <QApplication>

#include <utility>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <iostream>

namespace vc {

namespace {

void Attende() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Salva(QWidget& w, const QDir& cartella, const QString& nome) {
    Attende();
    const QString percorso = cartella.filePath(nome + QStringLiteral(".png"));
    const bool ok = w.grab().save(percorso);
    std::cerr << (ok ? "salvata " : "NON salvata ") << percorso.toStdString() << '\n';
    return ok;
}

template <class Finestra>
bool Dialogo(Finestra& d, const QDir& cartella, const QString& nome) {
    d.show();
    const bool ok = Salva(d, cartella, nome);
    d.hide();
    return ok;
}

// A beam of the examples beside the one shown, for the windows that show more with it (loads,
// elastic ends); the beam shown when that example is not there.
Velcora EsempioOppure(const FrmMain& finestra, const char* nome) {
    const std::filesystem::path percorso = std::filesystem::path(finestra.Imp().PercorsoDati) / nome;
    Velcora t;
    Impostazioni imp;
    MessaggiSuStderr msg;
    std::error_code ec;
    if (std::filesystem::exists(percorso, ec) && LeggeFileDati(percorso, t, imp, msg)) return t;
    return finestra.Trave();
}

} // namespace

bool SalvaIstantanee(FrmMain& finestra, const QString& cartella) {
    QDir dir;
    if (!dir.mkpath(cartella)) return false;
    dir.setPath(cartella);

    // The main window as large as the screen, so that each screen size shows its own layout.
    if (const QScreen* schermo = finestra.screen()) finestra.setGeometry(schermo->availableGeometry());
    finestra.show();
    Attende();
    bool ok = true;
    if (auto* calcolo = finestra.findChild<QPushButton*>(QStringLiteral("cbCalcolo"))) calcolo->click();
    ok &= Salva(finestra, dir, QStringLiteral("frmMain"));

    // The diagram windows of the calculated example, at a size an engineer would give them
    // (within the screen), the load diagram with every load shown.
    TabellaVisualCarichi tutti{};
    for (auto& riga : tutti) riga.fill(true);
    finestra.Trave().VisualCar(tutti);
    for (const auto& [tipo, nome] : {std::pair{TipoDiagramma::Momenti, "DiagrammaMomenti"},
                                     std::pair{TipoDiagramma::Tagli, "DiagrammaTagli"},
                                     std::pair{TipoDiagramma::Carichi, "DiagrammaCarichi"}}) {
        FrmDiagramma d(tipo, finestra.Trave(), finestra.Imp(), finestra.Sep(),
                       finestra.Msg(), &finestra);
        QSize dimensioni(1100, 650);
        if (const QScreen* schermo = finestra.screen())
            dimensioni = dimensioni.boundedTo(schermo->availableGeometry().size());
        d.resize(dimensioni);
        d.show();
        Attende();
        ok &= Salva(d, dir, QString::fromLatin1(nome));
        d.close();
    }

    const Separatori& sep = finestra.Sep();
    {
        FrmGamma d(finestra.Imp(), sep, finestra.Msg(), PercorsiFileIniPredefiniti(finestra.Imp().PercorsoProgramma),
                   &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmGamma"));
    }
    {
        FrmSceltaPsi d(sep, &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmSceltaPsi"));
    }
    {
        Velcora t = EsempioOppure(finestra, "vincoli_elastici_pilastri.vlr");
        FrmElastici d(t, sep, finestra.Msg(), &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmElastici"));
    }
    {
        Velcora t = EsempioOppure(finestra, "carichi_concentrati_slu.vlr");
        FrmFconc d(t, FrmFconc::LuciDellaTrave(t), sep, finestra.Msg(), &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmFconc"));
    }
    {
        Velcora t = finestra.Trave();
        FrmSez d(t, sep, finestra.Msg(), &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmSez"));
    }
    {
        FrmRidist d(finestra.Imp(), sep, &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("FrmRidist"));
    }
    {
        FrmDecalage d(finestra.Trave(), VoceDecalage, sep, &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("FrmDecalage"));
    }
    {
        FrmVisualCar d(finestra.Trave(), &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("frmVisualCar"));
    }
    {
        FrmInfor d(QApplication::applicationVersion(), &finestra);
        ok &= Dialogo(d, dir, QStringLiteral("FrmInfor"));
    }
    return ok;
}

} // namespace vc
