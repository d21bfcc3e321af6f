#pragma once
// Registration of the program for the current user: the bus service that starts it for an
// automation client, the desktop entry, the icon and the type of ".vlr" data files, so that
// opening a data file from the file manager starts the program on it. Everything goes under
// the user's data folder ($XDG_DATA_HOME, by default ~/.local/share).

#include <QString>
#include <QStringList>

namespace vc {

// The option the bus passes when it starts the program for a client.
inline constexpr const char* OpzioneAvviatoDaServer = "--server";

// The files registration writes, as absolute paths under `cartellaDati`.
QStringList FileRegistrazione(const QString& cartellaDati);

// Writes the service, desktop entry, MIME type and icon for the program at `eseguibile`.
// On failure returns false with the reason in `errore`; files already written stay.
bool RegistraPerUtente(const QString& eseguibile, const QString& cartellaDati, QString* errore);

// Removes what RegistraPerUtente wrote; files already gone are no failure.
bool RimuoviPerUtente(const QString& cartellaDati, QString* errore);

// The user's data folder ($XDG_DATA_HOME or ~/.local/share).
QString CartellaDatiUtente();

} // namespace vc
