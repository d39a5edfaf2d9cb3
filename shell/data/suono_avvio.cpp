// Writes the start-up sound "Start": a short two-note chime as 16-bit mono PCM wave.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void Scrivi16(std::FILE* f, std::uint16_t v) { std::fputc(v & 0xFF, f); std::fputc(v >> 8, f); }
void Scrivi32(std::FILE* f, std::uint32_t v) { Scrivi16(f, v & 0xFFFF); Scrivi16(f, v >> 16); }

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const int frequenza = 22050;
    const double pi = 3.14159265358979;
    std::vector<std::int16_t> campioni;
    for (double nota : {659.25, 987.77}) {          // E5 then B5
        const int durata = frequenza * 3 / 10;
        for (int i = 0; i < durata; ++i) {
            const double t = double(i) / frequenza;
            const double inviluppo = std::exp(-6.0 * t) * std::fmin(1.0, i / 200.0);
            campioni.push_back(std::int16_t(9000 * inviluppo * std::sin(2 * pi * nota * t)));
        }
    }
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f)
        return 1;
    const std::uint32_t byteDati = std::uint32_t(campioni.size() * 2);
    std::fputs("RIFF", f); Scrivi32(f, 36 + byteDati); std::fputs("WAVEfmt ", f);
    Scrivi32(f, 16); Scrivi16(f, 1); Scrivi16(f, 1); Scrivi32(f, frequenza); Scrivi32(f, frequenza * 2);
    Scrivi16(f, 2); Scrivi16(f, 16);
    std::fputs("data", f); Scrivi32(f, byteDati);
    for (std::int16_t c : campioni) Scrivi16(f, std::uint16_t(c));
    return std::fclose(f) == 0 ? 0 : 1;
}
