#include "grafico.h"

#include "numeri.h"
#include "proiezione_obliqua.h"
#include "punti_per_pixel.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPixmap>
#include <QStackedLayout>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// Beyond this many rows the category labels would only overlap.
constexpr int MassimoEtichette = 60;

class Tela3D : public QWidget {
public:
    Tela3D(const DatiGrafico& dati, const QString& titolo, QWidget* genitore)
        : QWidget(genitore), dati_(dati), titolo_(titolo)
    {
        setAutoFillBackground(true);
        QPalette tavolozza = palette();
        tavolozza.setColor(QPalette::Window, Qt::white);
        setPalette(tavolozza);
    }

    // The data or the title changed: the next paint projects again.
    void invalida()
    {
        disegno_ = QPixmap();
        update();
    }

protected:
    // Other windows passing over the chart repaint it often; the projection is drawn once per
    // change of data or size and then copied.
    void paintEvent(QPaintEvent*) override
    {
        const qreal rapporto = devicePixelRatioF();
        const QSize pixel = (QSizeF(size()) * rapporto).toSize();
        if (disegno_.isNull() || disegno_.size() != pixel) {
            disegno_ = QPixmap(pixel);
            disegno_.setDevicePixelRatio(rapporto);
            disegno_.fill(Qt::transparent);
            QPainter p(&disegno_);
            p.setFont(font());
            p.setPen(palette().color(QPalette::WindowText));
            QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
            if (!titolo_.isEmpty()) {
                const QFontMetricsF m(p.font());
                p.drawText(QRectF(area.left(), area.top(), area.width(), m.height()), Qt::AlignHCenter, titolo_);
                area.setTop(area.top() + m.height() + 4);
            }
            ProiezioneObliqua::Disegna(p, area, dati_);
        }
        QPainter(this).drawPixmap(0, 0, disegno_);
    }

    void changeEvent(QEvent* evento) override
    {
        if (evento->type() == QEvent::FontChange || evento->type() == QEvent::PaletteChange)
            disegno_ = QPixmap();
        QWidget::changeEvent(evento);
    }

private:
    const DatiGrafico& dati_;
    const QString& titolo_;
    QPixmap disegno_;
};

// Qt's category axis drops a label it already holds; a row's label must show even when
// another row has the same one, so repeated labels get invisible blanks appended.
QStringList EtichetteUniche(const DatiGrafico& dati)
{
    QStringList etichette;
    std::set<QString> viste;
    for (int r = 1; r <= dati.righe(); ++r) {
        QString e = dati.etichetta(r);
        while (viste.count(e))
            e += QChar(0x200B);
        viste.insert(e);
        etichette << e;
    }
    return etichette;
}

bool ColonneConNome(const DatiGrafico& dati)
{
    for (int c = 1; c <= dati.colonne(); ++c)
        if (!dati.etichettaDiColonna(c).isEmpty())
            return true;
    return false;
}

QValueAxis* AsseValori(double minimo, double massimo)
{
    const auto s = ProiezioneObliqua::ScalaValori(minimo, massimo);
    auto* asse = new QValueAxis;
    asse->setRange(s.minimo, s.massimo);
    asse->setTickCount(int(std::lround((s.massimo - s.minimo) / s.passo)) + 1);
    return asse;
}

} // namespace

Grafico::Grafico(QWidget* parent) : QWidget(parent)
{
    pagine_ = new QStackedLayout(this);
    pagine_->setContentsMargins(0, 0, 0, 0);
    grafico_ = new QChart;
    grafico_->setAnimationOptions(QChart::NoAnimation);
    grafico_->setLocalizeNumbers(true);
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    // Our numbers never group digits.
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    grafico_->setLocale(italiano);
    grafico_->legend()->setVisible(false);
    vista_ = new QChartView(grafico_, this);
    vista_->setRenderHint(QPainter::Antialiasing);
    tela3D_ = new Tela3D(dati_, titolo_, this);
    pagine_->addWidget(vista_);
    pagine_->addWidget(tela3D_);
}

void Grafico::setChartType(int tipo)
{
    if (dati_.impostaTipo(tipo))
        cambiato();
}

void Grafico::setRowCount(int n)
{
    dati_.impostaRighe(n);
    cambiato();
}

void Grafico::setColumnCount(int n)
{
    dati_.impostaColonne(n);
    cambiato();
}

void Grafico::setRow(int r)
{
    dati_.impostaRiga(r);
}

void Grafico::setColumn(int c)
{
    dati_.impostaColonna(c);
}

void Grafico::setData(const QString& testo)
{
    dati_.impostaDato(testo);
    cambiato();
}

