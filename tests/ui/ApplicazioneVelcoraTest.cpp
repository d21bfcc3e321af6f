// An exception that reaches the event loop: an internal error, told once, the recovery file
// saved, the loop asked to end. The window's recovery file keeps what was typed.

#include "ui/ApplicazioneVelcora.h"

#include "AiutoFrmMain.h"

#include "support/ErroreInterno.h"
#include "ui/Recupero.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace vc {
namespace {

namespace fs = std::filesystem;
using prova::Controllo;

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

// An internal error keeps the unsaved work in one copy: the recovery file that the next start
// offers back; nothing else is written into the data folder.
TEST_F(RecuperoFinestra, IDatiNonSalvatiVannoNelFileDiRecupero) {
    fs::copy_file(prova::CartellaEsempi() / "tre_campate_appoggi.vlr", dati / "tre.vlr");
    Avvia({(dati / "tre.vlr").string()});
    EXPECT_EQ(w->SalvaRecupero(), "") << "nothing unsaved, nothing written";

    Controllo<QLineEdit>(*w, "txtTitolo")->setText(QStringLiteral("Titolo non salvato"));
    const fs::path file = dati / "recupero" / "recupero.vlr";
    EXPECT_EQ(w->SalvaRecupero(), file.string());
    const std::optional<LavoroNonSalvato> lavoro = LeggeRecupero(prova::LeggeTesto(file));
    ASSERT_TRUE(lavoro.has_value());
    EXPECT_EQ(lavoro->Titolo, "Titolo non salvato");
    EXPECT_FALSE(fs::exists(dati / "tre-recupero.vlr"));

    // A recovery folder that cannot be made is told as the system's error.
    fs::remove_all(dati / "recupero");
    std::ofstream(dati / "recupero") << "un file, non una cartella";
    EXPECT_THROW(w->SalvaRecupero(), std::system_error);
}

} // namespace
} // namespace vc
