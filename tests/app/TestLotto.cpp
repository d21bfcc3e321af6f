// The jobs of a batch: results in the order of the input; a job that throws is an internal
// error of its own, and the others go on.

#include "app/Lotto.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vc {
namespace {

TEST(Lotto, UnLavoroCheLanciaEUnErroreInternoEGliAltriProseguono) {
    const auto esiti = EsegueInParallelo(
        4,
        [](std::size_t k, Messaggi& msg) -> bool {
            msg.Mostra("trave " + std::to_string(k + 1), Icona::Nessuna);
            if (k == 1) throw std::out_of_range("campata 9 inesistente");
            if (k == 2) throw 42;
            return true;
        },
        true, 2);
    ASSERT_EQ(esiti.size(), 4u);
    const struct {
        bool Riuscito, ErroreInterno;
        std::vector<std::string> Messaggi;
    } attesi[] = {
        {true, false, {"trave 1"}},
        {false, true, {"trave 2", "Errore interno del programma: campata 9 inesistente"}},
        {false, true, {"trave 3", "Errore interno del programma: eccezione sconosciuta"}},
        {true, false, {"trave 4"}},
    };
    for (std::size_t k = 0; k < esiti.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(esiti[k].Riuscito, attesi[k].Riuscito);
        EXPECT_EQ(esiti[k].ErroreInterno, attesi[k].ErroreInterno);
        EXPECT_EQ(esiti[k].Messaggi, attesi[k].Messaggi);
    }
}

} // namespace
} // namespace vc
