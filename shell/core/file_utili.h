#pragma once
#include <QString>

// True when the file exists and can be opened for reading.
bool EsisteFile(const QString& percorso);

// Two names of one file (a symbolic or hard link, "..", a relative path) are the same file.
bool StessoFile(const QString& a, const QString& b);

// The path of the file itself, links and "." or ".." resolved; for a file not there yet, its
// name in the resolved folder.
QString PercorsoReale(const QString& percorso);

// A file name ending in yyyymmdd and a four-character extension ("...20240315.csv")
// gives "15/03/2024"; a name that holds no valid date gives "".
QString ConvertiData(const QString& nome);
