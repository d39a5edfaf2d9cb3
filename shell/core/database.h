#pragma once
// Opening the two kinds of database after checking that a file really is one of ours.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>

enum class TipoDatabase { Impostazioni, Portafoglio };

inline constexpr int ApplicationIdImpostazioni = 0x42564453; // "BVDS"
inline constexpr int ApplicationIdPortafoglio = 0x42565046;  // "BVPF"
inline constexpr int VersioneSchema = 1;

inline const QString NomeFileDataSet = QStringLiteral("DataSet.gvx");
inline const QString NomeFileDataExe = QStringLiteral("DataExe.gvx");

// Accepted when the file (if it exists) and its folder can be written; otherwise refused
// with the Italian text naming the read-only one.
Esito VerificaScrivibile(const QString& percorso);

// Accepted when `percorso` is a database of the given kind that this program can use;
// otherwise refused with the Italian text that tells the user why not. No existing
// connection is touched; the only write is SQLite's own rollback of a journal left by a crash.
Esito VerificaDatabase(const QString& percorso, TipoDatabase tipo);

struct [[nodiscard]] EsitoApertura {
    QSqlDatabase db; // open when esito is accepted
    Esito esito; // refused by the check, or a database error of the open itself
};

// Checks the file, then (re)opens it on the named connection. On refusal the named
// connection is left exactly as it was.
EsitoApertura ApriDatabase(const QString& nomeConnessione, const QString& percorso, TipoDatabase tipo);

// Closes and forgets a named connection.
void ChiudiDatabase(const QString& nomeConnessione);
