// The calculation of the beam: the support moments of every load condition by the
// compatibility equations (three-moment method in flexibility form), then the result stages.

#include "engine/StadiCalcolo.h"
#include "engine/Velcora.h"
#include "support/Errori.h"
#include "support/Matematica.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace vc {

namespace {

// The unknown support moments: supports primo .. primo + f − 1, the ones the end restraints
// do not fix.
struct Incognite {
    int primo = 0;
    int f = 0;
    // The row of support s, or −1 when its moment is not an unknown.
    int Riga(int s) const { return s >= primo && s < primo + f ? s - primo : -1; }
};

Incognite IncogniteAppoggi(const DatiCalcolo& d) {
    const int n = d.n();
    Incognite u;
    switch (d.Sinistro) {
    case VincoloEstremo::Incastro:
    case VincoloEstremo::Elastico:
        u = {1, n + 1};
        break;
    case VincoloEstremo::Appoggio:
        u = {2, n};
        break;
    default: // free end: span 1 is a cantilever
        u = {3, n - 1};
        break;
    }
    if (d.Destro == VincoloEstremo::Appoggio) u.f -= 1;
    if (d.Destro == VincoloEstremo::Libero) u.f -= 2;
    if (u.f < 0)
        throw ErroreCalcolo(ErroreCalcolo::Tipo::DatiNonValidi,
                            "trave labile: troppe estremità libere o appoggiate per " + std::to_string(n) +
                                (n == 1 ? " campata" : " campate"),
                            {CampoErrore::Tipo::NumeroCampate});
    return u;
}

// Moments at the roots of the cantilevers, permanent and variable parts, distributed load and
// forces together.
struct MomentoSbalzo {
    double Perm = 0, Var = 0;
};
struct Sbalzi {
    MomentoSbalzo Sx, Dx;
};

Sbalzi MomentiSbalzi(const DatiCalcolo& d) {
    Sbalzi m;
    if (d.Sinistro == VincoloEstremo::Libero) {
        const Trave& t = d.Campata(1);
        m.Sx = {t.MomentoDes(1) + t.MomentoConc_Des(1), t.MomentoDes(2) + t.MomentoConc_Des(2)};
    }
    if (d.Destro == VincoloEstremo::Libero) {
        const Trave& t = d.Campata(d.n());
        m.Dx = {t.MomentoSin(1) + t.MomentoConc_Sin(1), t.MomentoSin(2) + t.MomentoConc_Sin(2)};
    }
    return m;
}

// The flexibility matrix: at support s the flexibilities of the spans on its two sides (with
// the spring of an elastic end), beside it those that couple it with its neighbours.
SistemaTridiagonale Flessibilita(const DatiCalcolo& d, const Incognite& u) {
    const int n = d.n();
    std::vector<double> diagonale(static_cast<std::size_t>(u.f), 0.0);
    std::vector<double> laterale(static_cast<std::size_t>(std::max(u.f - 1, 0)), 0.0);
    for (int i = 0; i < u.f; ++i) {
        const int s = u.primo + i;
        double& a = diagonale[static_cast<std::size_t>(i)];
        if (s >= 2) a += d.Campata(s - 1).fi11(s == n + 1 && d.Destro == VincoloEstremo::Elastico ? d.kDestro : 0.0);
        if (s <= n) a += d.Campata(s).fi11(s == 1 && d.Sinistro == VincoloEstremo::Elastico ? d.kSinistro : 0.0);
        if (i + 1 < u.f) laterale[static_cast<std::size_t>(i)] = d.Campata(s).fi12();
    }
    SistemaTridiagonale sistema(std::move(diagonale), laterale);
    if (const auto riga = sistema.PivotNullo()) {
        const int s = u.primo + static_cast<int>(*riga);
        throw ErroreCalcolo(ErroreCalcolo::Tipo::PivotNullo,
                            "pivot nullo nel sistema dei momenti d'appoggio, appoggio " + std::to_string(s),
                            {CampoErrore::Tipo::Appoggio, s});
    }
    return sistema;
}

// The permanent load condition: minus the rotation discontinuity at every unknown support with
// the unknown moments zero, the known moments of the cantilevers included.
std::vector<double> TerminiPermanenti(const DatiCalcolo& d, const Incognite& u, const Sbalzi& sb) {
    const int n = d.n();
    std::vector<double> b(static_cast<std::size_t>(u.f), 0.0);
    for (int i = 0; i < u.f; ++i) {
        const int s = u.primo + i;
        double& v = b[static_cast<std::size_t>(i)];
        if (s >= 2) {
            const Trave& ta = d.Campata(s - 1);
            v -= ta.fi20Permanente();
            v -= ta.fi20Permanente_conc();
            // The far end of the span on the left carries the known moment of a left cantilever.
            if (s - 1 == 2 && d.Sinistro == VincoloEstremo::Libero) v -= sb.Sx.Perm * ta.fi12();
        }
        if (s <= n) {
            const Trave& tb = d.Campata(s);
            v -= tb.fi10Permanente();
            v -= tb.fi10Permanente_conc();
            if (s == n - 1 && d.Destro == VincoloEstremo::Libero) v -= sb.Dx.Perm * tb.fi12();
        }
    }
    return b;
}

// The rows of a block's right-hand sides that are not zero.
struct RigheTermini {
    int Prima, Ultima;
    void Aggiunge(int r) {
        Prima = std::min(Prima, r);
        Ultima = std::max(Ultima, r);
    }
};

// One column of right-hand sides: the variable load of span k (condition k + 1) opens the
// supports at its two ends; a cantilever's own load opens the support beyond its root.
void TerminiVariabili(const DatiCalcolo& d, const Incognite& u, const Sbalzi& sb, int k, double* colonna,
                      std::size_t passo, RigheTermini& righe) {
    const int n = d.n();
    const Trave& t = d.Campata(k);
    const auto scrive = [&](int s, double v) {
        const int r = u.Riga(s);
        if (r < 0) return;
        colonna[static_cast<std::size_t>(r) * passo] = v;
        righe.Aggiunge(r);
    };
    scrive(k, -t.fi10Variabile() - t.fi10Variabile_conc());
    scrive(k + 1, -t.fi20Variabile() - t.fi20Variabile_conc());
    if (k == 1 && d.Sinistro == VincoloEstremo::Libero && n >= 2) scrive(3, -(sb.Sx.Var * d.Campata(2).fi12()));
    if (k == n && d.Destro == VincoloEstremo::Libero && n >= 2) scrive(n - 1, -(sb.Dx.Var * d.Campata(n - 1).fi12()));
}

void MomentiNoti(const DatiCalcolo& d, const Sbalzi& sb, MomentiAppoggi& M) {
    const int n = d.n();
    // Cantilever moments are fixed by statics and never redistributed.
    if (d.Sinistro == VincoloEstremo::Libero) {
        M.Imposta(2, 1, static_cast<float>(sb.Sx.Perm));
        M.Imposta(2, 2, static_cast<float>(sb.Sx.Var));
    }
    if (d.Destro == VincoloEstremo::Libero) {
        M.Imposta(n, 1, static_cast<float>(sb.Dx.Perm));
        M.Imposta(n, n + 1, static_cast<float>(sb.Dx.Var));
    }
}

// The rows of the solution of a block of conditions, scaled by δ, into the table (whose other
// rows are zero already).
void ConservaBlocco(const std::vector<double>& blocco, std::size_t colonne, int c0, const Incognite& u,
                    SistemaTridiagonale::Estensione righe, double delta, MomentiAppoggi& M) {
    for (std::size_t i = righe.Inizio; i < righe.Fine; ++i) {
        const int s = u.primo + static_cast<int>(i);
        const double* x = blocco.data() + i * colonne;
        bool finiti = true;
        for (std::size_t j = 0; j < colonne; ++j) {
            const double v = x[j] * delta;
            finiti = finiti && std::isfinite(v);
            M.Imposta(s, c0 + static_cast<int>(j), static_cast<float>(v));
        }
        if (!finiti)
            throw ErroreCalcolo(ErroreCalcolo::Tipo::ValoreNonFinito,
                                "momento d'appoggio non finito all'appoggio " + std::to_string(s),
                                {CampoErrore::Tipo::Appoggio, s});
    }
}

// The right-hand sides of conditions c0 .. c0 + colonne − 1 into the (zero) block.
RigheTermini TerminiBlocco(const DatiCalcolo& d, const Incognite& u, const Sbalzi& sb,
                           const std::vector<double>& permanenti, int c0, std::size_t colonne,
                           std::vector<double>& blocco) {
    RigheTermini righe{u.f, -1};
    for (std::size_t j = 0; j < colonne; ++j) {
        const int c = c0 + static_cast<int>(j);
        if (c > 1) {
            TerminiVariabili(d, u, sb, c - 1, blocco.data() + j, colonne, righe);
            continue;
        }
        for (std::size_t i = 0; i < permanenti.size(); ++i) blocco[i * colonne] = permanenti[i];
        righe.Aggiunge(0);
        righe.Aggiunge(u.f - 1);
    }
    return righe;
}

} // namespace

