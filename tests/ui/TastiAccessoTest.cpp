// Access keys: every item of every menu has its own letter within its menu, and the menu bar's
// letters clash neither among themselves nor with the commands of the window (Alt+letter would
// then be ambiguous and do nothing). Written over whatever menus and commands the windows hold,
// so that a menu added later is checked as well.

#include "AiutoDialoghi.h"
#include "AiutoFrmMain.h"

#include "ui/FrmDecalage.h"
#include "ui/FrmElastici.h"
#include "ui/FrmFconc.h"
#include "ui/FrmGamma.h"
#include "ui/FrmInfor.h"
#include "ui/FrmRidist.h"
#include "ui/FrmSceltaPsi.h"
#include "ui/FrmSez.h"
#include "ui/FrmVisualCar.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vc {
namespace {

using prova::Controllo;

// The access key of a caption, lower case; a null character when it has none ("&&" is a
// plain ampersand).
QChar Lettera(const QString& testo) {
    for (qsizetype i = 0; i + 1 < testo.size(); ++i) {
        if (testo[i] != QLatin1Char('&')) continue;
        if (testo[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return testo[i + 1].toLower();
    }
    return {};
}

// Adds to `problemi` every caption without a key and every key used twice in one group.
void Controlla(const std::string& gruppo, const std::vector<QString>& didascalie, bool obbligatorie,
               std::vector<std::string>& problemi) {
    std::map<QChar, QString> usate;
    for (const QString& d : didascalie) {
        const QChar c = Lettera(d);
        if (c.isNull()) {
            if (obbligatorie) problemi.push_back(gruppo + ": \"" + d.toStdString() + "\" senza tasto di accesso");
            continue;
        }
        const auto [it, nuova] = usate.emplace(c, d);
        if (!nuova)
            problemi.push_back(gruppo + ": \"" + it->second.toStdString() + "\" e \"" + d.toStdString() +
                               "\" con lo stesso tasto");
    }
}

// A menu and its submenus: every item needs a key of its own.
void ControllaMenu(const QMenu& menu, std::set<const QMenu*>& visti, std::vector<std::string>& problemi) {
    if (!visti.insert(&menu).second) return;
    std::vector<QString> voci;
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator()) continue;
        voci.push_back(a->text());
        if (a->menu() != nullptr) ControllaMenu(*a->menu(), visti, problemi);
    }
    Controlla("menu " + menu.title().toStdString(), voci, true, problemi);
}

// The commands of the window itself (buttons, labels of fields), not those of its own windows.
std::vector<QString> Comandi(const QWidget& finestra) {
    std::vector<QString> c;
    for (const QAbstractButton* b : finestra.findChildren<QAbstractButton*>())
        if (b->window() == &finestra) c.push_back(b->text());
    for (const QLabel* l : finestra.findChildren<QLabel*>())
        if (l->window() == &finestra && l->buddy() != nullptr) c.push_back(l->text());
    return c;
}

// Every menu of the window, and the window's own keys: the menu bar's titles and the commands
// share Alt+letter.
std::vector<std::string> Problemi(const QWidget& finestra) {
    std::vector<std::string> problemi;
    std::vector<QString> tasti = Comandi(finestra);
    const std::string nome = finestra.objectName().toStdString();
    std::set<const QMenu*> visti;
    for (const QMenuBar* barra : finestra.findChildren<QMenuBar*>()) {
        if (barra->window() != &finestra) continue;
        for (const QAction* a : barra->actions()) {
            tasti.push_back(a->text());
            if (a->menu() != nullptr) ControllaMenu(*a->menu(), visti, problemi);
        }
    }
    // Menus of its own outside the bar (a grid's or a button's menu).
    for (const QMenu* m : finestra.findChildren<QMenu*>())
        if (m->parentWidget() != nullptr && m->parentWidget()->window() == &finestra) ControllaMenu(*m, visti, problemi);
    Controlla("finestra " + nome, tasti, false, problemi);
    return problemi;
}

std::string Elenco(const std::vector<std::string>& problemi) {
    std::string s;
    for (const std::string& p : problemi) s.append(p).append("\n");
    return s;
}

class TastiFinestraPrincipale : public prova::FinestraPrincipale {};

TEST_F(TastiFinestraPrincipale, OgniMenuHaTastiDiAccessoUnici) {
    Avvia();
    Controllo<QGroupBox>(*w, "FrDiagrammi")->show(); // the diagram commands, with their keys, as after a calculation
    EXPECT_EQ(Elenco(Problemi(*w)), "");
    // "Salva con nome..." answers its own letter, not that of "Apri...".
    EXPECT_EQ(Lettera(Menu("mnuFileItem3")->text()), QLatin1Char('v'));

    // A decalage item checked keeps a key in its caption "Decalage con c = ...".
    Menu("mnuOpzioniItem2")->trigger();
    auto* decalage = w->findChild<FrmDecalage*>();
    ASSERT_NE(decalage, nullptr);
    EXPECT_EQ(Elenco(Problemi(*decalage)), "");
    decalage->close();
    QApplication::processEvents();
    EXPECT_TRUE(Menu("mnuOpzioniItem2")->isChecked());
    EXPECT_TRUE(Menu("mnuOpzioniItem2")->text().contains(QStringLiteral("con c =")));
    Menu("mnuOpzioniItem3")->trigger();
    if (auto* sovrapposto = w->findChild<FrmDecalage*>()) sovrapposto->close();
    QApplication::processEvents();
    EXPECT_TRUE(Menu("mnuOpzioniItem3")->text().contains(QStringLiteral("con c =")));
    EXPECT_EQ(Elenco(Problemi(*w)), "");
}

TEST(TastiDialoghi, OgniDialogoHaTastiDiAccessoUnici) {
    const Separatori sep = Separatori::Italiani();
    MessaggiRegistrati msg;
    Velcora t;
    t.nCampate(2);
    t.nSezioni(1);
    t.CreaArraySezioni();
    t.VincoloSinistro = 3;
    Impostazioni imp;
    std::vector<std::unique_ptr<QWidget>> dialoghi;
    dialoghi.push_back(std::make_unique<FrmSez>(t, sep, msg));
    dialoghi.push_back(std::make_unique<FrmElastici>(t, sep, msg));
    dialoghi.push_back(std::make_unique<FrmFconc>(t, std::vector<double>{5.0, 4.0}, sep, msg));
    dialoghi.push_back(std::make_unique<FrmGamma>(imp, sep, msg, PercorsiFileIni{}));
    dialoghi.push_back(std::make_unique<FrmRidist>(imp, sep));
    dialoghi.push_back(std::make_unique<FrmSceltaPsi>(sep));
    dialoghi.push_back(std::make_unique<FrmDecalage>(t, 2, sep));
    dialoghi.push_back(std::make_unique<FrmVisualCar>(t));
    dialoghi.push_back(std::make_unique<FrmInfor>(QStringLiteral("1.0")));
    for (const auto& d : dialoghi) EXPECT_EQ(Elenco(Problemi(*d)), "") << d->objectName().toStdString();
}

} // namespace
} // namespace vc
