#include "associazione_file.h"

namespace {

// The folder the association names, whatever folder the program runs from.
const QString CartellaAssociazione = QStringLiteral("C:\\Programmi\\Gavrel");

} // namespace

void ScriviAssociazione(ArchivioRegistro& archivio)
{
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\.Gvf"), QString(), QStringLiteral("Gavrel"));
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\.gvf"), QStringLiteral("Content Type"),
                  QStringLiteral("text/plain"));
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel"), QString(), QStringLiteral("Brunivox"));
    ScriviDword(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel"), QStringLiteral("EditFlags"), 0);
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel\\DefaultIcon"), QString(),
                  CartellaAssociazione + QStringLiteral("\\sync.ico"));
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel\\Shell"), QString(), QString());
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel\\Shell\\Open"), QString(), QString());
    ScriviStringa(archivio, HKEY_CLASSES_ROOT, QStringLiteral("\\Gavrel\\Shell\\Open\\command"), QString(),
                  CartellaAssociazione + QStringLiteral("\\Gavrel.exe %1"));
}

void RegistraAssociazioneFile(const QString& fileRegistro)
{
    ArchivioRegistro archivio(fileRegistro);
    if (!archivio.leggibile())
        return;
    ScriviAssociazione(archivio);
    if (archivio.modificato())
        (void)archivio.salva(); // a store we may not write: no association, no message
}
