#include "griglie_tastiera.h"

#include "griglia_modificabile.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

namespace {

int PrimaColonna(const QTableView* g)
{
    int c = 0;
    while (c < g->model()->columnCount() && g->isColumnHidden(c))
        ++c;
    return c;
}

// Whether Tab has somewhere else to go in the window: a window whose only control is the
// grid keeps the focus there.
bool AltroControllo(const QWidget* finestra, const QTableView* g)
{
    for (const QWidget* w : finestra->findChildren<QWidget*>())
        if (w != g && !g->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return true;
    return false;
}

QString Nome(const QTableView* g)
{
    return g->window()->objectName() + QLatin1Char('.') + g->objectName();
}

} // namespace

QStringList DifettiDiTastiera(QWidget* finestra, QStringList* provate)
{
    QStringList difetti;
    for (QTableView* g : finestra->findChildren<QTableView*>()) {
        if (!g->isVisible() || !g->model())
            continue;
        const QString nome = Nome(g);
        // A grid out of the tab chain is never reached by the keyboard.
        if (g->focusPolicy() == Qt::NoFocus)
            continue;
        if (g->model()->rowCount() == 0) {
            difetti << nome + QStringLiteral(": no rows to try the keys on");
            continue;
        }
        if (provate)
            *provate << nome;
        g->window()->activateWindow();
        const bool modificabile = qobject_cast<GrigliaModificabile*>(g) != nullptr;
        const int riga = g->model()->rowCount() > 1 ? 1 : 0;
        for (const Qt::Key tasto : {Qt::Key_Tab, Qt::Key_Backtab}) {
            const QString chiave = tasto == Qt::Key_Tab ? QStringLiteral("Tab") : QStringLiteral("Shift+Tab");
            const QModelIndex partenza = g->model()->index(riga, PrimaColonna(g));
            g->setCurrentIndex(partenza);
            g->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(g, tasto, tasto == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QWidget* fuoco = g->window()->focusWidget();
            const bool dentro = fuoco == g || g->isAncestorOf(fuoco);
            if (modificabile) {
                if (!dentro || g->currentIndex() == partenza)
                    difetti << nome + QStringLiteral(": %1 does not walk the cells of an editable grid").arg(chiave);
            } else {
                if (dentro && AltroControllo(finestra, g))
                    difetti << nome + QStringLiteral(": %1 stays in a grid the user only reads").arg(chiave);
                if (g->currentIndex() != partenza)
                    difetti << nome + QStringLiteral(": %1 moved the current cell").arg(chiave);
            }
        }
    }
    return difetti;
}