MomentiAppoggi RisolveMomentiAppoggi(const DatiCalcolo& d) {
    const int nc = d.n() + 1; // load conditions
    const Incognite u = IncogniteAppoggi(d);
    const Sbalzi sb = MomentiSbalzi(d);
    MomentiAppoggi M(nc);
    MomentiNoti(d, sb, M);
    if (u.f == 0) return M;

    const SistemaTridiagonale sistema = Flessibilita(d, u);
    const std::vector<double> permanenti = TerminiPermanenti(d, u, sb);
    // The conditions are solved a block of columns at a time, row by row across the block.
    constexpr int Blocco = 16;
    std::vector<double> blocco(static_cast<std::size_t>(u.f) * Blocco, 0.0);
    for (int c0 = 1; c0 <= nc; c0 += Blocco) {
        const auto colonne = static_cast<std::size_t>(std::min(Blocco, nc - c0 + 1));
        const RigheTermini termini = TerminiBlocco(d, u, sb, permanenti, c0, colonne, blocco);
        if (termini.Ultima < 0) continue; // no load in these conditions
        const auto righe = sistema.Risolve(blocco, colonne, static_cast<std::size_t>(termini.Prima),
                                           static_cast<std::size_t>(termini.Ultima));
        ConservaBlocco(blocco, colonne, c0, u, righe, d.Delta, M);
        std::fill(blocco.begin() + static_cast<std::ptrdiff_t>(righe.Inizio * colonne),
                  blocco.begin() + static_cast<std::ptrdiff_t>(righe.Fine * colonne), 0.0);
    }
    return M;
}

