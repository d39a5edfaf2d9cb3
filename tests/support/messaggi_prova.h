#pragma once
// Scripted answers for message boxes and file dialogs, with a log of what was asked.
#include "dialogo_file.h"
#include "messaggi.h"

#include <QList>
#include <QStringList>

class MessaggiProva : public Messaggi {
public:
    struct Mostrato {
        QString testo;
        Icona icona;
        Pulsanti pulsanti;
        QString titolo;
    };

    // Answers given in order; once they run out, Ok (or No for a question).
    QList<Risposta> risposte;
    QList<Mostrato> mostrati;

    Risposta mostra(const QString& testo, Icona icona, Pulsanti pulsanti, const QString& titolo) override
    {
        mostrati.append({testo, icona, pulsanti, titolo});
        if (!risposte.isEmpty())
            return risposte.takeFirst();
        return pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Ok;
    }

    QStringList testi() const
    {
        QStringList t;
        for (const Mostrato& m : mostrati)
            t << m.testo;
        return t;
    }
};

class DialogoFileProva : public DialogoFile {
public:
    struct Richiesta {
        bool salva;
        QString titolo;
        QString filtro;
    };

    // Paths returned in order; once they run out, "" (cancel).
    QStringList scelte;
    // Filter entries (1-based) picked in the save dialogs that ask for one, in order;
    // once they run out, the first entry.
    QList<int> filtri;
    QList<Richiesta> richieste;

    QString apri(const QString& titolo, const QString& filtro) override { return scegli(false, titolo, filtro); }
    QString salva(const QString& titolo, const QString& filtro) override { return scegli(true, titolo, filtro); }
    SceltaFile salvaConFiltro(const QString& titolo, const QString& filtro) override
    {
        const QString percorso = scegli(true, titolo, filtro);
        return {percorso, filtri.isEmpty() ? 1 : filtri.takeFirst()};
    }

private:
    QString scegli(bool salva, const QString& titolo, const QString& filtro)
    {
        richieste.append({salva, titolo, filtro});
        return scelte.isEmpty() ? QString() : scelte.takeFirst();
    }
};
