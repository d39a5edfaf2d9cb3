#include "filtro_tasti.h"

#include "filtri.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The key code of a key press, as the filters see it: Backspace and the keys that type a
// printable character. Every other key (Tab, Enter, Esc, Delete, arrows, shortcuts with
// Ctrl) gives 0 and never reaches a filter, so moving, deleting and closing work as usual.
int CodiceTasto(const QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Backspace)
        return TastoBackspace;
    const QString testo = evento->text();
    if (testo.isEmpty() || !testo.at(0).isPrint())
        return 0;
    return testo.at(0).unicode();
}

class FiltroTasti : public QObject {
public:
    FiltroTasti(QLineEdit* casella, bool numerico, int maxInt, int maxDec)
        : FiltroTasti(casella, casella, numerico, maxInt, maxDec)
    {
    }
    // Watches `bersaglio` (the box itself, or the combo that owns it).
    FiltroTasti(QObject* bersaglio, QLineEdit* casella, bool numerico, int maxInt, int maxDec)
        : QObject(bersaglio), bersaglio_(bersaglio), casella_(casella), numerico_(numerico), maxInt_(maxInt),
          maxDec_(maxDec)
    {
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (oggetto != bersaglio_ || evento->type() != QEvent::KeyPress)
            return false;
        const int codice = CodiceTasto(static_cast<QKeyEvent*>(evento));
        if (codice == 0)
            return false;
        if (numerico_) {
            const int inizio = casella_->hasSelectedText() ? casella_->selectionStart() : casella_->cursorPosition();
            return FiltraNumero(casella_->text(), inizio, codice, maxInt_, maxDec_) == 0;
        }
        if (FiltraCaratteri(codice) == 0) {
            QApplication::beep();
            return true;
        }
        return false;
    }

private:
    QObject* bersaglio_;
    QLineEdit* casella_;
    bool numerico_;
    int maxInt_;
    int maxDec_;
};

} // namespace

void ApplicaFiltroCaratteri(QLineEdit* casella)
{
    casella->installEventFilter(new FiltroTasti(casella, false, 0, 0));
}

void ApplicaFiltroCaratteri(QComboBox* combo)
{
    if (!combo->lineEdit())
        return;
    combo->installEventFilter(new FiltroTasti(combo, combo->lineEdit(), false, 0, 0));
    ApplicaFiltroCaratteri(combo->lineEdit());
}

void ApplicaFiltroNumero(QLineEdit* casella, int maxInt, int maxDec)
{
    casella->installEventFilter(new FiltroTasti(casella, true, maxInt, maxDec));
}
