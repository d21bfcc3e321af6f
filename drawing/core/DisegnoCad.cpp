#include "drawing/core/DisegnoCad.h"

#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/FormatoDxf.h"
#include "drawing/core/Poligoni.h"
#include "files/Codifica1252.h"
#include "support/Formattazione.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace vc {

namespace {

using Tipo = ErroreDisegno::Tipo;

std::string Maiuscolo(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

bool StessoNome(std::string_view a, std::string_view b) {
    return Maiuscolo(a) == Maiuscolo(b);
}

// What makes a name unusable for a layer, a block or an application; nothing when it is fine.
std::optional<std::string> DifettoNome(std::string_view nome) {
    constexpr std::string_view vietati = "<>/\\\":;?*|=,`";
    if (nome.empty()) return "vuoto";
    if (nome.size() > 255) return "troppo lungo";
    for (char c : nome) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "carattere di controllo";
        if (vietati.find(c) != std::string_view::npos) return std::string("carattere ") + c;
    }
    if (nome.front() == ' ' || nome.back() == ' ') return "spazi agli estremi";
    return std::nullopt;
}

void ControllaNome(std::string_view nome, std::string_view cosa) {
    if (const auto difetto = DifettoNome(nome))
        throw ErroreDisegno(Tipo::NomeNonValido, "Nome " + std::string(cosa) + " non valido (" + *difetto +
                                                     "): \"" + std::string(nome) + "\"");
}

void ControllaFinito(double v, std::string_view cosa) {
    if (!std::isfinite(v))
        throw ErroreDisegno(Tipo::ValoreNonFinito,
                            "Valore non finito (" + std::string(cosa) + ") nel disegno CAD");
}

void ControllaPunto(const Punto& p) {
    ControllaFinito(p.x, "coordinata");
    ControllaFinito(p.y, "coordinata");
}

void ControllaColore(int colore) {
    if (colore < 0 || colore > 256)
        throw ErroreDisegno(Tipo::DatiNonValidi,
                            "Numero di colore fuori da 0..256: " + std::to_string(colore));
}

bool CodiceStringa(int c) {
    return c >= 1000 && c <= 1003;
}
bool CodiceReale(int c) {
    return c >= 1040 && c <= 1042;
}

[[noreturn]] void DatoErrato(std::size_t i, const std::string& perche) {
    throw ErroreDisegno(Tipo::DatiEstesiNonValidi,
                        "Dati estesi non validi alla posizione " + std::to_string(i) + ": " + perche);
}

// The check of one list of extended data, item by item: the applications met so far and the
// braces still open.
class ControlloDatiEstesi {
  public:
    void Voce(std::size_t i, DatoEsteso& d) {
        const int c = d.Codice;
        if (i == 0 && c != 1001) DatoErrato(i, "il primo codice deve essere 1001");
        if (CodiceStringa(c))
            Stringa(i, c, d.Valore);
        else if (CodiceReale(c))
            Reale(i, c, d.Valore);
        else if (c == 1070)
            Intero(i, d.Valore);
        else
            DatoErrato(i, "codice " + std::to_string(c) + " non previsto");
    }
    void Fine(std::size_t n) const {
        if (parentesi_ != 0) DatoErrato(n, "parentesi non chiuse");
    }

  private:
    void Stringa(std::size_t i, int c, const ValoreEsteso& v) {
        const auto* s = std::get_if<std::string>(&v);
        if (!s) DatoErrato(i, "il codice " + std::to_string(c) + " vuole un testo");
        if (c == 1001)
            Applicazione(i, *s);
        else if (c == 1002)
            Parentesi(i, *s);
        else if (c == 1003)
            Nome(i, *s, "nome di layer ");
        else
            Testo(i, *s);
    }
    void Applicazione(std::size_t i, const std::string& s) {
        if (parentesi_ != 0) DatoErrato(i, "parentesi non chiuse");
        Nome(i, s, "nome di applicazione ");
        if (!applicazioni_.insert(Maiuscolo(s)).second) DatoErrato(i, "applicazione ripetuta");
    }
    void Parentesi(std::size_t i, const std::string& s) {
        if (s == "{")
            ++parentesi_;
        else if (s == "}" && parentesi_ > 0)
            --parentesi_;
        else
            DatoErrato(i, "il codice 1002 vuole \"{\" o \"}\" appaiate");
    }
    static void Nome(std::size_t i, const std::string& s, const std::string& cosa) {
        if (const auto difetto = DifettoNome(s)) DatoErrato(i, cosa + *difetto);
    }
    static void Testo(std::size_t i, const std::string& s) {
        if (Utf8A1252(s).size() > 255) DatoErrato(i, "testo oltre 255 caratteri");
        if (std::any_of(s.begin(), s.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }))
            DatoErrato(i, "carattere di controllo nel testo");
    }
    static void Reale(std::size_t i, int c, ValoreEsteso& v) {
        if (const auto* n = std::get_if<int>(&v)) v = static_cast<double>(*n);
        const auto* r = std::get_if<double>(&v);
        if (!r) DatoErrato(i, "il codice " + std::to_string(c) + " vuole un numero");
        if (!std::isfinite(*r)) DatoErrato(i, "numero non finito");
    }
    static void Intero(std::size_t i, const ValoreEsteso& v) {
        const auto* n = std::get_if<int>(&v);
        if (!n) DatoErrato(i, "il codice 1070 vuole un intero");
        if (*n < std::numeric_limits<std::int16_t>::min() || *n > std::numeric_limits<std::int16_t>::max())
            DatoErrato(i, "intero fuori dai 16 bit");
    }

