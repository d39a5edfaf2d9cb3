#include "leggibilita.h"

#include "delegato_testo_libero.h"
#include "grafico.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QToolTip>

#include <optional>

namespace {

QString Nome(const QWidget* w)
{
    QString nome = w->objectName();
    if (nome.isEmpty())
        nome = QString::fromLatin1(w->metaObject()->className());
    if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(l->text());
    else if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(b->text());
    else if (const auto* e = qobject_cast<const QLineEdit*>(w); e && e->isReadOnly() && !e->text().isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(e->text());
    return nome;
}

QString Misura(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Controls that draw their own insides: what lies within them is theirs, not the window's.
bool Composto(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const Grafico*>(w);
}

// Areas whose lines move through them by design, so that what they hold crosses their edges:
// the about window's scrolling credits.
bool Scorrevole(const QWidget* finestra, const QWidget* w)
{
    return finestra->objectName() == QLatin1String("FrmAbout") && w->objectName() == QLatin1String("Shape1");
}

// The visible controls of the window, each with the window's layout around it.
QList<QWidget*> Controlli(QWidget* finestra)
{
    QList<QWidget*> controlli;
    const QList<QWidget*> tutti = finestra->findChildren<QWidget*>();
    for (QWidget* w : tutti) {
        if (!w->isVisibleTo(finestra) || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_"))
            || qobject_cast<QSizeGrip*>(w))
            continue;
        bool interno = false;
        for (QWidget* p = w->parentWidget(); p && p != finestra; p = p->parentWidget())
            interno = interno || Composto(p) || p->isWindow() || Scorrevole(finestra, p);
        if (!interno)
            controlli << w;
    }
    return controlli;
}

void Posti(QWidget* finestra, const QList<QWidget*>& controlli, QStringList& difetti)
{
    for (QWidget* c : controlli) {
        const QRect inFinestra(c->mapTo(finestra, QPoint(0, 0)), c->size());
        if (!finestra->rect().contains(inFinestra))
            difetti << QStringLiteral("%1 (%2) lies outside the window (%3x%4)")
                           .arg(Nome(c), Misura(inFinestra))
                           .arg(finestra->width())
                           .arg(finestra->height());
        else if (c->parentWidget() != finestra && !c->parentWidget()->rect().contains(c->geometry()))
            difetti
                << QStringLiteral("%1 (%2) is cut by %3").arg(Nome(c), Misura(c->geometry()), Nome(c->parentWidget()));
        if (c->width() <= 0 || c->height() <= 0)
            difetti << QStringLiteral("%1 has no size").arg(Nome(c));
    }
    for (int i = 0; i < controlli.size(); ++i)
        for (int j = i + 1; j < controlli.size(); ++j) {
            QWidget* a = controlli[i];
            QWidget* b = controlli[j];
            if (a->parentWidget() == b->parentWidget() && a->geometry().intersects(b->geometry()))
                difetti << QStringLiteral("%1 (%2) and %3 (%4) overlap")
                               .arg(Nome(a), Misura(a->geometry()), Nome(b), Misura(b->geometry()));
        }
}

// The size a control needs to show its text whole; none when it shows no text.
std::optional<QSize> Necessario(QWidget* c)
{
    if (auto* l = qobject_cast<QLabel*>(c)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return std::nullopt;
        if (l->wordWrap())
            return QSize(0, l->heightForWidth(l->width()));
        return QSize(l->sizeHint().width(), l->minimumSizeHint().height());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
        if (b->text().isEmpty())
            return std::nullopt;
        // A push button's own least width is the style's taste; its caption is what counts.
        QSize serve = b->sizeHint();
        if (qobject_cast<QPushButton*>(b))
            serve.setWidth(b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) + 8);
        return serve;
    }
    if (auto* e = qobject_cast<QLineEdit*>(c)) {
        // A read-only box is a heading: its text shows whole. Every box is high enough to type in.
        int larghezza = 0;
        if (e->isReadOnly()) {
            const QMargins m = e->textMargins();
            larghezza = e->fontMetrics().horizontalAdvance(e->text()) + m.left() + m.right() + 4
                + (e->hasFrame() ? 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0);
        }
        return QSize(larghezza, e->minimumSizeHint().height());
    }
    if (qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractSpinBox*>(c))
        return c->minimumSizeHint();
    return std::nullopt;
}

// Captions, options, read-only headings and choices show their whole text.
void Testi(const QList<QWidget*>& controlli, QStringList& difetti)
{
    for (QWidget* c : controlli) {
        const std::optional<QSize> serve = Necessario(c);
        if (serve && (c->width() < serve->width() || c->height() < serve->height()))
            difetti << QStringLiteral("%1 is cut: %2x%3, needs %4x%5")
                           .arg(Nome(c))
                           .arg(c->width())
                           .arg(c->height())
                           .arg(serve->width())
                           .arg(serve->height());
    }
}

// The tooltip the grid shows over a cell, as the user would get it.
QString Suggerimento(QTableView* griglia, const QModelIndex& indice)
{
    const QRect cella = griglia->visualRect(indice);
    QToolTip::hideText();
    QHelpEvent evento(QEvent::ToolTip, cella.center(), griglia->viewport()->mapToGlobal(cella.center()));
    QApplication::sendEvent(griglia->viewport(), &evento);
    const QString testo = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return testo;
}

// Every column shown lies in the grid's view and is as wide as its caption and its widest
// cell; a column of the user's own free text may cut, and then tells the whole text.
void Colonne(QTableView* griglia, QStringList& difetti)
{
    const QAbstractItemModel* modello = griglia->model();
    if (!modello)
        return;
    QHeaderView* testata = griglia->horizontalHeader();
    QStyleOptionViewItem opzione;
    opzione.initFrom(griglia);
    opzione.widget = griglia;
    opzione.font = griglia->font();
    opzione.fontMetrics = griglia->fontMetrics();
    const int linea = griglia->showGrid() ? 1 : 0;
    const QString nomeGriglia = Nome(griglia);
    for (int c = 0; c < modello->columnCount(); ++c) {
        if (griglia->isColumnHidden(c))
            continue;
        const QString titolo = modello->headerData(c, Qt::Horizontal).toString();
        const QString colonna = QStringLiteral("%1, column \"%2\"").arg(nomeGriglia, titolo);
        const int larghezza = griglia->columnWidth(c);
        const int inizio = griglia->columnViewportPosition(c);
        if (inizio < 0 || inizio + larghezza > griglia->viewport()->width())
            difetti << QStringLiteral("%1 is out of view (%2 to %3 of %4)")
                           .arg(colonna)
                           .arg(inizio)
                           .arg(inizio + larghezza)
                           .arg(griglia->viewport()->width());
        if (testata->isVisible() && larghezza < testata->sectionSizeHint(c))
            difetti << QStringLiteral("%1 cuts its caption: %2 pixels wide, needs %3")
                           .arg(colonna)
                           .arg(larghezza)
                           .arg(testata->sectionSizeHint(c));
        const bool testoLibero = qobject_cast<DelegatoTestoLibero*>(griglia->itemDelegateForColumn(c)) != nullptr;
        for (int r = 0; r < modello->rowCount(); ++r) {
            const QModelIndex indice = modello->index(r, c);
            QAbstractItemDelegate* delegato = griglia->itemDelegateForIndex(indice);
            const int serve = delegato->sizeHint(opzione, indice).width() + linea;
            if (serve <= larghezza)
                continue;
            const QString testo = indice.data().toString();
            if (testoLibero) {
                griglia->scrollTo(indice);
                const QString suggerito = Suggerimento(griglia, indice);
                if (suggerito != testo)
                    difetti
                        << QStringLiteral("%1 cuts \"%2\" and its tooltip says \"%3\"").arg(colonna, testo, suggerito);
                continue;
            }
            difetti << QStringLiteral("%1 cuts \"%2\": %3 pixels wide, needs %4")
                           .arg(colonna, testo)
                           .arg(larghezza)
                           .arg(serve);
            break; // one cell per column says enough
        }
    }
    griglia->scrollToTop();
    griglia->horizontalScrollBar()->setValue(0);
}

// The labels Qt Charts lays out (axes, categories, titles) are text items of the chart's
// scene: none may be elided or reach past the chart.
void TestiDellaScena(Grafico* g, QChartView* vista, QStringList& difetti)
{
    const QRectF visibile = vista->mapToScene(vista->viewport()->rect()).boundingRect();
    for (QGraphicsItem* item : vista->scene()->items()) {
        if (!item->isVisible())
            continue;
        QString testo;
        if (auto* t = dynamic_cast<QGraphicsTextItem*>(item))
            testo = t->toPlainText();
        else if (auto* s = dynamic_cast<QGraphicsSimpleTextItem*>(item))
            testo = s->text();
        if (testo.isEmpty())
            continue;
        if (testo.contains(QLatin1String("...")) || testo.contains(QChar(0x2026)))
            difetti << QStringLiteral("%1 elides a label: \"%2\"").arg(Nome(g), testo);
        else if (!visibile.adjusted(-0.5, -0.5, 0.5, 0.5).contains(item->sceneBoundingRect()))
            difetti << QStringLiteral("%1 cuts the label \"%2\" at its edge").arg(Nome(g), testo);
    }
}

// A chart that lists the texts it shows, whichever way it draws them (its projected kinds
// too), says of each whether it shows whole.
template <typename G> void TestiDichiarati(G* g, QStringList& difetti)
{
    if constexpr (requires(G & grafico) { grafico.etichetteMostrate(); }) {
        for (const auto& etichetta : g->etichetteMostrate())
            if (!etichetta.intera)
                difetti << QStringLiteral("%1 does not show whole: \"%2\"").arg(Nome(g), etichetta.testo);
    }
}

} // namespace

QStringList DifettiDeiGrafici(QWidget* finestra)
{
    QStringList difetti;
    for (Grafico* g : finestra->findChildren<Grafico*>()) {
        if (!g->isVisibleTo(finestra))
            continue;
        TestiDichiarati(g, difetti);
        for (QChartView* vista : g->findChildren<QChartView*>())
            if (vista->isVisibleTo(finestra) && vista->scene())
                TestiDellaScena(g, vista, difetti);
    }
    return difetti;
}

QStringList DifettiDiLettura(QWidget* finestra)
{
    QStringList difetti;
    const QList<QWidget*> controlli = Controlli(finestra);
    Posti(finestra, controlli, difetti);
    Testi(controlli, difetti);
    for (QWidget* c : controlli)
        if (auto* griglia = qobject_cast<QTableView*>(c))
            Colonne(griglia, difetti);
    return difetti;
}
