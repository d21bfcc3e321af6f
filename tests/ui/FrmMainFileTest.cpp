// The main window and its files: open, save as, save, new, the command line, the examples,
// the listing on paper (a PDF file) and in a text file, and the question about unsaved
// changes before anything typed could be lost.

#include "AiutoFrmMain.h"

#include "files/GestioneFile.h"
#include "ui/FrmInfor.h"

#include <QMessageBox>
#include <QProcess>

#include <regex>

namespace vc {
namespace {

using prova::CartellaEsempi;
using prova::FinestraPrincipale;
using prova::LeggeTesto;
namespace fs = std::filesystem;
using prova::Controllo;

QAbstractButton* Pulsante(QWidget* w, const QString& testo) {
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box == nullptr) return nullptr;
    for (QAbstractButton* b : box->buttons())
        if (b->text() == testo) return b;
    return nullptr;
}

// Answers the next question with the button of that caption; remembers the question.
void Risponde(const QString& testo, QString* domanda = nullptr) {
    prova::QuandoSiApre([testo, domanda](QWidget* w) {
        if (domanda) *domanda = qobject_cast<QMessageBox*>(w) ? qobject_cast<QMessageBox*>(w)->text() : QString();
        if (QAbstractButton* b = Pulsante(w, testo)) b->click();
    });
}

// The text of a PDF file, by pdftotext: laid out as on the page, or word by word with
// positions.
std::string Pdf(const fs::path& pdf, bool posizioni = false) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {posizioni ? QStringLiteral("-bbox") : QStringLiteral("-layout"),
                                           QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return p.readAllStandardOutput().toStdString();
}

std::size_t Conta(const std::string& testo, const std::string& cosa) {
    std::size_t n = 0;
    for (auto p = testo.find(cosa); p != std::string::npos; p = testo.find(cosa, p + 1)) ++n;
    return n;
}

class FileFinestra : public FinestraPrincipale {
  protected:
    fs::path Copia(const char* esempio, const fs::path& dove) {
        fs::copy_file(CartellaEsempi() / esempio, dove, fs::copy_options::overwrite_existing);
        return dove;
    }
    prova::DialoghiProva& Dialoghi() { return servizi.Dialoghi_; }
};

TEST_F(FileFinestra, ApreSalvaConNomeERiapre) {
    Avvia();
    const fs::path originale = Copia("tre_campate_appoggi.vlr", dati / "tre campate.vlr");
    Dialoghi().RisposteApri.push_back(originale);
    Menu("mnuFileItem1")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u);
    const RichiestaDialogo& apri = Dialoghi().Richieste[0];
    EXPECT_EQ(apri.Filtro, "Tutti i Files (*.*)|*.*|Files Velcora (*.vlr)|*.vlr");
    EXPECT_EQ(apri.IndiceFiltro, 2);
    EXPECT_EQ(apri.Cartella, dati);
    EXPECT_EQ(apri.NomeFile, "*.vlr");
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();

    EXPECT_EQ(w->Didascalia(), "Velcora - File: tre campate");
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->text(), QStringLiteral("Trave di piano su tre campate in semplice appoggio"));
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->cursorPosition(), 0); // the field shows the start of a long title
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtCampate")->text(), QStringLiteral("3"));
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(2, 1), "6");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid1")->TestoCella(4, 1), "0,3");
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(Fuoco(), Controllo<QPushButton>(*w, "cbCalcolo"));

    // A change marks the caption.
    ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid0"), 1, 2);
    DigitaInvio(QStringLiteral("20"));
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("[*]")));
    // Typing it back as it was is no change.
    ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid0"), 1, 2);
    DigitaInvio(QStringLiteral("18"));
    EXPECT_FALSE(w->isWindowModified());
    ClicCella(Controllo<GrigliaModifica>(*w, "FlexGrid0"), 1, 2);
    DigitaInvio(QStringLiteral("20"));

    Dialoghi().RisposteSalva.push_back(dati / "copia");
    Menu("mnuFileItem3")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 2u);
    EXPECT_TRUE(Dialoghi().Richieste[1].ChiediSovrascrittura);
    EXPECT_EQ(Dialoghi().Richieste[1].NomeFile, "tre campate.vlr");
    ASSERT_TRUE(fs::exists(dati / "copia.vlr"));
    EXPECT_EQ(w->Didascalia(), "Velcora - File: copia");
    EXPECT_FALSE(w->isWindowModified());

    // A new beam: nothing to ask, an empty window.
    Menu("mnuFileItem0")->trigger();
    EXPECT_EQ(w->Didascalia(), "Velcora - File: ");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Righe(), 1);
    EXPECT_TRUE(Controllo<QLineEdit>(*w, "txtTitolo")->text().isEmpty());
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    EXPECT_EQ(Fuoco(), Controllo<QLineEdit>(*w, "txtTitolo"));
    EXPECT_EQ(w->Trave().nCampate(), 0);

    Dialoghi().RisposteApri.push_back(dati / "copia.vlr");
    Menu("mnuFileItem1")->trigger();
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(1, 2), "20");
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->TestoCella(2, 2), "18");
    Clic(Controllo<QPushButton>(*w, "cbCalcolo"));
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "fraRisultati")->isVisible());

    // The two files differ only in that load.
    Velcora a, b;
    Impostazioni ia, ib;
    ASSERT_TRUE(LeggeFileDati(originale, a, ia, msg));
    ASSERT_TRUE(LeggeFileDati(dati / "copia.vlr", b, ib, msg));
    EXPECT_FLOAT_EQ(a.EstraeDatiCampata(1).g1, 18.0f);
    EXPECT_FLOAT_EQ(b.EstraeDatiCampata(1).g1, 20.0f);
    EXPECT_EQ(ia.Titolo, ib.Titolo);
    EXPECT_EQ(a.nSezioni(), b.nSezioni());
}