namespace {
[[noreturn]] void NonFinito(const std::string& dove, CampoErrore campo = {}) {
    throw ErroreCalcolo(ErroreCalcolo::Tipo::ValoreNonFinito, "risultato non finito " + dove, campo);
}

// v * 0 is 0 for every finite v and NaN otherwise: one sum tells whether all are finite.
bool TuttiFiniti(std::span<const float> v) {
    float s = 0;
    for (float x : v) s += x * 0.0f;
    return s == 0.0f;
}

void ControllaFiniti(const std::vector<float>& v, const char* cosa) {
    if (TuttiFiniti(v)) return;
    const auto j = static_cast<std::size_t>(std::find_if(v.begin(), v.end(), [](float x) { return !std::isfinite(x); }) - v.begin());
    NonFinito(std::string("nel ") + cosa + " al punto " + std::to_string(j + 1));
}

void ControllaRisultatiFiniti(const RisultatiCalcolo& r) {
    for (const auto& [v, cosa] : {std::pair{&r.yMmaxPlt, "momento massimo"}, {&r.yMminPlt, "momento minimo"},
                                  {&r.yTmaxPlt, "taglio massimo"}, {&r.yTminPlt, "taglio minimo"},
                                  {&r.yFrMaxPlt, "freccia massima"}, {&r.yFrMinPlt, "freccia minima"}})
        ControllaFiniti(*v, cosa);
    for (std::size_t k = 0; k < r.Appoggi.size(); ++k) {
        const RisultatiAppoggio& a = r.Appoggi[k];
        if (!TuttiFiniti(std::array{a.MmaxApp, a.MminApp, a.TaglioDx, a.TaglioSx, a.ReazMax, a.ReazMin}))
            NonFinito("all'appoggio " + std::to_string(k + 1), {CampoErrore::Tipo::Appoggio, static_cast<int>(k + 1)});
    }
    for (std::size_t i = 0; i < r.Campate.size(); ++i) {
        const RisultatiCampata& c = r.Campate[i];
        if (!TuttiFiniti(std::array{c.MmaxCam, c.MminCam, c.FrecciaMax, c.FrecciaMin}))
            NonFinito("nella campata " + std::to_string(i + 1), {CampoErrore::Tipo::Campata, static_cast<int>(i + 1)});
    }
}
} // namespace

