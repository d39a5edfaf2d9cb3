#include "picture_box.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t Rosso = 0x0000FF; // red in the low byte

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(40, 30);
        box.SetBackColor(0xFFFFFF);
        QPixmap sfondo(40, 30);
        sfondo.fill(QColor(0, 0, 255));
        box.SetPicture(sfondo);
        box.SetForeColor(Rosso);
    }

    QImage Schermo() { return box.grab().toImage(); }

    PictureBox box;
};

} // namespace

TEST_F(PictureBoxTest, ScaleIsThePixelSize)
{
    EXPECT_EQ(box.ScaleWidth(), 40.0f);
    EXPECT_EQ(box.ScaleHeight(), 30.0f);
}

TEST_F(PictureBoxTest, DrawingSurvivesRepaintsAndClsKeepsTheBackgroundPicture)
{
    box.Line(2, 10, 30, 10);
    EXPECT_EQ(Schermo().pixelColor(15, 10), QColor(255, 0, 0));
    box.repaint();
    EXPECT_EQ(Schermo().pixelColor(15, 10), QColor(255, 0, 0)) << "drawing is kept behind the widget";

    box.Cls();
    EXPECT_EQ(box.disegno().pixelColor(15, 10).alpha(), 0) << "Cls leaves the drawing transparent";
    EXPECT_EQ(Schermo().pixelColor(15, 10), QColor(0, 0, 255)) << "the background picture stays";
}

TEST_F(PictureBoxTest, OnePixelShapesAreCrispAndBoxesIncludeBothCorners)
{
    box.Line(2, 10, 30, 10);
    EXPECT_EQ(box.disegno().pixelColor(15, 10), QColor(255, 0, 0));
    EXPECT_EQ(box.disegno().pixelColor(15, 9).alpha(), 0);
    EXPECT_EQ(box.disegno().pixelColor(15, 11).alpha(), 0);

    box.Cls();
    box.Box(5, 20, 8, 22, 0x00FF00, true);
    const QImage d = box.disegno();
    EXPECT_EQ(d.pixelColor(5, 20), QColor(0, 255, 0));
    EXPECT_EQ(d.pixelColor(8, 22), QColor(0, 255, 0));
    EXPECT_EQ(d.pixelColor(9, 22).alpha(), 0);
    EXPECT_EQ(d.pixelColor(8, 23).alpha(), 0);
    EXPECT_EQ(d.pixelColor(4, 19).alpha(), 0);
}

TEST(PictureBox, DrawingBeforeTheFirstShowUsesTheSizeGiven)
{
    QWidget finestra;
    auto* box = new PictureBox(&finestra);
    box->setFixedSize(190, 25);  // a child is 100 x 30 until it is laid out and shown
    box->Line(150, 20, 180, 20, Rosso);
    EXPECT_EQ(box->disegno().size(), QSize(190, 25));
    EXPECT_EQ(box->disegno().pixelColor(170, 20), QColor(255, 0, 0));
    finestra.show();
    EXPECT_EQ(box->disegno().pixelColor(170, 20), QColor(255, 0, 0)) << "showing keeps the drawing";
}

TEST_F(PictureBoxTest, FilledBoxCoversThePixelsOfItsRoundedCornersInEitherOrder)
{
    struct Caso {
        const char* nome;
        float x1, y1, x2, y2;
        QRect pixel; // what must be filled, and nothing else
    };
    const Caso casi[] = {
        {"top left to bottom right", 5, 20, 8, 22, QRect(QPoint(5, 20), QPoint(8, 22))},
        {"bottom right to top left", 8, 22, 5, 20, QRect(QPoint(5, 20), QPoint(8, 22))},
        {"bottom left to top right", 5, 22, 8, 20, QRect(QPoint(5, 20), QPoint(8, 22))},
        {"corners one row apart, the lower first", 3, 21, 4, 20, QRect(QPoint(3, 20), QPoint(4, 21))},
        {"thinner than a pixel both ways", 5.2f, 20.1f, 5.4f, 20.3f, QRect(5, 20, 1, 1)},
        {"thinner than a pixel, reversed", 5.4f, 20.3f, 5.2f, 20.1f, QRect(5, 20, 1, 1)},
        {"the read-outs' dot: 19 / 14 on a side", 6 - 19.f / 14, 21, 6, 21 - 19.f / 14, QRect(5, 20, 2, 2)},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        box.Cls();
        box.Box(c.x1, c.y1, c.x2, c.y2, 0x00FF00, true);
        const QImage d = box.disegno();
        int pieni = 0;
        for (int y = 0; y < d.height(); ++y)
            for (int x = 0; x < d.width(); ++x)
                if (d.pixelColor(x, y).alpha() != 0) {
                    ++pieni;
                    EXPECT_TRUE(c.pixel.contains(x, y)) << x << "," << y << " is outside the box";
                    EXPECT_EQ(d.pixelColor(x, y), QColor(0, 255, 0));
                }
        EXPECT_EQ(pieni, c.pixel.width() * c.pixel.height());
        // On screen too, over the background picture.
        EXPECT_EQ(Schermo().pixelColor(c.pixel.topLeft()), QColor(0, 255, 0));
    }
}
