#include "ui/FrmFconc.h"

#include "support/Formattazione.h"
#include "support/VerificaContenuto.h"
#include "ui/EventiCampo.h"
#include "ui/GrigliaModifica.h"
#include "ui/TastiDecimali.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace vc {

namespace {

constexpr int nColonne = 7; // N°, camp., the four loads, d
constexpr int MassimoRighe = 32767;

// The two kinds of load: the texts of the grid and of the messages.
struct Tipo {
    const char* Titolo;
    const char* Conteggio;
    std::array<const char*, nColonne> Intestazioni;
    const char* Riferimento; // "… n. i fa riferimento a campata inesistente."
    const char* Posizione;   // "… N° i con d=… < 0", "… N° i esteso oltre la luce"
};
const std::array<Tipo, 2> Tipi = {{
    {"Forze", "N. forze", {"N°", "camp.", "F(g1)", "F(g2)", "F(q1)", "F(q2)", "d"}, "Il carico n. ",
     "Carico concentrato N° "},
    {"Coppie", "N. coppie", {"N°", "camp.", "W(g1)", "W(g2)", "W(q1)", "W(q2)", "d"}, "La coppia n. ", "Coppia N° "},
}};

bool Singolo(double v) { return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max()); }

} // namespace

std::vector<double> FrmFconc::LuciDellaTrave(const Velcora& trave) {
    std::vector<double> luci;
    for (int i = 1; i <= trave.nCampate(); ++i)
        luci.push_back(static_cast<double>(trave.CampataI(i).Luce));
    return luci;
}

FrmFconc::FrmFconc(Velcora& trave, std::vector<double> luci, const Separatori& sep, Messaggi& msg,
                   QWidget* genitore)
    : QDialog(genitore), trave_(trave), luci_(std::move(luci)), sep_(sep), msg_(msg) {
    setObjectName(QStringLiteral("frmFconc"));
    setWindowTitle(QStringLiteral("Carichi concentrati"));

    auto* tasti = new GestioneTastiDecimali(sep_, this);
    cmdOK_[1] = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_[0] = new QPushButton(QStringLiteral("Annulla"), this);

    auto* tabelle = new QHBoxLayout;
    for (std::size_t q = 0; q < 2; ++q) {
        const Tipo& tipo = Tipi[q];
        auto* riquadro = new QGroupBox(QString::fromUtf8(tipo.Titolo), this);
        riquadro->setObjectName(QStringLiteral("fra%1").arg(QString::fromUtf8(tipo.Titolo)));

        auto* conteggio = new QLineEdit(QStringLiteral("0"), riquadro);
        conteggio->setObjectName(QStringLiteral("txtRigheGriglia_%1").arg(q));
        conteggio->setAlignment(Qt::AlignRight);
        conteggio->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        tasti->Controlla(conteggio);
        SelezionaAllIngresso(conteggio);
        AlTastoInvio(conteggio, [this, q] { InvioConteggio(q); });
        txtRigheGriglia_[q] = conteggio;
        auto* etichetta = new QLabel(QString::fromUtf8(tipo.Conteggio), riquadro);
        etichetta->setBuddy(conteggio);

        auto* zoom = new QPushButton(QStringLiteral("Zoom"), riquadro);
        zoom->setObjectName(QStringLiteral("FlexGridZoom_%1").arg(q));
        zoom->setAutoDefault(false);
        FlexGridZoom_[q] = zoom;

        auto* griglia = new GrigliaModifica(sep_, riquadro);
        griglia->setObjectName(QStringLiteral("FlexGrid_%1").arg(q));
        griglia->PerRighe(true);
        griglia->ChiusuraNumerica(true);
        griglia->ImpostaRigheVisibili(6);
        griglia->ColonneElastiche(true);
        griglia->ImpostaMessaggi(&msg_);
        // A block of loads pasted below the last one adds the rows it needs.
        griglia->Crescente(true);
        connect(griglia, &GrigliaModifica::RigheRichieste, this, [this, q](int righe) {
            conteggi_[q] = std::min(righe, MassimoRighe);
            txtRigheGriglia_[q]->setText(QString::number(conteggi_[q]));
            DimensionaMsFlex(q);
        });
        // A grid without loads is hidden but keeps its room: the window opens large enough for
        // seven columns and six rows of each table, whatever the counts.
        QSizePolicy politica = griglia->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        griglia->setSizePolicy(politica);
        FlexGrid_[q] = griglia;
        connect(zoom, &QPushButton::clicked, this, [this, griglia] {
            griglia->IngrandisceGriglia();
            adjustSize();
        });

        auto* testa = new QHBoxLayout;
        testa->addWidget(etichetta);
        testa->addWidget(conteggio);
        testa->addStretch();
        testa->addWidget(zoom);
        auto* colonna = new QVBoxLayout(riquadro);
        colonna->addLayout(testa);
        colonna->addWidget(griglia, 1);
        tabelle->addWidget(riquadro, 1);
    }
    // After the last force, on to the couples; after the last couple, "OK".
    FlexGrid_[0]->ImpostaSeguente(txtRigheGriglia_[1]);
    FlexGrid_[1]->ImpostaSeguente(cmdOK_[1]);

    for (std::size_t i = 0; i < 2; ++i) {
        cmdOK_[i]->setObjectName(QStringLiteral("cmdOK_%1").arg(i));
        cmdOK_[i]->setAutoDefault(false);
    }
    connect(cmdOK_[1], &QPushButton::clicked, this, &FrmFconc::Conferma);
    connect(cmdOK_[0], &QPushButton::clicked, this, &QDialog::reject);
    auto* comandi = new QHBoxLayout;
    comandi->addStretch();
    comandi->addWidget(cmdOK_[1]);
    comandi->addWidget(cmdOK_[0]);

    auto* principale = new QVBoxLayout(this);
    principale->addLayout(tabelle, 1);
    principale->addLayout(comandi);

    for (std::size_t q = 0; q < 2; ++q)
        DimensionaMsFlex(q); // headings and widths even while a grid is hidden
    CaricaForm();
    txtRigheGriglia_[0]->setFocus();
}

