#pragma once
// Solved beams for the tests of the diagrams, and small readers of what a recording device
// received.

#include "AiutoDisegno.h"

#include "engine/Velcora.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace vc::prova {

struct Campata {
    float L;
    float g1 = 0, g2 = 0, q1 = 0, q2 = 0;
    int sezione = 1;
};

// Rectangle 0.3 × 0.5 as section 1; a T (flange 0.8 × 0.2, web 0.3 × 0.4) as section 2.
inline Velcora TraveDiProva(std::initializer_list<Campata> campate, int sinistro, int destro, int divisioni = 100) {
    Velcora t;
    t.nCampate(static_cast<int>(campate.size()));
    int sezioni = 1;
    for (const Campata& c : campate)
        sezioni = std::max(sezioni, c.sezione);
    t.nSezioni(sezioni);
    t.CreaArraySezioni();
    t.InserisceDatiSezione(1, SezRettangolare, {{{0.3f, 0.5f}, {0, 0}}}, 3e7f);
    if (sezioni > 1) t.InserisceDatiSezione(2, SezT, {{{0.8f, 0.2f}, {0.3f, 0.4f}}}, 3e7f);
    int i = 1;
    for (const Campata& c : campate)
        t.InserisceDatiCampata(i++, c.L, c.g1, c.g2, c.q1, c.q2, c.sezione);
    t.VincoloSinistro = sinistro;
    t.VincoloDestro = destro;
    t.nDivisioniPlt = divisioni;
    return t;
}

inline Impostazioni Rara(std::string nome = "trave", std::string titolo = "Prova") {
    Impostazioni imp;
    imp.StatoLimite = SLE;
    imp.TipoSLE = SLERara;
    imp.NomeFile = std::move(nome);
    imp.Titolo = std::move(titolo);
    return imp;
}

// The elements of one kind (and, when given, one colour) a device received.
inline std::vector<Elemento> Di(const Registratore& r, const std::string& tipo, int colore = -1) {
    std::vector<Elemento> v;
    for (const auto& e : r.Elementi)
        if (e.Tipo == tipo && (colore < 0 || e.Colore == colore)) v.push_back(e);
    return v;
}

// The texts a device received, in order.
inline std::vector<std::string> Testi(const Registratore& r) {
    std::vector<std::string> v;
    for (const auto& e : r.Elementi)
        if (e.Tipo == "Testo") v.push_back(e.Testo);
    return v;
}

// The text element with exactly that text; fails the test when there is none.
inline Elemento TestoEsatto(const Registratore& r, const std::string& testo) {
    for (const auto& e : r.Elementi)
        if (e.Tipo == "Testo" && e.Testo == testo) return e;
    ADD_FAILURE() << "testo mancante: '" << testo << "'";
    return {};
}

inline double MinimoY(const Elemento& e) {
    double m = 1e300;
    for (const auto& p : e.Punti)
        m = std::min(m, p.y);
    return m;
}

inline double MassimoY(const Elemento& e) {
    double m = -1e300;
    for (const auto& p : e.Punti)
        m = std::max(m, p.y);
    return m;
}

} // namespace vc::prova
