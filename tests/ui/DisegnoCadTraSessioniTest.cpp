// The CAD drawing kept across runs of the program: the drawing of an earlier run chosen again
// is read back and added to; any other file is replaced only when the user says so.

#include "AiutoFrmMain.h"
#include "drawing/core/LetturaDisegnoCad.h"
#include "ui/PlottaDisegno.h"

namespace vc {
namespace {

using prova::CartellaEsempi;
using prova::LeggeTesto;
using prova::Controllo;
namespace fs = std::filesystem;

class DisegnoTraSessioni : public prova::FinestraPrincipale {
  protected:
    void SetUp() override {
        FinestraPrincipale::SetUp();
        fs::copy_file(CartellaEsempi() / "tre_campate_appoggi.vlr", dati / "trave.vlr");
        Avvia({(dati / "trave.vlr").string()});
    }
    // The program closed and started again on the same beam.
    void Riavvia() {
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->hide();
        w = std::make_unique<FrmMain>(Separatori::Italiani(), &msg, &servizi);
        Avvia({(dati / "trave.vlr").string()});
    }
    // "&Disegna in Autocad" into the file, when the dialog is asked.
    void DisegnaIn(const fs::path& file) {
        servizi.Dialoghi_.RisposteSalva.push_back(file);
        Menu("mnuFileItem10")->trigger();
    }
    static std::unique_ptr<DisegnoCad> Letto(const fs::path& file) {
        auto aperto = ApreFileCad(file);
        EXPECT_EQ(aperto.Contenuto, ContenutoFileCad::DiVelcora) << aperto.Motivo;
        return std::move(aperto.Disegno);
    }
};

TEST_F(DisegnoTraSessioni, IlDisegnoDiUnaSessioneCresceNellaSeguente) {
    const fs::path file = dati / "disegno.dxf";
    DisegnaIn(file);
    const std::size_t primi = Letto(file)->SpazioModello().Entita().size();
    ASSERT_GT(primi, 10u) << Messaggi();

    Riavvia();
    DisegnaIn(file);
    ASSERT_EQ(servizi.Dialoghi_.Richieste.size(), 2u);
    EXPECT_FALSE(servizi.Dialoghi_.Richieste.back().ChiediSovrascrittura); // no question in English
    EXPECT_EQ(Letto(file)->SpazioModello().Entita().size(), 2 * primi);
    // The block export of the same run goes into the same drawing, without a dialog.
    Clic(Controllo<QPushButton>(*w, "cbDiagramma3"));
    EXPECT_EQ(servizi.Dialoghi_.Richieste.size(), 2u);
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();

    const auto finale = Letto(file);
    const auto& entita = finale->SpazioModello().Entita();
    ASSERT_EQ(entita.size(), 2 * primi + 2);
    EXPECT_FALSE(entita[2 * primi].DatiEstesi("VELCORA").empty());
    EXPECT_NE(finale->CercaBlocco("DiagrammaT"), nullptr);
    EXPECT_EQ(servizi.DocumentiAperti.size(), 3u);
}

TEST_F(DisegnoTraSessioni, UnFileEstraneoSiSostituisceSoloDopoUnSi) {
    const fs::path file = dati / "altro.dxf";
    std::ofstream(file, std::ios::binary) << "appunti";
    msg.Risposte = {false};
    DisegnaIn(file);
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_TRUE(msg.Voci[0].Domanda);
    EXPECT_EQ(msg.Voci[0].Testo,
              "Il file\r\n" + file.string() + "\r\nnon è un disegno di Velcora: sostituirlo?");
    EXPECT_EQ(LeggeTesto(file), "appunti");
    EXPECT_TRUE(servizi.DocumentiAperti.empty());

    // Nothing was kept: the next output asks again, and a Yes starts a new drawing there.
    msg.Risposte = {true};
    DisegnaIn(file);
    EXPECT_EQ(servizi.Dialoghi_.Richieste.size(), 2u);
    EXPECT_EQ(msg.Voci.size(), 2u) << Messaggi();
    EXPECT_EQ(FormaFileDxf(LeggeTesto(file)), FormaDxf::DisegnoCad);
}

TEST_F(DisegnoTraSessioni, UnDisegnoNostroIlleggibileRestaComEra) {
    const fs::path file = dati / "rovinato.dxf";
    const std::string rovinato = "999\r\nDisegno CAD di Velcora\r\n  0\r\nSECTION\r\n  2\r\nHEADER\r\n";
    std::ofstream(file, std::ios::binary) << rovinato;
    DisegnaIn(file);
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_FALSE(msg.Voci[0].Domanda);
    EXPECT_EQ(msg.Voci[0].Testo,
              "Impossibile leggere il disegno\r\n" + file.string() +
                  "\r\nriga 7: il disegno finisce prima di EOF\r\nIl file non è stato modificato.");
    EXPECT_EQ(LeggeTesto(file), rovinato);
}

} // namespace
} // namespace vc
