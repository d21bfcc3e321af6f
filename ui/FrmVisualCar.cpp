#include "ui/FrmVisualCar.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

FrmVisualCar::FrmVisualCar(Velcora& trave, QWidget* genitore) : QDialog(genitore), trave_(trave) {
    setObjectName(QStringLiteral("frmVisualCar"));
    setWindowTitle(QStringLiteral("Visualizza carichi"));

    auto* distribuiti = new QGroupBox(QStringLiteral("Carichi distribuiti"), this);
    auto* colonnaDist = new QVBoxLayout(distribuiti);
    const std::array<QString, 4> testiDist = {QStringLiteral("Permanente G1"), QStringLiteral("Permanente G2"),
                                              QStringLiteral("Variable Q1"), QStringLiteral("Variabile Q2")};
    for (std::size_t i = 0; i < chkDist_.size(); ++i) {
        chkDist_[i] = new QCheckBox(testiDist[i], distribuiti);
        chkDist_[i]->setObjectName(QStringLiteral("chkDist_%1").arg(i));
        colonnaDist->addWidget(chkDist_[i]);
    }
    colonnaDist->addStretch();

    auto* concentrati = new QGroupBox(QStringLiteral("Carichi concentrati"), this);
    auto* grigliaConc = new QGridLayout(concentrati);
    const std::array<QString, 4> carichi = {QStringLiteral("g1"), QStringLiteral("g2"), QStringLiteral("q1"),
                                            QStringLiteral("q2")};
    for (std::size_t i = 0; i < chkConc_.size(); ++i) {
        const QString testo = (i < 4 ? QStringLiteral("F(") : QStringLiteral("W(")) + carichi[i % 4] + QStringLiteral(")");
        chkConc_[i] = new QCheckBox(testo, concentrati);
        chkConc_[i]->setObjectName(QStringLiteral("chkConc_%1").arg(i));
        grigliaConc->addWidget(chkConc_[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }

    // What the beam shows now; nothing ticked when it has never been asked.
    for (int carico = 1; carico <= 4; ++carico) {
        const auto c = static_cast<std::size_t>(carico - 1);
        chkDist_[c]->setChecked(trave_.Info_VisualCar(carico, 1).value_or(false));
        chkConc_[c]->setChecked(trave_.Info_VisualCar(carico, 2).value_or(false));
        chkConc_[c + 4]->setChecked(trave_.Info_VisualCar(carico, 3).value_or(false));
    }

    auto* pulsanti = new QDialogButtonBox(this);
    cmd_[0] = pulsanti->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cmd_[0]->setObjectName(QStringLiteral("cmdOK"));
    cmd_[0]->setDefault(true);
    cmd_[1] = pulsanti->addButton(QStringLiteral("&Annulla"), QDialogButtonBox::RejectRole);
    cmd_[1]->setObjectName(QStringLiteral("cmdAnnulla"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &FrmVisualCar::Conferma);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* riquadri = new QHBoxLayout;
    riquadri->addWidget(distribuiti);
    riquadri->addWidget(concentrati);
    auto* principale = new QVBoxLayout(this);
    principale->setSizeConstraint(QLayout::SetFixedSize);
    principale->addLayout(riquadri);
    principale->addWidget(pulsanti);
}

TabellaVisualCarichi FrmVisualCar::Scelte() const {
    TabellaVisualCarichi t{};
    for (std::size_t c = 0; c < 4; ++c) {
        t[c][0] = chkDist_[c]->isChecked();
        t[c][1] = chkConc_[c]->isChecked();
        t[c][2] = chkConc_[c + 4]->isChecked();
    }
    return t;
}

void FrmVisualCar::Conferma() {
    trave_.VisualCar(Scelte());
    accept();
}

} // namespace vc
