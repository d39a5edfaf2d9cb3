#pragma once
// The main window: menus, the icon toolbar, the clock bar, the status bar and the MDI area
// every child window lives in. It opens the portfolio files and keeps menus, buttons and
// open windows in step with the data.
#include "descrittore_finestra.h"
#include "esito.h"
#include "finestra_principale.h"
#include "impostazioni_vista.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class BarraOrologi;
class BarraStato;
class clClock;
class FinestraFiglia;
class FinestraGuida;
class QAction;
class BloccoFile;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

class MDIForm1 : public QMainWindow, public FinestraPrincipale {
    Q_OBJECT
public:
    MDIForm1(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, QWidget* parent = nullptr);
    ~MDIForm1() override;

    QMdiArea* area() const { return area_; }
    ContestoFinestre& contesto() { return contesto_; }

    // The table of windows: what each menu entry and toolbar button opens, and what the
    // refresh recomputes and closes. A window whose factory is empty opens nothing.
    void impostaTabella(TabellaFinestre tabella);
    const TabellaFinestre& tabella() const { return tabella_; }
    const DescrittoreFinestra* descrittore(const QString& nome) const;
    // Replaces the factory of a window of the table; false for a name the table lacks.
    bool registraFinestra(const QString& nome, FabbricaFinestra fabbrica);
    // Shows the named window. A dialog is run modally and deleted; any other widget lives in
    // a child window, one per name, reused while it is open. With `inPrimoPiano` a minimised
    // child is restored and brought to the front (the toolbar); otherwise it is only shown
    // (the menus). Returns the child's widget, or nullptr for a dialog or an unknown name.
    QWidget* apriFinestra(const QString& nome, bool inPrimoPiano = false);
    // The open child window of that name (its widget), or nullptr.
    QWidget* finestra(const QString& nome) const;
    FinestraFiglia* sottofinestra(const QString& nome) const;
    // Closes the named child window, if one is open.
    void scaricaFinestra(const QString& nome);

    QToolBar* toolbar1() const { return toolbar1_; }
    BarraOrologi* toolbar3() const { return toolbar3_; }
    BarraStato* barraStato() const { return barraStato_; }
    // Button `indice` of Toolbar1, 1..17 (3 and 9 are separators); nullptr outside.
    QAction* pulsante(int indice) const;
    // Menu entry by name ("mnu_Apri"); nullptr when there is none.
    QAction* voce(const QString& nome) const;
    const clClock* orologio() const { return orologio_.get(); }
    QTimer* timerOrologi() const { return timer2_; }

    // The load step; runs once. Showing the window runs it when nobody did before.
    void Carica();
    // The first activation; runs its body only while PrimaAttivazione is set, and never
    // again while it is already running.
    void Attivazione();

public Q_SLOTS:
    void ControlloMenu() override;
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
    void costruisciMenu();
    void costruisciToolbar();
    QAction* aggiungiVoce(QMenu* menu, const QString& nome, const QString& testo);
    void abilitaVoci(std::initializer_list<const char*> nomi, bool abilitate);
    void abilitaPulsanti(std::initializer_list<int> indici, bool abilitati);
    void statoSenzaPortafoglio();
    void cliccaPulsante(QAction* pulsante);
    void apriDaVoce(const QString& voce);
    // Closes the windows the refresh closes: with no trades, or with no closed operation.
    void scaricaFinestre(bool senzaEseguiti);
    void apriGuida();
    void personalizzaMenu();

    // Portfolio files.
    void NuovoPortafoglio();
    void ApriPortafoglio();
    void ApriUltimoPortafoglio();
    void SalvaConNome();
    QString percorsoScratch() const;
    bool scratchAperto() const;
    bool apriFilePortafoglio(const QString& percorso);
    bool copiaEContinua(const QString& destinazione);
    Esito destinazioneRifiutata(const QString& scelto) const;
    void ricordaUltimo(const QString& percorso);
    bool ricalcolaAllApertura(const QString& precedente, std::shared_ptr<BloccoFile> bloccoPrecedente);
    void ripristinaPortafoglio(const QString& precedente, const QString& motivo);
    void abilitaComandiPortafoglio();

    ContestoFinestre contesto_;
    QMdiArea* area_;
    QToolBar* toolbar1_ = nullptr;
    BarraOrologi* toolbar3_ = nullptr;
    BarraStato* barraStato_ = nullptr;
    QTimer* timer2_ = nullptr;
    QHash<QString, QAction*> voci_;
    QList<QAction*> pulsanti_;   // index 0 is button 1
    TabellaFinestre tabella_;
    std::unique_ptr<clClock> orologio_;
    ImpostazioniVista settaggi_;
    QPointer<FinestraGuida> guida_;
    bool caricato_ = false;
    bool inAttivazione_ = false;
};
