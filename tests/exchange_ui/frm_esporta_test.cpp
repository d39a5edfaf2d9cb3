#include "ambiente_portafoglio.h"
#include "cartella_excel.h"
#include "controlli_prova.h"
#include "esito_prova.h"
#include "frm_esporta.h"
#include "guasti_file.h"
#include "lettore_xlsx.h"
#include "messaggi_prova.h"
#include "motore.h"
#include "principale_prova.h"
#include "scrittura_accanto.h"
#include "semina_eseguiti.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTest>

#include <memory>

namespace {

class EsportaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QDir(CartellaShipped()).filePath(NomeLogoExcel), a.cartella.percorso(NomeLogoExcel)));
        a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.5});
        a.inserisci({"2024-03-15", "Sell", "ENI", "Eni", 40, 12.25});
        a.inserisci({"2024-03-16", "Buy", "TIT", "Tim", 7, 0.25});
        ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
        a.allinea();
        finestra = std::make_unique<frmEsporta>(contesto);
        finestra->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(finestra.get(), nome); }

    void spunta(const char* nome) { Clicca(w<QCheckBox>(nome)); }
    void esporta(const QString& percorso, int filtro)
    {
        d.scelte << percorso;
        d.filtri << filtro;
        Clicca(w<QPushButton>("cmd_Avvia"));
    }
    QString testo(const char* nome) { return w<QLabel>(nome)->text(); }
    QByteArray contenuto(const QString& percorso)
    {
        QFile f(percorso);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    AmbientePortafoglio a;
    MessaggiProva m;
    DialogoFileProva d;
    PrincipaleProva p{a.stato};
    ContestoFinestre contesto{a.stato, m, d, p};
    std::unique_ptr<frmEsporta> finestra;
};

