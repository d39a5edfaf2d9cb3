// New, open, open last and save as: which portfolio file is open.
#include "mdi_form1.h"

#include "blocco_file.h"
#include "contenuto_portafoglio.h"
#include "database.h"
#include "file_del_programma.h"
#include "file_portafoglio.h"
#include "file_utili.h"
#include "motore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>

namespace {

const QString Titolo = QStringLiteral("Brunivox");
const QString PrefissoTitolo = QStringLiteral("Brunivox - ");
const QString FiltroPortafogli = QStringLiteral("*.gvf|*.gvf");

} // namespace

QString MDIForm1::percorsoScratch() const
{
    return QDir(contesto_.stato.CartellaProgramma).filePath(NomeFileDataExe);
}

// The untitled portfolio is told by its file rather than by the caption, so that the
// scratch file opened by name is not emptied without the question either.
bool MDIForm1::scratchAperto() const
{
    const StatoApplicazione& stato = contesto_.stato;
    return stato.portafoglioAperto() && StessoFile(stato.PercorsoPortafoglio, percorsoScratch());
}

void MDIForm1::abilitaComandiPortafoglio()
{
    pulsante(5)->setEnabled(true);
    pulsante(6)->setEnabled(true);
    abilitaVoci({"mnu_Eseguiti", "mnu_ContoTitoli", "mnu_Salva", "mnu_Importa"}, true);
}

// Opens `percorso` as the portfolio. A file that is not a portfolio is refused with a
// message and the open portfolio stays as it was.
bool MDIForm1::apriFilePortafoglio(const QString& percorso)
{
    StatoApplicazione& stato = contesto_.stato;
    const QString precedente = stato.PercorsoPortafoglio;
    // The file already open keeps its lock; any other is locked before it is touched, so
    // that a portfolio open in another copy of the program is refused.
    std::shared_ptr<BloccoFile> blocco = stato.BloccoPortafoglio;
    if (precedente.isEmpty() || !blocco || !StessoFile(percorso, precedente)) {
        EsitoBlocco nuovo{nullptr, VerificaScrivibile(percorso)};
        if (nuovo.esito.ok())
            nuovo = BloccaPortafoglio(percorso);
        if (!nuovo.esito.ok()) {
            contesto_.messaggi.mostra(nuovo.esito.messaggio, Messaggi::Icona::Esclamazione);
            return false;
        }
        blocco = nuovo.blocco;
    }
    EsitoApertura apertura = ApriDatabase(ConnessionePortafoglio, percorso, TipoDatabase::Portafoglio);
    if (apertura.esito.ok()) {
        stato.DbPortafoglio = apertura.db;
        stato.BloccoPortafoglio = std::move(blocco);
        return true;
    }
    if (!precedente.isEmpty() && !stato.DbPortafoglio.isOpen())
        ripristinaPortafoglio(precedente, apertura.esito.messaggio);
    else
        contesto_.messaggi.mostra(apertura.esito.messaggio, Messaggi::Icona::Esclamazione);
    return false;
}

// Back to `precedente` after a failure that closed its connection; `motivo` says what failed.
void MDIForm1::ripristinaPortafoglio(const QString& precedente, const QString& motivo)
{
    StatoApplicazione& stato = contesto_.stato;
    EsitoApertura apertura = ApriDatabase(ConnessionePortafoglio, precedente, TipoDatabase::Portafoglio);
    if (apertura.esito.ok()) {
        stato.DbPortafoglio = apertura.db;
        contesto_.messaggi.mostra(
            QStringLiteral("%1\r\nIl portafoglio %2 resta aperto.").arg(motivo, QFileInfo(precedente).fileName()),
            Messaggi::Icona::Esclamazione);
        return;
    }
    // Nothing can be opened: back to the state before the first portfolio command.
    stato.DbPortafoglio = QSqlDatabase();
    stato.PercorsoPortafoglio.clear();
    stato.BloccoPortafoglio.reset();
    area_->closeAllSubWindows();
    statoSenzaPortafoglio();
    setWindowTitle(Titolo);
    contesto_.messaggi.mostra(QStringLiteral("%1\r\nNon è stato possibile riaprire il portafoglio %2: %3")
                                  .arg(motivo, QFileInfo(precedente).fileName(), apertura.esito.messaggio),
                              Messaggi::Icona::Critico);
}

// The engine's run on opening. A database error refuses the file: the previous portfolio
// (and its lock) is back, or none is open when there was none.
bool MDIForm1::ricalcolaAllApertura(const QString& precedente, std::shared_ptr<BloccoFile> bloccoPrecedente)
{
    StatoApplicazione& stato = contesto_.stato;
    // Any other message of this run would come again from the refresh's own run, which
    // follows whenever there are trades; it is shown once, there.
    const Esito ricalcolo = RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio);
    if (!ricalcolo.erroreDatabase())
        return true;
    const QString motivo = QStringLiteral("Impossibile aprire il portafoglio. %1").arg(ricalcolo.messaggio);
    stato.BloccoPortafoglio = std::move(bloccoPrecedente);
    if (!precedente.isEmpty()) {
        ripristinaPortafoglio(precedente, motivo);
    } else {
        ChiudiDatabase(ConnessionePortafoglio);
        stato.DbPortafoglio = QSqlDatabase();
        stato.BloccoPortafoglio.reset();
        contesto_.messaggi.mostra(motivo, Messaggi::Icona::Critico);
    }
    return false;
}

