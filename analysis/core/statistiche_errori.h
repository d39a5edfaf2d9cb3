#pragma once
// Error statistics: how many trades carry an error, what the errors cost, and each code's
// share; the catalogue's counters and missed gains rebuilt from the trades.
#include "tabella_errori.h"
#include "tabella_eseguiti.h"

#include <QHash>
#include <QString>

#include <vector>

struct RigaGraficoErrori {
    QString Descrizione;
    double quotaConteggio = 0; // Contatore x 100 / errors, unrounded
    double quotaImporto = 0; // Importo x 100 / missed total, unrounded

    bool operator==(const RigaGraficoErrori&) const = default;
};

struct FigureErrori {
    long long nErr = 0; // trades with an error of the catalogue
    long long nEse = 0; // all trades
    double missedTot = 0;
    double percentuale = 0; // nErr x 100 / nEse to 1 decimal; 0 without trades
    QString piuFrequente; // empty when no code was used
    QString piuPericoloso; // empty when no error cost anything
    std::vector<RigaErrore> catalogo; // the catalogue with its new figures, in catalogue order
    std::vector<RigaGraficoErrori> grafico; // by descending count, without the no-error code
    long long righeGrafico = 0; // rows the chart holds: the catalogue's rows but one
};

// Missed gain of one trade: Int(Qta x |Prezzo - PrezzoOttimale|), without the binary noise of
// the product (400 x 0,15 gives 60, 7 x 0,15 gives 1); none without a best price.
double MancatoGuadagno(const RigaEseguito& eseguito);

// The figures summed one trade at a time, as the trades are read. The no-error code is the
// first row's Cod. A trade whose code is not in the catalogue counts as a trade but not as an
// error, as in the position engine. Ties in the rankings go to the earlier catalogue row.
class ConteggioErrori {
public:
    explicit ConteggioErrori(const std::vector<RigaErrore>& catalogo);
    void Aggiungi(const RigaEseguito& eseguito);
    FigureErrori Figure() const;

private:
    struct Conteggio {
        long long contatore = 0;
        double importo = 0;
    };
    std::vector<RigaErrore> catalogo_;
    QString nessunErrore_;
    QHash<QString, Conteggio> perCodice_;
    long long nEse_ = 0;
    long long nErr_ = 0;
    double missedTot_ = 0;
};
