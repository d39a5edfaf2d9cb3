#include "sessione_portafoglio.h"

#include "blocco_file.h"
#include "contenuto_portafoglio.h"
#include "database.h"
#include "file_del_programma.h"
#include "file_portafoglio.h"
#include "file_utili.h"
#include "scrittura_accanto.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Titolo = QStringLiteral("Brunivox");
const QString PrefissoTitolo = QStringLiteral("Brunivox - ");
const QString FiltroPortafogli = QStringLiteral("*.gvf|*.gvf");

} // namespace

SessionePortafoglio::SessionePortafoglio(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi,
                                         VistaSessione& vista)
    : stato_(stato), messaggi_(messaggi), dialoghi_(dialoghi), vista_(vista)
{
}

QString SessionePortafoglio::percorsoScratch() const
{
    return QDir(stato_.CartellaProgramma).filePath(NomeFileDataExe);
}

// The untitled portfolio is told by its file rather than by the caption, so that the
// scratch file opened by name is not emptied without the question either.
bool SessionePortafoglio::scratchAperto() const
{
    const StatoApplicazione& stato = stato_;
    return stato.portafoglioAperto() && StessoFile(stato.PercorsoPortafoglio, percorsoScratch());
}

// Opens `percorso` as the portfolio. A file that is not a portfolio is refused with a
// message and the open portfolio stays as it was.
bool SessionePortafoglio::apriFilePortafoglio(const QString& percorso)
{
    StatoApplicazione& stato = stato_;
    const QString precedente = stato.PercorsoPortafoglio;
    // The file already open keeps its lock; any other is locked before it is touched, so
    // that a portfolio open in another copy of the program is refused.
    std::shared_ptr<BloccoFile> blocco = stato.BloccoPortafoglio;
    if (precedente.isEmpty() || !blocco || !StessoFile(percorso, precedente)) {
        EsitoBlocco nuovo{nullptr, VerificaScrivibile(percorso)};
        if (nuovo.esito.ok())
            nuovo = BloccaPortafoglio(percorso);
        if (!nuovo.esito.ok()) {
            messaggi_.mostra(nuovo.esito.messaggio, Messaggi::Icona::Esclamazione);
            return false;
        }
        blocco = nuovo.blocco;
    }
    EsitoApertura apertura = ApriDatabase(ConnessionePortafoglio, percorso, TipoDatabase::Portafoglio);
    if (apertura.esito.ok()) {
        stato.DbPortafoglio = apertura.db;
        stato.BloccoPortafoglio = std::move(blocco);
        // What a copy killed while saving or exporting beside the portfolio left there.
        RimuoviAvanzi(QFileInfo(PercorsoReale(percorso)).absolutePath());
        return true;
    }
    if (!precedente.isEmpty() && !stato.DbPortafoglio.isOpen())
        ripristinaPortafoglio(precedente, apertura.esito.messaggio);
    else
        messaggi_.mostra(apertura.esito.messaggio, Messaggi::Icona::Esclamazione);
    return false;
}

// Back to `precedente` after a failure that closed its connection; `motivo` says what failed.
void SessionePortafoglio::ripristinaPortafoglio(const QString& precedente, const QString& motivo)
{
    StatoApplicazione& stato = stato_;
    EsitoApertura apertura = ApriDatabase(ConnessionePortafoglio, precedente, TipoDatabase::Portafoglio);
    if (apertura.esito.ok()) {
        stato.DbPortafoglio = apertura.db;
        messaggi_.mostra(
            QStringLiteral("%1\r\nIl portafoglio %2 resta aperto.").arg(motivo, QFileInfo(precedente).fileName()),
            Messaggi::Icona::Esclamazione);
        return;
    }
    // Nothing can be opened: back to the state before the first portfolio command.
    stato.DbPortafoglio = QSqlDatabase();
    stato.PercorsoPortafoglio.clear();
    stato.BloccoPortafoglio.reset();
    vista_.nessunPortafoglio();
    vista_.titolo(Titolo);
    messaggi_.mostra(QStringLiteral("%1\r\nNon è stato possibile riaprire il portafoglio %2: %3")
                         .arg(motivo, QFileInfo(precedente).fileName(), apertura.esito.messaggio),
                     Messaggi::Icona::Critico);
}

