#include "disegno_qt_charts.h"

#include "colori_serie.h"
#include "disposizione_etichette.h"
#include "numeri.h"
#include "numeri_grafico.h"
#include "punti_per_pixel.h"
#include "scala_valori.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace {

// Beyond this many rows the category labels would only overlap.
constexpr int MassimoEtichette = 60;
// Qt Charts gives an axis at most this share of the chart's height.
constexpr double QuotaAsse = 0.4;

// A filled band between two edges, its colour seen through when other columns share the plot.
// The area does not own its edges: they are its children, so the chart's removal of the area
// at the next rebuild frees them too.
QAreaSeries* NuovaArea(const QList<QPointF>& alto, const QList<QPointF>& basso, QColor colore, bool traPiu)
{
    auto* area = new QAreaSeries;
    auto* sopra = new QLineSeries(area);
    auto* sotto = new QLineSeries(area);
    sopra->append(alto);
    sotto->append(basso);
    area->setUpperSeries(sopra);
    area->setLowerSeries(sotto);
    area->setBorderColor(colore.darker(140));
    if (traPiu)
        colore.setAlpha(170);
    area->setColor(colore);
    return area;
}

// Qt Charts shows a category's text as rich text and drops a category it already holds: each
// text is escaped, its lines joined by breaks, and a repeated one (or a row left without
// label) gets invisible blanks appended so that it stays a category of its own.
QStringList Categorie(const QStringList& testi)
{
    QStringList categorie;
    std::set<QString> viste;
    for (const QString& t : testi) {
        QString c = t.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
        if (c.isEmpty())
            c += QChar(0x200B);
        while (viste.count(c))
            c += QChar(0x200B);
        viste.insert(c);
        categorie << c;
    }
    return categorie;
}

// Sets the axis to the round scale of [minimo, massimo] in at most `passi` steps, its marks
// written with the decimals the step needs; answers whether anything changed.
bool ApplicaScala(QValueAxis* asse, double minimo, double massimo, int passi)
{
    const Scala s = ScalaValori(minimo, massimo, passi);
    const int tacche = s.tacche();
    const QString formato = FormatoDecimali(s.decimali());
    if (asse->min() == s.minimo && asse->max() == s.massimo && asse->tickCount() == tacche
        && asse->labelFormat() == formato)
        return false;
    asse->setRange(s.minimo, s.massimo);
    asse->setTickCount(tacche);
    asse->setLabelFormat(formato);
    return true;
}

// The widest mark a scale of five steps over [minimo, massimo] would write.
double MarcaPiuLarga(double minimo, double massimo, const QFontMetricsF& metrica)
{
    const Scala s = ScalaValori(minimo, massimo);
    double larga = 0;
    for (double v : {s.minimo, s.massimo, s.marca(1)})
        larga = std::max(larga, metrica.horizontalAdvance(TestoNumeroGrafico(v, s.decimali())));
    return larga;
}

QValueAxis* NuovoAsse()
{
    auto* asse = new QValueAxis;
    asse->setTruncateLabels(false);
    return asse;
}

// A slice's label: its share of the pie when the legend names the columns, else its value.
QString TestoFetta(double valore, double totale, bool conNomi)
{
    if (!conNomi || !(totale > 0))
        return TestoNumeroGrafico(valore);
    return TestoNumeroGrafico(numeri::ArrotondaPari(std::abs(valore) * 100 / totale, 1)) + QLatin1Char('%');
}

} // namespace

DisegnoQtCharts::DisegnoQtCharts(QChart* grafico, const DatiGrafico& dati) : grafico_(grafico), dati_(dati)
{
    grafico_->setAnimationOptions(QChart::NoAnimation);
    grafico_->setLocalizeNumbers(true);
    grafico_->setLocale(LocaleGrafici());
    grafico_->legend()->setVisible(false);
    grafico_->setBackgroundRoundness(0);
    // Room for the half of the top and bottom marks that stands past the plot, and for the
    // last row's label.
    grafico_->setMargins(QMargins(4, 10, 10, 4));
    grafico_->layout()->setContentsMargins(0, 0, 0, 0);
}

QList<TestoScena> DisegnoQtCharts::testi() const
{
    return TestiDellaScena(*grafico_, QRectF(QPointF(0, 0), dimensione_), testiDati_);
}

// The rows along the bottom; their labels are fitted to the room once the chart is laid out.
// Beyond the rows whose labels can show, a plain scale without labels.
QAbstractAxis* DisegnoQtCharts::asseCategorie()
{
    const int righe = dati_.righe();
    if (righe > MassimoEtichette) {
        auto* asse = new QValueAxis;
        asse->setRange(-0.5, righe - 0.5);
        asse->setLabelsVisible(false);
        asse->setGridLineVisible(false);
        asse->setTickCount(2);
        return asse;
    }
    categorie_ = new QBarCategoryAxis;
    categorie_->setTruncateLabels(false);
    QStringList testi;
    for (int r = 1; r <= righe; ++r)
        testi << dati_.etichetta(r);
    categorie_->append(Categorie(testi));
    return categorie_;
}