    std::set<std::string> applicazioni_;
    int parentesi_ = 0;
};

// Checks one list of extended data and returns it normalised (integers of real codes as reals).
std::vector<DatoEsteso> DatiEstesiControllati(std::vector<DatoEsteso> dati) {
    if (dati.empty()) DatoErrato(0, "elenco vuoto");
    ControlloDatiEstesi controllo;
    for (std::size_t i = 0; i < dati.size(); ++i)
        controllo.Voce(i, dati[i]);
    controllo.Fine(dati.size());
    return dati;
}

// The items of one application start at a 1001 item and run to the next one.
template <typename F> void PerApplicazione(const std::vector<DatoEsteso>& dati, F&& f) {
    std::size_t i = 0;
    while (i < dati.size()) {
        std::size_t j = i + 1;
        while (j < dati.size() && dati[j].Codice != 1001)
            ++j;
        f(std::get<std::string>(dati[i].Valore), i, j);
        i = j;
    }
}

// ---- Extents -------------------------------------------------------------------------------

struct Accumulo {
    double xMin = HUGE_VAL, yMin = HUGE_VAL, xMax = -HUGE_VAL, yMax = -HUGE_VAL;
    void Aggiunge(const Punto& p) {
        xMin = std::min(xMin, p.x), yMin = std::min(yMin, p.y);
        xMax = std::max(xMax, p.x), yMax = std::max(yMax, p.y);
    }
    bool Vuoto() const { return xMin > xMax; }
};

// The points that bound one entity (an arc by its ends and the quadrant points it passes).
template <typename F> void PuntiDiContorno(const GeometriaCad& g, F&& aggiunge) {
    std::visit(
        [&](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, LineaCad>) {
                aggiunge(e.Inizio), aggiunge(e.Fine);
            } else if constexpr (std::is_same_v<T, ArcoCad>) {
                for (const Punto& p : PuntiArco(e.Centro, e.Raggio, e.AngoloIniziale, e.AngoloFinale))
                    aggiunge(p);
            } else if constexpr (std::is_same_v<T, PolilineaCad>) {
                for (const auto& p : e.Vertici)
                    aggiunge(p);
            } else if constexpr (std::is_same_v<T, SolidoCad>) {
                for (const auto& p : e.Vertici)
                    aggiunge(p);
            } else if constexpr (std::is_same_v<T, TestoCad>) {
                const double l = 0.8 * e.Altezza * static_cast<double>(LunghezzaTesto(e.Testo));
                const double x = e.Inserimento.x - QuotaAllineamento(e.Allinea) * l;
                aggiunge({x, e.Inserimento.y});
                aggiunge({x + l, e.Inserimento.y + e.Altezza});
            }
        },
        g);
}

// ---- DXF R12 -------------------------------------------------------------------------------

void ScriveDatiEstesi(ScrittoreDxf& w, const std::vector<DatoEsteso>& dati) {
    for (const auto& d : dati) {
        if (const auto* s = std::get_if<std::string>(&d.Valore))
            w.Gruppo(d.Codice, TestoDxf(*s));
        else if (const auto* n = std::get_if<int>(&d.Valore))
            w.Intero(d.Codice, *n);
        else
            w.Reale(d.Codice, std::get<double>(d.Valore), "dato esteso");
    }
}

