#pragma once
// A program folder with a settings database and a portfolio ready for replays, and the
// reads that turn the derived tables back into rows to compare.
#include "cartella_prova.h"
#include "replay_posizioni.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <map>
#include <ostream>
#include <vector>

struct Operazione {
    QString data;
    QString tipo;
    QString system;
    QString cod;
    QString titolo;
    qint64 qta = 0;
    double prezzo = 0;
    QString errore = QStringLiteral("NE");
};

class StoriaProva {
public:
    // `nomePortafoglio` lets one folder hold several portfolios side by side.
    explicit StoriaProva(CartellaProva& cartella, const QString& nomePortafoglio = QStringLiteral("prova.gvf"),
                         const QString& nomeDataSet = QStringLiteral("DataSet.gvx"));

    QSqlDatabase dataset;
    QSqlDatabase portafoglio;

    // The trading systems of the tests, in place of the shipped ones:
    // PCT 1 per mille, MIN 1 per mille with at least 2.5, FIX 5 flat, WEB 1.9 with at least 2.95.
    void SistemiDiProva();
    void Inserisci(const Operazione& o);
    void Inserisci(const std::vector<Operazione>& storia);

    std::vector<RigaPortafoglio> Portafoglio();
    std::vector<RigaOperazioneChiusa> Chiuse();
    // Every counter of the catalogue, by code (the first row of a repeated code).
    std::map<QString, qint64> Contatori();

    // Every value of every row, with its storage type, in row order.
    QStringList Righe(QSqlDatabase& db, const QString& sql);
    // The three results of a run, as text that differs in the last bit of a double.
    QStringList Risultati();
};

// Readable rows in test failures (found by argument lookup).
void PrintTo(const RigaPortafoglio& p, std::ostream* os);
void PrintTo(const RigaOperazioneChiusa& o, std::ostream* os);
