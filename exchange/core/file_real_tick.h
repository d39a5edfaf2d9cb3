#pragma once
// Trade files of the Real Tick III platform: CR LF lines of "," fields without quoting,
// one header line first, the trade date in the file name (...yyyymmdd.csv).
#include <QByteArray>
#include <QString>

#include <vector>

// One trade as read from a file, before the commit computes amount and error code.
struct RigaImportata {
    QString Data; // ISO, from the file name
    QString Tipo; // field 4
    qint64 Qta = 0; // field 5
    QString Cod; // field 6
    double Prezzo = 0; // field 7, "." as decimal point
    QString System; // field 9
    QString Titolo = QStringLiteral("ND");

    bool operator==(const RigaImportata&) const = default;
};

inline const QString MessaggioRealTickNonValido
    = QStringLiteral("file di Real Tick non valido: i dati non contengono valori validi");

struct LetturaRealTick {
    std::vector<RigaImportata> righe; // the lines read before any invalid one
    bool valido = true; // false: the file or one of its lines is invalid
};

// Parses the text of the file `percorso` (whose name gives the date).
LetturaRealTick AnalizzaRealTick(const QByteArray& testo, const QString& percorso);

// Reads and parses one file; a file that cannot be read, or is empty, is invalid.
LetturaRealTick LeggiFileRealTick(const QString& percorso);
