// The table model under the grids: texts, headings, which cells may be edited, rows and columns
// added and removed keeping the texts, and a grid shown over a model it was given.

#include "ui/ModelloGriglia.h"

#include "ui/GrigliaModifica.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace vc {
namespace {

// Two data rows of three columns ("N°", "A", "B"), numbered.
void Prepara(ModelloGriglia& m) {
    m.insertColumns(0, 3);
    m.insertRows(0, 2);
    for (int c = 0; c < 3; ++c)
        m.setHeaderData(c, Qt::Horizontal, QStringList{"N°", "A", "B"}.at(c));
    for (int r = 0; r < 2; ++r)
        m.setData(m.index(r, 0), QString::number(r + 1));
}

QStringList Riga(const ModelloGriglia& m, int r) {
    QStringList testi;
    for (int c = 0; c < m.columnCount(); ++c)
        testi << m.index(r, c).data().toString();
    return testi;
}

TEST(ModelloGriglia, CelleIntestazioniEFlag) {
    ModelloGriglia m;
    Prepara(m);
    const Qt::ItemFlags modificabile = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    struct Caso {
        int riga, colonna;
        QString scritto;    // empty: nothing written
        bool accettato;     // setData's answer
        QString letto;      // data() afterwards (DisplayRole and EditRole)
        Qt::ItemFlags flag; // in a model that is edited
    };
    const Caso casi[] = {
        {0, 1, "12,5", true, "12,5", modificabile},
        {1, 2, "abc", true, "abc", modificabile}, // any text: the grid's rules read it
        {1, 0, "", false, "2", Qt::NoItemFlags},  // the fixed column, numbered
        {2, 1, "9", false, "", Qt::NoItemFlags},  // below the last row
        {0, 3, "9", false, "", Qt::NoItemFlags},  // beyond the last column
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(testing::Message() << k.riga << "," << k.colonna);
        const QModelIndex i = m.index(k.riga, k.colonna);
        if (!k.scritto.isEmpty()) {
            EXPECT_EQ(m.setData(i, k.scritto), k.accettato);
        }
        EXPECT_EQ(i.data(Qt::DisplayRole).toString(), k.letto);
        EXPECT_EQ(i.data(Qt::EditRole).toString(), k.letto);
        EXPECT_EQ(m.flags(i), k.flag);
        if (i.isValid()) {
            EXPECT_EQ(i.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        }
    }
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("A"));
    EXPECT_FALSE(m.headerData(3, Qt::Horizontal).isValid());
    EXPECT_FALSE(m.setHeaderData(0, Qt::Vertical, "x"));
    // Only read: selected, never edited; the fixed column stays out.
    m.ImpostaSolaLettura(true);
    EXPECT_EQ(m.flags(m.index(0, 1)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    EXPECT_EQ(m.flags(m.index(0, 0)), Qt::NoItemFlags);
}

TEST(ModelloGriglia, UnTestoUgualeNonEUnCambiamento) {
    ModelloGriglia m;
    Prepara(m);
    QSignalSpy celle(&m, &QAbstractItemModel::dataChanged);
    QSignalSpy intestazioni(&m, &QAbstractItemModel::headerDataChanged);
    m.setData(m.index(0, 1), "5");
    m.setData(m.index(0, 1), "5");
    m.setHeaderData(1, Qt::Horizontal, "A");
    m.setHeaderData(1, Qt::Horizontal, "Luce");
    EXPECT_EQ(celle.count(), 1);
    EXPECT_EQ(intestazioni.count(), 1);
}

TEST(ModelloGriglia, RigheEColonneAggiunteETolteTengonoITesti) {
    ModelloGriglia m;
    Prepara(m);
    m.setData(m.index(0, 1), "5");
    m.setData(m.index(1, 2), "7");
    QSignalSpy aggiunte(&m, &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(m.insertRows(2, 3)); // at the end, as a longer beam
    EXPECT_EQ(aggiunte.count(), 1);
    EXPECT_EQ(m.rowCount(), 5);
    EXPECT_EQ(Riga(m, 1), (QStringList{"2", "", "7"}));
    EXPECT_EQ(Riga(m, 4), (QStringList{"", "", ""}));
    ASSERT_TRUE(m.removeRows(1, 4));
    EXPECT_EQ(Riga(m, 0), (QStringList{"1", "5", ""}));
    ASSERT_TRUE(m.insertColumns(3, 1));
    EXPECT_EQ(Riga(m, 0), (QStringList{"1", "5", "", ""}));
    EXPECT_EQ(m.headerData(3, Qt::Horizontal).toString(), QString());
    ASSERT_TRUE(m.removeColumns(1, 2));
    EXPECT_EQ(Riga(m, 0), (QStringList{"1", ""}));
    // Out of range: refused, nothing changed.
    EXPECT_FALSE(m.insertRows(5, 1));
    EXPECT_FALSE(m.removeRows(0, 2));
    EXPECT_FALSE(m.insertColumns(-1, 1));
    EXPECT_FALSE(m.removeColumns(1, 0));
    EXPECT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.columnCount(), 2);
}

// The grid reads and writes (sizes included) the model it is given, and the view follows
// what others write into it.
TEST(ModelloGriglia, LaGrigliaLavoraSulModelloDato) {
    GrigliaModifica griglia(Separatori::Italiani());
    griglia.ScriveCella(std::string("vecchio"), 1, 1); // outside its grid: nothing
    ModelloGriglia m;
    Prepara(m);
    m.setData(m.index(1, 1), "3,5");
    griglia.ImpostaModello(m);
    EXPECT_EQ(griglia.model(), &m);
    EXPECT_EQ(griglia.Righe(), 3);
    EXPECT_EQ(griglia.TestoCella(0, 2), "B");
    EXPECT_DOUBLE_EQ(griglia.LeggeCella(2, 1), 3.5);
    griglia.ScriveCella(std::string("8"), 1, 2);
    EXPECT_EQ(m.index(0, 2).data().toString(), QStringLiteral("8"));
    griglia.ImpostaRighe(5);
    EXPECT_EQ(m.rowCount(), 4);
    griglia.NumeraRighe();
    EXPECT_EQ(m.index(3, 0).data().toString(), QStringLiteral("4"));
    m.setData(m.index(3, 1), "12");
    EXPECT_EQ(griglia.TestoCella(4, 1), "12");
    griglia.SolaLettura(true);
    EXPECT_TRUE(m.SolaLettura());
}

} // namespace
} // namespace vc
