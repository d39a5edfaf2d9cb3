#pragma once
// The clock bar: five world-clock faces with their city names, and the date picker.
#include <QToolBar>

#include <array>

class PictureBox;
class QDateEdit;

class BarraOrologi : public QToolBar {
    Q_OBJECT
public:
    explicit BarraOrologi(QWidget* parent = nullptr);

    // Faces in drawing order: Milano, New York, Tokyo, Londra, HongKong.
    static constexpr int NumeroOrologi = 5;
    PictureBox* quadrante(int i) const { return quadranti_.at(i); }
    // Hours added to the local time of day for face i.
    static int differenzaOre(int i);
    QDateEdit* data() const { return data_; }

private:
    std::array<PictureBox*, NumeroOrologi> quadranti_{};
    QDateEdit* data_;
};
