// Writes "logoxls.bmp", the picture at the top left of every exported sheet: rising bars
// and a trend line on the black title band, as a 24-bit uncompressed bitmap.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Larghezza = 96;
constexpr int Altezza = 36;

struct Colore {
    std::uint8_t r, g, b;
};

void Scrivi16(std::FILE* f, std::uint16_t v)
{
    std::fputc(v & 0xFF, f);
    std::fputc(v >> 8, f);
}
void Scrivi32(std::FILE* f, std::uint32_t v)
{
    Scrivi16(f, v & 0xFFFF);
    Scrivi16(f, v >> 16);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::vector<Colore> pixel(Larghezza * Altezza, Colore{0, 0, 0});
    auto punto = [&](int x, int y, Colore c) {
        if (x >= 0 && x < Larghezza && y >= 0 && y < Altezza)
            pixel[y * Larghezza + x] = c;
    };
    // Seven bars growing left to right, light grey on black.
    const int alte[] = {8, 12, 10, 16, 20, 18, 26};
    for (int i = 0; i < 7; ++i)
        for (int x = 6 + i * 12; x < 14 + i * 12; ++x)
            for (int y = Altezza - 4 - alte[i]; y < Altezza - 4; ++y)
                punto(x, y, Colore{192, 192, 192});
    // The trend line over the bars, green and two pixels thick.
    for (int x = 4; x < Larghezza - 4; ++x) {
        const int y = Altezza - 8 - (x - 4) * 22 / (Larghezza - 8);
        punto(x, y, Colore{0, 200, 80});
        punto(x, y - 1, Colore{0, 200, 80});
    }
    // Base line.
    for (int x = 2; x < Larghezza - 2; ++x)
        punto(x, Altezza - 3, Colore{128, 128, 128});

    const int rigaByte = (Larghezza * 3 + 3) / 4 * 4;
    const std::uint32_t dati = rigaByte * Altezza;
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f)
        return 1;
    std::fputc('B', f);
    std::fputc('M', f);
    Scrivi32(f, 54 + dati);
    Scrivi32(f, 0);
    Scrivi32(f, 54);
    Scrivi32(f, 40);
    Scrivi32(f, Larghezza);
    Scrivi32(f, Altezza);
    Scrivi16(f, 1);
    Scrivi16(f, 24);
    Scrivi32(f, 0);
    Scrivi32(f, dati);
    Scrivi32(f, 3780); // 96 dpi
    Scrivi32(f, 3780);
    Scrivi32(f, 0);
    Scrivi32(f, 0);
    // Bottom row first, blue-green-red, rows padded to four bytes.
    for (int y = Altezza - 1; y >= 0; --y) {
        int scritti = 0;
        for (int x = 0; x < Larghezza; ++x) {
            const Colore c = pixel[y * Larghezza + x];
            std::fputc(c.b, f);
            std::fputc(c.g, f);
            std::fputc(c.r, f);
            scritti += 3;
        }
        for (; scritti < rigaByte; ++scritti)
            std::fputc(0, f);
    }
    return std::fclose(f) == 0 ? 0 : 1;
}