TEST_F(FileFinestra, SalvaScriveSulloStessoFileSenzaChiedere) {
    const fs::path file = Copia("due_campate_incastri_sezione_T.vlr", dati / "due.vlr");
    Avvia({file.string()});
    EXPECT_EQ(w->Didascalia(), "Velcora - File: due");
    Controllo<QLineEdit>(*w, "txtTitolo")->setFocus();
    Controllo<QLineEdit>(*w, "txtTitolo")->selectAll();
    Digita(QStringLiteral("Titolo nuovo"));
    EXPECT_TRUE(w->isWindowModified());
    Menu("mnuFileItem2")->trigger();
    EXPECT_TRUE(Dialoghi().Richieste.empty());
    EXPECT_FALSE(w->isWindowModified());
    EXPECT_EQ(LeggeTesto(file).rfind("\"Titolo nuovo\",\"7.6\"\r\n", 0), 0u);
}

TEST_F(FileFinestra, SalvaDiUnaTraveSenzaNomeChiedeIlNome) {
    Avvia();
    ScriveTrave(1, {{"5", "10", "0", "0", "0", "1"}}, {"0", "0"});
    SezioneRettangolare(w->Trave());
    // Cancelled: nothing written, still unsaved.
    Menu("mnuFileItem2")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u);
    EXPECT_EQ(Dialoghi().Richieste[0].NomeFile, "*.vlr");
    EXPECT_TRUE(w->isWindowModified());
    Dialoghi().RisposteSalva.push_back(dati / "nuova.vlr");
    Menu("mnuFileItem2")->trigger();
    EXPECT_TRUE(fs::exists(dati / "nuova.vlr"));
    EXPECT_EQ(w->Didascalia(), "Velcora - File: nuova");
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(FileFinestra, SalvaConDatiErratiNonSalvaNiente) {
    Avvia();
    ScriveTrave(2, {{"5", "10", "0", "0", "0", "1"}, {"5", "10", "0", "0", "0", "0"}}, {"0", "0", "0"});
    Dialoghi().RisposteSalva.push_back(dati / "errata.vlr");
    Menu("mnuFileItem2")->trigger();
    ASSERT_FALSE(msg.Voci.empty());
    EXPECT_EQ(msg.Voci[0].Testo, "Il numero di sezione deve essere > 0");
    EXPECT_TRUE(Dialoghi().Richieste.empty());
    EXPECT_FALSE(fs::exists(dati / "errata.vlr"));
}

