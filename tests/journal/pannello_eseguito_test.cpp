#include "pannello_eseguito.h"

#include <gtest/gtest.h>

using eseguiti::DatiPannello;
using eseguiti::LeggiNumeri;
using eseguiti::LeggiPannello;
using eseguiti::LetturaPannello;

namespace {

const QDate Giorno(2024, 4, 1);

DatiPannello Pannello(const QString& qta, const QString& prezzo, const QString& errore = QStringLiteral("NE"),
                      const QString& ottimale = QString())
{
    return {Giorno, "Buy", "WEB", "ENI", "Eni", qta, prezzo, errore, ottimale};
}

} // namespace

// The whole message of each refusal, and the first fault in the panel's order wins.
TEST(LeggiPannello, RefusesWithTheMessageOfTheFirstFault)
{
    struct Caso {
        const char* nome;
        DatiPannello dati;
        QString messaggio;
    };
    const QString quantita = QStringLiteral("La quantità deve essere un numero intero da 1 a 999999999999999.");
    const Caso casi[] = {
        {"no date", {QDate(), "Buy", "WEB", "ENI", "Eni", "x", "x", "", ""}, "La data dell'eseguito non è valida."},
        {"type",
         {Giorno, "BUY", "WEB", "ENI", "Eni", "10", "12", "NE", ""},
         "Il tipo dell'eseguito deve essere Buy o Sell."},
        {"system empty", {Giorno, "Buy", " ", "", "Eni", "x", "12", "NE", ""}, "Indicare il sistema."},
        {"code quote",
         {Giorno, "Buy", "WEB", "EN'I", "Eni", "x", "12", "NE", ""},
         "Il testo \"EN'I\" non può contenere apici."},
        {"name control",
         {Giorno, "Buy", "WEB", "ENI", "E\tni", "x", "12", "NE", ""},
         "Il nome del titolo non può contenere caratteri di controllo."},
        {"formula",
         {Giorno, "Buy", "WEB", "ENI", "=Eni", "x", "12", "NE", ""},
         "Il testo \"=Eni\" non può cominciare con =, +, - o @."},
        {"quantity before price", Pannello("1,5", "x"), quantita},
        {"quantity 0", Pannello("0", "12"), quantita},
        {"quantity past the largest", Pannello("1000000000000000", "12"), quantita},
        {"quantity in exponent form", Pannello("1E+20", "12"), quantita},
        {"price", Pannello("10", "12.5"),
         "Il prezzo \"12.5\" non è un numero valido: scrivere solo cifre, con la "
         "virgola per i decimali (per esempio 12,5)."},
        {"price 0", Pannello("10", "0,00"), "Il prezzo deve essere maggiore di zero."},
        {"amount", Pannello("10000", "1E+305"), "L'importo (quantità per prezzo) è troppo grande."},
        {"optimal price", Pannello("10", "12", "", "1.5"),
         "Il prezzo ottimale \"1.5\" non è un numero valido: scrivere solo cifre, con la virgola per i decimali "
         "(per esempio 12,5)."},
        {"optimal price 0", Pannello("10", "12", "EA", "0"), "Il prezzo ottimale deve essere maggiore di zero."},
        {"error code empty", Pannello("10", "12", ""), "Indicare il codice errore (NE se l'operazione non ha errori)."},
        {"error code quote", Pannello("10", "12", "E'"), "Il codice errore non può contenere apici."},
        {"error code long", Pannello("10", "12", "EAX"),
         "Il codice errore \"EAX\" è troppo lungo: al massimo 2 caratteri."},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const LetturaPannello letto = LeggiPannello(k.dati);
        EXPECT_FALSE(letto.eseguito.has_value());
        EXPECT_EQ(letto.rifiuto, k.messaggio);
    }
}

TEST(LeggiPannello, ReadsTheNumbersAsTypedAndAsThePanelShowsThem)
{
    struct Caso {
        const char* nome;
        DatiPannello dati;
        qint64 qta;
        double prezzo, importo, ottimale;
    };
    const Caso casi[] = {
        {"typed", Pannello("100", "12,5"), 100, 12.5, 1250, 12.5},
        {"optimal price of its own", Pannello("100", "12,5", "EA", "12,25"), 100, 12.5, 1250, 12.25},
        {"exponent forms", Pannello("2", "3E+20", "EA", "1,5E-07"), 2, 3e20, 6e20, 1.5e-7},
        {"largest quantity", Pannello("999999999999999", "1"), 999999999999999, 1, 999999999999999, 1},
        // Not rounded here: rounding belongs to the change of a stored trade.
        {"five decimals", Pannello("3", "1,00005"), 3, 1.00005, 3 * 1.00005, 1.00005},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const LetturaPannello letto = LeggiPannello(k.dati);
        ASSERT_TRUE(letto.eseguito.has_value()) << letto.rifiuto.toStdString();
        EXPECT_EQ(letto.rifiuto, QString());
        const eseguiti::EseguitoPannello& e = *letto.eseguito;
        EXPECT_EQ(e.Data, Giorno);
        EXPECT_EQ(e.Tipo, "Buy");
        EXPECT_EQ(e.System, "WEB");
        EXPECT_EQ(e.Cod, "ENI");
        EXPECT_EQ(e.Titolo, "Eni");
        EXPECT_EQ(e.Errore, k.dati.Errore);
        EXPECT_EQ(e.Qta, k.qta);
        EXPECT_EQ(e.Prezzo, k.prezzo);
        EXPECT_EQ(e.Importo, k.importo);
        EXPECT_EQ(e.PrezzoOttimale, k.ottimale);
    }
}

// What the amount beside the price shows: any two numbers, even of a trade that would be refused.
TEST(LeggiNumeri, ReadsEachNumberWhateverTheRestHolds)
{
    const eseguiti::NumeriPannello n = LeggiNumeri({QDate(), "", "", "", "", "1,5", "-50", "", "abc"});
    EXPECT_EQ(n.Qta, 1.5);
    EXPECT_EQ(n.Prezzo, -50.0);
    EXPECT_FALSE(n.PrezzoOttimale.has_value());
    EXPECT_FALSE(LeggiNumeri(Pannello("", "12")).Qta.has_value());
}