QValueAxis* DisegnoQtCharts::asseValori(double minimo, double massimo)
{
    asseY_ = NuovoAsse();
    minimoY_ = minimo;
    massimoY_ = massimo;
    ApplicaScala(asseY_, minimo, massimo, 5);
    return asseY_;
}

void DisegnoQtCharts::costruisci(int pixel)
{
    grafico_->removeAllSeries();
    for (QAbstractAxis* asse : grafico_->axes()) {
        grafico_->removeAxis(asse);
        delete asse;
    }
    asseY_ = nullptr;
    asseX_ = nullptr;
    categorie_ = nullptr;
    torte_.clear();
    testiDati_.clear();
    const int righe = dati_.righe();
    const int colonne = dati_.colonne();
    const double minimo = std::min(0.0, dati_.minimo());
    const double massimo = std::max(0.0, dati_.massimo());

    auto assiCategorie = [&](QAbstractSeries* serie, QValueAxis* valori) {
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        serie->attachAxis(categorie);
        serie->attachAxis(valori);
    };

    auto assiSuOgniSerie = [&] {
        auto* valori = asseValori(minimo, massimo);
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        for (QAbstractSeries* s : grafico_->series()) {
            s->attachAxis(categorie);
            s->attachAxis(valori);
        }
    };

    switch (dati_.tipo()) {
    case TipoGrafico::Torta: {
        // One pie per row, side by side; a slice per column, its size the value's magnitude.
        const int n = std::max(righe, 1);
        const bool conNomi = dati_.colonneConNome();
        for (int r = 1; r <= righe; ++r) {
            auto* torta = new QPieSeries;
            torta->setName(dati_.etichetta(r));
            torta->setHorizontalPosition((r - 0.5) / n);
            torta->setPieSize(std::min(0.6, 0.6 / n));
            double totale = 0;
            for (int c = 1; c <= colonne; ++c)
                if (const auto v = dati_.valore(r, c))
                    totale += std::abs(*v);
            for (int c = 1; c <= colonne; ++c) {
                const auto v = dati_.valore(r, c);
                if (!v || *v == 0 || !std::isfinite(*v))
                    continue;
                const QString testo = TestoFetta(*v, totale, conNomi);
                auto* fetta = torta->append(testo, std::abs(*v));
                fetta->setColor(ColoreDiColonna(dati_.tipo(), c));
                fetta->setLabelPosition(QPieSlice::LabelOutside);
                fetta->setLabelVisible(true);
                testiDati_.insert(testo);
            }
            grafico_->addSeries(torta);
            torte_.append(torta);
        }
        break;
    }
    case TipoGrafico::XY: {
        double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
        bool primo = true;
        std::vector<QLineSeries*> tutte;
        for (int c = 1; c + 1 <= colonne; c += 2) {
            auto* serie = new QLineSeries;
            serie->setPointsVisible(true);
            serie->setColor(ColoreDiColonna(dati_.tipo(), c));
            for (int r = 1; r <= righe; ++r) {
                const auto x = dati_.valore(r, c);
                const auto y = dati_.valore(r, c + 1);
                if (!x || !y)
                    continue;
                serie->append(*x, *y);
                xMin = primo ? *x : std::min(xMin, *x);
                xMax = primo ? *x : std::max(xMax, *x);
                yMin = primo ? *y : std::min(yMin, *y);
                yMax = primo ? *y : std::max(yMax, *y);
                primo = false;
            }
            grafico_->addSeries(serie);
            tutte.push_back(serie);
        }
        asseX_ = NuovoAsse();
        minimoX_ = xMin;
        massimoX_ = xMax;
        ApplicaScala(asseX_, xMin, xMax, 5);
        auto* asseY = asseValori(yMin, yMax);
        grafico_->addAxis(asseX_, Qt::AlignBottom);
        grafico_->addAxis(asseY, Qt::AlignLeft);
        for (auto* s : tutte) {
            s->attachAxis(asseX_);
            s->attachAxis(asseY);
        }
        break;
    }
    case TipoGrafico::Linee: {
        // The points are thinned to what the pixels can show; the model keeps every value.
        auto* valori = asseValori(minimo, massimo);
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        // A cell without value breaks the line: each unbroken stretch is a series of its own,
        // filled before it joins the chart so that no point triggers a redraw.
        for (int c = 1; c <= colonne; ++c) {
            QList<QPointF> punti;
            auto chiudiTratto = [&] {
                if (punti.isEmpty())
                    return;
                auto* tratto = new QLineSeries;
                tratto->setColor(ColoreDiColonna(dati_.tipo(), c));
                tratto->append(PuntiPerPixel(punti, -0.5, righe - 0.5, pixel));
                // A lone point would draw nothing without its marker.
                tratto->setPointsVisible(punti.size() == 1 || righe <= MassimoEtichette);
                grafico_->addSeries(tratto);
                tratto->attachAxis(categorie);
                tratto->attachAxis(valori);
                punti.clear();
            };
            for (int r = 1; r <= righe; ++r) {
                if (const auto v = dati_.valore(r, c))
                    punti.append(QPointF(r - 1, *v));
                else
                    chiudiTratto();
            }
            chiudiTratto();
        }
        break;
    }
    case TipoGrafico::Area: {
        // Areas stand on zero; a cell without value counts as zero.
        for (int c = 1; c <= colonne; ++c) {
            QList<QPointF> alto;
            for (int r = 1; r <= righe; ++r)
                alto.append(QPointF(r - 1, dati_.valore(r, c).value_or(0)));
            alto = PuntiPerPixel(alto, -0.5, righe - 0.5, pixel);
            QList<QPointF> basso;
            for (const QPointF& a : alto)
                basso.append(QPointF(a.x(), 0));
            grafico_->addSeries(NuovaArea(alto, basso, ColoreDiColonna(dati_.tipo(), c), colonne > 1));
        }
        assiSuOgniSerie();
        break;
    }
    default: {
        // Each bar gets half its row's slot, shared by the columns. Bars narrower than a pixel
        // would vanish: the rows of one pixel column are drawn as one bar spanning all of their
        // values (a cell without value counting as zero), as the projected bars are.
        if (righe > MassimoEtichette && pixel * 0.5 < double(righe) * colonne) {
            const double righePerPixel = double(righe) / pixel;
            for (int c = 1; c <= colonne; ++c) {
                QList<QPointF> alto;
                QList<QPointF> basso;
                for (int p = 0; p < pixel; ++p) {
                    const int da = static_cast<int>(std::floor(p * righePerPixel));
                    const int a = std::min(righe, static_cast<int>(std::floor((p + 1) * righePerPixel)));
                    if (a <= da)
                        continue;
                    double su = 0;
                    double giu = 0;
                    for (int r = da; r < a; ++r) {
                        const double v = dati_.valore(r + 1, c).value_or(0);
                        su = std::max(su, v);
                        giu = std::min(giu, v);
                    }
                    alto << QPointF(da - 0.5, su) << QPointF(a - 0.5, su);
                    basso << QPointF(da - 0.5, giu) << QPointF(a - 0.5, giu);
                }
                grafico_->addSeries(NuovaArea(alto, basso, ColoreDiColonna(dati_.tipo(), c), colonne > 1));
            }
            assiSuOgniSerie();
            break;
        }
        auto* barre = new QBarSeries;
        for (int c = 1; c <= colonne; ++c) {
            auto* insieme = new QBarSet(dati_.etichettaDiColonna(c));
            insieme->setColor(ColoreDiColonna(dati_.tipo(), c));
            QList<qreal> valori;
            for (int r = 1; r <= righe; ++r)
                valori.append(dati_.valore(r, c).value_or(0));
            insieme->append(valori);
            barre->append(insieme);
        }
        grafico_->addSeries(barre);
        assiCategorie(barre, asseValori(minimo, massimo));
        break;
    }
    }
}

