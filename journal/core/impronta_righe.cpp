#include "impronta_righe.h"

#include "istruzione_sqlite.h"

#include <QHashFunctions>

#include <sqlite3.h>

#include <cstring>

namespace {

// Two chains from different seeds: 128 bits, so that two different tables never meet.
void Aggiungi(ImprontaRighe& impronta, const void* dati, size_t quanti)
{
    impronta.a = qHashBits(dati, quanti, impronta.a ^ 0x9e3779b97f4a7c15ULL);
    impronta.b = qHashBits(dati, quanti, impronta.b + 0x632be59bd9b4e019ULL);
}

} // namespace

std::optional<ImprontaRighe> ImprontaRigheDi(const QSqlDatabase& db, const QString& sql)
{
    ImprontaRighe inizio;
    return ImprontaRigheDi(db, sql, 0, inizio);
}

std::optional<ImprontaRighe> ImprontaRigheDi(const QSqlDatabase& db, const QString& sql, qint64 righeInizio,
                                             ImprontaRighe& inizio)
{
    inizio = ImprontaRighe();
    sqlite3* maniglia = ManigliaSqlite(db);
    if (!maniglia)
        return std::nullopt;
    IstruzioneSqlite s(maniglia, sql.toUtf8().constData());
    ImprontaRighe impronta;
    while (s.Riga()) {
        if (impronta.righe == righeInizio)
            inizio = impronta;
        ++impronta.righe;
        for (int c = 0; c < s.Colonne(); ++c) {
            const int tipo = s.Tipo(c);
            // The type and the length go in before the value, so that no two rows read alike.
            qint64 testa[2] = {tipo, 0};
            if (tipo == SQLITE_INTEGER) {
                testa[1] = s.Intero(c);
                Aggiungi(impronta, testa, sizeof testa);
            } else if (tipo == SQLITE_FLOAT) {
                const double v = s.Reale(c);
                std::memcpy(&testa[1], &v, sizeof v);
                Aggiungi(impronta, testa, sizeof testa);
            } else if (tipo == SQLITE_NULL) {
                Aggiungi(impronta, testa, sizeof testa);
            } else {
                const QByteArrayView byte = s.Byte(c);
                testa[1] = byte.size();
                Aggiungi(impronta, testa, sizeof testa);
                Aggiungi(impronta, byte.data(), static_cast<size_t>(byte.size()));
            }
        }
    }
    if (!s.ok())
        return std::nullopt;
    if (impronta.righe == righeInizio)
        inizio = impronta;
    return impronta;
}
