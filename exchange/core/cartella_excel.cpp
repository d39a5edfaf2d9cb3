#include "cartella_excel.h"

#include "date.h"
#include "scrittura_accanto.h"
#include "errore_sistema.h"
#include "tabella_eseguiti.h"
#include "tabella_operazioni_chiuse.h"
#include "tabella_portafoglio.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

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

// A sheet's name, title and captions; its rows are written as they are read.
struct Tabella {
    QString nome;
    QString titolo;
    QStringList intestazioni;
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

const Tabella FoglioChiuse{QStringLiteral("OperazioniChiuse"),
                               QStringLiteral("Brunivox Tabella operazioni chiuse"),
                               {"Data", "System", "Cod", "Titolo", "PzoCarico", QStringLiteral("Quantità"), "Prezzo",
                                "Commissioni", "GP", "GPPercentuale", "Errore", "PzoOttimale"}};

std::vector<Cella> Celle(const RigaOperazioneChiusa& r)
{
    return {Data{r.Data}, Testo(r.System), Testo(r.Cod), Testo(r.Titolo), r.PzoCarico, static_cast<double>(r.Qta),
            r.Prezzo, r.Commissioni, r.GP, r.GPPercentuale, Testo(r.Errore), Numero(r.PrezzoOttimale)};
}

const Tabella FoglioEseguiti{QStringLiteral("Eseguiti"),
                       QStringLiteral("Brunivox Tabella eseguiti"),
                       {"Data", "Tipo", "System", "Codice", "Titolo", QStringLiteral("Quantità"), "Prezzo", "Errore",
                        "Prezzo ottimale"}};

std::vector<Cella> Celle(const RigaEseguito& r)
{
    return {Data{r.Data}, Testo(r.Tipo), Testo(r.System), Testo(r.Cod), Testo(r.Titolo), static_cast<double>(r.Qta),
            r.Prezzo, Testo(r.Errore), Numero(r.PrezzoOttimale)};
}

const Tabella FoglioPortafoglio{QStringLiteral("Portafoglio"),
                          QStringLiteral("Brunivox Tabella portafoglio"),
                          {"Cod", "System", "Titolo", QStringLiteral("Quantità"), "Pzo carico", "Commis."}};

std::vector<Cella> Celle(const RigaPortafoglio& r)
{
    return {Testo(r.Cod), Testo(r.System), Testo(r.Titolo), static_cast<double>(r.Qta), r.PzoCarico, r.Commissioni};
}

// The sheet's title band, captions, column formats, protection and frozen panes.
void FormattaFoglio(lxw_worksheet* ws, const Formati& f, const Tabella& t)
{
    worksheet_set_row(ws, 0, AltezzaPrimaRiga, nullptr);
    worksheet_set_column(ws, 0, 0, LXW_DEF_COL_WIDTH, f.data);
    worksheet_set_column(ws, 1, LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH, f.cella);
    // Row by row: a row is in the file once the next one is begun.
    for (lxw_col_t c = 0; c <= UltimaColonnaFormattata; ++c) {
        if (c == 3)
            worksheet_write_string(ws, 0, c, t.titolo.toUtf8().constData(), f.titolo);
        else
            worksheet_write_blank(ws, 0, c, f.fascia);
    }
    for (lxw_col_t c = 0; c <= UltimaColonnaFormattata; ++c) {
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

    // Each ticked table is counted before the file is made: a table that cannot be read is told
    // as before, and the progress knows its length. The rows themselves go into the sheet as
    // they are read.
    struct Scelta {
        const Tabella* tabella;
        qint64 righe = 0;
    };
    std::vector<Scelta> tabelle;
    QString errore;
    Lettura<RigaPortafoglio> posizioni;
    if (scelte.OperazioniChiuse) {
        tabelle.push_back({&FoglioChiuse});
        if (!(errore = ContaOperazioniChiuse(portafoglio, tabelle.back().righe)).isEmpty())
            return fallito(errore);
    }
    if (scelte.Eseguiti) {
        tabelle.push_back({&FoglioEseguiti});
        if (!(errore = ContaEseguiti(portafoglio, tabelle.back().righe)).isEmpty())
            return fallito(errore);
    }
    if (scelte.Portafoglio) {
        if (!(posizioni = LeggiPortafoglio(portafoglio)).ok())
            return fallito(posizioni.errore);
        tabelle.push_back({&FoglioPortafoglio, static_cast<qint64>(posizioni.righe.size())});
    }

    // Written beside the file and renamed onto it only once whole: until then `percorso`
    // keeps what it had.
    FileAccanto uscita(percorso);
    if (!uscita.esito().ok())
        return fallito(uscita.esito().messaggio);
    // Each row goes to the file as soon as the next one starts, so that a long table costs no
    // more memory than a short one; its texts are then written in the cells rather than in a
    // table of strings shared by the workbook, which reads the same. The sheets are staged
    // beside the target, on the disk that has room for the workbook (where there is no such
    // folder, writing the workbook fails as it always did).
    const QFileInfo cartella(QFileInfo(percorso).absolutePath());
    QByteArray provvisori = QFile::encodeName(cartella.absoluteFilePath());
    lxw_workbook_options opzioni{};
    opzioni.constant_memory = LXW_TRUE;
    opzioni.tmpdir = cartella.isDir() && cartella.isWritable() ? provvisori.data() : nullptr;
    lxw_workbook* wb = workbook_new_opt(QFile::encodeName(uscita.temporaneo()).constData(), &opzioni);
    if (!wb)
        return fallito(QStringLiteral("impossibile creare il file %1.").arg(percorso));
    const Formati formati(wb);
    const QByteArray logoLocale = QFile::encodeName(logo);

    // A new workbook has three sheets, "Foglio1" to "Foglio3"; the exported tables take
    // the place of the first ones, and the rest keep their names.
    std::vector<lxw_worksheet*> fogli;
    for (std::size_t i = 0; i < 3; ++i) {
        const QString nome = i < tabelle.size() ? tabelle[i].tabella->nome : QStringLiteral("Foglio%1").arg(i + 1);
        fogli.push_back(workbook_add_worksheet(wb, nome.toUtf8().constData()));
        // In this mode a sheet needs a staging file of its own.
        if (!fogli.back()) {
            workbook_close(wb);
            return fallito(QStringLiteral("impossibile creare il file %1.").arg(percorso));
        }
    }

    for (std::size_t i = 0; i < tabelle.size() && errore.isEmpty(); ++i) {
        const Tabella& t = *tabelle[i].tabella;
        lxw_worksheet* ws = fogli[i];
        if (worksheet_insert_image(ws, 0, 0, logoLocale.constData()) != LXW_NO_ERROR) {
            errore = QStringLiteral("l'immagine %1 non è leggibile.").arg(NomeLogoExcel);
            break;
        }
        FormattaFoglio(ws, formati, t);
        if (tabelle[i].righe > 0 && progresso.inizioTabella)
            progresso.inizioTabella(tabelle[i].righe);
        lxw_row_t riga = 2;
        qint64 scritte = 0;
        auto scrivi = [&](const auto& r) {
            ScriviRiga(ws, formati, riga++, Celle(r));
            ++scritte;
            if (progresso.passo)
                progresso.passo();
        };
        if (&t == &FoglioChiuse) {
            errore = PercorriOperazioniChiuse(portafoglio, scrivi);
            esito.conteggi.OperazioniChiuse = scritte;
        } else if (&t == &FoglioEseguiti) {
            errore = PercorriEseguiti(portafoglio, OrdineEseguiti::PerId, scrivi);
            esito.conteggi.Eseguiti = scritte;
        } else {
            std::for_each(posizioni.righe.begin(), posizioni.righe.end(), scrivi);
            esito.conteggi.Portafoglio = scritte;
        }
    }
    if (errore.isEmpty() && !tabelle.empty())
        worksheet_activate(fogli.front());

    errno = 0;
    const lxw_error chiusura = workbook_close(wb);
    const int numero = errno;
    if (errore.isEmpty() && chiusura != LXW_NO_ERROR)
        errore = QStringLiteral("impossibile scrivere il file %1 (%2).").arg(percorso, MotivoXlsx(chiusura, numero));
    if (!errore.isEmpty())
        return fallito(errore);
    if (const Esito completo = uscita.completa(); !completo.ok())
        return fallito(completo.messaggio);
    return esito;
}
