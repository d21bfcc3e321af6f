#pragma once
// "Informazioni": the program's name, version and licence.
//
// The main window's help menu "&Informazioni" opens it with the version of the build:
//   FrmInfor f(QStringLiteral(VELCORA_VERSIONE), this);   // the CMake project version
//   f.exec();

#include <QDialog>
#include <QString>

namespace vc {

class FrmInfor final : public QDialog {
    Q_OBJECT
public:
    explicit FrmInfor(const QString& versione, QWidget* genitore = nullptr);

    // The texts shown, for whoever needs them elsewhere (the command line's --version).
    static QString NomeProgramma();
    static QString Descrizione();
    static QString Licenza();
};

} // namespace vc
