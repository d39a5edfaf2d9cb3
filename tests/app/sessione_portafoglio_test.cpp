// The portfolio session driven on its own, with a stand-in for the main window.
#include "avvio.h"
#include "cartella_prova.h"
#include "messaggi_prova.h"
#include "semina_eseguiti.h"
#include "sessione_portafoglio.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QFileInfo>

namespace {

// Logs what the session asks of the window, in order; at each refresh, whether the engine's
// run it hands on still stands for a run then.
class VistaProva : public VistaSessione {
public:
    explicit VistaProva(StatoApplicazione& stato) : stato_(stato) { }

    void titolo(const QString& testo) override { eventi << QStringLiteral("titolo ") + testo; }
    void portafoglioAperto() override { eventi << QStringLiteral("aperto"); }
    void nessunPortafoglio() override { eventi << QStringLiteral("nessuno"); }
    void aggiorna(const std::optional<RicalcoloFatto>& fatto) override
    {
        if (!fatto)
            eventi << QStringLiteral("aggiorna");
        else if (fatto->valeAncora(stato_.DbDataSet, stato_.DbPortafoglio))
            eventi << QStringLiteral("aggiorna, ricalcolo valido: ") + fatto->esito.messaggio;
        else
            eventi << QStringLiteral("aggiorna, ricalcolo superato");
    }
    void mostraEseguiti() override { eventi << QStringLiteral("eseguiti"); }

    QStringList eventi;

private:
    StatoApplicazione& stato_;
};

class SessioneTest : public ::testing::Test {
protected:
    SessioneTest() { EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString()); }
    ~SessioneTest() override { stato.DbPortafoglio = QSqlDatabase(); }

    // A closed portfolio file holding `righe`.
    QString file(const QString& nome, const std::vector<RigaEseguito>& righe)
    {
        const QString p = cartella.nuovoPortafoglio(nome);
        QSqlDatabase db = cartella.apri(p);
        const EsitoSemina semina = SeminaEseguiti(db, righe);
        EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
        db.close();
        return p;
    }

    long long conta(const QString& sql) { return CartellaProva::valore(stato.DbPortafoglio, sql).toLongLong(); }

    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    VistaProva vista{stato};
    SessionePortafoglio sessione{stato, messaggi, dialoghi, vista};
};

const std::vector<RigaEseguito> UnaChiusa = {
    RigaDiProva("2024-03-01", "Buy", "WEB", "ENI", "Eni", 100, 10),
    RigaDiProva("2024-03-05", "Sell", "WEB", "ENI", "Eni", 100, 11),
};

} // namespace

// Opening runs the engine once: the refresh that follows is handed that run, still good.
TEST_F(SessioneTest, OpeningRunsTheEngineAndHandsTheRunToTheRefresh)
{
    const QString p = file("uno.gvf", UnaChiusa);
    struct Caso {
        const char* nome;
        std::function<void()> apri;
        QString titolo;
    };
    const Caso casi[] = {
        {"open",
         [&] {
             dialoghi.scelte << p;
             sessione.ApriPortafoglio();
         },
         "Brunivox - uno.gvf"},
        {"open last", [&] { sessione.ApriUltimoPortafoglio(); }, "Brunivox - " + p},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        vista.eventi.clear();
        k.apri();
        EXPECT_EQ(vista.eventi,
                  (QStringList{"aperto", "titolo " + k.titolo, "aggiorna, ricalcolo valido: ", "eseguiti"}));
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join(" | ").toStdString();
        EXPECT_EQ(stato.PercorsoPortafoglio, p);
        EXPECT_EQ(conta("SELECT COUNT(*) FROM OperazioniChiuse"), 1);
        EXPECT_EQ(CartellaProva::valore(stato.DbDataSet, "SELECT ApriUltimo FROM Settaggi").toString(), p);
    }
}

// The engine's own message is the refresh's to show, once: the session hands it on.
TEST_F(SessioneTest, AHistoryThatStopsTheReplayOpensAndLeavesItsMessageToTheRefresh)
{
    dialoghi.scelte << file("vendita.gvf", {RigaDiProva("2024-03-05", "Sell", "WEB", "ENI", "Eni", 100, 11)});

    sessione.ApriPortafoglio();

    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join(" | ").toStdString();
    ASSERT_EQ(vista.eventi.size(), 4) << vista.eventi.join(" | ").toStdString();
    EXPECT_TRUE(vista.eventi[2].startsWith("aggiorna, ricalcolo valido: ENI e' stato venduto : "))
        << vista.eventi[2].toStdString();
}

TEST_F(SessioneTest, NewPortfolioEmptiesTheScratchFileAndRefreshesWithoutARun)
{
    sessione.NuovoPortafoglio();
    ASSERT_TRUE(SeminaEseguiti(stato.DbPortafoglio, UnaChiusa).esito.ok());
    vista.eventi.clear();
    // The scratch portfolio holds trades: the question is asked; No empties it all the same.
    messaggi.risposte << Messaggi::Risposta::No;

    sessione.NuovoPortafoglio();

    EXPECT_EQ(messaggi.testi(), QStringList{"Salvare le modifiche al file ?"});
    EXPECT_EQ(vista.eventi, (QStringList{"titolo Brunivox - Brunivox1", "aperto", "aggiorna", "eseguiti"}));
    EXPECT_EQ(conta("SELECT COUNT(*) FROM Eseguiti"), 0);
    EXPECT_EQ(QFileInfo(stato.PercorsoPortafoglio).fileName(), "DataExe.gvx");
}

// A file that is not a portfolio is refused with a message and shows nothing of itself.
TEST_F(SessioneTest, ARefusedFileLeavesTheOpenPortfolioAndTheWindowAsTheyWere)
{
    const QString buono = file("buono.gvf", UnaChiusa);
    dialoghi.scelte << buono;
    sessione.ApriPortafoglio();
    vista.eventi.clear();
    const QString estraneo = cartella.cartella() + "/estraneo.gvf";
    {
        QFile f(estraneo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("non un database");
    }
    dialoghi.scelte << estraneo;

    sessione.ApriPortafoglio();

    EXPECT_TRUE(vista.eventi.isEmpty()) << vista.eventi.join(" | ").toStdString();
    EXPECT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(stato.PercorsoPortafoglio, buono);
    EXPECT_TRUE(stato.DbPortafoglio.isOpen());
    EXPECT_EQ(conta("SELECT COUNT(*) FROM Eseguiti"), 2);
}

TEST_F(SessioneTest, SaveAsContinuesInTheCopyAndRefreshesWithoutARun)
{
    dialoghi.scelte << file("primo.gvf", UnaChiusa);
    sessione.ApriPortafoglio();
    vista.eventi.clear();
    const QString copia = cartella.cartella() + "/copia";
    dialoghi.scelte << copia;

    sessione.SalvaConNome();

    EXPECT_EQ(vista.eventi, (QStringList{"titolo Brunivox - copia.gvf", "aggiorna"}));
    EXPECT_EQ(stato.PercorsoPortafoglio, copia + ".gvf");
    EXPECT_EQ(conta("SELECT COUNT(*) FROM Eseguiti"), 2);
}
