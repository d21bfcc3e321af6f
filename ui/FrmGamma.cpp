#include "ui/FrmGamma.h"

#include "ui/EventiCampo.h"
#include "ui/FrmSceltaPsi.h"
#include "ui/TastiDecimali.h"
#include "ui/TestiFinestra.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace vc {

FrmGamma::FrmGamma(Impostazioni& imp, const Separatori& sep, Messaggi& msg, PercorsiFileIni percorsiIni,
                   QWidget* genitore)
    : QDialog(genitore), imp_(imp), sep_(sep), msg_(msg), percorsiIni_(std::move(percorsiIni)) {
    setObjectName(QStringLiteral("frmGamma"));
    setWindowTitle(QStringLiteral("Coefficienti parziali"));

    // The fields first, in index order, so that Tab follows CoefParz 0..13.
    const TestiCoefficienti testi = TestiCoefParz(imp_.CoefParz, sep_);
    auto* tasti = new GestioneTastiDecimali(sep_, this);
    const int larghezza = QFontMetrics(font()).horizontalAdvance(QStringLiteral("0,0000000"));
    for (std::size_t k = 0; k < nCoefParz; ++k) {
        auto* campo = new QLineEdit(QString::fromStdString(testi[k]), this);
        campo->setObjectName(QStringLiteral("txtCoefParz_%1").arg(k));
        campo->setAlignment(Qt::AlignRight);
        campo->setMinimumWidth(larghezza);
        tasti->Controlla(campo);
        SelezionaAllIngresso(campo);
        AlTastoInvio(campo, [this, k] { CampoSuccessivo(k); });
        txtCoefParz_[k] = campo;
    }

    auto* griglia = new QGridLayout;
    griglia->addWidget(Intestazione(QStringLiteral("γ favorevole"), this), 0, 1);
    griglia->addWidget(Intestazione(QStringLiteral("γ sfavorevole"), this), 0, 2);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>0</sub>"), this), 0, 3);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>1</sub>"), this), 0, 4);
    griglia->addWidget(Intestazione(QStringLiteral("ψ<sub>2</sub>"), this), 0, 5);
    const auto& righe = RigheCoefficienti();
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const int riga = static_cast<int>(r) + 1;
        griglia->addWidget(new QLabel(Testo(righe[r].Descrizione), this), riga, 0);
        griglia->addWidget(txtCoefParz_[righe[r].Favorevole], riga, 1);
        griglia->addWidget(txtCoefParz_[righe[r].Sfavorevole], riga, 2);
    }
    // psi of Q1 on the Q1 row, of Q2 on the Q2 row, each with its choice command.
    for (std::size_t q = 0; q < 2; ++q) {
        const CaricoVariabile carico = q == 0 ? CaricoVariabile::Q1 : CaricoVariabile::Q2;
        const int riga = static_cast<int>(q) + 3;
        const auto indici = IndiciPsi(carico);
        for (std::size_t j = 0; j < 3; ++j)
            griglia->addWidget(txtCoefParz_[indici[j]], riga, static_cast<int>(j) + 3);
        auto* scelta = new QPushButton(QStringLiteral("ψ =?"), this);
        scelta->setObjectName(QStringLiteral("cmdPsi_%1").arg(q));
        scelta->setToolTip(QStringLiteral("Valore dei coefficienti di combinazione"));
        scelta->setAutoDefault(false);
        connect(scelta, &QPushButton::clicked, this, [this, carico] { ScegliPsi(carico); });
        griglia->addWidget(scelta, riga, 6);
        cmdPsi_[q] = scelta;
    }

    chkG2_ = new QCheckBox(Testo(TestoOmettiG2), this);
    chkG2_->setObjectName(QStringLiteral("chkG2"));
    chkG2_->setChecked(imp_.OmettiG2Favorevole);
    cmdG2_ = new QPushButton(QStringLiteral("?"), this);
    cmdG2_->setObjectName(QStringLiteral("cmdG2"));
    cmdG2_->setAutoDefault(false);
    connect(cmdG2_, &QPushButton::clicked, this, [this] { msg_.Mostra(SpiegazioneOmettiG2(), Icona::Nessuna); });
    auto* rigaG2 = new QHBoxLayout;
    rigaG2->addWidget(chkG2_);
    rigaG2->addWidget(cmdG2_);
    rigaG2->addStretch();

    const std::array<QString, 3> didascalie = {QStringLiteral("&OK"), QStringLiteral("&Annulla"),
                                               QStringLiteral("&Salva nel file VelcoraDwg.ini")};
    auto* comandi = new QHBoxLayout;
    comandi->addStretch();
    for (std::size_t i = 0; i < cmdOK_.size(); ++i) {
        cmdOK_[i] = new QPushButton(didascalie[i], this);
        cmdOK_[i]->setObjectName(QStringLiteral("cmdOK_%1").arg(i));
        cmdOK_[i]->setAutoDefault(false);
        comandi->addWidget(cmdOK_[i]);
    }
    connect(cmdOK_[0], &QPushButton::clicked, this, &FrmGamma::Conferma);
    connect(cmdOK_[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdOK_[2], &QPushButton::clicked, this, &FrmGamma::Salva);

    auto* principale = new QVBoxLayout(this);
    principale->addLayout(griglia);
    principale->addWidget(new QLabel(Testo(NotaAzioneDiBase), this));
    principale->addLayout(rigaG2);
    principale->addLayout(comandi);
}

TestiCoefficienti FrmGamma::Testi() const {
    TestiCoefficienti testi;
    for (std::size_t k = 0; k < nCoefParz; ++k)
        testi[k] = txtCoefParz_[k]->text().toStdString();
    return testi;
}

void FrmGamma::ApplicaCampi() { imp_.CoefParz = LeggeCoefParz(Testi(), sep_); }

void FrmGamma::Conferma() {
    ApplicaCampi();
    imp_.OmettiG2Favorevole = chkG2_->isChecked();
    accept();
}

void FrmGamma::Salva() {
    ApplicaCampi();
    FileIniLeggeScrive(Modo::Scrittura, imp_, msg_, percorsiIni_);
}

void FrmGamma::ScegliPsi(CaricoVariabile q) {
    sceltaPer_ = q;
    FrmSceltaPsi scelta(sep_, this);
    if (scelta.exec() == QDialog::Accepted) AggiornaCoeff(scelta.PsiScelti());
}

void FrmGamma::AggiornaCoeff(const TernaPsi& psi) {
    TestiCoefficienti testi = Testi();
    vc::AggiornaCoeff(testi, sceltaPer_, psi, sep_);
    for (std::size_t j : IndiciPsi(sceltaPer_))
        txtCoefParz_[j]->setText(QString::fromStdString(testi[j]));
}

void FrmGamma::CampoSuccessivo(std::size_t k) {
    QLineEdit* prossimo = txtCoefParz_[(k + 1) % nCoefParz];
    prossimo->setFocus(Qt::TabFocusReason);
    prossimo->selectAll();
}

} // namespace vc
