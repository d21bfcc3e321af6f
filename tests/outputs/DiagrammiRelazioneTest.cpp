// The strips of diagrams of the calculation report: how the spans are cut, and what each band
// writes beside its curves for the hand-checked two-span beam.

#include "outputs/DiagrammiRelazione.h"

#include "files/RelazioneDueCampate.h"
#include "support/Messaggi.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vc::test {
namespace {

TEST(DiagrammiRelazione, StrisceDiAlPiuSeiCampateIntere) {
    using Strisce = std::vector<std::pair<int, int>>;
    const std::pair<int, Strisce> casi[] = {
        {0, {}},
        {1, {{1, 1}}},
        {6, {{1, 6}}},
        {7, {{1, 4}, {5, 7}}},
        {12, {{1, 6}, {7, 12}}},
        {13, {{1, 5}, {6, 9}, {10, 13}}},
        {30, {{1, 6}, {7, 12}, {13, 18}, {19, 24}, {25, 30}}},
    };
    for (const auto& [n, attese] : casi)
        EXPECT_EQ(CampateDelleStrisce(n), attese) << n;
}

std::vector<std::string> Testi(const Disegno& d) {
    std::vector<std::string> testi;
    for (const Elemento& e : d.Elementi)
        if (const auto* s = std::get_if<Scritta>(&e.Forma)) testi.push_back(s->Testo);
    return testi;
}

// The values at the supports and in the spans, as the tables write them, each once, and every
// label inside the page's width and at least 7 points high.
TEST(DiagrammiRelazione, ValoriDellaTraveControllataAMano) {
    Velcora t = DueCampate();
    Impostazioni imp;
    imp.StatoLimite = SLE;
    t.CalcolaIperstatiche(imp);
    MessaggiRegistrati msg;
    const auto strisce = DiagrammiRelazione(t, Separatori::Italiani(), msg);
    ASSERT_EQ(strisce.size(), 1u);
    ASSERT_EQ(strisce[0].Bande.size(), 4u);
    const std::vector<std::string> attesi[] = {
        {"1", "2", "3", "5 m", "g 16", "q 16", "5 m", "g 16", "q 16"},
        {"-100", "66", "66"},
        {"65", "-100", "100", "-65"},
        {"1,55", "-0,147", "1,55", "-0,147"},
    };
    for (std::size_t b = 0; b < 4; ++b) {
        std::vector<std::string> testi = Testi(strisce[0].Bande[b].Figura), attesa = attesi[b];
        std::sort(testi.begin(), testi.end());
        std::sort(attesa.begin(), attesa.end());
        EXPECT_EQ(testi, attesa) << strisce[0].Bande[b].Titolo;
        const auto ingombro = Ingombro(strisce[0].Bande[b].Figura);
        ASSERT_TRUE(ingombro);
        EXPECT_GE(ingombro->xMin, 0);
        EXPECT_LE(ingombro->xMax, LarghezzaStrisce);
        for (const Elemento& e : strisce[0].Bande[b].Figura.Elementi)
            if (const auto* s = std::get_if<Scritta>(&e.Forma)) {
                EXPECT_GE(s->Altezza, 7 * 25.4 / 72);
            }
    }
}

} // namespace
} // namespace vc::test
