#include "proiezione_obliqua.h"

#include "colori_serie.h"
#include "disposizione_etichette.h"
#include "numeri_grafico.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

// Slant of the receding axis, and the share of a row's slot that a bar takes.
constexpr double CosProfondita = 0.7071;
constexpr double SinProfondita = 0.7071;
constexpr double LarghezzaBarra = 0.6;

QPolygonF Quadrilatero(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPolygonF q;
    q << a << b << c << d;
    return q;
}

class Piano {
public:
    // `strati`: how many steps deep the plot is (one per series of lines and areas).
    Piano(const QRectF& area, const DatiGrafico& dati, int strati, const Scala& scala,
          double margineSinistro, double margineBasso)
        : scala_(scala)
    {
        righe_ = std::max(dati.righe(), 1);
        strati_ = std::max(strati, 1);
        const double larghezza = std::max(area.width() - margineSinistro - 10, 10.0);
        const double altezza = std::max(area.height() - margineBasso - 10, 10.0);
        // The depth takes at most a third of the width and of the height.
        passoProfondita_ = std::min({larghezza / 3, altezza / 3, 24.0 * strati_}) / strati_;
        const double profondita = passoProfondita_ * strati_;
        frontale_ = QRectF(area.left() + margineSinistro, area.top() + 10 + profondita * SinProfondita,
                           larghezza - profondita * CosProfondita, altezza - profondita * SinProfondita);
    }

    // Row from 0 (its centre), value, depth in steps from the front.
    QPointF punto(double riga, double valore, double profondita) const
    {
        const double x = frontale_.left() + (riga + 0.5) * slot();
        const double y
            = frontale_.bottom() - (valore - scala_.minimo) / (scala_.massimo - scala_.minimo) * frontale_.height();
        return {x + profondita * passoProfondita_ * CosProfondita, y - profondita * passoProfondita_ * SinProfondita};
    }

    double slot() const { return frontale_.width() / righe_; }
    const QRectF& frontale() const { return frontale_; }
    const Scala& scala() const { return scala_; }
    int strati() const { return strati_; }
    int righe() const { return righe_; }

private:
    int righe_ = 1;
    int strati_ = 1;
    double passoProfondita_ = 10;
    QRectF frontale_;
    Scala scala_{};
};

// What the steps' rounding leaves of zero is written as zero.
QString TestoScala(const Scala& s, double v)
{
    return TestoNumeroGrafico(std::abs(v) < s.passo * 1e-9 ? 0.0 : v);
}

// Left room for the widest mark of the scale.
double MargineScala(const Scala& s, const QFontMetricsF& metrica)
{
    double largo = 0;
    for (int i = 0; i < s.tacche(); ++i)
        largo = std::max(largo, metrica.horizontalAdvance(TestoScala(s, s.marca(i))));
    return largo + 12;
}

// The walls, the scale and the rows' labels; answers the labels drawn. A label that would
// stand past `limite` is left out.
QList<TestoPosato> DisegnaPareti(QPainter& p, const Piano& piano, const DisposizioneEtichette& etichette,
                                 const QRectF& limite)
{
    QList<TestoPosato> disegnate;
    const auto& s = piano.scala();
    const double fondo = piano.strati();
    const double sinistra = -0.5;
    const double destra = piano.righe() - 0.5;
    p.setPen(QPen(QColor(160, 160, 160), 0));
    p.setBrush(QColor(245, 245, 245));
    p.drawPolygon(Quadrilatero(piano.punto(sinistra, s.minimo, fondo), piano.punto(destra, s.minimo, fondo),
                               piano.punto(destra, s.massimo, fondo), piano.punto(sinistra, s.massimo, fondo)));
    p.setBrush(QColor(230, 230, 230));
    p.drawPolygon(Quadrilatero(piano.punto(sinistra, s.minimo, 0), piano.punto(sinistra, s.minimo, fondo),
                               piano.punto(sinistra, s.massimo, fondo), piano.punto(sinistra, s.massimo, 0)));
    p.drawPolygon(Quadrilatero(piano.punto(sinistra, s.minimo, 0), piano.punto(destra, s.minimo, 0),
                               piano.punto(destra, s.minimo, fondo), piano.punto(sinistra, s.minimo, fondo)));

    const QFontMetricsF metrica(p.font());
    for (int i = 0; i < s.tacche(); ++i) {
        const double v = s.marca(i);
        p.setPen(QPen(QColor(190, 190, 190), 0));
        p.drawLine(piano.punto(sinistra, v, 0), piano.punto(sinistra, v, fondo));
        p.drawLine(piano.punto(sinistra, v, fondo), piano.punto(destra, v, fondo));
        p.setPen(Qt::black);
        const QString testo = TestoScala(s, v);
        const QPointF a = piano.punto(sinistra, v, 0);
        const double largo = metrica.horizontalAdvance(testo);
        const QRectF r(a.x() - 6 - largo, a.y() - metrica.height() / 2, largo, metrica.height());
        if (!limite.contains(r))
            continue;
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, testo);
        disegnate.append({testo, r});
    }
    // The rows' labels under the front edge, as their layout chose them.
    double fineUltima = -1e9;
    for (int r = 0; r < etichette.testi.size(); ++r) {
        const QString& testo = etichette.testi[r];
        if (testo.isEmpty())
            continue;
        const QPointF a = piano.punto(r, s.minimo, 0);
        const double largo = LarghezzaTesto(testo, metrica);
        const double alto = metrica.height() * (testo.count(QLatin1Char('\n')) + 1);
        if (etichette.ruotate) {
            // Reading upwards, its end just under the front edge.
            const QRectF r(a.x() - alto / 2, a.y() + 4, alto, largo);
            if (!limite.contains(r))
                continue;
            p.save();
            p.translate(a.x(), a.y() + 4);
            p.rotate(-90);
            p.drawText(QRectF(-largo, -alto / 2, largo, alto), Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                       testo);
            p.restore();
            disegnate.append({testo, r});
        } else {
            // Centred under its row; the first and the last are kept within the sides.
            QRectF rettangolo(a.x() - largo / 2, a.y() + 4, largo, alto);
            rettangolo.moveLeft(std::max(rettangolo.left(), limite.left()));
            rettangolo.moveRight(std::min(rettangolo.right(), limite.right()));
            // One kept within the sides may come too close to its neighbour: it is left out.
            if (!limite.contains(rettangolo) || rettangolo.left() < fineUltima + disposizione::Spazio / 2)
                continue;
            fineUltima = rettangolo.right();
            p.drawText(rettangolo, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, testo);
            disegnate.append({testo, rettangolo});
        }
    }
    return disegnate;
}

