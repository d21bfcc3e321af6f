#pragma once
// The continuous beam: its spans (cantilevers included), sections, end restraints, support
// widths, concentrated forces and couples, elastic-restraint data and options; after a
// calculation, its results (one RisultatiCalcolo, read through the accessors below).
//
// Numbering is 1-based at every interface: span i runs from support i to support i + 1;
// load condition 1 is the permanent part of the loads on every span, condition k + 1 the
// variable part on span k alone.

#include "engine/Impostazioni.h"
#include "engine/RisultatiCalcolo.h"
#include "engine/Trave.h"
#include "engine/Vincoli.h"
#include "sections/SezioneCA.h"
#include "support/Messaggi.h"
#include "support/Separatori.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace vc {

// The largest beam the calculation takes. Its memory grows with the table of support moments,
// (n + 1)² singles; the rest (diagram points, spans, working rows) is linear in the spans and
// the diagram divisions and stays below 64 MB for any beam the data file can hold. The limit
// keeps the whole calculation within 1 GB.
inline constexpr long long MemoriaMassimaCalcolo = 1LL << 30;
inline constexpr long long MemoriaLineareCalcolo = 64LL << 20;
constexpr int CampateMassime() {
    int n = 0;
    const auto tabella = [](long long campate) { return 4 * (campate + 1) * (campate + 1); };
    while (tabella(n + 1) + MemoriaLineareCalcolo <= MemoriaMassimaCalcolo) ++n;
    return n;
}
inline constexpr int nCampateMassime = CampateMassime();

// Rectangles of a section: row 1 the rectangle or the flange, row 2 the web; column 1 the
// width, column 2 the depth. For a generic section (1,1) is J and (1,2) the total depth.
using MatriceFigure = std::array<std::array<float, 2>, 2>;

struct DatiCampata {
    float Luce = 0, g1 = 0, g2 = 0, q1 = 0, q2 = 0;
    int iSez = 0;
};

struct DatiSezione {
    int Tipo = 0;
    MatriceFigure Figure{};
    float Young = 0;
    double Jota = 0;
};

// Which loads the load diagram shows: [load type G1, G2, Q1, Q2][distributed, forces, couples].
using TabellaVisualCarichi = std::array<std::array<bool, 3>, 4>;

struct ScalePossibili {
    int nScalePossibili = 4;
    std::array<double, 4> Scale = {1, 2, 5, 10};
    double Arrotondamento = 0.1;
};

class Velcora {
public:
    // A beam copies and moves like a value; a copy shares the results of the original until
    // either is calculated again.

    // Options and restraints (codes of CodiceVincolo).
    bool ArrotondaMomenti = false;
    int Decala = 0;
    float Copriferro = 0;
    int VincoloSinistro = VincoloNonScelto;
    int VincoloDestro = VincoloNonScelto;
    int nDivisioniPlt = 100;
    double kVincoloSinistro = 0;
    double kVincoloDestro = 0;
    bool Kutente = false;
    int iTipoVincElastSx = 0;
    int iTipoVincElastDx = 0;

    // The codes above as the calculation, the drawings and the outputs read them.
    VincoloEstremo VincoloEstremoSinistro() const { return VincoloDiCodice(VincoloSinistro); }
    VincoloEstremo VincoloEstremoDestro() const { return VincoloDiCodice(VincoloDestro); }
    ModoDecalage ModoDecala() const { return ModoDecalageDaCodice(Decala); }

    // Spans. Setting the count starts a new beam: fresh spans, support widths zero.
    int nCampate() const { return static_cast<int>(campate_.size()); }
    void nCampate(int n);
    Trave& CampataI(int i);
    const Trave& CampataI(int i) const;
    Trave& CampI(int i) { return CampataI(i); }
    const Trave& CampI(int i) const { return CampataI(i); }
    void InserisceDatiCampata(int i, float L, float g1, float g2, float q1, float q2, int iSez);
    DatiCampata EstraeDatiCampata(int i) const;

    // Support widths, supports 1..nCampate+1.
    float LarghezzaAppoggi(int i) const;
    void LarghezzaAppoggi(int i, double larghezza);

    // Sections.
    int nSezioni() const { return nSezioni_; }
    void nSezioni(int n) { nSezioni_ = n; }
    void CreaArraySezioni();
    void AggiungeSezioni(int n);
    SezioneCA& SezioneI(int i);
    const SezioneCA& SezioneI(int i) const;
    void InserisceDatiSezione(int iSez, int tipo, const MatriceFigure& figure, float E);
    DatiSezione EstraeDatiSezione(int iSez);
    // Computes the properties of rectangles and T sections and reports every section that was
    // never entered; false when any is null.
    bool CalcolaSezioni(Messaggi& msg);
    // Checks the section numbering of the spans; false only when a number is below 1 (the
    // flag ErroreSezioni of the main window). Gaps and a numbering not starting at 1 are
    // reported but left to CalcolaSezioni.
    bool ControllaSezioni(Messaggi& msg) const;

    // Concentrated forces (forze true) and couples (false).
    int nCarConc() const { return static_cast<int>(tabForze_.size()); }
    int nCoppie() const { return static_cast<int>(tabCoppie_.size()); }
    void Dati_Fconc(const std::vector<RigaCarichi>& dati, bool forze);
    float Info_Fconc(int i, int j, bool forze) const;
    void Resetta_Fconc(bool forze);
    const std::vector<RigaCarichi>& TabForze() const { return tabForze_; }
    const std::vector<RigaCarichi>& TabCoppie() const { return tabCoppie_; }

