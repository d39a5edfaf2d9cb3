#pragma once
// What a chart shows: a table of rows (categories, each with a label on the axis) by columns
// (series), a current cell addressed from 1, and the kind of chart. Cells may hold no value;
// a value that is not finite is taken as none.
// The table has no size limit; changing the kind keeps the data and the data keeps the kind.
#include "tipo_grafico.h"

#include <QString>

#include <optional>
#include <vector>

class DatiGrafico {
public:
    using Cella = std::optional<double>;

    int tipo() const { return tipo_; }
    // A number that is not one of the kinds is ignored: the chart keeps its kind.
    bool impostaTipo(int tipo);

    int righe() const { return int(celle_.size()); }
    int colonne() const { return colonne_; }
    // New cells hold no value and new rows no label; the cells that stay keep theirs.
    // Counts below the minimum (0 rows, 1 column) are taken as the minimum.
    void impostaRighe(int n);
    void impostaColonne(int n);

    // The current cell, from 1; kept within the table.
    int riga() const { return riga_; }
    int colonna() const { return colonna_; }
    void impostaRiga(int r);
    void impostaColonna(int c);

    // The current cell.
    Cella dato() const { return valore(riga_, colonna_); }
    void impostaDato(Cella v);
    // Text in the Italian form ("-20", "1,5E-07"); text that is not a number leaves the cell
    // without value and answers false.
    bool impostaDato(const QString& testo);
    QString testoDato() const;

    QString etichettaRiga() const { return etichetta(riga_); }
    void impostaEtichettaRiga(const QString& testo);
    void impostaEtichettaColonna(const QString& testo);

    // Whole tables: a row whose columns are the values, or rows by columns. Labels are
    // cleared and the current cell goes back to the first.
    void caricaRiga(const std::vector<double>& valori);
    void caricaTabella(const std::vector<std::vector<Cella>>& tabella);

    // From 1; no value outside the table.
    Cella valore(int riga, int colonna) const;
    QString etichetta(int riga) const;
    QString etichettaDiColonna(int colonna) const;
    // Whether any column has a name.
    bool colonneConNome() const;

    // Largest and smallest value in the table (0 and 0 when it holds none).
    double massimo() const;
    double minimo() const;

    // Same kind, cells and labels: the same chart, wherever the current cell stands.
    bool stessoGrafico(const DatiGrafico& altro) const
    {
        return tipo_ == altro.tipo_ && colonne_ == altro.colonne_ && celle_ == altro.celle_
            && etichette_ == altro.etichette_ && etichetteColonne_ == altro.etichetteColonne_;
    }

    // Reads a number in the Italian form, sign and exponent included.
    static std::optional<double> LeggiTesto(const QString& testo);

private:
    void limitaCursore();

    int tipo_ = TipoGrafico::Barre;
    int colonne_ = 1;
    std::vector<std::vector<Cella>> celle_;
    std::vector<QString> etichette_;
    std::vector<QString> etichetteColonne_ = std::vector<QString>(1);
    int riga_ = 1;
    int colonna_ = 1;
};
