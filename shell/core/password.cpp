#include "password.h"

#include "cifra_stringa.h"
#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

Lettura<QString> LeggiPwd(const QSqlDatabase& dataset)
{
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    Lettura<QString> lettura;
    if (!settaggi.ok())
        lettura.errore = QStringLiteral("Impossibile leggere la password: ") + settaggi.errore;
    else if (settaggi.righe.empty())
        lettura.errore = QStringLiteral("Impossibile leggere la password: la tabella Settaggi è vuota.");
    else
        lettura.righe.push_back(settaggi.righe.front().Pwd);
    return lettura;
}

QString PasswordInChiaro(const QString& cifrata)
{
    return CifraStringa(QStringLiteral("D"), ChiavePassword, cifrata);
}

std::optional<QChar> CarattereNonAmmesso(const QString& password)
{
    for (QChar c : password)
        if (c.unicode() > 0xFF || c.category() == QChar::Other_Control)
            return c;
    return std::nullopt;
}

std::optional<QString> CifraPassword(const QString& password)
{
    if (CarattereNonAmmesso(password))
        return std::nullopt;
    // One character in about 255 (code 255 after a value of 255) comes back as another: a new
    // random first value moves the chain, so a few tries always find a text that reads back.
    for (int tentativo = 0; tentativo < 64; ++tentativo) {
        const QString cifrata = CifraStringa(QStringLiteral("E"), ChiavePassword, password);
        if (PasswordInChiaro(cifrata) == password)
            return cifrata;
    }
    return std::nullopt;
}

Esito ScriviPwd(const QSqlDatabase& dataset, const QString& cifrata)
{
    const QString errore = ScriviRigaSettaggi(dataset, {{CampoSettaggi::Pwd, cifrata}});
    if (!errore.isEmpty())
        return Esito::erroreDatabase(QStringLiteral("Impossibile salvare la password: ") + errore);
    return Esito::accettato();
}
