#pragma once
// A printer set to a PDF file (by the Print dialog, or by the command line) never writes the
// file itself: while a DestinazionePdf lives, the printer writes into a private temporary
// file, and once the page painter has ended, the document is read back, checked complete and
// written to the file chosen through the program's verified write (files/FileSuDisco.h). A
// full disk, a cut document or a protected file leaves the old file as it was.

#include "support/ErroreFile.h"

#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vc {

// A PDF document is complete when it starts with its header and ends with its end-of-file
// marker after a cross-reference that points at a table inside the file; a document cut short
// has neither. CausaFile::Incompleto otherwise.
std::error_code VerificaPdf(std::string_view pdf);

class DestinazionePdf {
  public:
    // A printer without a PDF file (a real printer) is left as it is.
    explicit DestinazionePdf(QPrinter& carta);
    // The printer set to print into the PDF file given.
    DestinazionePdf(QPrinter& carta, const std::filesystem::path& file);
    ~DestinazionePdf();
    DestinazionePdf(const DestinazionePdf&) = delete;
    DestinazionePdf& operator=(const DestinazionePdf&) = delete;

    // True when the printer prints into a PDF file.
    bool SuFile() const { return !file_.empty(); }
    const std::filesystem::path& File() const { return file_; }

    // After the painter has ended: the document, checked complete.
    std::optional<std::string> Documento(std::error_code& ec);
    // After the painter has ended: the document written to the file chosen; nothing for a real
    // printer or when it went well, else "Scrittura incompleta del file" with the reason.
    std::optional<ErroreFile> Conclude();

  private:
    void Devia();

    QPrinter& carta_;
    std::filesystem::path file_;
    QTemporaryFile temporaneo_;
};

} // namespace vc
