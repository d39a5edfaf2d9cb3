#include "banco_prova.h"
#include "semina_eseguiti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

void ApriDaDialogo(BancoProva& b, const QString& percorso)
{
    b.dialoghi.scelte << percorso;
    b.menu("mnu_Apri");
    ASSERT_EQ(b.stato.PercorsoPortafoglio, percorso) << b.messaggi.testi().join(" | ").toStdString();
}

void ExpectComandiPortafoglioAbilitati(BancoProva& b)
{
    // The cash account too: it works only on an open portfolio.
    EXPECT_TRUE(b.finestra->pulsante(5)->isEnabled());
    EXPECT_TRUE(b.finestra->pulsante(6)->isEnabled());
    for (const char* nome : {"mnu_Eseguiti", "mnu_ContoTitoli", "mnu_Salva", "mnu_Importa"})
        EXPECT_TRUE(b.finestra->voce(QLatin1String(nome))->isEnabled()) << nome;
}

} // namespace

TEST(NuovoPortafoglio, OpensAndEmptiesTheScratchFileWithoutAsking)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    // Left over from an earlier session: the scratch file is not open, so nothing is asked.
    QSqlDatabase scratch = b.cartella.apri(b.cartella.dataexe());
    const char* tabelle[] = {"Portafoglio", "OperazioniChiuse", "Eseguiti", "EseguitiBackup", "EseguitiTemp", "Conto"};
    for (const char* t : tabelle)
        CartellaProva::esegui(scratch, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QLatin1String(t)));

    b.menu("mnu_NuovoPortafoglio");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
    EXPECT_TRUE(b.stato.DbPortafoglio.isOpen());
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
    for (const char* t : tabelle)
        EXPECT_EQ(b.righe(scratch, QLatin1String(t)), 0) << t;
    ExpectComandiPortafoglioAbilitati(b);
    EXPECT_NE(b.finestra->finestra("frmEseguiti"), nullptr);

    // Open again, still without trades: still nothing to ask.
    b.pulsante(1);
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
}

TEST(NuovoPortafoglio, ScratchWithTradesAsksToSaveAndIsEmptiedWhateverTheAnswer)
{
    struct Caso {
        const char* nome;
        Messaggi::Risposta risposta;
        bool scegliFile;
    };
    const Caso casi[] = {
        {"No", Messaggi::Risposta::No, false},
        {"Yes, save cancelled", Messaggi::Risposta::Si, false},
        {"Yes, saved", Messaggi::Risposta::Si, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.menu("mnu_NuovoPortafoglio");
        b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
        const QString salvato = b.cartella.percorso("salvato.gvf");
        b.messaggi.risposte << k.risposta;
        if (k.scegliFile)
            b.dialoghi.scelte << salvato;

        b.menu("mnu_NuovoPortafoglio");

        ASSERT_GE(b.messaggi.mostrati.size(), 1);
        const auto& domanda = b.messaggi.mostrati.first();
        EXPECT_EQ(domanda.testo, "Salvare le modifiche al file ?");
        EXPECT_EQ(domanda.icona, Messaggi::Icona::Domanda);
        EXPECT_EQ(domanda.pulsanti, Messaggi::Pulsanti::SiNo);
        EXPECT_EQ(b.messaggi.mostrati.size(), 1);
        EXPECT_EQ(b.dialoghi.richieste.size(), k.risposta == Messaggi::Risposta::Si ? 1 : 0);

        EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
        EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
        EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 0);
        EXPECT_EQ(QFileInfo::exists(salvato), k.scegliFile);
        if (k.scegliFile) {
            EXPECT_EQ(b.righe(b.cartella.apri(salvato), "Eseguiti"), 1);
            EXPECT_EQ(ApriUltimo(b), salvato);
        }
    }
}

