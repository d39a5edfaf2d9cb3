#pragma once
// The system's reasons for a failed file operation, in Italian: the C library and Qt give
// them in English ("Read-only file system", "Is a directory").
#include <QString>

class QIODevice;

// The reason for the error number `numero` (an errno).
QString TestoErroreSistema(int numero);
// `testo` with every reason of the C library it holds put in Italian.
QString InItaliano(const QString& testo);
// Why the last operation on `dispositivo` (a file, mostly) failed.
QString TestoErroreFile(const QIODevice& dispositivo);
