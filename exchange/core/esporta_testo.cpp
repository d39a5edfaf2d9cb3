#include "esporta_testo.h"

#include "date.h"
#include "numeri.h"
#include "testo_windows.h"

#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace {

const QString AcapoTesto = QStringLiteral("\r\n");

// A text item: in double quotes, an inner double quote doubled, so that a reader keeps
// the item whole and every later column in its place.
QString T(QString testo)
{
    testo.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + testo + QLatin1Char('"');
}

QString N(double valore)
{
    return NumeroTesto(valore);
}

QString N(const std::optional<double>& valore)
{
    return valore ? NumeroTesto(*valore) : QStringLiteral("#NULL#");
}

QString D(const QString& iso)
{
    return T(date::IsoInUtente(iso));
}

class Scrittore {
public:
    void linea(const QStringList& voci) { testo_ += voci.join(QLatin1Char(',')) + AcapoTesto; }
    void vuota() { testo_ += AcapoTesto; }
    void intestazione(const QString& titolo, const QStringList& colonne)
    {
        linea({T(titolo)});
        vuota();
        QStringList voci;
        for (const QString& c : colonne)
            voci << T(c);
        linea(voci);
    }
    const QString& testo() const { return testo_; }

private:
    QString testo_;
};

} // namespace

QString NumeroTesto(double valore)
{
    QString testo = numeri::TestoNumero(valore);
    testo.replace(QLatin1Char(','), QLatin1Char('.'));
    return testo;
}

QByteArray TestoEsportazione(const DatiTesto& dati)
{
    Scrittore s;
    if (dati.OperazioniChiuse) {
        s.intestazione(QStringLiteral("Brunivox - Tabella Operazioni chiuse "),
                       {"Data", "System", "Cod", "Titolo", "PzoAcquisto", QStringLiteral("Quantità"), "PzoVendita",
                        "Commissioni", "GP", "GPPercentuale"});
        for (const RigaOperazioneChiusa& r : *dati.OperazioniChiuse)
            s.linea({D(r.Data), T(r.System), T(r.Cod), T(r.Titolo), N(r.PzoCarico), N(static_cast<double>(r.Qta)),
                     N(r.Prezzo), N(r.Commissioni), N(r.GP), N(r.GPPercentuale)});
        s.vuota();
        s.vuota();
    }
    if (dati.Eseguiti) {
        s.intestazione(QStringLiteral("Brunivox - Tabella Operazioni Eseguiti "),
                       {"Data", "Tipo", "System", "Cod", "Titolo", QStringLiteral("Quantità "), "Prezzo", "Errore",
                        "PzoOttimale"});
        for (const RigaEseguito& r : *dati.Eseguiti)
            s.linea({D(r.Data), T(r.Tipo), T(r.System), T(r.Cod), T(r.Titolo), N(static_cast<double>(r.Qta)),
                     N(r.Prezzo), T(r.Errore), N(r.PrezzoOttimale)});
        s.vuota();
        s.vuota();
    }
    if (dati.Portafoglio) {
        s.intestazione(QStringLiteral("Brunivox - Tabella Portafoglo "),
                       {"System", "Cod", "Titolo", QStringLiteral("Quantità"), "PzoCarico", "Commissioni"});
        for (const RigaPortafoglio& r : *dati.Portafoglio)
            s.linea(
                {T(r.System), T(r.Cod), T(r.Titolo), N(static_cast<double>(r.Qta)), N(r.PzoCarico), N(r.Commissioni)});
    }
    return TestoWindows1252(s.testo());
}

EsitoEsportazione EsportaTesto(const QSqlDatabase& portafoglio, const QString& percorso, const TabelleScelte& scelte,
                               const ProgressoEsportazione& progresso)
{
    EsitoEsportazione esito;
    auto fallito = [&](const QString& causa) {
        esito.conteggi = {};
        esito.esito
            = Esito::erroreDatabase(QStringLiteral("Esportazione in formato testo non riuscita: %1").arg(causa));
        return esito;
    };
    auto avanza = [&](std::size_t n) {
        if (n > 0 && progresso.inizioTabella)
            progresso.inizioTabella(static_cast<qint64>(n));
        if (progresso.passo)
            for (std::size_t i = 0; i < n; ++i)
                progresso.passo();
    };

    DatiTesto dati;
    if (scelte.OperazioniChiuse) {
        Lettura<RigaOperazioneChiusa> l = LeggiOperazioniChiuse(portafoglio);
        if (!l.ok())
            return fallito(l.errore);
        std::stable_sort(l.righe.begin(), l.righe.end(),
                         [](const RigaOperazioneChiusa& a, const RigaOperazioneChiusa& b) { return a.Data < b.Data; });
        avanza(l.righe.size());
        esito.conteggi.OperazioniChiuse = static_cast<qint64>(l.righe.size());
        dati.OperazioniChiuse = std::move(l.righe);
    }
    if (scelte.Eseguiti) {
        Lettura<RigaEseguito> l = LeggiEseguiti(portafoglio, OrdineEseguiti::PerDataEId);
        if (!l.ok())
            return fallito(l.errore);
        avanza(l.righe.size());
        esito.conteggi.Eseguiti = static_cast<qint64>(l.righe.size());
        dati.Eseguiti = std::move(l.righe);
    }
    if (scelte.Portafoglio) {
        Lettura<RigaPortafoglio> l = LeggiPortafoglio(portafoglio);
        if (!l.ok())
            return fallito(l.errore);
        avanza(l.righe.size());
        esito.conteggi.Portafoglio = static_cast<qint64>(l.righe.size());
        dati.Portafoglio = std::move(l.righe);
    }

    // Written beside the target and renamed into place: closed on every path, and never
    // left half-written.
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return fallito(QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, file.errorString()));
    const QByteArray testo = TestoEsportazione(dati);
    if (file.write(testo) != testo.size()) {
        const QString causa = file.errorString();
        file.cancelWriting();
        return fallito(QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, causa));
    }
    if (!file.commit())
        return fallito(QStringLiteral("impossibile completare il file %1 (%2).").arg(percorso, file.errorString()));
    return esito;
}
