#include "colori_serie.h"

#include "tipo_grafico.h"

#include <iterator>

QColor ColoreSerie(int colonna)
{
    static const QColor colori[] = {
        QColor(0x20, 0x6b, 0xc4), QColor(0xd9, 0x4f, 0x2b), QColor(0x3c, 0xa0, 0x4a), QColor(0xe8, 0xb0, 0x1e),
        QColor(0x8a, 0x4f, 0xc0), QColor(0x1f, 0xa8, 0xb0), QColor(0xc4, 0x3c, 0x8a), QColor(0x6d, 0x6d, 0x6d),
    };
    const int n = int(std::size(colori));
    return colori[((colonna - 1) % n + n) % n];
}

QColor ColoreDiColonna(int tipo, int colonna)
{
    return ColoreSerie(tipo == TipoGrafico::XY ? (colonna + 1) / 2 : colonna);
}
