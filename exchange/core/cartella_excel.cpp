#include "cartella_excel.h"

#include "date.h"
#include "errore_sistema.h"
#include "tabella_eseguiti.h"
#include "tabella_operazioni_chiuse.h"
#include "tabella_portafoglio.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <xlsxwriter.h>

#include <cerrno>
#include <optional>
#include <variant>
#include <vector>

namespace {

// The library's own texts are English; `numero` is the errno its failing call left.
QString MotivoXlsx(lxw_error errore, int numero)
{
    switch (errore) {
    case LXW_ERROR_CREATING_XLSX_FILE:
        return numero ? TestoErroreSistema(numero) : QStringLiteral("il file non può essere creato");
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("impossibile usare un file temporaneo")
            + (numero ? QStringLiteral(": ") + TestoErroreSistema(numero) : QString());
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("memoria esaurita");
    default:
        return numero
            ? TestoErroreSistema(numero)
            : QStringLiteral("errore nella scrittura del foglio di calcolo (n. %1)").arg(static_cast<int>(errore));
    }
}

// A cell of a data row: empty, text, number or date (ISO).
struct Data {
    QString iso;
};
using Cella = std::variant<std::monostate, QString, double, Data>;

struct Tabella {
    QString nome;
    QString titolo;
    QStringList intestazioni;
    std::vector<std::vector<Cella>> righe;
};

Cella Testo(const QString& t)
{
    return t.isEmpty() ? Cella{} : Cella{t};
}

// The bytes of a text cell, for a writer that takes a C string and escapes the control
// characters as "_xHHHH_", the workbook format's escape. The NUL, which would end the string,
// and the two non-characters XML cannot hold are escaped here the same way; a "_" that
// begins what reads as an escape is escaped itself ("_x005F_"), so that the text reads back whole.
QByteArray TestoCella(const QString& testo)
{
    static const QRegularExpression comeEscape(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    QString t = testo;
    t.replace(comeEscape, QStringLiteral("_x005F_"));
    t.replace(QChar(0), QLatin1String("_x0000_"));
    t.replace(QChar(0xFFFE), QLatin1String("_xFFFE_"));
    t.replace(QChar(0xFFFF), QLatin1String("_xFFFF_"));
    return t.toUtf8();
}

Cella Numero(const std::optional<double>& v)
{
    return v ? Cella{*v} : Cella{};
}

// The palette of a new workbook: 1 black, 2 white, 15 light grey, 16 dark grey.
constexpr lxw_color_t Indice1 = LXW_COLOR_BLACK;
constexpr lxw_color_t Indice2 = 0xFFFFFF;
constexpr lxw_color_t Indice15 = 0xC0C0C0;
constexpr lxw_color_t Indice16 = 0x808080;
constexpr int UltimaColonnaFormattata = 11; // L
constexpr double AltezzaPrimaRiga = 27;
const char* const FormatoData = "dd/mm/yy";

// Formats do not combine in the writer: each cell carries the whole of its look.
struct Formati {
    lxw_format* fascia; // A1:L1: black, locked
    lxw_format* titolo; // D1
    lxw_format* intestazione; // B2:L2
    lxw_format* intestazioneA; // A2, with the date format of column A
    lxw_format* data; // column A from row 3
    lxw_format* cella; // everything else, unlocked

    explicit Formati(lxw_workbook* wb)
    {
        fascia = workbook_add_format(wb);
        format_set_bg_color(fascia, Indice1);

        titolo = workbook_add_format(wb);
        format_set_bg_color(titolo, Indice1);
        format_set_font_name(titolo, "Arial Black");
        format_set_font_size(titolo, 16);
        format_set_font_color(titolo, Indice15);

        intestazione = workbook_add_format(wb);
        format_set_bold(intestazione);
        format_set_bg_color(intestazione, Indice16);
        format_set_font_color(intestazione, Indice2);
        format_set_unlocked(intestazione);

        intestazioneA = workbook_add_format(wb);
        format_set_bold(intestazioneA);
        format_set_bg_color(intestazioneA, Indice16);
        format_set_font_color(intestazioneA, Indice2);
        format_set_num_format(intestazioneA, FormatoData);
        format_set_unlocked(intestazioneA);

        data = workbook_add_format(wb);
        format_set_num_format(data, FormatoData);
        format_set_unlocked(data);

        cella = workbook_add_format(wb);
        format_set_unlocked(cella);
    }
};

Tabella TabellaOperazioniChiuse(const std::vector<RigaOperazioneChiusa>& righe)
{
    Tabella t{QStringLiteral("OperazioniChiuse"),
              QStringLiteral("Brunivox Tabella operazioni chiuse"),
              {"Data", "System", "Cod", "Titolo", "PzoCarico", QStringLiteral("Quantità"), "Prezzo", "Commissioni",
               "GP", "GPPercentuale", "Errore", "PzoOttimale"},
              {}};
    for (const RigaOperazioneChiusa& r : righe)
        t.righe.push_back({Data{r.Data}, Testo(r.System), Testo(r.Cod), Testo(r.Titolo), r.PzoCarico,
                           static_cast<double>(r.Qta), r.Prezzo, r.Commissioni, r.GP, r.GPPercentuale, Testo(r.Errore),
                           Numero(r.PrezzoOttimale)});
    return t;
}

Tabella TabellaEseguiti(const std::vector<RigaEseguito>& righe)
{
    Tabella t{QStringLiteral("Eseguiti"),
              QStringLiteral("Brunivox Tabella eseguiti"),
              {"Data", "Tipo", "System", "Codice", "Titolo", QStringLiteral("Quantità"), "Prezzo", "Errore",
               "Prezzo ottimale"},
              {}};
    for (const RigaEseguito& r : righe)
        t.righe.push_back({Data{r.Data}, Testo(r.Tipo), Testo(r.System), Testo(r.Cod), Testo(r.Titolo),
                           static_cast<double>(r.Qta), r.Prezzo, Testo(r.Errore), Numero(r.PrezzoOttimale)});
    return t;
}

Tabella TabellaPortafoglio(const std::vector<RigaPortafoglio>& righe)
{
    Tabella t{QStringLiteral("Portafoglio"),
              QStringLiteral("Brunivox Tabella portafoglio"),
              {"Cod", "System", "Titolo", QStringLiteral("Quantità"), "Pzo carico", "Commis."},
              {}};
    for (const RigaPortafoglio& r : righe)
        t.righe.push_back(
            {Testo(r.Cod), Testo(r.System), Testo(r.Titolo), static_cast<double>(r.Qta), r.PzoCarico, r.Commissioni});
    return t;
}

// The sheet's title band, captions, column formats, protection and frozen panes.
void FormattaFoglio(lxw_worksheet* ws, const Formati& f, const Tabella& t)
{
    worksheet_set_row(ws, 0, AltezzaPrimaRiga, nullptr);
    worksheet_set_column(ws, 0, 0, LXW_DEF_COL_WIDTH, f.data);
    worksheet_set_column(ws, 1, LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH, f.cella);
    for (lxw_col_t c = 0; c <= UltimaColonnaFormattata; ++c) {
        if (c == 3)
            worksheet_write_string(ws, 0, c, t.titolo.toUtf8().constData(), f.titolo);
        else
            worksheet_write_blank(ws, 0, c, f.fascia);
        lxw_format* intestazione = c == 0 ? f.intestazioneA : f.intestazione;
        if (c < t.intestazioni.size())
            worksheet_write_string(ws, 1, c, t.intestazioni.at(c).toUtf8().constData(), intestazione);
        else
            worksheet_write_blank(ws, 1, c, intestazione);
    }
    // Without options the writer protects contents, drawing objects and scenarios
    // (sheet, objects and scenarios set), and no password.
    worksheet_protect(ws, nullptr, nullptr);
    worksheet_freeze_panes(ws, 2, 0);
    worksheet_set_selection(ws, 2, 0, 2, 0);
}

void ScriviRiga(lxw_worksheet* ws, const Formati& f, lxw_row_t riga, const std::vector<Cella>& celle)
{
    for (std::size_t i = 0; i < celle.size(); ++i) {
        const auto c = static_cast<lxw_col_t>(i);
        lxw_format* formato = c == 0 ? f.data : f.cella;
        const Cella& cella = celle[i];
        if (const auto* testo = std::get_if<QString>(&cella)) {
            worksheet_write_string(ws, riga, c, TestoCella(*testo).constData(), formato);
        } else if (const auto* numero = std::get_if<double>(&cella)) {
            worksheet_write_number(ws, riga, c, *numero, formato);
        } else if (const auto* data = std::get_if<Data>(&cella)) {
            const QDate d = date::DaIso(data->iso);
            if (d.isValid() && d.year() >= 1900) {
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0.0};
                worksheet_write_datetime(ws, riga, c, &dt, formato);
            } else if (!data->iso.isEmpty()) {
                worksheet_write_string(ws, riga, c, data->iso.toUtf8().constData(), formato);
            }
        }
    }
}

} // namespace

