// Reading the fields of the JSON beam into a new beam and a copy of the settings, which replace
// the caller's only when every field has been read.

#include "engine/Ridistribuzione.h"
#include "engine/VincoliElastici.h"
#include "files/NomiTraveJson.h"
#include "files/TraveJson.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace vc {

using namespace vc::json;

namespace {

// Beyond what the data file can count (a 16-bit integer).
constexpr int ElementiMassimi = 32767;

struct Interruzione {
    CampoErrato Campo;
};

std::string Elenca(std::span<const std::string_view> nomi, bool nullo) {
    std::string t = "atteso uno fra ";
    for (std::size_t k = 0; k < nomi.size(); ++k)
        t += (k ? ", \"" : "\"") + std::string(nomi[k]) + "\"";
    return t + (nullo ? ", null" : "");
}

// One value of the text with its path, and the checks of its kind.
class Nodo {
  public:
    Nodo(const Json& valore, std::string percorso) : v_(valore), p_(std::move(percorso)) {}

    [[noreturn]] void Errore(std::string motivo) const { throw Interruzione{{p_, std::move(motivo)}}; }

    bool EOggetto() const { return v_.is_object(); }

    // An object holding no field but those named.
    const Nodo& Oggetto(std::initializer_list<std::string_view> ammessi) const {
        return Oggetto(std::span<const std::string_view>(ammessi.begin(), ammessi.size()));
    }
    const Nodo& Oggetto(std::span<const std::string_view> ammessi) const {
        if (!v_.is_object()) Errore("oggetto atteso");
        for (const auto& [chiave, valore] : v_.items())
            if (std::find(ammessi.begin(), ammessi.end(), chiave) == ammessi.end())
                Nodo(valore, Sotto(chiave)).Errore("campo sconosciuto");
        return *this;
    }

    std::optional<Nodo> Campo(std::string_view nome) const {
        const auto it = v_.find(nome);
        if (it == v_.end()) return std::nullopt;
        return Nodo(*it, Sotto(nome));
    }
    Nodo Richiesto(std::string_view nome) const {
        auto c = Campo(nome);
        if (!c) Nodo(v_, Sotto(nome)).Errore("campo mancante");
        return *c;
    }

    std::vector<Nodo> Elenco() const {
        if (!v_.is_array()) Errore("elenco atteso");
        if (v_.size() > ElementiMassimi) Errore("al più " + std::to_string(ElementiMassimi) + " elementi");
        std::vector<Nodo> elementi;
        for (std::size_t k = 0; k < v_.size(); ++k)
            elementi.emplace_back(v_[k], p_ + "[" + std::to_string(k + 1) + "]");
        return elementi;
    }

    double Doppio() const {
        if (!v_.is_number()) Errore("numero atteso");
        const double d = v_.get<double>();
        if (!std::isfinite(d)) Errore("numero finito atteso");
        return d;
    }
    float Singolo() const {
        const double d = Doppio();
        // Beyond half a step past the largest single the value would round to infinity.
        constexpr double OltreIlSingolo = 0x1.ffffffp127;
        if (std::fabs(d) >= OltreIlSingolo) Errore("numero fuori scala");
        return static_cast<float>(d);
    }
    int Intero(int minimo, int massimo) const {
        if (!v_.is_number() || (v_.is_number_float() && std::floor(Doppio()) != Doppio()))
            Errore("numero intero atteso");
        const double d = v_.is_number_unsigned()  ? static_cast<double>(v_.get<std::uint64_t>())
                         : v_.is_number_integer() ? static_cast<double>(v_.get<std::int64_t>())
                                                  : v_.get<double>();
        if (d < minimo || d > massimo)
            Errore("fuori dall'intervallo da " + std::to_string(minimo) + " a " + std::to_string(massimo));
        return static_cast<int>(d);
    }
    bool Booleano() const {
        if (!v_.is_boolean()) Errore("true o false atteso");
        return v_.get<bool>();
    }
    std::string Testo() const {
        if (!v_.is_string()) Errore("testo atteso");
        return v_.get<std::string>();
    }
    // The index of the name in the list; with nullo, null gives -1.
    int Nome(std::span<const std::string_view> nomi, bool nullo = false) const {
        if (nullo && v_.is_null()) return -1;
        if (v_.is_string()) {
            const auto it = std::find(nomi.begin(), nomi.end(), v_.get<std::string>());
            if (it != nomi.end()) return static_cast<int>(it - nomi.begin());
        }
        Errore(Elenca(nomi, nullo));
    }

