#include "file_real_tick.h"
#include "riga_importata_prova.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString Intestazione = QStringLiteral("a,b,c,d,Side,Qty,Symbol,Price,e,Account,f\r\n");

QString Linea(const QString& tipo, const QString& qta, const QString& cod, const QString& prezzo,
              const QString& system = QStringLiteral("WEB"))
{
    return QStringLiteral("0,1,2,3,%1,%2,%3,%4,8,%5,10").arg(tipo, qta, cod, prezzo, system);
}

TEST(FileRealTick, CasiDiLettura)
{
    const QString nome = QStringLiteral("/dati/trades20240315.csv");
    const QString d = QStringLiteral("2024-03-15");
    struct Caso {
        const char* nome;
        QString testo;
        QString percorso;
        std::vector<RigaImportata> attese;
        bool valido;
    };
    const Caso casi[] = {
        {"due righe con CR LF finale",
         Intestazione + Linea("Buy", "100", "ENI", "12.5") + "\r\n" + Linea("Sell", "40", "ENI", "13") + "\r\n",
         nome,
         {Riga(d, "Buy", 100, "ENI", 12.5), Riga(d, "Sell", 40, "ENI", 13)},
         true},
        {"ultima riga senza CR LF non letta",
         Intestazione + Linea("Buy", "100", "ENI", "12.5") + "\r\n" + Linea("Sell", "40", "ENI", "13"),
         nome,
         {Riga(d, "Buy", 100, "ENI", 12.5)},
         true},
        {"solo LF: una sola riga, l'intestazione", "h\n" + Linea("Buy", "1", "ENI", "1") + "\n", nome, {}, true},
        {"solo intestazione", Intestazione, nome, {}, true},
        {"10 campi: le righe prima restano",
         Intestazione + Linea("Buy", "5", "ENI", "2") + "\r\n0,1,2,3,Buy,5,ENI,2,8,WEB\r\n"
             + Linea("Buy", "7", "ENI", "2") + "\r\n",
         nome,
         {Riga(d, "Buy", 5, "ENI", 2)},
         false},
        {"12 campi: gli altri ignorati",
         Intestazione + Linea("Buy", "5", "ENI", "2") + ",11\r\n",
         nome,
         {Riga(d, "Buy", 5, "ENI", 2)},
         true},
        {"prezzo con la virgola sposta i campi",
         Intestazione + "0,1,2,3,Buy,5,ENI,12,5,8,WEB,10\r\n",
         nome,
         {Riga(d, "Buy", 5, "ENI", 12, "8")},
         true},
        {"prezzo intero",
         Intestazione + Linea("Sell", "3", "FIAT", "4") + "\r\n",
         nome,
         {Riga(d, "Sell", 3, "FIAT", 4)},
         true},
        {"quantita' zero", Intestazione + Linea("Buy", "0", "ENI", "4") + "\r\n", nome, {}, false},
        {"quantita' decimale", Intestazione + Linea("Buy", "1.5", "ENI", "4") + "\r\n", nome, {}, false},
        {"quantita' vuota", Intestazione + Linea("Buy", "", "ENI", "4") + "\r\n", nome, {}, false},
        {"quantita' oltre il massimo",
         Intestazione + Linea("Buy", "1000000000000000", "ENI", "4") + "\r\n",
         nome,
         {},
         false},
        {"prezzo enorme", Intestazione + Linea("Buy", "3", "ENI", QString(400, '9')) + "\r\n", nome, {}, false},
        {"prezzo zero", Intestazione + Linea("Buy", "3", "ENI", "0") + "\r\n", nome, {}, false},
        {"prezzo con lettere", Intestazione + Linea("Buy", "3", "ENI", "4x") + "\r\n", nome, {}, false},
        {"prezzo negativo", Intestazione + Linea("Buy", "3", "ENI", "-4") + "\r\n", nome, {}, false},
        {"riga vuota in mezzo",
         Intestazione + Linea("Buy", "3", "ENI", "4") + "\r\n\r\n" + Linea("Buy", "3", "ENI", "4") + "\r\n",
         nome,
         {Riga(d, "Buy", 3, "ENI", 4)},
         false},
        {"apice nel codice resta com'e'",
         Intestazione + Linea("Buy", "3", "L'OR", "4", "W'B") + "\r\n",
         nome,
         {Riga(d, "Buy", 3, "L'OR", 4, "W'B")},
         true},
        {"nome senza data", Intestazione + Linea("Buy", "3", "ENI", "4") + "\r\n", "/dati/trades.csv", {}, false},
        {"nome con data impossibile",
         Intestazione + Linea("Buy", "3", "ENI", "4") + "\r\n",
         "/dati/x20240231.csv",
         {},
         false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const LetturaRealTick l = AnalizzaRealTick(c.testo.toUtf8(), c.percorso);
        EXPECT_EQ(l.valido, c.valido);
        ASSERT_EQ(l.righe.size(), c.attese.size());
        for (std::size_t i = 0; i < c.attese.size(); ++i)
            EXPECT_EQ(l.righe[i], c.attese[i]) << "riga " << i;
    }
}

TEST(FileRealTick, FileVuotoOMancanteNonValido)
{
    QTemporaryDir dir;
    const QString vuoto = dir.filePath(QStringLiteral("v20240101.csv"));
    QFile f(vuoto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(LeggiFileRealTick(vuoto).valido);
    EXPECT_FALSE(LeggiFileRealTick(dir.filePath(QStringLiteral("manca20240101.csv"))).valido);
}

TEST(FileRealTick, DueFileConLeLoroDate)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("rt20240102.csv"));
    const QString b = dir.filePath(QStringLiteral("rt20231229.csv"));
    for (const auto& [percorso, cod] : {std::pair{a, QStringLiteral("ENI")}, std::pair{b, QStringLiteral("TIT")}}) {
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((Intestazione + Linea("Buy", "1", cod, "1.25") + "\r\n").toUtf8());
    }
    const LetturaRealTick la = LeggiFileRealTick(a);
    const LetturaRealTick lb = LeggiFileRealTick(b);
    ASSERT_EQ(la.righe.size(), 1u);
    ASSERT_EQ(lb.righe.size(), 1u);
    EXPECT_EQ(la.righe[0].Data, "2024-01-02");
    EXPECT_EQ(lb.righe[0].Data, "2023-12-29");
    EXPECT_EQ(la.righe[0].Titolo, "ND");
}

} // namespace
