#pragma once
// The small keyboard and focus habits of the input fields: Enter acts on the field (it moves
// on, or runs a check) instead of pressing the window's default button, leaving a field can
// rewrite it, and entering a field selects its whole text so that typing replaces it.

#include <functional>

class QLineEdit;
class QWidget;

namespace vc {

// Runs the action when Enter or the keypad's Enter is pressed in the widget; the key goes no
// further (the window's default button is not pressed).
void AlTastoInvio(QWidget* campo, std::function<void()> azione);

// Runs the action when the widget hands the focus to another widget of the window. Switching
// to another window, or a message box opening, is not leaving the field; nor is the focus
// going when the window has been closed.
void AlPerdereFocus(QWidget* campo, std::function<void()> azione);

// Selects the whole text each time the field gets the focus, by keyboard or by mouse.
void SelezionaAllIngresso(QLineEdit* campo);

} // namespace vc
