#include "grafico.h"

#include "colori_serie.h"
#include "didascalie_grafico.h"
#include "disegno_qt_charts.h"
#include "numeri_grafico.h"
#include "tela_proiezione.h"
#include "testi_scena.h"

#include <QChart>
#include <QChartView>
#include <QTimer>

Grafico::Grafico(QWidget* parent) : QWidget(parent)
{
    titoloVista_ = new TitoloGrafico(this);
    legenda_ = new LegendaGrafico(this);
    auto* grafico = new QChart;
    disegno_ = std::make_unique<DisegnoQtCharts>(grafico, dati_);
    vista_ = new QChartView(grafico, this);
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setFrameShape(QFrame::NoFrame);
    tela3D_ = new TelaProiezione(dati_, this);
    tela3D_->hide();
    legenda_->hide();
    titoloVista_->hide();
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

Grafico::~Grafico() = default;

QColor Grafico::coloreSerie(int colonna) const
{
    return ColoreDiColonna(dati_.tipo(), colonna);
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

// Title on top, legend at the foot, each as high as its lines; the chart between them.
void Grafico::disponi()
{
    const int larghezza = width();
    int alto = titoloVista_->altezzaPer(larghezza);
    int basso = legenda_->altezzaPer(larghezza);
    // In a chart too low for them, the legend and then the title are left out, not cut.
    if (alto + basso > height())
        basso = 0;
    if (alto > height())
        alto = 0;
    titoloVista_->setGeometry(0, 0, larghezza, alto);
    titoloVista_->setVisible(alto > 0);
    legenda_->setGeometry(0, height() - basso, larghezza, basso);
    legenda_->setVisible(basso > 0);
    const QRect area(0, alto, larghezza, std::max(0, height() - alto - basso));
    vista_->setGeometry(area);
    tela3D_->setGeometry(area);
}

bool Grafico::daCostruire() const
{
    return daRifare_ || (!disegnatoInProiezione() && vista_->size() != dimensioneCostruita_);
}

void Grafico::showEvent(QShowEvent* evento)
{
    disponi();
    if (daCostruire())
        ricostruisci();
    QWidget::showEvent(evento);
}

void Grafico::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    disponi();
    // The marks and labels of the flat kinds are fitted to the size.
    if (!disegnatoInProiezione())
        cambiato();
}

QImage Grafico::immagine(const QSize& dimensione)
{
    resize(dimensione);
    disponi();
    if (daCostruire())
        ricostruisci();
    return grab().toImage();
}

void Grafico::aggiornaLegenda()
{
    QList<LegendaGrafico::Voce> voci;
    if (dati_.colonneConNome()) {
        // A single pie has no scale: its entries carry the figures.
        const bool conValori = dati_.tipo() == TipoGrafico::Torta && dati_.righe() == 1;
        const int passo = dati_.tipo() == TipoGrafico::XY ? 2 : 1;
        for (int c = passo; c <= dati_.colonne(); c += passo) {
            QString testo = dati_.etichettaDiColonna(c);
            if (testo.isEmpty())
                continue;
            if (conValori)
                testo += QStringLiteral(": ") + TestoNumeroGrafico(dati_.valore(1, c).value_or(0));
            voci.append({coloreSerie(c), testo});
        }
    }
    legenda_->imposta(voci);
}

void Grafico::ricostruisci()
{
    daRifare_ = false;
    titoloVista_->imposta(titolo_);
    aggiornaLegenda();
    disponi();
    // The projection follows its size itself; the flat kinds fit their texts to the height,
    // and thin long lines to the width.
    const bool stessoGrafico = costruitoUnaVolta_ && dati_.stessoGrafico(costruito_) && titolo_ == titoloCostruito_;
    if (stessoGrafico && (disegnatoInProiezione() || vista_->size() == dimensioneCostruita_))
        return;
    if (stessoGrafico && vista_->width() == dimensioneCostruita_.width()) {
        dimensioneCostruita_ = vista_->size();
        disegno_->adattaTesti(vista_->size());
        return;
    }
    costruitoUnaVolta_ = true;
    costruito_ = dati_;
    titoloCostruito_ = titolo_;
    dimensioneCostruita_ = vista_->size();
    if (disegnatoInProiezione()) {
        vista_->hide();
        tela3D_->show();
        tela3D_->invalida();
        return;
    }
    disegno_->costruisci(std::max(width(), 100));
    tela3D_->hide();
    vista_->show();
    disegno_->adattaTesti(vista_->size());
}

QList<Grafico::EtichettaMostrata> Grafico::etichetteMostrate()
{
    disponi();
    if (daCostruire())
        ricostruisci();
    QList<EtichettaMostrata> mostrate;
    const QRectF tutto = QRectF(rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    auto aggiungi = [&](const QList<TestoPosato>& testi, QPoint origine, const QRectF& dentro, bool interi) {
        for (const TestoPosato& t : testi) {
            const QRectF r = t.rettangolo.translated(origine);
            mostrate.append({t.testo, r.toAlignedRect(), interi && dentro.contains(r) && tutto.contains(r)});
        }
    };
    if (titoloVista_->isVisibleTo(this))
        aggiungi(titoloVista_->righe(), titoloVista_->pos(), tutto, true);
    if (vista_->size().isEmpty()) {
        // No room left for the chart itself: nothing of it shows.
    } else if (disegnatoInProiezione()) {
        const QRectF tela = QRectF(tela3D_->geometry()).adjusted(-0.5, -0.5, 0.5, 0.5);
        aggiungi(tela3D_->etichette(), tela3D_->pos(), tela, true);
    } else {
        const QRectF vista = QRectF(vista_->geometry()).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const TestoScena& t : disegno_->testi())
            aggiungi({{t.testo, t.rettangolo}}, vista_->pos(), vista, t.intero);
    }
    if (legenda_->isVisibleTo(this))
        aggiungi(legenda_->testi(), legenda_->pos(), tutto, true);
    return mostrate;
}
