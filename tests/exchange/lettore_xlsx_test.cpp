// The workbook reader on archives built here: a sheet that inflates past the bound of an
// entry, or past the size its headers declare, is refused without taking the memory.
#include "archivio_zip.h"
#include "lettore_xlsx.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <optional>
#include <vector>

namespace {

// One entry: `inizio`, then `spazi` blanks (never held whole in memory), then `fine`.
struct VoceProva {
    QString nome;
    QByteArray inizio;
    qint64 spazi = 0;
    QByteArray fine;
    std::optional<quint32> dichiarata
        = std::nullopt; // the uncompressed size the headers declare; the true one when none
    std::optional<qsizetype> tagliata = std::nullopt; // the compressed bytes kept, the stream cut short; all when none
};

void L16(QByteArray& d, quint16 v)
{
    d.append(char(v & 0xFF)).append(char(v >> 8));
}

void L32(QByteArray& d, quint32 v)
{
    L16(d, quint16(v & 0xFFFF));
    L16(d, quint16(v >> 16));
}

struct Compressa {
    QByteArray dati;
    quint32 crc = 0;
    qint64 dimensione = 0;
};

Compressa Comprimi(const VoceProva& v)
{
    Compressa c;
    c.crc = crc32(0, nullptr, 0);
    z_stream z{};
    // Raw deflate, run-length matching: long runs of blanks shrink about a thousand times.
    EXPECT_EQ(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_RLE), Z_OK);
    QByteArray uscita(1 << 16, Qt::Uninitialized);
    auto passa = [&](const QByteArray& pezzo, int flush) {
        c.crc = crc32(c.crc, reinterpret_cast<const Bytef*>(pezzo.constData()), uInt(pezzo.size()));
        c.dimensione += pezzo.size();
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(pezzo.constData()));
        z.avail_in = uInt(pezzo.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(uscita.data());
            z.avail_out = uInt(uscita.size());
            deflate(&z, flush);
            c.dati.append(uscita.constData(), uscita.size() - qsizetype(z.avail_out));
        } while (z.avail_out == 0 || z.avail_in > 0);
    };
    passa(v.inizio, Z_NO_FLUSH);
    const QByteArray blocco(1 << 20, ' ');
    for (qint64 resto = v.spazi; resto > 0; resto -= blocco.size())
        passa(resto >= blocco.size() ? blocco : blocco.left(resto), Z_NO_FLUSH);
    passa(v.fine, Z_FINISH);
    deflateEnd(&z);
    return c;
}

// A zip archive of deflated entries, with its central directory; the end record may say the
// directory is `oltreDirectory` bytes longer than it is (a hole in the file holds them).
void ScriviZip(const QString& percorso, const std::vector<VoceProva>& voci, qint64 oltreDirectory = 0)
{
    QByteArray zip;
    QByteArray directory;
    for (const VoceProva& v : voci) {
        Compressa c = Comprimi(v);
        if (v.tagliata)
            c.dati.truncate(*v.tagliata);
        const quint32 dichiarata = v.dichiarata.value_or(quint32(c.dimensione));
        const QByteArray nome = v.nome.toUtf8();
        const auto posizione = quint32(zip.size());
        auto campi = [&](QByteArray& d) {
            L16(d, 20); // version needed
            L16(d, 0); // flags
            L16(d, 8); // deflate
            L16(d, 0); // time
            L16(d, 0x21); // 1 January 1980
            L32(d, c.crc);
            L32(d, quint32(c.dati.size()));
            L32(d, dichiarata);
            L16(d, quint16(nome.size()));
            L16(d, 0); // extra
        };
        L32(zip, 0x04034b50);
        campi(zip);
        zip += nome + c.dati;

        L32(directory, 0x02014b50);
        L16(directory, 20); // made by
        campi(directory);
        L16(directory, 0); // comment
        L16(directory, 0); // disk
        L16(directory, 0); // internal attributes
        L32(directory, 0); // external attributes
        L32(directory, posizione);
        directory += nome;
    }
    const auto inizioDirectory = quint32(zip.size());
    zip += directory;
    QByteArray fine;
    L32(fine, 0x06054b50);
    L16(fine, 0);
    L16(fine, 0);
    L16(fine, quint16(voci.size()));
    L16(fine, quint16(voci.size()));
    L32(fine, quint32(directory.size() + oltreDirectory));
    L32(fine, inizioDirectory);
    L16(fine, 0);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(zip), zip.size());
    ASSERT_TRUE(f.seek(zip.size() + oltreDirectory));
    ASSERT_EQ(f.write(fine), fine.size());
}

