#include "modello_griglia.h"

#include "cartella_prova.h"

#include <gtest/gtest.h>

TEST(ModelloGriglia, ShowsDatesAndNumbersTheItalianWay)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "modello-griglia");
    db.setDatabaseName(":memory:");
    ASSERT_TRUE(db.open());
    CartellaProva::esegui(db, "CREATE TABLE T (Data TEXT, Cod TEXT, Qta INTEGER, Prezzo REAL)");
    CartellaProva::esegui(db, "INSERT INTO T VALUES ('2024-03-05', '2024-01-01', 1500, 12.5), (NULL, 'ENI', 3, 0.0312)");
    {
        ModelloGriglia m;
        m.impostaIntestazioni({"Data", "Codice", "Quantita'"});
        m.impostaColonneData({0});
        ASSERT_TRUE(m.carica("SELECT * FROM T ORDER BY rowid", db).ok());
        ASSERT_EQ(m.rowCount(), 2);
        EXPECT_EQ(m.data(m.index(0, 0)).toString(), "05/03/2024");
        EXPECT_EQ(m.data(m.index(0, 1)).toString(), "2024-01-01");  // a code is not a date
        EXPECT_EQ(m.data(m.index(0, 2)).toString(), "1500");
        EXPECT_EQ(m.data(m.index(0, 3)).toString(), "12,5");
        EXPECT_EQ(m.data(m.index(1, 3)).toString(), "0,0312");
        EXPECT_EQ(m.data(m.index(1, 0)).toString(), "");
        EXPECT_EQ(m.valore(0, "Prezzo").toDouble(), 12.5);
        EXPECT_FALSE(m.valore(2, "Prezzo").isValid());
        EXPECT_FALSE(m.flags(m.index(0, 0)) & Qt::ItemIsEditable);
        // Captions survive a reload; a column without one shows its field.
        ASSERT_TRUE(m.carica("SELECT * FROM T", db).ok());
        EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), "Quantita'");
        EXPECT_EQ(m.headerData(3, Qt::Horizontal).toString(), "Prezzo");
        const Esito mancante = m.carica("SELECT * FROM Nessuna", db);
        EXPECT_TRUE(mancante.erroreDatabase());
        EXPECT_TRUE(mancante.messaggio.startsWith("Errore del database: ")) << mancante.messaggio.toStdString();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("modello-griglia");
}