TEST(NuovoPortafoglio, WithASavedFileOpenAsksNothingAndLeavesThatFileAlone)
{
    BancoProva b;
    const QString a = PortafoglioCon(b, "a.gvf", 2);
    ApriDaDialogo(b, a);
    const QByteArray prima = Contenuto(a);

    b.menu("mnu_NuovoPortafoglio");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
    EXPECT_EQ(Contenuto(a), prima);
}

TEST(ApriPortafoglio, OpensTheChosenFileAndRemembersIt)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    const QString a = PortafoglioCon(b, "conto mio.gvf", 1);
    b.dialoghi.scelte << a;

    b.pulsante(2);

    ASSERT_EQ(b.dialoghi.richieste.size(), 1);
    EXPECT_FALSE(b.dialoghi.richieste.first().salva);
    EXPECT_EQ(b.dialoghi.richieste.first().titolo, "Apri DataSet");
    EXPECT_EQ(b.dialoghi.richieste.first().filtro, "*.gvf|*.gvf");
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, a);
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 1);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - conto mio.gvf");
    EXPECT_EQ(ApriUltimo(b), a);
    ExpectComandiPortafoglioAbilitati(b);
    // The refresh ran: with trades the open positions are reachable.
    EXPECT_TRUE(b.finestra->voce("mnu_Portafoglio")->isEnabled());
    EXPECT_NE(b.finestra->finestra("frmEseguiti"), nullptr);
}

TEST(ApriPortafoglio, CancelIsSilentAndAMissingFileIsReported)
{
    BancoProva b;
    b.menu("mnu_Apri");  // cancelled
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_TRUE(b.stato.PercorsoPortafoglio.isEmpty());
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox");

    b.dialoghi.scelte << b.cartella.percorso("nessuno.gvf");
    b.menu("mnu_Apri");
    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_EQ(b.messaggi.mostrati.first().testo, "non esiste");
    EXPECT_EQ(b.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::Ok);
    EXPECT_TRUE(b.stato.PercorsoPortafoglio.isEmpty());
    EXPECT_FALSE(b.finestra->voce("mnu_Salva")->isEnabled());
}

// Only a database error refuses the file: a history that stops the replay opens, whatever
// its stop message says, and the message is shown once by the refresh.
TEST(ApriPortafoglio, AHistoryThatStopsTheReplayOpensAndTellsWhy)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    const QString a = b.cartella.nuovoPortafoglio("fermo.gvf");
    {
        QSqlDatabase db = b.cartella.apri(a);
        // A code that reads like a database error, sold without a buy.
        ASSERT_TRUE(SeminaEseguiti(db, {RigaDiProva("2024-01-02", "Sell", "WEB", "Errore del database: X", "X", 10, 1)})
                        .esito.ok());
        db.close();
    }

    ApriDaDialogo(b, a);

    ASSERT_EQ(b.messaggi.mostrati.size(), 1) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.messaggi.mostrati.first().testo, "Errore del database: X e' stato venduto : 02/01/2024");
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - fermo.gvf");
}

