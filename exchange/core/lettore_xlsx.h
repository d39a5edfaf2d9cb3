#pragma once
// A small reader of Office Open XML workbooks: the sheets with their names, cell values
// and number formats, frozen panes, selection and protection. Enough to show a cell of a
// workbook and to read back what the workbook export wrote.
#include <QHash>
#include <QList>
#include <QString>

struct CellaXlsx {
    QString valore; // text as stored: the string, or the number's text ("45366")
    bool numero = false;
    QString formato; // number format code ("dd/mm/yy"); empty for General
    bool formula = false; // the cell holds a formula (its value is the last result)
};

struct FoglioXlsx {
    QString nome;
    QHash<QString, CellaXlsx> celle; // by reference ("D1")
    QHash<int, double> altezzeRighe; // by 1-based row
    bool selezionato = false; // tabSelected
    QString riquadroCongelato; // top-left cell of the frozen pane ("A3"); empty when none
    QString cellaAttiva; // the selection's active cell
    bool protetto = false;
    QHash<QString, QString> protezione; // attributes of sheetProtection
    int immagini = 0; // pictures anchored on the sheet

    CellaXlsx cella(const QString& riferimento) const { return celle.value(riferimento); }
};

struct CartellaXlsx {
    QList<FoglioXlsx> fogli; // in workbook order
    int attivo = 0; // index of the active sheet
    QString errore; // Italian text when the file is not a readable workbook

    bool ok() const { return errore.isEmpty(); }
};

CartellaXlsx LeggiCartellaXlsx(const QString& percorso);
