#include "ambiente_portafoglio.h"
#include "controllo_disponibilita.h"
#include "disponibilita_in_memoria.h"
#include "importa_eseguiti.h"
#include "riga_importata_prova.h"

#include <gtest/gtest.h>
#include <QSqlQuery>

namespace {

// Answers in order, and keeps what was asked.
struct Risposte {
    QList<bool> si;
    QStringList domande;

    DomandaImportazione domanda()
    {
        return [this](const QString& testo) {
            domande << testo;
            return si.isEmpty() ? false : si.takeFirst();
        };
    }
};

QVariant Sequenza(AmbientePortafoglio& a)
{
    return a.valore(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'Eseguiti'"));
}

TEST(ImportaEseguiti, SiTieneLaRigaNoLaTogliePerfinoLaChiave)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-01-02", "Buy", "ENI", "Eni", 100, 10});
    Risposte r;
    r.si = {true, false, true};
    const std::vector<RigaImportata> righe = {
        Riga("2024-01-03", "Sell", 150, "ENI", 11), // beyond the holding: Yes
        Riga("2024-01-03", "Sell", 10, "ENI", 11), // the accepted sell is reported again: No
        Riga("2024-01-04", "Buy", 5, "TIT", 1), // and again: Yes
    };
    const EsitoImportazione esito = ImportaEseguiti(a.stato.DbPortafoglio, righe, r.domanda());
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.importati, 2);
    EXPECT_EQ(esito.annullati, 1);
    const QString domanda = QStringLiteral("Errore nei dati ENI disponibili solo 100 pezzi importare comunque?");
    EXPECT_EQ(r.domande, QStringList({domanda, domanda, domanda}));

    const auto righeTabella = a.righe();
    ASSERT_EQ(righeTabella.size(), 3);
    // The undone row gave its key back: the next row took it.
    EXPECT_EQ(righeTabella[1][0].toLongLong(), 2);
    EXPECT_EQ(righeTabella[1][4].toString(), "ENI");
    EXPECT_EQ(righeTabella[2][0].toLongLong(), 3);
    EXPECT_EQ(righeTabella[2][4].toString(), "TIT");
}

// The import's check takes a position up to the largest quantity a trade may hold, and asks
// about the first piece past it.
TEST(ImportaEseguiti, PosizioneFinoAllaQuantitaMassimaENonOltre)
{
    constexpr qint64 M = 999'999'999'999'999;
    AmbientePortafoglio a;
    a.inserisci({"2024-01-02", "Buy", "BIG", "B", M - 1, 1});
    Risposte r;
    const std::vector<RigaImportata> righe = {
        Riga("2024-01-03", "Buy", 1, "BIG", 1), // exactly the largest: no question
        Riga("2024-01-04", "Buy", 1, "BIG", 1), // one past: asked, and undone
    };
    const EsitoImportazione esito = ImportaEseguiti(a.stato.DbPortafoglio, righe, r.domanda());
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.importati, 1);
    EXPECT_EQ(esito.annullati, 1);
    EXPECT_EQ(r.domande,
              QStringList(QStringLiteral("Errore nei dati L'eseguito con data \"04/01/2024\" e codice \"BIG\" non è "
                                         "valido: la quantità posseduta supererebbe 999999999999999 pezzi. Correggerlo "
                                         "o eliminarlo nella finestra Eseguiti. importare comunque?")));
    EXPECT_EQ(a.valore(QStringLiteral("SELECT SUM(Qta) FROM Eseguiti")).toLongLong(), M);
}

TEST(ImportaEseguiti, TuttiNoLasciaEseguitiComePrima)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-01-02", "Buy", "ENI", "Eni", 100, 10});
    const qint64 tolto = a.inserisci({"2024-01-05", "Buy", "TIT", "Tim", 10, 1});
    QSqlQuery q(a.stato.DbPortafoglio);
    ASSERT_TRUE(q.exec(QStringLiteral("DELETE FROM Eseguiti WHERE ID = %1").arg(tolto)));
    const auto prima = a.righe();
    const QVariant seqPrima = Sequenza(a);

    Risposte r;
    const EsitoImportazione esito = ImportaEseguiti(
        a.stato.DbPortafoglio, {Riga("2024-01-01", "Sell", 1, "ENI", 11), Riga("2024-01-03", "Sell", 500, "ENI", 11)},
        r.domanda());
    ASSERT_TRUE(esito.esito.ok());
    EXPECT_EQ(r.domande.size(), 2);
    EXPECT_EQ(r.domande.value(0),
              QStringLiteral("Errore nei dati ENI non e' in portafoglio in data: 01/01/2024 importare comunque?"));
    EXPECT_EQ(a.righe(), prima);
    EXPECT_EQ(Sequenza(a), seqPrima);
}

TEST(ImportaEseguiti, ImportoEPrezzoArrotondatiAllaPari)
{
    AmbientePortafoglio a;
    Risposte r;
    const EsitoImportazione esito
        = ImportaEseguiti(a.stato.DbPortafoglio,
                          {Riga("2024-02-01", "Buy", 1, "A", 0.25), Riga("2024-02-01", "Buy", 3, "B", 0.25),
                           Riga("2024-02-01", "Buy", 2, "C", 1.23456)},
                          r.domanda());
    ASSERT_TRUE(esito.esito.ok());
    EXPECT_TRUE(r.domande.isEmpty());
    const auto righe = a.righe();
    ASSERT_EQ(righe.size(), 3);
    struct Atteso {
        double importo, prezzo;
    };
    const Atteso attesi[] = {{0.2, 0.25}, {0.8, 0.25}, {2.5, 1.2346}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(righe[i][1].toString(), "2024-02-01");
        EXPECT_EQ(righe[i][5].toString(), "ND");
        EXPECT_DOUBLE_EQ(righe[i][8].toDouble(), attesi[i].importo);
        EXPECT_DOUBLE_EQ(righe[i][7].toDouble(), attesi[i].prezzo);
        EXPECT_EQ(righe[i][9].toString(), "NE");
        EXPECT_DOUBLE_EQ(righe[i][10].toDouble(), attesi[i].prezzo);
    }
}

