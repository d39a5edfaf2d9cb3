#include "modello_griglia.h"

#include "cartella_prova.h"
#include "larghezza_griglia.h"

#include <QTableView>

#include <gtest/gtest.h>

#include <vector>

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

namespace {

// The grid a window makes of the model, sized on it.
struct GrigliaDi {
    QTableView vista;

    explicit GrigliaDi(ModelloGriglia& m)
    {
        vista.setModel(&m);
        vista.resize(600, 200);
        AdattaColonne(&vista);
    }

    std::vector<int> larghezze()
    {
        AdattaColonne(&vista);
        std::vector<int> l;
        for (int c = 0; c < vista.model()->columnCount(); ++c)
            l.push_back(vista.columnWidth(c));
        return l;
    }
};

std::vector<QString> Celle(const ModelloGriglia& m)
{
    std::vector<QString> celle;
    for (int r = 0; r < m.rowCount(); ++r)
        for (int c = 0; c < m.columnCount(); ++c)
            celle.push_back(m.data(m.index(r, c)).toString() + QLatin1Char('|')
                            + m.data(m.index(r, c), Qt::EditRole).toString());
    return celle;
}

} // namespace

// Rows added after those held, read alone, give the grid what reading them all gives: the same
// cells and, wherever the widest figure stands, the same column widths.
TEST(ModelloGriglia, RowsReadAfterThoseHeldShowAsAWholeReading)
{
    struct Caso {
        const char* nome;
        const char* prima;   // rows held
        const char* dopo;    // rows added
    };
    const Caso casi[] = {
        {"the widest among the new rows", "('2024-03-05', 'ENI', 3, 1.5), ('2024-03-06', 'ENI', 30, 2.25)",
         "('2024-03-07', 'STLAM', 123456789, -98765.4321)"},
        {"the widest among the rows held", "('2024-03-05', 'STLAM', 123456789, -98765.4321)",
         "('2024-03-06', 'ENI', 3, 1.5), (NULL, 'ENI', 30, 0.0001)"},
        {"more rows than are measured", "('2024-03-05', 'A', 1, 1.1), ('2024-03-05', 'A', 11, 1.11), "
                                        "('2024-03-05', 'B', 111, 1.111), ('2024-03-05', 'B', 1111, 11.1)",
         "('2024-03-06', 'C', 2, 2.2), ('2024-03-06', 'C', 22, 22.2), ('2024-03-06', 'D', 222, 2.222), "
         "('2024-03-06', 'D', 2222, 222.2), ('2024-03-07', 'E', 22222, 0.5), ('2024-03-07', 'E', 3, 3.3)"},
    };
    int n = 0;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const QString nome = QStringLiteral("modello-griglia-%1").arg(++n);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
            db.setDatabaseName(":memory:");
            ASSERT_TRUE(db.open());
            CartellaProva::esegui(db, "CREATE TABLE T (Data TEXT, Cod TEXT, Qta INTEGER, Prezzo REAL)");
            CartellaProva::esegui(db, QStringLiteral("INSERT INTO T VALUES %1").arg(caso.prima));
            const QString sql = QStringLiteral("SELECT * FROM T ORDER BY rowid");
            ModelloGriglia seguito;
            seguito.impostaColonneData({0});
            ASSERT_TRUE(seguito.carica(sql, db).ok());
            GrigliaDi grigliaSeguito(seguito);
            const int tenute = seguito.rowCount();
            CartellaProva::esegui(db, QStringLiteral("INSERT INTO T VALUES %1").arg(caso.dopo));
            ASSERT_TRUE(seguito.caricaDopo(sql, db, tenute).ok());

            ModelloGriglia intero;
            intero.impostaColonneData({0});
            ASSERT_TRUE(intero.carica(sql, db).ok());
            GrigliaDi grigliaIntero(intero);
            EXPECT_EQ(Celle(seguito), Celle(intero));
            EXPECT_EQ(grigliaSeguito.larghezze(), grigliaIntero.larghezze());

            // A larger font sizes again on the rows held, as a grid first shown in it does.
            QFont grande = grigliaSeguito.vista.font();
            grande.setPointSize(grande.pointSize() * 2);
            grigliaSeguito.vista.setFont(grande);
            grigliaIntero.vista.setFont(grande);
            ModelloGriglia nuovo;
            nuovo.impostaColonneData({0});
            ASSERT_TRUE(nuovo.carica(sql, db).ok());
            QTableView vistaNuova;
            vistaNuova.setFont(grande);
            vistaNuova.setModel(&nuovo);
            AdattaColonne(&vistaNuova);
            std::vector<int> attese;
            for (int c = 0; c < nuovo.columnCount(); ++c)
                attese.push_back(vistaNuova.columnWidth(c));
            EXPECT_EQ(grigliaSeguito.larghezze(), attese);
            for (int c = 0; c < nuovo.columnCount(); ++c) {
                const CelleLarghe& tenuta = seguito.celleLarghe(c, grande);
                const CelleLarghe& letta = nuovo.celleLarghe(c, grande);
                EXPECT_EQ(tenuta.scartata(), letta.scartata()) << c;
                ASSERT_EQ(tenuta.scelte().size(), letta.scelte().size()) << c;
                for (size_t i = 0; i < letta.scelte().size(); ++i) {
                    EXPECT_EQ(tenuta.scelte()[i].stima, letta.scelte()[i].stima) << c;
                    EXPECT_EQ(tenuta.scelte()[i].riga, letta.scelte()[i].riga) << c;
                }
            }
        }
        QSqlDatabase::removeDatabase(nome);
    }
}
