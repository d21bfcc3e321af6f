#include "AiutoFinestre.h"

#include "ui/MessaggiQt.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace vc {
namespace {

QAbstractButton* Pulsante(QMessageBox* box, const QString& testo) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == testo) return b;
    return nullptr;
}

TEST(MessaggiQt, DomandaSiNoConIconaETitolo) {
    MessaggiQt m;
    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    prova::QuandoSiApre([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        titolo = box->windowTitle();
        testo = box->text();
        icona = box->icon();
        Pulsante(box, QStringLiteral("&No"))->click();
    });
    EXPECT_FALSE(m.ChiediSiNo("Procedere?\r\nDavvero?", Icona::Errore, "Ridistribuzione dei momenti"));
    EXPECT_EQ(titolo, QStringLiteral("Ridistribuzione dei momenti"));
    EXPECT_EQ(testo, QStringLiteral("Procedere?\nDavvero?"));
    EXPECT_EQ(icona, QMessageBox::Critical);

    prova::QuandoSiApre([&](QWidget* w) { Pulsante(qobject_cast<QMessageBox*>(w), QStringLiteral("&Sì"))->click(); });
    EXPECT_TRUE(m.ChiediSiNo("Procedere?", Icona::Domanda));

    // Enter answers Yes, or No where Yes would replace a file.
    for (const bool prudente : {false, true}) {
        prova::QuandoSiApre([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        const bool si = prudente ? m.ChiediSiNoPrudente("Sostituirlo?", Icona::Domanda)
                                 : m.ChiediSiNo("Procedere?", Icona::Domanda);
        EXPECT_EQ(si, !prudente);
    }
}

TEST(MessaggiQt, MessaggioSenzaTitoloPortaIlNomeDelProgramma) {
    MessaggiQt m;
    QString titolo;
    prova::QuandoSiApre([&](QWidget* w) {
        titolo = w->windowTitle();
        qobject_cast<QMessageBox*>(w)->accept();
    });
    m.Mostra("Errore nei dati", Icona::Errore);
    EXPECT_EQ(titolo, QStringLiteral("Velcora"));
}

TEST(MessaggiQt, IlMotivoNeiDettagli) {
    MessaggiQt m;
    QString testo, dettagli;
    prova::QuandoSiApre([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        testo = box->text();
        dettagli = box->detailedText();
        box->accept();
    });
    m.MostraConDettagli("Errore nei dati", "Campata 2, Luce: Overflow", Icona::Errore);
    EXPECT_EQ(testo, QStringLiteral("Errore nei dati"));
    EXPECT_EQ(dettagli, QStringLiteral("Campata 2, Luce: Overflow"));
}

} // namespace
} // namespace vc
