#include "esporta_testo.h"

#include "date.h"
#include "errore_sistema.h"
#include "numeri.h"
#include "scrittura_accanto.h"
#include "testo_windows.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <functional>

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

// Lines go out in blocks as they are made, converted to the code page a block at a time: a
// long table is never held whole, neither as text nor as bytes. A block ends at a line's end,
// so no character is split between two.
class Scrittore {
public:
    using Uscita = std::function<bool(const QByteArray&)>;
    explicit Scrittore(Uscita uscita) : uscita_(std::move(uscita)) { }

    void linea(const QStringList& voci)
    {
        testo_ += voci.join(QLatin1Char(','));
        fineLinea();
    }
    void vuota() { fineLinea(); }
    void intestazione(const QString& titolo, const QStringList& colonne)
    {
        linea({T(titolo)});
        vuota();
        QStringList voci;
        for (const QString& c : colonne)
            voci << T(c);
        linea(voci);
    }
    // What is made and not yet written goes; a failed write stays failed.
    void ricomincia() { testo_.clear(); }
    // False when a block could not be written; what follows is then not written either.
    bool chiudi()
    {
        svuota();
        return ok_;
    }

private:
    static constexpr qsizetype Blocco = 1 << 16;

    void fineLinea()
    {
        testo_ += AcapoTesto;
        if (testo_.size() >= Blocco)
            svuota();
    }
    void svuota()
    {
        if (ok_ && !testo_.isEmpty())
            ok_ = uscita_(TestoWindows1252(testo_));
        testo_.clear();
    }

    Uscita uscita_;
    QString testo_;
    bool ok_ = true;
};

void InizioChiuse(Scrittore& s)
{
    s.intestazione(QStringLiteral("Brunivox - Tabella Operazioni chiuse "),
                   {"Data", "System", "Cod", "Titolo", "PzoAcquisto", QStringLiteral("Quantità"), "PzoVendita",
                    "Commissioni", "GP", "GPPercentuale"});
}

void Riga(Scrittore& s, const RigaOperazioneChiusa& r)
{
    s.linea({D(r.Data), T(r.System), T(r.Cod), T(r.Titolo), N(r.PzoCarico), N(static_cast<double>(r.Qta)),
             N(r.Prezzo), N(r.Commissioni), N(r.GP), N(r.GPPercentuale)});
}

void InizioEseguiti(Scrittore& s)
{
    s.intestazione(QStringLiteral("Brunivox - Tabella Operazioni Eseguiti "),
                   {"Data", "Tipo", "System", "Cod", "Titolo", QStringLiteral("Quantità "), "Prezzo", "Errore",
                    "PzoOttimale"});
}

void Riga(Scrittore& s, const RigaEseguito& r)
{
    s.linea({D(r.Data), T(r.Tipo), T(r.System), T(r.Cod), T(r.Titolo), N(static_cast<double>(r.Qta)), N(r.Prezzo),
             T(r.Errore), N(r.PrezzoOttimale)});
}

void InizioPortafoglio(Scrittore& s)
{
    s.intestazione(QStringLiteral("Brunivox - Tabella Portafoglo "),
                   {"System", "Cod", "Titolo", QStringLiteral("Quantità"), "PzoCarico", "Commissioni"});
}

void Riga(Scrittore& s, const RigaPortafoglio& r)
{
    s.linea({T(r.System), T(r.Cod), T(r.Titolo), N(static_cast<double>(r.Qta)), N(r.PzoCarico), N(r.Commissioni)});
}

// A table's block closes with two blank lines, but for the last table.
void FineTabella(Scrittore& s)
{
    s.vuota();
    s.vuota();
}

bool PerData(const RigaOperazioneChiusa& a, const RigaOperazioneChiusa& b)
{
    return a.Data < b.Data;
}

} // namespace

QString NumeroTesto(double valore)
{
    QString testo = numeri::TestoNumero(valore);
    testo.replace(QLatin1Char(','), QLatin1Char('.'));
    return testo;
}

