#include "campo_data.h"

#include "data_scritta.h"
#include "messaggi.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// Room for dd/mm/yyyy; a longer text is no date however it goes on.
constexpr int LunghezzaMassima = 10;

// The part (0 day, 1 month, 2 year) the caret stands in: counted by separators, or by
// digits in a text without them (ddmmyyyy).
int ParteAl(const QString& testo, int pos)
{
    const auto separatore = [](QChar c) { return date::CarattereDiData(c) && !c.isDigit(); };
    if (std::none_of(testo.begin(), testo.end(), separatore))
        return pos <= 2 ? 0 : pos <= 4 ? 1 : 2;
    const QString prima = testo.left(pos);
    return std::min(static_cast<int>(std::count_if(prima.begin(), prima.end(), separatore)), 2);
}

} // namespace

CampoData::CampoData(Messaggi& messaggi, QWidget* genitore) : QDateEdit(genitore), messaggi_(messaggi)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // The date changes when the text is read, not at each keystroke that happens to make one.
    setKeyboardTracking(false);
    // The spin box would move the caret to the start of a part at every keystroke, and put the
    // last date back whenever the caret crossed a part: the text is the user's until it is read.
    disconnect(lineEdit(), &QLineEdit::cursorPositionChanged, this, nullptr);
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { updateMicroFocus(); });
}

QString CampoData::MessaggioNonData(const QString& testo)
{
    const QString come = QStringLiteral("scrivere giorno, mese e anno, per esempio 12/01/2026, 1/2/26 o 12012026.");
    if (testo.trimmed().isEmpty())
        return QStringLiteral("Manca la data: ") + come;
    return QStringLiteral("\"%1\" non è una data: ").arg(testo) + come;
}

std::optional<QDate> CampoData::dataScritta() const
{
    const std::optional<QDate> d = date::LeggiDataScritta(lineEdit()->text(), QDate::currentDate());
    if (!d || *d < minimumDate() || *d > maximumDate())
        return std::nullopt;
    return d;
}

std::optional<QDate> CampoData::dataConfermata()
{
    if (!accetta())
        return std::nullopt;
    return date();
}

bool CampoData::accetta()
{
    const std::optional<QDate> d = dataScritta();
    if (!d) {
        messaggi_.mostra(MessaggioNonData(lineEdit()->text()), Messaggi::Icona::Esclamazione);
        setFocus(Qt::OtherFocusReason);
        selectAll();
        return false;
    }
    setDate(*d);
    return true;
}

void CampoData::stepBy(int passi)
{
    const int parte = ParteAl(lineEdit()->text(), lineEdit()->cursorPosition());
    if (!accetta())
        return;
    const QDate d = date();
    const QDate nuova = parte == 0 ? d.addDays(passi) : parte == 1 ? d.addMonths(passi) : d.addYears(passi);
    if (nuova.isValid() && nuova >= minimumDate() && nuova <= maximumDate())
        setDate(nuova);
    // The part stays selected, so that the next step steps it again.
    constexpr int inizio[] = {0, 3, 6};
    constexpr int lunghezza[] = {2, 2, 4};
    lineEdit()->setSelection(inizio[parte], lunghezza[parte]);
}

QAbstractSpinBox::StepEnabled CampoData::stepEnabled() const
{
    // A text not yet read may be any date: the step reads it first, and says when it is none.
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State CampoData::validate(QString& testo, int&) const
{
    if (date::LeggiDataScritta(testo, QDate::currentDate()))
        return QValidator::Acceptable;
    if (testo.size() > LunghezzaMassima)
        return QValidator::Invalid;
    for (const QChar c : testo)
        if (!date::CarattereDiData(c))
            return QValidator::Invalid;
    return QValidator::Intermediate;
}

void CampoData::fixup(QString&) const
{
    // Nothing: a text that is no date is refused, not mended into one.
}

QDateTime CampoData::dateTimeFromText(const QString& testo) const
{
    const std::optional<QDate> d = date::LeggiDataScritta(testo, QDate::currentDate());
    return d ? QDateTime(*d, QTime(0, 0)) : dateTime();
}

void CampoData::keyPressEvent(QKeyEvent* evento)
{
    const bool invio = evento->key() == Qt::Key_Enter || evento->key() == Qt::Key_Return;
    if (invio && !accetta()) {
        evento->accept();
        return;
    }
    // Past the date edit's own handling, which jumps between parts as they fill and on
    // separators: the keys edit the text as typed.
    QAbstractSpinBox::keyPressEvent(evento);
}

void CampoData::focusInEvent(QFocusEvent* evento)
{
    // Reached by Tab or by its caption's shortcut, the whole date is selected, to be typed over.
    QAbstractSpinBox::focusInEvent(evento);
    if (evento->reason() == Qt::ShortcutFocusReason)
        selectAll();
}

void CampoData::focusOutEvent(QFocusEvent* evento)
{
    if (const std::optional<QDate> d = dataScritta()) {
        setDate(*d);
        QDateEdit::focusOutEvent(evento);
        return;
    }
    // Left with a text that is no date (by the mouse, or for another window): the text stays,
    // where the spin box would put the last date back; whatever reads the field refuses it.
    QCoreApplication::sendEvent(lineEdit(), evento);
    QWidget::focusOutEvent(evento);
}

bool CampoData::focusNextPrevChild(bool avanti)
{
    // Tab leaves the field, with its date read, rather than walking day, month and year.
    if (!accetta())
        return true;
    return QAbstractSpinBox::focusNextPrevChild(avanti);
}

CampoData* CreaCampoData(QWidget* genitore, const char* nome, Messaggi& messaggi)
{
    auto* campo = new CampoData(messaggi, genitore);
    campo->setObjectName(QLatin1String(nome));
    return campo;
}
