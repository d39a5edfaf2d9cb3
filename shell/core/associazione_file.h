#pragma once
// The file type of saved portfolios ("gvf"), registered at every start.
#include "registro.h"

// Sets the eight values of the association in the store. Nothing is removed.
void ScriviAssociazione(ArchivioRegistro& archivio);

// Reads the store of the current user, sets the association and writes it back when it changed.
// A store that cannot be read or written is left as it is, silently: the program runs without it.
void RegistraAssociazioneFile(const QString& fileRegistro = FileRegistro());
