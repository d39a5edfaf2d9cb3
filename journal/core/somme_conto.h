#pragma once
// Sums of the cash-account movements by kind: dividends and deposits add, withdrawals and
// management costs subtract. A movement of any other kind counts nowhere and is reported.
#include "tabella_conto.h"

#include <QStringList>

#include <vector>

namespace conto {

inline const QString Dividendi = QStringLiteral("Dividendi");
inline const QString Versamento = QStringLiteral("Versamento");
inline const QString Prelievo = QStringLiteral("Prelievo");
inline const QString CostiDiGestione = QStringLiteral("Costi di gestione");

// The four kinds, in the order of the kind list.
const QStringList& Tipi();

inline const QString MessaggioTipoSconosciuto = QStringLiteral("Errore nel modulo controllo record");

} // namespace conto

struct SommeConto {
    double dividendi = 0;
    double versamenti = 0;
    double prelievi = 0; // zero or negative
    double costi = 0; // zero or negative
    double netto = 0;
    int sconosciuti = 0; // movements of a kind that is none of the four
};

SommeConto SommaMovimenti(const std::vector<RigaConto>& movimenti);
