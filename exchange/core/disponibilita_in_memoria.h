#pragma once
// The holding check on a trade history held in memory: read once, then each new trade is
// put at its (Data, ID) place among the trades of its code. Holdings are per code, so a
// new trade is checked by replaying its code alone, and only from where the last replay of
// that code stopped when it went in after it. Each code's replay is the holding check's
// own (controllo_posseduti.h).
#include "controllo_posseduti.h"
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

    // The whole history: accepted when every sell is covered, otherwise refused with the
    // text about the first one that is not (or the first trade that cannot be replayed).
    Esito verifica();
    // The same for the trades of one code only.
    Esito verifica(const QString& cod);

    std::size_t numero() const { return numero_; }

private:
    struct Voce {
        QString data;
        qint64 id = 0;
        bool acquisto = false;
        bool dataValida = false;
        qint64 qta = 0;
    };
    // Where the replay of a code's trades got to.
    struct Replay {
        std::size_t fatte = 0; // trades replayed, from the first
        PossedutaCodice posseduta;
        QString rifiuto; // the first refusal; the replay stops at it
    };
    struct Codice {
        QString cod;
        std::vector<Voce> voci; // in (Data, ID) order
        Replay replay;
    };
    // The last trade added, with the replay of its code before it, so undoing it costs nothing.
    struct Ultima {
        int codice = -1;
        qint64 id = 0;
        Replay prima;
    };

    static Voce voce(qint64 id, const QString& dataIso, const QString& tipo, qint64 qta);
    static bool prima(const Voce& a, const Voce& b);
    int codice(const QString& cod);
    void avanza(Codice& c) const;

    std::vector<Codice> codici_;
    QHash<QString, int> indici_;
    Ultima ultima_;
    std::size_t numero_ = 0;
};
