#include "twips.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace twips {

QSize DimensioneEsterna(const QWidget* finestra)
{
    const QWidget* esterna = finestra;
    if (auto* cornice = qobject_cast<const QMdiSubWindow*>(finestra->parentWidget()))
        esterna = cornice;
    const QSize s = esterna->isWindow() ? esterna->frameGeometry().size() : esterna->size();
    return {DaPixel(s.width()), DaPixel(s.height())};
}

} // namespace twips
