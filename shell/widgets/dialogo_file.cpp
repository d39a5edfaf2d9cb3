#include "dialogo_file_qt.h"

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

QString DialogoFileQt::SuffissoPredefinito(const QString& filtro)
{
    const QStringList parti = filtro.split(QLatin1Char('|'));
    if (parti.size() < 2)
        return QString();
    const QString modello = parti.at(1).split(QLatin1Char(';')).first().trimmed();
    const int punto = modello.lastIndexOf(QLatin1Char('.'));
    const QString suffisso = punto < 0 ? QString() : modello.mid(punto + 1);
    return suffisso.contains(QLatin1Char('*')) || suffisso.contains(QLatin1Char('?')) ? QString() : suffisso;
}

QString DialogoFileQt::apri(const QString& titolo, const QString& filtro)
{
    return QFileDialog::getOpenFileName(genitore_, titolo, QString(), FiltroQt(filtro), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString DialogoFileQt::salva(const QString& titolo, const QString& filtro)
{
    QFileDialog dialogo(genitore_, titolo, QString(), FiltroQt(filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the caller's own.
    dialogo.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    // A name typed without extension gets the filter's, so that the Open filter finds it.
    dialogo.setDefaultSuffix(SuffissoPredefinito(filtro));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().first();
}

SceltaFile DialogoFileQt::salvaConFiltro(const QString& titolo, const QString& filtro)
{
    const QStringList voci = FiltroQt(filtro).split(QStringLiteral(";;"));
    const QStringList parti = filtro.split(QLatin1Char('|'));
    const auto suffisso = [&parti](qsizetype voce) {
        return voce < 0 ? QString() : SuffissoPredefinito(parti.mid(2 * voce, 2).join(QLatin1Char('|')));
    };
    QFileDialog dialogo(genitore_, titolo, QString(), voci.join(QStringLiteral(";;")));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the caller's own.
    dialogo.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    // A name typed without extension gets the one of the type picked.
    dialogo.setDefaultSuffix(suffisso(0));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&](const QString& voce) { dialogo.setDefaultSuffix(suffisso(voci.indexOf(voce))); });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return {dialogo.selectedFiles().first(), static_cast<int>(voci.indexOf(dialogo.selectedNameFilter())) + 1};
}
