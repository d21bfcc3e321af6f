#include "ui/MessaggiQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vc {

namespace {
QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Errore:
        return QMessageBox::Critical;
    case Icona::Avviso:
        return QMessageBox::Warning;
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

// A message box without a title shows the program's name, as the desktop expects.
QString Titolo(const std::string& titolo) {
    return titolo.empty() ? QApplication::applicationName() : QString::fromStdString(titolo);
}

QString Testo(const std::string& testo) {
    QString t = QString::fromStdString(testo);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}
} // namespace

void MessaggiQt::Mostra(const std::string& testo, Icona icona, const std::string& titolo) {
    QMessageBox box(IconaQt(icona), Titolo(titolo), Testo(testo), QMessageBox::Ok, genitore_);
    box.exec();
}

void MessaggiQt::MostraConDettagli(const std::string& testo, const std::string& dettagli, Icona icona) {
    QMessageBox box(IconaQt(icona), Titolo({}), Testo(testo), QMessageBox::Ok, genitore_);
    if (!dettagli.empty()) box.setDetailedText(Testo(dettagli));
    box.exec();
}

bool MessaggiQt::ChiediSiNo(const std::string& testo, Icona icona, const std::string& titolo) {
    return Domanda(testo, icona, titolo, true);
}

bool MessaggiQt::ChiediSiNoPrudente(const std::string& testo, Icona icona) {
    return Domanda(testo, icona, {}, false);
}

bool MessaggiQt::Domanda(const std::string& testo, Icona icona, const std::string& titolo,
                         bool siPredefinito) {
    QMessageBox box(IconaQt(icona), Titolo(titolo), Testo(testo), QMessageBox::NoButton, genitore_);
    QPushButton* si = box.addButton(QStringLiteral("&Sì"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(siPredefinito ? si : no);
    box.exec();
    return box.clickedButton() == si;
}

} // namespace vc
