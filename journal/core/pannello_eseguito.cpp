#include "pannello_eseguito.h"

#include "eseguito_valido.h"
#include "numeri.h"
#include "numero_scritto.h"
#include "testi_ammessi.h"

#include <cmath>

namespace eseguiti {

namespace {

bool ContieneApice(const QString& testo)
{
    return testo.contains(QLatin1Char('\''));
}

QString MessaggioPrezzo(const std::optional<double>& valore, const QString& testo, const QString& nome)
{
    if (!valore)
        return QStringLiteral("%1 \"%2\" non è un numero valido: scrivere solo cifre, con la virgola per i decimali "
                              "(per esempio 12,5).")
            .arg(nome, testo);
    if (!std::isfinite(*valore))
        return QStringLiteral("%1 \"%2\" è troppo grande.").arg(nome, testo);
    if (*valore <= 0)
        return QStringLiteral("%1 deve essere maggiore di zero.").arg(nome);
    return QString();
}

LetturaPannello Rifiuto(const QString& messaggio)
{
    return {std::nullopt, messaggio};
}

} // namespace

NumeriPannello LeggiNumeri(const DatiPannello& d)
{
    return {numeri::LeggiNumeroMostrato(d.Qta), numeri::LeggiNumeroMostrato(d.Prezzo),
            numeri::LeggiNumeroMostrato(d.PrezzoOttimale)};
}

LetturaPannello LeggiPannello(const DatiPannello& d)
{
    if (!d.Data.isValid())
        return Rifiuto(QStringLiteral("La data dell'eseguito non è valida."));
    if (d.Tipo != QLatin1String("Buy") && d.Tipo != QLatin1String("Sell"))
        return Rifiuto(QStringLiteral("Il tipo dell'eseguito deve essere Buy o Sell."));
    const struct {
        const QString& testo;
        const char* nome;
    } testi[] = {{d.System, "il sistema"}, {d.Cod, "il codice del titolo"}, {d.Titolo, "il nome del titolo"}};
    for (const auto& t : testi) {
        if (t.testo.trimmed().isEmpty())
            return Rifiuto(QStringLiteral("Indicare %1.").arg(QLatin1String(t.nome)));
        if (ContieneApice(t.testo))
            return Rifiuto(QStringLiteral("Il testo \"%1\" non può contenere apici.").arg(t.testo));
        // The key filters keep these out of what is typed, not out of what is pasted.
        if (HaCaratteriDiControllo(t.testo)) {
            QString nome = QLatin1String(t.nome);
            nome[0] = nome[0].toUpper();
            return Rifiuto(QStringLiteral("%1 non può contenere caratteri di controllo.").arg(nome));
        }
        if (IniziaComeFormula(t.testo))
            return Rifiuto(QStringLiteral("Il testo \"%1\" non può cominciare con =, +, - o @.").arg(t.testo));
    }

    const NumeriPannello n = LeggiNumeri(d);
    // The limit is the engine's: any quantity the panel shows for a stored trade that the
    // engine takes is taken back.
    const std::optional<qint64> qta
        = n.Qta && *n.Qta >= 1 && *n.Qta == std::floor(*n.Qta) ? motore::QuantitaValida(*n.Qta) : std::nullopt;
    if (!qta)
        return Rifiuto(QStringLiteral("La quantità deve essere un numero intero da 1 a %1.")
                           .arg(numeri::TestoNumero(static_cast<double>(motore::QuantitaMassima))));
    QString errore = MessaggioPrezzo(n.Prezzo, d.Prezzo, QStringLiteral("Il prezzo"));
    if (!errore.isEmpty())
        return Rifiuto(errore);
    // A whole quantity in range is exact as a double: this is the amount the check sees.
    const double importo = static_cast<double>(*qta) * *n.Prezzo;
    if (!std::isfinite(importo))
        return Rifiuto(QStringLiteral("L'importo (quantità per prezzo) è troppo grande."));
    if (!d.PrezzoOttimale.isEmpty()) {
        errore = MessaggioPrezzo(n.PrezzoOttimale, d.PrezzoOttimale, QStringLiteral("Il prezzo ottimale"));
        if (!errore.isEmpty())
            return Rifiuto(errore);
    }
    // The code is free text: the catalogue may since have renamed or dropped it, and an
    // unknown code simply counts nothing. Only what cannot be stored safely is refused.
    if (d.Errore.isEmpty())
        return Rifiuto(QStringLiteral("Indicare il codice errore (NE se l'operazione non ha errori)."));
    if (ContieneApice(d.Errore))
        return Rifiuto(QStringLiteral("Il codice errore non può contenere apici."));
    if (d.Errore.size() > 2)
        return Rifiuto(QStringLiteral("Il codice errore \"%1\" è troppo lungo: al massimo 2 caratteri.").arg(d.Errore));

    return {EseguitoPannello{d.Data, d.Tipo, d.System, d.Cod, d.Titolo, *qta, *n.Prezzo, importo, d.Errore,
                             d.PrezzoOttimale.isEmpty() ? *n.Prezzo : *n.PrezzoOttimale},
            QString()};
}

} // namespace eseguiti
