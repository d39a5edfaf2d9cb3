#include "registro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

struct NomeRadice {
    ChiaveRadice radice;
    const char* nome;
};
constexpr NomeRadice Radici[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
};

QString TestoRadice(ChiaveRadice radice)
{
    for (const NomeRadice& r : Radici)
        if (r.radice == radice)
            return QLatin1String(r.nome);
    return QStringLiteral("0x%1").arg(radice, 8, 16, QLatin1Char('0'));
}

std::optional<ChiaveRadice> LeggiRadice(const QString& testo)
{
    for (const NomeRadice& r : Radici)
        if (testo.compare(QLatin1String(r.nome), Qt::CaseInsensitive) == 0)
            return r.radice;
    if (testo.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        bool ok = false;
        const uint v = testo.mid(2).toUInt(&ok, 16);
        if (ok)
            return v;
    }
    return std::nullopt;
}

// "\.Gvf", ".Gvf\" and ".Gvf" name the same key.
QString Normalizza(const QString& percorso)
{
    return percorso.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

bool Uguali(const QString& a, const QString& b)
{
    return a.toLower() == b.toLower();
}

QString Virgolette(const QString& testo)
{
    QString s;
    s.reserve(testo.size() + 2);
    s += QLatin1Char('"');
    for (QChar c : testo) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            s += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            s += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            s += QLatin1String("\\r");
        else
            s += c;
    }
    s += QLatin1Char('"');
    return s;
}

// Reads a quoted text at `pos`; leaves `pos` after the closing quote.
std::optional<QString> LeggiVirgolette(const QString& riga, qsizetype& pos)
{
    if (pos >= riga.size() || riga.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString s;
    for (++pos; pos < riga.size(); ++pos) {
        const QChar c = riga.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return s;
        }
        if (c != QLatin1Char('\\')) {
            s += c;
            continue;
        }
        if (++pos >= riga.size())
            return std::nullopt;
        const QChar e = riga.at(pos);
        if (e == QLatin1Char('n'))
            s += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            s += QLatin1Char('\r');
        else if (e == QLatin1Char('\\') || e == QLatin1Char('"'))
            s += e;
        else
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<ArchivioRegistro::Valore> LeggiDato(const QString& testo)
{
    ArchivioRegistro::Valore v;
    if (testo.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        const auto s = LeggiVirgolette(testo, pos);
        if (!s || !testo.mid(pos).trimmed().isEmpty())
            return std::nullopt;
        v.tipo = ArchivioRegistro::Tipo::Stringa;
        v.testo = *s;
        return v;
    }
    if (testo.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString cifre = testo.mid(6).trimmed();
        bool ok = false;
        const uint n = cifre.toUInt(&ok, 16);
        if (!ok || cifre.size() > 8 || cifre.startsWith(QLatin1Char('+')) || cifre.startsWith(QLatin1Char('-')))
            return std::nullopt;
        v.tipo = ArchivioRegistro::Tipo::Dword;
        v.numero = n;
        return v;
    }
    if (testo.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        v.tipo = ArchivioRegistro::Tipo::Altro;
        const QString lista = testo.mid(4).trimmed();
        if (lista.isEmpty())
            return v;
        for (const QString& b : lista.split(QLatin1Char(','))) {
            bool ok = false;
            const uint n = b.trimmed().toUInt(&ok, 16);
            if (!ok || n > 0xFF)
                return std::nullopt;
            v.dati.append(static_cast<char>(n));
        }
        return v;
    }
    return std::nullopt;
}

QString TestoDato(const ArchivioRegistro::Valore& v)
{
    switch (v.tipo) {
    case ArchivioRegistro::Tipo::Stringa:
        return Virgolette(v.testo);
    case ArchivioRegistro::Tipo::Dword:
        return QStringLiteral("dword:%1").arg(v.numero, 8, 16, QLatin1Char('0'));
    case ArchivioRegistro::Tipo::Altro: {
        QStringList b;
        for (char c : v.dati)
            b << QStringLiteral("%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
        return QStringLiteral("hex:") + b.join(QLatin1Char(','));
    }
    }
    return QString();
}

bool StessoDato(const ArchivioRegistro::Valore& a, const ArchivioRegistro::Valore& b)
{
    if (a.tipo != b.tipo)
        return false;
    switch (a.tipo) {
    case ArchivioRegistro::Tipo::Stringa:
        return a.testo == b.testo;
    case ArchivioRegistro::Tipo::Dword:
        return a.numero == b.numero;
    case ArchivioRegistro::Tipo::Altro:
        return a.dati == b.dati;
    }
    return false;
}

} // namespace

QString FileRegistro()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Brunivox/registro.reg"));
}

ArchivioRegistro::ArchivioRegistro(const QString& file) : file_(file)
{
    QFile f(file);
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly)) {
        leggibile_ = false;
        return;
    }
    leggibile_ = leggi(f.readAll());
    if (!leggibile_)
        chiavi_.clear();
}

