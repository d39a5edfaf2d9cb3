#pragma once
// The comma-separated text export: a block per ticked table, single-byte text in code
// page 1252, CR LF lines.
#include "esportazione.h"
#include "tabella_eseguiti.h"
#include "tabella_operazioni_chiuse.h"
#include "tabella_portafoglio.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

// A number as the file writes it: "." as decimal point, no leading blank, a zero before
// the point below 1 ("0.25", "-0.5").
QString NumeroTesto(double valore);

struct DatiTesto {
    std::optional<std::vector<RigaOperazioneChiusa>> OperazioniChiuse; // by Data, then storage order
    std::optional<std::vector<RigaEseguito>> Eseguiti; // by Data, then ID
    std::optional<std::vector<RigaPortafoglio>> Portafoglio; // storage order
};

// The whole file for the tables present in `dati`.
QByteArray TestoEsportazione(const DatiTesto& dati);

// Reads the ticked tables from the portfolio and writes the file `percorso`, replacing it only
// once the new file is whole: after a failure, or a kill at any point, it holds what it held.
EsitoEsportazione EsportaTesto(const QSqlDatabase& portafoglio, const QString& percorso, const TabelleScelte& scelte,
                               const ProgressoEsportazione& progresso = {});
