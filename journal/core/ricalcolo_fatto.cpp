#include "ricalcolo_fatto.h"

#include "motore.h"

RicalcoloFatto RicalcolaERicorda(QSqlDatabase& dataset, QSqlDatabase& portafoglio)
{
    RicalcoloFatto fatto{RicalcolaPortafoglio(dataset, portafoglio), {}, {}};
    fatto.portafoglio = ImprontaDi(portafoglio);
    fatto.dataset = ImprontaDi(dataset);
    return fatto;
}
