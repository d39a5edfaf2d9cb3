#include "strum.h"

#include "numeri.h"

#include <cmath>

namespace {

// The dials were laid out with 3.14, not pi; keep it so needles land where they always did.
constexpr double PiGreco = 3.14;

double InRadianti(double gradi)
{
    return gradi * PiGreco / 180;
}

// The size rounded to a whole number (halves to even), then divided dropping the remainder.
long long DivisioneIntera(double misura, long long divisore)
{
    return numeri::InteroPari(misura) / divisore;
}

long long Intero(double valore)
{
    return numeri::InteroPari(valore);
}

} // namespace

void Strum::NewLCD(Superficie* PBox)
{
    box_ = PBox;
}

void Strum::BackColor(std::uint32_t Color)
{
    if (box_)
        box_->SetBackColor(Color);
}

void Strum::ForeColor(std::uint32_t Color)
{
    if (box_)
        box_->SetForeColor(Color);
}

void Strum::Center(short Value)
{
    if (!box_)
        return;
    const double W = box_->ScaleWidth();
    const double H = box_->ScaleHeight();
    const long long r = Intero(W / 2 - 6);
    box_->Cls();
    const double a = InRadianti(Value / 1000.0 * 270 - 45);
    const double px = double(DivisioneIntera(W, 2));
    const double py = double(DivisioneIntera(H, 2));
    box_->Line(float(px), float(py), float(px - r * std::cos(a)), float(py - r * std::sin(a)));
}

void Strum::Bottom(short Value)
{
    if (!box_)
        return;
    const double W = box_->ScaleWidth();
    const double H = box_->ScaleHeight();
    const long long r = Intero(W - 2 * (W / 10));
    box_->Cls();
    const double a = InRadianti(Value / 1000.0 * 90);
    // The pivot sits on whole pixels while the tip is measured from the exact tenth,
    // so the two may differ by less than a pixel.
    box_->Line(float(W - DivisioneIntera(W, 10)), float(H - DivisioneIntera(H, 10)),
               float(W - W / 10 - r * std::cos(a)), float(H - H / 10 - r * std::sin(a)));
}

void Strum::BottomCenter(short Value)
{
    if (!box_)
        return;
    const double W = box_->ScaleWidth();
    const double H = box_->ScaleHeight();
    const long long r = Intero(H - 2 * (H / 10));
    box_->Cls();
    const double a = InRadianti(Value / 1000.0 * 120 + 30);
    box_->Line(float(DivisioneIntera(W, 2)), float(H - DivisioneIntera(H, 10)),
               float(W / 2 - r * std::cos(a)), float(H - H / 10 - r * std::sin(a)));
}

void Strum::VertMeter(short Value)
{
    if (!box_)
        return;
    const double W = box_->ScaleWidth();
    const double H = box_->ScaleHeight();
    const long long w0 = Intero(W);
    // Distance from the top of the scale: 1500 lands where 500 does.
    const double y = std::abs(Value - 1000) / 1000.0 * (H - 2 * (H / 10)) + H / 10;
    box_->Cls();
    box_->Line(float(W), float(y), float(W - w0), float(y));
}

void Strum::HorMeter(short Value)
{
    if (!box_)
        return;
    const double W = box_->ScaleWidth();
    const double H = box_->ScaleHeight();
    const long long h0 = Intero(H);
    const double x = (W - 2 * (W / 10)) * Value / 1000 + W / 10;
    box_->Cls();
    box_->Line(float(x), float(H), float(x), float(H - h0));
}