TEST_F(FileFinestra, ApriAnnullatoNonCambiaNiente) {
    const fs::path file = Copia("tre_campate_appoggi.vlr", dati / "tre.vlr");
    Avvia({file.string()});
    const auto prima = Controllo<GrigliaModifica>(*w, "FlexGrid0")->Celle();
    w->Imp().CoefParz[1] = 1.35f; // as the settings window would leave it
    const std::string firma = w->Didascalia();
    Risponde(QStringLiteral("&No")); // the changed factor is not to be saved
    Menu("mnuFileItem1")->trigger(); // no file given: cancelled
    EXPECT_EQ(Dialoghi().Richieste.size(), 1u);
    EXPECT_EQ(w->Didascalia(), firma);
    EXPECT_EQ(Controllo<GrigliaModifica>(*w, "FlexGrid0")->Celle(), prima);
    EXPECT_FLOAT_EQ(w->Imp().CoefParz[1], 1.35f); // the settings file is read only for a file chosen
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(FileFinestra, RigaDiComandoConUnNomeConSpazi) {
    Copia("tre_campate_appoggi.vlr", dati / "trave 1.vlr");
    Avvia({"trave", "1.vlr"});
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(w->Didascalia(), "Velcora - File: trave 1");
    EXPECT_EQ(w->Imp().PercorsoDati, dati.string());
    EXPECT_EQ(w->Imp().NomeFile, "trave 1");
    EXPECT_TRUE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
    EXPECT_EQ(w->Trave().nCampate(), 3);
    EXPECT_FALSE(w->isWindowModified());
}

TEST_F(FileFinestra, RigaDiComandoConUnFileCheNonCe) {
    Avvia({"manca.vlr"}, false);
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "File " + (dati / "manca.vlr").string() + " non trovato ");
    EXPECT_EQ(w->Didascalia(), "Velcora - File: ");
    EXPECT_TRUE(w->Imp().NomeFile.empty());
    EXPECT_FALSE(Controllo<QGroupBox>(*w, "FrDiagrammi")->isVisible());
}

TEST_F(FileFinestra, RigaDiComandoIgnorataSeAvviatoDaUnClient) {
    Copia("tre_campate_appoggi.vlr", dati / "tre.vlr");
    w->Imp().AvviatoDaServer = true;
    Avvia({"tre.vlr"});
    EXPECT_EQ(w->Didascalia(), "Velcora - File: ");
    EXPECT_EQ(w->Trave().nCampate(), 0);
}

TEST_F(FileFinestra, LetturaImpostaIMenuDelleOpzioni) {
    const fs::path file = Copia("ridistribuzione_arrotondamento.vlr", dati / "r.vlr");
    Avvia({file.string()});
    EXPECT_TRUE(Menu("mnuOpzioniItem1")->isChecked());
    EXPECT_TRUE(Menu("mnuOpzioniItem2")->isChecked());
    EXPECT_TRUE(Menu("mnuOpzioniItem2")->text().startsWith(QStringLiteral("&Decalage con c = 4")));
    EXPECT_FALSE(Menu("mnuOpzioniItem3")->isChecked());
    EXPECT_NEAR(w->Imp().DeltaRidist, 0.85f, 1e-6);
    // A new beam starts without rounding, decalage or redistribution.
    Menu("mnuFileItem0")->trigger();
    EXPECT_FALSE(Menu("mnuOpzioniItem1")->isChecked());
    EXPECT_FALSE(Menu("mnuOpzioniItem2")->isChecked());
    EXPECT_FALSE(w->Trave().ArrotondaMomenti);
    EXPECT_FLOAT_EQ(w->Imp().DeltaRidist, 0.0f);
}

TEST_F(FileFinestra, UnFileVecchioNonErediteICarichiDellaTravePrecedente) {
    // A "7.4" file has neither the partial factors nor the concentrated loads.
    std::string vecchio = LeggeTesto(CartellaEsempi() / "due_campate_incastri_sezione_T.vlr");
    vecchio.replace(vecchio.find("\"7.6\""), 5, "\"7.4\"");
    const auto fattori = vecchio.find("1,1.3,0.8,");
    ASSERT_NE(fattori, std::string::npos);
    vecchio.erase(fattori, vecchio.find('\n', fattori) + 1 - fattori);
    vecchio.erase(vecchio.size() - 6); // the two counts "0\r\n0\r\n"
    std::ofstream(dati / "vecchio.vlr", std::ios::binary) << vecchio;
    const fs::path carichi = Copia("carichi_concentrati_slu.vlr", dati / "carichi.vlr");

    Avvia({carichi.string()});
    ASSERT_EQ(w->Trave().nCarConc(), 3);
    Dialoghi().RisposteApri.push_back(dati / "vecchio.vlr");
    Menu("mnuFileItem1")->trigger();
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
    EXPECT_EQ(w->Trave().nCampate(), 2);
    EXPECT_EQ(w->Trave().nCarConc(), 0);
    EXPECT_EQ(w->Trave().nCoppie(), 0);
}

