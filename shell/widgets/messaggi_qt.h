#pragma once
// The message boxes of the running program.
#include "messaggi.h"

class QWidget;

// The program's message boxes (QMessageBox).
class MessaggiQt : public Messaggi {
public:
    explicit MessaggiQt(QWidget* genitore = nullptr) : genitore_(genitore) { }
    void impostaGenitore(QWidget* genitore) { genitore_ = genitore; }
    Risposta mostra(const QString& testo, Icona icona, Pulsanti pulsanti, const QString& titolo) override;

private:
    QWidget* genitore_;
};
