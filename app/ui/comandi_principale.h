#pragma once
// The main window's menus and icon toolbar: the commands of its own and the entries of the
// table of windows, each with the rule of when it is enabled.
#include "descrittore_finestra.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QToolBar;

// A command of the main window itself (not a window of the table).
struct ComandoPrincipale {
    const char* nome;
    const char* testo;
    std::function<void()> esegui;
    Abilitazione abilitata = Sempre;
    bool aSeStante = false; // its state follows a rule of its own (the last-file entry)
};

// A menu of the bar: its commands before the table's entries, and those after.
struct MenuPrincipale {
    const char* nome;
    const char* titolo;
    std::vector<ComandoPrincipale> prima;
    std::vector<ComandoPrincipale> dopo;
};

// A toolbar button that runs a command of the main window.
struct PulsantePrincipale {
    const char* chiave;
    std::function<void()> esegui;
};

class ComandiPrincipale {
public:
    using ApriFinestra = std::function<void(const QString& nome, bool inPrimoPiano)>;

    // The buttons of the toolbar, all of them: its commands and the table's come later.
    explicit ComandiPrincipale(QToolBar* toolbar);

    // Builds the menus anew and binds the buttons: the table's entries open their windows
    // through `apri`, the menus only showing them.
    void costruisci(QMenuBar* barra, const std::vector<MenuPrincipale>& menu,
                    const std::vector<PulsantePrincipale>& pulsanti, const TabellaFinestre& tabella, ApriFinestra apri);

    // Menu entry by name ("mnu_Apri"); nullptr when there is none.
    QAction* voce(const QString& nome) const { return voci_.value(nome, nullptr); }
    // Toolbar button by key ("Eseguiti"); nullptr when there is none.
    QAction* pulsante(const QString& chiave) const { return perChiave_.value(chiave, nullptr); }
    // Button by its place, 1..17 (3 and 9 are separators); nullptr outside.
    QAction* pulsante(int indice) const;
    const QList<QAction*>& pulsanti() const { return pulsanti_; }

    // No portfolio open: what needs none is enabled, the rest disabled.
    void senzaPortafoglio();
    // A portfolio has been opened: what needs one and no more is enabled.
    void conPortafoglio();
    // The refresh: what follows the portfolio's content takes the state of `livello`.
    void secondoContenuto(Livello livello);

private:
    struct Regola {
        QAction* azione;
        Abilitazione abilitata;
    };
    void applica(Livello livello, const std::function<bool(const Abilitazione&)>& tocca);

    QToolBar* toolbar_;
    QList<QAction*> pulsanti_; // index 0 is button 1
    QHash<QString, QAction*> perChiave_;
    QHash<QString, QAction*> voci_;
    std::vector<Regola> regole_;
};
