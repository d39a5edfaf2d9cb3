#include "lettore_xlsx.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include "archivio_zip.h"

#include <optional>

namespace {

std::optional<QByteArray> Voce(const ArchivioZip& zip, const QString& nome)
{
    return zip.voce(nome);
}

// The path of a relationship target, relative to "xl/".
QString Percorso(const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

// A text as the workbook stores it, its "_xHHHH_" escapes read: the characters XML cannot hold
// (control characters, NUL) and a "_" written as "_x005F_".
QString SenzaEscape(const QString& testo)
{
    if (!testo.contains(QLatin1String("_x")))
        return testo;
    auto esadecimale = [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    };
    QString uscita;
    uscita.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (i + 6 < testo.size() && testo.at(i) == QLatin1Char('_') && testo.at(i + 1) == QLatin1Char('x')
            && testo.at(i + 6) == QLatin1Char('_') && esadecimale(testo.at(i + 2)) && esadecimale(testo.at(i + 3))
            && esadecimale(testo.at(i + 4)) && esadecimale(testo.at(i + 5))) {
            uscita += QChar(static_cast<char16_t>(testo.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 6;
        } else {
            uscita += testo.at(i);
        }
    }
    return uscita;
}

// All text inside the current element, the <t> pieces of rich text joined.
QString TestoDi(QXmlStreamReader& x)
{
    QString testo;
    const QString fine = x.name().toString();
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("t"))
            testo += SenzaEscape(x.readElementText(QXmlStreamReader::IncludeChildElements));
        else if (x.isStartElement() && x.name() == QLatin1String("rPh"))
            x.skipCurrentElement();
        else if (x.isEndElement() && x.name() == fine)
            break;
    }
    return testo;
}

QStringList StringheCondivise(const QByteArray& xml)
{
    QStringList stringhe;
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si"))
            stringhe << TestoDi(x);
    }
    return stringhe;
}

// Number format code of each cell style, by its index in cellXfs.
QList<QString> FormatiStili(const QByteArray& xml)
{
    static const QHash<int, QString> incorporati = {
        {14, QStringLiteral("mm-dd-yy")}, {15, QStringLiteral("d-mmm-yy")},    {16, QStringLiteral("d-mmm")},
        {17, QStringLiteral("mmm-yy")},   {22, QStringLiteral("m/d/yy h:mm")},
    };
    QHash<int, QString> codici;
    QList<QString> stili;
    QXmlStreamReader x(xml);
    bool inXf = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("numFmt"))
                codici.insert(x.attributes().value(QLatin1String("numFmtId")).toInt(),
                              x.attributes().value(QLatin1String("formatCode")).toString());
            else if (x.name() == QLatin1String("cellXfs"))
                inXf = true;
            else if (inXf && x.name() == QLatin1String("xf")) {
                const int id = x.attributes().value(QLatin1String("numFmtId")).toInt();
                stili << codici.value(id, incorporati.value(id));
            }
        } else if (x.isEndElement() && x.name() == QLatin1String("cellXfs")) {
            inXf = false;
        }
    }
    return stili;
}

bool LeggiFoglio(const QByteArray& xml, const QStringList& stringhe, const QList<QString>& stili, FoglioXlsx& foglio)
{
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto a = x.attributes();
        if (x.name() == QLatin1String("sheetView")) {
            const QString sel = a.value(QLatin1String("tabSelected")).toString();
            foglio.selezionato = sel == QLatin1String("1") || sel == QLatin1String("true");
        } else if (x.name() == QLatin1String("pane")) {
            const QString stato = a.value(QLatin1String("state")).toString();
            if (stato == QLatin1String("frozen") || stato == QLatin1String("frozenSplit"))
                foglio.riquadroCongelato = a.value(QLatin1String("topLeftCell")).toString();
        } else if (x.name() == QLatin1String("selection")) {
            foglio.cellaAttiva = a.value(QLatin1String("activeCell")).toString();
        } else if (x.name() == QLatin1String("row")) {
            if (a.hasAttribute(QLatin1String("ht")))
                foglio.altezzeRighe.insert(a.value(QLatin1String("r")).toInt(),
                                           a.value(QLatin1String("ht")).toDouble());
        } else if (x.name() == QLatin1String("c")) {
            const QString rif = a.value(QLatin1String("r")).toString();
            const QString tipo = a.value(QLatin1String("t")).toString();
            const int stile = a.value(QLatin1String("s")).toInt();
            CellaXlsx cella;
            cella.formato = stile >= 0 && stile < stili.size() ? stili.at(stile) : QString();
            while (!x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == QLatin1String("v")) {
                    const QString v = x.readElementText();
                    if (tipo == QLatin1String("s")) {
                        const int i = v.toInt();
                        cella.valore = i >= 0 && i < stringhe.size() ? stringhe.at(i) : QString();
                    } else {
                        cella.numero = tipo.isEmpty() || tipo == QLatin1String("n");
                        cella.valore = cella.numero ? v : SenzaEscape(v);
                    }
                } else if (x.isStartElement() && x.name() == QLatin1String("f")) {
                    cella.formula = true;
                    x.skipCurrentElement();
                } else if (x.isStartElement() && x.name() == QLatin1String("is")) {
                    cella.valore = TestoDi(x);
                } else if (x.isEndElement() && x.name() == QLatin1String("c")) {
                    break;
                }
            }
            if (!rif.isEmpty())
                foglio.celle.insert(rif, cella);
        } else if (x.name() == QLatin1String("sheetProtection")) {
            for (const QXmlStreamAttribute& attr : a)
                foglio.protezione.insert(attr.name().toString(), attr.value().toString());
            const QString s = a.value(QLatin1String("sheet")).toString();
            foglio.protetto = s == QLatin1String("1") || s == QLatin1String("true");
        }
    }
    return !x.hasError();
}

