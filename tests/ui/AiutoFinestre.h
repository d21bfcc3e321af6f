#pragma once
// Helpers for driving modal windows from a test: answer the next message box or dialog
// that opens, as a user would.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vc::prova {

// Runs `azione` on the next modal window that appears (polling, so that it works for windows
// opened by exec() from deep inside the code under test).
inline void QuandoSiApre(std::function<void(QWidget*)> azione, int tentativi = 200) {
    QTimer::singleShot(10, [azione = std::move(azione), tentativi]() mutable {
        if (QWidget* w = QApplication::activeModalWidget()) {
            azione(w);
        } else if (tentativi > 0) {
            QuandoSiApre(std::move(azione), tentativi - 1);
        }
    });
}

} // namespace vc::prova