// The engine's run on opening. A database error refuses the file: the previous portfolio
// (and its lock) is back, or none is open when there was none.
std::optional<RicalcoloFatto> SessionePortafoglio::ricalcolaAllApertura(const QString& precedente,
                                                                        std::shared_ptr<BloccoFile> bloccoPrecedente)
{
    StatoApplicazione& stato = stato_;
    // Any other message of this run is the refresh's to show: it follows whenever there are
    // trades, and takes this run's outcome instead of running again.
    RicalcoloFatto fatto = RicalcolaERicorda(stato.DbDataSet, stato.DbPortafoglio);
    if (!fatto.esito.erroreDatabase())
        return fatto;
    const QString motivo = QStringLiteral("Impossibile aprire il portafoglio. %1").arg(fatto.esito.messaggio);
    stato.BloccoPortafoglio = std::move(bloccoPrecedente);
    if (!precedente.isEmpty()) {
        ripristinaPortafoglio(precedente, motivo);
    } else {
        ChiudiDatabase(ConnessionePortafoglio);
        stato.DbPortafoglio = QSqlDatabase();
        stato.BloccoPortafoglio.reset();
        messaggi_.mostra(motivo, Messaggi::Icona::Critico);
    }
    return std::nullopt;
}

void SessionePortafoglio::NuovoPortafoglio()
{
    StatoApplicazione& stato = stato_;
    // A scratch portfolio that cannot be counted is not asked about: the question could
    // only offer to save what cannot be read.
    const Lettura<long long> eseguiti = ContaEseguiti(stato.DbPortafoglio);
    if (scratchAperto() && eseguiti.ok() && eseguiti.righe.front() > 0
        && messaggi_.mostra(QStringLiteral("Salvare le modifiche al file ?"), Messaggi::Icona::Domanda,
                            Messaggi::Pulsanti::SiNo)
            == Messaggi::Risposta::Si)
        SalvaConNome();

    const QString scratch = percorsoScratch();
    if (!apriFilePortafoglio(scratch))
        return;
    stato.PercorsoPortafoglio = scratch;
    vista_.titolo(PrefissoTitolo + QStringLiteral("Brunivox1"));
    if (const Esito svuotato = SvuotaPortafoglio(stato.DbPortafoglio); !svuotato.ok())
        messaggi_.mostra(svuotato.messaggio, Messaggi::Icona::Esclamazione);
    vista_.portafoglioAperto();
    vista_.aggiorna(std::nullopt);
    vista_.mostraEseguiti();
}

void SessionePortafoglio::ApriPortafoglio()
{
    StatoApplicazione& stato = stato_;
    const QString scelto = dialoghi_.apri(QStringLiteral("Apri DataSet"), FiltroPortafogli);
    if (scelto.isEmpty())
        return;
    if (!EsisteFile(scelto)) {
        messaggi_.mostra(QStringLiteral("non esiste"));
        return;
    }
    const QString precedente = stato.PercorsoPortafoglio;
    std::shared_ptr<BloccoFile> bloccoPrecedente = stato.BloccoPortafoglio;
    if (!apriFilePortafoglio(scelto))
        return;
    std::optional<RicalcoloFatto> fatto = ricalcolaAllApertura(precedente, bloccoPrecedente);
    if (!fatto)
        return;
    vista_.portafoglioAperto();
    stato.PercorsoPortafoglio = scelto;
    vista_.titolo(PrefissoTitolo + QFileInfo(scelto).fileName());
    ricordaUltimo(scelto, &fatto);
    vista_.aggiorna(fatto);
    vista_.mostraEseguiti();
}

