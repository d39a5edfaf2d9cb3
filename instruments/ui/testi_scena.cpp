#include "testi_scena.h"

#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QTextDocument>

QString TestoVisibile(const QString& testo)
{
    QString t = testo;
    t.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.remove(QChar(0x200B));
    return t.trimmed();
}

QList<TestoScena> TestiDellaScena(const QChart& grafico, const QRectF& visibile, const QSet<QString>& dati)
{
    QList<TestoScena> testi;
    const QGraphicsScene* scena = grafico.scene();
    if (!scena)
        return testi;
    const QRectF dentroVista = visibile.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (QGraphicsItem* elemento : scena->items(Qt::AscendingOrder)) {
        const auto* testo = dynamic_cast<const QGraphicsTextItem*>(elemento);
        if (!testo || !testo->isVisible())
            continue;
        const QString mostrato = TestoVisibile(testo->toPlainText());
        if (mostrato.isEmpty())
            continue;
        // The text's own box, without the document's margin around it.
        const double margine = testo->document()->documentMargin();
        const QRectF dentro
            = testo->mapRectToScene(testo->boundingRect().adjusted(margine, margine, -margine, -margine));
        const bool accorciato
            = (mostrato.endsWith(QLatin1String("...")) || mostrato.endsWith(QChar(0x2026))) && !dati.contains(mostrato);
        testi.append({mostrato, dentro, !accorciato && dentroVista.contains(dentro)});
    }
    return testi;
}
