#include "suono.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <vector>

#include "cartella_prova.h"

namespace {

QByteArray Blocco(const QByteArray& id, const QByteArray& contenuto)
{
    QByteArray b = id;
    char lunghezza[4];
    qToLittleEndian<quint32>(quint32(contenuto.size()), lunghezza);
    b.append(lunghezza, 4).append(contenuto);
    if (contenuto.size() % 2)
        b.append('\0');
    return b;
}

QByteArray Formato(quint16 tipo, quint16 canali, quint32 frequenza, quint16 bit)
{
    char f[16];
    qToLittleEndian<quint16>(tipo, f);
    qToLittleEndian<quint16>(canali, f + 2);
    qToLittleEndian<quint32>(frequenza, f + 4);
    qToLittleEndian<quint32>(frequenza * canali * bit / 8, f + 8);
    qToLittleEndian<quint16>(quint16(canali * bit / 8), f + 12);
    qToLittleEndian<quint16>(bit, f + 14);
    return QByteArray(f, 16);
}

QByteArray Riff(const QByteArray& blocchi)
{
    QByteArray corpo = "WAVE" + blocchi;
    return Blocco("RIFF", corpo);
}

// Four stereo frames of 16-bit samples, with an odd-sized chunk of other data before them.
const QByteArray Campioni("\x01\x00\xff\x7f\x02\x00\x00\x80\x03\x00\x10\x00\x04\x00\x20\x00", 16);
const QByteArray Suonabile = Riff(Blocco("fmt ", Formato(1, 2, 22050, 16)) + Blocco("LIST", "abc") + Blocco("data", Campioni));

} // namespace

TEST(LeggiWav, PcmWaveGivesItsFormatAndSamples)
{
    const std::optional<SuonoWav> wav = LeggiWav(Suonabile);
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->canali, 2);
    EXPECT_EQ(wav->frequenza, 22050);
    EXPECT_EQ(wav->bit, 16);
    EXPECT_EQ(wav->campioni, Campioni);

    const std::optional<SuonoWav> otto = LeggiWav(Riff(Blocco("fmt ", Formato(1, 1, 8000, 8)) + Blocco("data", "\x80\x90\x70")));
    ASSERT_TRUE(otto.has_value());
    EXPECT_EQ(otto->bit, 8);
    EXPECT_EQ(otto->campioni, QByteArray("\x80\x90\x70"));
}

TEST(LeggiWav, WhatCannotBePlayedGivesNothing)
{
    const struct {
        const char* nome;
        QByteArray dati;
    } casi[] = {
        {"empty", {}},
        {"not RIFF", "RIFX" + Suonabile.mid(4)},
        {"not WAVE", Suonabile.left(8) + "AVI " + Suonabile.mid(12)},
        {"data before fmt", Riff(Blocco("data", Campioni) + Blocco("fmt ", Formato(1, 2, 22050, 16)))},
        {"no data", Riff(Blocco("fmt ", Formato(1, 2, 22050, 16)))},
        {"floating point", Riff(Blocco("fmt ", Formato(3, 2, 22050, 16)) + Blocco("data", Campioni))},
        {"24 bit", Riff(Blocco("fmt ", Formato(1, 2, 22050, 24)) + Blocco("data", Campioni))},
        {"no channels", Riff(Blocco("fmt ", Formato(1, 0, 22050, 16)) + Blocco("data", Campioni))},
        {"no frequency", Riff(Blocco("fmt ", Formato(1, 2, 0, 16)) + Blocco("data", Campioni))},
        {"short fmt", Riff(Blocco("fmt ", Formato(1, 2, 22050, 16).left(14)) + Blocco("data", Campioni))},
        {"data past the end", Suonabile.left(Suonabile.size() - 1)},
        {"less than a frame", Riff(Blocco("fmt ", Formato(1, 2, 22050, 16)) + Blocco("data", "\x01\x02\x03"))},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_FALSE(LeggiWav(c.dati).has_value());
    }
}

// The start-up sound: the file read from the program folder reaches the player whole; a
// missing or broken one reaches it not at all.
TEST(SuonaWav, PlaysThePcmFileOfTheProgramFolder)
{
    QTemporaryDir dir;
    const auto scrivi = [&dir](const char* nome, const QByteArray& dati) {
        QFile f(dir.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dati);
    };
    scrivi("Prova", Suonabile);
    scrivi("Rotto", QByteArray("RIFF\x10\0\0\0WAVEdata", 16));

    std::vector<SuonoWav> suonati;
    const auto registra = [&suonati](const SuonoWav& s) { suonati.push_back(s); };
    SuonaWav(dir.path(), "Prova", registra);
    ASSERT_EQ(suonati.size(), 1u);
    EXPECT_EQ(suonati[0].campioni, Campioni);
    EXPECT_EQ(suonati[0].frequenza, 22050);
    EXPECT_EQ(suonati[0].canali, 2);

    SuonaWav(dir.path(), "Manca", registra);
    SuonaWav(dir.path(), "Rotto", registra);
    EXPECT_EQ(suonati.size(), 1u);

    // The shipped sound is one that plays.
    SuonaWav(CartellaShipped(), "Start", registra);
    ASSERT_EQ(suonati.size(), 2u);
    EXPECT_GT(suonati[1].campioni.size(), 1000);
    EXPECT_GT(suonati[1].frequenza, 0);

    // And the machine's own player, with a sound card or without one, comes back from it.
    SuonaWav(CartellaShipped(), "Start");
}
