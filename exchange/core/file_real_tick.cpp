#include "file_real_tick.h"

#include "date.h"
#include "eseguito_valido.h"
#include "file_utili.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>

namespace {

constexpr int CampiMinimi = 11;

// The platform writes plain ASCII; anything else that is not UTF-8 is taken as Latin-1.
QString Decodifica(const QByteArray& testo)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decodificato = utf8(testo);
    return utf8.hasError() ? QString::fromLatin1(testo) : decodificato;
}

// The values a database column of the right type would have refused as literals.
bool LeggiQuantita(const QString& campo, qint64& qta)
{
    static const QRegularExpression cifre(QStringLiteral("^[0-9]{1,18}$"));
    if (!cifre.match(campo).hasMatch())
        return false;
    qta = campo.toLongLong();
    return qta > 0 && qta <= motore::QuantitaMassima;
}

bool LeggiPrezzo(const QString& campo, double& prezzo)
{
    static const QRegularExpression numero(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!numero.match(campo).hasMatch())
        return false;
    bool ok = false;
    prezzo = campo.toDouble(&ok); // C locale: "." is the decimal point
    return ok && std::isfinite(prezzo) && prezzo > 0;
}

} // namespace

LetturaRealTick AnalizzaRealTick(const QByteArray& testo, const QString& percorso)
{
    LetturaRealTick lettura;
    const QString data = ConvertiData(percorso);
    if (data.isEmpty()) {
        lettura.valido = false;
        return lettura;
    }
    const QString dataIso = date::DataIso(QDate::fromString(data, QStringLiteral("dd/MM/yyyy")));

    // The header is skipped, and so is the piece after the last CR LF: a last line
    // without CR LF is not read.
    const QStringList linee = Decodifica(testo).split(QStringLiteral("\r\n"));
    for (qsizetype i = 1; i + 1 < linee.size(); ++i) {
        const QStringList campi = linee.at(i).split(QLatin1Char(','));
        RigaImportata riga;
        if (campi.size() < CampiMinimi || !LeggiQuantita(campi.at(5), riga.Qta)
            || !LeggiPrezzo(campi.at(7), riga.Prezzo)) {
            lettura.valido = false;
            return lettura;
        }
        riga.Data = dataIso;
        riga.Tipo = campi.at(4);
        riga.Cod = campi.at(6);
        riga.System = campi.at(9);
        lettura.righe.push_back(riga);
    }
    return lettura;
}

LetturaRealTick LeggiFileRealTick(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, false};
    const QByteArray testo = file.readAll();
    file.close();
    // Reading an empty file is an error of its own, not a file without lines.
    if (testo.isEmpty())
        return {{}, false};
    return AnalizzaRealTick(testo, percorso);
}
