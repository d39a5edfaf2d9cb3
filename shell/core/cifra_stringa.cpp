#include "cifra_stringa.h"

#include "numeri.h"

#include <QRandomGenerator>

namespace {

// Two characters, upper-case hex, right-aligned (" F" below 16).
QString DueCifre(int v)
{
    return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char(' '));
}

int LeggiEsadecimale(const QString& due)
{
    QString s = due;
    s.remove(QLatin1Char(' '));
    bool ok = false;
    const int v = s.toInt(&ok, 16);
    return ok ? v : 0;
}

// Walks the key one character after the other, starting again at its end.
class PosizioneChiave {
public:
    explicit PosizioneChiave(const QByteArray& chiave) : chiave_(chiave) {}
    int prossimo()
    {
        if (chiave_.isEmpty())
            return 0;
        if (pos_ < chiave_.size())
            ++pos_;
        else
            pos_ = 1;
        return static_cast<unsigned char>(chiave_.at(pos_ - 1));
    }

private:
    QByteArray chiave_;
    int pos_ = 0;
};

QString Decifra(const QString& chiave, const QString& testo)
{
    if (testo.size() <= 2)
        return QString();
    PosizioneChiave k(chiave.toLatin1());
    int p = LeggiEsadecimale(testo.left(2));
    QByteArray risultato;
    for (int i = 2; i < testo.size(); i += 2) {
        const int e = LeggiEsadecimale(testo.mid(i, 2));
        int t = e ^ k.prossimo();
        if (t <= p)
            t = t + 255 - p;
        else
            t = t - p;
        risultato.append(static_cast<char>(t & 0xFF));
        p = e;
    }
    return QString::fromLatin1(risultato);
}

} // namespace

QString CifraConPrimoValore(const QString& chiave, const QString& testo, int primoValore)
{
    PosizioneChiave k(chiave.toLatin1());
    QString risultato = DueCifre(primoValore);
    int p = primoValore;
    for (char c : testo.toLatin1()) {
        int v = (static_cast<unsigned char>(c) + p) % 255;
        v ^= k.prossimo();
        risultato += DueCifre(v);
        p = v;
    }
    return risultato;
}

QString CifraStringa(const QString& modo, const QString& chiave, const QString& testo)
{
    if (modo == QLatin1String("E")) {
        const double caso = QRandomGenerator::global()->generateDouble();
        const int r = static_cast<int>(numeri::InteroPari(caso * 10000) % 255) + 1;
        return CifraConPrimoValore(chiave, testo, r);
    }
    if (modo == QLatin1String("D"))
        return Decifra(chiave, testo);
    return QString();
}
