// Texts kept across the rows of a long reading read as each row's own text.
#include "testi_ripetuti.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

TEST(TestiRipetuti, EveryRowReadsItsOwnText)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "testi-ripetuti");
        db.setDatabaseName(":memory:");
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE T (Testo TEXT)"));
        ASSERT_TRUE(q.prepare("INSERT INTO T VALUES (?)"));
        // Runs of one text, codes coming back, more names than are kept, NULL and '' apart.
        QVariantList valori;
        for (int i = 0; i < 6000; ++i) {
            if (i % 7 == 0)
                valori << QVariant(QMetaType::fromType<QString>());
            else if (i % 11 == 0)
                valori << QString("");
            else if (i % 3 == 0)
                valori << QString("Titolo %1 è").arg(i);
            else
                valori << QString("T%1").arg(i % 97);
            valori << valori.back();
        }
        q.addBindValue(valori);
        ASSERT_TRUE(q.execBatch());

        IstruzioneSqlite s(ManigliaSqlite(db), "SELECT Testo FROM T ORDER BY rowid");
        TestiRipetuti testi;
        int righe = 0;
        while (s.Riga()) {
            const QString atteso = s.Testo(0);
            const QString letto = testi.Testo(s, 0);
            ASSERT_EQ(letto, atteso) << righe;
            ASSERT_EQ(letto.isNull(), atteso.isNull()) << righe;
            ++righe;
        }
        EXPECT_TRUE(s.ok());
        EXPECT_EQ(righe, 12000);
    }
    QSqlDatabase::removeDatabase("testi-ripetuti");
}