// The marks of the value scales stand a line and a half apart, or a mark's width along the
// bottom; the scale has as many steps as that leaves.
bool DisegnoQtCharts::adattaScale()
{
    const QRectF piano = grafico_->plotArea();
    bool cambiato = false;
    if (asseY_) {
        const QFontMetricsF metrica(asseY_->labelsFont());
        cambiato |= ApplicaScala(asseY_, minimoY_, massimoY_,
                                 PassiPerLunghezza(piano.height(), metrica.height() * 1.6));
    }
    if (asseX_) {
        const QFontMetricsF metrica(asseX_->labelsFont());
        const double marca = MarcaPiuLarga(minimoX_, massimoX_, metrica) + 2 * disposizione::Spazio;
        cambiato
            |= ApplicaScala(asseX_, minimoX_, massimoX_, PassiPerLunghezza(piano.width(), marca));
    }
    return cambiato;
}

bool DisegnoQtCharts::adattaCategorie(double ingombroMassimo)
{
    if (!categorie_ || dati_.righe() == 0)
        return false;
    QStringList etichette;
    for (int r = 1; r <= dati_.righe(); ++r)
        etichette << dati_.etichetta(r);
    const QFontMetricsF metrica(categorie_->labelsFont());
    const DisposizioneEtichette d
        = DisponiEtichette(etichette, metrica, grafico_->plotArea().width() / dati_.righe(), ingombroMassimo);
    const QStringList categorie = Categorie(d.testi);
    const int angolo = d.ruotate ? -90 : 0;
    if (categorie == categorie_->categories() && categorie_->labelsAngle() == angolo)
        return false;
    categorie_->clear();
    categorie_->append(categorie);
    categorie_->setLabelsAngle(angolo);
    for (const QString& t : d.testi)
        if (!t.isEmpty())
            testiDati_.insert(t);
    return true;
}

