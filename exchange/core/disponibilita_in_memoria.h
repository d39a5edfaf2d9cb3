#pragma once
// The holding check on a trade history held in memory: read once, then each new trade
// is put at its (Data, ID) place and the whole history replayed without a query. The
// replay and its texts are those of VerificaDisponibilita.
#include "esito.h"
#include "tabella_eseguiti.h"

#include <QHash>
#include <QString>

#include <vector>

class DisponibilitaInMemoria {
public:
    explicit DisponibilitaInMemoria(const std::vector<RigaEseguito>& storia);

    void aggiungi(qint64 id, const QString& dataIso, const QString& tipo, const QString& cod, qint64 qta);
    // Takes out the trade with this key (the one just added, when it was undone).
    void togli(qint64 id);

    // Accepted when every sell is covered, otherwise refused with the text about the first
    // one that is not (or the first trade that cannot be replayed).
    Esito verifica() const;

    std::size_t numero() const { return eseguiti_.size(); }

private:
    struct Voce {
        QString data;
        qint64 id = 0;
        bool acquisto = false;
        int codice = 0; // index into codici_
        qint64 qta = 0;
        QString difetto; // why the trade cannot be replayed; empty when it can
    };

    Voce voce(qint64 id, const QString& dataIso, const QString& tipo, const QString& cod, qint64 qta);

    int codice(const QString& cod);
    static bool prima(const Voce& a, const Voce& b);

    std::vector<Voce> eseguiti_; // in (Data, ID) order
    QHash<QString, int> indici_;
    std::vector<QString> codici_;
};