bool ArchivioRegistro::leggi(const QByteArray& contenuto)
{
    Chiave* corrente = nullptr;
    const QStringList righe = QString::fromUtf8(contenuto).split(QLatin1Char('\n'));
    for (const QString& grezza : righe) {
        const QString riga = grezza.trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char(';')))
            continue;
        if (riga.startsWith(QLatin1Char('['))) {
            if (!riga.endsWith(QLatin1Char(']')))
                return false;
            const QString interno = riga.mid(1, riga.size() - 2);
            const qsizetype sep = interno.indexOf(QLatin1Char('\\'));
            const auto radice = LeggiRadice(sep < 0 ? interno : interno.left(sep));
            if (!radice)
                return false;
            const QString percorso = Normalizza(sep < 0 ? QString() : interno.mid(sep + 1));
            if (trova(*radice, percorso))
                return false; // a key twice: which one holds is unclear
            chiavi_.push_back({*radice, percorso, {}});
            corrente = &chiavi_.back();
            continue;
        }
        if (!corrente)
            return false;
        QString nome;
        qsizetype pos = 0;
        if (riga.startsWith(QLatin1Char('@'))) {
            pos = 1;
        } else {
            const auto n = LeggiVirgolette(riga, pos);
            if (!n || n->isEmpty())
                return false;
            nome = *n;
        }
        while (pos < riga.size() && riga.at(pos).isSpace())
            ++pos;
        if (pos >= riga.size() || riga.at(pos) != QLatin1Char('='))
            return false;
        auto dato = LeggiDato(riga.mid(pos + 1).trimmed());
        if (!dato)
            return false;
        dato->nome = nome;
        for (const Valore& v : corrente->valori)
            if (Uguali(v.nome, nome))
                return false;
        corrente->valori.push_back(*dato);
    }
    return true;
}

bool ArchivioRegistro::salva() const
{
    if (!leggibile_ || file_.isEmpty())
        return false;
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()))
        return false;
    QString testo = QStringLiteral("; Brunivox: registro dei valori del programma.\n");
    for (const Chiave& k : chiavi_) {
        testo += QStringLiteral("\n[") + TestoRadice(k.radice);
        if (!k.percorso.isEmpty())
            testo += QLatin1Char('\\') + k.percorso;
        testo += QLatin1String("]\n");
        for (const Valore& v : k.valori)
            testo += (v.nome.isEmpty() ? QStringLiteral("@") : Virgolette(v.nome)) + QLatin1Char('=') + TestoDato(v)
                + QLatin1Char('\n');
    }
    QSaveFile f(file_);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray dati = testo.toUtf8();
    if (f.write(dati) != dati.size())
        return false;
    return f.commit();
}

const ArchivioRegistro::Chiave* ArchivioRegistro::trova(ChiaveRadice radice, const QString& percorso) const
{
    const QString cercato = Normalizza(percorso).toLower();
    for (const Chiave& k : chiavi_)
        if (k.radice == radice && k.percorso.toLower() == cercato)
            return &k;
    return nullptr;
}

std::optional<ArchivioRegistro::Valore> ArchivioRegistro::valore(ChiaveRadice radice, const QString& percorso,
                                                                 const QString& nome) const
{
    const Chiave* k = trova(radice, percorso);
    if (!k)
        return std::nullopt;
    for (const Valore& v : k->valori)
        if (Uguali(v.nome, nome))
            return v;
    return std::nullopt;
}

void ArchivioRegistro::imposta(ChiaveRadice radice, const QString& percorso, const Valore& valore)
{
    auto* k = const_cast<Chiave*>(trova(radice, percorso));
    if (!k) {
        chiavi_.push_back({radice, Normalizza(percorso), {}});
        k = &chiavi_.back();
        modificato_ = true;
    }
    for (Valore& v : k->valori) {
        if (!Uguali(v.nome, valore.nome))
            continue;
        if (!StessoDato(v, valore)) {
            const QString nome = v.nome; // the first spelling stays
            v = valore;
            v.nome = nome;
            modificato_ = true;
        }
        return;
    }
    k->valori.push_back(valore);
    modificato_ = true;
}

std::optional<QString> LeggiStringa(const ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso,
                                    const QString& nome)
{
    const auto v = archivio.valore(radice, percorso, nome);
    if (!v || v->tipo != ArchivioRegistro::Tipo::Stringa)
        return std::nullopt;
    const qsizetype nul = v->testo.indexOf(QChar(0));
    return nul < 0 ? v->testo : v->testo.left(nul);
}

void ScriviStringa(ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso, const QString& nome,
                   const QString& dati)
{
    ArchivioRegistro::Valore v;
    v.nome = nome;
    v.tipo = ArchivioRegistro::Tipo::Stringa;
    v.testo = dati;
    archivio.imposta(radice, percorso, v);
}

void ScriviDword(ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso, const QString& nome,
                 std::uint32_t dati)
{
    ArchivioRegistro::Valore v;
    v.nome = nome;
    v.tipo = ArchivioRegistro::Tipo::Dword;
    v.numero = dati;
    archivio.imposta(radice, percorso, v);
}

bool LeggiValoreChiave(const ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso,
                       const QString& nome, QString& valore)
{
    const auto v = archivio.valore(radice, percorso, nome);
    if (!v) {
        valore.clear();
        return false;
    }
    switch (v->tipo) {
    case ArchivioRegistro::Tipo::Stringa: {
        QString testo = v->testo;
        if (testo.endsWith(QChar(0)))
            testo.chop(1);
        valore = testo;
        break;
    }
    case ArchivioRegistro::Tipo::Dword:
        valore = QStringLiteral("&h") + QString::number(v->numero, 16).toUpper();
        break;
    case ArchivioRegistro::Tipo::Altro:
        break;
    }
    return true;
}