// The three visible faces of a bar from `sinistra` to `destra` along the rows (in rows, their
// centres at whole numbers), from `basso` to `alto`, between depths z0 and z1.
void DisegnaBarra(QPainter& p, const Piano& piano, const QColor& colore, double sinistra, double destra, double basso,
                  double alto, double z0, double z1)
{
    p.setBrush(colore.darker(130));
    p.drawPolygon(Quadrilatero(piano.punto(destra, basso, z0), piano.punto(destra, basso, z1),
                               piano.punto(destra, alto, z1), piano.punto(destra, alto, z0)));
    p.setBrush(colore.lighter(125));
    p.drawPolygon(Quadrilatero(piano.punto(sinistra, alto, z0), piano.punto(destra, alto, z0),
                               piano.punto(destra, alto, z1), piano.punto(sinistra, alto, z1)));
    p.setBrush(colore);
    p.drawPolygon(Quadrilatero(piano.punto(sinistra, basso, z0), piano.punto(destra, basso, z0),
                               piano.punto(destra, alto, z0), piano.punto(sinistra, alto, z0)));
}

// The columns of a row stand side by side in its slot, so that a tall bar hides none of the
// others; each is drawn after its left neighbour, which it stands in front of.
void DisegnaBarre(QPainter& p, const Piano& piano, const DatiGrafico& dati)
{
    const int colonne = dati.colonne();
    const double larga = LarghezzaBarra / colonne;
    auto sinistra = [&](int riga, int colonna) { return riga - LarghezzaBarra / 2 + (colonna - 1) * larga; };
    constexpr double z0 = 0.1;
    constexpr double z1 = 0.9;
    // Bars narrower than a pixel would each cover the same pixels as their neighbours: the rows
    // that fall in one pixel column are drawn as one bar spanning all of their values, which
    // paints what the single bars would, at a cost bound by the width instead of the rows.
    if (piano.slot() * larga >= 1) {
        for (int r = 0; r < dati.righe(); ++r)
            for (int c = 1; c <= colonne; ++c)
                if (const auto v = dati.valore(r + 1, c)) {
                    const QColor colore = ColoreSerie(c);
                    p.setPen(QPen(colore.darker(160), 0));
                    DisegnaBarra(p, piano, colore, sinistra(r, c), sinistra(r, c) + larga, std::min(0.0, *v),
                                 std::max(0.0, *v), z0, z1);
                }
        return;
    }
    for (int c = 1; c <= colonne; ++c) {
        const QColor colore = ColoreSerie(c);
        p.setPen(QPen(colore.darker(160), 0));
        long long colonnaPixel = -1;
        int prima = 0;
        int ultima = 0;
        double basso = 0;
        double alto = 0;
        auto chiudi = [&] {
            if (colonnaPixel >= 0)
                DisegnaBarra(p, piano, colore, sinistra(prima, c), sinistra(ultima, c) + larga, basso, alto, z0, z1);
        };
        for (int r = 0; r < dati.righe(); ++r) {
            const auto v = dati.valore(r + 1, c);
            if (!v)
                continue;
            const auto pixel = static_cast<long long>(std::floor((r + 0.5) * piano.slot()));
            if (pixel != colonnaPixel) {
                chiudi();
                colonnaPixel = pixel;
                prima = r;
                basso = 0;
                alto = 0;
            }
            ultima = r;
            basso = std::min(basso, *v);
            alto = std::max(alto, *v);
        }
        chiudi();
    }
}

