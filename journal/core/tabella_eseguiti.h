#pragma once
// The one owner of the trade tables' SQL: Eseguiti, and its copies EseguitiTemp and
// EseguitiBackup, which have the same columns in the same order.
#include "colonne_portafoglio.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

// Column positions, in table order; the grid models use them too.
struct ColEseguiti {
    enum : int { ID, Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, PrezzoOttimale, Numero };
};

static_assert(ColonneEseguiti.size() == ColEseguiti::Numero);

inline const QString SqlColonneEseguiti = ElencoColonne(ColonneEseguiti);

// One new trade: every column but the key, which the table gives, bound in table order
// from Data to PrezzoOttimale.
inline const QString SqlInserisciEseguito = [] {
    QStringList colonne = ListaColonne(ColonneEseguiti);
    colonne.removeFirst();
    QStringList segnaposti;
    for (qsizetype i = 0; i < colonne.size(); ++i)
        segnaposti << QStringLiteral("?");
    return QStringLiteral("INSERT INTO Eseguiti (%1) VALUES (%2)")
        .arg(colonne.join(QStringLiteral(", ")), segnaposti.join(QStringLiteral(", ")));
}();

// A stored trade changed whole: the same columns, bound in the same order, then the key.
inline const QString SqlAggiornaEseguito = [] {
    QStringList colonne = ListaColonne(ColonneEseguiti);
    colonne.removeFirst();
    for (QString& c : colonne)
        c += QStringLiteral(" = ?");
    return QStringLiteral("UPDATE Eseguiti SET %1 WHERE ID = ?").arg(colonne.join(QStringLiteral(", ")));
}();

struct RigaEseguito {
    qint64 ID = 0;
    QString Data;      // ISO text as stored
    QString Tipo;
    QString System;
    QString Cod;
    QString Titolo;
    qint64 Qta = 0;
    double Prezzo = 0;
    double Importo = 0;
    QString Errore;
    std::optional<double> PrezzoOttimale;   // none when the cell is empty (staged imports)

    bool operator==(const RigaEseguito&) const = default;
};

// The values SqlInserisciEseguito and SqlAggiornaEseguito bind, Data to PrezzoOttimale.
QVariantList ValoriEseguito(const RigaEseguito& riga);

enum class OrdineEseguiti {
    PerDataEId,   // the replay order: same-day trades in key order
    PerId         // the order of insertion
};

// Every row of `tabella` ("Eseguiti", "EseguitiTemp" or "EseguitiBackup").
Lettura<RigaEseguito> LeggiEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine = OrdineEseguiti::PerDataEId,
                                    const QString& tabella = QStringLiteral("Eseguiti"));

// The same rows handed to `usa` one at a time as they are read, for a writer that need not
// hold the table. The error's text, or "" when every row was read.
QString PercorriEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine,
                         const std::function<void(const RigaEseguito&)>& usa);

// Every row of Eseguiti in insertion order with only what the error statistics use: ID, Qta,
// Prezzo, Errore and PrezzoOttimale; the texts that make most of a long history's reading
// cost stay empty. Each row goes to `usa` as it is read, in one buffer that the next row
// overwrites, so that a refresh sums the history without holding it. The error's text, or ""
// when every row was read.
QString PercorriErroriEseguiti(const QSqlDatabase& portafoglio, const std::function<void(const RigaEseguito&)>& usa);

// How many rows the table has, into `righe`: the length of a long reading before it starts.
// The error's text, or "".
QString ContaEseguiti(const QSqlDatabase& portafoglio, qint64& righe);
