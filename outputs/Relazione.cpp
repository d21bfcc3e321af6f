#include "outputs/Relazione.h"

#include "engine/Combinazioni.h"
#include "files/Codifica1252.h"
#include "files/FileDati.h"
#include "support/Errori.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace vc {

namespace {

// Columns of the input tables of the listing.
constexpr std::array<int, 6> ColonneTabella = {1, 6, 16, 26, 36, 46};

// A number converted to text with the blank that stands for its sign when it is not negative.
std::string ConSegno(int x) {
    std::string testo(x >= 0 ? " " : "");
    return testo += std::to_string(x);
}

// A number printed on its own: a blank in front of a non-negative value and one after it.
std::string NumeroIsolato(int x) {
    return ConSegno(x) + " ";
}
std::string NumeroIsolato(double x, const Separatori& sep) {
    std::string testo(x >= 0 ? " " : "");
    return testo += TestoNumero(x, sep) + " ";
}

// One row of an input table: each text at its column; the line ends after the last one.
void RigaTabella(StampanteRighe& uscita, std::initializer_list<std::string> testi) {
    std::size_t c = 0;
    for (const std::string& testo : testi) {
        uscita.StampaTab(ColonneTabella.at(c++));
        uscita.StampaTesto(testo);
    }
    uscita.StampaRiga("");
}

// The sum of two cells of the span grid, as the user's plain number text; empty when a cell
// holds no number the sum can be made of.
std::string SommaCelle(const TabellaCelle& griglia, int riga, int a, int b, const Separatori& sep) {
    try {
        const double somma = LeggeNumero(griglia.Cella(riga, a), sep) + LeggeNumero(griglia.Cella(riga, b), sep);
        return std::isfinite(somma) ? TestoNumero(somma, sep) : std::string();
    } catch (const NumeroFuoriScala&) { // a magnitude beyond a double
        return {};
    }
}

void StampaCampate(StampanteRighe& uscita, const TabellaCelle& campate, const Separatori& sep) {
    RigaTabella(uscita, {"Cam.", " Luce", " Perm.", " Var.", "Sez. N°"});
    for (int i = 1; i < campate.Righe(); ++i)
        RigaTabella(uscita, {NumeroIsolato(i), campate.Cella(i, ColLuce), SommaCelle(campate, i, ColG1, ColG2, sep),
                             SommaCelle(campate, i, ColQ1, ColQ2, sep), campate.Cella(i, ColSezCampata)});

    // The four loads the sums are made of.
    uscita.StampaRiga("");
    RigaTabella(uscita, {"Cam.", " G1", " G2", " Q1", " Q2"});
    for (int i = 1; i < campate.Righe(); ++i)
        RigaTabella(uscita, {NumeroIsolato(i), campate.Cella(i, ColG1), campate.Cella(i, ColG2),
                             campate.Cella(i, ColQ1), campate.Cella(i, ColQ2)});
}

// The table of concentrated forces (forze true) or couples, when the beam has any.
void StampaCarichiConcentrati(StampanteRighe& uscita, const Velcora& trave, bool forze, const Separatori& sep) {
    const auto& tabella = forze ? trave.TabForze() : trave.TabCoppie();
    if (tabella.empty()) return;
    uscita.StampaRiga("");
    if (forze)
        RigaTabella(uscita, {"Cam.", " F(g1)", " F(g2)", " F(q1)", " F(q2)", " d"});
    else
        RigaTabella(uscita, {"Cam.", " W(g1)", " W(g2)", " W(q1)", " W(q2)", " d"});
    for (const RigaCarichi& r : tabella)
        RigaTabella(uscita, {NumeroIsolato(r[0], sep), TestoNumero(r[1], sep), TestoNumero(r[2], sep),
                             TestoNumero(r[3], sep), TestoNumero(r[4], sep), TestoNumero(r[5], sep)});
}

std::string Vincolo(VincoloEstremo vincolo, double rigidezza, const Separatori& sep) {
    std::string testo = NomeVincolo(vincolo);
    if (vincolo == VincoloEstremo::Elastico) testo += "   k = " + FormattaRisultato(rigidezza, sep);
    return testo;
}

std::string DescriveSezione(const Velcora& trave, int j, const Separatori& sep) {
    // The properties of a rectangle or a T are recomputed from its sizes, as they are for a
    // calculation; the beam itself is not touched.
    SezioneCA s = trave.SezioneI(j);
    std::string testo = "Sezione " + std::to_string(j);
    switch (s.TipoSez) {
    case SezRettangolare:
        s.CoordinateSezione();
        s.CaratteristicheStaticheSezione();
        testo += " - rettangolare   b1 = " + FormattaDato(s.b1, sep) + "   h1 = " + FormattaDato(s.h1, sep);
        break;
    case SezT:
        s.CoordinateSezione();
        s.CaratteristicheStaticheSezione();
        testo += " -     a T        b1 = " + FormattaDato(s.b1, sep) + "   h1 = " + FormattaDato(s.h1, sep) +
                 "   b2 = " + FormattaDato(s.b2, sep) + "   h2 = " + FormattaDato(s.H2, sep);
        break;
    case SezGenerica:
        testo += " - generica    ";
        break;
    default:
        break;
    }
    return testo + "   E = " + FormattaRisultato(s.Young, sep) + "   J = " + FormattaRisultato(s.JotaXG, sep);
}

std::string NomeFileDati(const std::string& nome) {
    if (nome.empty() || nome == "*") return {};
    return nome + "." + std::string(EstensioneFileDati);
}

} // namespace

