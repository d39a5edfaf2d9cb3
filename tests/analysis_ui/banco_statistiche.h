#pragma once
// The real main window with the real table of windows on a fresh untitled portfolio, and
// helpers to write trades and read what the statistics windows show.
#include "avvio.h"
#include "cartella_prova.h"
#include "grafico.h"
#include "mdi_form1.h"
#include "messaggi_prova.h"
#include "semina_eseguiti.h"
#include "tabella_finestre.h"

#include <QAction>
#include <QLabel>
#include <QSqlQuery>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <memory>

struct BancoStatistiche {
    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    std::unique_ptr<MDIForm1> principale;

    BancoStatistiche()
    {
        EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
        principale = std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
        TabellaFinestre tabella = FinestreDelProgramma();
        for (DescrittoreFinestra& d : tabella)
            if (d.genere == GenereFinestra::Dialogo || d.nome == "frmEseguiti")
                d.fabbrica = nullptr;
        principale->impostaTabella(std::move(tabella));
        principale->Carica();
        stato.PrimaAttivazione = false;
        principale->voce(QStringLiteral("mnu_NuovoPortafoglio"))->trigger();
        EXPECT_TRUE(stato.portafoglioAperto());
    }

    ~BancoStatistiche()
    {
        principale.reset();
        stato.DbPortafoglio = QSqlDatabase();
    }

    // One trade written straight into Eseguiti; the refresh is the caller's.
    void eseguito(const char* data, const char* tipo, int qta, double prezzo, const char* errore = "NE",
                  double ottimale = -1)
    {
        RigaEseguito r = RigaDiProva(data, tipo, "FIX", "ENI", "Eni", qta, prezzo, errore);
        if (ottimale >= 0)
            r.PrezzoOttimale = ottimale;
        const EsitoSemina semina = SeminaEseguiti(stato.DbPortafoglio, {r});
        EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
    }

    void esegui(QSqlDatabase db, const QString& sql)
    {
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
    }

    // Opens a window from its menu entry, as the user does.
    QWidget* apri(const char* menu, const char* nome)
    {
        QAction* v = principale->voce(QLatin1String(menu));
        EXPECT_TRUE(v && v->isEnabled()) << menu;
        if (v)
            v->trigger();
        return finestra(nome);
    }

    QWidget* finestra(const char* nome) const { return principale->finestra(QLatin1String(nome)); }

    QString testo(const char* finestra, const char* etichetta) const
    {
        QWidget* f = this->finestra(finestra);
        auto* l = f ? f->findChild<QLabel*>(QLatin1String(etichetta)) : nullptr;
        return l ? l->text() : QStringLiteral("(manca)");
    }

    Grafico* grafico(const char* finestra, const char* nome) const
    {
        QWidget* f = this->finestra(finestra);
        return f ? f->findChild<Grafico*>(QLatin1String(nome)) : nullptr;
    }

    QTableWidget* tabella(const char* finestra, const char* nome) const
    {
        QWidget* f = this->finestra(finestra);
        return f ? f->findChild<QTableWidget*>(QLatin1String(nome)) : nullptr;
    }
};
