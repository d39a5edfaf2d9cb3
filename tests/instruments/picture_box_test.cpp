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
