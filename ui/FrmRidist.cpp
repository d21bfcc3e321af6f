#include "ui/FrmRidist.h"

#include "engine/Ridistribuzione.h"
#include "support/Formattazione.h"
#include "ui/EventiCampo.h"
#include "ui/TastiDecimali.h"
#include "ui/TestiFinestra.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

namespace {

// The limit of δ as a formula, with the constant of the class group.
QString Formula(int iClasse, const Separatori& sep) {
    const QString d = QString::fromStdString(sep.Decimale);
    const bool alta = AltaResistenza(iClasse);
    const QString k = QStringLiteral("0") + d + (alta ? QStringLiteral("54") : QStringLiteral("44"));
    const QString formula = QStringLiteral("δ ≥ ") + k + QStringLiteral(" + 1") + d + QStringLiteral("25·(0") + d +
                            QStringLiteral("6 + 0") + d + QStringLiteral("0014/ε<sub>cu</sub>)·x/d");
    const QString campo = alta ? QStringLiteral("per f<sub>ck</sub> &gt; 50 N/mm²")
                               : QStringLiteral("per f<sub>ck</sub> ≤ 50 N/mm²");
    return QStringLiteral("<p style='font-size:large'>") + formula + QStringLiteral("</p><p>") + campo +
           QStringLiteral("</p>");
}

} // namespace

FrmRidist::FrmRidist(Impostazioni& imp, const Separatori& sep, QWidget* genitore)
    : QDialog(genitore), imp_(imp), sep_(sep) {
    setObjectName(QStringLiteral("FrmRidist"));
    setWindowTitle(QStringLiteral("Ridistribuzione Momenti Negativi"));
    auto* tasti = new GestioneTastiDecimali(sep_, this);

    ComboClasse_ = new QComboBox(this);
    ComboClasse_->setObjectName(QStringLiteral("ComboClasse"));
    lblFck_ = new QLabel(QStringLiteral("30"), this);
    lblFck_->setObjectName(QStringLiteral("lblFck"));
    lblEcu_ = new QLabel(QString::fromStdString(TestoEpsCu(0.0035f, sep_)), this);
    lblEcu_->setObjectName(QStringLiteral("lblEcu"));
    PictureDelta_ = new QLabel(this);
    PictureDelta_->setObjectName(QStringLiteral("PictureDelta"));
    PictureDelta_->setTextFormat(Qt::RichText);
    PictureDelta_->setFrameShape(QFrame::StyledPanel);
    PictureDelta_->setAlignment(Qt::AlignCenter);
    PictureDelta_->setAutoFillBackground(true);
    PictureDelta_->setBackgroundRole(QPalette::Base);
    PictureDelta_->setMargin(fontMetrics().height() / 2);

    txtXsuD_ = new QLineEdit(QString::fromStdString(FormattaXsuD(0.208f, sep_)), this);
    txtXsuD_->setObjectName(QStringLiteral("txtXsuD"));
    txtDelta_ = new QLineEdit(QString::fromStdString(FormattaDelta(0.7f, sep_)), this);
    txtDelta_->setObjectName(QStringLiteral("txtDelta"));
    for (QLineEdit* campo : {txtXsuD_, txtDelta_}) {
        campo->setAlignment(Qt::AlignRight);
        tasti->Controlla(campo);
        SelezionaAllIngresso(campo);
        AlTastoInvio(campo, [this] { CmdOk_->setFocus(Qt::TabFocusReason); });
    }
    AlPerdereFocus(txtXsuD_, [this] { UscitaXsuD(); });
    AlPerdereFocus(txtDelta_, [this] { UscitaDelta(); });

    CmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    CmdOk_->setObjectName(QStringLiteral("CmdOk"));
    CmdAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    CmdAnnulla_->setObjectName(QStringLiteral("CmdAnnulla"));
    for (QPushButton* p : {CmdOk_, CmdAnnulla_})
        p->setAutoDefault(false);
    connect(CmdOk_, &QPushButton::clicked, this, &FrmRidist::Conferma);
    connect(CmdAnnulla_, &QPushButton::clicked, this, &QDialog::reject);

    auto* classe = new QGridLayout;
    auto* etichettaClasse = new QLabel(QStringLiteral("Classe cls"), this);
    etichettaClasse->setBuddy(ComboClasse_);
    classe->addWidget(etichettaClasse, 0, 0);
    classe->addWidget(ComboClasse_, 0, 1);
    classe->addWidget(new QLabel(QStringLiteral("f<sub>ck</sub> ="), this), 1, 0);
    auto* fck = new QHBoxLayout;
    fck->addWidget(lblFck_);
    fck->addWidget(new QLabel(QStringLiteral("N/mm²"), this));
    fck->addStretch();
    classe->addLayout(fck, 1, 1);
    classe->addWidget(new QLabel(QStringLiteral("ε<sub>cu</sub> ="), this), 2, 0);
    auto* ecu = new QHBoxLayout;
    ecu->addWidget(lblEcu_);
    ecu->addWidget(new QLabel(QStringLiteral("‰"), this));
    ecu->addStretch();
    classe->addLayout(ecu, 2, 1);

    auto* valori = new QGridLayout;
    auto* etichettaXsuD = new QLabel(QStringLiteral("x/d ="), this);
    etichettaXsuD->setBuddy(txtXsuD_);
    valori->addWidget(etichettaXsuD, 0, 0);
    valori->addWidget(txtXsuD_, 0, 1);
    valori->addWidget(new QLabel(QStringLiteral("I momenti negativi vengono ridotti al valore"), this), 1, 0, 1, 2);
    auto* etichettaDelta = new QLabel(QStringLiteral("δ · M, con δ ="), this);
    etichettaDelta->setBuddy(txtDelta_);
    valori->addWidget(etichettaDelta, 2, 0);
    valori->addWidget(txtDelta_, 2, 1);
    valori->addWidget(
        new QLabel(QStringLiteral("I momenti positivi vengono aumentati per ripristinare l'equilibrio."), this), 3,
        0, 1, 2);

    auto* comandi = new QHBoxLayout;
    comandi->addStretch();
    comandi->addWidget(CmdOk_);
    comandi->addWidget(CmdAnnulla_);

    auto* principale = new QVBoxLayout(this);
    principale->addWidget(new QLabel(QStringLiteral("(D.M. 17/1/18 §4.1.1.1 - EC2 #2.5.3.4.2)"), this));
    principale->addLayout(classe);
    principale->addWidget(PictureDelta_);
    principale->addLayout(valori);
    principale->addLayout(comandi);

    // Opening: the class, then δ as stored and the x/d that gives it.
    CaricaClassi();
    iClasse_ = ClasseValida(imp_.ClasseCls);
    ComboClasse_->setCurrentIndex(iClasse_);
    ImpostaClasse();
    if (imp_.DeltaRidist == 0.0f) imp_.DeltaRidist = 1.0f;
    Delta_ = imp_.DeltaRidist;
    MostraDelta();
    XsuD_ = XsuDDaDelta(iClasse_, EpsCu_, Delta_);
    MostraXsuD();
    connect(ComboClasse_, &QComboBox::currentIndexChanged, this, &FrmRidist::SceltaClasse);
}

