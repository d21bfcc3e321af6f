#include "ui/FrmInfor.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace vc {

QString FrmInfor::NomeProgramma() { return QStringLiteral("Velcora"); }

QString FrmInfor::Descrizione() {
    return QStringLiteral("Analisi di travi continue in cemento armato: inviluppi di momento e taglio, "
                          "reazioni e frecce secondo le combinazioni delle NTC (D.M. 17/1/18).");
}

QString FrmInfor::Licenza() {
    return QStringLiteral("Copyright © gli autori di Velcora. Tutti i diritti riservati.\n\n"
                          "Il programma è concesso in licenza d'uso: non è consentito copiarlo, distribuirlo "
                          "o modificarlo senza autorizzazione scritta.\n"
                          "È fornito così com'è, senza garanzie di alcun tipo; i risultati vanno verificati "
                          "da un tecnico abilitato, che ne resta responsabile.");
}

FrmInfor::FrmInfor(const QString& versione, QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("FrmInfor"));
    setWindowTitle(QStringLiteral("Informazioni su ") + NomeProgramma());

    auto* nome = new QLabel(NomeProgramma(), this);
    nome->setObjectName(QStringLiteral("lblNome"));
    QFont grande = nome->font();
    grande.setPointSizeF(grande.pointSizeF() * 2);
    grande.setBold(true);
    nome->setFont(grande);

    auto* lblVersione = new QLabel(QStringLiteral("Versione ") + versione, this);
    lblVersione->setObjectName(QStringLiteral("lblVersione"));
    auto* descrizione = new QLabel(Descrizione(), this);
    descrizione->setWordWrap(true);
    auto* licenza = new QLabel(Licenza(), this);
    licenza->setObjectName(QStringLiteral("lblLicenza"));
    licenza->setWordWrap(true);
    licenza->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* qt = new QLabel(QStringLiteral("Realizzato con Qt ") + QString::fromLatin1(qVersion()), this);

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* ok = pulsanti->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* principale = new QVBoxLayout(this);
    principale->addWidget(nome);
    principale->addWidget(lblVersione);
    principale->addSpacing(fontMetrics().height());
    principale->addWidget(descrizione);
    principale->addSpacing(fontMetrics().height());
    principale->addWidget(licenza);
    principale->addWidget(qt);
    principale->addWidget(pulsanti);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

} // namespace vc
