#include "ui/StampanteQt.h"

#include "support/ErroreFile.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPrintDialog>
#include <QWidget>
#include <algorithm>

namespace vc {

// ---------------------------------------------------------------------------------------------
// Lines on the page

RigheSuStampante::RigheSuStampante(QPrinter& stampante, int colonne) {
    if (!pittore_.begin(&stampante)) throw ErroreFile("La stampante non può iniziare la stampa");
    const QRect pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
    carattere_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    carattere_.setStyleHint(QFont::TypeWriter);
    carattere_.setFixedPitch(true);
    // At most 10 points, and small enough for the widest line to fit the page.
    for (double punti = 10.0; punti >= 5.0; punti -= 0.5) {
        carattere_.setPointSizeF(punti);
        const QFontMetricsF metrica(carattere_, &stampante);
        if (metrica.horizontalAdvance(QLatin1Char('M')) * colonne <= pagina.width()) break;
    }
    pittore_.setFont(carattere_);
    const QFontMetricsF metrica(carattere_, &stampante);
    larghezzaCarattere_ = metrica.horizontalAdvance(QLatin1Char('M'));
    altezzaRiga_ = metrica.lineSpacing();
    ascesa_ = metrica.ascent();
}

RigheSuStampante::~RigheSuStampante() {
    if (pittore_.isActive()) pittore_.end();
}

void RigheSuStampante::StampaTesto(std::string_view testo) {
    const QString t = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    if (!t.trimmed().isEmpty()) {
        // Each character in its own cell, so the columns hold whatever the font's advances.
        const double x = (colonna_ - 1) * larghezzaCarattere_;
        pittore_.drawText(QPointF(x, y_ + ascesa_), t);
        paginaVuota_ = false;
    }
    colonna_ += static_cast<int>(t.size());
}

void RigheSuStampante::StampaRiga(std::string_view testo) {
    StampaTesto(testo);
    ACapo();
}

void RigheSuStampante::StampaTab(int colonna) {
    colonna = std::max(colonna, 1);
    if (colonna_ > colonna) ACapo();
    colonna_ = colonna;
}

void RigheSuStampante::ACapo() {
    colonna_ = 1;
    y_ += altezzaRiga_;
    auto* stampante = static_cast<QPrinter*>(pittore_.device());
    const QRect pagina = stampante->pageLayout().paintRectPixels(stampante->resolution());
    if (y_ + altezzaRiga_ > pagina.height()) {
        stampante->newPage();
        y_ = 0;
        paginaVuota_ = true;
    }
}

void RigheSuStampante::NuovaCopia() {
    if (paginaVuota_ && y_ == 0) return;
    static_cast<QPrinter*>(pittore_.device())->newPage();
    y_ = 0;
    colonna_ = 1;
    paginaVuota_ = true;
}

void RigheSuStampante::Fine() {
    if (pittore_.isActive()) pittore_.end();
}

// ---------------------------------------------------------------------------------------------
// The printer

StampanteQt::StampanteQt(QWidget* genitore) : StampanteQt(genitore, true) {}

StampanteQt::StampanteQt(QWidget* genitore, bool conDialogo)
    : stampante_(QPrinter::HighResolution), genitore_(genitore), conDialogo_(conDialogo) {
    stampante_.setDocName(QStringLiteral("Velcora"));
}

StampanteQt::~StampanteQt() = default;

std::unique_ptr<StampanteQt> StampanteQt::SuFilePdf(const QString& percorso, int copie) {
    std::unique_ptr<StampanteQt> s(new StampanteQt(nullptr, false));
    s->stampante_.setOutputFormat(QPrinter::PdfFormat);
    s->stampante_.setOutputFileName(percorso);
    s->copiePdf_ = std::max(copie, 1);
    return s;
}

void StampanteQt::ProponeFile(QPrintDialog& dialogo) const {
    if (filePdfProposto_.empty()) return;
    // Setting the printer's output file would also choose "print to file" over the printer;
    // the dialog's own file field (named "filename" in Qt's form) only proposes the file.
    if (auto* campo = dialogo.findChild<QLineEdit*>(QStringLiteral("filename")))
        campo->setText(QString::fromStdString(filePdfProposto_.string()));
}

std::optional<int> StampanteQt::ChiediCopie() {
    errore_.clear();
    int copie = copiePdf_;
    if (conDialogo_) {
        QPrintDialog dialogo(&stampante_, genitore_);
        dialogo.setWindowTitle(QStringLiteral("Stampa"));
        ProponeFile(dialogo);
        if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
        copie = std::max(stampante_.copyCount(), 1);
    }
    // The copies are printed one after the other here; the printer must not repeat them.
    stampante_.setCopyCount(1);
    return copie;
}

void StampanteQt::Reimposta() {
    righe_.reset();
    pdf_ = std::make_unique<DestinazionePdf>(stampante_);
    try {
        righe_ = std::make_unique<RigheSuStampante>(stampante_);
    } catch (const ErroreFile& e) {
        errore_ = QString::fromStdString(e.Messaggio());
        if (pdf_->SuFile()) errore_ += QStringLiteral(":\n") + QString::fromStdString(pdf_->File().string());
        pdf_.reset();
        throw;
    }
}

StampanteRighe& StampanteQt::Righe() {
    if (!righe_) Reimposta();
    return *righe_;
}

void StampanteQt::FineDocumento() {
    if (righe_) righe_->Fine();
    righe_.reset();
    // A PDF file is put in place only now, once complete.
    const std::unique_ptr<DestinazionePdf> pdf = std::move(pdf_);
    if (!pdf) return;
    if (const auto errore = pdf->Conclude()) {
        errore_ = QString::fromStdString(errore->Testo());
        throw *errore;
    }
}

} // namespace vc