// An entity of the drawing: its layer, and its colour unless it is by layer (256).
void ScriveEntita(ScrittoreDxf& w, const EntitaCad& e) {
    ControllaColore(e.Colore);
    const TestaEntitaDxf testa{e.Layer,
                               e.Colore != 256 ? std::optional(InteroCampoSei(e.Colore)) : std::nullopt};
    std::visit(
        [&](const auto& g) {
            using T = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<T, LineaCad>) {
                w.Linea(testa, g.Inizio, g.Fine);
            } else if constexpr (std::is_same_v<T, ArcoCad>) {
                w.Arco(testa, g.Centro, g.Raggio, g.AngoloIniziale, g.AngoloFinale);
            } else if constexpr (std::is_same_v<T, PolilineaCad>) {
                w.InizioPolilinea(testa);
            } else if constexpr (std::is_same_v<T, SolidoCad>) {
                w.Solido(testa, g.Vertici);
            } else if constexpr (std::is_same_v<T, TestoCad>) {
                w.Testo(testa, g.Inserimento, g.Altezza, g.Testo, g.Allinea);
            } else if constexpr (std::is_same_v<T, RiferimentoBloccoCad>) {
                w.Inserimento(testa, g.Blocco, g.Inserimento, g.ScalaX, g.ScalaY, g.ScalaZ, g.Rotazione);
            }
        },
        e.Geometria);
    ScriveDatiEstesi(w, e.DatiEstesi());
    if (const auto* p = std::get_if<PolilineaCad>(&e.Geometria)) {
        for (const auto& v : p->Vertici)
            w.Vertice(e.Layer, v);
        w.FineSequenza(e.Layer);
    }
}

void InizioTabella(ScrittoreDxf& w, std::string_view nome, std::size_t voci) {
    w.Gruppo(0, "TABLE");
    w.Gruppo(2, nome);
    w.Intero(70, static_cast<int>(voci));
}

} // namespace

// ---- EntitaCad -----------------------------------------------------------------------------

void EntitaCad::ImpostaDatiEstesi(std::vector<DatoEsteso> dati) {
    auto nuovi = DatiEstesiControllati(std::move(dati));
    std::vector<DatoEsteso> restano;
    PerApplicazione(datiEstesi_, [&](const std::string& app, std::size_t i, std::size_t j) {
        bool sostituita = false;
        PerApplicazione(nuovi, [&](const std::string& nuova, std::size_t, std::size_t) {
            sostituita = sostituita || StessoNome(app, nuova);
        });
        if (!sostituita)
            restano.insert(restano.end(), datiEstesi_.begin() + static_cast<std::ptrdiff_t>(i),
                           datiEstesi_.begin() + static_cast<std::ptrdiff_t>(j));
    });
    restano.insert(restano.end(), nuovi.begin(), nuovi.end());
    datiEstesi_ = std::move(restano);
}

void EntitaCad::ImpostaDatiEstesi(const std::vector<int>& codici, const std::vector<ValoreEsteso>& valori) {
    if (codici.size() != valori.size())
        throw ErroreDisegno(Tipo::DatiEstesiNonValidi, "Dati estesi: codici e valori in numero diverso");
    std::vector<DatoEsteso> dati;
    dati.reserve(codici.size());
    for (std::size_t i = 0; i < codici.size(); ++i)
        dati.push_back({codici[i], valori[i]});
    ImpostaDatiEstesi(std::move(dati));
}

std::vector<DatoEsteso> EntitaCad::DatiEstesi(std::string_view applicazione) const {
    std::vector<DatoEsteso> r;
    PerApplicazione(datiEstesi_, [&](const std::string& app, std::size_t i, std::size_t j) {
        if (StessoNome(app, applicazione))
            r.assign(datiEstesi_.begin() + static_cast<std::ptrdiff_t>(i),
                     datiEstesi_.begin() + static_cast<std::ptrdiff_t>(j));
    });
    return r;
}

// ---- SpazioCad -----------------------------------------------------------------------------

EntitaCad& SpazioCad::Aggiunge(GeometriaCad g) {
    const LayerCad* layer = disegno_->CercaLayer(disegno_->LayerAttivo());
    if (layer && layer->Bloccato)
        throw ErroreDisegno(Tipo::LayerBloccato, "Il layer " + layer->Nome + " è bloccato");
    return entita_.emplace_back(std::move(g), disegno_->LayerAttivo());
}

