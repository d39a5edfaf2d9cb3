// The table readers: every column lands in its field, empty cells stay empty, rows come in
// the order each reader promises, and a failed read says so instead of giving no rows.
#include "cartella_prova.h"
#include "semina_eseguiti.h"
#include "tabella_conto.h"
#include "tabella_eseguiti.h"
#include "tabella_operazioni_chiuse.h"
#include "tabella_portafoglio.h"

#include <gtest/gtest.h>
#include <QSqlQuery>
#include <QStringList>

namespace {

struct Portafoglio : ::testing::Test {
    CartellaProva cartella;
    QSqlDatabase db = cartella.apri(cartella.nuovoPortafoglio(QStringLiteral("letture.gvf")));
};

TEST_F(Portafoglio, EseguitiInReplayOrderAndByKey)
{
    RigaEseguito vendita = RigaDiProva("2024-03-02", "Sell", "WEB", "ENI", "Eni", 5, 12.5, "E1");
    vendita.PrezzoOttimale = 12;
    RigaEseguito acquisto = RigaDiProva("2024-03-01", "Buy", "WEB", "ENI", "Eni", 10, 10);
    acquisto.PrezzoOttimale.reset();
    ASSERT_TRUE(SeminaEseguiti(db, {vendita, acquisto}).esito.ok());

    const auto perData = LeggiEseguiti(db);
    ASSERT_TRUE(perData.ok()) << perData.errore.toStdString();
    ASSERT_EQ(perData.righe.size(), 2u);
    EXPECT_EQ(perData.righe[0].ID, 2);
    EXPECT_EQ(perData.righe[0].Data, "2024-03-01");
    EXPECT_FALSE(perData.righe[0].PrezzoOttimale.has_value());
    const RigaEseguito atteso{1, "2024-03-02", "Sell", "WEB", "ENI", "Eni", 5, 12.5, 62.5, "E1", 12.0};
    EXPECT_EQ(perData.righe[1], atteso);

    const auto perId = LeggiEseguiti(db, OrdineEseguiti::PerId);
    ASSERT_EQ(perId.righe.size(), 2u);
    EXPECT_EQ(perId.righe[0].ID, 1);

    // The error statistics' reader: insertion order, only what they use.
    Lettura<RigaEseguito> errori;
    errori.errore = PercorriErroriEseguiti(db, [&](const RigaEseguito& r) { errori.righe.push_back(r); });
    ASSERT_TRUE(errori.ok()) << errori.errore.toStdString();
    ASSERT_EQ(errori.righe.size(), 2u);
    EXPECT_EQ(errori.righe[0], (RigaEseguito{1, "", "", "", "", "", 5, 12.5, 0, "E1", 12.0}));
    EXPECT_EQ(errori.righe[1], (RigaEseguito{2, "", "", "", "", "", 10, 10, 0, "NE", std::nullopt}));
}

// A long table in every arrangement of dates and keys comes by date, then key, as SQLite orders
// them (an empty and a missing date first), each row whole, from each of the three tables.
TEST_F(Portafoglio, EseguitiByDateAndKeyInAnyStoredOrder)
{
    CartellaProva::esegui(db, "BEGIN");
    for (int i = 0; i < 600; ++i) {
        const int id = 1 + (i * 7919) % 600; // keys stored out of their order
        const QString data = i % 97 == 5 ? QStringLiteral("NULL")
            : i % 89 == 3                ? QStringLiteral("''")
                          : QStringLiteral("'2024-%1-01'").arg(1 + (i * 31) % 12, 2, 10, QLatin1Char('0'));
        for (const char* tabella : {"Eseguiti", "EseguitiTemp", "EseguitiBackup"})
            CartellaProva::esegui(db,
                                  QStringLiteral("INSERT INTO %1 (ID, Data, Tipo, Cod, Titolo, Qta, Prezzo, Errore) "
                                                 "VALUES (%2, %3, 'Buy', 'C%4', 'Titolo %4', %2, %4.5, 'E%5')")
                                      .arg(QLatin1String(tabella))
                                      .arg(id)
                                      .arg(data)
                                      .arg(i % 13)
                                      .arg(i % 3));
    }
    CartellaProva::esegui(db, "COMMIT");
    for (const QString tabella :
         {QStringLiteral("Eseguiti"), QStringLiteral("EseguitiTemp"), QStringLiteral("EseguitiBackup")}) {
        SCOPED_TRACE(tabella.toStdString());
        QStringList attese;
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT ID || '|' || ifnull(Data, '') || '|' || Cod || '|' || Titolo || '|' "
                                          "|| Qta || '|' || Errore FROM %1 ORDER BY Data, ID")
                               .arg(tabella)));
        while (q.next())
            attese << q.value(0).toString();
        const auto lette = LeggiEseguiti(db, OrdineEseguiti::PerDataEId, tabella);
        ASSERT_TRUE(lette.ok()) << lette.errore.toStdString();
        QStringList ottenute;
        for (const RigaEseguito& r : lette.righe)
            ottenute
                << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(r.ID).arg(r.Data, r.Cod, r.Titolo).arg(r.Qta).arg(r.Errore);
        ASSERT_EQ(attese.size(), 600);
        EXPECT_EQ(ottenute, attese);
    }
}

