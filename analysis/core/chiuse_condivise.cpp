#include "chiuse_condivise.h"

#include "istruzione_sqlite.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <optional>

namespace {

// What tells one state of the file from another, as this connection sees it: which connection,
// the rows it has written (rolled back ones included) and the commits of every other connection.
struct Versione {
    QString connessione;
    QString file;
    const void* maniglia = nullptr;
    qint64 modifiche = -1;
    qint64 altrui = -1;

    bool operator==(const Versione&) const = default;
};

std::optional<Versione> VersioneDi(const QSqlDatabase& db)
{
    const void* maniglia = ManigliaSqlite(db);
    if (!maniglia)
        return std::nullopt;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT total_changes(), (SELECT data_version FROM pragma_data_version)")) || !q.next())
        return std::nullopt;
    return Versione{db.connectionName(), db.databaseName(), maniglia, q.value(0).toLongLong(), q.value(1).toLongLong()};
}

struct Memoria {
    Versione versione;
    std::shared_ptr<Lettura<RigaOperazioneChiusa>> lettura;
};

Memoria& Ricordata()
{
    static Memoria memoria;
    return memoria;
}

// The reading of the last refresh, once nobody holds it any more: the next one refills its
// rows rather than faulting in a whole table of fresh memory.
std::shared_ptr<Lettura<RigaOperazioneChiusa>>& Riserva()
{
    static std::shared_ptr<Lettura<RigaOperazioneChiusa>> riserva;
    return riserva;
}

void Dimentica()
{
    Memoria& memoria = Ricordata();
    Riserva() = std::move(memoria.lettura);
    memoria = Memoria{};
}

} // namespace

std::shared_ptr<const Lettura<RigaOperazioneChiusa>> ChiusePerStatistiche(const QSqlDatabase& portafoglio)
{
    auto leggi = [&] {
        std::shared_ptr<Lettura<RigaOperazioneChiusa>> lettura = std::move(Riserva());
        if (!lettura || lettura.use_count() != 1)
            lettura = std::make_shared<Lettura<RigaOperazioneChiusa>>();
        RileggiOperazioniChiuse(portafoglio, CampiChiuse::Figure, *lettura);
        return lettura;
    };
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (!applicazione || QThread::currentThread() != applicazione->thread() || applicazione->thread()->loopLevel() == 0)
        return leggi();
    const std::optional<Versione> versione = VersioneDi(portafoglio);
    if (!versione)
        return leggi();
    Memoria& memoria = Ricordata();
    if (memoria.lettura && memoria.versione == *versione)
        return memoria.lettura;

    auto lettura = leggi();
    if (!lettura->ok())
        return lettura;
    // One forgetting per filling: a filled memory always has its turn of the loop pending.
    if (!memoria.lettura)
        QTimer::singleShot(0, applicazione, [] { Dimentica(); });
    memoria = Memoria{*versione, lettura};
    return lettura;
}
