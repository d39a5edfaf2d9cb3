#pragma once
// Single-byte text in the Windows code page 1252, as the text export writes it.
#include <QByteArray>
#include <QString>

// Each character becomes its byte in code page 1252; one outside it becomes "?".
QByteArray TestoWindows1252(const QString& testo);
