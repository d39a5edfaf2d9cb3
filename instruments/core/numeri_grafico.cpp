#include "numeri_grafico.h"

#include "numeri.h"

QString TestoNumeroGrafico(double valore)
{
    return numeri::TestoNumero(valore);
}

QString TestoNumeroGrafico(double valore, int decimali)
{
    // The same call Qt Charts makes on the chart's locale, so the two never differ.
    return LocaleGrafici().toString(valore, 'f', decimali);
}

QLocale LocaleGrafici()
{
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    return italiano;
}

QString FormatoDecimali(int decimali)
{
    return QStringLiteral("%.%1f").arg(decimali);
}
