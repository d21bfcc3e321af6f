#pragma once
// Pictures of the program's windows, for the documentation and for checking the layout: the
// main window with its beam calculated, then each of the small windows it opens.

#include <QString>

namespace vc {

class FrmMain;

// Saves one PNG a window into `cartella` (created if needed); false when one could not be
// written.
bool SalvaIstantanee(FrmMain& finestra, const QString& cartella);

} // namespace vc
