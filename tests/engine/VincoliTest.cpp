// The codes the beam keeps, as the calculation, the drawings and the outputs read them.

#include "engine/Vincoli.h"

#include "engine/Velcora.h"

#include <gtest/gtest.h>
#include <utility>

namespace vc {
namespace {

TEST(Vincoli, OgniCodiceHaIlSuoVincoloEFuoriIntervalloNonEScelto) {
    const struct {
        int Codice;
        VincoloEstremo Vincolo;
    } casi[] = {{-2, VincoloEstremo::NonScelto}, {-1, VincoloEstremo::NonScelto},
                {0, VincoloEstremo::Appoggio},   {1, VincoloEstremo::Incastro},
                {2, VincoloEstremo::Libero},     {3, VincoloEstremo::Elastico},
                {4, VincoloEstremo::NonScelto}};
    for (const auto& c : casi) {
        Velcora trave;
        trave.VincoloSinistro = c.Codice;
        trave.VincoloDestro = c.Codice;
        EXPECT_EQ(trave.VincoloEstremoSinistro(), c.Vincolo) << c.Codice;
        EXPECT_EQ(trave.VincoloEstremoDestro(), c.Vincolo) << c.Codice;
    }
}

TEST(Vincoli, IlDecalageDiUnCodiceSconosciutoSiDisegnaSovrapposto) {
    Velcora trave;
    const std::pair<int, ModoDecalage> casi[] = {{0, ModoDecalage::Nessuno},
                                                 {1, ModoDecalage::Traslato},
                                                 {2, ModoDecalage::SovrappostoInviluppo},
                                                 {7, ModoDecalage::SovrappostoInviluppo}};
    for (const auto& [codice, modo] : casi) {
        trave.Decala = codice;
        EXPECT_EQ(trave.ModoDecala(), modo) << codice;
        if (codice <= 2) {
            EXPECT_EQ(CodiceDaModoDecalage(modo), codice); // the code the file keeps
        }
    }
}

} // namespace
} // namespace vc
