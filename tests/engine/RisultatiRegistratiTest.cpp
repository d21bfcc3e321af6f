// Every stored result of the example beams and of generated beams (elastic ends, cantilevers,
// redistribution, rounding, concentrated forces, SLU and SLE), recorded in
// RisultatiRegistrati.txt from the calculation by dense inverse and point-by-point envelopes.
// A faster algorithm may change the round-off of the double computation, never a stored single
// by more than its last bit.

#include "engine/Velcora.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace vc {
namespace {

using Serie = std::vector<float>;

struct TraveRegistrata {
    std::string Nome;
    Velcora Trave;
    Impostazioni Imp;
    std::map<std::string, Serie> Risultati;
    int SezioniLette = 0, CampateLette = 0;
};

float Singola(std::istream& in) {
    std::string s;
    in >> s;
    return std::strtof(s.c_str(), nullptr);
}

void LeggeDati(const std::string& chiave, std::istringstream& r, TraveRegistrata& t) {
    Velcora& v = t.Trave;
    if (chiave == "imp") {
        int ometti = 0;
        r >> t.Imp.StatoLimite >> t.Imp.TipoSLE >> ometti;
        t.Imp.OmettiG2Favorevole = ometti != 0;
        t.Imp.DeltaRidist = Singola(r);
        r >> t.Imp.ClasseCls;
        for (float& c : t.Imp.CoefParz)
            c = Singola(r);
    } else if (chiave == "vincoli") {
        int arrotonda = 0;
        r >> v.VincoloSinistro >> v.VincoloDestro >> v.kVincoloSinistro >> v.kVincoloDestro >> arrotonda >>
            v.nDivisioniPlt;
        v.ArrotondaMomenti = arrotonda != 0;
    } else if (chiave == "sezioni") {
        int n = 0;
        r >> n;
        v.nSezioni(n);
        v.CreaArraySezioni();
    } else if (chiave == "s") {
        const int iSez = ++t.SezioniLette;
        int tipo = 0;
        r >> tipo;
        MatriceFigure f{};
        for (auto& riga : f)
            for (float& x : riga)
                x = Singola(r);
        v.InserisceDatiSezione(iSez, tipo, f, Singola(r));
    } else if (chiave == "campate") {
        int n = 0;
        r >> n;
        v.nCampate(n);
    } else if (chiave == "c") {
        const int i = ++t.CampateLette;
        float d[5];
        for (float& x : d)
            x = Singola(r);
        int iSez = 0;
        r >> iSez;
        v.InserisceDatiCampata(i, d[0], d[1], d[2], d[3], d[4], iSez);
    } else if (chiave == "appoggi") {
        for (int k = 1; k <= v.nCampate() + 1; ++k)
            v.LarghezzaAppoggi(k, Singola(r));
    } else if (chiave == "f") {
        RigaCarichi riga{};
        for (float& x : riga)
            x = Singola(r);
        std::vector<RigaCarichi> forze = v.TabForze();
        forze.push_back(riga);
        v.Dati_Fconc(forze, true);
    }
}

std::vector<TraveRegistrata> LeggeRegistrazioni() {
    const auto file = std::filesystem::path(__FILE__).parent_path() / "RisultatiRegistrati.txt";
    std::ifstream in(file);
    EXPECT_TRUE(in) << file;
    std::vector<TraveRegistrata> travi;
    bool risultati = false;
    for (std::string riga; std::getline(in, riga);) {
        std::istringstream r(riga);
        std::string chiave;
        r >> chiave;
        if (chiave == "trave") {
            travi.emplace_back();
            r >> travi.back().Nome;
            risultati = false;
        } else if (chiave == "risultati") {
            risultati = true;
        } else if (risultati && chiave != "fine") {
            int n = 0;
            r >> n;
            Serie& s = travi.back().Risultati[chiave];
            for (int k = 0; k < n; ++k)
                s.push_back(Singola(r));
        } else if (!risultati) {
            LeggeDati(chiave, r, travi.back());
        }
    }
    return travi;
}

// The results of a calculated beam under the names of the recording.
std::map<std::string, Serie> Risultati(const Velcora& t) {
    std::map<std::string, Serie> r;
    const auto serie = [&](const std::string& k, int quanti, const std::function<double(int)>& v) {
        Serie& s = r[k];
        for (int j = 1; j <= quanti; ++j)
            s.push_back(static_cast<float>(v(j)));
    };
    const int n = t.nCampate();
    const int n1 = n + 1;
    const int np = t.nPt();
    serie("MiperApp", n1 * n1, [&](int j) { return t.MiperAppI((j - 1) / n1 + 1, (j - 1) % n1 + 1); });
    serie("xPlt", np, [&](int j) { return t.xPlt(j); });
    serie("yMmaxPlt", np, [&](int j) { return t.yMmaxPlt(j); });
    serie("yMminPlt", np, [&](int j) { return t.yMminPlt(j); });
    serie("yTmaxPlt", np, [&](int j) { return t.yTmaxPlt(j); });
    serie("yTminPlt", np, [&](int j) { return t.yTminPlt(j); });
    serie("yFrMaxPlt", np, [&](int j) { return t.yFrMaxPlt(j); });
    serie("yFrMinPlt", np, [&](int j) { return t.yFrMinPlt(j); });
    serie("iFineCampata", n1, [&](int k) { return t.iFineCampata(k); });
    Serie& xc = r["xCamp"];
    for (int i = 1; i <= n; ++i) {
        const auto& x = t.CampataI(i).xCamp();
        r["nxCamp"].push_back(static_cast<float>(x.size()));
        xc.insert(xc.end(), x.begin(), x.end());
    }
    serie("AppoggioArrotondato", n1, [&](int k) { return t.AppoggioArrotondato(k) ? 1 : 0; });
    serie("iPuntoAppoggio", n1, [&](int k) { return t.iPuntoAppoggio(k); });
    serie("MmaxApp", n1, [&](int k) { return t.MmaxApp(k); });
    serie("MminApp", n1, [&](int k) { return t.MminApp(k); });
    serie("TaglioDxAppoggio", n1, [&](int k) { return t.TaglioDxAppoggio(k); });
    serie("TaglioSxAppoggio", n1, [&](int k) { return t.TaglioSxAppoggio(k); });
    serie("TaglioMaxS", n1, [&](int k) { return t.TaglioMaxS(k); });
    serie("TaglioMaxD", n1, [&](int k) { return t.TaglioMaxD(k); });
    serie("ReazMax", n1, [&](int k) { return t.ReazMax(k); });
    serie("ReazMin", n1, [&](int k) { return t.ReazMin(k); });
    serie("MmaxCam", n, [&](int i) { return t.MmaxCam(i); });
    serie("xMmaxCam", n, [&](int i) { return t.xMmaxCam(i); });
    serie("MminCam", n, [&](int i) { return t.MminCam(i); });
    serie("xMminCam", n, [&](int i) { return t.xMminCam(i); });
    serie("iMmaxCampata", n, [&](int i) { return t.iMmaxCampata(i); });
    serie("iMminCampata", n, [&](int i) { return t.iMminCampata(i); });
    serie("FrecciaMaxCampata", n, [&](int i) { return t.FrecciaMaxCampata(i); });
    serie("FrecciaMinCampata", n, [&](int i) { return t.FrecciaMinCampata(i); });
    serie("CaricoPermanente", n, [&](int i) { return t.CampataI(i).CaricoDistribuitoPermanente; });
    serie("CaricoVariabile", n, [&](int i) { return t.CampataI(i).CaricoDistribuitoVariabile; });
    r["Trave"] = {t.FrecciaMaxTrave(), t.FrecciaMinTrave(), t.LunghezzaTotale(), t.PassoPlt(),
                  t.nDivisioniAppoggi()};
    return r;
}

float Scala(const Serie& s) {
    float m = 0;
    for (float v : s)
        m = std::max(m, std::fabs(v));
    return m;
}

// One unit in the last place of a single of magnitude v.
float Ulp(float v) {
    return v - std::nextafter(v, 0.0f);
}

// Within one unit in the last place; a value that is round-off around zero is compared within
// the last place of the largest value of its diagram.
bool UltimoBit(float registrato, float calcolato, float scala) {
    const float differenza = std::fabs(registrato - calcolato);
    return differenza <= Ulp(std::max(std::fabs(registrato), std::fabs(calcolato))) ||
           differenza <= Ulp(scala);
}

// The extreme deflections of the spans as the recorded diagrams give them. The deflections at
// the supports were recorded as round-off around zero and are now exactly zero; a span whose
// recorded extreme is such round-off never deflects that way, and its extreme is the other end
// of the same envelope.
void EstremiFrecceAttesi(std::map<std::string, Serie>& r) {
    const Serie& fine = r["iFineCampata"];
    const float scala = std::max(Scala(r["yFrMaxPlt"]), Scala(r["yFrMinPlt"]));
    const float rumore = Ulp(scala);
    for (const auto& [estremo, diagramma, massimo] :
         {std::tuple{"FrecciaMaxCampata", "yFrMaxPlt", true}, std::tuple{"FrecciaMinCampata", "yFrMinPlt", false}}) {
        Serie& e = r[estremo];
        const Serie& y = r[diagramma];
        for (std::size_t i = 0; i < e.size(); ++i) {
            if (std::fabs(e[i]) > rumore) continue;
            // Span i holds the points after iFineCampata(i) up to iFineCampata(i + 1); span 1 also point 1.
            const auto da = i == 0 ? 0 : static_cast<std::size_t>(fine[i]);
            const auto a = static_cast<std::size_t>(fine[i + 1]);
            const auto [lo, hi] = std::minmax_element(y.begin() + static_cast<std::ptrdiff_t>(da),
                                                      y.begin() + static_cast<std::ptrdiff_t>(a));
            e[i] = massimo ? *lo : *hi;
        }
    }
    Serie& trave = r["Trave"];
    trave[0] = *std::max_element(r["FrecciaMaxCampata"].begin(), r["FrecciaMaxCampata"].end());
    trave[1] = *std::min_element(r["FrecciaMinCampata"].begin(), r["FrecciaMinCampata"].end());
}

TEST(RisultatiRegistrati, OgniRisultatoEntroLUltimoBit) {
    std::vector<TraveRegistrata> travi = LeggeRegistrazioni();
    ASSERT_EQ(travi.size(), 12u);
    for (TraveRegistrata& t : travi) {
        SCOPED_TRACE(t.Nome);
        t.Trave.CalcolaIperstatiche(t.Imp);
        const std::map<std::string, Serie> calcolati = Risultati(t.Trave);
        EstremiFrecceAttesi(t.Risultati);
        ASSERT_EQ(calcolati.size(), t.Risultati.size());
        for (const auto& [nome, registrata] : t.Risultati) {
            const Serie& calcolata = calcolati.at(nome);
            ASSERT_EQ(calcolata.size(), registrata.size()) << nome;
            const float scala = Scala(registrata);
            int diversi = 0;
            for (std::size_t j = 0; j < registrata.size(); ++j)
                if (!UltimoBit(registrata[j], calcolata[j], scala) && ++diversi <= 3)
                    ADD_FAILURE() << nome << "[" << j + 1 << "]: registrato " << registrata[j]
                                  << ", calcolato " << calcolata[j];
            EXPECT_EQ(diversi, 0) << nome;
        }
    }
}

} // namespace
} // namespace vc
