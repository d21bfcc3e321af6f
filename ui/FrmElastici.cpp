#include "ui/FrmElastici.h"

#include "support/Formattazione.h"
#include "support/VerificaContenuto.h"
#include "ui/EventiCampo.h"
#include "ui/TastiDecimali.h"
#include "ui/TestiFinestra.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace vc {
namespace {

// Column data far beyond any building (1e308 m sides, a height of 1e-300 m) give a J or a K
// that is not a number: the field then stays empty rather than show it.
QString TestoFinito(double x, std::string (*formato)(double, const Separatori&), const Separatori& sep) {
    return std::isfinite(x) ? QString::fromStdString(formato(x, sep)) : QString();
}

} // namespace

// The frame situation as a sketch: the beam end with the columns below and above it, a hinge
// or a fixed base at their far ends. Drawn for the end being edited (the beam runs towards
// the middle of the picture).
class DisegnoTelaio final : public QWidget {
public:
    explicit DisegnoTelaio(QWidget* genitore) : QWidget(genitore) {
        setObjectName(QStringLiteral("PictureVincolo"));
        const int h = fontMetrics().height();
        setMinimumSize(8 * h, 8 * h);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    void Imposta(int situazione, bool destra) {
        situazione_ = situazione;
        destra_ = destra;
        update();
    }
    int Situazione() const { return situazione_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), palette().base());
        const double w = width();
        const double h = height();
        const double nodoX = destra_ ? 0.75 * w : 0.25 * w;
        const double traveX = destra_ ? 0.05 * w : 0.95 * w;
        const double nodoY = 0.45 * h;
        const double piede = 0.85 * h;
        const double testa = 0.08 * h;
        const double unita = h / 20.0;

        QPen tratto(palette().text().color(), 2);
        p.setPen(tratto);
        p.drawLine(QPointF(nodoX, nodoY), QPointF(traveX, nodoY)); // the beam

        auto cerniera = [&](double x, double y, bool sopra) {
            const double s = sopra ? -1.0 : 1.0;
            QPainterPath triangolo;
            triangolo.moveTo(x, y);
            triangolo.lineTo(x - unita, y + s * 1.6 * unita);
            triangolo.lineTo(x + unita, y + s * 1.6 * unita);
            triangolo.closeSubpath();
            p.drawPath(triangolo);
        };
        auto incastro = [&](double x, double y, bool sopra) {
            const double s = sopra ? -1.0 : 1.0;
            p.drawLine(QPointF(x - 1.5 * unita, y), QPointF(x + 1.5 * unita, y));
            QPen sottile(palette().text().color(), 1);
            p.setPen(sottile);
            for (int i = 0; i < 4; ++i) {
                const double xi = x - 1.5 * unita + i * unita;
                p.drawLine(QPointF(xi, y), QPointF(xi - 0.7 * unita, y + s * 0.7 * unita));
            }
            p.setPen(tratto);
        };

        p.drawLine(QPointF(nodoX, nodoY), QPointF(nodoX, piede)); // the column below
        switch (situazione_) {
        case PortaleIncernierato:
            cerniera(nodoX, piede, false);
            break;
        case PortaleIncastrato:
            incastro(nodoX, piede, false);
            break;
        case PianoPrimo:
            incastro(nodoX, piede, false);
            p.drawLine(QPointF(nodoX, nodoY), QPointF(nodoX, testa));
            cerniera(nodoX, testa, true);
            break;
        case PianoTipo:
            cerniera(nodoX, piede, false);
            p.drawLine(QPointF(nodoX, nodoY), QPointF(nodoX, testa));
            cerniera(nodoX, testa, true);
            break;
        default:
            break;
        }
    }

private:
    int situazione_ = 0;
    bool destra_ = false;
};

namespace {

// What each of the nine column fields holds.
const std::array<const char*, 9> DidascalieDati = {
    "a (m), lato nel piano della trave", "b (m)", "J (m⁴)", "L (m), altezza",
    "a (m), lato nel piano della trave", "b (m)", "J (m⁴)", "L (m), altezza",
    "E (N/mm²)"};

} // namespace

