#include "tieni_nell_area.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

constexpr char Custodita[] = "tenutaNellArea";

void Rientra(QMdiSubWindow* figlia)
{
    const QWidget* area = figlia->parentWidget();
    if (!area || figlia->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    const QRect g = figlia->geometry();
    const QPoint dentro(std::max(0, std::min(g.x(), area->width() - g.width())),
                        std::max(0, std::min(g.y(), area->height() - g.height())));
    if (dentro != g.topLeft())
        figlia->move(dentro);
}

class Custode : public QObject {
public:
    explicit Custode(QMdiSubWindow* figlia) : QObject(figlia), figlia_(figlia) { }

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        const QEvent::Type tipo = evento->type();
        // A button held down is the user dragging the frame or its edge.
        if (oggetto == figlia_ && (tipo == QEvent::Move || tipo == QEvent::Resize || tipo == QEvent::Show)
            && QGuiApplication::mouseButtons() == Qt::NoButton)
            Rientra(figlia_);
        return false;
    }

private:
    QMdiSubWindow* figlia_;
};

} // namespace

void TieniNellArea(QMdiSubWindow* figlia)
{
    if (!figlia->property(Custodita).toBool()) {
        figlia->installEventFilter(new Custode(figlia));
        figlia->setProperty(Custodita, true);
    }
    Rientra(figlia);
}
