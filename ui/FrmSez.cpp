#include "ui/FrmSez.h"

#include "support/Formattazione.h"
#include "ui/EventiCampo.h"
#include "ui/FiguraSezione.h"
#include "ui/GrigliaModifica.h"
#include "ui/TastiDecimali.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vc {

namespace {

QLineEdit* CampoNumerico(const QString& nome, QWidget* genitore, GestioneTastiDecimali* tasti) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(nome);
    c->setAlignment(Qt::AlignRight);
    tasti->Controlla(c);
    SelezionaAllIngresso(c);
    return c;
}

// J comes from single-precision dimensions (or is kept as a single for a generic section): six
// significant digits show it without the noise of the last bits, 0,0072 and not 0,007200001.
std::string TestoInerzia(double J, const Separatori& sep) {
    return FormattaNumero(6, 20, std::clamp(J, -1.0e30, 1.0e30), true, sep);
}

} // namespace

FrmSez::FrmSez(Velcora& trave, const Separatori& sep, Messaggi& msg, QWidget* genitore)
    : QDialog(genitore), trave_(trave), sep_(sep), msg_(msg) {
    setObjectName(QStringLiteral("frmSez"));
    setWindowTitle(QStringLiteral("Sezioni"));
    auto* tasti = new GestioneTastiDecimali(sep_, this);

    // Which section.
    txtNsez_ = CampoNumerico(QStringLiteral("txtNsez"), this, tasti);
    txtNtotale_ = new QLineEdit(this);
    txtNtotale_->setObjectName(QStringLiteral("txtNtotale"));
    txtNtotale_->setReadOnly(true);
    txtNtotale_->setFocusPolicy(Qt::NoFocus);
    txtNtotale_->setAlignment(Qt::AlignRight);
    const int cifre = fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
    txtNsez_->setMaximumWidth(cifre);
    txtNtotale_->setMaximumWidth(cifre);
    auto* numeri = new QHBoxLayout;
    auto* etichettaNsez = new QLabel(QStringLiteral("Sezione N°"), this);
    etichettaNsez->setBuddy(txtNsez_);
    numeri->addWidget(etichettaNsez);
    numeri->addWidget(txtNsez_);
    numeri->addWidget(new QLabel(QStringLiteral("di"), this));
    numeri->addWidget(txtNtotale_);
    numeri->addStretch();

    // The kind.
    auto* tipi = new QGroupBox(QStringLiteral("Tipo sezione"), this);
    auto* colonnaTipi = new QVBoxLayout(tipi);
    auto* gruppo = new QButtonGroup(this);
    const std::array<QString, 3> nomiTipi = {QStringLiteral("Rettangolare"), QStringLiteral("a T"),
                                             QStringLiteral("Generica")};
    for (int k = 0; k < 3; ++k) {
        auto* o = new QRadioButton(nomiTipi[static_cast<std::size_t>(k)], tipi);
        o->setObjectName(QStringLiteral("OpTipoSezione_%1").arg(k));
        gruppo->addButton(o, k);
        colonnaTipi->addWidget(o);
        OpTipoSezione_[static_cast<std::size_t>(k)] = o;
    }
    connect(gruppo, &QButtonGroup::idClicked, this, &FrmSez::SceltaTipo);

    // The dimensions.
    FlexGrid_ = new GrigliaModifica(sep_, this);
    FlexGrid_->setObjectName(QStringLiteral("FlexGrid"));
    FlexGrid_->PerRighe(true);
    FlexGrid_->ImpostaRigheVisibili(2);
    FlexGrid_->ImpostaMessaggi(&msg_);
    DimensionaGriglia();
    connect(FlexGrid_, &GrigliaModifica::CellaModificata, this, [this] { AggiornaFigura(); });
    connect(FlexGrid_, &GrigliaModifica::FineGriglia, this, [this] {
        MemorizzaSezione();
        FocusDopoInserimento();
    });

    // E, J, total depth.
    txtEc_[0] = CampoNumerico(QStringLiteral("txtEc_0"), this, tasti);
    txtEc_[1] = new QLineEdit(this);
    txtEc_[1]->setObjectName(QStringLiteral("txtEc_1"));
    txtEc_[1]->setReadOnly(true);
    txtEc_[1]->setFocusPolicy(Qt::NoFocus);
    txtEc_[1]->setAlignment(Qt::AlignRight);
    txtInerzia_ = new QLineEdit(this);
    txtInerzia_->setObjectName(QStringLiteral("txtInerzia"));
    txtInerzia_->setReadOnly(true);
    txtInerzia_->setFocusPolicy(Qt::NoFocus);
    txtInerzia_->setAlignment(Qt::AlignRight);
    txtInerziaCm4_ = CampoNumerico(QStringLiteral("txtInerziaCm4"), this, tasti);
    connect(txtEc_[0], &QLineEdit::textEdited, this, [this] {
        // Held within what a section stores, so that a huge modulus shows as it will be kept.
        const double E = std::clamp(Valore(txtEc_[0]) * 1000.0, -1.0e30, 1.0e30);
        txtEc_[1]->setText(QString::fromStdString(TestoNumero(E, sep_)));
    });
    AlTastoInvio(txtEc_[0], [this] { FocusDopoInserimento(); });
    connect(txtInerziaCm4_, &QLineEdit::textEdited, this, [this] {
        jota_ = Valore(txtInerziaCm4_) / 1.0e8;
        txtInerzia_->setText(QString::fromStdString(TestoInerzia(jota_, sep_)));
        if (tipo_ == SezGenerica) MemorizzaSezione();
    });
    AlTastoInvio(txtInerziaCm4_, [this] { txtHtot_->setFocus(Qt::TabFocusReason); });

    fraAltezza_ = new QGroupBox(QStringLiteral("Altezza totale sezione (serve per decalage)"), this);
    fraAltezza_->setObjectName(QStringLiteral("fraAltezza"));
    txtHtot_ = CampoNumerico(QStringLiteral("txtHtot"), fraAltezza_, tasti);
    auto* rigaAltezza = new QHBoxLayout(fraAltezza_);
    rigaAltezza->addWidget(new QLabel(QStringLiteral("hTot (m)"), fraAltezza_));
    rigaAltezza->addWidget(txtHtot_);
    AlTastoInvio(txtHtot_, [this] {
        MemorizzaSezione();
        FocusDopoInserimento();
    });

    auto* valori = new QGridLayout;
    valori->addWidget(new QLabel(QStringLiteral("E (N/mm²)"), this), 0, 0);
    valori->addWidget(txtEc_[0], 0, 1);
    valori->addWidget(new QLabel(QStringLiteral("E (kN/m²)"), this), 1, 0);
    valori->addWidget(txtEc_[1], 1, 1);
    valori->addWidget(new QLabel(QStringLiteral("J (m⁴)"), this), 2, 0);
    valori->addWidget(txtInerzia_, 2, 1);
    valori->addWidget(new QLabel(QStringLiteral("J (cm⁴)"), this), 3, 0);
    valori->addWidget(txtInerziaCm4_, 3, 1);

    Figura_ = new FiguraSezione(this);

    cbVisSucc_[0] = new QPushButton(QStringLiteral("Visualizza Succ."), this);
    cbVisSucc_[1] = new QPushButton(QStringLiteral("Visualizza prec."), this);
    cbFineSez_ = new QPushButton(QStringLiteral("Fine"), this);
    cbFineSez_->setObjectName(QStringLiteral("cbFineSez"));
    for (std::size_t i = 0; i < 2; ++i) {
        cbVisSucc_[i]->setObjectName(QStringLiteral("cbVisSucc_%1").arg(i));
        cbVisSucc_[i]->setAutoDefault(false);
    }
    cbFineSez_->setAutoDefault(false);
    connect(cbVisSucc_[0], &QPushButton::clicked, this, [this] {
        MemorizzaSezione();
        VaiASezione(mostrata_ + 1);
    });
    connect(cbVisSucc_[1], &QPushButton::clicked, this, [this] {
        MemorizzaSezione();
        VaiASezione(mostrata_ - 1);
    });
    connect(cbFineSez_, &QPushButton::clicked, this, &QDialog::accept);
    AlTastoInvio(txtNsez_, [this] {
        MemorizzaSezione();
        const double n = std::round(LeggeNumeroOppure(txtNsez_->text().toStdString(), sep_, 1.0e9));
        VaiASezione(static_cast<int>(std::clamp(n, -1.0, 1.0e9)));
    });

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(cbVisSucc_[1]);
    comandi->addWidget(cbVisSucc_[0]);
    comandi->addStretch();
    comandi->addWidget(cbFineSez_);

    auto* dati = new QVBoxLayout;
    dati->addLayout(numeri);
    dati->addWidget(tipi);
    dati->addWidget(FlexGrid_);
    dati->addLayout(valori);
    dati->addStretch();
    auto* figura = new QVBoxLayout;
    figura->addWidget(fraAltezza_);
    figura->addWidget(Figura_, 1);
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(dati);
    corpo->addLayout(figura, 1);
    auto* principale = new QVBoxLayout(this);
    principale->addLayout(corpo, 1);
    principale->addLayout(comandi);

    // Opening on the first section.
    txtNtotale_->setText(QString::number(trave_.nSezioni()));
    txtNsez_->setText(QStringLiteral("1"));
    VaiASezione(1);
}

