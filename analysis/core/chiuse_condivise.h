#pragma once
// The closed operations as the statistics read them, read once per refresh. A refresh runs the
// Main of every open statistics window one after the other, each over the same table: the first
// reads it and the others share that reading while nothing is written on any connection to the
// file and control has not gone back to the event loop (where the user, an import or another
// program may change it). Outside a running event loop every call reads.
#include "tabella_operazioni_chiuse.h"

#include <memory>

std::shared_ptr<const Lettura<RigaOperazioneChiusa>> ChiusePerStatistiche(const QSqlDatabase& portafoglio);