    // The optional fields: the value read, or the one given when the field is left out.
    float Singolo(std::string_view nome, float altrimenti) const {
        const auto c = Campo(nome);
        return c ? c->Singolo() : altrimenti;
    }
    double Doppio(std::string_view nome, double altrimenti) const {
        const auto c = Campo(nome);
        return c ? c->Doppio() : altrimenti;
    }
    bool Booleano(std::string_view nome, bool altrimenti) const {
        const auto c = Campo(nome);
        return c ? c->Booleano() : altrimenti;
    }
    int Nome(std::string_view nome, std::span<const std::string_view> nomi, int altrimenti) const {
        const auto c = Campo(nome);
        return c ? c->Nome(nomi) : altrimenti;
    }

  private:
    std::string Sotto(std::string_view nome) const {
        return p_.empty() ? std::string(nome) : p_ + "." + std::string(nome);
    }
    const Json& v_;
    std::string p_;
};

std::vector<std::string_view> NomiClassi() {
    std::vector<std::string_view> nomi;
    for (const auto& c : ClassiCalcestruzzo())
        nomi.push_back(c.Nome);
    return nomi;
}

std::vector<std::string_view> NomiSchemi() {
    const auto& t = TestiSituazioni();
    return {t.begin(), t.end()};
}

// The fields of the beam in the order of the schema; the first bad one stops the reading.
class Lettore {
  public:
    Lettore(const Nodo& radice, Velcora& trave, Impostazioni& imp) : r_(radice), t_(trave), imp_(imp) {}

    void Legge() {
        Intestazione();
        const auto titolo = r_.Campo("titolo");
        imp_.Titolo = titolo ? titolo->Testo() : std::string();
        Campate();
        Vincoli();
        Sezioni();
        Appoggi();
        t_.Dati_Fconc(CarichiConcentrati("forze"), true);
        t_.Dati_Fconc(CarichiConcentrati("coppie"), false);
        for (int i = 1; i <= t_.nCampate(); ++i) {
            t_.CampataI(i).ImportaCarConc(t_.TabForze(), true, i);
            t_.CampataI(i).ImportaCarConc(t_.TabCoppie(), false, i);
        }
        Opzioni();
        Combinazione();
        Diagrammi();
    }

  private:
    void Intestazione() {
        if (!r_.EOggetto()) r_.Errore("oggetto JSON atteso");
        const Nodo formato = r_.Richiesto("formato");
        if (formato.Testo() != FormatoTraveJson)
            formato.Errore("atteso \"" + std::string(FormatoTraveJson) + "\"");
        const Nodo versione = r_.Richiesto("versione");
        const int v = versione.Intero(1, ElementiMassimi);
        if (v != VersioneTraveJson)
            versione.Errore("versione " + std::to_string(v) +
                            " sconosciuta: questo programma legge la versione " +
                            std::to_string(VersioneTraveJson));
        r_.Oggetto({"formato", "versione", "titolo", "campate", "vincoli", "sezioni", "larghezze_appoggi",
                    "forze", "coppie", "ridistribuzione", "arrotonda_momenti", "decalage", "combinazione",
                    "diagrammi"});
    }

    void Campate() {
        const auto campate = r_.Richiesto("campate").Elenco();
        t_.nCampate(static_cast<int>(campate.size()));
        int i = 0;
        for (const Nodo& c : campate) {
            c.Oggetto({"luce", "G1", "G2", "Q1", "Q2", "sezione"});
            const float luce = c.Richiesto("luce").Singolo();
            const float g1 = c.Singolo("G1", 0), g2 = c.Singolo("G2", 0), q1 = c.Singolo("Q1", 0),
                        q2 = c.Singolo("Q2", 0);
            const int sezione = c.Richiesto("sezione").Intero(-32768, 32767);
            t_.InserisceDatiCampata(++i, luce, g1, g2, q1, q2, sezione);
        }
    }

