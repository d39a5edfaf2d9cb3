#include "data_scritta.h"

#include <QStringList>

namespace date {

namespace {

bool SoloCifre(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (const QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool Separatore(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

std::optional<QDate> Componi(const QString& giorno, const QString& mese, const QString& anno, const QDate& oggi)
{
    if (!SoloCifre(giorno) || !SoloCifre(mese) || !SoloCifre(anno) || giorno.size() > 2 || mese.size() > 2
        || (anno.size() != 2 && anno.size() != 4))
        return std::nullopt;
    const int a = anno.size() == 2 ? AnnoDaDueCifre(anno.toInt(), oggi.year()) : anno.toInt();
    const QDate d(a, mese.toInt(), giorno.toInt());
    if (!d.isValid() || a < 1)
        return std::nullopt;
    return d;
}

} // namespace

int AnnoDaDueCifre(int dueCifre, int annoOggi)
{
    int anno = annoOggi - annoOggi % 100 + dueCifre;
    if (anno > annoOggi + 49)
        anno -= 100;
    else if (anno < annoOggi - 50)
        anno += 100;
    return anno;
}

bool CarattereDiData(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || Separatore(c);
}

std::optional<QDate> LeggiDataScritta(const QString& testo, const QDate& oggi)
{
    const QString t = testo.trimmed();
    if (SoloCifre(t)) {
        if (t.size() != 8 && t.size() != 6)
            return std::nullopt;
        return Componi(t.left(2), t.mid(2, 2), t.mid(4), oggi);
    }
    QStringList parti;
    QString parte;
    for (const QChar c : t) {
        if (Separatore(c)) {
            parti << parte;
            parte.clear();
        } else {
            parte += c;
        }
    }
    parti << parte;
    if (parti.size() != 3)
        return std::nullopt;
    return Componi(parti.at(0), parti.at(1), parti.at(2), oggi);
}

} // namespace date
