#include "dialogo_file.h"

#include <QFileDialog>
#include <QStringList>

QString DialogoFileQt::FiltroQt(const QString& filtro)
{
    const QStringList parti = filtro.split(QLatin1Char('|'));
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        QString modelli = parti.at(i + 1);
        modelli.replace(QLatin1Char(';'), QLatin1Char(' '));
        voci << QStringLiteral("%1 (%2)").arg(parti.at(i), modelli);
    }
    return voci.join(QStringLiteral(";;"));
}

QString DialogoFileQt::apri(const QString& titolo, const QString& filtro)
{
    return QFileDialog::getOpenFileName(genitore_, titolo, QString(), FiltroQt(filtro), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString DialogoFileQt::salva(const QString& titolo, const QString& filtro)
{
    // The overwrite question is the caller's own.
    return QFileDialog::getSaveFileName(genitore_, titolo, QString(), FiltroQt(filtro), nullptr,
                                        QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
}

SceltaFile DialogoFileQt::salvaConFiltro(const QString& titolo, const QString& filtro)
{
    const QStringList voci = FiltroQt(filtro).split(QStringLiteral(";;"));
    QString scelto = voci.value(0);
    const QString percorso =
        QFileDialog::getSaveFileName(genitore_, titolo, QString(), voci.join(QStringLiteral(";;")), &scelto,
                                     QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    return {percorso, static_cast<int>(voci.indexOf(scelto)) + 1};
}
