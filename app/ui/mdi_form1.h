#pragma once
// The main window: menus, the icon toolbar, the clock bar, the status bar and the MDI area
// every child window lives in. Its portfolio commands are the session's; its refresh keeps
// menus, buttons and open windows in step with the data.
#include "aggiornamento_con_replay.h"
#include "comandi_principale.h"
#include "controllo_menu.h"
#include "descrittore_finestra.h"
#include "finestre_figlie.h"
#include "impostazioni_vista.h"
#include "sessione_portafoglio.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class BarraOrologi;
class BarraStato;
class clClock;
class FinestraFiglia;
class FinestraGuida;
class QAction;
class QMdiArea;
class QTimer;
class QToolBar;

class MDIForm1 : public QMainWindow, public FinestraPrincipale, public AggiornamentoConReplay, private VistaSessione {
    Q_OBJECT
public:
    MDIForm1(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, QWidget* parent = nullptr);
    ~MDIForm1() override;

    QMdiArea* area() const { return area_; }
    ContestoFinestre& contesto() { return contesto_; }
    SessionePortafoglio& sessione() { return sessione_; }

    // The table of windows: what each menu entry and toolbar button opens and when it is
    // enabled, and what the refresh recomputes and closes. A window whose factory is empty
    // opens nothing. Builds the menus; set before the load step.
    void impostaTabella(TabellaFinestre tabella);
    const TabellaFinestre& tabella() const { return finestre_.tabella(); }
    const DescrittoreFinestra* descrittore(const QString& nome) const { return finestre_.descrittore(nome); }
    // Shows the named window. A dialog is run modally and deleted; any other widget lives in
    // a child window, one per name, reused while it is open. With `inPrimoPiano` a minimised
    // child is restored and brought to the front (the toolbar); otherwise it is only shown
    // (the menus). Returns the child's widget, or nullptr for a dialog or an unknown name.
    QWidget* apriFinestra(const QString& nome, bool inPrimoPiano = false);
    // The open child window of that name (its widget), or nullptr.
    QWidget* finestra(const QString& nome) const { return finestre_.finestra(nome); }
    FinestraFiglia* sottofinestra(const QString& nome) const { return finestre_.sottofinestra(nome); }
    // Closes the named child window, if one is open.
    void scaricaFinestra(const QString& nome) { finestre_.scarica(nome); }

    QToolBar* toolbar1() const { return toolbar1_; }
    BarraOrologi* toolbar3() const { return toolbar3_; }
    BarraStato* barraStato() const { return barraStato_; }
    // Button `indice` of Toolbar1, 1..17 (3 and 9 are separators); nullptr outside.
    QAction* pulsante(int indice) const { return comandi_->pulsante(indice); }
    // Button by its key ("Eseguiti"); nullptr when there is none.
    QAction* pulsante(const QString& chiave) const { return comandi_->pulsante(chiave); }
    // Menu entry by name ("mnu_Apri"); nullptr when there is none.
    QAction* voce(const QString& nome) const { return comandi_->voce(nome); }
    const clClock* orologio() const { return orologio_.get(); }
    QTimer* timerOrologi() const { return timer2_; }

    // The load step; runs once. Showing the window runs it when nobody did before.
    void Carica();
    // The first activation; runs its body only while PrimaAttivazione is set, and never
    // again while it is already running.
    void Attivazione();

public Q_SLOTS:
    void ControlloMenu() override;
    void ControlloMenuConReplay(std::shared_ptr<RicalcoloPronto> pronto) override;
    void Colore();
    // 16-pixel icons without captions unless Icone32 is 1; with 32-pixel icons tooltips,
    // and captions when IconeName is 1.
    void ToolbarMenu(int Icone32, int IconeName) override;
    void mostraToolbar1(bool visibile) override;
    void mostraToolbar3(bool visibile) override;
    // One tick of the world clocks.
    void AggiornaOrologi();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void costruisciComandi();
    void apriGuida();
    void personalizzaMenu();
    void aggiornaCon(const RicalcoloAnticipato& anticipo);

    // What the session shows here.
    void titolo(const QString& testo) override;
    void portafoglioAperto() override;
    void nessunPortafoglio() override;
    void aggiorna(const std::optional<RicalcoloFatto>& fatto) override;
    void mostraEseguiti() override;

    ContestoFinestre contesto_;
    QMdiArea* area_;
    FinestreFiglie finestre_;
    SessionePortafoglio sessione_;
    QToolBar* toolbar1_ = nullptr;
    std::unique_ptr<ComandiPrincipale> comandi_;
    BarraOrologi* toolbar3_ = nullptr;
    BarraStato* barraStato_ = nullptr;
    QTimer* timer2_ = nullptr;
    std::unique_ptr<clClock> orologio_;
    ImpostazioniVista settaggi_;
    QPointer<FinestraGuida> guida_;
    bool caricato_ = false;
    bool inAttivazione_ = false;
};
