#pragma once
#include <QString>

// True when the file exists and can be opened for reading.
bool EsisteFile(const QString& percorso);

// Two spellings of one file (a link, "..", a relative path) are the same file.
bool StessoFile(const QString& a, const QString& b);

// A file name ending in yyyymmdd and a four-character extension ("...20240315.csv")
// gives "15/03/2024"; a name that holds no valid date gives "".
QString ConvertiData(const QString& nome);