std::string NomeVincolo(VincoloEstremo vincolo) {
    switch (vincolo) {
    case VincoloEstremo::Appoggio:
        return "appoggio";
    case VincoloEstremo::Incastro:
        return "incastro";
    case VincoloEstremo::Libero:
        return "estremo libero";
    case VincoloEstremo::Elastico:
        return "elastico";
    case VincoloEstremo::NonScelto:
        break;
    }
    return {};
}

std::string NomeVincolo(int codice) {
    return NomeVincolo(VincoloDiCodice(codice));
}

void StampaGriglia(StampanteRighe& uscita, const TabellaCelle& griglia) {
    for (int r = 0; r < griglia.Righe(); ++r) {
        if (griglia.Colonne() == 0) {
            uscita.StampaRiga("");
            continue;
        }
        uscita.StampaTab(1);
        for (int c = 0; c < griglia.Colonne(); ++c) {
            if (c > 0) uscita.StampaTab(12 * c);
            if (c + 1 < griglia.Colonne())
                uscita.StampaTesto(griglia.Cella(r, c));
            else
                uscita.StampaRiga(griglia.Cella(r, c));
        }
    }
}

void StampaRelazione(StampanteRighe& uscita, const TabellaCelle& grigliaCampate, const TabellaCelle& grid1,
                     const TabellaCelle& grid2, const Velcora& trave, const Impostazioni& imp,
                     const Separatori& sep) {
    const int n = trave.nCampate();

    uscita.StampaRiga("NOME FILE: " + NomeFileDati(imp.NomeFile));
    uscita.StampaRiga(" ");
    uscita.StampaRiga("-----------------------------------  DATI : -----------------------------------");
    uscita.StampaRiga(" ");
    uscita.StampaRiga(imp.Titolo);
    uscita.StampaRiga("");
    uscita.StampaRiga("Numero Campate =" + ConSegno(n));
    uscita.StampaRiga("");

    StampaCampate(uscita, grigliaCampate, sep);
    StampaCarichiConcentrati(uscita, trave, true, sep);
    StampaCarichiConcentrati(uscita, trave, false, sep);

    uscita.StampaRiga("");
    uscita.StampaRiga("Vincolo di sinistra : " +
                      Vincolo(trave.VincoloEstremoSinistro(), trave.kVincoloSinistro, sep));
    uscita.StampaRiga("Vincolo di destra   : " +
                      Vincolo(trave.VincoloEstremoDestro(), trave.kVincoloDestro, sep));
    uscita.StampaRiga("");

    for (int j = 1; j <= trave.nSezioni(); ++j) uscita.StampaRiga(DescriveSezione(trave, j, sep));

    uscita.StampaRiga("");
    for (int k = 1; k <= n + 1; ++k)
        uscita.StampaRiga("Larghezza appoggio " + std::to_string(k) + " = " +
                          TestoNumero(trave.LarghezzaAppoggi(k), sep));

    uscita.StampaRiga("");
    uscita.StampaRiga("Coefficiente di ridistribuzione dei momenti sugli appoggi: Delta = " +
                      TestoNumero(imp.DeltaEffettivo(), sep));
    if (trave.ArrotondaMomenti) uscita.StampaRiga("Arrotonda i momenti sugli appoggi");

    uscita.StampaRiga("");
    uscita.StampaRiga("---------------------------------  RISULTATI : ---------------------------------");
    uscita.StampaRiga("");
    uscita.StampaRiga(std::string("Risultati") + EtichettaCombinazione(imp));
    uscita.StampaRiga("");
    uscita.StampaRiga("                       Momenti e frecce :");
    uscita.StampaRiga("");
    StampaGriglia(uscita, grid1);
    uscita.StampaRiga("");
    uscita.StampaRiga("");
    uscita.StampaRiga("                       Tagli e Reazioni :");
    uscita.StampaRiga("");
    StampaGriglia(uscita, grid2);
}