TEST(ImportaEseguiti, ErroreDiIstruzioneFermaETieneLeRighePrima)
{
    AmbientePortafoglio a;
    QSqlQuery q(a.stato.DbPortafoglio);
    ASSERT_TRUE(q.exec(QStringLiteral("CREATE TEMP TRIGGER rifiuta BEFORE INSERT ON Eseguiti WHEN NEW.Cod = 'ROTTO' "
                                      "BEGIN SELECT RAISE(ABORT, 'rifiutato'); END")));
    Risposte r;
    const EsitoImportazione esito
        = ImportaEseguiti(a.stato.DbPortafoglio,
                          {Riga("2024-02-01", "Buy", 1, "A", 1), Riga("2024-02-01", "Buy", 1, "ROTTO", 1),
                           Riga("2024-02-01", "Buy", 1, "C", 1)},
                          r.domanda());
    EXPECT_TRUE(esito.esito.erroreDatabase());
    EXPECT_TRUE(esito.esito.messaggio.contains(QStringLiteral("riga 2"))) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.importati, 1);
    const auto righe = a.righe();
    ASSERT_EQ(righe.size(), 1);
    EXPECT_EQ(righe[0][4].toString(), "A");
    // Nothing stays open on the connection.
    EXPECT_TRUE(q.exec(QStringLiteral("BEGIN")));
    EXPECT_TRUE(q.exec(QStringLiteral("ROLLBACK")));
}

TEST(ImportaEseguiti, NienteDaImportareNonScrive)
{
    AmbientePortafoglio a;
    Risposte r;
    const EsitoImportazione esito = ImportaEseguiti(a.stato.DbPortafoglio, {}, r.domanda());
    EXPECT_TRUE(esito.esito.ok());
    EXPECT_EQ(a.conta(), 0);
}

// The check in memory says what the check on the table says, for the same history.
TEST(DisponibilitaInMemoria, ComeIlControlloSullaTabella)
{
    struct Caso {
        const char* nome;
        std::vector<Eseguito> storia;
    };
    const Caso casi[] = {
        {"vuota", {}},
        {"coperta", {{"2024-01-02", "Buy", "A", "a", 10, 1}, {"2024-01-03", "Sell", "A", "a", 10, 1}}},
        {"mai posseduto", {{"2024-01-02", "Buy", "A", "a", 10, 1}, {"2024-01-03", "Sell", "B", "b", 1, 1}}},
        {"venduto tutto e poi ancora",
         {{"2024-01-02", "Buy", "A", "a", 10, 1},
          {"2024-01-03", "Sell", "A", "a", 10, 1},
          {"2024-01-04", "Sell", "A", "a", 1, 1}}},
        {"stesso giorno: vendita inserita prima dell'acquisto",
         {{"2024-01-02", "Sell", "A", "a", 5, 1}, {"2024-01-02", "Buy", "A", "a", 5, 1}}},
        {"date fuori ordine di chiave",
         {{"2024-03-01", "Sell", "A", "a", 5, 1}, {"2024-01-01", "Buy", "A", "a", 3, 1}}},
        {"data non valida", {{"2024-02-30", "Buy", "A", "a", 3, 1}}},
        {"quantita' negativa", {{"2024-01-01", "Buy", "A", "a", 3, 1}, {"2024-01-02", "Sell", "A", "a", -2, 1}}},
        {"posseduta oltre il massimo",
         {{"2024-01-01", "Buy", "A", "a", 999'999'999'999'999, 1}, {"2024-01-02", "Buy", "A", "a", 1, 1}}},
        {"tipo in maiuscolo e minuscolo",
         {{"2024-01-01", "bUy", "A", "a", 3, 1},
          {"2024-01-02", "SELL", "A", "a", 2, 1},
          {"2024-01-03", "qualsiasi", "A", "a", 2, 1}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        AmbientePortafoglio a;
        for (const Eseguito& e : c.storia)
            a.inserisci(e);
        const auto storia = LeggiEseguiti(a.stato.DbPortafoglio);
        ASSERT_TRUE(storia.ok());
        const Esito memoria = DisponibilitaInMemoria(storia.righe).verifica();
        const Esito tabella = VerificaDisponibilita(a.stato.DbPortafoglio);
        EXPECT_EQ(memoria.tipo, tabella.tipo);
        EXPECT_EQ(memoria.messaggio, tabella.messaggio);
    }
}

TEST(DisponibilitaInMemoria, UnaRigaAggiuntaVaAlSuoPostoETolta)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-01-02", "Buy", "A", "a", 10, 1});
    a.inserisci({"2024-01-05", "Sell", "A", "a", 10, 1});
    const auto storia = LeggiEseguiti(a.stato.DbPortafoglio);
    ASSERT_TRUE(storia.ok());
    DisponibilitaInMemoria d(storia.righe);
    // A sell dated before the existing sell takes pieces from it.
    d.aggiungi(3, QStringLiteral("2024-01-03"), QStringLiteral("Sell"), QStringLiteral("A"), 4);
    EXPECT_EQ(d.verifica().messaggio, QStringLiteral("A disponibili solo 6 pezzi"));
    d.togli(3);
    EXPECT_TRUE(d.verifica().ok());
}

} // namespace
