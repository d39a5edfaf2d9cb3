// Brunivox: a trading journal for the private investor.
#include "avvio_programma.h"
#include "dialogo_file.h"
#include "frm_eseguiti.h"
#include "messaggi.h"
#include "stato_applicazione.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brunivox"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    StatoApplicazione stato;
    MessaggiQt messaggi;
    DialogoFileQt dialoghi;
    auto principale = AvviaProgramma(stato, QApplication::applicationDirPath(), messaggi, dialoghi);
    if (!principale)
        return 1;
    // Windows are registered before the main window is shown: showing it runs its load step.
    principale->registraFinestra(QStringLiteral("frmEseguiti"),
                                 [](ContestoFinestre& contesto) { return new frmEseguiti(contesto); });
    messaggi.impostaGenitore(principale.get());
    dialoghi.impostaGenitore(principale.get());
    principale->show();
    return app.exec();
}
