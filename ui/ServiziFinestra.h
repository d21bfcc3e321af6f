#pragma once
// What the main window asks of the desktop: the open and save dialogs, the printer with its
// Print dialog, and a document shown by the desktop's own viewer (the manual). The program
// uses ServiziQt; tests give the window their own answers instead.

#include "files/GestioneFile.h"

#include <QStringList>

#include <filesystem>
#include <memory>

class QWidget;

namespace vc {

class ServiziFinestra {
  public:
    virtual ~ServiziFinestra() = default;
    virtual DialogoFile& Dialoghi() = 0;
    // A printer for one print job, or nothing when the platform has none.
    virtual std::unique_ptr<Stampante> NuovaStampante() = 0;
    // Shows a document (the manual); false when the desktop cannot.
    virtual bool ApreDocumento(const std::filesystem::path& percorso) = 0;
    // Opens a saved CAD drawing in the user's CAD program; by default as any document.
    virtual bool ApreDisegnoCad(const std::filesystem::path& percorso) { return ApreDocumento(percorso); }
};

// The platform's open and save dialogs (QFileDialog).
class DialoghiFileQt final : public DialogoFile {
  public:
    explicit DialoghiFileQt(QWidget* genitore) : genitore_(genitore) {}
    std::optional<std::filesystem::path> Apri(const RichiestaDialogo& richiesta) override;
    std::optional<std::filesystem::path> Salva(const RichiestaDialogo& richiesta) override;

  private:
    QWidget* genitore_;
};

class ServiziQt final : public ServiziFinestra {
  public:
    explicit ServiziQt(QWidget* genitore) : genitore_(genitore), dialoghi_(genitore) {}
    DialogoFile& Dialoghi() override { return dialoghi_; }
    std::unique_ptr<Stampante> NuovaStampante() override;
    bool ApreDocumento(const std::filesystem::path& percorso) override;
    // The command in the environment variable VELCORA_CAD when it is set (the drawing's path
    // is added as its last argument), else the desktop's opener for DXF files.
    bool ApreDisegnoCad(const std::filesystem::path& percorso) override;

  private:
    QWidget* genitore_;
    DialoghiFileQt dialoghi_;
};

// The filters of a file dialog as Qt writes them: "Descrizione|*.est|..." becomes one name
// filter per pair, the pattern in brackets ("*.*" is every file: "*").
QStringList FiltriQt(const std::string& filtro);

} // namespace vc