TEST_F(EsportaTest, ControlliEPulsanteSecondoLeCaselle)
{
    EXPECT_EQ(finestra->windowTitle(), "Esporta  ");
    EXPECT_EQ(testo("Label1"), "Tabelle da esportare :");
    EXPECT_EQ(w<QCheckBox>("chk_OperazioniChiuse")->text(), "Op.chiuse");
    EXPECT_EQ(w<QCheckBox>("chk_Eseguiti")->text(), "Eseguiti");
    EXPECT_EQ(w<QCheckBox>("chk_Portafoglio")->text(), "Portafoglio");
    EXPECT_EQ(w<QPushButton>("cmd_Avvia")->text(), "&Esporta");
    EXPECT_EQ(w<QPushButton>("cmd_Chiudi")->text(), "&Chiudi");
    EXPECT_FALSE(w<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_FALSE(w<QPushButton>("cmd_Avvia")->isEnabled());
    spunta("chk_Portafoglio");
    EXPECT_TRUE(w<QPushButton>("cmd_Avvia")->isEnabled());
    spunta("chk_Eseguiti");
    spunta("chk_Portafoglio");
    EXPECT_TRUE(w<QPushButton>("cmd_Avvia")->isEnabled());
    spunta("chk_Eseguiti");
    EXPECT_FALSE(w<QPushButton>("cmd_Avvia")->isEnabled());
}

// The file type is the filter entry picked, whatever the name ends in.
TEST_F(EsportaTest, IlTipoDalFiltroScelto)
{
    spunta("chk_Eseguiti");
    const QString xls = a.cartella.percorso("uno.txt");
    esporta(xls, frmEsporta::TipoExcel);
    ASSERT_EQ(d.richieste.size(), 1);
    EXPECT_TRUE(d.richieste[0].salva);
    EXPECT_EQ(d.richieste[0].titolo, "Esporta i dati in xls");
    EXPECT_EQ(d.richieste[0].filtro, "Excell (.xls)|*.xls|Acces (.mdb)|*.mdb|Testo (.csv)|*.csv");
    EXPECT_TRUE(m.mostrati.isEmpty()) << m.testi().join('\n').toStdString();
    EXPECT_TRUE(LeggiCartellaXlsx(xls).ok());
    EXPECT_EQ(testo("lab_Eseguiti"), "3");
    EXPECT_EQ(testo("lab_Portafoglio"), "");

    const QString mdb = a.cartella.percorso("due.xls");
    esporta(mdb, frmEsporta::TipoAccess);
    EXPECT_TRUE(contenuto(mdb).startsWith("SQLite format 3"));
    EXPECT_EQ(p.chiamate, 1);
    EXPECT_EQ(m.testi(), QStringList{"Copia del database completata: " + mdb});

    const QString csv = a.cartella.percorso("tre.mdb");
    esporta(csv, frmEsporta::TipoTesto);
    EXPECT_TRUE(contenuto(csv).startsWith("\"Brunivox - Tabella Operazioni Eseguiti \"\r\n"));
    EXPECT_TRUE(finestra->isVisible());
    EXPECT_TRUE(w<QPushButton>("cmd_Avvia")->isEnabled());
    EXPECT_TRUE(w<QPushButton>("cmd_Chiudi")->isEnabled());
    EXPECT_FALSE(w<QProgressBar>("ProgressBar1")->isVisible());
}

TEST_F(EsportaTest, EtichetteDelleTabelleEsportate)
{
    for (const char* c : {"chk_OperazioniChiuse", "chk_Eseguiti", "chk_Portafoglio"})
        spunta(c);
    esporta(a.cartella.percorso("tutte.xls"), frmEsporta::TipoExcel);
    EXPECT_EQ(testo("lab_Operazionichiuse"), "1");
    EXPECT_EQ(testo("lab_Eseguiti"), "3");
    EXPECT_EQ(testo("lab_Portafoglio"), "2");
    // The text export empties all three first.
    spunta("chk_OperazioniChiuse");
    spunta("chk_Portafoglio");
    esporta(a.cartella.percorso("testo.csv"), frmEsporta::TipoTesto);
    EXPECT_EQ(testo("lab_Operazionichiuse"), "");
    EXPECT_EQ(testo("lab_Eseguiti"), "3");
    EXPECT_EQ(testo("lab_Portafoglio"), "");
    // The database copy sets only the ticked ones.
    spunta("chk_Eseguiti");
    spunta("chk_Portafoglio");
    esporta(a.cartella.percorso("copia.mdb"), frmEsporta::TipoAccess);
    EXPECT_EQ(testo("lab_Operazionichiuse"), "");
    EXPECT_EQ(testo("lab_Eseguiti"), "3");
    EXPECT_EQ(testo("lab_Portafoglio"), "2");
}

TEST_F(EsportaTest, MaiSulPortafoglioAperto)
{
    spunta("chk_Eseguiti");
    const QByteArray prima = contenuto(a.stato.PercorsoPortafoglio);
    for (int filtro : {frmEsporta::TipoExcel, frmEsporta::TipoAccess, frmEsporta::TipoTesto}) {
        SCOPED_TRACE(filtro);
        m.mostrati.clear();
        m.risposte = {Messaggi::Risposta::Si};
        esporta(a.stato.PercorsoPortafoglio, filtro);
        ASSERT_EQ(m.mostrati.size(), 1);
        EXPECT_EQ(m.mostrati[0].testo,
                  "Impossibile esportare su prova.gvf: è il portafoglio aperto. Scegliere un altro file.");
        EXPECT_TRUE(finestra->isVisible());
    }
    EXPECT_EQ(contenuto(a.stato.PercorsoPortafoglio), prima);
    EXPECT_EQ(a.conta(), 3);
    for (const QString& f : {a.cartella.dataset(), a.cartella.dataexe()}) {
        m.mostrati.clear();
        esporta(f, frmEsporta::TipoTesto);
        ASSERT_EQ(m.mostrati.size(), 1);
        EXPECT_TRUE(
            m.mostrati[0].testo.endsWith("è un file di Brunivox e non può essere sostituito: scegliere un altro nome."))
            << m.mostrati[0].testo.toStdString();
    }
}

TEST_F(EsportaTest, FileEsistenteSostituitoSoloConSi)
{
    spunta("chk_Portafoglio");
    const QString f = a.cartella.percorso("c'era.csv");
    {
        QFile v(f);
        ASSERT_TRUE(v.open(QIODevice::WriteOnly));
        v.write("vecchio");
    }
    m.risposte = {Messaggi::Risposta::No};
    esporta(f, frmEsporta::TipoTesto);
    ASSERT_EQ(m.mostrati.size(), 1);
    EXPECT_EQ(m.mostrati[0].testo, "Il file " + f + "  esiste già!\r\nsostituire il file?");
    EXPECT_EQ(m.mostrati[0].icona, Messaggi::Icona::Domanda);
    EXPECT_EQ(contenuto(f), "vecchio");
    EXPECT_TRUE(finestra->isVisible());

    m.risposte = {Messaggi::Risposta::Si};
    esporta(f, frmEsporta::TipoTesto);
    EXPECT_TRUE(contenuto(f).startsWith("\"Brunivox - Tabella Portafoglo \""));
}

// A file that an export replaces, with "Sì" to the question: it keeps its bytes until the new
// one is whole.
class SostituzioneTest : public EsportaTest {
protected:
    void SetUp() override
    {
        EsportaTest::SetUp();
        std::vector<RigaEseguito> righe;
        for (int i = 0; i < 400; ++i)
            righe.push_back(RigaDiProva("2024-04-02", "Buy", "WEB", "ENI", "Eni", 1, 10 + i));
        ASSERT_TRUE(SeminaEseguiti(a.stato.DbPortafoglio, righe).esito.ok());
        for (const char* c : {"chk_OperazioniChiuse", "chk_Eseguiti", "chk_Portafoglio"})
            spunta(c);
    }

    QString vecchio(const QString& nome)
    {
        const QString f = a.cartella.percorso(nome);
        QFile v(f);
        EXPECT_TRUE(v.open(QIODevice::WriteOnly));
        v.write(Prima);
        return f;
    }
    QStringList altriFile(const QString& nome)
    {
        QStringList nomi = QDir(a.cartella.cartella()).entryList({"*" + nome + "*"}, QDir::Files | QDir::Hidden);
        nomi.removeAll(nome);
        return nomi;
    }
    static QString estensione(int tipo)
    {
        return tipo == frmEsporta::TipoExcel ? "xls" : tipo == frmEsporta::TipoAccess ? "mdb" : "csv";
    }

    const QByteArray Prima = QByteArray("il rapporto di prima\n").repeated(50);
};

TEST_F(SostituzioneTest, UnEsportazioneUccisaLasciaIlFileCheSostituiva)
{
    const QString portafoglio = a.stato.PercorsoPortafoglio;
    struct Caso {
        const char* nome;
        int tipo;
        MomentoUcciso quando;
        std::function<bool(const QString&)> colpito;
        int passo; // killed as the progress bar reaches it; 0 for none
    };
    const auto suPortafoglio = [portafoglio](const QString& f) { return f == portafoglio; };
    const auto sullaCopia = [portafoglio](const QString& f) { return f != portafoglio; };
    const auto nessuno = [](const QString&) { return false; };
    const Caso casi[] = {
        {"workbook, reading the tables", frmEsporta::TipoExcel, MomentoUcciso::Lavoro, suPortafoglio, 0},
        {"workbook, filling the sheets", frmEsporta::TipoExcel, MomentoUcciso::Lavoro, nessuno, 100},
        {"text, reading the tables", frmEsporta::TipoTesto, MomentoUcciso::Lavoro, suPortafoglio, 0},
        {"text, at a record", frmEsporta::TipoTesto, MomentoUcciso::Lavoro, nessuno, 100},
        {"database copy, taking the snapshot", frmEsporta::TipoAccess, MomentoUcciso::Lavoro, suPortafoglio, 0},
        {"database copy, dropping the tables", frmEsporta::TipoAccess, MomentoUcciso::Commit, sullaCopia, 0},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const QString nome = "vecchio." + estensione(k.tipo);
        const QString f = vecchio(nome);
        const bool ucciso = Ucciso(k.quando, k.colpito, [&] {
            // Only a connection opened here is watched.
            QSqlDatabase db = QSqlDatabase::cloneDatabase(a.stato.DbPortafoglio, "figlio");
            if (!db.open())
                return;
            a.stato.DbPortafoglio = db;
            if (k.passo > 0)
                QObject::connect(w<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged, [&](int valore) {
                    if (valore >= k.passo)
                        UccidiOra();
                });
            m.risposte = {Messaggi::Risposta::Si};
            esporta(f, k.tipo);
        });
        ASSERT_TRUE(ucciso);
        EXPECT_EQ(contenuto(f), Prima);
    }

    // The next export onto each replaces it, and takes away what the killed ones left. Done
    // after the kills: an export here may start threads, which a fork must not find.
    for (int tipo : {frmEsporta::TipoExcel, frmEsporta::TipoTesto, frmEsporta::TipoAccess}) {
        SCOPED_TRACE(tipo);
        const QString nome = "vecchio." + estensione(tipo);
        const QString f = a.cartella.percorso(nome);
        m.mostrati.clear();
        m.risposte = {Messaggi::Risposta::Si};
        esporta(f, tipo);
        EXPECT_NE(contenuto(f), Prima);
        ASSERT_FALSE(m.mostrati.isEmpty());
        EXPECT_EQ(m.mostrati.first().testo, "Il file " + f + "  esiste già!\r\nsostituire il file?");
        EXPECT_EQ(altriFile(nome), QStringList());
    }
}

TEST_F(SostituzioneTest, UnEsportazioneFallitaLasciaIlFileCheSostituiva)
{
    struct Caso {
        const char* nome;
        int tipo;
        bool senzaLogo;
        const char* messaggio;
    };
    // The child of the first row is forked before any export has started a thread.
    const Caso casi[] = {
        {"database copy another copy is writing", frmEsporta::TipoAccess, false, "Copia del database non riuscita"},
        {"workbook without its picture", frmEsporta::TipoExcel, true, "Esportazione in Excel non riuscita"},
        {"workbook that cannot be written", frmEsporta::TipoExcel, false, "Esportazione in Excel non riuscita"},
        {"text that cannot be written", frmEsporta::TipoTesto, false, "Esportazione in formato testo non riuscita"},
    };
    const QString logo = a.cartella.percorso(NomeLogoExcel);
    const QString logoAltrove = a.cartella.percorso("logo.salvato");
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const QString nome = "vecchio." + estensione(k.tipo);
        const QString f = vecchio(nome);
        m.mostrati.clear();
        m.risposte = {Messaggi::Risposta::Si};
        if (k.senzaLogo) {
            ASSERT_TRUE(QFile::rename(logo, logoAltrove));
            esporta(f, k.tipo);
            ASSERT_TRUE(QFile::rename(logoAltrove, logo));
        } else if (k.tipo == frmEsporta::TipoAccess) {
            // The refresh after the copy writes the portfolio: the disk stays usable.
            FiglioInAttesa altraCopia([&] {
                static FileAccanto* inCorso = new FileAccanto(f);
                return inCorso->esito().ok();
            });
            ASSERT_TRUE(altraCopia.pronto());
            esporta(f, k.tipo);
        } else {
            const DiscoPieno pieno(8 * 1024);
            esporta(f, k.tipo);
        }
        ASSERT_EQ(m.mostrati.size(), 2) << m.testi().join(" | ").toStdString();
        EXPECT_TRUE(m.mostrati[1].testo.startsWith(k.messaggio)) << m.mostrati[1].testo.toStdString();
        EXPECT_EQ(contenuto(f), Prima);
        // Only the other copy's file, which is not ours to take.
        EXPECT_EQ(altriFile(nome),
                  k.tipo == frmEsporta::TipoAccess ? QStringList{QFileInfo(PercorsoTemporaneo(f)).fileName()}
                                                   : QStringList());
        EXPECT_TRUE(finestra->isVisible());
    }
}

TEST_F(EsportaTest, NomeVuotoChiude)
{
    spunta("chk_Eseguiti");
    esporta(QString(), frmEsporta::TipoExcel);
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_TRUE(m.mostrati.isEmpty());
}

TEST_F(EsportaTest, ErroreDettoEFinestraAperta)
{
    spunta("chk_Eseguiti");
    esporta(a.cartella.percorso("manca/x.xls"), frmEsporta::TipoExcel);
    ASSERT_EQ(m.mostrati.size(), 1);
    EXPECT_TRUE(m.mostrati[0].testo.startsWith("Esportazione in Excel non riuscita"))
        << m.mostrati[0].testo.toStdString();
    EXPECT_TRUE(finestra->isVisible());
    esporta(a.cartella.percorso("manca/x.mdb"), frmEsporta::TipoAccess);
    ASSERT_EQ(m.mostrati.size(), 2);
    EXPECT_TRUE(m.mostrati[1].testo.startsWith("Copia del database non riuscita"));
    EXPECT_EQ(p.chiamate, 1); // the refresh runs whatever happened
}

} // namespace