// The targets of a relationships part, by id.
QHash<QString, QString> Relazioni(const QByteArray& xml)
{
    QHash<QString, QString> relazioni;
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("Relationship"))
            relazioni.insert(x.attributes().value(QLatin1String("Id")).toString(),
                             x.attributes().value(QLatin1String("Target")).toString());
    }
    return relazioni;
}

int ContaImmagini(const ArchivioZip& zip, const QString& percorsoFoglio)
{
    // xl/worksheets/sheet1.xml -> xl/worksheets/_rels/sheet1.xml.rels -> the drawing part.
    const QFileInfo info(percorsoFoglio);
    const auto rels = Voce(zip, info.path() + QStringLiteral("/_rels/") + info.fileName() + QStringLiteral(".rels"));
    if (!rels)
        return 0;
    int immagini = 0;
    for (const QString& target : Relazioni(*rels)) {
        if (!target.contains(QLatin1String("drawings/")))
            continue;
        const QString disegno = QFileInfo(info.path() + QLatin1Char('/') + target).filePath();
        const auto xml = Voce(zip, QStringLiteral("xl/drawings/") + QFileInfo(disegno).fileName());
        if (xml)
            immagini += static_cast<int>(xml->count("<xdr:pic>"));
    }
    return immagini;
}

} // namespace

CartellaXlsx LeggiCartellaXlsx(const QString& percorso)
{
    CartellaXlsx cartella;
    const QString nome = QFileInfo(percorso).fileName();
    const QString nonValido = QStringLiteral("Il file %1 non è una cartella di lavoro Excel leggibile.").arg(nome);
    ArchivioZip zip;
    if (!zip.apri(percorso)) {
        cartella.errore = nonValido;
        return cartella;
    }
    const auto libro = Voce(zip, QStringLiteral("xl/workbook.xml"));
    const auto relazioniLibro = Voce(zip, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (!libro || !relazioniLibro) {
        cartella.errore = nonValido;
        return cartella;
    }
    const QHash<QString, QString> relazioni = Relazioni(*relazioniLibro);
    const QStringList stringhe
        = StringheCondivise(Voce(zip, QStringLiteral("xl/sharedStrings.xml")).value_or(QByteArray()));
    const QList<QString> stili = FormatiStili(Voce(zip, QStringLiteral("xl/styles.xml")).value_or(QByteArray()));

    QXmlStreamReader x(*libro);
    QList<QPair<QString, QString>> fogli; // name, part
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == QLatin1String("workbookView")) {
            cartella.attivo = x.attributes().value(QLatin1String("activeTab")).toInt();
        } else if (x.name() == QLatin1String("sheet")) {
            QString id;
            for (const QXmlStreamAttribute& a : x.attributes())
                if (a.name() == QLatin1String("id"))
                    id = a.value().toString();
            fogli.append({x.attributes().value(QLatin1String("name")).toString(), Percorso(relazioni.value(id))});
        }
    }
    if (x.hasError() || fogli.isEmpty()) {
        cartella.errore = nonValido;
        return cartella;
    }
    for (const auto& [nomeFoglio, parte] : fogli) {
        FoglioXlsx foglio;
        foglio.nome = nomeFoglio;
        const auto xml = Voce(zip, parte);
        if (!xml || !LeggiFoglio(*xml, stringhe, stili, foglio)) {
            cartella.errore = nonValido;
            return cartella;
        }
        foglio.immagini = ContaImmagini(zip, parte);
        cartella.fogli.append(foglio);
    }
    if (cartella.attivo < 0 || cartella.attivo >= cartella.fogli.size())
        cartella.attivo = 0;
    return cartella;
}
