// The calculation of the beam: the support moments of every load condition by the
// compatibility equations (three-moment method in flexibility form), then the result stages.

#include "engine/Velcora.h"
#include "support/Errori.h"
#include "support/Matematica.h"

#include <cmath>
#include <limits>
#include <string>

namespace vc {

namespace {
[[noreturn]] void Errore(ErroreCalcolo::Tipo tipo, const std::string& testo) { throw ErroreCalcolo(tipo, testo); }

bool Finito(double v) { return std::isfinite(v); }

// Moments at the root of a cantilever, permanent and variable parts, distributed load and
// forces together.
struct MomentoSbalzo {
    double Perm = 0, Var = 0;
};
} // namespace

void Velcora::PreparaCampate() {
    RicollegaCampate();
    for (int i = 1; i <= nCampate(); ++i) {
        Trave& t = CampataI(i);
        t.iCamp = i;
        if (t.iSez < 1 || t.iSez > static_cast<int>(sezioni_.size()))
            Errore(ErroreCalcolo::Tipo::DatiNonValidi,
                   "la campata " + std::to_string(i) + " fa riferimento a una sezione inesistente");
        const SezioneCA& s = SezioneI(t.iSez);
        t.Young = s.Young;
        t.Inerzia = static_cast<float>(s.JotaXG);
        t.EJ = t.Young * t.Inerzia;
        t.VincoloDestro = 0;
        t.VincoloSinistro = 0;
        t.ImportaCarConc(tabForze_, true, i);
        // Results of a previous calculation are dropped, not appended to.
        t.xCamp.clear();
        t.yFrMaxCamp.clear();
        t.yFrMinCamp.clear();
    }
}

void Velcora::ControllaDatiCalcolo() const {
    const int n = nCampate();
    if (n < 1) Errore(ErroreCalcolo::Tipo::DatiNonValidi, "nessuna campata");
    const auto vincoloValido = [](int v) { return v >= Appoggio && v <= Elastico; };
    if (!vincoloValido(VincoloSinistro)) Errore(ErroreCalcolo::Tipo::VincoloMancante, "vincolo di sinistra non scelto");
    if (!vincoloValido(VincoloDestro)) Errore(ErroreCalcolo::Tipo::VincoloMancante, "vincolo di destra non scelto");
    if (VincoloSinistro == Elastico && !(kVincoloSinistro > 0 && Finito(kVincoloSinistro)))
        Errore(ErroreCalcolo::Tipo::RigidezzaNulla, "il vincolo di sinistra ha rigidezza nulla");
    if (VincoloDestro == Elastico && !(kVincoloDestro > 0 && Finito(kVincoloDestro)))
        Errore(ErroreCalcolo::Tipo::RigidezzaNulla, "il vincolo di destra ha rigidezza nulla");
    if (nDivisioniPlt < 1 || nDivisioniPlt > std::numeric_limits<short>::max())
        Errore(ErroreCalcolo::Tipo::DatiNonValidi, "numero di punti del diagramma fuori dai limiti");
    for (const Trave& t : campate_) {
        const std::string campata = "campata " + std::to_string(t.iCamp);
        if (!(t.Luce > 0) || !Finito(t.Luce)) Errore(ErroreCalcolo::Tipo::LuceNulla, campata + ": luce nulla");
        if (!(static_cast<double>(t.Young) * t.Inerzia > 0) || !Finito(t.EJ) || !(t.EJ > 0))
            Errore(ErroreCalcolo::Tipo::RigidezzaNulla, campata + ": rigidezza E·J nulla");
        for (float q : {t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1, t.CaricoDistQ2})
            if (!Finito(q)) Errore(ErroreCalcolo::Tipo::DatiNonValidi, campata + ": carico non valido");
    }
    for (const RigaCarichi& r : tabForze_)
        for (float v : r)
            if (!Finito(v)) Errore(ErroreCalcolo::Tipo::DatiNonValidi, "carico concentrato non valido");
    for (float b : larghezzaAppoggi_)
        if (!Finito(b) || b < 0) Errore(ErroreCalcolo::Tipo::DatiNonValidi, "larghezza d'appoggio non valida");
}

void Velcora::RisolveMomentiAppoggi(double delta) {
    const int n = nCampate();
    const int nc = n + 1; // load conditions
    const bool conForze = nCarConc() != 0;

    // Unknowns: the support moments not fixed by the end restraints.
    int primo = 0;
    int f = 0;
    switch (VincoloSinistro) {
    case Incastro:
    case Elastico:
        primo = 1, f = n + 1;
        break;
    case Appoggio:
        primo = 2, f = n;
        break;
    default: // free end: span 1 is a cantilever
        primo = 3, f = n - 1;
        break;
    }
    if (VincoloDestro == Appoggio) f -= 1;
    if (VincoloDestro == Libero) f -= 2;
    if (f < 0) Errore(ErroreCalcolo::Tipo::DatiNonValidi, "trave labile: troppe estremità libere o appoggiate");

    // Statically known moments at the roots of the cantilevers.
    MomentoSbalzo sbalzoSx, sbalzoDx;
    if (VincoloSinistro == Libero) {
        const Trave& t = CampataI(1);
        sbalzoSx = {t.MomentoDes(1), t.MomentoDes(2)};
        if (conForze) sbalzoSx.Perm += t.MomentoConc_Des(1), sbalzoSx.Var += t.MomentoConc_Des(2);
    }
    if (VincoloDestro == Libero) {
        const Trave& t = CampataI(n);
        sbalzoDx = {t.MomentoSin(1), t.MomentoSin(2)};
        if (conForze) sbalzoDx.Perm += t.MomentoConc_Sin(1), sbalzoDx.Var += t.MomentoConc_Sin(2);
    }

    Matrice X;
    if (f > 0) {
        Matrice A(f, f);
        Matrice B(f, nc);
        for (int i = 1; i <= f; ++i) {
            const int s = primo + i - 1; // the support of unknown i
            const int a = s - 1;         // span on its left (0: none)
            const int b = s <= n ? s : 0; // span on its right (0: none)
            if (a >= 1) {
                const Trave& ta = CampataI(a);
                A(i, i) += ta.fi11(s == n + 1 && VincoloDestro == Elastico ? kVincoloDestro : 0.0);
                if (i > 1) A(i, i - 1) = ta.fi12();
                B(i, 1) -= ta.fi20Permanente();
                B(i, a + 1) -= ta.fi20Variabile();
                if (conForze) {
                    B(i, 1) -= ta.fi20Permanente_conc();
                    B(i, a + 1) -= ta.fi20Variabile_conc();
                }
                // The far end of span a carries the known moment of a left cantilever.
                if (a == 2 && VincoloSinistro == Libero) {
                    B(i, 1) -= sbalzoSx.Perm * ta.fi12();
                    B(i, 2) -= sbalzoSx.Var * ta.fi12();
                }
            }
            if (b >= 1) {
                const Trave& tb = CampataI(b);
                A(i, i) += tb.fi11(s == 1 && VincoloSinistro == Elastico ? kVincoloSinistro : 0.0);
                if (i < f) A(i, i + 1) = tb.fi12();
                B(i, 1) -= tb.fi10Permanente();
                B(i, b + 1) -= tb.fi10Variabile();
                if (conForze) {
                    B(i, 1) -= tb.fi10Permanente_conc();
                    B(i, b + 1) -= tb.fi10Variabile_conc();
                }
                // The far end of span b carries the known moment of a right cantilever.
                if (b == n - 1 && VincoloDestro == Libero) {
                    B(i, 1) -= sbalzoDx.Perm * tb.fi12();
                    B(i, n + 1) -= sbalzoDx.Var * tb.fi12();
                }
            }
        }
        X = RisolveSistema(A, B);
    }

    nCondizioni_ = nc;
    miperApp_.assign(static_cast<std::size_t>(nc) * static_cast<std::size_t>(nc), 0.0f);
    const auto M = [this, nc](int s, int c) -> float& {
        return miperApp_[static_cast<std::size_t>(s - 1) * static_cast<std::size_t>(nc) + static_cast<std::size_t>(c - 1)];
    };
    // Cantilever moments are fixed by statics and never redistributed.
    if (VincoloSinistro == Libero) {
        M(2, 1) = static_cast<float>(sbalzoSx.Perm);
        M(2, 2) = static_cast<float>(sbalzoSx.Var);
    }
    for (int i = 1; i <= f; ++i)
        for (int c = 1; c <= nc; ++c) {
            const double v = X(i, c) * delta;
            if (!Finito(v)) Errore(ErroreCalcolo::Tipo::ValoreNonFinito, "momento d'appoggio non finito");
            M(primo + i - 1, c) = static_cast<float>(v);
        }
    if (VincoloDestro == Libero) {
        M(n, 1) = static_cast<float>(sbalzoDx.Perm);
        M(n, n + 1) = static_cast<float>(sbalzoDx.Var);
    }
}

void Velcora::CalcolaIperstatiche(const Impostazioni& imp) {
    try {
        AzzeraRisultati();
        PreparaCampate();
        ControllaDatiCalcolo();
        CaricaCombinazione(imp.StatoLimite == SLU ? ModoCombinazione::Setta : ModoCombinazione::SLE, imp);
        CampataI(1).VincoloSinistro = VincoloSinistro;
        CampataI(nCampate()).VincoloDestro = VincoloDestro;

        RisolveMomentiAppoggi(imp.DeltaEffettivo());

        double totale = 0;
        for (const Trave& t : campate_) totale += t.Luce;
        LunghezzaTotale = static_cast<float>(totale);
        PassoPlt = LunghezzaTotale / static_cast<float>(nDivisioniPlt);
        AscisseDiagrammi();
        InviluppiMT();
        InviluppiFR();
        TagliAppoggi();
        ReazioniCalcola();
        ArrotondaMomentiAppoggi();
        ArrotondaTagliAppoggi();
        CaricaRisultatiInCampate();
        ControllaRisultatiFiniti();
        CaricaCombinazione(ModoCombinazione::Ripristina, imp);
    } catch (...) {
        AzzeraRisultati();
        throw;
    }
}

void Velcora::AzzeraRisultati() {
    nCondizioni_ = 0;
    for (auto* v : {&miperApp_, &xPlt_, &yMmaxPlt_, &yMminPlt_, &yTmaxPlt_, &yTminPlt_, &yFrMaxPlt_, &yFrMinPlt_,
                    &taglioInizio_, &taglioFine_, &taglioDx_, &taglioSx_, &mmaxAppoggio_, &mminAppoggio_,
                    &mmaxCampata_, &mminCampata_, &xMmaxCampata_, &xMminCampata_, &reazMax_, &reazMin_,
                    &frecciaMaxCampata_, &frecciaMinCampata_})
        v->clear();
    for (auto* v : {&iFineCampata_, &iPuntoAppoggio_, &iMmaxCampata_, &iMminCampata_}) v->clear();
    appoggioArrotondato_.clear();
    frecciaMaxTrave_ = frecciaMinTrave_ = 0;
    for (Trave& t : campate_) {
        t.xCamp.clear();
        t.yFrMaxCamp.clear();
        t.yFrMinCamp.clear();
        t.MmaxCam = t.xMmaxCam = t.MminCam = t.xMminCam = 0;
        t.MmaxAppS = t.MmaxAppD = t.MminAppS = t.MminAppD = 0;
        t.TaglioMaxS = t.TaglioMaxD = 0;
        t.FrecciaMax = t.FrecciaMin = 0;
    }
}

void Velcora::ControllaRisultatiFiniti() const {
    for (const auto* v : {&xPlt_, &yMmaxPlt_, &yMminPlt_, &yTmaxPlt_, &yTminPlt_, &yFrMaxPlt_, &yFrMinPlt_,
                          &taglioDx_, &taglioSx_, &mmaxAppoggio_, &mminAppoggio_, &mmaxCampata_, &mminCampata_,
                          &reazMax_, &reazMin_, &frecciaMaxCampata_, &frecciaMinCampata_})
        for (float x : *v)
            if (!std::isfinite(x)) Errore(ErroreCalcolo::Tipo::ValoreNonFinito, "risultato non finito");
    if (!std::isfinite(frecciaMaxTrave_) || !std::isfinite(frecciaMinTrave_))
        Errore(ErroreCalcolo::Tipo::ValoreNonFinito, "freccia non finita");
}

} // namespace vc