FrmElastici::FrmElastici(Velcora& trave, const Separatori& sep, Messaggi& msg, QWidget* genitore)
    : QDialog(genitore), trave_(trave), sep_(sep), msg_(msg) {
    setObjectName(QStringLiteral("frmElastici"));
    setWindowTitle(QStringLiteral("Rigidezze vincoli elastici"));
    auto* tasti = new GestioneTastiDecimali(sep_, this);

    // Which end.
    optVinc_[0] = new QRadioButton(QStringLiteral("vincolo sinistra"), this);
    optVinc_[1] = new QRadioButton(QStringLiteral("vincolo destra"), this);
    for (std::size_t l = 0; l < 2; ++l) {
        optVinc_[l]->setObjectName(QStringLiteral("optVinc_%1").arg(l));
        connect(optVinc_[l], &QRadioButton::clicked, this, [this, l] { SceltaLato(l); });
    }
    auto* lati = new QHBoxLayout;
    lati->addWidget(optVinc_[0]);
    lati->addWidget(optVinc_[1]);
    lati->addStretch();

    // The frame situation and its sketch.
    comboVincolo_ = new QComboBox(this);
    comboVincolo_->setObjectName(QStringLiteral("comboVincolo"));
    for (std::string_view t : TestiSituazioni())
        comboVincolo_->addItem(Testo(t));
    PictureVincolo_ = new DisegnoTelaio(this);

    // The column data.
    frameK_ = new QGroupBox(QStringLiteral("Pilastri"), this);
    frameK_->setObjectName(QStringLiteral("frameK"));
    auto* griglia = new QGridLayout(frameK_);
    griglia->addWidget(new QLabel(QStringLiteral("Pilastro 1"), frameK_), 0, 1);
    titoloPilastro2_ = new QLabel(QStringLiteral("Pilastro 2"), frameK_);
    griglia->addWidget(titoloPilastro2_, 0, 3);
    for (std::size_t i = 0; i < txt_.size(); ++i) {
        auto* campo = new QLineEdit(frameK_);
        campo->setObjectName(QStringLiteral("txt_%1").arg(i));
        campo->setAlignment(Qt::AlignRight);
        tasti->Controlla(campo);
        SelezionaAllIngresso(campo);
        AlTastoInvio(campo, [this, i] { InvioInCampo(i); });
        AlPerdereFocus(campo, [this, i] { UscitaDaCampo(i); });
        txt_[i] = campo;
        etichette_[i] = new QLabel(QString::fromUtf8(DidascalieDati[i]), frameK_);
        etichette_[i]->setBuddy(campo);
        const int riga = i < 8 ? static_cast<int>(i % 4) + 1 : 5;
        const int colonna = i >= 4 && i < 8 ? 2 : 0;
        griglia->addWidget(etichette_[i], riga, colonna);
        griglia->addWidget(campo, riga, colonna + 1);
    }

    // K of both ends.
    lblS_ = new QLabel(QStringLiteral("K sinistra"), this);
    lblS_->setObjectName(QStringLiteral("lblS"));
    lbld_ = new QLabel(QStringLiteral("K destra"), this);
    lbld_->setObjectName(QStringLiteral("lbld"));
    lblunits_ = new QLabel(QStringLiteral("[kNm/rad]"), this);
    lblunits_->setObjectName(QStringLiteral("lblunits"));
    for (std::size_t l = 0; l < 2; ++l) {
        txtK_[l] = new QLineEdit(this);
        txtK_[l]->setObjectName(QStringLiteral("txtK_%1").arg(l));
        txtK_[l]->setAlignment(Qt::AlignRight);
        tasti->Controlla(txtK_[l]);
        SelezionaAllIngresso(txtK_[l]);
        AlTastoInvio(txtK_[l], [this] { cmdOK_[0]->setFocus(Qt::TabFocusReason); });
    }
    lblS_->setBuddy(txtK_[0]);
    lbld_->setBuddy(txtK_[1]);
    auto* rigaK = new QGridLayout;
    rigaK->addWidget(lblS_, 0, 0);
    rigaK->addWidget(txtK_[0], 0, 1);
    rigaK->addWidget(lbld_, 1, 0);
    rigaK->addWidget(txtK_[1], 1, 1);
    rigaK->addWidget(lblunits_, 0, 2, 2, 1);

    chkUtente_ = new QCheckBox(QStringLiteral("K utente"), this);
    chkUtente_->setObjectName(QStringLiteral("chkUtente"));

    cmdOK_[0] = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_[1] = new QPushButton(QStringLiteral("Annulla"), this);
    for (std::size_t i = 0; i < 2; ++i) {
        cmdOK_[i]->setObjectName(QStringLiteral("cmdOK_%1").arg(i));
        cmdOK_[i]->setAutoDefault(false);
    }
    connect(cmdOK_[0], &QPushButton::clicked, this, &FrmElastici::Conferma);
    connect(cmdOK_[1], &QPushButton::clicked, this, &QDialog::reject);
    auto* comandi = new QHBoxLayout;
    comandi->addWidget(chkUtente_);
    comandi->addStretch();
    comandi->addWidget(cmdOK_[0]);
    comandi->addWidget(cmdOK_[1]);

    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(lati);
    sinistra->addWidget(comboVincolo_);
    sinistra->addWidget(PictureVincolo_, 1);
    auto* sopra = new QHBoxLayout;
    sopra->addLayout(sinistra);
    sopra->addWidget(frameK_, 1);

    auto* principale = new QVBoxLayout(this);
    principale->setSizeConstraint(QLayout::SetFixedSize); // shrinks when the column data hide
    principale->addLayout(sopra);
    principale->addLayout(rigaK);
    principale->addLayout(comandi);

    CaricaDati();

    connect(comboVincolo_, &QComboBox::currentIndexChanged, this, &FrmElastici::SceltaSituazione);
    connect(chkUtente_, &QCheckBox::toggled, this, &FrmElastici::SceltaKUtente);
    caricato_ = true;
}

