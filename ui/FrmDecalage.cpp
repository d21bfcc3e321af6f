#include "ui/FrmDecalage.h"

#include "engine/CopriferroDecalage.h"
#include "ui/EventiCampo.h"
#include "ui/TastiDecimali.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

FrmDecalage::FrmDecalage(Velcora& trave, int iCheck, const Separatori& sep, QWidget* genitore)
    : QDialog(genitore), trave_(trave), iCheck_(iCheck), sep_(sep) {
    setObjectName(QStringLiteral("FrmDecalage"));
    setWindowTitle(QStringLiteral("Decalage"));

    txtCopriferro_ = new QLineEdit(QString::fromStdString(TestoCopriferro(trave_.Copriferro, sep_)), this);
    txtCopriferro_->setObjectName(QStringLiteral("txtCopriferro"));
    txtCopriferro_->setAlignment(Qt::AlignRight);
    txtCopriferro_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    (new GestioneTastiDecimali(sep_, this))->Controlla(txtCopriferro_);
    SelezionaAllIngresso(txtCopriferro_);

    Command1_ = new QPushButton(QStringLiteral("OK"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setDefault(true);
    connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);

    auto* copriferro = new QHBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("c ="), this);
    etichetta->setBuddy(txtCopriferro_);
    copriferro->addWidget(etichetta);
    copriferro->addWidget(txtCopriferro_);
    copriferro->addWidget(new QLabel(QStringLiteral("cm"), this));
    copriferro->addStretch();
    copriferro->addWidget(Command1_);

    auto* principale = new QVBoxLayout(this);
    principale->setSizeConstraint(QLayout::SetFixedSize);
    principale->addWidget(new QLabel(QStringLiteral("Trasla il diagramma dei momenti di 0,9 d."), this));
    principale->addWidget(new QLabel(QStringLiteral("L'altezza utile d"), this));
    principale->addWidget(new QLabel(QStringLiteral("calcolata detraendo dall'altezza"), this));
    principale->addWidget(new QLabel(QStringLiteral("totale della sezione la distanza c del baricentro"), this));
    principale->addWidget(new QLabel(QStringLiteral("dei ferri dal lembo del calcestruzzo."), this));
    principale->addLayout(copriferro);
}

QString FrmDecalage::DidascaliaMenu() const {
    return QString::fromStdString(DidascaliaDecalage(iCheck_, trave_.Copriferro, sep_));
}

void FrmDecalage::done(int risultato) {
    trave_.Copriferro = CopriferroDaTesto(txtCopriferro_->text().toStdString(), sep_);
    emit DidascaliaCambiata(iCheck_, DidascaliaMenu());
    QDialog::done(risultato);
}

} // namespace vc
