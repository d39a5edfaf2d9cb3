#pragma once
// The buttons of the main toolbar: index (from 1; 3 and 9 are separators), key, image number
// and its 32-pixel tooltip and caption. The table of windows says which window a key opens.
#include <QIcon>
#include <QString>

#include <vector>

struct PulsanteToolbar {
    int indice;
    QString chiave;
    int immagine;       // 1..15
    QString tooltip;
    QString didascalia;
};

inline constexpr int NumeroPulsantiToolbar = 17;
inline constexpr int SeparatoriToolbar[] = {3, 9};

// The 15 buttons in index order.
const std::vector<PulsanteToolbar>& PulsantiToolbar();

// Image `numero` (1..15) of the toolbar's image list; a null icon outside that range.
QIcon ImmagineToolbar(int numero);
