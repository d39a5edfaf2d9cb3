#pragma once
// Single-byte text in the Windows code page 1252: as the text export writes it, and as the
// trade files of the platform that uses it are read.
#include <QByteArray>
#include <QString>

// Each character becomes its byte in code page 1252; one outside it becomes "?".
QByteArray TestoWindows1252(const QString& testo);

// Each byte becomes its character in code page 1252 ("\x80" is "€", "\x92" is "’"); the five
// bytes the code page leaves undefined become the control characters of the same number, as
// the platform itself reads them.
QString DaWindows1252(const QByteArray& testo);
