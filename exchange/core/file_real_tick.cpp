#include "file_real_tick.h"

#include "date.h"
#include "eseguito_valido.h"
#include "file_utili.h"
#include "numeri.h"
#include "testi_ammessi.h"
#include "testo_windows.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int CampiMinimi = 11;

// The platform writes its files in its own code page; a UTF-8 file is taken as such.
QString Decodifica(const QByteArray& testo)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decodificato = utf8(testo);
    return utf8.hasError() ? DaWindows1252(testo) : decodificato;
}

// A numeric literal as SQL reads it, blanks around it allowed: "5", "5.", ".5", "2.5E-1".
// No sign: "-5" is an expression, not a literal.
std::optional<double> LeggiLetterale(const QString& campo)
{
    static const QRegularExpression letterale(
        QStringLiteral("^[ \\t\\n\\f\\r]*((?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t\\n\\f\\r]*$"));
    const QRegularExpressionMatch m = letterale.match(campo);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(m.capturedView(1), &ok); // "." is the decimal point
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The values a database column of the right type would have refused as literals.
bool LeggiQuantita(const QString& campo, qint64& qta)
{
    const std::optional<double> v = LeggiLetterale(campo);
    if (!v || *v < 1 || *v > static_cast<double>(motore::QuantitaMassima) || *v != std::floor(*v))
        return false;
    qta = static_cast<qint64>(*v);
    return true;
}

bool LeggiPrezzo(const QString& campo, double& prezzo)
{
    const std::optional<double> v = LeggiLetterale(campo);
    if (!v || *v <= 0)
        return false;
    prezzo = *v;
    return true;
}

// The whole field, in any case, and in ASCII: a Unicode case rule would take "ſELL" for SELL.
bool LatoValido(const QString& campo)
{
    static const QRegularExpression lato(
        QRegularExpression::anchoredPattern(QStringLiteral("[Bb][Uu][Yy]|[Ss][Ee][Ll][Ll]")));
    return lato.match(campo).hasMatch();
}

// Why a text field cannot be stored, or "" when it can.
QString DifettoTesto(const QString& campo, const QString& nome)
{
    if (HaCaratteriDiControllo(campo))
        return QStringLiteral("%1 contiene caratteri di controllo").arg(nome);
    if (IniziaComeFormula(campo))
        return QStringLiteral("%1 comincia con =, +, - o @").arg(nome);
    return {};
}

// Why a line cannot be imported, or "" when it can; `riga` gets what it holds.
QString DifettoLinea(const QStringList& campi, RigaImportata& riga)
{
    if (campi.size() < CampiMinimi)
        return QStringLiteral("ha meno di %1 campi").arg(CampiMinimi);
    if (!LatoValido(campi.at(4)))
        return QStringLiteral("il tipo non è BUY né SELL");
    if (!LeggiQuantita(campi.at(5), riga.Qta))
        return QStringLiteral("la quantità non è un numero intero da 1 a %1")
            .arg(numeri::TestoNumero(static_cast<double>(motore::QuantitaMassima)));
    if (!LeggiPrezzo(campi.at(7), riga.Prezzo))
        return QStringLiteral("il prezzo non è un numero positivo");
    // What the commit writes must be a finite amount above 0 as well.
    for (const auto& [valore, nome, decimali] :
         {std::tuple{PrezzoImportato(riga), QStringLiteral("il prezzo"), QStringLiteral("4 decimali")},
          std::tuple{ImportoImportato(riga), QStringLiteral("l'importo"), QStringLiteral("1 decimale")}}) {
        if (!std::isfinite(valore))
            return QStringLiteral("%1 è troppo grande").arg(nome);
        if (valore <= 0)
            return QStringLiteral("%1 arrotondato a %2 è 0").arg(nome, decimali);
    }
    for (const auto& [campo, nome] :
         {std::pair{campi.at(6), QStringLiteral("il codice")}, std::pair{campi.at(9), QStringLiteral("il sistema")}})
        if (const QString difetto = DifettoTesto(campo, nome); !difetto.isEmpty())
            return difetto;
    riga.Tipo = campi.at(4);
    riga.Cod = campi.at(6);
    riga.System = campi.at(9);
    return {};
}

} // namespace

double PrezzoImportato(const RigaImportata& riga)
{
    return numeri::ArrotondaPari(riga.Prezzo, 4);
}

double ImportoImportato(const RigaImportata& riga)
{
    return numeri::ArrotondaPari(riga.Prezzo * static_cast<double>(riga.Qta), 1);
}

