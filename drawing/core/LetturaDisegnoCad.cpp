#include "drawing/core/LetturaDisegnoCad.h"

#include "drawing/core/ErroreDisegno.h"
#include "drawing/core/FormatoDxf.h"
#include "files/Codifica1252.h"
#include "files/FileSuDisco.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace vc {

namespace {

// One group of the file: its code, its value and the line its code stands on (from 1).
struct Gruppo {
    int Codice = 0;
    std::string_view Valore;
    std::size_t Riga = 0;
};

// Texts joined by appending (GCC's -O3 warns falsely about "literal" + std::string).
template <typename... Parti> std::string Frase(const Parti&... parti) {
    std::string s;
    (s.append(std::string_view(parti)), ...);
    return s;
}

template <typename... Parti> [[noreturn]] void Illeggibile(std::size_t riga, const Parti&... perche) {
    throw ErroreDisegno(ErroreDisegno::Tipo::FileIlleggibile,
                        Frase("riga ", std::to_string(riga), ": ", perche...));
}

std::string Citato(std::string_view valore) {
    return Frase("\"", Da1252AUtf8(valore.substr(0, 60)), "\"");
}

std::string_view SenzaSpazi(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

template <typename T> std::optional<T> Numero(std::string_view testo) {
    const std::string_view s = SenzaSpazi(testo);
    T v{};
    const auto [fine, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc{} || fine != s.data() + s.size()) return std::nullopt;
    return v;
}

// The lines of the text, CR LF or LF at their ends, as groups: a code line, then its value.
std::vector<Gruppo> Gruppi(std::string_view testo) {
    std::vector<Gruppo> gruppi;
    std::size_t pos = 0, riga = 0;
    const auto prossima = [&](std::string_view& r) {
        if (pos >= testo.size()) return false;
        const std::size_t fine = std::min(testo.find('\n', pos), testo.size());
        r = testo.substr(pos, fine - pos);
        if (!r.empty() && r.back() == '\r') r.remove_suffix(1);
        pos = fine + 1;
        ++riga;
        return true;
    };
    std::string_view codice, valore;
    while (prossima(codice)) {
        const std::size_t rigaCodice = riga;
        const auto c = Numero<int>(codice);
        if (!c) Illeggibile(rigaCodice, "codice di gruppo non valido ", Citato(codice));
        if (!prossima(valore)) Illeggibile(rigaCodice, "manca il valore del gruppo ", std::to_string(*c));
        gruppi.push_back({*c, valore, rigaCodice});
    }
    return gruppi;
}

double Reale(const Gruppo& g) {
    const auto v = Numero<double>(g.Valore);
    if (!v || !std::isfinite(*v))
        Illeggibile(g.Riga, "numero non valido ", Citato(g.Valore), " nel gruppo ", std::to_string(g.Codice));
    return *v;
}

int Intero(const Gruppo& g) {
    const auto v = Numero<int>(g.Valore);
    if (!v)
        Illeggibile(g.Riga, "intero non valido ", Citato(g.Valore), " nel gruppo ", std::to_string(g.Codice));
    return *v;
}

// An angle in degrees as radians: of the radians next to the quotient, the one whose degrees
// the writer spells as the file does, so that saving the drawing again writes the same text.
double Radianti(const Gruppo& g) {
    const double r = Reale(g) * std::numbers::pi / 180;
    const std::string_view testo = SenzaSpazi(g.Valore);
    double su = r, giu = r;
    for (int passo = 0; passo < 4; ++passo) {
        if (NumeroDxf(su * 180 / std::numbers::pi, "angolo") == testo) return su;
        if (NumeroDxf(giu * 180 / std::numbers::pi, "angolo") == testo) return giu;
        su = std::nextafter(su, HUGE_VAL);
        giu = std::nextafter(giu, -HUGE_VAL);
    }
    return r;
}

// The groups of one entity or table entry after its type, each to be used once: a group left
// over is one the drawing could not keep.
class Campi {
  public:
    Campi(std::vector<const Gruppo*> gruppi, std::size_t riga)
        : gruppi_(std::move(gruppi)), usati_(gruppi_.size(), false), riga_(riga) {}

    std::size_t Riga() const noexcept { return riga_; }

    const Gruppo* Cerca(int codice) {
        for (std::size_t k = 0; k < gruppi_.size(); ++k)
            if (!usati_[k] && gruppi_[k]->Codice == codice) {
                usati_[k] = true;
                return gruppi_[k];
            }
        return nullptr;
    }
    const Gruppo& Vuole(int codice) {
        const Gruppo* g = Cerca(codice);
        if (!g) Illeggibile(riga_, "manca il gruppo ", std::to_string(codice));
        return *g;
    }
    double Reale(int codice) { return vc::Reale(Vuole(codice)); }
    int Intero(int codice) { return vc::Intero(Vuole(codice)); }
    std::string Testo(int codice) { return Da1252AUtf8(Vuole(codice).Valore); }
    // (x, y) from codice and codice + 10; z, at codice + 20, must be 0.
    Punto Punto3(int codice) {
        const Punto p{Reale(codice), Reale(codice + 10)};
        const Gruppo& z = Vuole(codice + 20);
        if (vc::Reale(z) != 0) Illeggibile(z.Riga, "coordinata z diversa da zero");
        return p;
    }
    // The colour (group 62), 256 (by layer) when there is none.
    int Colore() {
        const Gruppo* g = Cerca(62);
        const int c = g ? vc::Intero(*g) : 256;
        if (c < 0 || c > 256) Illeggibile(g->Riga, "colore ", std::to_string(c), " fuori da 0..256");
        return c;
    }
    void TuttiUsati() const {
        for (std::size_t k = 0; k < gruppi_.size(); ++k)
            if (!usati_[k])
                Illeggibile(gruppi_[k]->Riga, "gruppo ", std::to_string(gruppi_[k]->Codice), " non previsto");
    }
    void Ignora() { usati_.assign(usati_.size(), true); }

  private:
    std::vector<const Gruppo*> gruppi_;
    std::vector<bool> usati_;
    std::size_t riga_;
};

ValoreEsteso ValoreDatoEsteso(const Gruppo& g) {
    if (g.Codice == 1070) return Intero(g);
    if (g.Codice >= 1040 && g.Codice <= 1042) return Reale(g);
    return Da1252AUtf8(g.Valore); // a wrong code is refused with the record
}

// The variables of the header, in the order the program writes them.
constexpr std::array VariabiliIntestazione = {"$ACADVER", "$DWGCODEPAGE", "$INSBASE", "$EXTMIN",
                                              "$EXTMAX",  "$CLAYER",      "$HANDLING"};

class Lettura {
  public:
    explicit Lettura(std::string_view testo)
        : gruppi_(Gruppi(testo)), disegno_(std::make_unique<DisegnoCad>()) {}

    std::unique_ptr<DisegnoCad> Legge() {
        try {
            Disegno();
        } catch (const ErroreDisegno& e) {
            if (e.tipo() == ErroreDisegno::Tipo::FileIlleggibile) throw;
            Illeggibile(RigaAttuale(), e.what()); // a name or a record the drawing refuses
        }
        return std::move(disegno_);
    }

  private:
    void Disegno() {
        if (E(999, MarcaDisegnoCad)) ++i_;
        Atteso(0, "SECTION");
        if (!Fine(2, "ENTITIES")) { // a file of entities only has nothing before them
            Atteso(2, "HEADER");
            while (!Fine(0, "ENDSEC"))
                Variabile();
            Sezione("TABLES");
            while (!Fine(0, "ENDSEC"))
                Tabella();
            Sezione("BLOCKS");
            while (!Fine(0, "ENDSEC"))
                Blocco();
            Sezione("ENTITIES");
        }
        while (!Fine(0, "ENDSEC"))
            Entita(disegno_->SpazioModello());
        Atteso(0, "EOF");
        if (i_ < gruppi_.size()) Illeggibile(gruppi_[i_].Riga, "dati dopo la fine del disegno");
        disegno_->ImpostaLayerAttivo(layerAttivo_);
    }

    // ---- Groups -------------------------------------------------------------------------

    std::size_t RigaAttuale() const { return i_ < gruppi_.size() ? gruppi_[i_].Riga : UltimaRiga(); }
    // The line after the last value.
    std::size_t UltimaRiga() const { return gruppi_.empty() ? 1 : gruppi_.back().Riga + 2; }

    const Gruppo& Prende() {
        if (i_ >= gruppi_.size()) Illeggibile(UltimaRiga(), "il disegno finisce prima di EOF");
        return gruppi_[i_++];
    }
    bool E(int codice, std::string_view valore) const {
        return i_ < gruppi_.size() && gruppi_[i_].Codice == codice && gruppi_[i_].Valore == valore;
    }
    // Takes the group when it is that one.
    bool Fine(int codice, std::string_view valore) {
        if (!E(codice, valore)) return false;
        ++i_;
        return true;
    }
    const Gruppo& Atteso(int codice, std::optional<std::string_view> valore = std::nullopt) {
        const Gruppo& g = Prende();
        if (g.Codice != codice || (valore && g.Valore != *valore))
            Illeggibile(g.Riga, "atteso il gruppo ", std::to_string(codice),
                        valore ? Frase(" ", Citato(*valore)) : "", ", trovato ", std::to_string(g.Codice),
                        " ", Citato(g.Valore));
        return g;
    }
    void Sezione(std::string_view nome) {
        Atteso(0, "SECTION");
        Atteso(2, nome);
    }
    // The groups up to the next group 0, or before, up to the first group whose code ferma
    // accepts (the next header variable, an entity's extended data).
    Campi FinoAlProssimo(bool (*ferma)(int) = nullptr) {
        const std::size_t riga = RigaAttuale();
        std::vector<const Gruppo*> g;
        while (i_ < gruppi_.size() && gruppi_[i_].Codice != 0 && !(ferma && ferma(gruppi_[i_].Codice)))
            g.push_back(&gruppi_[i_++]);
        return Campi(std::move(g), riga);
    }
    // The extended data after an entity's own groups, in their order.
    std::vector<DatoEsteso> DatiEstesi() {
        std::vector<DatoEsteso> dati;
        while (i_ < gruppi_.size() && gruppi_[i_].Codice != 0) {
            const Gruppo& g = gruppi_[i_++];
            dati.push_back({g.Codice, ValoreDatoEsteso(g)});
        }
        return dati;
    }

    // ---- Header and tables --------------------------------------------------------------

    void Variabile() {
        const Gruppo& nome = Atteso(9);
        Campi c = FinoAlProssimo([](int codice) { return codice == 9; });
        if (nome.Valore == "$ACADVER") {
            if (c.Testo(1) != "AC1009") Illeggibile(nome.Riga, "versione DXF diversa da R12");
        } else if (nome.Valore == "$CLAYER") {
            layerAttivo_ = c.Testo(8);
        } else if (std::find(VariabiliIntestazione.begin(), VariabiliIntestazione.end(), nome.Valore) !=
                   VariabiliIntestazione.end()) {
            c.Ignora(); // fixed, or worked out again when saving
        } else {
            Illeggibile(nome.Riga, "variabile ", Citato(nome.Valore), " non prevista");
        }
        c.TuttiUsati();
    }

    void Tabella() {
        Atteso(0, "TABLE");
        const std::string nome(Atteso(2).Valore);
        Atteso(70);
        while (!Fine(0, "ENDTAB")) {
            const Gruppo& voce = Atteso(0, nome);
            Campi c = FinoAlProssimo();
            if (nome == "LAYER")
                Layer(c);
            else if (nome == "VPORT")
                Vista(c);
            else if (nome == "LTYPE" || nome == "STYLE" || nome == "APPID")
                c.Ignora(); // fixed, or worked out again when saving
            else
                Illeggibile(voce.Riga, "tabella ", Citato(nome), " non prevista");
            c.TuttiUsati();
        }
    }

    void Layer(Campi& c) {
        const std::string nome = c.Testo(2);
        if (disegno_->CercaLayer(nome) && nome != "0") Illeggibile(c.Riga(), "layer ", nome, " ripetuto");
        const int stato = c.Intero(70);
        if (stato != 0 && stato != 4) Illeggibile(c.Riga(), "stato del layer ", nome, " non previsto");
        const int colore = c.Intero(62);
        if (colore < 0 || colore > 256) Illeggibile(c.Riga(), "colore del layer ", nome, " fuori da 0..256");
        if (c.Testo(6) != "CONTINUOUS")
            Illeggibile(c.Riga(), "tipo di linea del layer ", nome, " non previsto");
        LayerCad& l = disegno_->AggiungeLayer(nome);
        l.Colore = colore;
        l.Bloccato = stato == 4;
    }

    void Vista(Campi& c) {
        if (c.Testo(2) != "*ACTIVE") Illeggibile(c.Riga(), "vista non prevista");
        const double x = c.Reale(12), y = c.Reale(22), altezza = c.Reale(40);
        c.Ignora(); // the rest is fixed
        disegno_->ImpostaVista({{x, y}, altezza});
    }

    // ---- Blocks and entities ------------------------------------------------------------

    void Blocco() {
        Atteso(0, "BLOCK");
        Campi c = FinoAlProssimo();
        c.Testo(8);
        const std::string nome = c.Testo(2);
        if (c.Intero(70) != 0) Illeggibile(c.Riga(), "blocco ", nome, " di tipo non previsto");
        const Punto base = c.Punto3(10);
        c.Testo(3);
        c.TuttiUsati();
        if (disegno_->CercaBlocco(nome)) Illeggibile(c.Riga(), "blocco ", nome, " ripetuto");
        BloccoCad& blocco = disegno_->AggiungeBlocco(base, nome);
        while (!Fine(0, "ENDBLK"))
            Entita(blocco);
        FinoAlProssimo().Ignora(); // the layer of ENDBLK
    }

    void Entita(SpazioCad& spazio) {
        const Gruppo& tipo = Atteso(0);
        Campi c = FinoAlProssimo([](int codice) { return codice >= 1000; });
        std::vector<DatoEsteso> estesi = DatiEstesi();
        const std::string layer = c.Testo(8);
        const int colore = c.Colore();
        GeometriaCad geometria = Geometria(tipo, c);
        c.TuttiUsati();
        if (auto* p = std::get_if<PolilineaCad>(&geometria)) Vertici(*p, tipo.Riga);
        if (!disegno_->CercaLayer(layer)) disegno_->AggiungeLayer(layer);
        EntitaCad& e = spazio.Entita().emplace_back(std::move(geometria), layer);
        e.Colore = colore;
        if (!estesi.empty()) e.ImpostaDatiEstesi(std::move(estesi));
    }

    GeometriaCad Geometria(const Gruppo& tipo, Campi& c) {
        const std::string_view t = tipo.Valore;
        if (t == "LINE") return LineaCad{c.Punto3(10), c.Punto3(11)};
        if (t == "ARC") return Arco(c);
        if (t == "POLYLINE") return Polilinea(c);
        if (t == "SOLID") return SolidoCad{{c.Punto3(10), c.Punto3(11), c.Punto3(12), c.Punto3(13)}};
        if (t == "TEXT") return Testo(c);
        if (t == "INSERT") return Riferimento(c);
        Illeggibile(tipo.Riga, "entità ", Citato(t), " non prevista");
    }

    static ArcoCad Arco(Campi& c) {
        ArcoCad a{c.Punto3(10), c.Reale(40), Radianti(c.Vuole(50)), Radianti(c.Vuole(51))};
        if (!(a.Raggio > 0)) Illeggibile(c.Riga(), "arco di raggio non positivo");
        return a;
    }

    static PolilineaCad Polilinea(Campi& c) {
        if (c.Intero(66) != 1) Illeggibile(c.Riga(), "polilinea senza vertici");
        c.Punto3(10);
        return {};
    }

    void Vertici(PolilineaCad& p, std::size_t riga) {
        while (Fine(0, "VERTEX")) {
            Campi v = FinoAlProssimo();
            v.Testo(8);
            p.Vertici.push_back(v.Punto3(10));
            v.TuttiUsati();
        }
        Atteso(0, "SEQEND");
        Campi fine = FinoAlProssimo();
        fine.Testo(8);
        fine.TuttiUsati();
        if (p.Vertici.size() < 2) Illeggibile(riga, "polilinea con meno di due vertici");
    }

    static TestoCad Testo(Campi& c) {
        TestoCad t{c.Punto3(10), c.Reale(40), c.Testo(1)};
        if (!(t.Altezza > 0)) Illeggibile(c.Riga(), "testo di altezza non positiva");
        const Gruppo* allinea = c.Cerca(72);
        if (!allinea) return t;
        const int a = Intero(*allinea);
        if (a != 1 && a != 2) Illeggibile(allinea->Riga, "allineamento del testo non previsto");
        t.Allinea = a == 1 ? Allineamento::Centro : Allineamento::Destra;
        const Punto p = c.Punto3(11);
        if (p.x != t.Inserimento.x || p.y != t.Inserimento.y)
            Illeggibile(allinea->Riga, "punto di allineamento del testo non previsto");
        return t;
    }

    RiferimentoBloccoCad Riferimento(Campi& c) {
        RiferimentoBloccoCad r;
        r.Blocco = c.Testo(2);
        const BloccoCad* b = disegno_->CercaBlocco(r.Blocco);
        if (!b) Illeggibile(c.Riga(), "riferimento al blocco inesistente ", r.Blocco);
        r.Blocco = b->Nome();
        r.Inserimento = c.Punto3(10);
        for (auto [codice, scala] : {std::pair{41, &r.ScalaX}, {42, &r.ScalaY}, {43, &r.ScalaZ}}) {
            if (const Gruppo* g = c.Cerca(codice)) *scala = Reale(*g);
            if (*scala == 0) Illeggibile(c.Riga(), "scala di inserimento nulla");
        }
        if (const Gruppo* g = c.Cerca(50)) r.Rotazione = Radianti(*g);
        return r;
    }

    std::vector<Gruppo> gruppi_;
    std::size_t i_ = 0;
    std::unique_ptr<DisegnoCad> disegno_;
    std::string layerAttivo_ = "0";
};

// The first groups of the text, as far as they can be told apart (a text that is no DXF file
// gives fewer).
std::vector<Gruppo> PrimiGruppi(std::string_view testo, std::size_t quanti) {
    std::vector<Gruppo> g;
    try {
        // Only the start is split: a foreign file may be large or not text at all.
        std::size_t fine = 0;
        for (std::size_t righe = 0; righe < 2 * quanti && fine < testo.size(); ++righe)
            fine = std::min(testo.find('\n', fine), testo.size()) + 1;
        g = Gruppi(testo.substr(0, fine));
    } catch (const ErroreDisegno&) {
    }
    return g;
}

} // namespace

FormaDxf FormaFileDxf(std::string_view testo) {
    const auto g = PrimiGruppi(testo, 40);
    if (!g.empty() && g[0].Codice == 999)
        return g[0].Valore == MarcaDisegnoCad ? FormaDxf::DisegnoCad : FormaDxf::Altra;
    const auto e = [&g](std::size_t k, int codice, std::string_view valore) {
        return k < g.size() && g[k].Codice == codice && g[k].Valore == valore;
    };
    if (!e(0, 0, "SECTION")) return FormaDxf::Altra;
    if (e(1, 2, "ENTITIES")) return FormaDxf::SoloEntita;
    if (!e(1, 2, "HEADER")) return FormaDxf::Altra;
    // Saved before the mark: exactly the header this program writes.
    std::size_t variabile = 0;
    for (std::size_t k = 2; k < g.size(); ++k) {
        if (g[k].Codice == 0)
            return e(k, 0, "ENDSEC") && variabile == VariabiliIntestazione.size() ? FormaDxf::DisegnoCad
                                                                                  : FormaDxf::Altra;
        if (g[k].Codice != 9) continue;
        if (variabile == VariabiliIntestazione.size() || g[k].Valore != VariabiliIntestazione[variabile])
            return FormaDxf::Altra;
        ++variabile;
    }
    return FormaDxf::Altra;
}

std::unique_ptr<DisegnoCad> LeggeDisegnoCad(std::string_view testo) {
    return Lettura(testo).Legge();
}

FileCadAperto ApreFileCad(const std::filesystem::path& percorso) {
    FileCadAperto r;
    std::error_code ec;
    const auto testo = LeggeFileIntero(percorso, ec);
    if (!testo && ec == std::errc::no_such_file_or_directory) {
        r.Disegno = std::make_unique<DisegnoCad>();
        return r;
    }
    if (!testo) {
        r.Contenuto = ContenutoFileCad::Illeggibile;
        r.Motivo = ec.message();
        return r;
    }
    const FormaDxf forma = FormaFileDxf(*testo);
    if (forma == FormaDxf::Altra) {
        r.Contenuto = ContenutoFileCad::Estraneo;
        return r;
    }
    try {
        r.Disegno = LeggeDisegnoCad(*testo);
        r.Contenuto = ContenutoFileCad::DiVelcora;
    } catch (const ErroreDisegno& e) {
        // A file of entities only that is not the export's own may come from anywhere.
        r.Contenuto =
            forma == FormaDxf::SoloEntita ? ContenutoFileCad::Estraneo : ContenutoFileCad::Illeggibile;
        r.Motivo = e.what();
    }
    return r;
}

} // namespace vc
