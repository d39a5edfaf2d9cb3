#include "finestre_figlie.h"

#include "finestra_figlia.h"
#include "tieni_nell_area.h"

#include <QDialog>
#include <QMdiArea>

FinestreFiglie::FinestreFiglie(QMdiArea* area, QWidget* genitore, ContestoFinestre& contesto)
    : area_(area), genitore_(genitore), contesto_(contesto)
{
}

const DescrittoreFinestra* FinestreFiglie::descrittore(const QString& nome) const
{
    for (const DescrittoreFinestra& d : tabella_)
        if (d.nome == nome)
            return &d;
    return nullptr;
}

FinestraFiglia* FinestreFiglie::sottofinestra(const QString& nome) const
{
    for (QMdiSubWindow* s : area_->subWindowList()) {
        auto* figlia = qobject_cast<FinestraFiglia*>(s);
        if (figlia && !figlia->chiusa() && figlia->widget() && figlia->widget()->objectName() == nome)
            return figlia;
    }
    return nullptr;
}

QWidget* FinestreFiglie::finestra(const QString& nome) const
{
    FinestraFiglia* s = sottofinestra(nome);
    return s ? s->widget() : nullptr;
}

QWidget* FinestreFiglie::apri(const QString& nome, bool inPrimoPiano)
{
    FinestraFiglia* figlia = sottofinestra(nome);
    if (!figlia) {
        const DescrittoreFinestra* d = descrittore(nome);
        if (!d) {
            qWarning("Finestra sconosciuta: %s", qPrintable(nome));
            return nullptr;
        }
        if (!d->fabbrica)
            return nullptr;
        QWidget* w = d->fabbrica(contesto_);
        if (!w)
            return nullptr;
        if (w->objectName().isEmpty())
            w->setObjectName(nome);
        if (auto* dialogo = qobject_cast<QDialog*>(w); dialogo && d->genere == GenereFinestra::Dialogo) {
            QPointer<QDialog> guardia(dialogo);
            if (!dialogo->parent())
                dialogo->setParent(genitore_, dialogo->windowFlags() | Qt::Dialog);
            dialogo->exec();
            delete guardia.data();
            return nullptr;
        }
        figlia = new FinestraFiglia;
        figlia->setWidget(w);
        figlia->setWindowTitle(w->windowTitle());
        area_->addSubWindow(figlia);
    }
    if (inPrimoPiano) {
        if (figlia->isMinimized())
            figlia->showNormal();
        figlia->show();
        figlia->raise();
        area_->setActiveSubWindow(figlia);
    } else {
        figlia->show();
    }
    TieniNellArea(figlia);
    return figlia->widget();
}

void FinestreFiglie::scarica(const QString& nome)
{
    if (FinestraFiglia* s = sottofinestra(nome))
        s->close();
}

QList<QPointer<QMdiSubWindow>> FinestreFiglie::inOrdineDiApertura() const
{
    QList<QPointer<QMdiSubWindow>> aperte;
    for (QMdiSubWindow* s : area_->subWindowList(QMdiArea::CreationOrder))
        aperte << s;
    return aperte;
}

void FinestreFiglie::chiudiTutte()
{
    area_->closeAllSubWindows();
}
