#include "file_utili.h"

#include "date.h"

#include <QFile>
#include <QFileInfo>

bool EsisteFile(const QString& percorso)
{
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile())
        return false;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    f.close();
    return true;
}

bool StessoFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo ia(a), ib(b);
    if (ia.absoluteFilePath() == ib.absoluteFilePath())
        return true;
    const QString ca = ia.canonicalFilePath();
    return !ca.isEmpty() && ca == ib.canonicalFilePath();
}

QString ConvertiData(const QString& nome)
{
    const QString coda = nome.right(12);
    bool okA = false, okM = false, okG = false;
    const int anno = coda.mid(0, 4).toInt(&okA);
    const int mese = coda.mid(4, 2).toInt(&okM);
    const int giorno = coda.mid(6, 2).toInt(&okG);
    const QDate d(anno, mese, giorno);
    if (coda.size() < 12 || !okA || !okM || !okG || !d.isValid())
        return QString();
    return date::DataUtente(d);
}
