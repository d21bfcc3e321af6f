#pragma once
// Helpers for the dialog tests: show a window as the active one, find its controls by the
// names they carry, type into a field as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vc::prova {

// Shows the window and waits until it is the active one, so that focus and keys reach it.
inline void MostraAttiva(QWidget& finestra) {
    finestra.show();
    finestra.activateWindow();
    QApplication::setActiveWindow(&finestra);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
}

// The child (control, menu item) with the object name given, as the window names it; a test
// that names a missing control fails here, without going on to use it.
template <typename T> T* Controllo(const QObject& finestra, const QString& nome) {
    T* c = finestra.findChild<T*>(nome);
    if (c == nullptr) {
        ADD_FAILURE() << "nessun controllo " << nome.toStdString();
        throw std::logic_error("controllo mancante: " + nome.toStdString());
    }
    return c;
}

// One of a row of controls, named by the row's name and its index ("opVincSin" 2: "opVincSin2").
template <typename T> T* Controllo(const QObject& finestra, const char* nome, int indice) {
    return Controllo<T>(finestra, QString::fromLatin1(nome) + QString::number(indice));
}

// The whole row of `quanti` controls, in index order.
template <typename T> std::vector<T*> Controlli(const QObject& finestra, const char* nome, int quanti) {
    std::vector<T*> fila;
    for (int k = 0; k < quanti; ++k) fila.push_back(Controllo<T>(finestra, nome, k));
    return fila;
}

// Enters the field, selects what is there and types the text over it.
inline void Scrive(QLineEdit* campo, const QString& testo) {
    campo->setFocus(Qt::MouseFocusReason);
    campo->selectAll();
    if (testo.isEmpty())
        QTest::keyClick(campo, Qt::Key_Backspace);
    else
        QTest::keyClicks(campo, testo);
}

// Clicks an option or a check box on its indicator, where the user clicks.
inline void Spunta(QAbstractButton* pulsante) {
    QTest::mouseClick(pulsante, Qt::LeftButton, {}, QPoint(pulsante->height() / 2, pulsante->height() / 2));
}

// Types the text over the field's content and confirms it with Enter.
inline void ScriveEInvio(QLineEdit* campo, const QString& testo) {
    Scrive(campo, testo);
    QTest::keyClick(campo, Qt::Key_Return);
}

inline std::string Testo(const QLineEdit* campo) { return campo->text().toStdString(); }

} // namespace vc::prova
