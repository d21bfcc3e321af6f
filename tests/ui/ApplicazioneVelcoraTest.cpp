// An exception that reaches the event loop: an internal error, told once, the recovery file
// saved, the loop asked to end. The window's recovery file keeps what was typed.

#include "ui/ApplicazioneVelcora.h"

#include "AiutoFrmMain.h"
#include "support/ErroreInterno.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vc {
namespace {

namespace fs = std::filesystem;

TEST(ApplicazioneVelcora, UnEccezioneNelCicloDegliEventiEUnErroreInterno) {
    MessaggiRegistrati msg;
    EXPECT_TRUE(ConsegnaEvento([] { return true; }, msg));
    EXPECT_TRUE(msg.Voci.empty());

    int salvataggi = 0;
    ImpostaSalvataggioRecupero([&salvataggi] {
        ++salvataggi;
        return std::string();
    });
    EXPECT_FALSE(ConsegnaEvento([]() -> bool { throw std::out_of_range("campata 9 inesistente"); }, msg));
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_EQ(msg.Voci[0].Testo, "Errore interno del programma: campata 9 inesistente");
    EXPECT_EQ(salvataggi, 1);

    // A second one while the first is told goes to the terminal only.
    EXPECT_FALSE(ConsegnaEvento([]() -> bool { throw std::logic_error("ancora"); }, msg));
    EXPECT_EQ(msg.Voci.size(), 1u);
    ImpostaSalvataggioRecupero({});
}

class RecuperoFinestra : public prova::FinestraPrincipale {};

TEST_F(RecuperoFinestra, IDatiNonSalvatiVannoNelFileDiRecupero) {
    const fs::path casa = dati.parent_path() / "casa";
    fs::create_directories(casa);
    const QByteArray casaPrima = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(casa.string()));
    fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", dati / "tre.vlr");
    Avvia({(dati / "tre.vlr").string()});
    EXPECT_EQ(w->SalvaRecupero(), "") << "nothing unsaved, nothing written";

    w->txtTitolo->setText(QStringLiteral("Titolo non salvato"));
    const struct {
        const char* Caso;
        bool CartellaSparita;
        fs::path Atteso;
    } casi[] = {
        {"nella cartella dei dati", false, dati / "tre-recupero.vlr"},
        {"la cartella dei dati non c'è più", true, casa / "tre-recupero.vlr"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.Caso);
        if (c.CartellaSparita) fs::remove_all(dati);
        EXPECT_EQ(w->SalvaRecupero(), c.Atteso.string());
        EXPECT_EQ(prova::LeggeTesto(c.Atteso).rfind("\"Titolo non salvato\",\"7.6\"\r\n3\r\n", 0), 0u);
    }
    qputenv("HOME", casaPrima);
}

} // namespace
} // namespace vc