QByteArray TestoEsportazione(const DatiTesto& dati)
{
    QByteArray testo;
    Scrittore s([&](const QByteArray& blocco) {
        testo += blocco;
        return true;
    });
    if (dati.OperazioniChiuse) {
        InizioChiuse(s);
        for (const RigaOperazioneChiusa& r : *dati.OperazioniChiuse)
            Riga(s, r);
        FineTabella(s);
    }
    if (dati.Eseguiti) {
        InizioEseguiti(s);
        for (const RigaEseguito& r : *dati.Eseguiti)
            Riga(s, r);
        FineTabella(s);
    }
    if (dati.Portafoglio) {
        InizioPortafoglio(s);
        for (const RigaPortafoglio& r : *dati.Portafoglio)
            Riga(s, r);
    }
    s.chiudi();
    return testo;
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

    // Each ticked table is counted before the file is touched: a table that cannot be read
    // is told as before, and the progress knows its length.
    QString errore;
    qint64 nChiuse = 0;
    qint64 nEseguiti = 0;
    if (scelte.OperazioniChiuse && !(errore = ContaOperazioniChiuse(portafoglio, nChiuse)).isEmpty())
        return fallito(errore);
    if (scelte.Eseguiti && !(errore = ContaEseguiti(portafoglio, nEseguiti)).isEmpty())
        return fallito(errore);
    Lettura<RigaPortafoglio> posizioni;
    if (scelte.Portafoglio && !(posizioni = LeggiPortafoglio(portafoglio)).ok())
        return fallito(posizioni.errore);

    // Written beside the target and renamed into place: never left half-written, and until
    // then the target keeps what it had.
    FileAccanto uscita(percorso);
    if (!uscita.esito().ok())
        return fallito(uscita.esito().messaggio);
    QFile file(uscita.temporaneo());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fallito(QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, TestoErroreFile(file)));
    Scrittore s([&](const QByteArray& blocco) { return file.write(blocco) == blocco.size(); });
    auto inizio = [&](qint64 n) {
        if (n > 0 && progresso.inizioTabella)
            progresso.inizioTabella(n);
    };
    auto passo = [&] {
        if (progresso.passo)
            progresso.passo();
    };
    // The temporary file goes with `uscita` on every early return.
    auto nonScritto = [&] {
        return fallito(QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, TestoErroreFile(file)));
    };
    auto nonLetto = [&](const QString& causa) { return fallito(causa); };

    if (scelte.OperazioniChiuse) {
        inizio(nChiuse);
        qint64 scritte = 0;
        InizioChiuse(s);
        // The engine writes them by date: they go out as they are read. A table from elsewhere
        // stored out of date order is found at its first row out of place; the file then starts
        // again, this table being its first, with the table read whole and sorted, and the
        // progress goes on from the rows already counted.
        bool inOrdine = true;
        QString precedente;
        auto scriviInOrdine = [&](const RigaOperazioneChiusa& r) {
            if (!inOrdine)
                return;
            if (scritte > 0 && r.Data < precedente) {
                inOrdine = false;
                return;
            }
            precedente = r.Data;
            Riga(s, r);
            ++scritte;
            passo();
        };
        if (const QString e = PercorriOperazioniChiuse(portafoglio, scriviInOrdine); !e.isEmpty())
            return nonLetto(e);
        if (!inOrdine) {
            s.ricomincia();
            if (!file.flush() || !file.resize(0) || !file.seek(0))
                return nonScritto();
            InizioChiuse(s);
            Lettura<RigaOperazioneChiusa> l = LeggiOperazioniChiuse(portafoglio);
            if (!l.ok())
                return nonLetto(l.errore);
            std::stable_sort(l.righe.begin(), l.righe.end(), PerData);
            const qint64 contate = scritte;
            scritte = 0;
            for (const RigaOperazioneChiusa& r : l.righe) {
                Riga(s, r);
                if (++scritte > contate)
                    passo();
            }
        }
        FineTabella(s);
        esito.conteggi.OperazioniChiuse = scritte;
    }
    if (scelte.Eseguiti) {
        inizio(nEseguiti);
        qint64 scritti = 0;
        InizioEseguiti(s);
        const QString e = PercorriEseguiti(portafoglio, OrdineEseguiti::PerDataEId, [&](const RigaEseguito& r) {
            Riga(s, r);
            ++scritti;
            passo();
        });
        if (!e.isEmpty())
            return nonLetto(e);
        FineTabella(s);
        esito.conteggi.Eseguiti = scritti;
    }
    if (scelte.Portafoglio) {
        inizio(static_cast<qint64>(posizioni.righe.size()));
        InizioPortafoglio(s);
        for (const RigaPortafoglio& r : posizioni.righe) {
            Riga(s, r);
            passo();
        }
        esito.conteggi.Portafoglio = static_cast<qint64>(posizioni.righe.size());
    }
    if (!s.chiudi() || !file.flush())
        return nonScritto();
    file.close();
    if (const Esito completo = uscita.completa(); !completo.ok())
        return fallito(completo.messaggio);
    return esito;
}