LetturaRealTick AnalizzaRealTick(const QByteArray& testo, const QString& percorso)
{
    LetturaRealTick lettura;
    const QString data = ConvertiData(percorso);
    if (data.isEmpty()) {
        lettura.valido = false;
        return lettura;
    }
    const QString dataIso = date::DataIso(QDate::fromString(data, QStringLiteral("dd/MM/yyyy")));

    // The header is skipped, and so is the piece after the last CR LF: a last line
    // without CR LF is not read. Lines are taken one at a time from the decoded text, so
    // that a long file is not held a second time as a list of lines.
    const QString decodificato = Decodifica(testo);
    const QLatin1StringView acapo("\r\n");
    qsizetype inizio = 0;
    for (qsizetype i = 0, fine; (fine = decodificato.indexOf(acapo, inizio)) >= 0; ++i, inizio = fine + acapo.size()) {
        if (i == 0)
            continue;
        RigaImportata riga;
        const QStringList campi
            = QStringView(decodificato).sliced(inizio, fine - inizio).toString().split(QLatin1Char(','));
        if (const QString difetto = DifettoLinea(campi, riga); !difetto.isEmpty()) {
            lettura.valido = false;
            lettura.messaggio = QStringLiteral("%1 (%2, riga %3: %4).")
                                    .arg(MessaggioRealTickNonValido, QFileInfo(percorso).fileName())
                                    .arg(i + 1)
                                    .arg(difetto);
            return lettura;
        }
        riga.Data = dataIso;
        lettura.righe.push_back(riga);
    }
    return lettura;
}

QString TestoNonLetto(const QByteArray& testo, const QString& percorso)
{
    const QString nome = QFileInfo(percorso).fileName();
    const bool bom16 = testo.startsWith("\xFF\xFE") || testo.startsWith("\xFE\xFF");
    if (bom16 || testo.contains(QByteArrayView("\r\0\n\0", 4)) || testo.contains(QByteArrayView("\0\r\0\n", 4)))
        return QStringLiteral("Il file %1 è scritto in UTF-16, che i file di Real Tick non usano: "
                              "non ne è stato letto nessun eseguito.")
            .arg(nome);
    const qsizetype ultimo = testo.lastIndexOf("\r\n");
    if (ultimo < 0) {
        if (!testo.contains('\n') && !testo.contains('\r'))
            return QString(); // the header alone
        return QStringLiteral("Le righe del file %1 finiscono con %2 e non con CR LF: il file è stato letto come "
                              "una sola riga, l'intestazione, e non ne è stato letto nessun eseguito.")
            .arg(nome, testo.contains('\n') ? QStringLiteral("LF") : QStringLiteral("CR"));
    }
    if (ultimo + 2 < testo.size())
        return QStringLiteral("L'ultima riga del file %1 non finisce con CR LF e non è stata letta.").arg(nome);
    return QString();
}

LetturaRealTick LeggiFileRealTick(const QString& percorso, qint64 limite)
{
    const QString nome = QFileInfo(percorso).fileName();
    // Opened without waiting, and read only when regular: opening a FIFO waits for a
    // writer, and reading one or a device may never end.
    const int descrittore = ::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descrittore < 0)
        return {{}, false};
    struct stat info = {};
    if (::fstat(descrittore, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descrittore);
        return {{},
                false,
                QStringLiteral("%1 non è un file ordinario (è una cartella, una coda o un dispositivo) e non può "
                               "essere letto come file di Real Tick.")
                    .arg(nome)};
    }
    ::fcntl(descrittore, F_SETFL, ::fcntl(descrittore, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(descrittore, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descrittore);
        return {{}, false};
    }
    const LetturaRealTick troppoGrande{
        {},
        false,
        QStringLiteral("Il file %1 è troppo grande per essere un file di Real Tick: supera i %2 MB.")
            .arg(nome)
            .arg(limite / (1024 * 1024))};
    if (file.size() > limite)
        return troppoGrande;
    // One byte past the bound tells a file that grew, or has no size of its own, from one that fits.
    const QByteArray testo = file.read(limite + 1);
    file.close();
    if (testo.size() > limite)
        return troppoGrande;
    // Reading an empty file is an error of its own, not a file without lines.
    if (testo.isEmpty())
        return {{}, false};
    // Counted before anything is parsed: the lines read are those between the header and the last CR LF.
    if (testo.count("\r\n") - 1 > RigheMassimeRealTick)
        return {{},
                false,
                QStringLiteral("Il file %1 ha più di %2 righe: è troppo lungo per essere un file di Real Tick e "
                               "non è stato letto.")
                    .arg(nome, numeri::TestoNumero(static_cast<double>(RigheMassimeRealTick)))};
    LetturaRealTick lettura = AnalizzaRealTick(testo, percorso);
    if (lettura.valido)
        lettura.avviso = TestoNonLetto(testo, percorso);
    return lettura;
}
