#pragma once
// The calculation report on A4 portrait pages in a PDF file: 20 mm margins, a header with the
// program, the beam's title, the file name and the date, the footer "Pagina N di M"; the
// blocks of the report (outputs/RelazioneCalcolo.h) laid out one after the other, a table
// split over pages with its headings repeated, each strip of diagrams on a page of its own.
// Vector drawings, the fonts embedded, no text under 7 points.
//
//     const auto r = vc::ComponeRelazione(trave, imp, sep, "Velcora 0.1.0", "9/12/2026", msg);
//     if (!vc::ScriveRelazionePdf("trave.pdf", r, msg)) ...   // message already shown

#include "outputs/RelazioneCalcolo.h"
#include "support/Messaggi.h"

#include <filesystem>
#include <optional>
#include <string>

class QPagedPaintDevice;

namespace vc {

// Lays the report out and paints it on the device, page after page; the number of pages.
int DisegnaRelazione(QPagedPaintDevice& carta, const RelazioneCalcolo& relazione);

// The report written to `file` only once it is complete (ui/DestinazionePdf.h): a full disk or
// a protected file leaves the old file as it was. False, with "Scrittura incompleta del file"
// and the reason shown, when the file cannot be written.
bool ScriveRelazionePdf(const std::filesystem::path& file, const RelazioneCalcolo& relazione, Messaggi& msg);
// The report of a solved beam as this program writes it: "Velcora" and the program's version in
// the header, dated today.
RelazioneCalcolo RelazioneDiOggi(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                 Messaggi& msg);
// The same document, checked complete, for a caller that writes several files all or none;
// nothing, with "Scrittura incompleta del file" and the reason shown, when it cannot be made.
std::optional<std::string> DocumentoRelazionePdf(const std::filesystem::path& file, const RelazioneCalcolo& relazione,
                                                 Messaggi& msg);

} // namespace vc
