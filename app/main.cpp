// Brunivox: a trading journal for the private investor.
#include "avvio_programma.h"
#include "dialogo_file_qt.h"
#include "messaggi_qt.h"
#include "stato_applicazione.h"
#include "tabella_finestre.h"

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
    // Before the main window is shown: showing it runs its load step, which opens windows.
    principale->impostaTabella(FinestreDelProgramma());
    messaggi.impostaGenitore(principale.get());
    dialoghi.impostaGenitore(principale.get());
    // The load step runs before the window is shown: a splash left without the password ends here.
    principale->Carica();
    if (stato.AvvioInterrotto)
        return 0;
    principale->show();
    return app.exec();
}