double FrmSez::Valore(const QLineEdit* campo) const {
    return LeggeNumeroOppure(campo->text().toStdString(), sep_);
}

void FrmSez::VaiASezione(int numero) {
    const int totale = trave_.nSezioni();
    if (numero > totale) {
        numero = totale;
        msg_.Mostra("Superato il numero totale di Sezioni", Icona::Errore);
        cbFineSez_->setFocus(Qt::OtherFocusReason);
    } else if (numero < 1) {
        numero = 1;
        msg_.Mostra("Fine sezioni", Icona::Errore);
        cbVisSucc_[0]->setFocus(Qt::OtherFocusReason);
    }
    if (numero < 1) { // a beam without sections: nothing to show
        mostrata_ = 0;
        txtNsez_->setText(QStringLiteral("0"));
        return;
    }
    VisualizzaDatiSezione(numero);
}

void FrmSez::VisualizzaDatiSezione(int numero) {
    mostrata_ = numero;
    txtNsez_->setText(QString::number(numero));
    const DatiSezione d = trave_.EstraeDatiSezione(numero);
    tipo_ = std::clamp(d.Tipo, 0, 2);
    OpTipoSezione_[static_cast<std::size_t>(tipo_)]->setChecked(true);
    if (tipo_ == SezGenerica) {
        jota_ = static_cast<double>(d.Figure[0][0]);
        txtHtot_->setText(QString::fromStdString(TestoNumero(static_cast<double>(d.Figure[0][1]), sep_)));
        FlexGrid_->ImpostaDimensioni(2, 3);
        FlexGrid_->SvuotaDati();
    } else {
        jota_ = d.Jota;
        DimensionaGriglia();
        FlexGrid_->SvuotaDati();
        const int righe = tipo_ == SezT ? 2 : 1;
        for (int r = 0; r < righe; ++r)
            for (int c = 0; c < 2; ++c)
                FlexGrid_->ScriveCella(static_cast<double>(d.Figure[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]),
                                       r + 1, c + 1);
        txtHtot_->clear();
    }
    MostraInerzia();
    const double E = d.Young > 0 ? static_cast<double>(d.Young) : 2.0e7;
    txtEc_[0]->setText(QString::fromStdString(TestoNumero(E / 1000.0, sep_)));
    txtEc_[1]->setText(QString::fromStdString(TestoNumero(E, sep_)));
    SchemaSezione();
    AggiornaFigura();
}