RisultatiCalcolo CalcolaRisultati(const DatiCalcolo& d) {
    RisultatiCalcolo r;
    r.MiperApp = RisolveMomentiAppoggi(d);
    AscisseDiagrammi(d, r);
    InviluppiMT(d, r);
    InviluppiFR(d, r);
    TagliAppoggi(r);
    ReazioniCalcola(d, r);
    ArrotondaMomentiAppoggi(d, r);
    ArrotondaTagliAppoggi(d, r);
    ControllaRisultatiFiniti(r);
    return r;
}

void Velcora::PreparaCampate() {
    // The forces of the table sorted by span in one pass, each span then taking its own.
    std::vector<std::vector<RigaCarichi>> forze(campate_.size());
    for (const RigaCarichi& r : tabForze_) {
        const float campata = r[0];
        if (campata >= 1 && campata <= static_cast<float>(campate_.size()) && campata == std::floor(campata))
            forze[static_cast<std::size_t>(campata) - 1].push_back(r);
    }
    for (int i = 1; i <= nCampate(); ++i) {
        Trave& t = CampataI(i);
        t.iCamp = i;
        // A span without a section is refused by the data check.
        const bool sezione = t.iSez >= 1 && t.iSez <= static_cast<int>(sezioni_.size());
        t.Young = sezione ? SezioneI(t.iSez).Young : 0.0f;
        t.Inerzia = sezione ? static_cast<float>(SezioneI(t.iSez).JotaXG) : 0.0f;
        t.EJ = t.Young * t.Inerzia;
        t.VincoloDestro = VincoloEstremo::Appoggio;
        t.VincoloSinistro = VincoloEstremo::Appoggio;
        t.ImportaCarConc(forze[static_cast<std::size_t>(i - 1)], true, i);
    }
}

void Velcora::CalcolaIperstatiche(const Impostazioni& imp, const Separatori& sep) {
    ConservaRisultati(nullptr);
    PreparaCampate();
    ControllaDatiCalcolo(imp, sep);
    CaricaCombinazione(imp.StatoLimite == SLU ? ModoCombinazione::Setta : ModoCombinazione::SLE, imp);
    DatiCalcolo d;
    d.Campate = campate_;
    d.LarghezzaAppoggi = larghezzaAppoggi_;
    d.Sinistro = *VincoloDaCodice(VincoloSinistro);
    d.Destro = *VincoloDaCodice(VincoloDestro);
    d.kSinistro = kVincoloSinistro;
    d.kDestro = kVincoloDestro;
    d.ArrotondaMomenti = ArrotondaMomenti;
    d.nDivisioniPlt = nDivisioniPlt;
    d.Delta = imp.DeltaEffettivo();
    campate_.front().VincoloSinistro = d.Sinistro;
    campate_.back().VincoloDestro = d.Destro;
    ConservaRisultati(std::make_shared<const RisultatiCalcolo>(CalcolaRisultati(d)));
    CaricaCombinazione(ModoCombinazione::Ripristina, imp);
}

} // namespace vc
