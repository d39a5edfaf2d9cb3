// The core of the start-up windows: the password kept in Settaggi, the tips drawn, the
// flags written, and the fade of the credits.
#include "cartella_prova.h"
#include "cifra_stringa.h"
#include "crediti.h"
#include "password.h"
#include "settaggi_avvio.h"

#include <gtest/gtest.h>
#include <QSqlQuery>

TEST(Password, OnlyTextsThatReadBackAreScrambled)
{
    for (const QString& p : {QString(""), QString("0"), QString("Abc"), QString("àéÿÿÿ ß"), QString(30, QChar(0xFF))}) {
        SCOPED_TRACE(p.toStdString());
        EXPECT_FALSE(CarattereNonAmmesso(p).has_value());
        for (int i = 0; i < 50; ++i) {
            const auto c = CifraPassword(p);
            ASSERT_TRUE(c.has_value());
            ASSERT_EQ(PasswordInChiaro(*c), p);
        }
    }
    // "ÿ" after a value of 255 comes back as NUL with a bare scramble: that is what the tries avoid.
    EXPECT_NE(CifraStringa("D", ChiavePassword, CifraConPrimoValore(ChiavePassword, QString(QChar(0xFF)), 255)),
              QString(QChar(0xFF)));

    for (const QString& p : {QString("a€"), QString("日本"), QString("x\ty")}) {
        SCOPED_TRACE(p.toStdString());
        EXPECT_TRUE(CarattereNonAmmesso(p).has_value());
        EXPECT_FALSE(CifraPassword(p).has_value());
    }
    EXPECT_EQ(CarattereNonAmmesso("ab€c"), std::optional<QChar>(QChar(0x20AC)));
}

TEST(Password, ReadAndWrittenInTheSettingsRow)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    auto letta = [&db] {
        const Lettura<QString> l = LeggiPwd(db);
        EXPECT_TRUE(l.ok()) << l.errore.toStdString();
        return l.ok() && l.righe.size() == 1 ? l.righe.front() : QStringLiteral("?");
    };
    ASSERT_EQ(PasswordInChiaro(letta()), "0");
    ASSERT_TRUE(ScriviPwd(db, *CifraPassword("it's")).ok());
    EXPECT_EQ(PasswordInChiaro(letta()), "it's");
    CartellaProva::esegui(db, "UPDATE Settaggi SET Pwd = NULL");
    EXPECT_EQ(letta(), "");
    CartellaProva::esegui(db, "DELETE FROM Settaggi");
    EXPECT_FALSE(LeggiPwd(db).ok());
}

TEST(Consigli, TheDrawCoversTheFirst120RowsOrTheRowsThereAre)
{
    const struct {
        double caso;
        int righe;
        int atteso;
    } casi[] = {
        {0.0, 130, 0},  {0.5, 130, 60}, {0.9999, 130, 119}, {0.9999, 120, 119}, {0.5, 3, 1},
        {0.9999, 3, 2}, {0.0, 1, 0},    {0.9999, 1, 0},     {0.5, 0, -1},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(testing::Message() << k.caso << " of " << k.righe);
        EXPECT_EQ(IndiceConsiglio(k.caso, k.righe), k.atteso);
    }

    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    const Lettura<QString> tutti = LeggiConsigli(db);
    ASSERT_TRUE(tutti.ok());
    EXPECT_EQ(tutti.righe.size(), 120u); // the shipped table holds more
    EXPECT_EQ(tutti.righe.front(),
              CartellaProva::valore(db, "SELECT Consiglio FROM Consiglio WHERE rowid = 1").toString());
    CartellaProva::esegui(db, "DELETE FROM Consiglio");
    CartellaProva::esegui(db, "INSERT INTO Consiglio VALUES ('uno'), ('due')");
    EXPECT_EQ(LeggiConsigli(db).righe, (std::vector<QString>{"uno", "due"}));
    CartellaProva::esegui(db, "DROP TABLE Consiglio");
    const Lettura<QString> nessuno = LeggiConsigli(db);
    EXPECT_FALSE(nessuno.ok());
    EXPECT_TRUE(nessuno.errore.startsWith("Impossibile leggere i consigli"));
}

TEST(Crediti, TheFadeIsFullAtMidHeightAndBlackAtTheEdges)
{
    const double H = 1935;
    const struct {
        const char* nome;
        double cima;
        std::optional<ColoreRgb> atteso;
    } casi[] = {
        {"top edge", 0, ColoreRgb{0, 0, 0}},
        {"mid-height", H / 2, ColoreRgb{50, 150, 255}},
        {"bottom edge", H, ColoreRgb{0, 0, 0}},
        // Half way: 127.5 goes to the even 128, 25 and 75 are exact.
        {"quarter from the top", H / 4, ColoreRgb{25, 75, 128}},
        {"quarter from the bottom", H * 3 / 4, ColoreRgb{25, 75, 128}},
        {"one twip below the top", 1, ColoreRgb{0, 0, 0}},
        {"mid-height, whole twip above", 967, ColoreRgb{50, 150, 255}},
        {"mid-height, whole twip below", 968, ColoreRgb{50, 150, 255}},
        {"above the area", -1, std::nullopt},
        {"below the area", H + 1, std::nullopt},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        EXPECT_EQ(ColoreCredito(k.cima, H), k.atteso);
    }
}

TEST(SettaggiAvvio, FlagsAreWrittenInOneRowAndOnlySwitchedOff)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    ImpostazioniVista v;
    v.Tip = 0;
    v.Benvenuto = 1;
    v.Clock = 0;
    v.Menu = 1;
    v.Icone32 = 0;
    v.IconeName = 1;
    ASSERT_TRUE(ScriviImpostazioniVista(db, v).ok());
    auto letti = LeggiImpostazioniVista(db).value();
    EXPECT_EQ(std::tie(letti.Tip, letti.Benvenuto, letti.Clock, letti.Menu, letti.Icone32, letti.IconeName),
              std::tie(v.Tip, v.Benvenuto, v.Clock, v.Menu, v.Icone32, v.IconeName));
    EXPECT_EQ(letti.ApriUltimo, "0");

    CartellaProva::esegui(db, "UPDATE Settaggi SET Tip = 1");
    ASSERT_TRUE(SpegniConsigliAllAvvio(db).ok());
    ASSERT_TRUE(SpegniBenvenutoAllAvvio(db).ok());
    letti = LeggiImpostazioniVista(db).value();
    EXPECT_EQ(letti.Tip, 0);
    EXPECT_EQ(letti.Benvenuto, 0);

    // A settings file that cannot be written says so.
    CartellaProva::esegui(
        db, "CREATE TEMP TRIGGER blocca BEFORE UPDATE ON Settaggi BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
    const Esito e = ScriviImpostazioniVista(db, v);
    EXPECT_TRUE(e.erroreDatabase());
    EXPECT_TRUE(e.messaggio.startsWith("Impossibile salvare le impostazioni"));
}
