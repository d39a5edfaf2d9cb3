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

// What the commit writes of a row: the price to 4 decimals, the amount (price times
// quantity) to 1, halves to even. A row is read only when both are finite and above 0.
double PrezzoImportato(const RigaImportata& riga);
double ImportoImportato(const RigaImportata& riga);

inline const QString MessaggioRealTickNonValido
    = QStringLiteral("file di Real Tick non valido: i dati non contengono valori validi");

// A day's trade file takes a few kilobytes; a larger file than this is refused unread.
inline constexpr qint64 DimensioneMassimaRealTick = 256LL * 1024 * 1024;

struct LetturaRealTick {
    std::vector<RigaImportata> righe; // the lines read before any invalid one
    bool valido = true; // false: the file or one of its lines is invalid
    QString messaggio = MessaggioRealTickNonValido; // what to tell the user when invalid
};

// Parses the text of the file `percorso` (whose name gives the date). The text is UTF-8
// (with or without a byte-order mark) when it reads as such, and otherwise code page 1252,
// the platform's own. Quantity and price are numeric literals as SQL reads them: blanks
// around them, ".5" and "1e1" are numbers; a sign, a 0 and any other text are not, and
// a quantity must be whole. The side is BUY or SELL in any case and nothing else; code and
// system hold no control character and do not begin as a spreadsheet formula (=, +, -, @).
// The first line that fails ends the reading, and the message names it.
LetturaRealTick AnalizzaRealTick(const QByteArray& testo, const QString& percorso);

// Reads and parses one file; a file that cannot be read, is empty, or is larger than
// DimensioneMassimaRealTick is invalid, the last with a message of its own.
LetturaRealTick LeggiFileRealTick(const QString& percorso);