EsitoEsportazione EsportaExcel(const QSqlDatabase& portafoglio, const QString& percorso, const TabelleScelte& scelte,
                               const QString& logo, const ProgressoEsportazione& progresso)
{
    EsitoEsportazione esito;
    auto fallito = [&](const QString& causa) {
        esito.conteggi = {};
        esito.esito = Esito::erroreDatabase(QStringLiteral("Esportazione in Excel non riuscita: %1").arg(causa));
        return esito;
    };
    if (!QFileInfo(logo).isFile())
        return fallito(QStringLiteral("l'immagine %1 non si trova nella cartella del programma.").arg(NomeLogoExcel));

    std::vector<Tabella> tabelle;
    if (scelte.OperazioniChiuse) {
        const auto l = LeggiOperazioniChiuse(portafoglio);
        if (!l.ok())
            return fallito(l.errore);
        tabelle.push_back(TabellaOperazioniChiuse(l.righe));
    }
    if (scelte.Eseguiti) {
        const auto l = LeggiEseguiti(portafoglio, OrdineEseguiti::PerId);
        if (!l.ok())
            return fallito(l.errore);
        tabelle.push_back(TabellaEseguiti(l.righe));
    }
    if (scelte.Portafoglio) {
        const auto l = LeggiPortafoglio(portafoglio);
        if (!l.ok())
            return fallito(l.errore);
        tabelle.push_back(TabellaPortafoglio(l.righe));
    }

    lxw_workbook* wb = workbook_new(QFile::encodeName(percorso).constData());
    if (!wb)
        return fallito(QStringLiteral("impossibile creare il file %1.").arg(percorso));
    const Formati formati(wb);
    const QByteArray logoLocale = QFile::encodeName(logo);

    // A new workbook has three sheets, "Foglio1" to "Foglio3"; the exported tables take
    // the place of the first ones, and the rest keep their names.
    std::vector<lxw_worksheet*> fogli;
    for (std::size_t i = 0; i < 3; ++i) {
        const QString nome = i < tabelle.size() ? tabelle[i].nome : QStringLiteral("Foglio%1").arg(i + 1);
        fogli.push_back(workbook_add_worksheet(wb, nome.toUtf8().constData()));
    }

    QString errore;
    for (std::size_t i = 0; i < tabelle.size() && errore.isEmpty(); ++i) {
        const Tabella& t = tabelle[i];
        lxw_worksheet* ws = fogli[i];
        if (worksheet_insert_image(ws, 0, 0, logoLocale.constData()) != LXW_NO_ERROR) {
            errore = QStringLiteral("l'immagine %1 non è leggibile.").arg(NomeLogoExcel);
            break;
        }
        FormattaFoglio(ws, formati, t);
        if (!t.righe.empty() && progresso.inizioTabella)
            progresso.inizioTabella(static_cast<qint64>(t.righe.size()));
        lxw_row_t riga = 2;
        for (const std::vector<Cella>& celle : t.righe) {
            ScriviRiga(ws, formati, riga++, celle);
            if (progresso.passo)
                progresso.passo();
        }
        const auto scritti = static_cast<qint64>(t.righe.size());
        if (t.nome == QLatin1String("OperazioniChiuse"))
            esito.conteggi.OperazioniChiuse = scritti;
        else if (t.nome == QLatin1String("Eseguiti"))
            esito.conteggi.Eseguiti = scritti;
        else
            esito.conteggi.Portafoglio = scritti;
    }
    if (errore.isEmpty() && !tabelle.empty())
        worksheet_activate(fogli.front());

    errno = 0;
    const lxw_error chiusura = workbook_close(wb);
    const int numero = errno;
    if (errore.isEmpty() && chiusura != LXW_NO_ERROR)
        errore = QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, MotivoXlsx(chiusura, numero));
    if (!errore.isEmpty()) {
        QFile::remove(percorso);
        return fallito(errore);
    }
    return esito;
}
