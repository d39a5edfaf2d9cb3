#include "disposizione_etichette.h"

#include <gtest/gtest.h>
#include <QFont>
#include <QFontMetricsF>

namespace {

const QStringList Corte = {"Lun", "Mar", "Mer", "Gio", "Ven"};
const QStringList Lunghe = {"Entrata anticipata", "Posizione sovradimensionata", "Operazione non pianificata"};

} // namespace

TEST(DisposizioneEtichette, ChoosesTheEasiestLayoutThatFits)
{
    const QFontMetricsF m{QFont()};
    const double alta = m.height();
    const double lunga = m.horizontalAdvance("Posizione sovradimensionata");
    struct Caso {
        const char* nome;
        QStringList etichette;
        double slot, ingombro;
        bool ruotate;
        int ogni;
        int righe; // lines of the longest label
    };
    const Caso casi[] = {
        {"short labels side by side", Corte, 80, 100, false, 1, 1},
        {"long labels in wide rows", Lunghe, lunga + 20, 100, false, 1, 1},
        {"long labels wrapped under the row", Lunghe, lunga * 0.7, 100, false, 1, 2},
        {"turned when the rows are narrow", Lunghe, alta * 1.5, lunga + 10, true, 1, 1},
        {"turned and wrapped when too long to stand", Lunghe, alta * 2.5, lunga * 0.7, true, 1, 2},
        {"thinned when even turned they are too dense", Corte, alta / 2, 100, true, 3, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const DisposizioneEtichette d = DisponiEtichette(c.etichette, m, c.slot, c.ingombro);
        EXPECT_EQ(d.ruotate, c.ruotate);
        EXPECT_EQ(d.ogni, c.ogni);
        ASSERT_EQ(d.testi.size(), c.etichette.size());
        int righe = 0;
        for (int i = 0; i < d.testi.size(); ++i) {
            // A label shows whole or not at all: its lines joined give it back.
            if (i % c.ogni == 0)
                EXPECT_EQ(QString(d.testi[i]).replace('\n', ' '), c.etichette[i]);
            else
                EXPECT_TRUE(d.testi[i].isEmpty());
            righe = std::max(righe, int(d.testi[i].count('\n')) + 1);
            // Across the axis, no label takes more than the room given.
            const double largo = d.ruotate ? LarghezzaTesto(d.testi[i], m) : (d.testi[i].count('\n') + 1) * alta;
            EXPECT_LE(largo, c.ingombro);
        }
        EXPECT_EQ(righe, c.righe);
        EXPECT_LE(d.ingombro, c.ingombro);
    }
}

TEST(DisposizioneEtichette, WithNoRoomAcrossTheAxisNoLabelShows)
{
    const QFontMetricsF m{QFont()};
    const DisposizioneEtichette d = DisponiEtichette(Lunghe, m, 200, m.height() / 2);
    EXPECT_EQ(d.ogni, 0);
    for (const QString& t : d.testi)
        EXPECT_TRUE(t.isEmpty());
}

TEST(DisposizioneEtichette, AWordWiderThanTheLineKeepsALineOfItsOwn)
{
    const QFontMetricsF m{QFont()};
    const double parola = m.horizontalAdvance("sovradimensionata");
    EXPECT_EQ(ACapo("Posizione sovradimensionata", parola / 2, m), (QStringList{"Posizione", "sovradimensionata"}));
    EXPECT_EQ(ACapo("Media in perdita", 1e6, m), QStringList{"Media in perdita"});
    EXPECT_EQ(ACapo("", 10, m), QStringList{""});
}
