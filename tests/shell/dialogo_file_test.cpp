#include "dialogo_file_qt.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString FiltroTipi = QStringLiteral("Excell (.xls)|*.xls|Acces (.mdb)|*.mdb|Testo (.csv)|*.csv");

// The real save dialog, answered from inside its own loop as the user would: the type
// picked in its combo and a name typed without extension.
SceltaFile Scegli(const QTemporaryDir& dir, int tipo, const QString& nome)
{
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        dialogo->setDirectory(dir.path());
        if (tipo >= 0) {
            auto* tipi = dialogo->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(tipi, nullptr);
            tipi->setCurrentIndex(tipo);
            Q_EMIT tipi->activated(tipo);
            Q_EMIT tipi->textActivated(tipi->itemText(tipo));
        }
        dialogo->selectFile(nome);
        QMetaObject::invokeMethod(dialogo, "accept");
    });
    DialogoFileQt dialoghi;
    return dialoghi.salvaConFiltro(QStringLiteral("Esporta i dati in xls"), FiltroTipi);
}

TEST(DialogoFileQt, SalvaConFiltroDiceIlTipoScelto)
{
    QTemporaryDir dir;
    struct Caso {
        const char* nome;
        int tipo; // index in the combo; -1 leaves the first
        QString digitato;
        int filtro;
        QString file;
    };
    const Caso casi[] = {
        {"primo tipo lasciato", -1, "uscita", 1, "uscita.xls"},
        {"testo scelto", 2, "uscita", 3, "uscita.csv"},
        {"copia scelta, estensione di un altro tipo", 1, "uscita.xls", 2, "uscita.xls"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const SceltaFile scelta = Scegli(dir, c.tipo, c.digitato);
        EXPECT_EQ(scelta.filtro, c.filtro);
        EXPECT_EQ(scelta.percorso, dir.filePath(c.file)) << scelta.percorso.toStdString();
    }
}

// The dialog is shown, a name typed and a type picked, then cancelled: nothing is chosen.
TEST(DialogoFileQt, AnnullaNonSceglieNiente)
{
    QTemporaryDir dir;
    bool mostrato = false;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        mostrato = true;
        EXPECT_EQ(dialogo->windowTitle(), "Esporta i dati in xls");
        dialogo->setDirectory(dir.path());
        dialogo->selectNameFilter(dialogo->nameFilters().at(2));
        dialogo->selectFile(QStringLiteral("uscita"));
        QMetaObject::invokeMethod(dialogo, "reject");
    });
    DialogoFileQt dialoghi;
    const SceltaFile scelta = dialoghi.salvaConFiltro(QStringLiteral("Esporta i dati in xls"), FiltroTipi);
    EXPECT_TRUE(mostrato) << "no dialog was shown";
    EXPECT_TRUE(scelta.percorso.isEmpty()) << scelta.percorso.toStdString();
}

} // namespace