void StampaRelazione(StampanteRighe& uscita, const Velcora& trave, const Impostazioni& imp,
                     const Separatori& sep) {
    const GriglieRisultati griglie = ScriveRisultati(trave, sep);
    StampaRelazione(uscita, TabellaCampate(trave, sep), griglie.Grid1, griglie.Grid2, trave, imp, sep);
}

// ---------------------------------------------------------------------------------------------

void RigheSuFlusso::StampaTesto(std::string_view testo) {
    uscita_ << testo;
    colonna_ += static_cast<int>(LunghezzaTesto(testo));
}

void RigheSuFlusso::StampaRiga(std::string_view testo) {
    StampaTesto(testo);
    uscita_ << '\n';
    colonna_ = 1;
}

void RigheSuFlusso::StampaTab(int colonna) {
    colonna = std::max(colonna, 1);
    if (colonna_ > colonna) StampaRiga("");
    uscita_ << std::string(static_cast<std::size_t>(colonna - colonna_), ' ');
    colonna_ = colonna;
}

void RelazioneSenzaInterfaccia::StampaFile(DestinazioneRelazione, StampanteRighe& uscita) {
    StampaRelazione(uscita, trave_, imp_, sep_);
}

namespace {

// The Save dialog of a listing whose file is already known.
class DialogoPercorsoDato final : public DialogoFile {
  public:
    explicit DialogoPercorsoDato(std::filesystem::path percorso) : percorso_(std::move(percorso)) {}
    std::optional<std::filesystem::path> Apri(const RichiestaDialogo&) override { return std::nullopt; }
    std::optional<std::filesystem::path> Salva(const RichiestaDialogo&) override { return percorso_; }

  private:
    std::filesystem::path percorso_;
};

} // namespace

bool ScriveRelazioneSuFile(const std::filesystem::path& percorso, const Velcora& trave, Impostazioni& imp,
                           const Separatori& sep, Messaggi& msg) {
    DialogoPercorsoDato dialogo(percorso);
    RelazioneSenzaInterfaccia finestra(trave, imp, sep);
    return StampaSuDispositivo(imp.NomeFile, "txt", dialogo, finestra, DestinazioneRelazione::File, nullptr,
                               imp, msg);
}

std::string ContenutoRelazioneSuFile(const Velcora& trave, const Impostazioni& imp, const Separatori& sep) {
    RigheSuTesto righe;
    RelazioneSenzaInterfaccia(trave, imp, sep).StampaFile(DestinazioneRelazione::File, righe);
    return Utf8A1252(righe.Testo());
}

} // namespace vc
