#pragma once
// Which portfolio file is open: new, open, open last and save as, each file locked while it
// is open, the way back to the previous file when another cannot be used, and the engine's
// run on opening. No window: what the main window shows of the session, it is told through
// VistaSessione, so tests drive the session on its own.
#include "dialogo_file.h"
#include "esito.h"
#include "messaggi.h"
#include "ricalcolo_fatto.h"
#include "stato_applicazione.h"

#include <QString>

#include <memory>
#include <optional>

class BloccoFile;

// What the session asks of the window that shows it.
class VistaSessione {
public:
    virtual ~VistaSessione() = default;
    // The caption that names the open portfolio.
    virtual void titolo(const QString& testo) = 0;
    // A portfolio is open: the commands that work on one are enabled.
    virtual void portafoglioAperto() = 0;
    // No portfolio is open any more: its windows close and the commands are as at start-up.
    virtual void nessunPortafoglio() = 0;
    // The refresh; `fatto` is the engine's run the opening has just made, when there was one.
    virtual void aggiorna(const std::optional<RicalcoloFatto>& fatto) = 0;
    virtual void mostraEseguiti() = 0;
};

class SessionePortafoglio {
public:
    SessionePortafoglio(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, VistaSessione& vista);

    void NuovoPortafoglio();
    void ApriPortafoglio();
    void ApriUltimoPortafoglio();
    void SalvaConNome();

private:
    QString percorsoScratch() const;
    bool scratchAperto() const;
    bool apriFilePortafoglio(const QString& percorso);
    std::optional<RicalcoloFatto> ricalcolaAllApertura(const QString& precedente,
                                                       std::shared_ptr<BloccoFile> bloccoPrecedente);
    void ripristinaPortafoglio(const QString& precedente, const QString& motivo);
    bool copiaEContinua(const QString& destinazione);
    void ricordaUltimo(const QString& percorso, std::optional<RicalcoloFatto>* fatto = nullptr);

    StatoApplicazione& stato_;
    Messaggi& messaggi_;
    DialogoFile& dialoghi_;
    VistaSessione& vista_;
};