void SessionePortafoglio::ApriUltimoPortafoglio()
{
    StatoApplicazione& stato = stato_;
    const QString ultimo = LeggiApriUltimo(stato.DbDataSet);
    if (ultimo == QLatin1String("0")) {
        NuovoPortafoglio();
        return;
    }
    if (const Esito rifiutato = UltimoFileRifiutato(ultimo, stato.CartellaProgramma); !rifiutato.ok()) {
        messaggi_.mostra(rifiutato.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }
    if (!EsisteFile(ultimo)) {
        messaggi_.mostra(QStringLiteral("il file: ") + ultimo + QStringLiteral("non esiste"));
        return;
    }
    const QString precedente = stato.PercorsoPortafoglio;
    std::shared_ptr<BloccoFile> bloccoPrecedente = stato.BloccoPortafoglio;
    if (!apriFilePortafoglio(ultimo))
        return;
    const std::optional<RicalcoloFatto> fatto = ricalcolaAllApertura(precedente, bloccoPrecedente);
    if (!fatto)
        return;
    vista_.portafoglioAperto();
    stato.PercorsoPortafoglio = ultimo;
    vista_.titolo(PrefissoTitolo + ultimo);
    vista_.aggiorna(fatto);
    vista_.mostraEseguiti();
}

// Copies the open portfolio to `destinazione` and continues in the copy. On failure the
// previous portfolio is open again and the user is told.
bool SessionePortafoglio::copiaEContinua(const QString& destinazione)
{
    StatoApplicazione& stato = stato_;
    const QString precedente = stato.PercorsoPortafoglio;
    // A snapshot through SQLite: a copy of the bytes taken while the file is written is torn.
    if (const Esito copia = CopiaDatabaseSicura(stato.DbPortafoglio, destinazione); !copia.ok()) {
        messaggi_.mostra(QStringLiteral("Salvataggio non riuscito. ") + copia.messaggio, Messaggi::Icona::Esclamazione);
        return false;
    }
    EsitoApertura apertura = ApriDatabase(ConnessionePortafoglio, destinazione, TipoDatabase::Portafoglio);
    if (!apertura.esito.ok()) {
        ripristinaPortafoglio(precedente, QStringLiteral("Salvataggio non riuscito. ") + apertura.esito.messaggio);
        return false;
    }
    stato.DbPortafoglio = apertura.db;
    return true;
}

// The last-file setting only spares a search at the next start: the file is open and its
// command done whether or not the setting could be written, so a failure is not shown.
// The engine reads nothing of it, so a run `fatto` made just before stays good for the refresh.
void SessionePortafoglio::ricordaUltimo(const QString& percorso, std::optional<RicalcoloFatto>* fatto)
{
    const bool valeva = fatto && *fatto && (*fatto)->dataset == ImprontaDi(stato_.DbDataSet);
    static_cast<void>(ScriviApriUltimo(stato_.DbDataSet, percorso));
    if (valeva)
        (*fatto)->dataset = ImprontaDi(stato_.DbDataSet);
}

void SessionePortafoglio::SalvaConNome()
{
    StatoApplicazione& stato = stato_;
    if (!stato.portafoglioAperto())
        return;
    QString scelto = dialoghi_.salva(QStringLiteral("Salva con nome"), FiltroPortafogli);
    if (scelto.isEmpty())
        return;
    // Without an extension the Open dialog, which shows *.gvf, would not find the file.
    if (QFileInfo(scelto).suffix().isEmpty())
        scelto += QStringLiteral(".gvf");
    if (const Esito rifiuto = FileDelProgrammaRifiutato(scelto, stato_.CartellaProgramma); !rifiuto.ok()) {
        messaggi_.mostra(rifiuto.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }
    const bool stesso = StessoFile(scelto, stato.PercorsoPortafoglio);
    EsitoBlocco blocco;
    if (!stesso) {
        // A file open in another copy of the program is refused by its lock, before the
        // overwrite question, which would offer what cannot be done.
        blocco.esito = VerificaScrivibile(scelto);
        if (blocco.esito.ok())
            blocco = BloccaPortafoglio(scelto);
        if (!blocco.esito.ok()) {
            messaggi_.mostra(QStringLiteral("Salvataggio non riuscito. ") + blocco.esito.messaggio,
                             Messaggi::Icona::Esclamazione);
            return;
        }
    }
    if (EsisteFile(scelto)
        && messaggi_.mostra(QStringLiteral("Il file ") + scelto + QStringLiteral("  esiste già!\r\n")
                                + QStringLiteral("sostituire il file?"),
                            Messaggi::Icona::Informazione, Messaggi::Pulsanti::SiNo)
            == Messaggi::Risposta::No)
        return;
    if (!stesso) {
        if (!copiaEContinua(scelto))
            return;
        stato.BloccoPortafoglio = std::move(blocco.blocco);
        // The copy is a new file in place of whatever bore the name: its content is locked anew.
        if (const Esito contenuto = stato.BloccoPortafoglio->bloccaContenuto(); !contenuto.ok())
            messaggi_.mostra(contenuto.messaggio, Messaggi::Icona::Esclamazione);
        stato.PercorsoPortafoglio = scelto;
        vista_.titolo(PrefissoTitolo + QFileInfo(scelto).fileName());
        ricordaUltimo(scelto);
    }
    vista_.aggiorna(std::nullopt);
}