void FrmElastici::CaricaDati() {
    try {
        dati_ = CaricaVincoliElastici(trave_);
    } catch (const std::exception&) {
        msg_.Mostra("Controllare i dati.", Icona::Errore);
        dati_ = VincoliElasticiDellaTrave(trave_); // the column modulus as the beam keeps it
    }
    for (int& t : dati_.Tipo)
        if (t < 0 || t >= nSituazioniTelaio) t = 0;

    for (std::size_t l = 0; l < 2; ++l)
        txtK_[l]->setText(TestoFinito(dati_.K[l], FormattaLibero, sep_));

    const SceltaVincolo scelta = ScegliVincolo(trave_.VincoloSinistro, trave_.VincoloDestro);
    optVinc_[0]->setEnabled(scelta.SinistraAbilitata);
    optVinc_[1]->setEnabled(scelta.DestraAbilitata);
    lato_ = scelta.Sinistra ? 0 : 1;
    optVinc_[lato_]->setChecked(true);
    MostraDatiLato();
    AbilitaCaselleK();

    chkUtente_->setChecked(dati_.Kutente);
    frameK_->setVisible(!dati_.Kutente);
}

void FrmElastici::MostraDatiLato() {
    const DatiPilastri& d = dati_.Pilastri[lato_];
    for (std::size_t i = 0; i < txt_.size(); ++i)
        txt_[i]->setText(TestoFinito(d[i], TestoNumero, sep_));
    MostraSituazione(dati_.Tipo[lato_]);
}

void FrmElastici::LeggeDatiLato() {
    for (std::size_t i = 0; i < txt_.size(); ++i)
        dati_.Pilastri[lato_][i] = Valore(txt_[i]);
}

void FrmElastici::MostraSituazione(int situazione) {
    {
        const QSignalBlocker blocco(comboVincolo_);
        comboVincolo_->setCurrentIndex(situazione);
    }
    PictureVincolo_->Imposta(situazione, lato_ == 1);
    MostraPilastroSuperiore(SecondoPilastro(situazione));
}

