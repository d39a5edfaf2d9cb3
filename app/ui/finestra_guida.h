#pragma once
// The help window: the program's user guide, opened at its contents page.
#include <QDialog>

class QTextBrowser;

inline const QString NomeFileGuida = QStringLiteral("Gavrel.html");

class FinestraGuida : public QDialog {
    Q_OBJECT
public:
    // `percorso`: the guide's full path; it must exist.
    explicit FinestraGuida(const QString& percorso, QWidget* parent = nullptr);

    QTextBrowser* testo() const { return testo_; }

    // Back to the contents page.
    void mostraIndice();

private:
    QTextBrowser* testo_;
};
