#pragma once
// A drawing surface that only records what is asked of it, in order, with the pen width
// and the foreground colour in force and the colour passed (if any), so tests can check
// end points and colours.
#include "superficie.h"

#include <optional>
#include <vector>

struct Chiamata {
    enum Tipo { Cls, SetDrawWidth, PSet, Line, Box } tipo;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::optional<std::uint32_t> colore; // only when the caller passed one
    int larghezza = 0;                   // pen width at the time of the call (the new one for SetDrawWidth)
    std::uint32_t primoPiano = 0;        // foreground colour at the time of the call
};

class SuperficieRegistro : public Superficie {
public:
    float larghezzaScala = 200;
    float altezzaScala = 200;
    std::vector<Chiamata> chiamate;

    float ScaleWidth() const override { return larghezzaScala; }
    float ScaleHeight() const override { return altezzaScala; }
    void Cls() override { registra(Chiamata::Cls); }
    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int l) override
    {
        drawWidth_ = l;
        registra(Chiamata::SetDrawWidth);
    }
    std::uint32_t ForeColor() const override { return foreColor_; }
    void SetForeColor(std::uint32_t c) override { foreColor_ = c; }
    std::uint32_t BackColor() const override { return backColor_; }
    void SetBackColor(std::uint32_t c) override { backColor_ = c; }
    void PSet(float x, float y) override { registra(Chiamata::PSet, x, y, x, y); }
    void PSet(float x, float y, std::uint32_t c) override { registra(Chiamata::PSet, x, y, x, y, c); }
    void Line(float x1, float y1, float x2, float y2) override { registra(Chiamata::Line, x1, y1, x2, y2); }
    void Line(float x1, float y1, float x2, float y2, std::uint32_t c) override
    {
        registra(Chiamata::Line, x1, y1, x2, y2, c);
    }
    void Box(float x1, float y1, float x2, float y2, std::uint32_t c, bool) override
    {
        registra(Chiamata::Box, x1, y1, x2, y2, c);
    }

    std::vector<Chiamata> diTipo(Chiamata::Tipo t) const
    {
        std::vector<Chiamata> r;
        for (const Chiamata& c : chiamate)
            if (c.tipo == t)
                r.push_back(c);
        return r;
    }

private:
    void registra(Chiamata::Tipo tipo, float x1 = 0, float y1 = 0, float x2 = 0, float y2 = 0,
                  std::optional<std::uint32_t> colore = std::nullopt)
    {
        chiamate.push_back(Chiamata{tipo, x1, y1, x2, y2, colore, drawWidth_, foreColor_});
    }

    int drawWidth_ = 1;
    std::uint32_t foreColor_ = 0;
    std::uint32_t backColor_ = 0xFFFFFF;
};
