#include "associazione_file.h"
#include "registro.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray Contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dati);
}

struct Atteso {
    const char* percorso;
    const char* nome;
    ArchivioRegistro::Tipo tipo;
    const char* testo;
};

// The eight values of the association, as they must read back.
const Atteso Associazione[] = {
    {"\\.gvf", "", ArchivioRegistro::Tipo::Stringa, "Gavrel"},
    {"\\.gvf", "Content Type", ArchivioRegistro::Tipo::Stringa, "text/plain"},
    {"\\Gavrel", "", ArchivioRegistro::Tipo::Stringa, "Brunivox"},
    {"\\Gavrel", "EditFlags", ArchivioRegistro::Tipo::Dword, nullptr},
    {"\\Gavrel\\DefaultIcon", "", ArchivioRegistro::Tipo::Stringa, "C:\\Programmi\\Gavrel\\sync.ico"},
    {"\\Gavrel\\Shell", "", ArchivioRegistro::Tipo::Stringa, ""},
    {"\\Gavrel\\Shell\\Open", "", ArchivioRegistro::Tipo::Stringa, ""},
    {"\\Gavrel\\Shell\\Open\\command", "", ArchivioRegistro::Tipo::Stringa, "C:\\Programmi\\Gavrel\\Gavrel.exe %1"},
};

} // namespace

TEST(Registro, TheAssociationWrittenTwiceLeavesEightTypedValuesInSixKeys)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("cfg/Brunivox/registro.reg");
    RegistraAssociazioneFile(file);
    const QByteArray prima = Contenuto(file);
    ASSERT_FALSE(prima.isEmpty());
    RegistraAssociazioneFile(file);
    EXPECT_EQ(Contenuto(file), prima);

    const ArchivioRegistro archivio(file);
    ASSERT_TRUE(archivio.leggibile());
    EXPECT_EQ(archivio.numeroChiavi(), 6);
    for (const Atteso& a : Associazione) {
        SCOPED_TRACE(std::string(a.percorso) + " " + a.nome);
        const auto v = archivio.valore(HKEY_CLASSES_ROOT, QString::fromUtf8(a.percorso), QString::fromUtf8(a.nome));
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->tipo, a.tipo);
        if (a.testo)
            EXPECT_EQ(v->testo, QString::fromUtf8(a.testo));
        else
            EXPECT_EQ(v->numero, 0u);
    }
    // The extension key keeps the spelling it was created with; the number is stored as one.
    EXPECT_TRUE(prima.contains("[HKEY_CLASSES_ROOT\\.Gvf]\n@=\"Gavrel\"\n\"Content Type\"=\"text/plain\"\n"));
    EXPECT_TRUE(prima.contains("\"EditFlags\"=dword:00000000\n"));
    EXPECT_TRUE(prima.contains("[HKEY_CLASSES_ROOT\\Gavrel\\Shell]\n@=\"\"\n"));
    EXPECT_TRUE(prima.contains("@=\"C:\\\\Programmi\\\\Gavrel\\\\Gavrel.exe %1\"\n"));
    // Nothing else lands under another root.
    EXPECT_FALSE(archivio.valore(HKEY_LOCAL_MACHINE, "\\Gavrel", "").has_value());
}

TEST(Registro, KeysAndNamesIgnoreCaseAndSeparators)
{
    ArchivioRegistro a;
    ScriviStringa(a, HKEY_CLASSES_ROOT, "\\.Gvf", "", "Gavrel");
    ScriviStringa(a, HKEY_CLASSES_ROOT, ".GVF\\", "content type", "text/plain");
    EXPECT_EQ(a.numeroChiavi(), 1);
    const struct {
        const char* percorso;
        const char* nome;
        const char* atteso;
    } casi[] = {
        {"\\.gvf", "", "Gavrel"},
        {".gVf", "", "Gavrel"},
        {"\\\\.GVF", "Content Type", "text/plain"},
        {".gvf", "CONTENT TYPE", "text/plain"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.percorso) + "|" + c.nome);
        EXPECT_EQ(LeggiStringa(a, HKEY_CLASSES_ROOT, c.percorso, c.nome), std::optional<QString>(c.atteso));
    }
    // Setting a value under another spelling changes it and keeps one value.
    ScriviStringa(a, HKEY_CLASSES_ROOT, ".gvf", "CONTENT TYPE", "application/x-gvf");
    EXPECT_EQ(LeggiStringa(a, HKEY_CLASSES_ROOT, ".Gvf", "Content Type"), std::optional<QString>("application/x-gvf"));
    // Roots are not mixed up.
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, ".gvf", ""), std::nullopt);
}

