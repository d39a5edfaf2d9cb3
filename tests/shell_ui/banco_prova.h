#pragma once
// A main window on a throw-away program folder, with scripted dialogs and stand-in child
// windows that log their refreshes.
#include "avvio.h"
#include "cartella_prova.h"
#include "finestra_dati.h"
#include "mdi_form1.h"
#include "messaggi_prova.h"
#include "semina_eseguiti.h"
#include "tabella_finestre.h"

#include <QDate>
#include <QDialog>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

// A data window: its Main writes its name to the shared log.
class FinestraFinta : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    FinestraFinta(const QString& nome, QStringList* registro) : registro_(registro) { setObjectName(nome); }

    void Main() override { registro_->append(objectName()); }
    void Colore() override {}

private:
    QStringList* registro_;
};

// A modal window: logs that it was shown, runs `azione`, and closes itself.
class DialogoFinto : public QDialog {
    Q_OBJECT
public:
    DialogoFinto(const QString& nome, QStringList* registro, std::function<void()> azione = {})
    {
        setObjectName(nome);
        registro->append(nome);
        QTimer::singleShot(0, this, [this, azione] {
            if (azione)
                azione();
            reject();
        });
    }
};

struct BancoProva {
    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    std::unique_ptr<MDIForm1> finestra;
    QStringList aggiornate;  // windows whose Main ran, in order
    QStringList mostrate;    // modal windows shown, in order
    std::map<QString, FabbricaFinestra> fabbriche; // the stand-ins registered, by window

    // `settaggi`: an UPDATE of Settaggi to run before the load step ("" for none).
    explicit BancoProva(const QString& settaggi = QString(), bool carica = true)
    {
        EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
        if (!settaggi.isEmpty()) {
            QSqlQuery q(stato.DbDataSet);
            EXPECT_TRUE(q.exec(settaggi)) << settaggi.toStdString();
        }
        finestra = std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
        // The program's table with no window available: each test registers the stand-ins it needs.
        TabellaFinestre tabella = FinestreDelProgramma();
        for (DescrittoreFinestra& d : tabella)
            d.fabbrica = [this, nome = d.nome](ContestoFinestre& c) -> QWidget* {
                const auto f = fabbriche.find(nome);
                return f != fabbriche.end() ? f->second(c) : nullptr;
            };
        finestra->impostaTabella(std::move(tabella));
        if (carica)
            finestra->Carica();
    }

    ~BancoProva()
    {
        finestra.reset();
        stato.DbPortafoglio = QSqlDatabase();
    }

    // What the table's window `nome` opens from now on.
    void registra(const QString& nome, FabbricaFinestra fabbrica)
    {
        EXPECT_NE(finestra->descrittore(nome), nullptr) << nome.toStdString();
        fabbriche[nome] = std::move(fabbrica);
    }

    void registraFinta(const QString& nome)
    {
        registra(nome, [this, nome](ContestoFinestre&) { return new FinestraFinta(nome, &aggiornate); });
    }

    void registraDialogo(const QString& nome, std::function<void()> azione = {})
    {
        registra(nome, [this, nome, azione](ContestoFinestre&) { return new DialogoFinto(nome, &mostrate, azione); });
    }

    void menu(const char* nome)
    {
        QAction* v = finestra->voce(QLatin1String(nome));
        ASSERT_NE(v, nullptr) << nome;
        v->trigger();
    }

    void pulsante(int indice)
    {
        QAction* p = finestra->pulsante(indice);
        ASSERT_NE(p, nullptr) << indice;
        p->trigger();
    }

    // Runs a statement on the open portfolio.
    void portafoglio(const QString& sql)
    {
        QSqlQuery q(stato.DbPortafoglio);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    }

    // One trade in the open portfolio.
    void eseguito(const char* data, const char* tipo, const char* cod, int qta, double prezzo)
    {
        const EsitoSemina semina = SeminaEseguiti(
            stato.DbPortafoglio, {RigaDiProva(data, tipo, "WEB", cod, QString("Titolo ") + cod, qta, prezzo)});
        EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
    }

    long long righe(QSqlDatabase db, const QString& tabella)
    {
        return CartellaProva::valore(db, QStringLiteral("SELECT COUNT(*) FROM ") + tabella).toLongLong();
    }

    QVariant valore(QSqlDatabase db, const QString& sql) { return CartellaProva::valore(db, sql); }
};

// The bytes of a file; empty when it cannot be read.
inline QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString ApriUltimo(BancoProva& b)
{
    return b.valore(b.stato.DbDataSet, QStringLiteral("SELECT ApriUltimo FROM Settaggi")).toString();
}

// A closed portfolio file of the test folder holding `trades` buys of ENI, one a day from
// 1 January 2024; a long `titolo` makes the file larger.
inline QString PortafoglioCon(BancoProva& b, const QString& nome, int trades,
                              const QString& titolo = QStringLiteral("Eni"))
{
    const QString p = b.cartella.nuovoPortafoglio(nome);
    QSqlDatabase db = b.cartella.apri(p);
    std::vector<RigaEseguito> acquisti;
    for (int i = 0; i < trades; ++i)
        acquisti.push_back(
            RigaDiProva(QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate), "Buy", "WEB", "ENI", titolo, 10, 1));
    const EsitoSemina semina = SeminaEseguiti(db, acquisti);
    EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
    // Closed, so that a later check reads the file then on disk, not one replaced meanwhile.
    db.close();
    return p;
}
