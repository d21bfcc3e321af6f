// The writer of the JSON beam, and the reading of its text; the fields are read in
// LetturaTraveJson.cpp.

#include "files/TraveJson.h"

#include "engine/Ridistribuzione.h"
#include "engine/VincoliElastici.h"
#include "files/NomiTraveJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <set>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace vc {

using namespace vc::json;

namespace {

// A single written in its shortest form: the double that the shortest decimal text of the single
// stands for, so that 0.3f is written "0.3" and reads back as 0.3f. For the few singles whose
// shortest text, read as a double and rounded again, lands on a neighbour (7.0385307e-26 and its
// negative), the single itself is written, widened exactly.
Json Numero(float x) {
    if (!std::isfinite(x)) throw std::invalid_argument("numero non finito nella trave");
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, x).ptr;
    double d = 0;
    std::from_chars(testo, fine, d);
    return static_cast<float>(d) == x ? d : static_cast<double>(x);
}

Json Numero(double x) {
    if (!std::isfinite(x)) throw std::invalid_argument("numero non finito nella trave");
    return x;
}

template <std::size_t N>
Json Nome(const std::array<std::string_view, N>& nomi, int codice, int altrimenti = 0) {
    const bool noto = codice >= 0 && codice < static_cast<int>(N);
    return std::string(nomi[static_cast<std::size_t>(noto ? codice : altrimenti)]);
}

Json Campate(const Velcora& t) {
    Json a = Json::array();
    for (int i = 1; i <= t.nCampate(); ++i) {
        const DatiCampata d = t.EstraeDatiCampata(i);
        a.push_back({{"luce", Numero(d.Luce)},
                     {"G1", Numero(d.g1)},
                     {"G2", Numero(d.g2)},
                     {"Q1", Numero(d.q1)},
                     {"Q2", Numero(d.q2)},
                     {"sezione", d.iSez}});
    }
    return a;
}

Json Vincolo(int codice, double rigidezza, int schema, const DatiPilastri& pilastri) {
    Json telaio = {{"schema", Nome(TestiSituazioni(), schema)}};
    for (std::size_t k = 0; k < NomiPilastri.size(); ++k)
        telaio[std::string(NomiPilastri[k])] = Numero(pilastri[k]);
    return {{"tipo", codice == VincoloNonScelto ? Json(nullptr) : Nome(NomiVincoli, codice)},
            {"rigidezza", Numero(rigidezza)},
            {"telaio", telaio}};
}

Json Vincoli(const Velcora& t) {
    DatiPilastri sx{}, dx{};
    for (int k = 1; k <= 9; ++k) {
        sx[static_cast<std::size_t>(k - 1)] = t.Dato_Sx(k);
        dx[static_cast<std::size_t>(k - 1)] = t.Dato_Dx(k);
    }
    return {{"sinistro", Vincolo(t.VincoloSinistro, t.kVincoloSinistro, t.iTipoVincElastSx, sx)},
            {"destro", Vincolo(t.VincoloDestro, t.kVincoloDestro, t.iTipoVincElastDx, dx)},
            {"rigidezza_utente", t.Kutente}};
}

Json Sezione(const SezioneCA& s) {
    Json j = {{"tipo", Nome(NomiSezioni, s.TipoSez)}};
    switch (s.TipoSez) {
    case SezGenerica:
        j["J"] = Numero(static_cast<float>(s.JotaXG));
        j["h"] = Numero(s.hTot);
        break;
    case SezT:
        j["b1"] = Numero(s.b1);
        j["h1"] = Numero(s.h1);
        j["b2"] = Numero(s.b2);
        j["h2"] = Numero(s.H2);
        break;
    default:
        j["b"] = Numero(s.b1);
        j["h"] = Numero(s.h1);
    }
    j["E"] = Numero(s.Young);
    return j;
}

Json Sezioni(const Velcora& t) {
    Json a = Json::array();
    for (int j = 1; j <= t.nSezioni(); ++j)
        a.push_back(Sezione(t.SezioneI(j)));
    return a;
}

Json CarichiConcentrati(const std::vector<RigaCarichi>& tabella) {
    Json a = Json::array();
    for (const RigaCarichi& r : tabella) {
        Json c = Json::object();
        // The span number is a whole number; one that is not is written as it is, and refused
        // on reading like any other.
        c["campata"] =
            std::floor(r[0]) == r[0] && std::fabs(r[0]) < 1e9f ? Json(static_cast<int>(r[0])) : Numero(r[0]);
        for (std::size_t k = 1; k < r.size(); ++k)
            c[std::string(NomiCarichiConcentrati[k])] = Numero(r[k]);
        a.push_back(c);
    }
    return a;
}

Json Combinazione(const Impostazioni& imp) {
    Json coefficienti = Json::object();
    for (std::size_t k = 0; k < NomiCoefficienti.size(); ++k)
        coefficienti[std::string(NomiCoefficienti[k])] = Numero(imp.CoefParz[k]);
    return {{"stato_limite", Nome(NomiStatiLimite, imp.StatoLimite)},
            {"tipo_sle", Nome(NomiTipiSLE, imp.TipoSLE)},
            {"ometti_G2_favorevole", imp.OmettiG2Favorevole},
            {"coefficienti", coefficienti}};
}

} // namespace

