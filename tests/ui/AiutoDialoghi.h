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

namespace vc::prova {

// Shows the window and waits until it is the active one, so that focus and keys reach it.
inline void MostraAttiva(QWidget& finestra) {
    finestra.show();
    finestra.activateWindow();
    QApplication::setActiveWindow(&finestra);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
}

// The child with the object name given; a test that names a missing control fails here.
template <typename T> T* Controllo(const QWidget& finestra, const QString& nome) {
    T* c = finestra.findChild<T*>(nome);
    EXPECT_NE(c, nullptr) << nome.toStdString();
    return c;
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
