#include "ui/FrmSceltaPsi.h"

#include "ui/TestiFinestra.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vc {

FrmSceltaPsi::FrmSceltaPsi(const Separatori& sep, QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("frmSceltaPsi"));
    setWindowTitle(QStringLiteral("Valore dei coefficienti di combinazione"));

    auto* griglia = new QGridLayout;
    griglia->addWidget(Intestazione(QStringLiteral("<b>Categoria/Azione variabile</b>"), this), 0, 0);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>0</sub>"), this), 0, 1);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>1</sub>"), this), 0, 2);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>2</sub>"), this), 0, 3);
    griglia->setHorizontalSpacing(griglia->horizontalSpacing() * 3);

    auto* gruppo = new QButtonGroup(this);
    gruppo->setExclusive(true);
    int riga = 1;
    int opzione = 0;
    for (const CategoriaCarico& c : CategorieCarico()) {
        const QString testo = QString::fromUtf8(c.Testo.data(), static_cast<qsizetype>(c.Testo.size()));
        if (c.Psi) {
            auto* opt = new QRadioButton(testo, this);
            opt->setObjectName(QStringLiteral("optPsi_%1").arg(opzione));
            gruppo->addButton(opt, opzione);
            optPsi_[static_cast<std::size_t>(opzione)] = opt;
            griglia->addWidget(opt, riga, 0);
            for (std::size_t j = 0; j < 3; ++j) {
                auto* v = new QLabel(QString::fromStdString(TestoPsiCategoria((*c.Psi)[j], sep)), this);
                v->setAlignment(Qt::AlignCenter);
                griglia->addWidget(v, riga, static_cast<int>(j) + 1);
            }
            ++opzione;
        } else {
            // Listed for completeness: the code leaves its coefficients to the designer.
            auto* l = new QLabel(testo, this);
            l->setIndent(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                         style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
            griglia->addWidget(l, riga, 0);
            auto* nota = new QLabel(QString::fromUtf8(NotaCasoPerCaso.data(),
                                                      static_cast<qsizetype>(NotaCasoPerCaso.size())),
                                    this);
            nota->setAlignment(Qt::AlignCenter);
            griglia->addWidget(nota, riga, 1, 1, 3);
        }
        ++riga;
    }
    optPsi_[0]->setChecked(true);

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* ok = pulsanti->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    QPushButton* annulla = pulsanti->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    annulla->setObjectName(QStringLiteral("cmdAnnulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* principale = new QVBoxLayout(this);
    principale->addLayout(griglia);
    principale->addWidget(pulsanti);
}

int FrmSceltaPsi::OpzioneScelta() const {
    for (std::size_t k = 0; k < optPsi_.size(); ++k)
        if (optPsi_[k]->isChecked()) return static_cast<int>(k);
    return 0;
}

TernaPsi FrmSceltaPsi::PsiScelti() const { return PsiCategoria(OpzioneScelta()); }

} // namespace vc