    // Load diagram choices.
    void VisualCar(const TabellaVisualCarichi& dati) { visualCarichi_ = dati; }
    std::optional<bool> Info_VisualCar(int i, int k) const;

    // Column data of the elastic end restraints (nine values each end).
    void Dati(const std::array<double, 9>& dati, bool sx);
    double Dato_Sx(int i) const;
    double Dato_Dx(int i) const;

    // Checks before a calculation.
    bool VincoliElasticiControlla(Messaggi& msg) const;
    bool ControllaCampate(const Impostazioni& imp, Messaggi& msg) const;

    static ScalePossibili ScalePossibiliFissa() { return {}; }

    // The calculation. Throws ErroreCalcolo with its reason and the field it concerns when the
    // data cannot be solved (zero E·J or length, support widths wider than a span, a zero
    // pivot, an end restraint not chosen, a coefficient outside its range, a beam of more than
    // nCampateMassime spans, a result that is not finite); the results are then cleared and
    // the beam stays usable. Numbers in the reasons are written with sep.
    void PreparaCampate();
    void CalcolaIperstatiche(const Impostazioni& imp, const Separatori& sep = Separatori::Italiani());

    // The results of the last calculation; none before one, or after one that failed.
    std::shared_ptr<const RisultatiCalcolo> Risultati() const { return risultati_; }
    // True once a calculation has completed and its results are stored.
    bool Calcolata() const { return risultati_ != nullptr; }

    // Solved support moment at support s (1..n+1) under condition c (1..n+1).
    double MiperAppI(int s, int c) const;

    float LunghezzaTotale() const { return R().LunghezzaTotale; }
    float PassoPlt() const { return R().PassoPlt; }
    float nDivisioniAppoggi() const { return R().nDivisioniAppoggi; }

    // Diagram abscissas and envelopes, points 1..nPt.
    int nPt() const { return static_cast<int>(R().xPlt.size()); }
    float xPlt(int j) const { return R().xPlt.at(Indice(j)); }
    float yMmaxPlt(int j) const { return R().yMmaxPlt.at(Indice(j)); }
    float yMminPlt(int j) const { return R().yMminPlt.at(Indice(j)); }
    float yTmaxPlt(int j) const { return R().yTmaxPlt.at(Indice(j)); }
    float yTminPlt(int j) const { return R().yTminPlt.at(Indice(j)); }
    float yFrMaxPlt(int j) const { return R().yFrMaxPlt.at(Indice(j)); }
    float yFrMinPlt(int j) const { return R().yFrMinPlt.at(Indice(j)); }
    int iFineCampata(int i) const { return R().iFineCampata.at(Indice(i)); }
    bool AppoggioArrotondato(int k) const { return AppoggioR(k).Arrotondato; }

    // Support results, supports 1..n+1.
    float ReazMax(int k) const { return AppoggioR(k).ReazMax; }
    float ReazMin(int k) const { return AppoggioR(k).ReazMin; }
    float TaglioMaxD(int i) const;
    float TaglioMaxS(int i) const;
    float MmaxApp(int i) const;
    float MminApp(int i) const;
    float TaglioDxAppoggio(int k) const { return AppoggioR(k).TaglioDx; }
    float TaglioSxAppoggio(int k) const { return AppoggioR(k).TaglioSx; }
    int iPuntoAppoggio(int k) const { return AppoggioR(k).iPunto; }

    // Span results, spans 1..n.
    float MmaxCam(int i) const { return CampataI(i).MmaxCam(); }
    float xMmaxCam(int i) const { return CampataI(i).xMmaxCam(); }
    float MminCam(int i) const { return CampataI(i).MminCam(); }
    float xMminCam(int i) const { return CampataI(i).xMminCam(); }
    int iMmaxCampata(int i) const { return CampataR(i).iMmax; }
    int iMminCampata(int i) const { return CampataR(i).iMmin; }
    float FrecciaMaxCampata(int i) const { return CampataR(i).FrecciaMax; }
    float FrecciaMinCampata(int i) const { return CampataR(i).FrecciaMin; }
    float FrecciaMaxTrave() const { return R().FrecciaMaxTrave; }
    float FrecciaMinTrave() const { return R().FrecciaMinTrave; }

private:
    static std::size_t Indice(int i) { return static_cast<std::size_t>(i - 1); }
    const RisultatiCalcolo& R() const;
    const RisultatiAppoggio& AppoggioR(int k) const { return R().Appoggi.at(Indice(k)); }
    const RisultatiCampata& CampataR(int i) const { return R().Campate.at(Indice(i)); }

    void ControllaDatiCalcolo(const Impostazioni& imp, const Separatori& sep) const;
    void CaricaCombinazione(ModoCombinazione ist, const Impostazioni& imp);
    void ConservaRisultati(std::shared_ptr<const RisultatiCalcolo> risultati);

    std::vector<Trave> campate_;
    std::vector<float> larghezzaAppoggi_ = std::vector<float>(1, 0.0f); // a beam of no spans has one support
    int nSezioni_ = 0;
    std::vector<SezioneCA> sezioni_;
    std::vector<RigaCarichi> tabForze_;
    std::vector<RigaCarichi> tabCoppie_;
    std::array<std::array<double, 9>, 2> datiVincElast_{};
    std::optional<TabellaVisualCarichi> visualCarichi_;
    std::shared_ptr<const RisultatiCalcolo> risultati_;
};

} // namespace vc
