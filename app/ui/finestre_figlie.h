#pragma once
// The windows of the table in the main window: each child lives in the MDI area, one per
// name; a dialog is run modally and deleted.
#include "descrittore_finestra.h"

#include <QList>
#include <QPointer>

class FinestraFiglia;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

class FinestreFiglie {
public:
    // Dialogs without a parent of their own get `genitore`.
    FinestreFiglie(QMdiArea* area, QWidget* genitore, ContestoFinestre& contesto);

    void impostaTabella(TabellaFinestre tabella) { tabella_ = std::move(tabella); }
    const TabellaFinestre& tabella() const { return tabella_; }
    const DescrittoreFinestra* descrittore(const QString& nome) const;

    // Shows the named window. With `inPrimoPiano` a minimised child is restored and brought
    // to the front. Returns the child's widget, or nullptr for a dialog or an unknown name.
    QWidget* apri(const QString& nome, bool inPrimoPiano);
    // The open child window of that name, or nullptr.
    FinestraFiglia* sottofinestra(const QString& nome) const;
    QWidget* finestra(const QString& nome) const;
    void scarica(const QString& nome);
    // The children in the order they were opened, closed ones included.
    QList<QPointer<QMdiSubWindow>> inOrdineDiApertura() const;
    void chiudiTutte();

private:
    QMdiArea* area_;
    QWidget* genitore_;
    ContestoFinestre& contesto_;
    TabellaFinestre tabella_;
};