void FrmFconc::DimensionaMsFlex(std::size_t quale) {
    GrigliaModifica& g = *FlexGrid_[quale];
    g.ImpostaDimensioni(conteggi_[quale] + 1, nColonne);
    const auto& testi = Tipi[quale].Intestazioni;
    g.ImpostaIntestazioni({testi[0], testi[1], testi[2], testi[3], testi[4], testi[5], testi[6]});
    g.NumeraRighe();
    g.ImpostaLarghezzaColonna(0, 450);
    for (int c = 1; c < nColonne; ++c)
        g.ImpostaLarghezzaColonna(c, 800);
    g.setVisible(true);
}

void FrmFconc::CaricaForm() {
    for (std::size_t q = 0; q < 2; ++q) {
        const bool forze = q == 0;
        conteggi_[q] = forze ? trave_.nCarConc() : trave_.nCoppie();
        txtRigheGriglia_[q]->setText(QString::number(conteggi_[q]));
        if (conteggi_[q] < 1) {
            FlexGrid_[q]->setVisible(false);
            continue;
        }
        DimensionaMsFlex(q);
        TabellaNumeri tabella(static_cast<std::size_t>(conteggi_[q]), std::vector<double>(6, 0.0));
        for (int i = 1; i <= conteggi_[q]; ++i)
            for (int j = 1; j <= 6; ++j)
                tabella[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] =
                    static_cast<double>(trave_.Info_Fconc(i, j, forze));
        for (auto& riga : tabella)
            riga[0] = std::round(riga[0]);
        // Seven significant digits, as many as a stored single has: confirming the window
        // unchanged gives back the same loads.
        FlexGrid_[q]->CaricaGriglia(tabella, 7, 15, true);
    }
}

void FrmFconc::InvioConteggio(std::size_t quale) {
    QLineEdit* campo = txtRigheGriglia_[quale];
    int n = 0;
    if (VerificaContenuto(campo->text().toStdString(), sep_)) {
        const double v = LeggeNumeroOppure(campo->text().toStdString(), sep_, MassimoRighe);
        n = static_cast<int>(std::clamp(std::round(v), -1.0, static_cast<double>(MassimoRighe)));
    }
    n = std::max(n, 0);
    campo->setText(QString::number(n));
    conteggi_[quale] = n;
    GrigliaModifica& g = *FlexGrid_[quale];
    if (n < 1) {
        g.setVisible(false);
        cmdOK_[1]->setFocus(Qt::TabFocusReason);
        return;
    }
    DimensionaMsFlex(quale);
    g.ApreCella(1, 1);
}

bool FrmFconc::LeggeDati(std::size_t quale, std::vector<RigaCarichi>& tabella) {
    tabella.clear();
    const int n = conteggi_[quale];
    if (n < 1) return true;
    GrigliaModifica& g = *FlexGrid_[quale];
    g.ChiudeModificaNumerica();
    TabellaNumeri letti;
    if (!g.LeggeGriglia(letti, 1, 1, msg_)) return false;
    const Tipo& tipo = Tipi[quale];
    const int nCampate = static_cast<int>(luci_.size());
    for (int i = 1; i <= n; ++i) {
        const std::vector<double>& riga = letti.at(static_cast<std::size_t>(i - 1));
        RigaCarichi r{};
        for (std::size_t j = 0; j < r.size(); ++j) {
            if (!Singolo(riga.at(j))) {
                msg_.Mostra("Errore in LeggeGriglia", Icona::Errore);
                return false;
            }
            r[j] = static_cast<float>(riga[j]);
        }
        const double campata = riga[0];
        if (!(campata >= 1 && campata <= nCampate && campata == std::floor(campata))) {
            msg_.Mostra(tipo.Riferimento + std::to_string(i) + " fa riferimento a campata inesistente.",
                        Icona::Errore);
            return false;
        }
        const float d = r[5];
        const auto luce = static_cast<float>(luci_[static_cast<std::size_t>(campata) - 1]);
        if (d < 0) {
            msg_.Mostra(tipo.Posizione + std::to_string(i) + " con d=" + TestoNumero(static_cast<double>(d), sep_) +
                            " < 0",
                        Icona::Errore);
            return false;
        }
        if (d > luce) {
            msg_.Mostra(tipo.Posizione + std::to_string(i) + " esteso oltre la luce", Icona::Errore);
            return false;
        }
        tabella.push_back(r);
    }
    return true;
}

void FrmFconc::Conferma() {
    // A count typed and not yet confirmed with Enter counts as confirmed: the window stores
    // what it shows.
    for (std::size_t q = 0; q < 2; ++q)
        if (txtRigheGriglia_[q]->text() != QString::number(conteggi_[q])) InvioConteggio(q);

    std::array<std::vector<RigaCarichi>, 2> tabelle;
    for (std::size_t q = 0; q < 2; ++q)
        if (!LeggeDati(q, tabelle[q])) return; // the first load that fails has been reported

    for (std::size_t q = 0; q < 2; ++q) {
        const bool forze = q == 0;
        if (conteggi_[q] < 1)
            trave_.Resetta_Fconc(forze);
        else
            trave_.Dati_Fconc(tabelle[q], forze);
    }
    accept();
}

} // namespace vc
