#pragma once
// The listing on paper: a line printer over a QPrinter (a real printer or a PDF file), with a
// monospaced font so that the columns of the listing line up as in the text file.

#include "files/GestioneFile.h"
#include "ui/DestinazionePdf.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

class QPrintDialog;
class QWidget;

namespace vc {

// Lines down the page in a monospaced font; a full page goes on to the next one. Columns are
// character cells: column c starts at (c − 1) character widths from the left margin.
class RigheSuStampante final : public StampanteRighe {
  public:
    // Starts painting on the printer; `colonne` is the widest line the font must fit.
    explicit RigheSuStampante(QPrinter& stampante, int colonne = 90);
    ~RigheSuStampante() override;

    void StampaTesto(std::string_view testo) override;
    void StampaRiga(std::string_view testo) override;
    void StampaTab(int colonna) override;

    // The next copy starts on a page of its own.
    void NuovaCopia();
    // Ends the document (the print job goes out).
    void Fine();
    bool Attiva() const { return pittore_.isActive(); }

  private:
    void ACapo();

    QPainter pittore_;
    QFont carattere_;
    double larghezzaCarattere_ = 0;
    double altezzaRiga_ = 0;
    double ascesa_ = 0;
    double y_ = 0;
    int colonna_ = 1;
    bool paginaVuota_ = true;
};

// The printer of the "Stam&pa" command: the Print dialog chooses the printer (or a PDF file)
// and the number of copies, and the listing is printed once per copy in one print job.
class StampanteQt final : public Stampante {
  public:
    // With the Print dialog, over the given window.
    explicit StampanteQt(QWidget* genitore);
    // Straight into a PDF file, without a dialog (tests, screenshots, batch use).
    static std::unique_ptr<StampanteQt> SuFilePdf(const QString& percorso, int copie = 1);
    ~StampanteQt() override;

    // The PDF file the Print dialog proposes when the user prints into a file; without one,
    // Qt's own choice (the home folder).
    void ProponiFilePdf(const std::filesystem::path& file) { filePdfProposto_ = file; }
    std::optional<int> ChiediCopie() override;
    void Reimposta() override;
    StampanteRighe& Righe() override;
    // Ends the print job; a PDF file replaces the old one only now, complete, and throws
    // ErroreFile when it cannot be written.
    void FineDocumento() override;

    QPrinter& Stampante() { return stampante_; }
    // Why the printing could not start (empty when it did, or when the user cancelled).
    const QString& Errore() const { return errore_; }

  private:
    StampanteQt(QWidget* genitore, bool conDialogo);
    void ProponeFile(QPrintDialog& dialogo) const;

    QPrinter stampante_;
    QWidget* genitore_;
    bool conDialogo_;
    int copiePdf_ = 1;
    std::filesystem::path filePdfProposto_;
    QString errore_;
    std::unique_ptr<DestinazionePdf> pdf_;
    std::unique_ptr<RigheSuStampante> righe_;
};

} // namespace vc
