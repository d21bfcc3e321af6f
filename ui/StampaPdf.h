#pragma once
// The "M + T" page printed into a PDF file, for batch work: the moment diagram on the upper
// half of the page, the shear diagram on the lower half, as the main window prints them.

#include "engine/Impostazioni.h"
#include "engine/Velcora.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vc {

// Prints the page and writes it to `file` only once it is complete: a full disk or a protected
// file leaves the old file as it was. False, with "Scrittura incompleta del file" and the
// reason shown, when the file cannot be written.
bool StampaDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave, const Impostazioni& imp,
                        const Separatori& sep, Messaggi& msg);
// The page printed into a PDF document, checked complete (ui/DestinazionePdf.h), for a caller
// that writes it with its other files all or none. Nothing, with "Scrittura incompleta del
// file" and the reason shown, when it cannot be made.
std::optional<std::string> DocumentoDiagrammiPdf(const std::filesystem::path& file, const Velcora& trave,
                                                 const Impostazioni& imp, const Separatori& sep, Messaggi& msg);

// Qt's printing support, loaded now on this thread. Qt loads it when the first printer is made
// and keeps it to the end; loaded from a worker thread, its plugin is never freed. A caller
// about to print on worker threads loads it on the main thread first.
void CaricaStampaPdf();

} // namespace vc