TEST(ApriPortafoglio, RefusesAFileThatIsNotAPortfolioAndKeepsTheOpenOne)
{
    struct Caso {
        const char* nome;
        std::function<void(BancoProva&, const QString&)> prepara;
    };
    const Caso casi[] = {
        {"text file", [](BancoProva&, const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("Data;Tipo;Cod\n");
         }},
        {"settings database", [](BancoProva& b, const QString& p) { ASSERT_TRUE(QFile::copy(b.cartella.dataset(), p)); }},
        {"other SQLite file", [](BancoProva& b, const QString& p) {
             QSqlDatabase db = b.cartella.apri(p);
             CartellaProva::esegui(db, "CREATE TABLE Eseguiti (ID INTEGER)");
             db.close();
         }},
        {"portfolio without Conto", [](BancoProva& b, const QString& p) {
             QFile::copy(b.cartella.dataexe(), p);
             QSqlDatabase db = b.cartella.apri(p);
             CartellaProva::esegui(db, "DROP TABLE Conto");
             db.close();
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.menu("mnu_NuovoPortafoglio");
        b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
        const QString estraneo = b.cartella.percorso("estraneo.gvf");
        k.prepara(b, estraneo);
        const QByteArray prima = Contenuto(estraneo);
        b.dialoghi.scelte << estraneo;

        b.menu("mnu_Apri");

        ASSERT_EQ(b.messaggi.mostrati.size(), 1);
        EXPECT_TRUE(b.messaggi.mostrati.first().testo.contains("estraneo.gvf"))
            << b.messaggi.mostrati.first().testo.toStdString();
        EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
        ASSERT_TRUE(b.stato.DbPortafoglio.isOpen());
        EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 1);
        EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
        EXPECT_EQ(ApriUltimo(b), "0");
        EXPECT_EQ(Contenuto(estraneo), prima);
    }
}

TEST(ApriUltimoPortafoglio, ZeroBehavesAsNewPortfolio)
{
    BancoProva b(QStringLiteral("UPDATE Settaggi SET Tip = 0, Benvenuto = 0"));
    EXPECT_FALSE(b.finestra->voce("mnu_ApriUltimo")->isEnabled());
    EXPECT_TRUE(b.finestra->voce("mnu_ApriUltimo")->text().isEmpty());
    b.stato.SceltaBenvenuto = 3;  // the welcome window's "open last"

    b.finestra->Attivazione();

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
}

TEST(ApriUltimoPortafoglio, OpensTheLastFileUnderItsFullPath)
{
    CartellaProva altrove;
    const QString a = altrove.nuovoPortafoglio("ultimo.gvf");
    QSqlDatabase db = altrove.apri(a);
    ASSERT_TRUE(SeminaEseguiti(db, {RigaDiProva("2024-01-02", "Buy", "WEB", "ENI", "Eni", 10, 1)}).esito.ok());
    BancoProva b(QStringLiteral("UPDATE Settaggi SET ApriUltimo = '%1'").arg(a));
    b.registraFinta("frmEseguiti");
    QAction* ultimo = b.finestra->voce("mnu_ApriUltimo");
    ASSERT_TRUE(ultimo->isEnabled());
    EXPECT_EQ(ultimo->text(), a);

    ultimo->trigger();

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, a);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - " + a);
    ExpectComandiPortafoglioAbilitati(b);
    EXPECT_TRUE(b.finestra->voce("mnu_Portafoglio")->isEnabled());
    EXPECT_NE(b.finestra->finestra("frmEseguiti"), nullptr);
}

TEST(ApriUltimoPortafoglio, AMissingOrForeignLastFileIsReportedAndNothingOpens)
{
    CartellaProva altrove;
    const QString mancante = altrove.percorso("sparito.gvf");
    const QString estraneo = altrove.percorso("testo.gvf");
    {
        QFile f(estraneo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("niente");
    }
    struct Caso {
        QString percorso;
        QString messaggio;
    };
    const QString cartella = altrove.percorso("apri_dir");
    ASSERT_TRUE(QDir().mkpath(cartella));
    const Caso casi[] = {
        {mancante, "il file: " + mancante + "non esiste"},
        {estraneo, "Il file testo.gvf non è un portafoglio di Brunivox."},
        {cartella,
         "L'ultimo file aperto, " + QDir::toNativeSeparators(cartella)
             + ", è una cartella e non un portafoglio. Aprire un portafoglio con Apri."},
        {altrove.dataset(),
         "L'ultimo file aperto, " + QDir::toNativeSeparators(altrove.dataset())
             + ", è il file delle impostazioni di Brunivox e non un portafoglio. "
               "Aprire un portafoglio con Apri."},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.percorso.toStdString());
        BancoProva b(QStringLiteral("UPDATE Settaggi SET ApriUltimo = '%1'").arg(k.percorso));
        b.menu("mnu_ApriUltimo");
        ASSERT_EQ(b.messaggi.mostrati.size(), 1);
        EXPECT_EQ(b.messaggi.mostrati.first().testo, k.messaggio);
        EXPECT_EQ(b.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::Ok);
        EXPECT_TRUE(b.stato.PercorsoPortafoglio.isEmpty());
        EXPECT_EQ(b.finestra->windowTitle(), "Brunivox");
        EXPECT_FALSE(b.finestra->voce("mnu_Salva")->isEnabled());
    }
}

