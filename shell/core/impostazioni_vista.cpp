#include "impostazioni_vista.h"

#include "tabella_settaggi.h"

std::optional<ImpostazioniVista> LeggiImpostazioniVista(const QSqlDatabase& dataset)
{
    if (!dataset.isOpen())
        return std::nullopt;
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    if (!settaggi.ok() || settaggi.righe.empty())
        return std::nullopt;
    const RigaSettaggi& r = settaggi.righe.front();
    return ImpostazioniVista{r.Tip, r.Benvenuto, r.Clock, r.Menu, r.Icone32, r.IconeName, r.ApriUltimo};
}
