#pragma once
// The texts around a chart that would be cut if the chart drew them in its own narrow room:
// the title, wrapped at its blanks, and the legend, whose entries flow onto as many lines as
// the width needs. Both are painted whole on the chart's white and say where each text stands.
#include "disposizione_etichette.h"

#include <QColor>
#include <QList>
#include <QWidget>

class TitoloGrafico : public QWidget {
public:
    explicit TitoloGrafico(QWidget* genitore);

    void imposta(const QString& testo);
    const QString& testo() const { return testo_; }

    // The height the title needs at a width: none when it is empty.
    int altezzaPer(int larghezza) const;
    // Its lines where they stand at the present width, in the widget's pixels.
    QList<TestoPosato> righe() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString testo_;
};

class LegendaGrafico : public QWidget {
public:
    struct Voce {
        QColor colore;
        QString testo;
    };

    explicit LegendaGrafico(QWidget* genitore);

    void imposta(const QList<Voce>& voci);
    const QList<Voce>& voci() const { return voci_; }

    // The height the entries need at a width: none without entries.
    int altezzaPer(int larghezza) const;
    // Each entry's text where it stands at the present width, in the widget's pixels.
    QList<TestoPosato> testi() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    struct Posto {
        QRectF quadrato;
        QRectF testo;
        QString righe; // the entry's text, wrapped when it is wider than the legend
    };
    QList<Posto> disponi(int larghezza) const;

    QList<Voce> voci_;
};
