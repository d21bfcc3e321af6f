#pragma once
// The continuous beam: its spans (cantilevers included), sections, end restraints, support
// widths, concentrated forces and couples, elastic-restraint data and options; after a
// calculation, the solved support moments of every load condition and all the results.
//
// Numbering is 1-based at every interface: span i runs from support i to support i + 1;
// load condition 1 is the permanent part of the loads on every span, condition k + 1 the
// variable part on span k alone.

#include "engine/Impostazioni.h"
#include "engine/Trave.h"
#include "sections/SezioneCA.h"
#include "support/Messaggi.h"

#include <array>
#include <optional>
#include <vector>

namespace vc {

// End restraint codes of the beam.
enum CodiceVincolo : int { VincoloNonScelto = -1, Appoggio = 0, Incastro = 1, Libero = 2, Elastico = 3 };

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
    // A beam copies and moves like a value; its spans find their owner again through
    // CampataI and at the start of every calculation.

    // Options and restraints.
    bool ArrotondaMomenti = false;
    float nDivisioniAppoggi = 0;
    int Decala = 0;
    float Copriferro = 0;
    int VincoloSinistro = VincoloNonScelto;
    int VincoloDestro = VincoloNonScelto;
    float PassoPlt = 0;
    int nDivisioniPlt = 100;
    float LunghezzaTotale = 0;
    double kVincoloSinistro = 0;
    double kVincoloDestro = 0;
    bool Kutente = false;
    int iTipoVincElastSx = 0;
    int iTipoVincElastDx = 0;

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

    // The calculation. Throws ErroreCalcolo when the data cannot be solved (zero E·J or length,
    // a zero pivot, a span shorter than half a diagram step, an end restraint not chosen, a
    // result that is not finite); the results are then cleared and the beam stays usable.
    void PreparaCampate();
    void CalcolaIperstatiche(const Impostazioni& imp);

    // Solved support moment at support s (1..n+1) under condition c (1..n+1).
    double MiperAppI(int s, int c) const;

    // Diagram abscissas and envelopes, points 1..nPt.
    int nPt() const { return static_cast<int>(xPlt_.size()); }
    float xPlt(int j) const { return xPlt_.at(j - 1); }
    float yMmaxPlt(int j) const { return yMmaxPlt_.at(j - 1); }
    float yMminPlt(int j) const { return yMminPlt_.at(j - 1); }
    float yTmaxPlt(int j) const { return yTmaxPlt_.at(j - 1); }
    float yTminPlt(int j) const { return yTminPlt_.at(j - 1); }
    float yFrMaxPlt(int j) const { return yFrMaxPlt_.at(j - 1); }
    float yFrMinPlt(int j) const { return yFrMinPlt_.at(j - 1); }
    int iFineCampata(int i) const { return iFineCampata_.at(i - 1); }
    bool AppoggioArrotondato(int k) const { return appoggioArrotondato_.at(k - 1); }

    // Support results, supports 1..n+1.
    float ReazMax(int k) const { return reazMax_.at(k - 1); }
    float ReazMin(int k) const { return reazMin_.at(k - 1); }
    float TaglioMaxD(int i) const;
    float TaglioMaxS(int i) const;
    float MmaxApp(int i) const;
    float MminApp(int i) const;
    float TaglioDxAppoggio(int k) const { return taglioDx_.at(k - 1); }
    float TaglioSxAppoggio(int k) const { return taglioSx_.at(k - 1); }
    int iPuntoAppoggio(int k) const { return iPuntoAppoggio_.at(k - 1); }

    // Span results, spans 1..n.
    float MmaxCam(int i) const { return CampataI(i).MmaxCam; }
    float xMmaxCam(int i) const { return CampataI(i).xMmaxCam; }
    float MminCam(int i) const { return CampataI(i).MminCam; }
    float xMminCam(int i) const { return CampataI(i).xMminCam; }
    int iMmaxCampata(int i) const { return iMmaxCampata_.at(i - 1); }
    int iMminCampata(int i) const { return iMminCampata_.at(i - 1); }
    float FrecciaMaxCampata(int i) const { return frecciaMaxCampata_.at(i - 1); }
    float FrecciaMinCampata(int i) const { return frecciaMinCampata_.at(i - 1); }
    float FrecciaMaxTrave() const { return frecciaMaxTrave_; }
    float FrecciaMinTrave() const { return frecciaMinTrave_; }

    // True once a calculation has completed and its results are stored.
    bool Calcolata() const { return !xPlt_.empty(); }

private:
    friend class Trave;

    void RicollegaCampate() const;
    void AzzeraRisultati();
    void ControllaDatiCalcolo() const;
    void CaricaCombinazione(ModoCombinazione ist, const Impostazioni& imp);
    void RisolveMomentiAppoggi(double delta);
    void ControllaRisultatiFiniti() const;

    // Result stages, in the order of a calculation.
    void AscisseDiagrammi();
    void SegnaAppoggiArrotondati();
    void AscisseDiagrammiCampata(int i, std::vector<double>& lista);
    void InviluppiMT();
    void InviluppiFR();
    void TagliAppoggi();
    void ReazioniCalcola();
    void ArrotondaMomentiAppoggi();
    void ArrotondaTagliAppoggi();
    void CaricaRisultatiInCampate();
    void RaccordaParabolaInterna(std::vector<float>& y, int s, int e, double xa, double t) const;
    void RaccordaParabolaIniziale(std::vector<float>& y, int a, int f, double xa, double t) const;
    void RaccordaParabolaFinale(std::vector<float>& y, int s, int a, double xa, double t) const;
    int MezzeDivisioni() const;

    std::vector<Trave> campate_;
    std::vector<float> larghezzaAppoggi_ = std::vector<float>(1, 0.0f); // a beam of no spans has one support
    int nSezioni_ = 0;
    std::vector<SezioneCA> sezioni_;
    std::vector<RigaCarichi> tabForze_;
    std::vector<RigaCarichi> tabCoppie_;
    std::array<std::array<double, 9>, 2> datiVincElast_{};
    std::optional<TabellaVisualCarichi> visualCarichi_;

    // Results.
    int nCondizioni_ = 0;
    std::vector<float> miperApp_; // (n+1) × (n+1), row = support
    std::vector<bool> appoggioArrotondato_;
    std::vector<float> xPlt_, yMmaxPlt_, yMminPlt_, yTmaxPlt_, yTminPlt_, yFrMaxPlt_, yFrMinPlt_;
    std::vector<int> iFineCampata_;
    std::vector<float> taglioInizio_, taglioFine_, taglioDx_, taglioSx_;
    std::vector<float> mmaxAppoggio_, mminAppoggio_;
    std::vector<int> iPuntoAppoggio_;
    std::vector<float> mmaxCampata_, mminCampata_, xMmaxCampata_, xMminCampata_;
    std::vector<int> iMmaxCampata_, iMminCampata_;
    std::vector<float> reazMax_, reazMin_;
    std::vector<float> frecciaMaxCampata_, frecciaMinCampata_;
    float frecciaMaxTrave_ = 0, frecciaMinTrave_ = 0;
};

} // namespace vc
