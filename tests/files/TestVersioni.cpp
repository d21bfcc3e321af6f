// Files of every version the program has written, from "6.2" to "7.6", and older ones: each
// record is read only from the version that introduced it, and what a file lacks stays as it
// was in the beam and the settings.

#include "AiutoFile.h"
#include "files/FileDati.h"

#include <gtest/gtest.h>
#include <map>

namespace vc::test {
namespace {

// The records of one beam, by record number; a version picks the ones it has.
const std::map<int, std::string> Record = {
    {2, "1\r\n"},
    {3, "5,20,6,10,0,1\r\n"},
    {4, "0,3\r\n"},
    {5, "1\r\n"},
    {6, "0,3.1E+07\r\n0.3,0.5\r\n"},
    {7, "0.3\r\n0.35\r\n"},
    {8, "#FALSE#,20,2\r\n"},
    {9, "#TRUE#\r\n"},
    {10, "0.03\r\n"},
    {11, "1\r\n"},
    {12, "#TRUE#,10,20,30\r\n"},
    {13, "#TRUE#\r\n"},
    {14, "0\r\n"},
    {15, "1,1.4,0.9,1.5,0,1.5,0,1.5,0.6,0.4,0.2,0.6,0.4,0.2\r\n"},
    {16, "#TRUE#\r\n"},
    {17, "0,45000\r\n"},
    {18, "#FALSE#\r\n2\r\n3\r\n0,0,0,0,0,0,0,0,0\r\n0.3,0.4,0.0016,3.2,0.3,0.4,0.0016,3.2,31000\r\n"},
    {19, "1\r\n1,10,0,0,0,2.5\r\n0\r\n"},
};

std::string Corpo(std::initializer_list<int> record) {
    std::string testo;
    for (int r : record)
        testo += Record.at(r);
    return testo;
}

std::string FileVersione(const std::string& versione, std::initializer_list<int> record) {
    return "\"Vecchia trave\",\"" + versione + "\"\r\n" + Corpo(record);
}

const CoefficientiParziali CoefDaIni = {1.1f, 1.2f, 1.1f, 1.2f, 0,    1.2f, 0,
                                        1.2f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
const CoefficientiParziali CoefDaFile = {1,    1.4f, 0.9f, 1.5f, 0,    1.5f, 0,
                                         1.5f, 0.6f, 0.4f, 0.2f, 0.6f, 0.4f, 0.2f};

// The beam and the settings as they are before a file is opened: the factors come from the
// settings file, the beam has elastic data and loads of its own.
struct Prima {
    Velcora trave;
    Impostazioni imp;
    MessaggiRegistrati msg;
    Prima() {
        imp.CoefParz = CoefDaIni;
        imp.StatoLimite = SLU;
        trave.kVincoloSinistro = 11;
        trave.kVincoloDestro = 22;
        trave.Kutente = true;
        trave.iTipoVincElastSx = 1;
        trave.iTipoVincElastDx = 1;
        trave.Dati({9, 9, 9, 9, 9, 9, 9, 9, 9}, true);
        trave.Dati_Fconc({RigaCarichi{1, 99, 0, 0, 0, 1}}, true);
        trave.Dati_Fconc({RigaCarichi{1, 7, 0, 0, 0, 1}}, false);
    }
    EsitoFile Legge(const std::string& testo) { return Carica(testo, trave, imp, msg); }
};

void AttendeRecordComuni(Prima& p) {
    EXPECT_EQ(p.imp.Titolo, "Vecchia trave");
    ASSERT_EQ(p.trave.nCampate(), 1);
    EXPECT_EQ(p.trave.EstraeDatiCampata(1).Luce, 5.0f);
    EXPECT_EQ(p.trave.VincoloDestro, Elastico);
    EXPECT_EQ(p.trave.LarghezzaAppoggi(2), 0.35f);
    EXPECT_FLOAT_EQ(p.imp.DeltaRidist, 0.8f);
    EXPECT_EQ(p.imp.ClasseCls, 2);
    EXPECT_TRUE(p.trave.ArrotondaMomenti);
    EXPECT_EQ(p.trave.Copriferro, 0.03f);
    EXPECT_EQ(p.trave.Decala, 1);
}

void AttendeVisualizzazione(const Prima& p) {
    EXPECT_TRUE(p.imp.ScalePreimpostate);
    EXPECT_EQ(p.imp.ScalaFissaT, 20.0);
    EXPECT_TRUE(p.imp.VisualizzaDeformata);
}

void AttendeElasticiECarichiDiPrima(const Prima& p) {
    EXPECT_EQ(p.trave.iTipoVincElastDx, 1);
    EXPECT_EQ(p.trave.Dato_Sx(1), 9.0);
    EXPECT_EQ(p.trave.TabForze(), (std::vector<RigaCarichi>{{1, 99, 0, 0, 0, 1}}));
    EXPECT_EQ(p.trave.nCoppie(), 1);
}

TEST(Versioni, Versione76LeggeTutto) {
    Prima p;
    ASSERT_EQ(p.Legge(FileVersione("7.6", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})),
              EsitoFile::Completo);
    AttendeRecordComuni(p);
    AttendeVisualizzazione(p);
    EXPECT_EQ(p.imp.StatoLimite, SLE);
    EXPECT_EQ(p.imp.CoefParz, CoefDaFile);
    EXPECT_EQ(p.trave.kVincoloDestro, 45000.0);
    EXPECT_FALSE(p.trave.Kutente);
    EXPECT_EQ(p.trave.iTipoVincElastSx, 2);
    EXPECT_EQ(p.trave.iTipoVincElastDx, 3);
    EXPECT_EQ(p.trave.Dato_Dx(9), 31000.0);
    EXPECT_EQ(p.trave.TabForze(), (std::vector<RigaCarichi>{{1, 10, 0, 0, 0, 2.5f}}));
    EXPECT_EQ(p.trave.CampataI(1).ForzeCampata().size(), 1u);
    EXPECT_EQ(p.trave.nCoppie(), 0);
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, Versione75SenzaCarichiConcentrati) {
    Prima p;
    ASSERT_EQ(p.Legge(FileVersione("7.5", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})),
              EsitoFile::Completo);
    AttendeRecordComuni(p);
    EXPECT_EQ(p.imp.CoefParz, CoefDaFile);
    EXPECT_EQ(p.trave.iTipoVincElastDx, 3);
    EXPECT_EQ(p.trave.TabForze(), (std::vector<RigaCarichi>{{1, 99, 0, 0, 0, 1}}));
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, Versione74SenzaCoefficientiNeCarichi) {
    Prima p;
    ASSERT_EQ(p.Legge(FileVersione("7.4", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18})),
              EsitoFile::Completo);
    AttendeRecordComuni(p);
    EXPECT_EQ(p.imp.CoefParz, CoefDaIni);
    EXPECT_TRUE(p.imp.OmettiG2Favorevole);
    EXPECT_EQ(p.trave.Dato_Dx(4), 3.2);
    EXPECT_FALSE(p.trave.Kutente); // from the elastic block
    EXPECT_EQ(p.trave.TabForze(), (std::vector<RigaCarichi>{{1, 99, 0, 0, 0, 1}}));
    EXPECT_EQ(p.trave.nCoppie(), 1);
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, Versione74SenzaVincoliElasticiNonHaIlBlocco) {
    Prima p;
    std::string testo =
        FileVersione("7.4", {2, 3}) + "0,1\r\n" + Corpo({5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17});
    ASSERT_EQ(p.Legge(testo), EsitoFile::Completo);
    EXPECT_EQ(p.trave.VincoloDestro, Incastro);
    EXPECT_TRUE(p.trave.Kutente); // untouched: no elastic block in the file
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, Versione70DeduceKutenteDalleRigidezze) {
    {
        Prima p;
        ASSERT_EQ(p.Legge(FileVersione("7.0", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17})),
                  EsitoFile::Completo);
        AttendeRecordComuni(p);
        EXPECT_EQ(p.trave.kVincoloDestro, 45000.0);
        EXPECT_TRUE(p.trave.Kutente);
        AttendeElasticiECarichiDiPrima(p);
        EXPECT_TRUE(p.msg.Voci.empty());
    }
    {
        Prima p;
        std::string testo = FileVersione("7.0", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16}) + "0,0\r\n";
        ASSERT_EQ(p.Legge(testo), EsitoFile::Completo);
        EXPECT_FALSE(p.trave.Kutente);
    }
}

