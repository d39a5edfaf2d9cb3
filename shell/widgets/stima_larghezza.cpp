#include "stima_larghezza.h"

#include <algorithm>

StimaTesto::StimaTesto(const QFontMetrics& metrica) : metrica_(metrica)
{
    for (int c = 0; c < int(ascii_.size()); ++c)
        ascii_[size_t(c)] = metrica_.horizontalAdvance(QChar(c));
}

int StimaTesto::operator()(const QString& testo)
{
    int larghezza = 0;
    for (const QChar c : testo) {
        if (c.unicode() < ascii_.size()) {
            larghezza += ascii_[c.unicode()];
            continue;
        }
        auto trovato = altri_.constFind(c.unicode());
        if (trovato == altri_.cend())
            trovato = altri_.insert(c.unicode(), metrica_.horizontalAdvance(c));
        larghezza += *trovato;
    }
    return larghezza;
}

void CelleLarghe::aggiungi(int stima, int riga)
{
    if (int(scelte_.size()) == Misurate && stima <= scelte_.back().stima) {
        scartata_ = std::max(scartata_, stima);
        return;
    }
    const auto posto = std::upper_bound(scelte_.begin(), scelte_.end(), stima,
                                        [](int v, const Candidata& c) { return v > c.stima; });
    scelte_.insert(posto, {stima, riga});
    if (int(scelte_.size()) > Misurate) {
        scartata_ = std::max(scartata_, scelte_.back().stima);
        scelte_.pop_back();
    }
}
