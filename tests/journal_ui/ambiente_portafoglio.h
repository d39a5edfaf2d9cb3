#pragma once
// A program folder with the settings and a fresh portfolio open on the program's own
// connections, and helpers to seed and read the trade history.
#include "cartella_prova.h"
#include "stato_applicazione.h"

#include <QList>
#include <QVariantList>

struct Eseguito {
    QString data;   // ISO
    QString tipo;
    QString cod;
    QString titolo;
    long long qta;
    double prezzo;
    QString errore = QStringLiteral("NE");
    QString system = QStringLiteral("WEB");
};

class AmbientePortafoglio {
public:
    AmbientePortafoglio();
    ~AmbientePortafoglio();

    // Writes a trade straight into Eseguiti and returns its key.
    qint64 inserisci(const Eseguito& e);
    // Makes the snapshot equal to Eseguiti, as the trade window does when it refreshes.
    void allinea();
    // Every row of a trade table (keys included), by key.
    QList<QVariantList> righe(const QString& tabella = QStringLiteral("Eseguiti"));
    QVariant valore(const QString& sql);
    long long conta(const QString& tabella = QStringLiteral("Eseguiti"));

    CartellaProva cartella;
    StatoApplicazione stato;
};
