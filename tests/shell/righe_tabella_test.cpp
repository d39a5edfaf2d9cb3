// Rows reached by their rowid: two rows holding the same values stay two rows.
#include "cartella_prova.h"
#include "righe_tabella.h"

#include <gtest/gtest.h>

namespace {

class RigheTabellaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = QSqlDatabase::addDatabase("QSQLITE", "righe-tabella");
        db.setDatabaseName(":memory:");
        ASSERT_TRUE(db.open());
        CartellaProva::esegui(db, "CREATE TABLE T (Cod TEXT CHECK (length(Cod) <= 2), N REAL DEFAULT 7)");
        CartellaProva::esegui(db, "INSERT INTO T VALUES ('ZZ', 1), ('ZZ', 1), ('ZZ', 1)");
    }
    void TearDown() override
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("righe-tabella");
    }

    // Every row as "rowid:Cod:N".
    QStringList righe()
    {
        const Lettura<RigaTabella> l = LeggiRigheTabella(db, "T", {"Cod", "N"});
        EXPECT_TRUE(l.ok()) << l.errore.toStdString();
        QStringList testi;
        for (const RigaTabella& r : l.righe)
            testi << QStringLiteral("%1:%2:%3").arg(r.rowid).arg(r.valori[0].toString(), r.valori[1].toString());
        return testi;
    }

    QSqlDatabase db;
};

TEST_F(RigheTabellaTest, AWriteReachesOnlyItsRow)
{
    EXPECT_TRUE(ScriviCampoTabella(db, "T", 2, "Cod", "AB").ok());
    EXPECT_EQ(righe(), (QStringList{"1:ZZ:1", "2:AB:1", "3:ZZ:1"}));

    qint64 nuova = 0;
    EXPECT_TRUE(AggiungiRigaTabella(db, "T", "Cod", "ZZ", &nuova).ok());
    EXPECT_EQ(nuova, 4);
    EXPECT_EQ(righe().last(), "4:ZZ:7") << "a new row takes the table's defaults";
    const Lettura<RigaTabella> una = LeggiRigaTabella(db, "T", {"N", "Cod"}, 4);
    ASSERT_EQ(una.righe.size(), 1u);
    EXPECT_EQ(una.righe[0].valori, (QVariantList{7.0, "ZZ"}));

    EXPECT_TRUE(EliminaRigheTabella(db, "T", {1, 4}).ok());
    EXPECT_EQ(righe(), (QStringList{"2:AB:1", "3:ZZ:1"}));
}

TEST_F(RigheTabellaTest, RefusedWritesChangeNothing)
{
    const QStringList prima = righe();
    const struct {
        const char* nome;
        Esito esito;
        bool rifiutato;
    } casi[] = {
        {"value the table refuses", ScriviCampoTabella(db, "T", 1, "Cod", "ABC"), false},
        {"row gone", ScriviCampoTabella(db, "T", 9, "Cod", "AB"), true},
        {"new row the table refuses", AggiungiRigaTabella(db, "T", "Cod", "ABC", nullptr), false},
        {"one of the rows to delete is gone", EliminaRigheTabella(db, "T", {1, 9, 3}), true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_FALSE(c.esito.ok());
        EXPECT_EQ(c.esito.rifiutato(), c.rifiutato);
        EXPECT_FALSE(c.esito.messaggio.isEmpty());
    }
    EXPECT_EQ(righe(), prima);
}

} // namespace
