#include "disposizione_etichette.h"

#include <QHash>

#include <algorithm>
#include <cmath>

using namespace disposizione;

namespace {

// A long history puts tens of thousands of labels on an axis, each measured several times
// while its forms are tried: a text is shaped once.
class Larghezze {
public:
    explicit Larghezze(const QFontMetricsF& metrica)
        : metrica_(metrica)
    {
    }
    double operator()(const QString& testo)
    {
        const auto trovata = note_.constFind(testo);
        if (trovata != note_.constEnd())
            return *trovata;
        const double larga = metrica_.horizontalAdvance(testo);
        note_.insert(testo, larga);
        return larga;
    }

private:
    const QFontMetricsF& metrica_;
    QHash<QString, double> note_;
};

template <class Misura>
QStringList ACapoCon(const QString& testo, double larghezza, Misura&& misura)
{
    const QStringList parole = testo.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parole.isEmpty())
        return {testo};
    QStringList righe;
    QString riga;
    for (const QString& parola : parole) {
        const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (!riga.isEmpty() && misura(prova) > larghezza) {
            righe << riga;
            riga = parola;
        } else {
            riga = prova;
        }
    }
    righe << riga;
    return righe;
}

} // namespace

QStringList ACapo(const QString& testo, double larghezza, const QFontMetricsF& metrica)
{
    return ACapoCon(testo, larghezza, [&metrica](const QString& t) { return metrica.horizontalAdvance(t); });
}

double LarghezzaTesto(const QString& testo, const QFontMetricsF& metrica)
{
    double larga = 0;
    for (const QString& riga : testo.split(QLatin1Char('\n')))
        larga = std::max(larga, metrica.horizontalAdvance(riga));
    return larga;
}

namespace {

// The narrowest width at which `testo` wraps on `righe` lines or fewer.
double LarghezzaSuRighe(const QString& testo, int righe, Larghezze& misura)
{
    double alta = misura(testo);
    if (righe <= 1)
        return alta;
    double bassa = 0;
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        bassa = std::max(bassa, misura(parola));
    if (ACapoCon(testo, bassa, misura).size() <= righe)
        return bassa;
    // More room never needs more lines: halve the interval down to a pixel.
    while (alta - bassa > 0.5) {
        const double mezzo = (alta + bassa) / 2;
        if (ACapoCon(testo, mezzo, misura).size() <= righe)
            alta = mezzo;
        else
            bassa = mezzo;
    }
    return alta;
}

struct Prova {
    bool ruotate;
    int righe;
};

} // namespace

DisposizioneEtichette DisponiEtichette(const QStringList& etichette, const QFontMetricsF& metrica, double slot,
                                       double ingombroMassimo)
{
    DisposizioneEtichette scelta;
    scelta.ogni = 0;
    for (int i = 0; i < etichette.size(); ++i)
        scelta.testi << QString();
    if (etichette.isEmpty() || !(slot > 0))
        return scelta;

    // The labels wrapped on 1, 2 and 3 lines: their widest line and their most lines.
    struct Forma {
        QStringList testi;
        double larghezza = 0;
        int righe = 1;
    };
    Forma forme[RigheMassime];
    Larghezze misura(metrica);
    for (int r = 1; r <= RigheMassime; ++r) {
        double larghezza = 0;
        for (const QString& e : etichette)
            larghezza = std::max(larghezza, LarghezzaSuRighe(e, r, misura));
        Forma& f = forme[r - 1];
        for (const QString& e : etichette) {
            const QStringList righe = ACapoCon(e, larghezza, misura);
            f.testi << righe.join(QLatin1Char('\n'));
            f.righe = std::max(f.righe, int(righe.size()));
            for (const QString& riga : righe)
                f.larghezza = std::max(f.larghezza, misura(riga));
        }
    }

    // In order of ease of reading; among equal density the first wins.
    const Prova prove[] = {{false, 1}, {false, 2}, {true, 1}, {false, 3}, {true, 2}, {true, 3}};
    const double alta = metrica.height();
    int migliore = -1;
    int ogniMigliore = 0;
    double ingombroMigliore = 0;
    for (int i = 0; i < int(std::size(prove)); ++i) {
        const Forma& f = forme[prove[i].righe - 1];
        const double lungo = prove[i].ruotate ? f.righe * alta + Spazio / 2 : f.larghezza + Spazio;
        const double largo = prove[i].ruotate ? f.larghezza : f.righe * alta;
        if (largo > ingombroMassimo)
            continue;
        const int ogni = std::max(1, int(std::ceil(lungo / slot - 1e-9)));
        if (migliore < 0 || ogni < ogniMigliore) {
            migliore = i;
            ogniMigliore = ogni;
            ingombroMigliore = largo;
        }
    }
    if (migliore < 0)
        return scelta;
    scelta.ruotate = prove[migliore].ruotate;
    scelta.ogni = ogniMigliore;
    scelta.ingombro = ingombroMigliore;
    const Forma& f = forme[prove[migliore].righe - 1];
    for (int i = 0; i < etichette.size(); i += ogniMigliore)
        scelta.testi[i] = f.testi[i];
    return scelta;
}
