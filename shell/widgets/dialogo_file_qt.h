#pragma once
// The file dialogs of the running program.
#include "dialogo_file.h"

class QWidget;

// The program's dialogs: Qt's own, non-native, so they look the same everywhere.
class DialogoFileQt : public DialogoFile {
public:
    explicit DialogoFileQt(QWidget* genitore = nullptr) : genitore_(genitore) { }
    void impostaGenitore(QWidget* genitore) { genitore_ = genitore; }
    QString apri(const QString& titolo, const QString& filtro) override;
    QString salva(const QString& titolo, const QString& filtro) override;
    SceltaFile salvaConFiltro(const QString& titolo, const QString& filtro) override;

    // "*.gvf|*.gvf" -> "*.gvf (*.gvf)"
    static QString FiltroQt(const QString& filtro);
    // The extension of the filter's first pattern ("*.gvf|*.gvf" -> "gvf"); "" for "*.*".
    static QString SuffissoPredefinito(const QString& filtro);

private:
    QWidget* genitore_;
};