// A workbook of one sheet whose A2 holds "ciao", then `spazi` blanks inside the sheet data.
std::vector<VoceProva> Cartella(qint64 spazi, std::optional<quint32> dichiarata = std::nullopt)
{
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    return {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"xl/workbook.xml",
         "<workbook " + ns
             + " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
               "<sheets><sheet name=\"Foglio1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml",
         "<worksheet " + ns + "><sheetData><row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>ciao</t></is></c></row>",
         spazi, "</sheetData></worksheet>", dichiarata},
    };
}

TEST(LettoreXlsx, UnFoglioCheSiGonfiaOltreIlLimiteERifiutato)
{
    QTemporaryDir dir;
    const qint64 limite = ArchivioZip::DimensioneMassimaVoce;
    struct Caso {
        const char* nome;
        std::vector<VoceProva> voci;
        bool leggibile;
    };
    const Caso casi[] = {
        {"small sheet", Cartella(1000), true},
        {"sheet past the bound, declared as it is", Cartella(limite + 1), false},
        {"sheet past the bound, declared small", Cartella(limite + 1, 4096), false},
        {"sheet larger than it declares", Cartella(5000, 1000), false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString file = dir.filePath(QStringLiteral("bomba.xlsx"));
        ScriviZip(file, c.voci);
        EXPECT_LT(QFile(file).size(), 200 * 1024) << "a small file";
        const CartellaXlsx cartella = LeggiCartellaXlsx(file);
        if (c.leggibile) {
            ASSERT_TRUE(cartella.ok()) << cartella.errore.toStdString();
            EXPECT_EQ(cartella.fogli.at(0).cella("A2").valore, "ciao");
        } else {
            EXPECT_EQ(cartella.errore,
                      QStringLiteral("Il file bomba.xlsx non è una cartella di lavoro Excel leggibile."));
        }
    }
}

// A deflate stream that ends before its last block, or before the size it declares, is damage:
// the entry is refused, not handed back half written.
TEST(ArchivioZip, UnaVoceCheFiniscePrimaERifiutata)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corta.zip"));
    const QByteArray testo = QByteArray("<sheetData>").repeated(200);
    const qsizetype intera = Comprimi({"x", testo, 5000, "fine"}).dati.size();
    ScriviZip(file,
              {{"intera", testo, 5000, "fine"},
               {"tagliata", testo, 5000, "fine", std::nullopt, intera / 2},
               {"senza l'ultimo byte", testo, 5000, "fine", std::nullopt, intera - 1},
               {"più corta di quanto dichiara", testo, 5000, "fine", quint32(testo.size() + 5000 + 4 + 1)}});
    ArchivioZip zip;
    ASSERT_TRUE(zip.apri(file));
    const std::optional<QByteArray> voce = zip.voce(QStringLiteral("intera"));
    ASSERT_TRUE(voce.has_value());
    EXPECT_EQ(*voce, testo + QByteArray(5000, ' ') + "fine");
    for (const char* nome : {"tagliata", "senza l'ultimo byte", "più corta di quanto dichiara"}) {
        SCOPED_TRACE(nome);
        EXPECT_FALSE(zip.voce(QString::fromUtf8(nome)).has_value());
    }
}

// The central directory is held to the bound of an entry, even when the file is as long as
// the end record says and the directory's first records are sound.
TEST(ArchivioZip, UnaDirectoryOltreIlLimiteERifiutata)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("directory.zip"));
    const std::vector<VoceProva> voci = Cartella(10);
    ScriviZip(file, voci);
    ArchivioZip zip;
    EXPECT_TRUE(zip.apri(file));
    ScriviZip(file, voci, ArchivioZip::DimensioneMassimaVoce);
    EXPECT_FALSE(zip.apri(file));
    EXPECT_EQ(LeggiCartellaXlsx(file).errore,
              QStringLiteral("Il file directory.zip non è una cartella di lavoro Excel leggibile."));
}

TEST(ArchivioZip, UnaVoceFinoAlLimite)
{
    QTemporaryDir dir;
    const qint64 limite = ArchivioZip::DimensioneMassimaVoce;
    const QString file = dir.filePath(QStringLiteral("voci.zip"));
    ScriviZip(file, {{"al limite", {}, limite, {}}, {"oltre", {}, limite + 1, {}}});
    ArchivioZip zip;
    ASSERT_TRUE(zip.apri(file));
    const std::optional<QByteArray> alLimite = zip.voce(QStringLiteral("al limite"));
    ASSERT_TRUE(alLimite.has_value());
    EXPECT_EQ(alLimite->size(), limite);
    EXPECT_FALSE(zip.voce(QStringLiteral("oltre")).has_value());
    EXPECT_FALSE(zip.voce(QStringLiteral("manca")).has_value());
}

} // namespace
