#pragma once
// A programming error that reached the top of a program. Nothing below the top level catches
// one (a bad index, a broken invariant, memory exhausted); each program's main catches them
// all, reports an internal error, lets the window save the unsaved work to its recovery file,
// and ends with a status of its own. Whatever escapes even that (an exception out of a
// noexcept function or across the event loop) ends in the terminate handler, which does the
// same before aborting.

#include "support/Messaggi.h"

#include <functional>
#include <string>
#include <string_view>

namespace vc {

// The exit status of a program ended by an internal error (1 is a refusal of the input, 2 a
// wrong command line).
inline constexpr int UscitaErroreInterno = 3;

// Where the unsaved work is saved before the program ends on an internal error: the window
// that owns the beam registers here the writing of its recovery file, which returns the path
// written (empty when there was nothing to save); an empty function removes it. The command
// line has no recovery file and registers nothing.
using SalvataggioRecupero = std::function<std::string()>;
void ImpostaSalvataggioRecupero(SalvataggioRecupero salva);

// "Errore interno del programma: " + what happened.
std::string TestoErroreInterno(std::string_view cosa);

// Saves the recovery file (once: a second internal error has nothing more to save), tells the
// user, with the recovery file's path on a line of its own, and returns UscitaErroreInterno.
// A recovery that fails in its turn is told too: the program is ending anyway.
int ErroreInterno(std::string_view cosa, Messaggi& msg);

// The reason of the exception being handled, for a catch (...) at the top level.
std::string DescriveEccezioneCorrente();

// Installs the terminate handler described above; it writes on standard error, since no
// window can be trusted any more.
void InstallaGestoreTerminazione();

} // namespace vc