// A file older than "6.9" holds no limit state: the window keeps the one it has and says so in
// one line; a later file says nothing.
TEST_F(FileFinestra, FileSenzaStatoLimiteDiceQualeESelezionato) {
    std::string vecchio = LeggeTesto(CartellaEsempi() / "tre_campate_appoggi.vlr");
    vecchio.replace(vecchio.find("\"7.6\""), 5, "\"6.5\"");
    // Records 14 and 15 (limit state, factors) and everything from "7.0" on are not there.
    const auto stato = vecchio.find("#FALSE#\r\n1\r\n1,1.3,");
    ASSERT_NE(stato, std::string::npos);
    vecchio.erase(stato + 9);
    vecchio.append("#FALSE#\r\n");
    std::ofstream(dati / "vecchio.vlr", std::ios::binary) << vecchio;

    Avvia({(dati / "vecchio.vlr").string()}, false);
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Il file (versione 6.5) non registra lo stato limite: è selezionato SLE rara.");
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Informazione);
    EXPECT_TRUE(Controllo<QRadioButton>(*w, "optSLU0")->isChecked());
    EXPECT_EQ(w->Trave().nCampate(), 3);

    // SLU chosen, calculated and saved as a new file: the next old file keeps it.
    Clic(Controllo<QRadioButton>(*w, "optSLU1"));
    ASSERT_TRUE(w->EsegueCalcolo()) << Messaggi();
    Dialoghi().RisposteSalva.push_back(dati / "salvata.vlr");
    Menu("mnuFileItem3")->trigger();
    ASSERT_TRUE(fs::exists(dati / "salvata.vlr"));
    msg.Voci.clear();
    Dialoghi().RisposteApri.push_back(dati / "vecchio.vlr");
    Menu("mnuFileItem1")->trigger();
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    EXPECT_EQ(msg.Voci[0].Testo, "Il file (versione 6.5) non registra lo stato limite: è selezionato SLU.");

    msg.Voci.clear();
    Dialoghi().RisposteApri.push_back(Copia("tre_campate_appoggi.vlr", dati / "nuovo.vlr"));
    Menu("mnuFileItem1")->trigger();
    EXPECT_TRUE(msg.Voci.empty()) << Messaggi();
}

TEST_F(FileFinestra, FilesDiEsempioNonSiSovrascrivono) {
    fs::create_directories(programma / "examples");
    const fs::path esempio = Copia("tre_campate_appoggi.vlr", programma / "examples" / "esempio.vlr");
    Avvia();
    Dialoghi().RisposteApri.push_back(esempio);
    Menu("mnuHelp1")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u);
    EXPECT_EQ(Dialoghi().Richieste[0].Cartella, fs::weakly_canonical(programma / "examples"));
    EXPECT_EQ(w->Didascalia(), "Velcora - File: esempio");
    EXPECT_EQ(w->Imp().PercorsoDati, dati.string());
    // A plain save asks where to keep the beam; the example stays as it was.
    const std::string prima = LeggeTesto(esempio);
    Dialoghi().RisposteSalva.push_back(dati / "mia.vlr");
    Menu("mnuFileItem2")->trigger();
    ASSERT_EQ(Dialoghi().Richieste.size(), 2u);
    EXPECT_EQ(Dialoghi().Richieste[1].Cartella, dati);
    EXPECT_TRUE(fs::exists(dati / "mia.vlr"));
    EXPECT_EQ(LeggeTesto(esempio), prima);
    EXPECT_EQ(w->Didascalia(), "Velcora - File: mia");
}

