#pragma once
// The figures of each statistics window, read from the open databases. Each call reads
// the tables anew: nothing is kept between two calls.
#include "capitale.h"
#include "giorni.h"
#include "medie.h"
#include "report.h"
#include "sequenze.h"
#include "statistiche_errori.h"

#include <QSqlDatabase>
#include <QString>

#include <array>
#include <optional>
#include <vector>

template <class T> struct [[nodiscard]] Calcolo {
    T figure{};
    QString errore; // empty when the tables were read (and written)

    bool ok() const { return errore.isEmpty(); }
};

Calcolo<std::optional<FigureReport>> FigureReportDa(const QSqlDatabase& dataset, const QSqlDatabase& portafoglio);
Calcolo<std::vector<double>> FigureCapitaleDa(const QSqlDatabase& portafoglio);
Calcolo<std::vector<PuntoGrOperazioni>> FigureGrOperazioniDa(const QSqlDatabase& dataset,
                                                             const QSqlDatabase& portafoglio);
Calcolo<std::array<std::optional<double>, 5>> FigureGiorniDa(const QSqlDatabase& portafoglio);
Calcolo<FigureRisk> FigureRiskDa(const QSqlDatabase& portafoglio);
Calcolo<FigureMDD> FigureMDDDa(const QSqlDatabase& portafoglio);
Calcolo<FigureMedie> FigureMedieDa(const QSqlDatabase& portafoglio);

// Recounts the error catalogue from the trades and rewrites its Contatore and Importo, in
// one transaction. On a database error the catalogue keeps its figures.
Calcolo<FigureErrori> RicalcolaStatisticheErrori(QSqlDatabase& dataset, const QSqlDatabase& portafoglio);
