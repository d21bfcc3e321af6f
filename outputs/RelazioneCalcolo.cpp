#include "outputs/RelazioneCalcolo.h"

#include "drawing/DisegnoSezione.h"
#include "engine/Combinazioni.h"
#include "engine/CopriferroDecalage.h"
#include "engine/Decalage.h"
#include "engine/Ridistribuzione.h"
#include "engine/VincoliElastici.h"
#include "files/TabellaRisultati.h"
#include "outputs/Relazione.h"
#include "support/Formattazione.h"

#include <stdexcept>
#include <utility>

namespace vc {

namespace {

using Righe = std::vector<std::vector<std::string>>;

std::string Testo(double x, const Separatori& sep) {
    return TestoNumero(x, sep);
}

std::string Numerato(const char* prefisso, int k) {
    return std::string(prefisso).append(std::to_string(k));
}

std::string SiNo(bool si) {
    return si ? "sì" : "no";
}

// ---- 1. Dati della trave ---------------------------------------------------------------------

TabellaRelazione TabellaCampateRelazione(const Velcora& trave, const Separatori& sep) {
    const TabellaCelle campate = TabellaCampate(trave, sep);
    TabellaRelazione t{
        {"N°", "Luce", "Sezione", "G1", "G2", "Q1", "Q2"}, {"", "m", "", "kN/m", "kN/m", "kN/m", "kN/m"}, {}};
    for (int i = 1; i < campate.Righe(); ++i)
        t.Righe.push_back({std::to_string(i), campate.Cella(i, ColLuce), campate.Cella(i, ColSezCampata),
                           campate.Cella(i, ColG1), campate.Cella(i, ColG2), campate.Cella(i, ColQ1),
                           campate.Cella(i, ColQ2)});
    return t;
}

// An elastic end: its k and, when it comes from the columns of the frame, the columns' data.
std::string VincoloInParole(const Velcora& trave, bool sinistro, const Separatori& sep) {
    const VincoloEstremo vincolo = sinistro ? trave.VincoloEstremoSinistro() : trave.VincoloEstremoDestro();
    std::string testo(sinistro ? "Vincolo di sinistra: " : "Vincolo di destra: ");
    testo += NomeVincolo(vincolo);
    if (vincolo != VincoloEstremo::Elastico) return testo += ".";
    const double k = sinistro ? trave.kVincoloSinistro : trave.kVincoloDestro;
    testo.append(", k = ").append(NumeroRelazione(k, sep)).append(" kNm/rad");
    if (trave.Kutente) return testo += " (dato dall'utente).";
    const int situazione = sinistro ? trave.iTipoVincElastSx : trave.iTipoVincElastDx;
    const auto dato = [&](int i) { return Testo(sinistro ? trave.Dato_Sx(i) : trave.Dato_Dx(i), sep); };
    if (situazione >= 0 && situazione < nSituazioniTelaio)
        testo.append(", dai pilastri del telaio (")
            .append(TestiSituazioni()[static_cast<std::size_t>(situazione)])
            .append(")");
    testo.append(": pilastro 1 a = ").append(dato(1)).append(" m, b = ").append(dato(2)).append(" m, J = ");
    testo.append(dato(3)).append(" m⁴, L = ").append(dato(4)).append(" m");
    if (SecondoPilastro(situazione)) {
        testo.append("; pilastro 2 a = ")
            .append(dato(5))
            .append(" m, b = ")
            .append(dato(6))
            .append(" m, J = ");
        testo.append(dato(7)).append(" m⁴, L = ").append(dato(8)).append(" m");
    }
    return testo.append("; E dei pilastri = ").append(dato(9)).append(" N/mm².");
}

TabellaRelazione TabellaAppoggi(const Velcora& trave, const Separatori& sep) {
    TabellaRelazione t{{"Appoggio", "Ascissa", "Larghezza"}, {"", "m", "m"}, {}};
    double x = 0;
    for (int k = 1; k <= trave.nCampate() + 1; ++k) {
        // A sum of lengths, written as the results are: 5,6 + 6,2 gives 11,8.
        t.Righe.push_back(
            {std::to_string(k), NumeroRelazione(x, sep), Testo(trave.LarghezzaAppoggi(k), sep)});
        if (k <= trave.nCampate()) x += static_cast<double>(trave.CampataI(k).Luce);
    }
    return t;
}

const char* NomeTipoSezione(int tipo) {
    switch (tipo) {
    case SezRettangolare:
        return "rettangolare";
    case SezT:
        return "a T";
    case SezGenerica:
        return "generica";
    default:
        return "";
    }
}

// The properties of a rectangle or a T recomputed from its sizes, as for a calculation.
SezioneCA SezioneCalcolata(const Velcora& trave, int j) {
    SezioneCA s = trave.SezioneI(j);
    if (s.TipoSez == SezRettangolare || s.TipoSez == SezT) {
        s.CoordinateSezione();
        s.CaratteristicheStaticheSezione();
    }
    return s;
}

void Sezioni(RelazioneCalcolo& r, const Velcora& trave, const Separatori& sep) {
    TabellaRelazione t{{"N°", "Tipo", "b1", "h1", "b2", "h2", "E", "Area", "J"},
                       {"", "", "m", "m", "m", "m", "kN/m²", "m²", "m⁴"},
                       {}};
    FigureSezioni figure;
    for (int j = 1; j <= trave.nSezioni(); ++j) {
        const SezioneCA s = SezioneCalcolata(trave, j);
        const bool generica = s.TipoSez == SezGenerica;
        const auto misura = [&](float v, bool presente) {
            return presente ? Testo(v, sep) : std::string("-");
        };
        t.Righe.push_back({std::to_string(j), NomeTipoSezione(s.TipoSez), misura(s.b1, !generica),
                           misura(generica ? s.hTot : s.h1, true), misura(s.b2, s.TipoSez == SezT),
                           misura(s.H2, s.TipoSez == SezT), NumeroRelazione(s.Young, sep),
                           generica ? std::string("-") : NumeroRelazione(s.Area, sep),
                           NumeroRelazione(s.JotaXG, sep)});
        Disegno d = DisegnoSezione(s);
        if (!d.Elementi.empty()) figure.Figure.push_back({Numerato("Sezione ", j), std::move(d)});
    }
    r.Blocchi.emplace_back(Sottotitolo{"Sezioni"});
    r.Blocchi.emplace_back(std::move(t));
    if (!figure.Figure.empty()) r.Blocchi.emplace_back(std::move(figure));
}

void CarichiConcentrati(RelazioneCalcolo& r, const Velcora& trave, bool forze, const Separatori& sep) {
    const auto& tabella = forze ? trave.TabForze() : trave.TabCoppie();
    const char* unita = forze ? "kN" : "kNm";
    r.Blocchi.emplace_back(Sottotitolo{forze ? "Forze concentrate" : "Coppie concentrate"});
    if (tabella.empty()) {
        r.Blocchi.emplace_back(
            Paragrafo{forze ? "Nessuna forza concentrata." : "Nessuna coppia concentrata."});
        return;
    }
    if (!forze)
        r.Blocchi.emplace_back(
            Paragrafo{"Le coppie concentrate non entrano nel calcolo: sono riportate come dati e "
                      "compaiono solo nel diagramma dei carichi."});
    TabellaRelazione t{{"Campata", "d", "G1", "G2", "Q1", "Q2"}, {"", "m", unita, unita, unita, unita}, {}};
    for (const RigaCarichi& c : tabella)
        t.Righe.push_back({Testo(c[0], sep), Testo(c[5], sep), Testo(c[1], sep), Testo(c[2], sep),
                           Testo(c[3], sep), Testo(c[4], sep)});
    r.Blocchi.emplace_back(std::move(t));
}

void DatiTrave(RelazioneCalcolo& r, const Velcora& trave, const Separatori& sep) {
    r.Blocchi.emplace_back(Capitolo{"1. Dati della trave"});
    std::string campate = "Campate: ";
    campate.append(std::to_string(trave.nCampate())).append("; lunghezza totale ");
    campate.append(NumeroRelazione(trave.LunghezzaTotale(), sep))
        .append(" m. Carichi distribuiti caratteristici G1, G2 ");
    campate += "(permanenti) e Q1, Q2 (variabili), positivi verso il basso.";
    r.Blocchi.emplace_back(Paragrafo{std::move(campate)});
    r.Blocchi.emplace_back(TabellaCampateRelazione(trave, sep));
    r.Blocchi.emplace_back(Sottotitolo{"Vincoli e appoggi"});
    r.Blocchi.emplace_back(Paragrafo{VincoloInParole(trave, true, sep)});
    r.Blocchi.emplace_back(Paragrafo{VincoloInParole(trave, false, sep)});
    r.Blocchi.emplace_back(TabellaAppoggi(trave, sep));
    Sezioni(r, trave, sep);
    CarichiConcentrati(r, trave, true, sep);
    CarichiConcentrati(r, trave, false, sep);
}

// ---- 2. Combinazione dei carichi -------------------------------------------------------------

std::string Coefficiente(const Impostazioni& imp, int i, const Separatori& sep) {
    return Testo(imp.CoefParz[static_cast<std::size_t>(i)], sep);
}

std::string FormulaCombinazione(const Impostazioni& imp) {
    if (imp.StatoLimite == SLU)
        return "Combinazione fondamentale: Fd = γG1·G1 + γG2·G2 + γQ1·Q1 + γQ2·ψ0,2·Q2. Su ogni campata "
               "agiscono i "
               "carichi con i coefficienti favorevoli; la differenza fino ai coefficienti sfavorevoli è la "
               "parte "
               "variabile, applicata campata per campata dove è sfavorevole.";
    std::string testo = "Combinazione: G1 + G2 + ";
    switch (imp.TipoSLE) {
    case SLEFrequente:
        testo += "ψ1,1·Q1 + ψ2,2·Q2";
        break;
    case SLEQuasiPermanente:
        testo += "ψ2,1·Q1 + ψ2,2·Q2";
        break;
    default:
        testo += "Q1 + ψ0,2·Q2";
        break;
    }
    return testo += "; la parte variabile è applicata campata per campata dove è sfavorevole.";
}

TabellaRelazione TabellaCoefficienti(const Impostazioni& imp, const Separatori& sep) {
    TabellaRelazione t{
        {"Carico", "γ favorevole", "γ sfavorevole", "ψ0", "ψ1", "ψ2"}, {"", "", "", "", "", ""}, {}};
    const char* nomi[] = {"G1", "G2", "Q1", "Q2"};
    for (int c = 0; c < 4; ++c) {
        std::vector<std::string> riga{nomi[c], Coefficiente(imp, 2 * c, sep),
                                      Coefficiente(imp, 2 * c + 1, sep)};
        for (int p = 0; p < 3; ++p)
            riga.push_back(c < 2 ? std::string("-") : Coefficiente(imp, 8 + 3 * (c - 2) + p, sep));
        t.Righe.push_back(std::move(riga));
    }
    return t;
}

void Combinazione(RelazioneCalcolo& r, const Velcora& trave, const Impostazioni& imp, const Separatori& sep) {
    r.Blocchi.emplace_back(Capitolo{"2. Combinazione dei carichi"});
    std::string stato = "Stato limite: ";
    stato += imp.StatoLimite == SLU ? "ultimo (SLU)." : "di esercizio (SLE), combinazione ";
    if (imp.StatoLimite != SLU)
        stato += imp.TipoSLE == SLEFrequente         ? "frequente."
                 : imp.TipoSLE == SLEQuasiPermanente ? "quasi permanente."
                                                     : "rara.";
    r.Blocchi.emplace_back(Paragrafo{std::move(stato)});
    r.Blocchi.emplace_back(Paragrafo{FormulaCombinazione(imp)});
    r.Blocchi.emplace_back(Sottotitolo{"Coefficienti parziali e di combinazione"});
    r.Blocchi.emplace_back(TabellaCoefficienti(imp, sep));
    std::string g2 = "G2 favorevole omesso (G2 trattato come variabile nelle combinazioni SLE): ";
    r.Blocchi.emplace_back(Paragrafo{g2.append(SiNo(imp.OmettiG2Favorevole)).append(".")});
    r.Blocchi.emplace_back(Sottotitolo{"Carichi combinati"});
    TabellaRelazione t{{"Campata", "Permanente", "Variabile"}, {"", "kN/m", "kN/m"}, {}};
    for (int i = 1; i <= trave.nCampate(); ++i) {
        const Trave& c = trave.CampataI(i);
        t.Righe.push_back({std::to_string(i), NumeroRelazione(c.CaricoDistribuitoPermanente, sep),
                           NumeroRelazione(c.CaricoDistribuitoVariabile, sep)});
    }
    r.Blocchi.emplace_back(std::move(t));
}

// ---- 3. Opzioni di calcolo -------------------------------------------------------------------

std::string TestoRidistribuzione(const Impostazioni& imp, const Separatori& sep) {
    const float delta = static_cast<float>(imp.DeltaEffettivo());
    std::string testo = "Ridistribuzione dei momenti sugli appoggi: δ = ";
    testo += FormattaDelta(delta, sep);
    if (delta >= DeltaMassimo) return testo += " (nessuna ridistribuzione).";
    const int classe = ClasseValida(imp.ClasseCls);
    const float epsCu = EpsCuClasse(classe);
    testo.append(", calcestruzzo ").append(ClassiCalcestruzzo()[static_cast<std::size_t>(classe)].Nome);
    testo.append(" (εcu = ").append(TestoEpsCu(epsCu, sep)).append(" ‰), limite x/d = ");
    return testo.append(FormattaXsuD(XsuDDaDelta(classe, epsCu, delta), sep)).append(".");
}

void Opzioni(RelazioneCalcolo& r, const Velcora& trave, const Impostazioni& imp, const Separatori& sep) {
    r.Blocchi.emplace_back(Capitolo{"3. Opzioni di calcolo"});
    r.Blocchi.emplace_back(Paragrafo{TestoRidistribuzione(imp, sep)});
    std::string arrotonda = "Arrotondamento dei momenti sugli appoggi (sulla loro larghezza): ";
    r.Blocchi.emplace_back(Paragrafo{arrotonda.append(SiNo(trave.ArrotondaMomenti)).append(".")});
    std::string decalage = "Decalage dei momenti: ";
    const ModoDecalage modo = trave.ModoDecala();
    if (modo == ModoDecalage::Nessuno) {
        decalage += "no.";
    } else {
        decalage += modo == ModoDecalage::Traslato ? "sì, diagramma traslato"
                                                   : "sì, diagramma traslato sovrapposto all'inviluppo";
        decalage.append("; copriferro c = ").append(TestoCopriferro(trave.Copriferro, sep));
        decalage += " cm, traslazione a1 = 0,9·d (d = altezza della sezione − c).";
    }
    r.Blocchi.emplace_back(Paragrafo{std::move(decalage)});
    if (modo != ModoDecalage::Nessuno) {
        TabellaRelazione t{{"Campata", "a1"}, {"", "m"}, {}};
        for (int i = 1; i <= trave.nCampate(); ++i)
            t.Righe.push_back({std::to_string(i), NumeroRelazione(DeltaXDecalage(trave, i), sep)});
        r.Blocchi.emplace_back(std::move(t));
    }
    std::string divisioni = "Divisioni dei diagrammi: ";
    r.Blocchi.emplace_back(Paragrafo{divisioni.append(std::to_string(trave.nDivisioniPlt)).append(".")});
}

// ---- 4. Risultati ----------------------------------------------------------------------------

TabellaRelazione TabellaMomenti(const Velcora& trave, const Separatori& sep) {
    TabellaRelazione t{{"Sezione", "Mmax", "x Mmax", "Mmin", "x Mmin", "f max", "f min"},
                       {"", "kNm", "m", "kNm", "m", "mm", "mm"},
                       {}};
    const int n = trave.nCampate();
    t.Righe.assign(static_cast<std::size_t>(2 * n + 1), std::vector<std::string>(7));
    for (int k = 1; k <= n + 1; ++k) {
        auto& riga = t.Righe[static_cast<std::size_t>(2 * k - 2)];
        riga[0] = Numerato("Appoggio ", k);
        riga[1] = NumeroRelazione(trave.MmaxApp(k), sep);
        riga[3] = NumeroRelazione(trave.MminApp(k), sep);
    }
    for (int i = 1; i <= n; ++i) {
        auto& riga = t.Righe[static_cast<std::size_t>(2 * i - 1)];
        riga = {Numerato("Campata ", i),
                NumeroRelazione(trave.MmaxCam(i), sep),
                NumeroRelazione(trave.xMmaxCam(i), sep),
                NumeroRelazione(trave.MminCam(i), sep),
                NumeroRelazione(trave.xMminCam(i), sep),
                "",
                ""};
        auto& frecce = t.Righe[static_cast<std::size_t>(RigaFrecceCampata(trave, i) - 1)];
        frecce[5] = FrecciaMm(trave.CampI(i).FrecciaMax(), sep);
        frecce[6] = FrecciaMm(trave.CampI(i).FrecciaMin(), sep);
    }
    return t;
}

TabellaRelazione TabellaTagli(const Velcora& trave, const Separatori& sep) {
    TabellaRelazione t{{"Appoggio", "Tmax s", "Tmax d", "Rmax", "Rmin"}, {"", "kN", "kN", "kN", "kN"}, {}};
    const int n = trave.nCampate();
    for (int k = 1; k <= n + 1; ++k)
        t.Righe.push_back({std::to_string(k),
                           k > 1 ? NumeroRelazione(trave.TaglioMaxS(k), sep) : std::string(),
                           k <= n ? NumeroRelazione(trave.TaglioMaxD(k), sep) : std::string(),
                           NumeroRelazione(trave.ReazMax(k), sep), NumeroRelazione(trave.ReazMin(k), sep)});
    return t;
}

void Risultati(RelazioneCalcolo& r, const Velcora& trave, const Impostazioni& imp, const Separatori& sep) {
    r.Blocchi.emplace_back(Capitolo{"4. Risultati"});
    std::string segni(EtichettaCombinazione(imp) + 3); // without its leading " - "
    segni +=
        ". Momenti positivi se tendono le fibre inferiori, reazioni positive verso l'alto; x dall'inizio "
        "della campata; frecce positive verso il basso.";
    r.Blocchi.emplace_back(Paragrafo{std::move(segni)});
    r.Blocchi.emplace_back(Sottotitolo{"Momenti e frecce"});
    r.Blocchi.emplace_back(TabellaMomenti(trave, sep));
    r.Blocchi.emplace_back(Sottotitolo{"Tagli e reazioni"});
    r.Blocchi.emplace_back(TabellaTagli(trave, sep));
}

// ---- 5. Diagrammi ----------------------------------------------------------------------------

void Diagrammi(RelazioneCalcolo& r, const Velcora& trave, const Separatori& sep, Messaggi& msg) {
    r.Blocchi.emplace_back(Capitolo{"5. Diagrammi"});
    for (StrisciaDiagrammi& s : DiagrammiRelazione(trave, sep, msg))
        r.Blocchi.emplace_back(std::move(s));
}

} // namespace

std::string NumeroRelazione(double x, const Separatori& sep) {
    return FormattaNumero(4, 10, x, true, sep);
}

std::string FrecciaMm(double metri, const Separatori& sep) {
    return FormattaNumero(3, 10, metri * 1000.0, true, sep);
}

RelazioneCalcolo ComponeRelazione(const Velcora& trave, const Impostazioni& imp, const Separatori& sep,
                                  std::string programma, std::string data, Messaggi& msg) {
    if (!trave.Calcolata()) throw std::logic_error("relazione di una trave non calcolata");
    RelazioneCalcolo r;
    r.Programma = std::move(programma);
    r.Titolo = imp.Titolo;
    r.NomeFile =
        imp.NomeFile.empty() || imp.NomeFile == "*" ? std::string("(trave senza nome)") : imp.NomeFile;
    r.Data = std::move(data);
    DatiTrave(r, trave, sep);
    Combinazione(r, trave, imp, sep);
    Opzioni(r, trave, imp, sep);
    Risultati(r, trave, imp, sep);
    Diagrammi(r, trave, sep, msg);
    return r;
}

} // namespace vc
