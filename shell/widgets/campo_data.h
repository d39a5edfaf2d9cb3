#pragma once
// The date field of every window: dd/mm/yyyy, with its calendar. What the user types stays as
// typed until the field is left, and is then read whole (date::LeggiDataScritta), so that
// "12/01/2026", "1/2/2026", "01/02/26" and "12012026" are the dates they say. A text that is
// no date is refused with a message and kept, to be corrected: it never turns into another date.
#include <QDateEdit>

#include <optional>

class Messaggi;

class CampoData : public QDateEdit {
    Q_OBJECT
public:
    explicit CampoData(Messaggi& messaggi, QWidget* genitore = nullptr);

    // The date of the text as it stands, or nothing when it is no date of the field's range.
    std::optional<QDate> dataScritta() const;
    // The same; when the text is no date, says so, puts the focus back on the field and gives
    // nothing. What a command reads before it writes the date.
    std::optional<QDate> dataConfermata();

    static QString MessaggioNonData(const QString& testo);

protected:
    QValidator::State validate(QString& testo, int& pos) const override;
    void fixup(QString& testo) const override;
    QDateTime dateTimeFromText(const QString& testo) const override;
    // The arrows and the wheel step the part of the typed date under the caret.
    void stepBy(int passi) override;
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    bool focusNextPrevChild(bool avanti) override;

private:
    // Takes the typed text as the field's date, or refuses it.
    bool accetta();

    Messaggi& messaggi_;
};

// A date field with its control name, as `Crea` makes the others.
CampoData* CreaCampoData(QWidget* genitore, const char* nome, Messaggi& messaggi);