TEST(SalvaConNome, CopiesTheOpenPortfolioAndContinuesInTheCopy)
{
    BancoProva b;
    b.menu("mnu_NuovoPortafoglio");
    b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
    const QString copia = b.cartella.percorso("copia.gvf");
    b.dialoghi.scelte << copia;

    b.menu("mnu_Salva");

    ASSERT_EQ(b.dialoghi.richieste.size(), 1);
    EXPECT_TRUE(b.dialoghi.richieste.first().salva);
    EXPECT_EQ(b.dialoghi.richieste.first().titolo, "Salva con nome");
    EXPECT_EQ(b.dialoghi.richieste.first().filtro, "*.gvf|*.gvf");
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, copia);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - copia.gvf");
    EXPECT_EQ(ApriUltimo(b), copia);
    EXPECT_EQ(b.righe(b.cartella.apri(copia), "Eseguiti"), 1);

    // Later changes go to the copy only.
    b.eseguito("2024-03-02", "Buy", "ENI", 50, 12.0);
    EXPECT_EQ(b.righe(b.cartella.apri(copia), "Eseguiti"), 2);
    EXPECT_EQ(b.righe(b.cartella.apri(b.cartella.dataexe()), "Eseguiti"), 1);
}

TEST(SalvaConNome, TwoInARowCopyTheFileWrittenByTheFirstWithTheChangesMadeSince)
{
    BancoProva b;
    b.menu("mnu_NuovoPortafoglio");
    b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
    const QString primo = b.cartella.percorso("primo.gvf");
    const QString secondo = b.cartella.percorso("secondo.gvf");
    b.dialoghi.scelte << primo << secondo;

    b.menu("mnu_Salva");
    b.eseguito("2024-03-04", "Sell", "ENI", 100, 13.0);
    b.menu("mnu_Salva");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, secondo);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - secondo.gvf");
    EXPECT_EQ(ApriUltimo(b), secondo);
    EXPECT_EQ(b.righe(b.cartella.apri(secondo), "Eseguiti"), 2);
    EXPECT_EQ(b.righe(b.cartella.apri(primo), "Eseguiti"), 2);
    EXPECT_EQ(b.righe(b.cartella.apri(b.cartella.dataexe()), "Eseguiti"), 1);
}

TEST(SalvaConNome, OntoTheOpenFileAsksTheOverwriteQuestionThenOnlyRefreshes)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    const QString a = PortafoglioCon(b, "a.gvf", 1);
    ApriDaDialogo(b, a);
    b.aggiornate.clear();
    const QStringList fileprima = QDir(b.cartella.cartella()).entryList(QDir::Files);
    b.dialoghi.scelte << a;
    b.messaggi.risposte << Messaggi::Risposta::Si;

    b.menu("mnu_Salva");

    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_EQ(b.messaggi.mostrati.first().testo, "Il file " + a + "  esiste già!\r\nsostituire il file?");
    EXPECT_EQ(b.messaggi.mostrati.first().icona, Messaggi::Icona::Informazione);
    EXPECT_EQ(b.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::SiNo);
    EXPECT_EQ(b.stato.PercorsoPortafoglio, a);
    EXPECT_TRUE(b.stato.DbPortafoglio.isOpen());
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 1);
    EXPECT_EQ(QDir(b.cartella.cartella()).entryList(QDir::Files), fileprima);
    EXPECT_EQ(b.aggiornate, QStringList{"frmEseguiti"});
}