TEST_F(Portafoglio, SnapshotTablesOnlyByName)
{
    CartellaProva::esegui(db, "INSERT INTO EseguitiTemp (ID, Data, Qta) VALUES (7, '2024-01-01', 3)");
    const auto temp = LeggiEseguiti(db, OrdineEseguiti::PerId, QStringLiteral("EseguitiTemp"));
    ASSERT_EQ(temp.righe.size(), 1u);
    EXPECT_EQ(temp.righe[0].ID, 7);
    EXPECT_EQ(temp.righe[0].Tipo, "");

    const auto altra = LeggiEseguiti(db, OrdineEseguiti::PerId, QStringLiteral("Conto; DROP TABLE Conto"));
    EXPECT_FALSE(altra.ok());
    EXPECT_EQ(CartellaProva::valore(db, "SELECT COUNT(*) FROM sqlite_master WHERE name = 'Conto'").toInt(), 1);
}

TEST_F(Portafoglio, DerivedTablesInInsertionOrder)
{
    CartellaProva::esegui(db, "INSERT INTO Portafoglio VALUES ('WEB', 'ZZ', 'Ultimo', 1, 2.5, 2.5, 2.95)");
    CartellaProva::esegui(db, "INSERT INTO Portafoglio VALUES ('FIX', 'AA', 'Primo', 4, 1, 4, 9)");
    CartellaProva::esegui(db, "INSERT INTO OperazioniChiuse (Data, giornoDiSettimana, System, Cod, Titolo, PzoCarico, "
                              "Qta, Prezzo, GP, GPPercentuale, Commissioni) "
                              "VALUES ('2024-03-08', 6, 'WEB', 'ZZ', 'Z', 10, 5, 11, 5, 10, 5.9)");
    CartellaProva::esegui(db, "INSERT INTO OperazioniChiuse (Data, Cod) VALUES ('2024-03-01', 'AA')");

    const auto posizioni = LeggiPortafoglio(db);
    ASSERT_EQ(posizioni.righe.size(), 2u);
    EXPECT_EQ(posizioni.righe[0], (RigaPortafoglio{"WEB", "ZZ", "Ultimo", 1, 2.5, 2.5, 2.95}));
    EXPECT_EQ(posizioni.righe[1].Cod, "AA");

    const auto chiuse = LeggiOperazioniChiuse(db);
    ASSERT_EQ(chiuse.righe.size(), 2u);
    EXPECT_EQ(chiuse.righe[0].giornoDiSettimana, 6);
    EXPECT_DOUBLE_EQ(chiuse.righe[0].Commissioni, 5.9);
    EXPECT_EQ(chiuse.righe[1].Cod, "AA");
    EXPECT_FALSE(chiuse.righe[1].giornoDiSettimana.has_value());
    EXPECT_FALSE(chiuse.righe[1].PrezzoOttimale.has_value());

    // The statistics' reader: the same rows, without the security's texts and the error code.
    const auto figure = LeggiOperazioniChiuse(db, CampiChiuse::Figure);
    ASSERT_TRUE(figure.ok());
    ASSERT_EQ(figure.righe.size(), chiuse.righe.size());
    for (size_t i = 0; i < figure.righe.size(); ++i) {
        RigaOperazioneChiusa attesa = chiuse.righe[i];
        attesa.System = attesa.Cod = attesa.Titolo = attesa.Errore = QString();
        EXPECT_EQ(figure.righe[i], attesa) << i;
    }
}

TEST_F(Portafoglio, ContoByKeyOrByDate)
{
    CartellaProva::esegui(db, "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES ('2024-05-01', 'Prelievo', 20, '.')");
    CartellaProva::esegui(db, "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES ('2024-01-01', 'Versamento', 100, 'x')");
    EXPECT_EQ(LeggiConto(db).righe.at(0).Tipo, "Prelievo");
    const auto perData = LeggiConto(db, OrdineConto::PerDataEId);
    ASSERT_EQ(perData.righe.size(), 2u);
    EXPECT_EQ(perData.righe[0], (RigaConto{2, "2024-01-01", "Versamento", 100, "x"}));
}

TEST(Letture, AClosedConnectionIsAnError)
{
    const QSqlDatabase chiuso;
    for (const QString& errore : {LeggiEseguiti(chiuso).errore, PercorriErroriEseguiti(chiuso, [](const RigaEseguito&) {}),
                                  LeggiPortafoglio(chiuso).errore,
                                  LeggiOperazioniChiuse(chiuso).errore, LeggiConto(chiuso).errore})
        EXPECT_TRUE(errore.startsWith("Errore del database")) << errore.toStdString();
}

TEST_F(Portafoglio, AMissingTableIsAnErrorNotAnEmptyList)
{
    CartellaProva::esegui(db, "DROP TABLE OperazioniChiuse");
    const auto chiuse = LeggiOperazioniChiuse(db);
    EXPECT_FALSE(chiuse.ok());
    EXPECT_TRUE(chiuse.righe.empty());
}

} // namespace
