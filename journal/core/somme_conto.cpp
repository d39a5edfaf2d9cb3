#include "somme_conto.h"

#include <QStringList>

const QStringList& conto::Tipi()
{
    static const QStringList tipi = {Dividendi, Versamento, Prelievo, CostiDiGestione};
    return tipi;
}

SommeConto SommaMovimenti(const std::vector<RigaConto>& movimenti)
{
    SommeConto s;
    for (const RigaConto& m : movimenti) {
        if (m.Tipo == conto::Dividendi) {
            s.dividendi += m.Importo;
            s.netto += m.Importo;
        } else if (m.Tipo == conto::Versamento) {
            s.versamenti += m.Importo;
            s.netto += m.Importo;
        } else if (m.Tipo == conto::Prelievo) {
            s.prelievi -= m.Importo;
            s.netto -= m.Importo;
        } else if (m.Tipo == conto::CostiDiGestione) {
            s.costi -= m.Importo;
            s.netto -= m.Importo;
        } else {
            ++s.sconosciuti;
        }
    }
    return s;
}