TEST_F(FileFinestra, StampaDellaRelazioneInPdfConDueCopie) {
    const fs::path file = Copia("tre_campate_appoggi.vlr", dati / "tre_campate.vlr");
    Avvia({file.string()});
    servizi.Copie = 2;
    Menu("mnuFileItem5")->trigger();
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    ASSERT_EQ(servizi.StampantiAperte, 1);
    const fs::path pdf = dati / "relazione.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    const std::string testo = Pdf(pdf);
    ASSERT_FALSE(testo.empty()) << "pdftotext";
    EXPECT_EQ(Conta(testo, "NOME FILE: tre_campate"), 2u) << testo;
    EXPECT_EQ(Conta(testo, "Momenti e frecce :"), 2u);
    EXPECT_EQ(Conta(testo, "Tagli e Reazioni :"), 2u);
    EXPECT_NE(testo.find("Trave di piano su tre campate in semplice appoggio"), std::string::npos);
    // Every value of the results grid is on paper as the window shows it.
    for (int r = 1; r < Controllo<GrigliaModifica>(*w, "Grid1")->Righe(); ++r)
        for (int c = 1; c < Controllo<GrigliaModifica>(*w, "Grid1")->Colonne(); ++c) {
            std::string cella = Controllo<GrigliaModifica>(*w, "Grid1")->TestoCella(r, c);
            cella.erase(0, cella.find_first_not_of(' '));
            if (!cella.empty()) {
                EXPECT_NE(testo.find(cella), std::string::npos) << cella;
            }
        }
    // The columns line up: in the heading of the moments grid each title starts 12 character
    // cells after the previous one, as in the text file (word positions on the page).
    const std::string tuttoIlPdf = Pdf(pdf, true);
    const std::string parole = tuttoIlPdf.substr(0, tuttoIlPdf.find("</page>")); // the first page
    const std::regex parola("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>");
    struct Parola {
        double x0, y, x1;
        std::string testo;
    };
    std::vector<Parola> tutte;
    for (auto it = std::sregex_iterator(parole.begin(), parole.end(), parola); it != std::sregex_iterator(); ++it)
        tutte.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), (*it)[4]});
    // The line that starts with "Sez." and goes on with "Mmax" (the span table has a "Sez."
    // of its own); pdftotext gives the words column by column, so lines are rebuilt by height.
    std::vector<Parola> riga;
    for (const Parola& inizio : tutte) {
        if (inizio.testo != "Sez.") continue;
        riga.clear();
        for (const Parola& p : tutte)
            if (std::abs(p.y - inizio.y) < 0.5) riga.push_back(p);
        std::sort(riga.begin(), riga.end(), [](const Parola& a, const Parola& b) { return a.x0 < b.x0; });
        if (riga.size() >= 2 && riga[1].testo == "Mmax") break;
    }
    ASSERT_EQ(riga.size(), 11u) << parole.substr(0, 400);
    const Parola* sez = &riga[0];
    const double carattere = (sez->x1 - sez->x0) / 4.0;
    const std::pair<std::size_t, double> colonne[] = {{1, 11}, {2, 23}, {4, 35}, {5, 47}, {7, 59}, {9, 71}};
    for (const auto& [k, colonna] : colonne)
        EXPECT_NEAR((riga[k].x0 - sez->x0) / carattere, colonna, 0.25) << riga[k].testo;
}