TEST(SalvaConNome, ReplacesAnExistingFileOnYesAndLeavesItOnNo)
{
    for (const auto risposta : {Messaggi::Risposta::Si, Messaggi::Risposta::No}) {
        const bool si = risposta == Messaggi::Risposta::Si;
        SCOPED_TRACE(si ? "Yes" : "No");
        BancoProva b;
        b.registraFinta("frmEseguiti");
        b.menu("mnu_NuovoPortafoglio");
        b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
        const QString altro = PortafoglioCon(b, "altro.gvf", 3);
        const QByteArray altroPrima = Contenuto(altro);
        b.aggiornate.clear();
        b.dialoghi.scelte << altro;
        b.messaggi.risposte << risposta;

        b.menu("mnu_Salva");

        EXPECT_EQ(b.messaggi.mostrati.size(), 1);
        EXPECT_EQ(b.stato.PercorsoPortafoglio, si ? altro : b.cartella.dataexe());
        if (si) {
            EXPECT_EQ(b.righe(b.cartella.apri(altro), "Eseguiti"), 1);
        } else {
            EXPECT_EQ(Contenuto(altro), altroPrima);
        }
        EXPECT_EQ(ApriUltimo(b), si ? altro : QStringLiteral("0"));
        EXPECT_EQ(b.aggiornate.size(), si ? 1 : 0);  // No ends the command without a refresh
    }
}

TEST(SalvaConNome, CancelIsSilent)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    b.menu("mnu_NuovoPortafoglio");
    b.aggiornate.clear();
    b.menu("mnu_Salva");
    EXPECT_EQ(b.dialoghi.richieste.size(), 1);
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty());
    EXPECT_TRUE(b.aggiornate.isEmpty());
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
}

TEST(SalvaConNome, AFailedCopyLeavesTheTargetAloneAndThePreviousPortfolioOpen)
{
    struct Caso {
        const char* nome;
        std::function<QString(BancoProva&)> destinazione;
        bool soloSenzaPrivilegi;
    };
    const Caso casi[] = {
        {"folder missing", [](BancoProva& b) { return b.cartella.percorso("manca/copia.gvf"); }, false},
        {"folder is a file", [](BancoProva& b) {
             QFile f(b.cartella.percorso("file"));
             EXPECT_TRUE(f.open(QIODevice::WriteOnly));
             return b.cartella.percorso("file/copia.gvf");
         }, false},
        {"target is a folder", [](BancoProva& b) {
             QDir(b.cartella.cartella()).mkdir("cartella.gvf");
             return b.cartella.percorso("cartella.gvf");
         }, false},
        {"read-only folder", [](BancoProva& b) {
             QDir(b.cartella.cartella()).mkdir("chiusa");
             const QString p = b.cartella.nuovoPortafoglio("chiusa/esistente.gvf");
             QFile::setPermissions(b.cartella.percorso("chiusa"), QFile::ReadOwner | QFile::ExeOwner);
             return p;
         }, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        if (k.soloSenzaPrivilegi && geteuid() == 0)
            continue;  // the superuser writes anywhere
        BancoProva b;
        b.menu("mnu_NuovoPortafoglio");
        b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
        const QString destinazione = k.destinazione(b);
        const QByteArray prima = Contenuto(destinazione);
        b.dialoghi.scelte << destinazione;
        b.messaggi.risposte << Messaggi::Risposta::Si;

        b.menu("mnu_Salva");

        ASSERT_FALSE(b.messaggi.mostrati.isEmpty());
        EXPECT_TRUE(b.messaggi.mostrati.last().testo.startsWith("Salvataggio non riuscito."))
            << b.messaggi.mostrati.last().testo.toStdString();
        EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
        ASSERT_TRUE(b.stato.DbPortafoglio.isOpen());
        EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 1);
        EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
        EXPECT_EQ(ApriUltimo(b), "0");
        EXPECT_EQ(Contenuto(destinazione), prima);
        QFile::setPermissions(b.cartella.percorso("chiusa"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