EntitaCad& SpazioCad::AggiungeLinea(const Punto& a, const Punto& b) {
    ControllaPunto(a), ControllaPunto(b);
    return Aggiunge(LineaCad{a, b});
}

EntitaCad& SpazioCad::AggiungeArco(const Punto& centro, double raggio, double angoloIniziale,
                                   double angoloFinale) {
    ControllaPunto(centro);
    ControllaFinito(raggio, "raggio");
    ControllaFinito(angoloIniziale, "angolo");
    ControllaFinito(angoloFinale, "angolo");
    if (!(raggio > 0)) throw ErroreDisegno(Tipo::DatiNonValidi, "Arco di raggio non positivo");
    return Aggiunge(ArcoCad{centro, raggio, angoloIniziale, angoloFinale});
}

EntitaCad& SpazioCad::AggiungePolilineaLeggera(std::vector<Punto> vertici) {
    for (const auto& p : vertici)
        ControllaPunto(p);
    if (vertici.size() < 2) throw ErroreDisegno(Tipo::DatiNonValidi, "Polilinea con meno di due vertici");
    return Aggiunge(PolilineaCad{std::move(vertici)});
}

EntitaCad& SpazioCad::AggiungeSolido(const Punto& p1, const Punto& p2, const Punto& p3, const Punto& p4) {
    ControllaPunto(p1), ControllaPunto(p2), ControllaPunto(p3), ControllaPunto(p4);
    return Aggiunge(SolidoCad{{p1, p2, p3, p4}});
}

EntitaCad& SpazioCad::AggiungeTesto(std::string_view testo, const Punto& inserimento, double altezza,
                                    Allineamento allinea) {
    ControllaPunto(inserimento);
    ControllaFinito(altezza, "altezza del testo");
    if (!(altezza > 0)) throw ErroreDisegno(Tipo::DatiNonValidi, "Testo di altezza non positiva");
    return Aggiunge(TestoCad{inserimento, altezza, std::string(testo), allinea});
}

// ---- DisegnoCad ----------------------------------------------------------------------------

DisegnoCad::DisegnoCad() : modello_(*this) {
    layers_.push_back({"0", 7, false});
    layerAttivo_ = "0";
}

LayerCad& DisegnoCad::AggiungeLayer(std::string_view nome) {
    ControllaNome(nome, "di layer");
    if (auto* l = CercaLayer(nome)) return *l;
    return layers_.emplace_back(LayerCad{std::string(nome), 7, false});
}

LayerCad* DisegnoCad::CercaLayer(std::string_view nome) {
    for (auto& l : layers_)
        if (StessoNome(l.Nome, nome)) return &l;
    return nullptr;
}

const LayerCad* DisegnoCad::CercaLayer(std::string_view nome) const {
    return const_cast<DisegnoCad*>(this)->CercaLayer(nome);
}

void DisegnoCad::ImpostaLayerAttivo(std::string_view nome) {
    const auto* l = CercaLayer(nome);
    if (!l) throw ErroreDisegno(Tipo::LayerInesistente, "Layer inesistente: " + std::string(nome));
    layerAttivo_ = l->Nome;
}

BloccoCad& DisegnoCad::AggiungeBlocco(const Punto& base, std::string_view nome) {
    ControllaNome(nome, "di blocco");
    ControllaPunto(base);
    if (auto* b = CercaBlocco(nome)) {
        b->Entita().clear();
        b->base_ = base;
        return *b;
    }
    return blocchi_.emplace_back(*this, std::string(nome), base);
}

BloccoCad* DisegnoCad::CercaBlocco(std::string_view nome) {
    for (auto& b : blocchi_)
        if (StessoNome(b.Nome(), nome)) return &b;
    return nullptr;
}

const BloccoCad* DisegnoCad::CercaBlocco(std::string_view nome) const {
    return const_cast<DisegnoCad*>(this)->CercaBlocco(nome);
}

EntitaCad& DisegnoCad::InserisceBlocco(const Punto& inserimento, std::string_view nome, double scalaX,
                                       double scalaY, double scalaZ, double rotazione) {
    const auto* b = CercaBlocco(nome);
    if (!b) throw ErroreDisegno(Tipo::BloccoInesistente, "Blocco inesistente: " + std::string(nome));
    ControllaPunto(inserimento);
    for (double s : {scalaX, scalaY, scalaZ}) {
        ControllaFinito(s, "scala");
        if (s == 0) throw ErroreDisegno(Tipo::DatiNonValidi, "Scala di inserimento nulla");
    }
    ControllaFinito(rotazione, "rotazione");
    return modello_.Aggiunge(RiferimentoBloccoCad{b->Nome(), inserimento, scalaX, scalaY, scalaZ, rotazione});
}