// Each pie as large as leaves room outside it for its slices' labels, times `riduzione`. A
// slice too thin for its label to stand apart from its neighbours' shows none when the legend
// carries its figure; with no room left for labels at all, the pie fills its place without.
bool DisegnoQtCharts::adattaTorte(double riduzione)
{
    if (torte_.isEmpty())
        return false;
    const QRectF piano = grafico_->plotArea();
    const double lato = std::min(piano.width(), piano.height());
    if (!(lato > 0))
        return false;
    const bool legendaConValori = dati_.colonneConNome() && torte_.size() == 1;
    const double posto = piano.width() / torte_.size();
    bool cambiato = false;
    for (QPieSeries* torta : torte_) {
        const QList<QPieSlice*> fette = torta->slices();
        if (fette.isEmpty())
            continue;
        const QFontMetricsF metrica(fette.first()->labelFont());
        const double braccio = fette.first()->labelArmLengthFactor();
        double largo = 0;
        for (const QPieSlice* f : fette)
            largo = std::max(largo, metrica.horizontalAdvance(f->label()) + 4);
        const double margine = 12;
        double raggio = std::min((posto / 2 - largo - margine), (piano.height() / 2 - metrica.height() - margine))
            / (1 + braccio) * riduzione;
        bool etichette = raggio >= std::min(posto, piano.height()) * 0.15;
        if (!etichette)
            raggio = std::min(posto, piano.height()) / 2 * 0.9;
        const double misura = std::clamp(2 * raggio / lato, 0.05, 1.0);
        if (std::abs(torta->pieSize() - misura) > 0.002) {
            torta->setPieSize(misura);
            cambiato = true;
        }
        for (QPieSlice* f : fette) {
            const double arco = f->angleSpan() * M_PI / 180 * raggio * (1 + braccio);
            const bool visibile = etichette && (!legendaConValori || arco >= metrica.height() * 1.5);
            if (f->isLabelVisible() != visibile) {
                f->setLabelVisible(visibile);
                cambiato = true;
            }
        }
    }
    return cambiato;
}

bool DisegnoQtCharts::testiInteri() const
{
    const QList<TestoScena> tutti = testi();
    return std::all_of(tutti.begin(), tutti.end(), [](const TestoScena& t) { return t.intero; });
}

void DisegnoQtCharts::adattaTesti(QSize dimensione)
{
    dimensione_ = dimensione;
    if (dimensione.isEmpty())
        return;
    // What a smaller size left out may show again.
    for (QValueAxis* asse : {asseX_, asseY_})
        if (asse)
            asse->setLabelsVisible(true);
    grafico_->resize(dimensione);
    auto disponiGrafico = [this] { grafico_->layout()->activate(); };
    disponiGrafico();
    // Qt Charts may give the texts less room than the estimate: the room hoped for shrinks
    // until all of them show whole.
    double ingombro = dimensione.height() * QuotaAsse - 14;
    double riduzione = 1;
    for (int giro = 0; giro < 8; ++giro) {
        bool cambiato = adattaScale();
        cambiato |= adattaCategorie(ingombro);
        cambiato |= adattaTorte(riduzione);
        if (cambiato) {
            disponiGrafico();
            continue;
        }
        if (testiInteri())
            return;
        ingombro *= 0.8;
        riduzione *= 0.85;
    }
    lasciaFuoriTagliati();
}

// The last resort of a chart too small for its texts: what still does not show whole is left
// out, one kind of text after the other.
void DisegnoQtCharts::lasciaFuoriTagliati()
{
    const std::function<void()> rimedi[] = {
        [this] {
            for (QPieSeries* t : std::as_const(torte_))
                for (QPieSlice* f : t->slices())
                    f->setLabelVisible(false);
        },
        [this] {
            if (categorie_) {
                const QStringList vuote(dati_.righe());
                categorie_->clear();
                categorie_->append(Categorie(vuote));
            }
        },
        [this] {
            if (asseX_)
                asseX_->setLabelsVisible(false);
        },
        [this] {
            if (asseY_)
                asseY_->setLabelsVisible(false);
        },
    };
    for (const auto& rimedio : rimedi) {
        if (testiInteri())
            return;
        rimedio();
        grafico_->layout()->activate();
    }
}