TEST(Versioni, Versione69TieneICoefficientiDelFileIni) {
    Prima p;
    // record 16 follows record 14 directly
    ASSERT_EQ(p.Legge(FileVersione("6.9", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16})),
              EsitoFile::Completo);
    AttendeRecordComuni(p);
    EXPECT_EQ(p.imp.StatoLimite, SLE);
    EXPECT_EQ(p.imp.CoefParz, CoefDaIni);
    EXPECT_TRUE(p.imp.OmettiG2Favorevole);
    EXPECT_EQ(p.trave.kVincoloSinistro, 11.0);
    EXPECT_TRUE(p.trave.Kutente);
    AttendeElasticiECarichiDiPrima(p);
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, Versione62SenzaStatoLimite) {
    Prima p;
    ASSERT_EQ(p.Legge(FileVersione("6.2", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16})),
              EsitoFile::Completo);
    AttendeRecordComuni(p);
    AttendeVisualizzazione(p);
    EXPECT_EQ(p.imp.StatoLimite, SLU);
    EXPECT_EQ(p.imp.CoefParz, CoefDaIni);
    EXPECT_TRUE(p.imp.OmettiG2Favorevole);
    AttendeElasticiECarichiDiPrima(p);
    EXPECT_TRUE(p.msg.Voci.empty());
}

TEST(Versioni, PiuVecchiaDi62SiFermaDopoIlRecord11) {
    for (const std::string intestazione :
         {"\"Vecchia trave\",\"6.1\"\r\n", "\"Vecchia trave\"\r\n", "Vecchia trave\r\n"}) {
        SCOPED_TRACE(intestazione);
        Prima p;
        std::string testo = intestazione + Corpo({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        ASSERT_EQ(p.Legge(testo), EsitoFile::TroppoVecchio);
        AttendeRecordComuni(p);
        EXPECT_FALSE(p.imp.ScalePreimpostate);
        EXPECT_FALSE(p.imp.VisualizzaDeformata);
        EXPECT_EQ(p.imp.StatoLimite, SLU);
        AttendeElasticiECarichiDiPrima(p);
        EXPECT_EQ(Testi(p.msg), std::vector<std::string>{"Lettura incompleta del File"});
    }
}

TEST(Versioni, UnaVersioneSuccessivaSiLeggeComeLa76) {
    Prima p;
    ASSERT_EQ(p.Legge(FileVersione("7.9", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})),
              EsitoFile::Completo);
    EXPECT_EQ(p.trave.nCarConc(), 1);
}

} // namespace
} // namespace vc::test