void Grafico::setData(double valore)
{
    dati_.impostaDato(DatiGrafico::Cella(valore));
    cambiato();
}

void Grafico::setRowLabel(const QString& testo)
{
    dati_.impostaEtichettaRiga(testo);
    cambiato();
}

void Grafico::setColumnLabel(const QString& testo)
{
    dati_.impostaEtichettaColonna(testo);
    cambiato();
}

void Grafico::setChartData(const std::vector<double>& riga)
{
    dati_.caricaRiga(riga);
    cambiato();
}

void Grafico::setChartData(const std::vector<std::vector<std::optional<double>>>& tabella)
{
    dati_.caricaTabella(tabella);
    cambiato();
}

void Grafico::setTitolo(const QString& testo)
{
    titolo_ = testo;
    cambiato();
}

// A window sets cells one by one; the chart is rebuilt once, when control returns to the loop.
void Grafico::cambiato()
{
    daRifare_ = true;
    if (inCoda_)
        return;
    inCoda_ = true;
    QTimer::singleShot(0, this, [this] {
        inCoda_ = false;
        if (daRifare_)
            ricostruisci();
    });
}

void Grafico::showEvent(QShowEvent* evento)
{
    if (daRifare_)
        ricostruisci();
    QWidget::showEvent(evento);
}

QImage Grafico::immagine(const QSize& dimensione)
{
    resize(dimensione);
    pagine_->setGeometry(QRect(QPoint(0, 0), dimensione));
    if (daRifare_)
        ricostruisci();
    return grab().toImage();
}

void Grafico::ricostruisci()
{
    daRifare_ = false;
    // The flat kinds lay out their axes on the width; the projection follows its size itself.
    if (costruitoUnaVolta_ && dati_.stessoGrafico(costruito_) && titolo_ == titoloCostruito_
        && (disegnatoInProiezione() || width() == larghezzaCostruita_))
        return;
    costruitoUnaVolta_ = true;
    costruito_ = dati_;
    titoloCostruito_ = titolo_;
    larghezzaCostruita_ = width();
    if (disegnatoInProiezione()) {
        pagine_->setCurrentWidget(tela3D_);
        static_cast<Tela3D*>(tela3D_)->invalida();
        return;
    }
    costruisciGrafico2D();
    pagine_->setCurrentWidget(vista_);
}

// The rows along the bottom: their labels, turned when too wide for their place so they
// show whole. Beyond the rows whose labels can show, a plain scale without labels.
QAbstractAxis* Grafico::asseCategorie()
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
    auto* asse = new QBarCategoryAxis;
    const QStringList etichette = EtichetteUniche(dati_);
    asse->append(etichette);
    asse->setTruncateLabels(false);
    if (righe > 0) {
        const QFontMetrics metrica(asse->labelsFont());
        int larga = 0;
        for (const QString& e : etichette)
            larga = std::max(larga, metrica.horizontalAdvance(e));
        const double spazio = std::max(1.0, (width() - 90.0) / righe);
        if (larga + 6 > spazio)
            asse->setLabelsAngle(-90);
    }
    return asse;
}

void Grafico::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    // The turn of the category labels depends on the width.
    if (!disegnatoInProiezione())
        cambiato();
}

