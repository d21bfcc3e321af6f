#include "ui/DestinazionePdf.h"

#include "files/FileSuDisco.h"

#include <QDir>
#include <charconv>

namespace vc {

namespace fs = std::filesystem;

namespace {

std::string_view SenzaSpaziFinali(std::string_view s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::error_code VerificaPdf(std::string_view pdf) {
    const std::error_code incompleto = CausaFile::Incompleto;
    std::string_view resto = SenzaSpaziFinali(pdf);
    if (!pdf.starts_with("%PDF-") || !resto.ends_with("%%EOF")) return incompleto;
    resto.remove_suffix(5);
    const auto startxref = resto.rfind("startxref");
    if (startxref == std::string_view::npos) return incompleto;
    std::string_view numero = SenzaSpaziFinali(resto.substr(startxref + 9));
    while (!numero.empty() && (numero.front() == '\n' || numero.front() == '\r' || numero.front() == ' '))
        numero.remove_prefix(1);
    std::size_t posizione = 0;
    const auto [fine, errore] = std::from_chars(numero.data(), numero.data() + numero.size(), posizione);
    if (errore != std::errc{} || fine != numero.data() + numero.size() || posizione >= startxref)
        return incompleto;
    if (pdf.substr(posizione, 4) != "xref") return incompleto;
    return {};
}

DestinazionePdf::DestinazionePdf(QPrinter& carta) : carta_(carta) {
    if (carta_.outputFormat() == QPrinter::PdfFormat && !carta_.outputFileName().isEmpty()) Devia();
}

DestinazionePdf::DestinazionePdf(QPrinter& carta, const fs::path& file) : carta_(carta) {
    carta_.setOutputFormat(QPrinter::PdfFormat);
    carta_.setOutputFileName(QString::fromStdString(file.string()));
    Devia();
}

void DestinazionePdf::Devia() {
    file_ = fs::path(carta_.outputFileName().toStdString());
    temporaneo_.setFileTemplate(QDir::tempPath() + QStringLiteral("/velcora-XXXXXX.pdf"));
    // The printer opens the file again by its name; when no temporary can be made, a name that
    // cannot be opened keeps the painter from beginning.
    carta_.setOutputFileName(temporaneo_.open() ? temporaneo_.fileName()
                                                : QStringLiteral("/nonexistent/velcora.pdf"));
}

DestinazionePdf::~DestinazionePdf() {
    if (SuFile()) carta_.setOutputFileName(QString::fromStdString(file_.string()));
}

std::optional<std::string> DestinazionePdf::Documento(std::error_code& ec) {
    auto pdf = LeggeFileIntero(temporaneo_.fileName().toStdString(), ec);
    if (!pdf) return std::nullopt;
    ec = VerificaPdf(*pdf);
    if (ec) return std::nullopt;
    return pdf;
}

std::optional<ErroreFile> DestinazionePdf::Conclude() {
    if (!SuFile()) return std::nullopt;
    std::error_code ec;
    const auto pdf = Documento(ec);
    if (pdf && ScriveFileAtomico(file_, *pdf, ec)) return std::nullopt;
    return ErroreFile("Scrittura incompleta del file", file_, ec);
}

} // namespace vc
