// The one reader of the settings row, whose fields every subsystem takes.
#include "cartella_prova.h"
#include "tabella_settaggi.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

TEST(TabellaSettaggi, TheShippedRowReadsWhole)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    const Lettura<RigaSettaggi> l = LeggiRigaSettaggi(db);
    ASSERT_TRUE(l.ok()) << l.errore.toStdString();
    ASSERT_EQ(l.righe.size(), 1u);
    const RigaSettaggi& r = l.righe.front();
    EXPECT_EQ(r.CapitaleIniziale, 10000);
    EXPECT_EQ(r.CapitalGain, 26);
    EXPECT_EQ(r.SLMM, 300);
    EXPECT_EQ(r.SLP, 5);
    EXPECT_EQ(r.Pwd, "2A C");
    EXPECT_EQ(std::vector({r.Tip, r.Benvenuto, r.Clock, r.Menu, r.Icone32, r.IconeName}),
              std::vector({1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(r.ApriUltimo, "0");
}

TEST(TabellaSettaggi, OddValuesReadAsTheirDefaults)
{
    struct Caso {
        const char* nome;
        const char* sql;
        std::function<void(const RigaSettaggi&)> verifica;
    };
    const std::vector<Caso> casi = {
        {"numbers NULL or not a number have none", "UPDATE Settaggi SET CapitaleIniziale = NULL, SLMM = 'molti'",
         [](const RigaSettaggi& r) {
             EXPECT_FALSE(r.CapitaleIniziale);
             EXPECT_FALSE(r.SLMM);
             EXPECT_EQ(r.SLP, 5);
         }},
        {"a number written as text reads", "UPDATE Settaggi SET CapitalGain = '12.5'",
         [](const RigaSettaggi& r) { EXPECT_EQ(r.CapitalGain, 12.5); }},
        {"each flag from its own column",
         "UPDATE Settaggi SET Tip = 2, Benvenuto = 3, Clock = 4, Menu = 5, "
         "Icone32 = 6, IconeName = 7",
         [](const RigaSettaggi& r) {
             EXPECT_EQ(std::vector({r.Tip, r.Benvenuto, r.Clock, r.Menu, r.Icone32, r.IconeName}),
                       std::vector({2, 3, 4, 5, 6, 7}));
         }},
        {"NULL flags and password", "UPDATE Settaggi SET Clock = NULL, Pwd = NULL",
         [](const RigaSettaggi& r) {
             EXPECT_EQ(r.Clock, 0);
             EXPECT_EQ(r.Menu, 1);
             EXPECT_EQ(r.Pwd, "");
         }},
        {"no last portfolio", "UPDATE Settaggi SET ApriUltimo = NULL",
         [](const RigaSettaggi& r) { EXPECT_EQ(r.ApriUltimo, "0"); }},
        {"an empty last portfolio", "UPDATE Settaggi SET ApriUltimo = ''",
         [](const RigaSettaggi& r) { EXPECT_EQ(r.ApriUltimo, "0"); }},
        {"a last portfolio", "UPDATE Settaggi SET ApriUltimo = '/dati/l''anno.gvf'",
         [](const RigaSettaggi& r) { EXPECT_EQ(r.ApriUltimo, "/dati/l'anno.gvf"); }},
        {"the first of two rows counts",
         "INSERT INTO Settaggi (CapitalGain, Clock, ApriUltimo) VALUES (99, 0, '/altro.gvf')",
         [](const RigaSettaggi& r) {
             EXPECT_EQ(r.CapitalGain, 26);
             EXPECT_EQ(r.Clock, 1);
             EXPECT_EQ(r.ApriUltimo, "0");
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva c;
        QSqlDatabase db = c.apri(c.dataset());
        CartellaProva::esegui(db, QString::fromUtf8(k.sql));
        const Lettura<RigaSettaggi> l = LeggiRigaSettaggi(db);
        ASSERT_TRUE(l.ok()) << l.errore.toStdString();
        ASSERT_EQ(l.righe.size(), 1u);
        k.verifica(l.righe.front());
    }
}

TEST(TabellaSettaggi, AnEmptyTableHasNoRowAMissingOneIsAnError)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    CartellaProva::esegui(db, "DELETE FROM Settaggi");
    const Lettura<RigaSettaggi> vuota = LeggiRigaSettaggi(db);
    EXPECT_TRUE(vuota.ok());
    EXPECT_TRUE(vuota.righe.empty());
    CartellaProva::esegui(db, "DROP TABLE Settaggi");
    const Lettura<RigaSettaggi> senza = LeggiRigaSettaggi(db);
    EXPECT_FALSE(senza.ok());
    EXPECT_TRUE(senza.righe.empty());
    EXPECT_TRUE(senza.errore.contains("Settaggi")) << senza.errore.toStdString();
}

TEST(TabellaSettaggi, TheWriterPutsEachFieldInItsColumnAndKeepsWhatItIsToldTo)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    CartellaProva::esegui(db, "INSERT INTO Settaggi (CapitalGain, Clock) VALUES (99, 0)");
    using enum CampoSettaggi;
    ASSERT_EQ(ScriviRigaSettaggi(db, {{Tip, 2},
                                      {Benvenuto, 3},
                                      {Clock, 4},
                                      {Menu, 5},
                                      {Icone32, 6},
                                      {IconeName, 7},
                                      {Pwd, QStringLiteral("x'y")},
                                      {ApriUltimo, QStringLiteral("/dati/l'anno.gvf")},
                                      {CapitaleIniziale, QVariant(), true},
                                      {CapitalGain, 12.5, true},
                                      {SLMM, QVariant()}}),
              QString());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("SELECT Tip, Benvenuto, Clock, Menu, Icone32, IconeName, Pwd, ApriUltimo, "
                       "CapitaleIniziale, CapitalGain, SLMM, SLP FROM Settaggi ORDER BY rowid"));
    for (int riga = 0; riga < 2; ++riga) {
        SCOPED_TRACE(riga);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(std::vector({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                               q.value(4).toInt(), q.value(5).toInt()}),
                  std::vector({2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(q.value(6).toString(), "x'y");
        EXPECT_EQ(q.value(7).toString(), "/dati/l'anno.gvf");
        EXPECT_EQ(q.value(8).isNull(), riga == 1) << "a kept field keeps its stored value";
        EXPECT_EQ(q.value(9).toDouble(), 12.5);
        EXPECT_TRUE(q.value(10).isNull()) << "a written null is written";
        EXPECT_EQ(q.value(11).isNull(), riga == 1) << "a field not named is untouched";
    }
    q.finish();
    CartellaProva::esegui(db, "DROP TABLE Settaggi");
    EXPECT_FALSE(ScriviRigaSettaggi(db, {{Tip, 0}}).isEmpty()) << "a failed write says so";
}