void DisegnoCad::EliminaNonUsati() {
    std::set<std::string> usati;
    for (const auto& e : modello_.Entita())
        if (const auto* r = std::get_if<RiferimentoBloccoCad>(&e.Geometria))
            usati.insert(Maiuscolo(r->Blocco));
    blocchi_.remove_if([&](const BloccoCad& b) { return !usati.contains(Maiuscolo(b.Nome())); });

    std::set<std::string> layerUsati = {"0", "DEFPOINTS", Maiuscolo(layerAttivo_)};
    const auto segna = [&](const SpazioCad& s) {
        for (const auto& e : s.Entita())
            layerUsati.insert(Maiuscolo(e.Layer));
    };
    segna(modello_);
    for (const auto& b : blocchi_)
        segna(b);
    layers_.remove_if([&](const LayerCad& l) { return !layerUsati.contains(Maiuscolo(l.Nome)); });
}

std::optional<RiquadroCad> DisegnoCad::Estensioni() const {
    Accumulo a;
    for (const auto& e : modello_.Entita()) {
        const auto* r = std::get_if<RiferimentoBloccoCad>(&e.Geometria);
        if (!r) {
            PuntiDiContorno(e.Geometria, [&a](const Punto& p) { a.Aggiunge(p); });
            continue;
        }
        const auto* b = CercaBlocco(r->Blocco);
        if (!b) continue;
        // The block's own box, its corners carried by the reference's scale, rotation and place.
        Accumulo interno;
        for (const auto& eb : b->Entita())
            PuntiDiContorno(eb.Geometria, [&](const Punto& p) { interno.Aggiunge(p); });
        if (interno.Vuoto()) continue;
        const double c = std::cos(r->Rotazione), s = std::sin(r->Rotazione);
        for (const Punto& q : {Punto{interno.xMin, interno.yMin}, Punto{interno.xMax, interno.yMin},
                               Punto{interno.xMax, interno.yMax}, Punto{interno.xMin, interno.yMax}}) {
            const double dx = (q.x - b->PuntoBase().x) * r->ScalaX, dy = (q.y - b->PuntoBase().y) * r->ScalaY;
            a.Aggiunge({r->Inserimento.x + dx * c - dy * s, r->Inserimento.y + dx * s + dy * c});
        }
    }
    if (a.Vuoto()) return std::nullopt;
    return RiquadroCad{{a.xMin, a.yMin}, {a.xMax, a.yMax}};
}

namespace {
// Width over height of the saved view.
constexpr double AspettoVista = 1.6;
} // namespace

void DisegnoCad::ZoomEstensioni() {
    const auto e = Estensioni();
    if (!e) return;
    const double l = e->Max.x - e->Min.x, h = e->Max.y - e->Min.y;
    double altezza = std::max(h, l / AspettoVista) * 1.05;
    if (!(altezza > 0)) altezza = 1;
    vista_ = VistaCad{{(e->Min.x + e->Max.x) / 2, (e->Min.y + e->Max.y) / 2}, altezza};
}