std::string CampoErrato::Testo() const {
    return Percorso.empty() ? Motivo : Percorso + ": " + Motivo;
}

Json TraveInJson(const Velcora& t, const Impostazioni& imp) {
    Json larghezze = Json::array();
    for (int k = 1; k <= t.nCampate() + 1; ++k)
        larghezze.push_back(Numero(t.LarghezzaAppoggi(k)));

    Json j = Json::object();
    j["formato"] = std::string(FormatoTraveJson);
    j["versione"] = VersioneTraveJson;
    j["titolo"] = imp.Titolo;
    j["campate"] = Campate(t);
    j["vincoli"] = Vincoli(t);
    j["sezioni"] = Sezioni(t);
    j["larghezze_appoggi"] = larghezze;
    j["forze"] = CarichiConcentrati(t.TabForze());
    j["coppie"] = CarichiConcentrati(t.TabCoppie());
    j["ridistribuzione"] = {
        {"delta", Numero(imp.DeltaRidist)},
        {"classe_cls",
         std::string(ClassiCalcestruzzo()[static_cast<std::size_t>(ClasseValida(imp.ClasseCls))].Nome)}};
    j["arrotonda_momenti"] = t.ArrotondaMomenti;
    j["decalage"] = {{"tipo", Nome(NomiDecalage, t.Decala)}, {"copriferro", Numero(t.Copriferro)}};
    j["combinazione"] = Combinazione(imp);
    j["diagrammi"] = {{"punti", t.nDivisioniPlt},
                      {"scale_fisse", imp.ScalePreimpostate},
                      {"scala_M", Numero(imp.ScalaFissaM)},
                      {"scala_T", Numero(imp.ScalaFissaT)},
                      {"scala_freccia", Numero(imp.ScalaFissaFreccia)},
                      {"deformata", imp.VisualizzaDeformata}};
    return j;
}

std::string TestoTraveJson(const Velcora& trave, const Impostazioni& imp) {
    // A title read from a file is valid UTF-8; anything else is replaced rather than refused.
    return TraveInJson(trave, imp).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

namespace {

// Line and column (from 1) of a byte of the text.
std::string Posizione(std::string_view testo, std::size_t byte) {
    byte = std::min(byte, testo.size());
    std::size_t riga = 1, inizioRiga = 0;
    for (std::size_t k = 0; k < byte; ++k)
        if (testo[k] == '\n') {
            ++riga;
            inizioRiga = k + 1;
        }
    return "riga " + std::to_string(riga) + ", colonna " + std::to_string(byte - inizioRiga + 1);
}

// Follows the parser through the text to find a field given twice in one object, which the
// JSON value would keep only once.
class ChiaviRipetute {
  public:
    bool operator()(int, Json::parse_event_t evento, Json& valore) {
        using E = Json::parse_event_t;
        switch (evento) {
        case E::object_start:
        case E::array_start:
            livelli_.push_back({evento == E::array_start, 0, {}, {}});
            break;
        case E::key: {
            Livello& l = livelli_.back();
            l.Chiave = valore.get<std::string>();
            if (!l.Chiavi.insert(l.Chiave).second && !primo_)
                primo_ = CampoErrato{Percorso(), "campo ripetuto"};
            break;
        }
        case E::object_end:
        case E::array_end:
            livelli_.pop_back();
            Avanza();
            break;
        case E::value:
            Avanza();
            break;
        }
        return true;
    }
    const std::optional<CampoErrato>& Primo() const { return primo_; }

  private:
    struct Livello {
        bool Elenco;
        std::size_t Indice;
        std::string Chiave;
        std::set<std::string> Chiavi;
    };
    void Avanza() {
        if (!livelli_.empty() && livelli_.back().Elenco) ++livelli_.back().Indice;
    }
    std::string Percorso() const {
        std::string p;
        for (const Livello& l : livelli_) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + std::string&&.
            if (l.Elenco) {
                p.append("[").append(std::to_string(l.Indice + 1)).append("]");
            } else {
                if (!p.empty()) p.append(".");
                p.append(l.Chiave);
            }
        }
        return p;
    }
    std::vector<Livello> livelli_;
    std::optional<CampoErrato> primo_;
};

} // namespace

std::optional<CampoErrato> TraveDaTestoJson(std::string_view testo, Velcora& trave, Impostazioni& imp) {
    ChiaviRipetute ripetute;
    Json valore;
    try {
        valore = Json::parse(testo.begin(), testo.end(), std::ref(ripetute));
    } catch (const Json::parse_error& e) {
        return CampoErrato{{},
                           "testo JSON non valido (" + Posizione(testo, e.byte == 0 ? 0 : e.byte - 1) + ")"};
    }
    if (ripetute.Primo()) return ripetute.Primo();
    return TraveDaJson(valore, trave, imp);
}

} // namespace vc
