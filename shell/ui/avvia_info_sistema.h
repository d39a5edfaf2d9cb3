#pragma once
// The system-information launcher of the about window: starts the tool that the registry
// store names, or says that there is none.
#include "messaggi.h"
#include "registro.h"

#include <functional>

// Starts a program, detached; false when it cannot be started.
using AvviaEsterno = std::function<bool(const QString& programma)>;
bool AvviaStaccato(const QString& programma);

inline const QString MessaggioInfoSistema = QStringLiteral("System Information Is Unavailable At This Time");

// The program under HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools\MSINFO" "PATH"; else
// MSINFO32.EXE in the folder under "SOFTWARE\Microsoft\Shared Tools Location" "MSINFO", when it
// exists; else, or when the start fails, the one message.
void AvviaInfoSistema(Messaggi& messaggi, const QString& fileRegistro = FileRegistro(),
                      const AvviaEsterno& avvia = AvviaStaccato);