void FrmRidist::CaricaClassi() {
    ComboClasse_->clear();
    for (const ClasseCalcestruzzo& c : ClassiCalcestruzzo())
        ComboClasse_->addItem(Testo(c.Nome));
}

void FrmRidist::ImpostaClasse() {
    const ClasseCalcestruzzo& c = ClassiCalcestruzzo()[static_cast<std::size_t>(iClasse_)];
    lblFck_->setText(QString::number(c.fck));
    EpsCu_ = EpsCuClasse(iClasse_);
    lblEcu_->setText(QString::fromStdString(TestoEpsCu(EpsCu_, sep_)));
    PictureDelta_->setText(Formula(iClasse_, sep_));
}

float FrmRidist::Leggi(const QLineEdit* campo) const {
    return static_cast<float>(LeggeNumeroSingolo(campo->text().toStdString(), sep_));
}

void FrmRidist::MostraDelta() {
    txtDelta_->setText(QString::fromStdString(FormattaDelta(Delta_, sep_)));
}

void FrmRidist::MostraXsuD() {
    txtXsuD_->setText(QString::fromStdString(FormattaXsuD(XsuD_, sep_)));
}

void FrmRidist::SceltaClasse(int indice) {
    if (indice < 0) return;
    iClasse_ = indice;
    ImpostaClasse();
    XsuD_ = Leggi(txtXsuD_);
    Delta_ = LimitaDelta(DeltaDaXsuD(iClasse_, EpsCu_, XsuD_));
    MostraDelta();
}

void FrmRidist::UscitaXsuD() {
    txtXsuD_->setModified(false);
    XsuD_ = Leggi(txtXsuD_);
    Delta_ = LimitaDelta(DeltaDaXsuD(iClasse_, EpsCu_, XsuD_));
    MostraDelta();
}

void FrmRidist::UscitaDelta() {
    Delta_ = LimitaDelta(Leggi(txtDelta_));
    MostraDelta();
    XsuD_ = XsuDDaDelta(iClasse_, EpsCu_, Delta_);
    MostraXsuD();
}

void FrmRidist::Conferma() {
    // A value still being typed counts, however "OK" was reached.
    if (txtXsuD_->isModified()) UscitaXsuD();
    Delta_ = LimitaDelta(Leggi(txtDelta_));
    imp_.DeltaRidist = Delta_;
    imp_.ClasseCls = ComboClasse_->currentIndex();
    accept();
}

} // namespace vc
