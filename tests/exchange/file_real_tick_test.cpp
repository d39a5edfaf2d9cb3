#include "file_real_tick.h"
#include "riga_importata_prova.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <string>

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

TEST(FileRealTick, NumeriComeLetteraliSql)
{
    const QString nome = QStringLiteral("/dati/trades20240315.csv");
    struct Caso {
        const char* qta;
        const char* prezzo;
        std::optional<qint64> qtaLetta; // none: the line is refused
        double prezzoLetto = 0;
    };
    const Caso casi[] = {
        {"5", "2", 5, 2},
        {" 5", "2", 5, 2},
        {"5 ", " 2 ", 5, 2},
        {"\t5", "2\t", 5, 2},
        {"1e1", "2", 10, 2},
        {"1E+1", "2", 10, 2},
        {"5.", "2.", 5, 2},
        {"5.0", "2", 5, 2},
        {"5", ".5", 5, 0.5},
        {"5", "2.5E-1", 5, 0.25},
        {"5", "1e1", 5, 10},
        {"999999999999999", "2", 999999999999999, 2},
        // Refused, as before: a sign, a zero, text, and a quantity that is not whole.
        {"-5", "2", std::nullopt},
        {"5", "-2", std::nullopt},
        {"+5", "2", std::nullopt},
        {"0", "2", std::nullopt},
        {"0.0", "2", std::nullopt},
        {"5", "0", std::nullopt},
        {"5", "0e5", std::nullopt},
        {".5", "2", std::nullopt},
        {"1.5", "2", std::nullopt},
        {"1e15", "2", std::nullopt},
        {"5", "1e400", std::nullopt},
        {"abc", "2", std::nullopt},
        {"5", "2x", std::nullopt},
        {"5", ".", std::nullopt},
        {"5", "e1", std::nullopt},
        {"5", "1e", std::nullopt},
        {"5", "1 5", std::nullopt},
        {"5", "0x10", std::nullopt},
        {"", "2", std::nullopt},
        {"5", " ", std::nullopt},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string("Qta \"") + c.qta + "\", Prezzo \"" + c.prezzo + "\"");
        const QString testo = Intestazione + Linea("Buy", c.qta, "ENI", c.prezzo) + "\r\n";
        const LetturaRealTick l = AnalizzaRealTick(testo.toUtf8(), nome);
        EXPECT_EQ(l.valido, c.qtaLetta.has_value());
        if (!c.qtaLetta) {
            EXPECT_TRUE(l.righe.empty());
            continue;
        }
        EXPECT_EQ(l.righe.size(), 1u);
        if (l.righe.size() != 1)
            continue;
        EXPECT_EQ(l.righe[0].Qta, *c.qtaLetta);
        EXPECT_EQ(l.righe[0].Prezzo, c.prezzoLetto);
    }
}

