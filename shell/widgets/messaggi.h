#pragma once
// Message boxes go through this interface, so that tests can answer them.
#include <QString>

class QWidget;

class Messaggi {
public:
    enum class Icona { Nessuna, Esclamazione, Domanda, Informazione, Critico };
    enum class Pulsanti { Ok, SiNo };
    enum class Risposta { Ok, Si, No };

    virtual ~Messaggi() = default;
    virtual Risposta mostra(const QString& testo, Icona icona = Icona::Nessuna, Pulsanti pulsanti = Pulsanti::Ok,
                            const QString& titolo = QStringLiteral("Brunivox")) = 0;
};

// The program's message boxes (QMessageBox).
class MessaggiQt : public Messaggi {
public:
    explicit MessaggiQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void impostaGenitore(QWidget* genitore) { genitore_ = genitore; }
    Risposta mostra(const QString& testo, Icona icona, Pulsanti pulsanti, const QString& titolo) override;

private:
    QWidget* genitore_;
};
