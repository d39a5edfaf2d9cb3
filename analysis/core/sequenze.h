#pragma once
// Runs of winning and of losing operations, and how often each value occurs.
#include "tabella_operazioni_chiuse.h"

#include <vector>

struct Serie {
    double somma = 0; // sum of GPPercentuale of its operations
    long long lunghezza = 0; // operations in it: positive for a winning run, negative for a losing one

    bool operator==(const Serie&) const = default;
};

// The completed runs of a sequence of per-cent results, in order. The run still open at the
// end is not stored; a losing run is closed by the test on its sum, so zeros that follow a
// winning run and precede a winning operation belong to no run.
std::vector<Serie> PassoSerie(const std::vector<double>& percentuali);

struct Ricorrenza {
    double valore = 0;
    long long occorrenze = 0;

    bool operator==(const Ricorrenza&) const = default;
};

// Each distinct value with its occurrences, largest value first.
std::vector<Ricorrenza> ValoriDistinti(const std::vector<double>& valori);

struct Frequenza {
    double valore = 0;
    double percentuale = 0; // occurrences x 100 / total, to 2 decimals (halves to even)

    bool operator==(const Frequenza&) const = default;
};

std::vector<Frequenza> TabellaFrequenze(const std::vector<Ricorrenza>& ricorrenze, long long totale);

// The probability-of-risk window: the run sums, and the frequency of each per-cent result
// among all closed operations.
struct FigureRisk {
    std::vector<Serie> serie;
    std::vector<Frequenza> frequenze;
};

FigureRisk CalcolaRisk(const std::vector<RigaOperazioneChiusa>& chiuse);

// The draw-down window: the run lengths, and the frequency of each length among the runs.
struct FigureMDD {
    std::vector<Serie> serie;
    std::vector<Frequenza> frequenze;
};

FigureMDD CalcolaMDD(const std::vector<RigaOperazioneChiusa>& chiuse);
