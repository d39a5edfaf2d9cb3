#include "applica_colori.h"

#include "colore_long.h"
#include "colori.h"
#include "picture_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

namespace {

void Sfondo(QWidget* w, const QColor& colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colore);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Controlli(QWidget* contenitore, const SchemaColori& schema)
{
    for (QObject* figlio : contenitore->children()) {
        auto* w = qobject_cast<QWidget*>(figlio);
        if (!w || w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
            continue;
        if (auto* etichetta = qobject_cast<QLabel*>(w)) {
            Sfondo(etichetta, ColoreDaLong(schema.ColoreSfondo));
            QPalette p = etichetta->palette();
            p.setColor(QPalette::WindowText, ColoreDaLong(schema.ColoreTesto));
            etichetta->setPalette(p);
        } else if (qobject_cast<QGroupBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            Sfondo(w, ColoreDaLong(schema.ColoreSfondo));
        } else if (auto* area = qobject_cast<QMdiArea*>(w)) {
            // The area paints its own background, whatever the palette says.
            area->setBackground(ColoreDaLong(schema.ColoreSfondo));
        } else if (auto* box = qobject_cast<PictureBox*>(w)) {
            box->SetForeColor(schema.ClockLancette);
        }
        Controlli(w, schema);
    }
}

} // namespace

void ApplicaColori(QWidget* finestra, const QSqlDatabase& dataset)
{
    const auto schema = LeggiColori(dataset);
    if (!schema || !finestra)
        return;
    Sfondo(finestra, ColoreDaLong(schema->ColoreSfondo));
    Controlli(finestra, *schema);
}