TEST(Registro, ReadersByType)
{
    ArchivioRegistro a;
    ScriviStringa(a, HKEY_LOCAL_MACHINE, "K", "testo", "abc");
    ScriviStringa(a, HKEY_LOCAL_MACHINE, "K", "vuoto", "");
    ScriviDword(a, HKEY_LOCAL_MACHINE, "K", "zero", 0);
    ScriviDword(a, HKEY_LOCAL_MACHINE, "K", "grande", 0xABCDEF01u);
    ArchivioRegistro::Valore binario;
    binario.nome = "binario";
    binario.tipo = ArchivioRegistro::Tipo::Altro;
    binario.dati = QByteArray("\x01\x02", 2);
    a.imposta(HKEY_LOCAL_MACHINE, "K", binario);

    // LeggiStringa: text only; a number is not text, and a missing value is nothing.
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "K", "testo"), std::optional<QString>("abc"));
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "K", "vuoto"), std::optional<QString>(""));
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "K", "zero"), std::nullopt);
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "K", "binario"), std::nullopt);
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "K", "manca"), std::nullopt);
    EXPECT_EQ(LeggiStringa(a, HKEY_LOCAL_MACHINE, "Manca", "testo"), std::nullopt);

    // LeggiValoreChiave: a number as "&h" and its hexadecimal digits; another type leaves the
    // caller's text alone; a missing value empties it.
    const struct {
        const char* nome;
        bool ok;
        const char* atteso;
    } casi[] = {
        {"testo", true, "abc"},         {"vuoto", true, ""},        {"zero", true, "&h0"},
        {"grande", true, "&hABCDEF01"}, {"binario", true, "prima"}, {"manca", false, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        QString valore = "prima";
        EXPECT_EQ(LeggiValoreChiave(a, HKEY_LOCAL_MACHINE, "K", c.nome, valore), c.ok);
        EXPECT_EQ(valore, QString::fromUtf8(c.atteso));
    }
}

TEST(Registro, TheFileKeepsTextsNumbersAndOtherTypesAcrossAWrite)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registro.reg");
    {
        ArchivioRegistro a(file);
        EXPECT_TRUE(a.leggibile());
        ScriviStringa(a, HKEY_LOCAL_MACHINE, "SOFTWARE\\Prova", "Strano", "a \"b\" c:\\d\nriga 2");
        ScriviDword(a, HKEY_LOCAL_MACHINE, "SOFTWARE\\Prova", "N", 4294967295u);
        ScriviStringa(a, HKEY_CURRENT_USER, "", "àèì €", "ok");
        ArchivioRegistro::Valore v;
        v.nome = "B";
        v.tipo = ArchivioRegistro::Tipo::Altro;
        v.dati = QByteArray("\x00\xff", 2);
        a.imposta(HKEY_LOCAL_MACHINE, "SOFTWARE\\Prova", v);
        EXPECT_TRUE(a.salva());
    }
    const ArchivioRegistro b(file);
    ASSERT_TRUE(b.leggibile());
    EXPECT_EQ(LeggiStringa(b, HKEY_LOCAL_MACHINE, "software\\prova", "strano"),
              std::optional<QString>("a \"b\" c:\\d\nriga 2"));
    EXPECT_EQ(b.valore(HKEY_LOCAL_MACHINE, "SOFTWARE\\Prova", "N")->numero, 4294967295u);
    EXPECT_EQ(LeggiStringa(b, HKEY_CURRENT_USER, "", "ÀÈÌ €"), std::optional<QString>("ok"));
    EXPECT_EQ(b.valore(HKEY_LOCAL_MACHINE, "SOFTWARE\\Prova", "B")->dati, QByteArray("\x00\xff", 2));
}

TEST(Registro, AValueSetByHandIsRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registro.reg");
    Scrivi(file,
           "; a comment\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
           "  \"PATH\" = \"/usr/bin/prova\"\r\n"
           "\n"
           "[hkey_local_machine\\SOFTWARE\\Altro]\n"
           "\"N\"=dword:1f\n");
    const ArchivioRegistro a(file);
    ASSERT_TRUE(a.leggibile());
    QString valore;
    EXPECT_TRUE(LeggiValoreChiave(a, HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", valore));
    EXPECT_EQ(valore, "/usr/bin/prova");
    EXPECT_TRUE(LeggiValoreChiave(a, HKEY_LOCAL_MACHINE, "software\\altro", "n", valore));
    EXPECT_EQ(valore, "&h1F");
}

TEST(Registro, AStoreThatCannotBeReadOrWrittenIsLeftAlone)
{
    QTemporaryDir dir;
    const struct {
        const char* nome;
        QByteArray contenuto;
    } casi[] = {
        {"value before any key", "\"a\"=\"b\"\n"},
        {"unknown root", "[HKEY_NOWHERE\\x]\n"},
        {"unknown type", "[HKEY_CLASSES_ROOT\\x]\n\"a\"=qword:1\n"},
        {"unclosed quote", "[HKEY_CLASSES_ROOT\\x]\n\"a\"=\"b\n"},
        {"key twice", "[HKEY_CLASSES_ROOT\\x]\n[hkey_classes_root\\X]\n"},
        {"dword too long", "[HKEY_CLASSES_ROOT\\x]\n\"a\"=dword:123456789\n"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString file = dir.filePath(QStringLiteral("registro.reg"));
        Scrivi(file, c.contenuto);
        EXPECT_FALSE(ArchivioRegistro(file).leggibile());
        RegistraAssociazioneFile(file);
        EXPECT_EQ(Contenuto(file), c.contenuto);
    }
    // A folder that cannot be made: nothing is written, nothing is raised.
    Scrivi(dir.filePath("file"), "x");
    const QString impossibile = dir.filePath("file/Brunivox/registro.reg");
    RegistraAssociazioneFile(impossibile);
    EXPECT_FALSE(QFile::exists(impossibile));
    ArchivioRegistro senzaFile;
    EXPECT_FALSE(senzaFile.salva());
}

TEST(Registro, TheStoreLivesInTheConfigurationFolder)
{
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    EXPECT_EQ(FileRegistro(), QDir(dir.path()).filePath("Brunivox/registro.reg"));
    qputenv("XDG_CONFIG_HOME", prima);
}
