#include "comandi_principale.h"

#include "pulsanti_toolbar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

ComandiPrincipale::ComandiPrincipale(QToolBar* toolbar) : toolbar_(toolbar)
{
    const auto& tabella = PulsantiToolbar();
    auto riga = tabella.begin();
    for (int indice = 1; indice <= NumeroPulsantiToolbar; ++indice) {
        if (riga == tabella.end() || riga->indice != indice) {
            pulsanti_ << toolbar_->addSeparator();
            continue;
        }
        QAction* pulsante = toolbar_->addAction(QString());
        pulsante->setObjectName(riga->chiave);
        pulsante->setData(riga->chiave);
        pulsante->setProperty("descrizione", riga->tooltip);
        pulsanti_ << pulsante;
        perChiave_.insert(riga->chiave, pulsante);
        ++riga;
    }
}

QAction* ComandiPrincipale::pulsante(int indice) const
{
    return indice >= 1 && indice <= pulsanti_.size() ? pulsanti_.at(indice - 1) : nullptr;
}

void ComandiPrincipale::costruisci(QMenuBar* barra, const std::vector<MenuPrincipale>& menu,
                                   const std::vector<PulsantePrincipale>& pulsanti, const TabellaFinestre& tabella,
                                   ApriFinestra apri)
{
    // The menus of an earlier table go, so that a menu is found by its name.
    qDeleteAll(barra->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
    barra->clear();
    voci_.clear();
    regole_.clear();
    for (const MenuPrincipale& m : menu) {
        QMenu* tendina = barra->addMenu(QString::fromUtf8(m.titolo));
        tendina->setObjectName(QLatin1String(m.nome));
        tendina->menuAction()->setObjectName(QLatin1String(m.nome));
        auto aggiungi = [&](const QString& nome, const QString& testo) {
            QAction* azione = tendina->addAction(testo);
            azione->setObjectName(nome);
            voci_.insert(nome, azione);
            return azione;
        };
        auto comandi = [&](const std::vector<ComandoPrincipale>& lista) {
            for (const ComandoPrincipale& c : lista) {
                QAction* azione = aggiungi(QLatin1String(c.nome), QString::fromUtf8(c.testo));
                QObject::connect(azione, &QAction::triggered, azione, c.esegui);
                if (!c.aSeStante)
                    regole_.push_back({azione, c.abilitata});
            }
        };
        comandi(m.prima);
        for (const DescrittoreFinestra& d : tabella) {
            if (d.menu != QLatin1String(m.nome) || d.voceMenu.isEmpty())
                continue;
            QAction* azione = aggiungi(d.voceMenu, d.testoMenu);
            QObject::connect(azione, &QAction::triggered, azione, [apri, nome = d.nome] { apri(nome, false); });
            regole_.push_back({azione, d.voceAbilitata});
        }
        comandi(m.dopo);
    }

    // The buttons keep their actions; only what a click runs is bound anew.
    for (QAction* p : std::as_const(pulsanti_))
        QObject::disconnect(p, &QAction::triggered, nullptr, nullptr);
    for (const PulsantePrincipale& c : pulsanti)
        if (QAction* p = pulsante(QLatin1String(c.chiave))) {
            QObject::connect(p, &QAction::triggered, p, c.esegui);
            regole_.push_back({p, Sempre});
        }
    for (const DescrittoreFinestra& d : tabella)
        if (QAction* p = d.chiaveToolbar.isEmpty() ? nullptr : pulsante(d.chiaveToolbar)) {
            QObject::connect(p, &QAction::triggered, p,
                             [apri, nome = d.nome, davanti = d.inPrimoPianoDaToolbar] { apri(nome, davanti); });
            regole_.push_back({p, d.pulsanteAbilitato});
        }
}

void ComandiPrincipale::applica(Livello livello, const std::function<bool(const Abilitazione&)>& tocca)
{
    for (const Regola& r : regole_)
        if (tocca(r.abilitata))
            if (const std::optional<bool> stato = AbilitataA(r.abilitata, livello))
                r.azione->setEnabled(*stato);
}

void ComandiPrincipale::senzaPortafoglio()
{
    applica(Livello::Nessuno, [](const Abilitazione&) { return true; });
}

void ComandiPrincipale::conPortafoglio()
{
    applica(Livello::Portafoglio, [](const Abilitazione& a) { return a.da == Livello::Portafoglio; });
}

void ComandiPrincipale::secondoContenuto(Livello livello)
{
    applica(livello, [](const Abilitazione& a) { return a.da >= Livello::Eseguiti; });
}
