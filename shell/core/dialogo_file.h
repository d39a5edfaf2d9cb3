#pragma once
// File dialogs go through this interface, so that tests can choose files.
// Filters are written "descrizione|modello|descrizione|modello" ("*.gvf|*.gvf").
#include <QString>

// A save dialog's answer when the file type matters: the path and the filter entry picked.
struct SceltaFile {
    QString percorso; // empty when the user cancels
    int filtro = 1; // 1-based entry of the filter, as the user left it
};

class DialogoFile {
public:
    virtual ~DialogoFile() = default;
    // The chosen full path; empty when the user cancels.
    virtual QString apri(const QString& titolo, const QString& filtro) = 0;
    virtual QString salva(const QString& titolo, const QString& filtro) = 0;
    // A save dialog whose filter entry chooses what is written. Without an override the
    // first entry counts as picked.
    virtual SceltaFile salvaConFiltro(const QString& titolo, const QString& filtro)
    {
        return {salva(titolo, filtro), 1};
    }
};
