#pragma once
// Message boxes go through this interface, so that tests can answer them.
#include <QString>

class Messaggi {
public:
    enum class Icona { Nessuna, Esclamazione, Domanda, Informazione, Critico };
    enum class Pulsanti { Ok, SiNo };
    enum class Risposta { Ok, Si, No };

    virtual ~Messaggi() = default;
    virtual Risposta mostra(const QString& testo, Icona icona = Icona::Nessuna, Pulsanti pulsanti = Pulsanti::Ok,
                            const QString& titolo = QStringLiteral("Brunivox"))
        = 0;
};
