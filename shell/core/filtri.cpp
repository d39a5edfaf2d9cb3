#include "filtri.h"

int FiltraCaratteri(int keyAscii)
{
    static const QString vietati = QStringLiteral("!@#$%^&*()_+-='");
    if (keyAscii > 0 && keyAscii < 0x10000 && vietati.contains(QChar(keyAscii)))
        return 0;
    return keyAscii;
}

int FiltraNumero(const QString& testo, int inizioSelezione, int keyAscii, int maxInt, int maxDec)
{
    if (keyAscii == TastoBackspace)
        return keyAscii;
    const QChar virgola = QLatin1Char(',');
    if (keyAscii == ',')
        return (maxDec != 0 && !testo.contains(virgola)) ? keyAscii : 0;

    const int posVirgola = testo.indexOf(virgola);
    const QString parteIntera = posVirgola < 0 ? testo : testo.left(posVirgola);
    const QString parteDecimale = posVirgola < 0 ? QString() : testo.mid(posVirgola + 1);
    const bool nelDecimale = testo.left(inizioSelezione).contains(virgola);
    const int lunghezza = nelDecimale ? parteDecimale.size() : parteIntera.size();
    const int limite = nelDecimale ? maxDec : maxInt;
    const bool cifra = keyAscii >= '0' && keyAscii <= '9';
    return (lunghezza < limite && cifra) ? keyAscii : 0;
}