std::string DisegnoCad::TestoDxf() const {
    ScrittoreDxf w;
    const auto estensioni = Estensioni();
    const Punto extMin = estensioni ? estensioni->Min : Punto{1e20, 1e20};
    const Punto extMax = estensioni ? estensioni->Max : Punto{-1e20, -1e20};

    // Applications named by extended data, in the order met, after AutoCAD's own.
    std::vector<std::string> applicazioni = {"ACAD"};
    const auto raccoglie = [&](const SpazioCad& s) {
        for (const auto& e : s.Entita())
            PerApplicazione(e.DatiEstesi(), [&](const std::string& app, std::size_t, std::size_t) {
                if (std::none_of(applicazioni.begin(), applicazioni.end(),
                                 [&](const std::string& a) { return StessoNome(a, app); }))
                    applicazioni.push_back(app);
            });
    };
    for (const auto& b : blocchi_)
        raccoglie(b);
    raccoglie(modello_);

    w.Gruppo(999, MarcaDisegnoCad);
    w.Sezione("HEADER");
    w.Gruppo(9, "$ACADVER");
    w.Gruppo(1, "AC1009");
    w.Gruppo(9, "$DWGCODEPAGE");
    w.Gruppo(3, "ANSI_1252");
    w.Gruppo(9, "$INSBASE");
    w.Punto3(10, {});
    w.Gruppo(9, "$EXTMIN");
    w.Punto3(10, extMin);
    w.Gruppo(9, "$EXTMAX");
    w.Punto3(10, extMax);
    w.Gruppo(9, "$CLAYER");
    w.Gruppo(8, vc::TestoDxf(layerAttivo_));
    w.Gruppo(9, "$HANDLING");
    w.Intero(70, 0);
    w.FineSezione();

    w.Sezione("TABLES");

    const VistaCad vista = vista_.value_or(VistaCad{{6, 4.5}, 9});
    InizioTabella(w, "VPORT", 1);
    w.Gruppo(0, "VPORT");
    w.Gruppo(2, "*ACTIVE");
    w.Intero(70, 0);
    w.Reale(10, 0), w.Reale(20, 0), w.Reale(11, 1), w.Reale(21, 1);
    w.Reale(12, vista.Centro.x), w.Reale(22, vista.Centro.y);
    w.Reale(13, 0), w.Reale(23, 0), w.Reale(14, 1), w.Reale(24, 1), w.Reale(15, 0), w.Reale(25, 0);
    w.Reale(16, 0), w.Reale(26, 0), w.Reale(36, 1), w.Reale(17, 0), w.Reale(27, 0), w.Reale(37, 0);
    w.Reale(40, vista.Altezza), w.Reale(41, AspettoVista), w.Reale(42, 50), w.Reale(43, 0), w.Reale(44, 0);
    w.Reale(50, 0), w.Reale(51, 0);
    w.Intero(71, 0), w.Intero(72, 100), w.Intero(73, 1), w.Intero(74, 3), w.Intero(75, 0), w.Intero(76, 0);
    w.Intero(77, 0), w.Intero(78, 0);
    w.Gruppo(0, "ENDTAB");

    InizioTabella(w, "LTYPE", 1);
    w.Gruppo(0, "LTYPE");
    w.Gruppo(2, "CONTINUOUS");
    w.Intero(70, 0);
    w.Gruppo(3, "Solid line");
    w.Intero(72, 65);
    w.Intero(73, 0);
    w.Reale(40, 0);
    w.Gruppo(0, "ENDTAB");

    InizioTabella(w, "LAYER", layers_.size());
    for (const auto& l : layers_) {
        ControllaColore(l.Colore);
        w.Gruppo(0, "LAYER");
        w.Gruppo(2, vc::TestoDxf(l.Nome));
        w.Intero(70, l.Bloccato ? 4 : 0);
        w.Intero(62, l.Colore);
        w.Gruppo(6, "CONTINUOUS");
    }
    w.Gruppo(0, "ENDTAB");

    InizioTabella(w, "STYLE", 1);
    w.Gruppo(0, "STYLE");
    w.Gruppo(2, "STANDARD");
    w.Intero(70, 0);
    w.Reale(40, 0), w.Reale(41, 1), w.Reale(50, 0);
    w.Intero(71, 0);
    w.Reale(42, 0.2);
    w.Gruppo(3, "txt");
    w.Gruppo(4, "");
    w.Gruppo(0, "ENDTAB");

    InizioTabella(w, "APPID", applicazioni.size());
    for (const auto& a : applicazioni) {
        w.Gruppo(0, "APPID");
        w.Gruppo(2, vc::TestoDxf(a));
        w.Intero(70, 0);
    }
    w.Gruppo(0, "ENDTAB");
    w.FineSezione();

    w.Sezione("BLOCKS");
    for (const auto& b : blocchi_) {
        w.Gruppo(0, "BLOCK");
        w.Gruppo(8, "0");
        w.Gruppo(2, vc::TestoDxf(b.Nome()));
        w.Intero(70, 0);
        w.Punto3(10, b.PuntoBase());
        w.Gruppo(3, vc::TestoDxf(b.Nome()));
        for (const auto& e : b.Entita())
            ScriveEntita(w, e);
        w.Gruppo(0, "ENDBLK");
        w.Gruppo(8, "0");
    }
    w.FineSezione();

    w.Sezione("ENTITIES");
    for (const auto& e : modello_.Entita())
        ScriveEntita(w, e);
    w.FineSezione();
    w.FineFile();
    return std::move(w).Prende();
}

void DisegnoCad::Salva(const std::filesystem::path& destinazione) const {
    ScriveFileSicuro(destinazione, TestoDxf());
}

} // namespace vc
