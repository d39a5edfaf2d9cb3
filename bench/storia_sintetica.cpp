#include "storia_sintetica.h"

#include "date.h"
#include "numeri.h"
#include "semina_eseguiti.h"

#include <QDate>

#include <algorithm>
#include <random>
#include <vector>

namespace {

struct Titolo {
    QString cod;
    QString nome;
    double prezzo = 0;
    qint64 posseduti = 0;
};

} // namespace

Esito ScriviStoriaSintetica(QSqlDatabase& portafoglio, const ParametriStoria& parametri)
{
    std::mt19937 rng(parametri.seme);
    auto caso = [&rng] { return std::uniform_real_distribution<double>(0, 1)(rng); };
    auto intero = [&rng](int da, int a) { return std::uniform_int_distribution<int>(da, a)(rng); };

    std::vector<Titolo> titoli;
    for (int i = 1; i <= parametri.titoli; ++i) {
        const QString n = QString::number(i).rightJustified(2, QLatin1Char('0'));
        titoli.push_back({QStringLiteral("T") + n, QStringLiteral("Titolo ") + n, 5.0 + intero(0, 19500) / 100.0, 0});
    }

    // About ten years of weekdays whatever the size, so large histories have busy days.
    const int perGiorno = std::max(3, (parametri.eseguiti + 2599) / 2600);
    QDate giorno(2010, 1, 4);
    int restantiOggi = 0;

    std::vector<RigaEseguito> righe;
    righe.reserve(static_cast<size_t>(parametri.eseguiti));
    for (int i = 0; i < parametri.eseguiti; ++i) {
        while (restantiOggi == 0) {
            do
                giorno = giorno.addDays(1);
            while (giorno.dayOfWeek() > 5);
            restantiOggi = intero(perGiorno / 2 + 1, perGiorno * 3 / 2);
        }
        --restantiOggi;

        Titolo& t = titoli[static_cast<size_t>(intero(0, parametri.titoli - 1))];
        t.prezzo = std::max(0.5, numeri::ArrotondaPari(t.prezzo * (1 + (caso() - 0.5) * 0.04), 4));
        const bool vendita = t.posseduti > 0 && caso() < 0.45;
        qint64 qta = 0;
        if (vendita) {
            qta = t.posseduti == 1 || caso() < 0.4 ? t.posseduti : intero(1, static_cast<int>(t.posseduti - 1));
            t.posseduti -= qta;
        } else {
            qta = intero(1, 100) * 10;
            t.posseduti += qta;
        }
        const QString errore = caso() < 0.85 ? parametri.errori.first() : parametri.errori[intero(0, parametri.errori.size() - 1)];
        const double ottimale =
            errore == parametri.errori.first() ? t.prezzo : numeri::ArrotondaPari(t.prezzo * (1 + (caso() - 0.5) * 0.02), 4);

        RigaEseguito r = RigaDiProva(date::DataIso(giorno), vendita ? QStringLiteral("Sell") : QStringLiteral("Buy"),
                                     parametri.sistemi[intero(0, parametri.sistemi.size() - 1)], t.cod, t.nome, qta,
                                     t.prezzo, errore);
        r.PrezzoOttimale = ottimale;
        righe.push_back(std::move(r));
    }
    return SeminaEseguiti(portafoglio, righe).esito;
}
