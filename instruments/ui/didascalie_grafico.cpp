#include "didascalie_grafico.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Margine = 6; // from the sides, above the title and below the legend
constexpr double FraVoci = 16; // between two entries on a line
constexpr double DopoQuadrato = 4; // between an entry's colour and its text

void Sfondo(QWidget* w)
{
    w->setAutoFillBackground(true);
    QPalette tavolozza = w->palette();
    tavolozza.setColor(QPalette::Window, Qt::white);
    tavolozza.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(tavolozza);
}

} // namespace

TitoloGrafico::TitoloGrafico(QWidget* genitore) : QWidget(genitore)
{
    Sfondo(this);
}

void TitoloGrafico::imposta(const QString& testo)
{
    testo_ = testo;
    update();
}

int TitoloGrafico::altezzaPer(int larghezza) const
{
    if (testo_.isEmpty())
        return 0;
    const QFontMetricsF metrica(font());
    const auto righe = ACapo(testo_, larghezza - 2 * Margine, metrica).size();
    return int(std::ceil(righe * metrica.height())) + Margine + 2;
}

QList<TestoPosato> TitoloGrafico::righe() const
{
    QList<TestoPosato> posate;
    if (testo_.isEmpty())
        return posate;
    const QFontMetricsF metrica(font());
    double y = Margine;
    for (const QString& riga : ACapo(testo_, width() - 2 * Margine, metrica)) {
        const double larga = metrica.horizontalAdvance(riga);
        posate.append({riga, QRectF((width() - larga) / 2, y, larga, metrica.height())});
        y += metrica.height();
    }
    return posate;
}

void TitoloGrafico::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    for (const TestoPosato& riga : righe())
        p.drawText(riga.rettangolo, Qt::AlignCenter | Qt::TextDontClip, riga.testo);
}

LegendaGrafico::LegendaGrafico(QWidget* genitore) : QWidget(genitore)
{
    Sfondo(this);
}

void LegendaGrafico::imposta(const QList<Voce>& voci)
{
    voci_ = voci;
    update();
}

QList<LegendaGrafico::Posto> LegendaGrafico::disponi(int larghezza) const
{
    QList<Posto> posti;
    if (voci_.isEmpty())
        return posti;
    const QFontMetricsF metrica(font());
    const double alta = metrica.height();
    const double lato = std::round(alta * 0.6);
    const double disponibile = std::max(1.0, larghezza - 2.0 * Margine);

    // Entries flow left to right; a line that is full starts the next one.
    struct Riga {
        qsizetype prima = 0;
        double larghezza = 0;
        double altezza = 0;
    };
    QList<Riga> righe{Riga{}};
    double y = 2;
    for (const Voce& v : voci_) {
        Posto posto;
        const double spazioTesto = std::max(1.0, disponibile - lato - DopoQuadrato);
        const QStringList linee = ACapo(v.testo, spazioTesto, metrica);
        posto.righe = linee.join(QLatin1Char('\n'));
        const double larghezzaTesto = LarghezzaTesto(posto.righe, metrica);
        const double larghezzaVoce = lato + DopoQuadrato + larghezzaTesto;
        Riga* riga = &righe.last();
        if (riga->larghezza > 0 && riga->larghezza + FraVoci + larghezzaVoce > disponibile) {
            y += riga->altezza;
            righe.append(Riga{posti.size(), 0, 0});
            riga = &righe.last();
        }
        const double x = riga->larghezza > 0 ? riga->larghezza + FraVoci : 0;
        posto.testo = QRectF(x + lato + DopoQuadrato, y, larghezzaTesto, linee.size() * alta);
        posto.quadrato = QRectF(x, y + (alta - lato) / 2, lato, lato);
        riga->larghezza = x + larghezzaVoce;
        riga->altezza = std::max(riga->altezza, posto.testo.height());
        posti.append(posto);
    }
    // Each line centred.
    for (qsizetype r = 0; r < righe.size(); ++r) {
        const qsizetype fine = r + 1 < righe.size() ? righe[r + 1].prima : posti.size();
        const double spostamento = Margine + std::max(0.0, (disponibile - righe[r].larghezza) / 2);
        for (qsizetype i = righe[r].prima; i < fine; ++i) {
            posti[i].quadrato.translate(spostamento, 0);
            posti[i].testo.translate(spostamento, 0);
        }
    }
    return posti;
}

int LegendaGrafico::altezzaPer(int larghezza) const
{
    const QList<Posto> posti = disponi(larghezza);
    double fondo = 0;
    for (const Posto& p : posti)
        fondo = std::max(fondo, p.testo.bottom());
    return posti.isEmpty() ? 0 : int(std::ceil(fondo)) + Margine;
}

QList<TestoPosato> LegendaGrafico::testi() const
{
    QList<TestoPosato> posati;
    const QList<Posto> posti = disponi(width());
    for (qsizetype i = 0; i < posti.size(); ++i)
        posati.append({posti[i].righe, posti[i].testo});
    return posati;
}

void LegendaGrafico::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QList<Posto> posti = disponi(width());
    for (qsizetype i = 0; i < posti.size(); ++i) {
        p.fillRect(posti[i].quadrato, voci_[i].colore);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(posti[i].testo, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, posti[i].righe);
    }
}