// Lines are ribbons broken where a cell has no value; areas stand on zero and count a
// missing cell as zero.
void DisegnaNastri(QPainter& p, const Piano& piano, const DatiGrafico& dati, bool area)
{
    for (int c = dati.colonne(); c >= 1; --c) {
        const QColor colore = ColoreSerie(c);
        const double z0 = c - 1 + 0.15;
        const double z1 = c - 0.15;
        auto valore = [&](int r) -> std::optional<double> {
            const auto v = dati.valore(r + 1, c);
            if (area && !v)
                return 0.0;
            return v;
        };
        if (area && dati.righe() > 0) {
            QPolygonF fronte;
            fronte << piano.punto(0, 0, z0);
            for (int r = 0; r < dati.righe(); ++r)
                fronte << piano.punto(r, *valore(r), z0);
            fronte << piano.punto(dati.righe() - 1, 0, z0);
            p.setPen(QPen(colore.darker(160), 0));
            p.setBrush(colore);
            p.drawPolygon(fronte);
        }
        for (int r = 0; r + 1 < dati.righe(); ++r) {
            const auto a = valore(r);
            const auto b = valore(r + 1);
            if (!a || !b)
                continue;
            p.setPen(QPen(colore.darker(160), 0));
            p.setBrush(*b >= *a ? colore.lighter(125) : colore.darker(120));
            p.drawPolygon(Quadrilatero(piano.punto(r, *a, z0), piano.punto(r + 1, *b, z0), piano.punto(r + 1, *b, z1),
                                       piano.punto(r, *a, z1)));
        }
        if (area && dati.righe() > 0) {
            const int ultima = dati.righe() - 1;
            p.setBrush(colore.darker(130));
            p.drawPolygon(Quadrilatero(piano.punto(ultima, 0, z0), piano.punto(ultima, *valore(ultima), z0),
                                       piano.punto(ultima, *valore(ultima), z1), piano.punto(ultima, 0, z1)));
        }
        // A single point of a line still shows, as a short bar of the ribbon's depth.
        if (!area)
            for (int r = 0; r < dati.righe(); ++r) {
                const auto v = valore(r);
                const bool solo = v && (r == 0 || !valore(r - 1)) && (r + 1 >= dati.righe() || !valore(r + 1));
                if (solo) {
                    p.setPen(QPen(colore.darker(160), 2));
                    p.drawLine(piano.punto(r, *v, z0), piano.punto(r, *v, z1));
                }
            }
    }
}

} // namespace

QList<TestoPosato> ProiezioneObliqua::Disegna(QPainter& pittore, const QRectF& area, const DatiGrafico& dati)
{
    pittore.save();
    pittore.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrica(pittore.font());
    const double minimo = std::min(0.0, dati.minimo());
    const double massimo = std::max(0.0, dati.massimo());
    QStringList righe;
    for (int r = 1; r <= dati.righe(); ++r)
        righe << dati.etichetta(r);
    const bool conEtichette = std::any_of(righe.begin(), righe.end(), [](const QString& e) { return !e.isEmpty(); });
    // Bars stand side by side in one layer; lines and areas take a layer each.
    const bool barre = dati.tipo() == TipoGrafico::Barre3D || dati.tipo() == TipoGrafico::Barre;
    const int strati = barre ? 1 : dati.colonne();

    // The scale's marks stand a line and a half apart at least, and its widest mark fixes the
    // left margin; the rows' labels fix the bottom one. Each follows from the other: two
    // rounds settle both.
    Scala scala = ScalaValori(minimo, massimo);
    DisposizioneEtichette etichette;
    double margineBasso = metrica.height() + 8;
    for (int giro = 0; giro < 2; ++giro) {
        const Piano stima(area, dati, strati, scala, MargineScala(scala, metrica), margineBasso);
        if (conEtichette) {
            etichette = DisponiEtichette(righe, metrica, stima.slot(), area.height() * 0.4);
            margineBasso = std::max(etichette.ingombro, metrica.height()) + 8;
        }
        const Piano piano(area, dati, strati, scala, MargineScala(scala, metrica), margineBasso);
        scala = ScalaValori(minimo, massimo, PassiPerLunghezza(piano.frontale().height(), metrica.height() * 1.6));
    }
    const Piano piano(area, dati, strati, scala, MargineScala(scala, metrica), margineBasso);
    if (conEtichette)
        etichette = DisponiEtichette(righe, metrica, piano.slot(), margineBasso - 8);

    const QList<TestoPosato> disegnate = DisegnaPareti(pittore, piano, etichette, area);
    switch (dati.tipo()) {
    case TipoGrafico::Linee3D:
    case TipoGrafico::Linee:
        DisegnaNastri(pittore, piano, dati, false);
        break;
    case TipoGrafico::Area3D:
    case TipoGrafico::Area:
        DisegnaNastri(pittore, piano, dati, true);
        break;
    default:
        DisegnaBarre(pittore, piano, dati);
        break;
    }
    pittore.restore();
    return disegnate;
}