    // One end: its kind, its stiffness and the columns of the frame it stands for.
    struct Estremo {
        int Codice = VincoloNonScelto;
        double Rigidezza = 0;
        int Schema = 0;
        DatiPilastri Pilastri{};
    };
    static Estremo Vincolo(const Nodo& n) {
        n.Oggetto({"tipo", "rigidezza", "telaio"});
        Estremo e;
        e.Codice = n.Richiesto("tipo").Nome(NomiVincoli, true);
        e.Rigidezza = n.Doppio("rigidezza", 0);
        if (const auto telaio = n.Campo("telaio")) {
            telaio->Oggetto({"schema", "a1", "b1", "J1", "L1", "a2", "b2", "J2", "L2", "E"});
            e.Schema = telaio->Nome("schema", NomiSchemi(), 0);
            for (std::size_t k = 0; k < NomiPilastri.size(); ++k)
                e.Pilastri[k] = telaio->Doppio(NomiPilastri[k], 0);
        }
        return e;
    }

    void Vincoli() {
        const Nodo v = r_.Richiesto("vincoli");
        v.Oggetto({"sinistro", "destro", "rigidezza_utente"});
        const Estremo sx = Vincolo(v.Richiesto("sinistro"));
        const Estremo dx = Vincolo(v.Richiesto("destro"));
        t_.VincoloSinistro = sx.Codice;
        t_.VincoloDestro = dx.Codice;
        t_.kVincoloSinistro = sx.Rigidezza;
        t_.kVincoloDestro = dx.Rigidezza;
        t_.iTipoVincElastSx = sx.Schema;
        t_.iTipoVincElastDx = dx.Schema;
        t_.Dati(sx.Pilastri, true);
        t_.Dati(dx.Pilastri, false);
        t_.Kutente = v.Booleano("rigidezza_utente", false);
    }

    void Sezioni() {
        const auto sezioni = r_.Richiesto("sezioni").Elenco();
        t_.nSezioni(static_cast<int>(sezioni.size()));
        t_.CreaArraySezioni();
        int j = 0;
        for (const Nodo& s : sezioni) {
            if (!s.EOggetto()) s.Errore("oggetto atteso");
            const int tipo = s.Richiesto("tipo").Nome(NomiSezioni);
            MatriceFigure figure{};
            if (tipo == SezRettangolare) {
                s.Oggetto({"tipo", "b", "h", "E"});
                figure[0] = {s.Richiesto("b").Singolo(), s.Richiesto("h").Singolo()};
            } else if (tipo == SezT) {
                s.Oggetto({"tipo", "b1", "h1", "b2", "h2", "E"});
                figure[0] = {s.Richiesto("b1").Singolo(), s.Richiesto("h1").Singolo()};
                figure[1] = {s.Richiesto("b2").Singolo(), s.Richiesto("h2").Singolo()};
            } else {
                s.Oggetto({"tipo", "J", "h", "E"});
                figure[0] = {s.Richiesto("J").Singolo(), s.Richiesto("h").Singolo()};
            }
            t_.InserisceDatiSezione(++j, tipo, figure, s.Richiesto("E").Singolo());
        }
    }

    void Appoggi() {
        const auto campo = r_.Campo("larghezze_appoggi");
        if (!campo) return; // a new beam's widths, all zero
        const auto larghezze = campo->Elenco();
        const auto attese = static_cast<std::size_t>(t_.nCampate()) + 1;
        if (larghezze.size() != attese)
            campo->Errore("attesi " + std::to_string(attese) + " valori, uno per appoggio");
        int k = 0;
        for (const Nodo& l : larghezze)
            t_.LarghezzaAppoggi(++k, l.Singolo());
    }

