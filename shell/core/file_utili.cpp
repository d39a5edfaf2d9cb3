#include "file_utili.h"

#include "date.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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
    // Two files that exist are one when they are one inode, whatever their names.
    struct stat sa;
    struct stat sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    const QFileInfo ia(a), ib(b);
    if (ia.absoluteFilePath() == ib.absoluteFilePath())
        return true;
    const QString ca = ia.canonicalFilePath();
    return !ca.isEmpty() && ca == ib.canonicalFilePath();
}

QString PercorsoReale(const QString& percorso)
{
    const QFileInfo info(percorso);
    if (const QString reale = info.canonicalFilePath(); !reale.isEmpty())
        return reale;
    const QString cartella = QFileInfo(info.absolutePath()).canonicalFilePath();
    return cartella.isEmpty() ? info.absoluteFilePath() : cartella + QLatin1Char('/') + info.fileName();
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