void Grafico::costruisciGrafico2D()
{
    grafico_->removeAllSeries();
    for (QAbstractAxis* asse : grafico_->axes()) {
        grafico_->removeAxis(asse);
        delete asse;
    }
    grafico_->setTitle(titolo_);
    const int righe = dati_.righe();
    const int colonne = dati_.colonne();
    const double minimo = std::min(0.0, dati_.minimo());
    const double massimo = std::max(0.0, dati_.massimo());
    grafico_->legend()->setVisible(ColonneConNome(dati_));

    auto assiCategorie = [&](QAbstractSeries* serie, QValueAxis* valori) {
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        serie->attachAxis(categorie);
        serie->attachAxis(valori);
    };

    switch (dati_.tipo()) {
    case TipoGrafico::Torta: {
        // One pie per row, side by side; a slice per column, its size the value's magnitude.
        const int n = std::max(righe, 1);
        for (int r = 1; r <= righe; ++r) {
            auto* torta = new QPieSeries;
            torta->setName(dati_.etichetta(r));
            torta->setHorizontalPosition((r - 0.5) / n);
            torta->setPieSize(std::min(0.9, 0.95 / n));
            for (int c = 1; c <= colonne; ++c) {
                const auto v = dati_.valore(r, c);
                if (!v || *v == 0 || !std::isfinite(*v))
                    continue;
                const QString nome = dati_.etichettaDiColonna(c);
                auto* fetta = torta->append(nome.isEmpty() ? numeri::TestoNumero(*v) : nome, std::abs(*v));
                fetta->setColor(ProiezioneObliqua::ColoreSerie(c));
                fetta->setLabelVisible(righe <= 4);
            }
            grafico_->addSeries(torta);
        }
        break;
    }
    case TipoGrafico::XY: {
        auto* asseX = new QValueAxis;
        double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
        bool primo = true;
        std::vector<QLineSeries*> tutte;
        for (int c = 1; c + 1 <= colonne; c += 2) {
            auto* serie = new QLineSeries;
            serie->setName(dati_.etichettaDiColonna(c + 1));
            serie->setPointsVisible(true);
            serie->setColor(ProiezioneObliqua::ColoreSerie((c + 1) / 2));
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
        const auto sx = ProiezioneObliqua::ScalaValori(xMin, xMax);
        asseX->setRange(sx.minimo, sx.massimo);
        asseX->setTickCount(int(std::lround((sx.massimo - sx.minimo) / sx.passo)) + 1);
        auto* asseY = AsseValori(yMin, yMax);
        grafico_->addAxis(asseX, Qt::AlignBottom);
        grafico_->addAxis(asseY, Qt::AlignLeft);
        for (auto* s : tutte) {
            s->attachAxis(asseX);
            s->attachAxis(asseY);
        }
        break;
    }
    case TipoGrafico::Linee: {
        // The points are thinned to what the pixels can show; the model keeps every value.
        const int pixel = std::max(width(), 100);
        auto* valori = AsseValori(minimo, massimo);
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        // A cell without value breaks the line: each unbroken stretch is a series of its own,
        // filled before it joins the chart so that no point triggers a redraw.
        for (int c = 1; c <= colonne; ++c) {
            bool primoTratto = true;
            QList<QPointF> punti;
            auto chiudiTratto = [&] {
                if (punti.isEmpty())
                    return;
                auto* tratto = new QLineSeries;
                tratto->setName(dati_.etichettaDiColonna(c));
                tratto->setColor(ProiezioneObliqua::ColoreSerie(c));
                tratto->append(PuntiPerPixel(punti, -0.5, righe - 0.5, pixel));
                // A lone point would draw nothing without its marker.
                tratto->setPointsVisible(punti.size() == 1 || righe <= MassimoEtichette);
                grafico_->addSeries(tratto);
                tratto->attachAxis(categorie);
                tratto->attachAxis(valori);
                if (!primoTratto)
                    for (QLegendMarker* m : grafico_->legend()->markers(tratto))
                        m->setVisible(false);
                primoTratto = false;
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
        const int pixel = std::max(width(), 100);
        for (int c = 1; c <= colonne; ++c) {
            QList<QPointF> alto;
            for (int r = 1; r <= righe; ++r)
                alto.append(QPointF(r - 1, dati_.valore(r, c).value_or(0)));
            alto = PuntiPerPixel(alto, -0.5, righe - 0.5, pixel);
            QList<QPointF> basso;
            for (const QPointF& a : alto)
                basso.append(QPointF(a.x(), 0));
            // The area does not own its edges: they are its children, so the chart's removal
            // of the area at the next rebuild frees them too.
            auto* area = new QAreaSeries;
            auto* sopra = new QLineSeries(area);
            auto* sotto = new QLineSeries(area);
            sopra->append(alto);
            sotto->append(basso);
            area->setUpperSeries(sopra);
            area->setLowerSeries(sotto);
            area->setName(dati_.etichettaDiColonna(c));
            QColor colore = ProiezioneObliqua::ColoreSerie(c);
            area->setBorderColor(colore.darker(140));
            if (colonne > 1)
                colore.setAlpha(170);
            area->setColor(colore);
            grafico_->addSeries(area);
        }
        auto* valori = AsseValori(minimo, massimo);
        auto* categorie = asseCategorie();
        grafico_->addAxis(categorie, Qt::AlignBottom);
        grafico_->addAxis(valori, Qt::AlignLeft);
        for (QAbstractSeries* s : grafico_->series()) {
            s->attachAxis(categorie);
            s->attachAxis(valori);
        }
        break;
    }
    default: {
        auto* barre = new QBarSeries;
        for (int c = 1; c <= colonne; ++c) {
            auto* insieme = new QBarSet(dati_.etichettaDiColonna(c));
            insieme->setColor(ProiezioneObliqua::ColoreSerie(c));
            QList<qreal> valori;
            for (int r = 1; r <= righe; ++r)
                valori.append(dati_.valore(r, c).value_or(0));
            insieme->append(valori);
            barre->append(insieme);
        }
        grafico_->addSeries(barre);
        assiCategorie(barre, AsseValori(minimo, massimo));
        break;
    }
    }
}