// A line the commit could not store as the trade it stands for is refused, and the message
// names the file and the line; the lines before it stay.
TEST(FileRealTick, RigheRifiutateConIlLoroMotivo)
{
    const QString nome = QStringLiteral("/dati/trades20240315.csv");
    const QString nul(QChar(0));
    struct Caso {
        QString tipo, qta, cod, prezzo, system;
        const char* motivo; // nullptr: the line is read
    };
    const QString B = QStringLiteral("Buy"), W = QStringLiteral("WEB"), E = QStringLiteral("ENI");
    const Caso casi[] = {
        // The side: BUY or SELL in any case, and nothing else.
        {"buy", "5", E, "2", W, nullptr},
        {"SELL", "5", E, "2", W, nullptr},
        {"sElL", "5", E, "2", W, nullptr},
        {B + nul, "5", E, "2", W, "il tipo non è BUY né SELL"},
        {" Buy", "5", E, "2", W, "il tipo non è BUY né SELL"},
        {"Sell ", "5", E, "2", W, "il tipo non è BUY né SELL"},
        {"Buy\r", "5", E, "2", W, "il tipo non è BUY né SELL"},
        {"Short", "5", E, "2", W, "il tipo non è BUY né SELL"},
        {"", "5", E, "2", W, "il tipo non è BUY né SELL"},
        {QStringLiteral("\u017FELL"), "5", E, "2", W, "il tipo non è BUY né SELL"}, // upper-cases to SELL
        // Price and amount as the commit writes them: finite and above 0.
        {B, "1", E, "1e308", W, "il prezzo è troppo grande"},
        {B, "10000000000", E, "1e300", W, "l'importo è troppo grande"},
        {B, "1", E, "0.00000001", W, "il prezzo arrotondato a 4 decimali è 0"},
        {B, "1000", E, "0.00004", W, "il prezzo arrotondato a 4 decimali è 0"},
        {B, "1", E, "0.0001", W, "l'importo arrotondato a 1 decimale è 0"},
        {B, "1", E, "0.05", W, "l'importo arrotondato a 1 decimale è 0"}, // half to even
        {B, "1", E, "0.06", W, nullptr},
        {B, "1000", E, "0.00005001", W, nullptr},
        // Control, format and separator characters in code or system.
        {B, "5", "EN" + nul + "I", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", "EN\rI", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", "EN\nI", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", "EN\tI", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", "EN\x1BI", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", "ENI\x7F", "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("ENI\u0085"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("\u202EINE"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("\u2066ENI\u2069"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("EN\u200BI"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("\uFEFFENI"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("ENI\u2028"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("ENI\uFFFF"), "2", W, "il codice contiene caratteri di controllo"},
        {B, "5", QStringLiteral("ENI") + QString::fromUcs4(U"\U000E0001"), "2", W,
         "il codice contiene caratteri di controllo"},
        {B, "5", E, "2", "W" + nul, "il sistema contiene caratteri di controllo"},
        {B, "5", E, "2", QStringLiteral("W\u202EB"), "il sistema contiene caratteri di controllo"},
        {B, "5", QStringLiteral("CAFÈ") + QString::fromUcs4(U"\U0001F600"), "2", QStringLiteral("Sà"), nullptr},
        // What a spreadsheet would read as a formula.
        {B, "5", "=1+2", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", "=cmd|' /C calc'!A0", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", "=HYPERLINK(\"http://x\")", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", "+1", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", "-1", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", "@SUM(A1)", "2", W, "il codice comincia con =, +, - o @"},
        {B, "5", E, "2", "=1", "il sistema comincia con =, +, - o @"},
        {B, "5", E, "2", "-W", "il sistema comincia con =, +, - o @"},
        {B, "5", "A=B", "2", "W+", nullptr},
        {B, "5", "ENI-B", "2", "W@B", nullptr},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(("[" + c.tipo + "|" + c.qta + "|" + c.cod + "|" + c.prezzo + "|" + c.system + "]").toStdString());
        const QString testo = Intestazione + Linea("Buy", "1", "TIT", "3") + "\r\n"
            + Linea(c.tipo, c.qta, c.cod, c.prezzo, c.system) + "\r\n";
        const LetturaRealTick l = AnalizzaRealTick(testo.toUtf8(), nome);
        if (!c.motivo) {
            EXPECT_TRUE(l.valido) << l.messaggio.toStdString();
            ASSERT_EQ(l.righe.size(), 2u);
            EXPECT_EQ(l.righe[1].Tipo, c.tipo);
            EXPECT_EQ(l.righe[1].Cod, c.cod);
            EXPECT_EQ(l.righe[1].System, c.system);
            continue;
        }
        EXPECT_FALSE(l.valido);
        ASSERT_EQ(l.righe.size(), 1u);
        EXPECT_EQ(l.righe[0].Cod, "TIT");
        EXPECT_EQ(l.messaggio, QStringLiteral("file di Real Tick non valido: i dati non contengono valori validi "
                                              "(trades20240315.csv, riga 3: %1).")
                                   .arg(QString::fromUtf8(c.motivo)));
    }
}

// Each way a line can fail names it the same way.
TEST(FileRealTick, OgniRigaRifiutataNominata)
{
    const QString nome = QStringLiteral("/dati/rt20240315.csv");
    const std::pair<QString, const char*> casi[] = {
        {"0,1,2,3,Buy,5,ENI,2,8,WEB\r\n", "ha meno di 11 campi"},
        {"\r\n", "ha meno di 11 campi"},
        {Linea("Buy", "0", "ENI", "2") + "\r\n", "la quantità non è un numero intero da 1 a 999999999999999"},
        {Linea("Buy", "5", "ENI", "-2") + "\r\n", "il prezzo non è un numero positivo"},
        // A byte code page 1252 leaves undefined reads as a control character.
        {QString::fromLatin1("0,1,2,3,Buy,5,A\x81" "B,2,8,WEB,10\r\n"), "il codice contiene caratteri di controllo"},
    };
    for (const auto& [linea, motivo] : casi) {
        SCOPED_TRACE(motivo);
        QByteArray testo = (Intestazione + Linea("Buy", "1", "ENI", "1") + "\r\n" + Linea("Buy", "1", "ENI", "1")
                            + "\r\n").toUtf8();
        testo += linea.startsWith(QLatin1String("0,1,2,3,Buy,5,A")) ? linea.toLatin1() : linea.toUtf8();
        const LetturaRealTick l = AnalizzaRealTick(testo, nome);
        EXPECT_FALSE(l.valido);
        EXPECT_EQ(l.righe.size(), 2u);
        EXPECT_EQ(l.messaggio, QStringLiteral("file di Real Tick non valido: i dati non contengono valori validi "
                                              "(rt20240315.csv, riga 4: %1).")
                                   .arg(QString::fromUtf8(motivo)));
    }
}

TEST(FileRealTick, CodicePagina1252SeNonEUtf8)
{
    const QString nome = QStringLiteral("/dati/trades20240315.csv");
    const QByteArray intestazione = Intestazione.toUtf8();
    auto linea = [](const QByteArray& cod, const QByteArray& system) {
        return "0,1,2,3,Buy,5," + cod + ",2,8," + system + ",10\r\n";
    };
    struct Caso {
        const char* nome;
        QByteArray testo;
        QString cod, system;
    };
    const Caso casi[] = {
        {"code page 1252: ’ and €", intestazione + linea("L\x92OR", "EUR\x80"), QStringLiteral("L’OR"),
         QStringLiteral("EUR€")},
        {"code page 1252: accents", intestazione + linea("CAF\xc8", "S\xe0"), QStringLiteral("CAFÈ"),
         QStringLiteral("Sà")},
        // In a field that is not stored: as a code it would be a control character.
        {"code page 1252: a byte it leaves undefined",
         intestazione + "0,1,2,3,Buy,5,CAF\xc8,2,\x81,WEB,10\r\n", QStringLiteral("CAFÈ"), QStringLiteral("WEB")},
        {"UTF-8 stays UTF-8", intestazione + linea("L\xe2\x80\x99OR", "EUR\xe2\x82\xac"), QStringLiteral("L’OR"),
         QStringLiteral("EUR€")},
        {"UTF-8 with a byte-order mark", "\xef\xbb\xbf" + intestazione + linea("L\xe2\x80\x99OR", "CAF\xc3\x88"),
         QStringLiteral("L’OR"), QStringLiteral("CAFÈ")},
        {"plain ASCII", intestazione + linea("ENI", "WEB"), QStringLiteral("ENI"), QStringLiteral("WEB")},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const LetturaRealTick l = AnalizzaRealTick(c.testo, nome);
        EXPECT_TRUE(l.valido);
        EXPECT_EQ(l.righe.size(), 1u);
        if (l.righe.size() != 1)
            continue;
        EXPECT_EQ(l.righe[0].Cod, c.cod);
        EXPECT_EQ(l.righe[0].System, c.system);
    }
}

TEST(FileRealTick, FileTroppoGrandeRifiutatoSenzaLeggerlo)
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("grande20240101.csv"));
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.write((Intestazione + Linea("Buy", "1", "ENI", "1") + "\r\n").toUtf8()) > 0);
    // Sparse: the size is there, the disk blocks are not.
    ASSERT_TRUE(f.resize(DimensioneMassimaRealTick + 1));
    f.close();
    const LetturaRealTick l = LeggiFileRealTick(percorso);
    EXPECT_FALSE(l.valido);
    EXPECT_TRUE(l.righe.empty());
    EXPECT_EQ(l.messaggio,
              QStringLiteral("Il file grande20240101.csv è troppo grande per essere un file di Real Tick: "
                             "supera i 256 MB."));
}

TEST(FileRealTick, FileVuotoOMancanteNonValido)
{
    QTemporaryDir dir;
    const QString vuoto = dir.filePath(QStringLiteral("v20240101.csv"));
    QFile f(vuoto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(LeggiFileRealTick(vuoto).valido);
    EXPECT_EQ(LeggiFileRealTick(vuoto).messaggio, MessaggioRealTickNonValido);
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