void FrmSez::MostraInerzia() {
    txtInerzia_->setText(QString::fromStdString(TestoInerzia(jota_, sep_)));
    txtInerziaCm4_->setText(QString::fromStdString(TestoInerzia(jota_ * 1.0e8, sep_)));
}

MatriceFigure FrmSez::FigureDallaGriglia() const {
    MatriceFigure m{};
    const int righe = tipo_ == SezT ? 2 : 1;
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < 2; ++c) {
            double v = 0;
            try {
                v = FlexGrid_->LeggeCella(r + 1, c + 1);
            } catch (const std::out_of_range&) {
                v = 0;
            }
            m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = static_cast<float>(std::clamp(v, -1.0e30, 1.0e30));
        }
    return m;
}

void FrmSez::MemorizzaSezione() {
    if (mostrata_ < 1 || mostrata_ > trave_.nSezioni()) return;
    FlexGrid_->ChiudeModifica();
    MatriceFigure m{};
    if (tipo_ == SezGenerica) {
        // Within what a single holds, as the dimensions of the grid: a section is shown again.
        m[0][0] = static_cast<float>(std::clamp(jota_, -1.0e30, 1.0e30));
        m[0][1] = static_cast<float>(std::clamp(Valore(txtHtot_), -1.0e30, 1.0e30));
    } else {
        m = FigureDallaGriglia();
    }
    const auto E = static_cast<float>(std::clamp(Valore(txtEc_[1]), -1.0e30, 1.0e30));
    trave_.InserisceDatiSezione(mostrata_, tipo_, m, E);
    if (tipo_ != SezGenerica) {
        jota_ = trave_.SezioneI(mostrata_).JotaXG;
        MostraInerzia();
        AggiornaFigura();
    }
}

