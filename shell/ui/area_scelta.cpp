#include "area_scelta.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// QLabel would be static text to a screen reader: a choice is a button that can be pressed.
class SceltaAccessibile : public QAccessibleWidget {
public:
    explicit SceltaAccessibile(AreaScelta* area) : QAccessibleWidget(area, QAccessible::Button) { }

    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }

    void doAction(const QString& azione) override
    {
        if (azione == pressAction())
            static_cast<AreaScelta*>(widget())->premi();
        else
            QAccessibleWidget::doAction(azione);
    }
};

QAccessibleInterface* FabbricaAccessibile(const QString& classe, QObject* oggetto)
{
    if (classe == QLatin1String("AreaScelta"))
        if (auto* area = qobject_cast<AreaScelta*>(oggetto))
            return new SceltaAccessibile(area);
    return nullptr;
}

} // namespace

AreaScelta::AreaScelta(QWidget* parent) : QLabel(parent)
{
    static const bool fabbricaInstallata = (QAccessible::installFactory(FabbricaAccessibile), true);
    Q_UNUSED(fabbricaInstallata);
    setFocusPolicy(Qt::StrongFocus);
}

void AreaScelta::keyPressEvent(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!evento->isAutoRepeat())
            premi();
        evento->accept();
        return;
    default:
        QLabel::keyPressEvent(evento);
    }
}

void AreaScelta::mousePressEvent(QMouseEvent* evento)
{
    // Taken, so that the release comes back here.
    if (evento->button() == Qt::LeftButton)
        evento->accept();
    else
        QLabel::mousePressEvent(evento);
}

void AreaScelta::mouseReleaseEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
        evento->accept();
        premi();
        return;
    }
    QLabel::mouseReleaseEvent(evento);
}

void AreaScelta::paintEvent(QPaintEvent* evento)
{
    QLabel::paintEvent(evento);
    if (!hasFocus())
        return;
    // Inside the border that the mouse shows, so that the two can be told apart.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 7, 7);
}
