// New, open, open last and save as: which portfolio file is open.
#include "mdi_form1.h"

#include "contenuto_portafoglio.h"
#include "database.h"
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

// Two spellings of one file (a link, "..") are the same file.
bool StessoFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

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
    EsitoApertura esito = ApriDatabase(ConnessionePortafoglio, percorso, TipoDatabase::Portafoglio);
    if (esito.errore.isEmpty()) {
        stato.DbPortafoglio = esito.db;
        return true;
    }
    if (!precedente.isEmpty() && !stato.DbPortafoglio.isOpen())
        ripristinaPortafoglio(precedente, esito.errore);
    else
        contesto_.messaggi.mostra(esito.errore, Messaggi::Icona::Esclamazione);
    return false;
}

// Back to `precedente` after a failure that closed its connection; `motivo` says what failed.
void MDIForm1::ripristinaPortafoglio(const QString& precedente, const QString& motivo)
{
    StatoApplicazione& stato = contesto_.stato;
    EsitoApertura esito = ApriDatabase(ConnessionePortafoglio, precedente, TipoDatabase::Portafoglio);
    if (esito.errore.isEmpty()) {
        stato.DbPortafoglio = esito.db;
        contesto_.messaggi.mostra(
            QStringLiteral("%1\r\nIl portafoglio %2 resta aperto.").arg(motivo, QFileInfo(precedente).fileName()),
            Messaggi::Icona::Esclamazione);
        return;
    }
    // Nothing can be opened: back to the state before the first portfolio command.
    stato.DbPortafoglio = QSqlDatabase();
    stato.PercorsoPortafoglio.clear();
    area_->closeAllSubWindows();
    statoSenzaPortafoglio();
    setWindowTitle(Titolo);
    contesto_.messaggi.mostra(QStringLiteral("%1\r\nNon e' stato possibile riaprire il portafoglio %2: %3")
                                  .arg(motivo, QFileInfo(precedente).fileName(), esito.errore),
                              Messaggi::Icona::Critico);
}

void MDIForm1::NuovoPortafoglio()
{
    StatoApplicazione& stato = contesto_.stato;
    if (scratchAperto() && ContaEseguiti(stato.DbPortafoglio).value_or(0) > 0
        && contesto_.messaggi.mostra(QStringLiteral("Salvare le modifiche al file ?"), Messaggi::Icona::Domanda,
                                     Messaggi::Pulsanti::SiNo)
               == Messaggi::Risposta::Si)
        SalvaConNome();

    const QString scratch = percorsoScratch();
    if (!apriFilePortafoglio(scratch))
        return;
    stato.PercorsoPortafoglio = scratch;
    setWindowTitle(PrefissoTitolo + QStringLiteral("Brunivox1"));
    const QString errore = SvuotaPortafoglio(stato.DbPortafoglio);
    if (!errore.isEmpty())
        contesto_.messaggi.mostra(errore, Messaggi::Icona::Esclamazione);
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
    if (!apriFilePortafoglio(scelto))
        return;
    abilitaComandiPortafoglio();
    stato.PercorsoPortafoglio = scelto;
    setWindowTitle(PrefissoTitolo + QFileInfo(scelto).fileName());
    ScriviApriUltimo(stato.DbDataSet, scelto);
    // A message of this run would come again from the refresh's own run, which follows
    // whenever there are trades; it is shown once, there.
    RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio);
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
    if (!EsisteFile(ultimo)) {
        contesto_.messaggi.mostra(QStringLiteral("il file: ") + ultimo + QStringLiteral("non esiste"));
        return;
    }
    if (!apriFilePortafoglio(ultimo))
        return;
    abilitaComandiPortafoglio();
    stato.PercorsoPortafoglio = ultimo;
    setWindowTitle(PrefissoTitolo + ultimo);
    RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio);
    ControlloMenu();
    apriFinestra(QStringLiteral("frmEseguiti"));
}

// Copies the open portfolio to `destinazione` and continues in the copy. On failure the
// previous portfolio is open again and the user is told.
bool MDIForm1::copiaEContinua(const QString& destinazione)
{
    StatoApplicazione& stato = contesto_.stato;
    const QString precedente = stato.PercorsoPortafoglio;
    // Closed first, so that the file on disk is complete and nothing writes to it meanwhile.
    stato.DbPortafoglio.close();
    QString errore = CopiaFileSicura(precedente, destinazione);
    if (errore.isEmpty()) {
        EsitoApertura esito = ApriDatabase(ConnessionePortafoglio, destinazione, TipoDatabase::Portafoglio);
        if (esito.errore.isEmpty())
            stato.DbPortafoglio = esito.db;
        else
            errore = esito.errore;
    }
    if (!errore.isEmpty()) {
        ripristinaPortafoglio(precedente, QStringLiteral("Salvataggio non riuscito. ") + errore);
        return false;
    }
    return true;
}

void MDIForm1::SalvaConNome()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const QString scelto = contesto_.dialoghi.salva(QStringLiteral("Salva con nome"), FiltroPortafogli);
    if (scelto.isEmpty())
        return;
    if (EsisteFile(scelto)
        && contesto_.messaggi.mostra(QStringLiteral("Il file ") + scelto + QStringLiteral("  esiste già!\r\n")
                                         + QStringLiteral("sostituire il file?"),
                                     Messaggi::Icona::Informazione, Messaggi::Pulsanti::SiNo)
               == Messaggi::Risposta::No)
        return;
    if (!StessoFile(scelto, stato.PercorsoPortafoglio)) {
        if (!copiaEContinua(scelto))
            return;
        stato.PercorsoPortafoglio = scelto;
        setWindowTitle(PrefissoTitolo + QFileInfo(scelto).fileName());
        ScriviApriUltimo(stato.DbDataSet, scelto);
    }
    ControlloMenu();
}