TEST_F(FileFinestra, StampanteCheNonPartePerdeLaStampaMaLoDice) {
    const fs::path file = Copia("tre_campate_appoggi.vlr", dati / "tre.vlr");
    Avvia({file.string()});
    servizi.FilePdf = QStringLiteral("/cartella/che/non/esiste/relazione.pdf");
    Menu("mnuFileItem5")->trigger();
    ASSERT_EQ(msg.Voci.size(), 1u) << Messaggi();
    // The listing is printed into a temporary file; the file chosen cannot take its place.
    EXPECT_EQ(msg.Voci[0].Testo, "Scrittura incompleta del file\r\n/cartella/che/non/esiste/relazione.pdf: " +
                                     std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_EQ(msg.Voci[0].Icona, Icona::Avviso);
}

TEST_F(FileFinestra, FileDiStampaDiTesto) {
    const fs::path file = Copia("tre_campate_appoggi.vlr", dati / "tre.vlr");
    Avvia({file.string()});
    Dialoghi().RisposteSalva.push_back(dati / "relazione.txt");
    Menu("mnuFileItem6")->trigger();
    ASSERT_TRUE(msg.Voci.empty()) << Messaggi();
    ASSERT_EQ(Dialoghi().Richieste.size(), 1u);
    const RichiestaDialogo& r = Dialoghi().Richieste[0];
    EXPECT_EQ(r.Filtro, "Tutti i Files (*.*)|*.*|Files (*.txt)|*.txt");
    EXPECT_EQ(r.NomeFile, "tre.txt");
    EXPECT_TRUE(r.ChiediSovrascrittura);
    const std::string testo = LeggeTesto(dati / "relazione.txt");
    EXPECT_EQ(testo.rfind("NOME FILE: tre.", 0), 0u) << testo.substr(0, 80);
    EXPECT_NE(testo.find("---------------------------------  RISULTATI : ---------------------------------"),
              std::string::npos);
    EXPECT_NE(testo.find("Delta = 1\r\n"), std::string::npos);
    EXPECT_EQ(w->Didascalia(), "Velcora - File: tre"); // the data file is still the current one
    // Cancelled: nothing written, nothing said.
    fs::remove(dati / "relazione.txt");
    Menu("mnuFileItem6")->trigger();
    EXPECT_FALSE(fs::exists(dati / "relazione.txt"));
    EXPECT_TRUE(msg.Voci.empty());
}

TEST_F(FileFinestra, DomandaSulleModificheNonSalvate) {
    Avvia();
    EXPECT_FALSE(w->isWindowModified());
    // Closing an untouched window asks nothing.
    Clic(Controllo<QLineEdit>(*w, "txtTitolo"));
    Digita(QStringLiteral("Trave da non perdere"));
    EXPECT_TRUE(w->isWindowModified());

    // Annulla: the window stays, and so does what was typed.
    QString domanda;
    Risponde(QStringLiteral("&Annulla"), &domanda);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(domanda.contains(QStringLiteral("Salvare le modifiche?"))) << domanda.toStdString();
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->text(), QStringLiteral("Trave da non perdere"));

    // "Apri..." asks too; Annulla opens no dialog.
    Risponde(QStringLiteral("&Annulla"));
    Menu("mnuFileItem1")->trigger();
    EXPECT_TRUE(Dialoghi().Richieste.empty());

    // "Nuovo...", Sì, but the beam cannot be saved as it is (no spans): nothing is lost.
    Risponde(QStringLiteral("&Sì"));
    Menu("mnuFileItem0")->trigger();
    EXPECT_EQ(Controllo<QLineEdit>(*w, "txtTitolo")->text(), QStringLiteral("Trave da non perdere"));

    // No: the typed beam is dropped.
    Risponde(QStringLiteral("&No"));
    Menu("mnuFileItem0")->trigger();
    EXPECT_TRUE(Controllo<QLineEdit>(*w, "txtTitolo")->text().isEmpty());
    EXPECT_FALSE(w->isWindowModified());

    // "Esci" with Sì saves first, then ends.
    ScriveTrave(1, {{"5", "10", "0", "0", "0", "1"}}, {"0", "0"});
    SezioneRettangolare(w->Trave());
    EXPECT_TRUE(w->isWindowModified());
    Dialoghi().RisposteSalva.push_back(dati / "salvata.vlr");
    Risponde(QStringLiteral("&Sì"));
    Menu("mnuFileItem19")->trigger();
    EXPECT_TRUE(fs::exists(dati / "salvata.vlr"));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FileFinestra, AiutoEInformazioni) {
    Avvia();
    Menu("mnuHelp0")->trigger();
    ASSERT_EQ(msg.Voci.size(), 1u);
    EXPECT_TRUE(servizi.DocumentiAperti.empty());
    std::ofstream(programma / "VelcoraDwg.chm") << "guida";
    Menu("mnuHelp0")->trigger();
    ASSERT_EQ(servizi.DocumentiAperti.size(), 1u);
    EXPECT_EQ(servizi.DocumentiAperti[0].filename(), "VelcoraDwg.chm");
    // The manual of a build folder, beside the program; the manual of an installation.
    fs::remove(programma / "VelcoraDwg.chm");
    fs::create_directories(programma / "doc");
    std::ofstream(programma / "doc" / "index.html") << "guida";
    Menu("mnuHelp0")->trigger();
    ASSERT_EQ(servizi.DocumentiAperti.size(), 2u);
    EXPECT_EQ(servizi.DocumentiAperti[1], fs::weakly_canonical(programma / "doc" / "index.html"));
    fs::remove_all(programma / "doc");
    const fs::path installata = programma.parent_path() / "share" / "velcora" / "doc" / "index.html";
    fs::create_directories(installata.parent_path());
    std::ofstream(installata) << "guida";
    Menu("mnuHelp0")->trigger();
    ASSERT_EQ(servizi.DocumentiAperti.size(), 3u);
    EXPECT_EQ(servizi.DocumentiAperti[2], fs::weakly_canonical(installata));
    EXPECT_EQ(msg.Voci.size(), 1u) << Messaggi();

    bool informazioni = false;
    prova::QuandoSiApre([&](QWidget* f) {
        informazioni = qobject_cast<FrmInfor*>(f) != nullptr;
        f->close();
    });
    Menu("mnuHelp2")->trigger();
    EXPECT_TRUE(informazioni);
}

} // namespace
} // namespace vc