    std::vector<RigaCarichi> CarichiConcentrati(std::string_view nome) const {
        std::vector<RigaCarichi> tabella;
        const auto campo = r_.Campo(nome);
        if (!campo) return tabella;
        for (const Nodo& c : campo->Elenco()) {
            c.Oggetto({"campata", "G1", "G2", "Q1", "Q2", "d"});
            const Nodo campata = c.Richiesto("campata");
            const int i = campata.Intero(-32768, 32767);
            if (i < 1 || i > t_.nCampate())
                campata.Errore("campata inesistente: la trave ha " + std::to_string(t_.nCampate()) +
                               " campate");
            RigaCarichi r{static_cast<float>(i), c.Singolo("G1", 0), c.Singolo("G2", 0),
                          c.Singolo("Q1", 0),    c.Singolo("Q2", 0), 0.0f};
            const Nodo d = c.Richiesto("d");
            r[5] = d.Singolo();
            const float luce = t_.CampataI(i).Luce;
            // As in the data file: within the span, allowing for the rounding of a single.
            if (r[5] < 0.0f || r[5] > luce + 1e-6f * std::fabs(luce))
                d.Errore("fuori dalla campata: da 0 alla sua luce");
            tabella.push_back(r);
        }
        return tabella;
    }

    void Opzioni() {
        if (const auto r = r_.Campo("ridistribuzione")) {
            r->Oggetto({"delta", "classe_cls"});
            if (const auto d = r->Campo("delta")) {
                imp_.DeltaRidist = d->Singolo();
                // The data file stores the percentage 100·(1 − δ).
                if (!std::isfinite((1.0f - imp_.DeltaRidist) * 100.0f)) d->Errore("numero fuori scala");
            }
            imp_.ClasseCls = r->Nome("classe_cls", NomiClassi(), imp_.ClasseCls);
        }
        t_.ArrotondaMomenti = r_.Booleano("arrotonda_momenti", false);
        if (const auto d = r_.Campo("decalage")) {
            d->Oggetto({"tipo", "copriferro"});
            t_.Decala = d->Nome("tipo", NomiDecalage, 0);
            t_.Copriferro = d->Singolo("copriferro", 0);
        }
    }

    void Combinazione() {
        const auto c = r_.Campo("combinazione");
        if (!c) return;
        c->Oggetto({"stato_limite", "tipo_sle", "ometti_G2_favorevole", "coefficienti"});
        imp_.StatoLimite = c->Nome("stato_limite", NomiStatiLimite, imp_.StatoLimite);
        imp_.TipoSLE = c->Nome("tipo_sle", NomiTipiSLE, imp_.TipoSLE);
        imp_.OmettiG2Favorevole = c->Booleano("ometti_G2_favorevole", imp_.OmettiG2Favorevole);
        const auto coefficienti = c->Campo("coefficienti");
        if (!coefficienti) return;
        coefficienti->Oggetto(NomiCoefficienti);
        for (std::size_t k = 0; k < NomiCoefficienti.size(); ++k)
            imp_.CoefParz[k] = coefficienti->Singolo(NomiCoefficienti[k], imp_.CoefParz[k]);
    }

    void Diagrammi() {
        const auto d = r_.Campo("diagrammi");
        if (!d) return;
        d->Oggetto({"punti", "scale_fisse", "scala_M", "scala_T", "scala_freccia", "deformata"});
        if (const auto p = d->Campo("punti")) t_.nDivisioniPlt = p->Intero(1, 32767);
        imp_.ScalePreimpostate = d->Booleano("scale_fisse", imp_.ScalePreimpostate);
        imp_.ScalaFissaM = d->Doppio("scala_M", imp_.ScalaFissaM);
        imp_.ScalaFissaT = d->Doppio("scala_T", imp_.ScalaFissaT);
        imp_.ScalaFissaFreccia = d->Doppio("scala_freccia", imp_.ScalaFissaFreccia);
        imp_.VisualizzaDeformata = d->Booleano("deformata", imp_.VisualizzaDeformata);
    }

    const Nodo& r_;
    Velcora& t_;
    Impostazioni& imp_;
};

} // namespace

std::optional<CampoErrato> TraveDaJson(const Json& valore, Velcora& trave, Impostazioni& imp) {
    Velcora nuova;
    Impostazioni nuove = imp;
    try {
        const Nodo radice(valore, {});
        Lettore(radice, nuova, nuove).Legge();
    } catch (const Interruzione& e) {
        return e.Campo;
    }
    trave = std::move(nuova);
    imp = std::move(nuove);
    return std::nullopt;
}

} // namespace vc
