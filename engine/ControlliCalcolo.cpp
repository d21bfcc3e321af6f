// The checks of the data a calculation starts with. Each failure stops the calculation with an
// ErroreCalcolo naming the check, the value where there is one, and the field it concerns.

#include "engine/Ridistribuzione.h"
#include "engine/Velcora.h"
#include "support/Errori.h"
#include "support/Formattazione.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace vc {

namespace {

using Tipo = ErroreCalcolo::Tipo;
using Campo = CampoErrore::Tipo;

[[noreturn]] void Errore(Tipo tipo, const std::string& motivo, CampoErrore campo) {
    throw ErroreCalcolo(tipo, motivo, campo);
}

bool Finito(double v) { return std::isfinite(v); }

void ControllaNumeroCampate(int n) {
    if (n < 1) Errore(Tipo::DatiNonValidi, "nessuna campata", {Campo::NumeroCampate});
    if (n > nCampateMassime)
        Errore(Tipo::TraveTroppoGrande,
               "la trave ha " + std::to_string(n) + " campate; il calcolo ne accetta al massimo " +
                   std::to_string(nCampateMassime) +
                   ", perché la tabella dei momenti d'appoggio di ogni condizione di carico, (n + 1)² valori, "
                   "deve stare con il resto del calcolo in 1 GB di memoria",
               {Campo::NumeroCampate});
}

void ControllaVincolo(int codice, double k, bool sinistro) {
    const std::string lato = sinistro ? "sinistra" : "destra";
    const int numero = sinistro ? 1 : 2;
    const auto v = VincoloDaCodice(codice);
    if (!v || *v == VincoloEstremo::NonScelto)
        Errore(Tipo::VincoloMancante, "vincolo di " + lato + " non scelto", {Campo::Vincoli, numero});
    if (*v == VincoloEstremo::Elastico && !(k > 0 && Finito(k)))
        Errore(Tipo::RigidezzaNulla, "il vincolo di " + lato + " ha rigidezza nulla", {Campo::VincoliElastici, numero});
}

void ControllaCampata(const Trave& t, int nSezioni) {
    const std::string campata = "campata " + std::to_string(t.iCamp);
    const CampoErrore campo{Campo::Campata, t.iCamp};
    if (t.iSez < 1 || t.iSez > nSezioni)
        Errore(Tipo::DatiNonValidi, campata + ": sezione " + std::to_string(t.iSez) + " inesistente", campo);
    if (!(t.Luce > 0) || !Finito(t.Luce)) Errore(Tipo::LuceNulla, campata + ": luce nulla", campo);
    if (!(static_cast<double>(t.Young) * t.Inerzia > 0) || !Finito(t.EJ) || !(t.EJ > 0))
        Errore(Tipo::RigidezzaNulla,
               campata + ": la sezione " + std::to_string(t.iSez) + " ha rigidezza E·J nulla",
               {Campo::Sezioni, t.iSez});
    for (float q : {t.CaricoDistG1, t.CaricoDistG2, t.CaricoDistQ1, t.CaricoDistQ2})
        if (!Finito(q)) Errore(Tipo::DatiNonValidi, campata + ": carico distribuito non valido", campo);
}

// The partial factors and combination coefficients: non-negative numbers.
void ControllaCoefficienti(const CoefficientiParziali& coef, const Separatori& sep) {
    static const std::array<const char*, 14> nomi = {
        "γG1 favorevole", "γG1 sfavorevole", "γG2 favorevole", "γG2 sfavorevole", "γQ1 favorevole",
        "γQ1 sfavorevole", "γQ2 favorevole", "γQ2 sfavorevole", "ψ0 di Q1", "ψ1 di Q1",
        "ψ2 di Q1", "ψ0 di Q2", "ψ1 di Q2", "ψ2 di Q2"};
    for (std::size_t k = 0; k < coef.size(); ++k) {
        const float v = coef[k];
        if (Finito(v) && v >= 0) continue;
        const std::string valore = Finito(v) ? TestoNumero(v, sep) : "non numerico";
        Errore(Tipo::FuoriIntervallo,
               std::string("coefficiente ") + nomi[k] + " = " + valore + " fuori dai limiti: deve essere un numero ≥ 0",
               {Campo::Coefficienti, static_cast<int>(k)});
    }
}

// The redistribution coefficient: 0 (no redistribution) or what the redistribution window
// allows for the concrete class. A percentage read back from a data file may fall a rounding
// short of a limit, and is taken as the limit.
void ControllaDelta(float delta, int classeCls, const Separatori& sep) {
    if (delta == 0.0f) return;
    constexpr float tolleranza = 1e-6f;
    if (Finito(delta) && delta >= DeltaMinimo - tolleranza && delta <= DeltaMassimo + tolleranza) return;
    const std::string valore = Finito(delta) ? TestoNumero(delta, sep) : "non numerico";
    const std::string_view classe = ClassiCalcestruzzo()[static_cast<std::size_t>(ClasseValida(classeCls))].Nome;
    Errore(Tipo::FuoriIntervallo,
           "coefficiente di ridistribuzione Delta = " + valore + " fuori dai limiti ammessi per la classe " +
               std::string(classe) + ": da " + TestoNumero(DeltaMinimo, sep) + " a " + TestoNumero(DeltaMassimo, sep),
           {Campo::Ridistribuzione});
}

} // namespace

void Velcora::ControllaDatiCalcolo(const Impostazioni& imp, const Separatori& sep) const {
    ControllaNumeroCampate(nCampate());
    ControllaVincolo(VincoloSinistro, kVincoloSinistro, true);
    ControllaVincolo(VincoloDestro, kVincoloDestro, false);
    if (nDivisioniPlt < 1 || nDivisioniPlt > std::numeric_limits<short>::max())
        Errore(Tipo::DatiNonValidi,
               "numero di punti del diagramma " + std::to_string(nDivisioniPlt) + " fuori dai limiti: da 1 a " +
                   std::to_string(std::numeric_limits<short>::max()),
               {Campo::PuntiDiagramma});
    for (const Trave& t : campate_) ControllaCampata(t, static_cast<int>(sezioni_.size()));
    for (std::size_t r = 0; r < tabForze_.size(); ++r)
        for (float v : tabForze_[r])
            if (!Finito(v))
                Errore(Tipo::DatiNonValidi, "carico concentrato " + std::to_string(r + 1) + " non valido",
                       {Campo::CaricoConcentrato, static_cast<int>(r + 1)});
    for (std::size_t k = 0; k < larghezzaAppoggi_.size(); ++k) {
        const float b = larghezzaAppoggi_[k];
        if (!Finito(b) || b < 0)
            Errore(Tipo::DatiNonValidi, "larghezza dell'appoggio " + std::to_string(k + 1) + " non valida",
                   {Campo::Appoggio, static_cast<int>(k + 1)});
    }
    ControllaCoefficienti(imp.CoefParz, sep);
    ControllaDelta(imp.DeltaRidist, imp.ClasseCls, sep);
}

} // namespace vc