void MDIForm1::NuovoPortafoglio()
{
    StatoApplicazione& stato = contesto_.stato;
    // A scratch portfolio that cannot be counted is not asked about: the question could
    // only offer to save what cannot be read.
    const Lettura<long long> eseguiti = ContaEseguiti(stato.DbPortafoglio);
    if (scratchAperto() && eseguiti.ok() && eseguiti.righe.front() > 0
        && contesto_.messaggi.mostra(QStringLiteral("Salvare le modifiche al file ?"), Messaggi::Icona::Domanda,
                                     Messaggi::Pulsanti::SiNo)
               == Messaggi::Risposta::Si)
        SalvaConNome();

    const QString scratch = percorsoScratch();
    if (!apriFilePortafoglio(scratch))
        return;
    stato.PercorsoPortafoglio = scratch;
    setWindowTitle(PrefissoTitolo + QStringLiteral("Brunivox1"));
    if (const Esito svuotato = SvuotaPortafoglio(stato.DbPortafoglio); !svuotato.ok())
        contesto_.messaggi.mostra(svuotato.messaggio, Messaggi::Icona::Esclamazione);
    abilitaComandiPortafoglio();
    ControlloMenu();
    apriFinestra(QStringLiteral("frmEseguiti"));
}

void MDIForm1::ApriPortafoglio()
{
    StatoApplicazione& stato = contesto_.stato;
    const QString scelto = contesto_.dialoghi.apri(QStringLiteral("Apri DataSet"), FiltroPortafogli);
    if (scelto.isEmpty())
        return;
    if (!EsisteFile(scelto)) {
        contesto_.messaggi.mostra(QStringLiteral("non esiste"));
        return;
    }
    const QString precedente = stato.PercorsoPortafoglio;
    std::shared_ptr<BloccoFile> bloccoPrecedente = stato.BloccoPortafoglio;
    if (!apriFilePortafoglio(scelto) || !ricalcolaAllApertura(precedente, bloccoPrecedente))
        return;
    abilitaComandiPortafoglio();
    stato.PercorsoPortafoglio = scelto;
    setWindowTitle(PrefissoTitolo + QFileInfo(scelto).fileName());
    ricordaUltimo(scelto);
    ControlloMenu();
    apriFinestra(QStringLiteral("frmEseguiti"));
}

void MDIForm1::ApriUltimoPortafoglio()
{
    StatoApplicazione& stato = contesto_.stato;
    const QString ultimo = LeggiApriUltimo(stato.DbDataSet);
    if (ultimo == QLatin1String("0")) {
        NuovoPortafoglio();
        return;
    }
    if (const Esito rifiutato = UltimoFileRifiutato(ultimo, stato.CartellaProgramma); !rifiutato.ok()) {
        contesto_.messaggi.mostra(rifiutato.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }
    if (!EsisteFile(ultimo)) {
        contesto_.messaggi.mostra(QStringLiteral("il file: ") + ultimo + QStringLiteral("non esiste"));
        return;
    }
    const QString precedente = stato.PercorsoPortafoglio;
    std::shared_ptr<BloccoFile> bloccoPrecedente = stato.BloccoPortafoglio;
    if (!apriFilePortafoglio(ultimo) || !ricalcolaAllApertura(precedente, bloccoPrecedente))
        return;
    abilitaComandiPortafoglio();
    stato.PercorsoPortafoglio = ultimo;
    setWindowTitle(PrefissoTitolo + ultimo);
    ControlloMenu();
    apriFinestra(QStringLiteral("frmEseguiti"));
}

// Copies the open portfolio to `destinazione` and continues in the copy. On failure the
// previous portfolio is open again and the user is told.
bool MDIForm1::copiaEContinua(const QString& destinazione)
{
    StatoApplicazione& stato = contesto_.stato;
    const QString precedente = stato.PercorsoPortafoglio;
    // A snapshot through SQLite: a copy of the bytes taken while the file is written is torn.
    if (const Esito copia = CopiaDatabaseSicura(stato.DbPortafoglio, destinazione); !copia.ok()) {
        contesto_.messaggi.mostra(QStringLiteral("Salvataggio non riuscito. ") + copia.messaggio,
                                  Messaggi::Icona::Esclamazione);
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

Esito MDIForm1::destinazioneRifiutata(const QString& scelto) const
{
    return FileDelProgrammaRifiutato(scelto, contesto_.stato.CartellaProgramma);
}

// The last-file setting only spares a search at the next start: the file is open and its
// command done whether or not the setting could be written, so a failure is not shown.
void MDIForm1::ricordaUltimo(const QString& percorso)
{
    static_cast<void>(ScriviApriUltimo(contesto_.stato.DbDataSet, percorso));
}

void MDIForm1::SalvaConNome()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    QString scelto = contesto_.dialoghi.salva(QStringLiteral("Salva con nome"), FiltroPortafogli);
    if (scelto.isEmpty())
        return;
    // Without an extension the Open dialog, which shows *.gvf, would not find the file.
    if (QFileInfo(scelto).suffix().isEmpty())
        scelto += QStringLiteral(".gvf");
    if (const Esito rifiuto = destinazioneRifiutata(scelto); !rifiuto.ok()) {
        contesto_.messaggi.mostra(rifiuto.messaggio, Messaggi::Icona::Esclamazione);
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
            contesto_.messaggi.mostra(QStringLiteral("Salvataggio non riuscito. ") + blocco.esito.messaggio,
                                      Messaggi::Icona::Esclamazione);
            return;
        }
    }
    if (EsisteFile(scelto)
        && contesto_.messaggi.mostra(QStringLiteral("Il file ") + scelto + QStringLiteral("  esiste già!\r\n")
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
            contesto_.messaggi.mostra(contenuto.messaggio, Messaggi::Icona::Esclamazione);
        stato.PercorsoPortafoglio = scelto;
        setWindowTitle(PrefissoTitolo + QFileInfo(scelto).fileName());
        ricordaUltimo(scelto);
    }
    ControlloMenu();
}
