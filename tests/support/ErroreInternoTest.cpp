#include "support/ErroreInterno.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vc {
namespace {

TEST(ErroreInterno, DiceIlMotivoEDoveSonoIDatiNonSalvati) {
    const struct {
        const char* Caso;
        SalvataggioRecupero Salva;
        const char* Atteso;
    } casi[] = {
        {"nessuna finestra", {}, "Errore interno del programma: indice fuori dai limiti"},
        {"niente da salvare", [] { return std::string(); },
         "Errore interno del programma: indice fuori dai limiti"},
        {"salvati", [] { return std::string("/dati/trave-recupero.vlr"); },
         "Errore interno del programma: indice fuori dai limiti\n"
         "I dati non salvati sono nel file /dati/trave-recupero.vlr"},
        {"salvataggio fallito", []() -> std::string { throw std::runtime_error("disco pieno"); },
         "Errore interno del programma: indice fuori dai limiti\n"
         "I dati non salvati non si sono potuti scrivere: disco pieno"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Caso);
        MessaggiRegistrati msg;
        ImpostaSalvataggioRecupero(c.Salva);
        EXPECT_EQ(ErroreInterno("indice fuori dai limiti", msg), UscitaErroreInterno);
        ASSERT_EQ(msg.Voci.size(), 1u);
        EXPECT_EQ(msg.Voci[0].Testo, c.Atteso);
        EXPECT_EQ(msg.Voci[0].Icona, Icona::Errore);
    }
}

TEST(ErroreInterno, IlRecuperoSiSalvaUnaVoltaSola) {
    MessaggiRegistrati msg;
    int salvataggi = 0;
    ImpostaSalvataggioRecupero([&salvataggi] {
        ++salvataggi;
        return std::string("r.vlr");
    });
    ErroreInterno("primo", msg);
    ErroreInterno("secondo", msg);
    EXPECT_EQ(salvataggi, 1);
    ASSERT_EQ(msg.Voci.size(), 2u);
    EXPECT_EQ(msg.Voci[1].Testo, "Errore interno del programma: secondo");
}

TEST(ErroreInterno, MotivoDellEccezioneInCorso) {
    try {
        throw std::out_of_range("campata 7 inesistente");
    } catch (...) {
        EXPECT_EQ(DescriveEccezioneCorrente(), "campata 7 inesistente");
    }
    try {
        throw 42;
    } catch (...) {
        EXPECT_EQ(DescriveEccezioneCorrente(), "eccezione sconosciuta");
    }
}

TEST(ErroreInternoDeathTest, CioCheSfuggeATuttoSalvaIlRecuperoPrimaDiFinire) {
    EXPECT_DEATH(
        {
            InstallaGestoreTerminazione();
            ImpostaSalvataggioRecupero([] { return std::string("r.vlr"); });
            try {
                throw std::logic_error("invariante violato");
            } catch (...) {
                std::terminate();
            }
        },
        "Errore interno del programma: invariante violato\nI dati non salvati sono nel file r.vlr");
}

} // namespace
} // namespace vc
