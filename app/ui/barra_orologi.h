#pragma once
// The clock bar: five world-clock faces with their city names, and the date picker.
#include <QToolBar>

#include <array>

class Messaggi;
class PictureBox;
class QDateEdit;

class BarraOrologi : public QToolBar {
    Q_OBJECT
public:
    // The date field tells what it cannot read through `messaggi`.
    explicit BarraOrologi(Messaggi& messaggi, QWidget* parent = nullptr);

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
