#pragma once
// The workbook export: one formatted sheet per ticked table, written as an Office Open XML
// workbook whatever the extension of the file name.
#include "esportazione.h"

#include <QSqlDatabase>
#include <QString>

// The picture placed at A1 of every exported sheet, from the program folder.
inline const QString NomeLogoExcel = QStringLiteral("logoxls.bmp");

// Reads the ticked tables from the portfolio and writes the workbook `percorso`.
// `logo` is the full path of the picture. On failure, or a kill at any point, `percorso`
// holds what it held (or stays absent).
EsitoEsportazione EsportaExcel(const QSqlDatabase& portafoglio, const QString& percorso, const TabelleScelte& scelte,
                               const QString& logo, const ProgressoEsportazione& progresso = {});