void FrmSez::SchemaSezione() {
    const bool generica = tipo_ == SezGenerica;
    FlexGrid_->setVisible(!generica);
    txtInerziaCm4_->setEnabled(generica);
    fraAltezza_->setVisible(generica);
}

void FrmSez::DimensionaGriglia() {
    FlexGrid_->ImpostaDimensioni(tipo_ == SezT ? 3 : 2, 3);
    FlexGrid_->ImpostaIntestazioni({"N°", "b (m)", "h (m)"});
    FlexGrid_->NumeraRighe();
    for (int c = 0; c < 3; ++c)
        FlexGrid_->ImpostaLarghezzaColonna(c, 1000);
    FlexGrid_->ImpostaRigheVisibili(tipo_ == SezT ? 2 : 1);
}

void FrmSez::AggiornaFigura() {
    FiguraSezione::Dati d;
    d.Tipo = tipo_;
    if (tipo_ != SezGenerica) {
        const MatriceFigure m = FigureDallaGriglia();
        d.b1 = static_cast<double>(m[0][0]);
        d.h1 = static_cast<double>(m[0][1]);
        d.b2 = static_cast<double>(m[1][0]);
        d.H2 = static_cast<double>(m[1][1]);
    }
    Figura_->Imposta(d);
}

void FrmSez::FocusDopoInserimento() {
    const int totale = trave_.nSezioni();
    if (mostrata_ < totale)
        cbVisSucc_[0]->setFocus(Qt::OtherFocusReason);
    else if (mostrata_ == totale)
        cbFineSez_->setFocus(Qt::OtherFocusReason);
    else
        cbVisSucc_[1]->setFocus(Qt::OtherFocusReason);
}

void FrmSez::SceltaTipo(int tipo) {
    if (tipo == tipo_) return;
    tipo_ = tipo;
    SchemaSezione();
    if (tipo_ != SezGenerica) DimensionaGriglia();
    AggiornaFigura();
}

void FrmSez::done(int risultato) {
    // However the window closes, the section shown is kept like the others.
    MemorizzaSezione();
    QDialog::done(risultato);
}

} // namespace vc
