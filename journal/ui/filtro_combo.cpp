#include "filtro_combo.h"

#include "filtri.h"
#include "filtro_tasti.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class FiltroCombo : public QObject {
public:
    explicit FiltroCombo(QComboBox* combo) : QObject(combo), combo_(combo) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (oggetto != combo_ || evento->type() != QEvent::KeyPress)
            return false;
        const QString testo = static_cast<QKeyEvent*>(evento)->text();
        if (testo.isEmpty() || FiltraCaratteri(testo.at(0).unicode()) != 0)
            return false;
        QApplication::beep();
        return true;
    }

private:
    QComboBox* combo_;
};

} // namespace

void ApplicaFiltroCaratteriCombo(QComboBox* combo)
{
    combo->installEventFilter(new FiltroCombo(combo));
    if (combo->lineEdit())
        ApplicaFiltroCaratteri(combo->lineEdit());
}