void FrmElastici::MostraPilastroSuperiore(bool visibile) {
    titoloPilastro2_->setVisible(visibile);
    for (std::size_t i = 4; i < 8; ++i) {
        txt_[i]->setVisible(visibile);
        etichette_[i]->setVisible(visibile);
    }
}

void FrmElastici::AbilitaCaselleK() {
    txtK_[0]->setEnabled(lato_ == 0);
    lblS_->setEnabled(lato_ == 0);
    txtK_[1]->setEnabled(lato_ == 1);
    lbld_->setEnabled(lato_ == 1);
}

double FrmElastici::Valore(const QLineEdit* campo) const {
    return LeggeNumeroOppure(campo->text().toStdString(), sep_);
}

void FrmElastici::RigidezzaCalcola(int posizione) {
    if (!caricato_ || chkUtente_->isChecked()) return;
    DatiPilastri d{};
    for (std::size_t i = 0; i < txt_.size(); ++i)
        d[i] = Valore(txt_[i]);
    if (LatoPilastro(posizione)) {
        AggiornaInerzie(d);
        txt_[2]->setText(TestoFinito(d[2], TestoNumero, sep_));
        txt_[6]->setText(TestoFinito(d[6], TestoNumero, sep_));
    }
    const double K = vc::RigidezzaCalcola(comboVincolo_->currentIndex(), d);
    txtK_[lato_]->setText(TestoFinito(K, FormattaLibero, sep_));
}

void FrmElastici::SceltaLato(std::size_t lato) {
    if (lato == lato_) return;
    LeggeDatiLato();
    lato_ = lato;
    MostraDatiLato();
    AbilitaCaselleK();
}

void FrmElastici::SceltaSituazione(int situazione) {
    if (situazione < 0) return;
    PictureVincolo_->Imposta(situazione, lato_ == 1);
    MostraPilastroSuperiore(SecondoPilastro(situazione));
    dati_.Tipo[lato_] = situazione;
    RigidezzaCalcola(1);
}

void FrmElastici::InvioInCampo(std::size_t i) {
    QLineEdit* campo = txt_[i];
    if (!VerificaContenuto(campo->text().toStdString(), sep_)) {
        campo->setText(QStringLiteral("0"));
        campo->selectAll();
        return;
    }
    campo->setModified(false);
    RigidezzaCalcola(static_cast<int>(i) + 1);
    // On to the next field shown, the column modulus included; after the last one, "OK".
    const bool secondo = SecondoPilastro(comboVincolo_->currentIndex());
    for (std::size_t j = i + 1; j < txt_.size(); ++j) {
        if (!secondo && j >= 4 && j < 8) continue;
        txt_[j]->setFocus(Qt::TabFocusReason);
        txt_[j]->selectAll();
        return;
    }
    cmdOK_[0]->setFocus(Qt::TabFocusReason);
}

void FrmElastici::UscitaDaCampo(std::size_t i) {
    QLineEdit* campo = txt_[i];
    if (!VerificaContenuto(campo->text().toStdString(), sep_)) {
        campo->setText(QStringLiteral("0"));
        return;
    }
    // A value typed and left with Tab or the mouse counts as much as one confirmed with Enter;
    // passing through a field without changing it recomputes nothing (a J typed on purpose stays).
    if (!campo->isModified()) return;
    campo->setModified(false);
    RigidezzaCalcola(static_cast<int>(i) + 1);
}

void FrmElastici::SceltaKUtente(bool utente) {
    dati_.Kutente = utente;
    frameK_->setVisible(!utente);
}

void FrmElastici::Conferma() {
    dati_.Kutente = chkUtente_->isChecked();
    dati_.K = {Valore(txtK_[0]), Valore(txtK_[1])};
    LeggeDatiLato();
    SalvaVincoliElastici(trave_, dati_);
    accept();
}

} // namespace vc
