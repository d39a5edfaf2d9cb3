#include "barra_orologi.h"

#include "campo_data.h"
#include "picture_box.h"
#include "twips.h"

#include <QHBoxLayout>
#include <QLineEdit>

namespace {

struct Orologio {
    const char* quadrante;
    const char* casella;
    const char* citta;
    int ore;
};

// No daylight-saving rule: the differences are fixed whole hours.
constexpr Orologio Orologi[BarraOrologi::NumeroOrologi] = {
    {"picClock", "Text5", "Milano", 0},
    {"picClock2", "Text4", "New York", -6},
    {"picClock3", "Text3", "Tokyo", 8},
    {"picClock4", "Text2", "Londra", -1},
    {"picClock5", "Text1", "HongKong", 7},
};

constexpr int LatoQuadrante = 56;
// 1000 twips: high enough for the faces and their city names.
constexpr int AltezzaBarra = twips::PixelPerDifetto(1000);

} // namespace

BarraOrologi::BarraOrologi(Messaggi& messaggi, QWidget* parent)
    : QToolBar(parent), data_(CreaCampoData(this, "dtp_Data", messaggi))
{
    setObjectName(QStringLiteral("Toolbar3"));
    setWindowTitle(QStringLiteral("Orologi"));
    setMovable(false);
    setMinimumHeight(AltezzaBarra);

    auto* immagine = new QWidget(this);
    immagine->setObjectName(QStringLiteral("Picture2"));
    auto* riga = new QHBoxLayout(immagine);
    riga->setContentsMargins(4, 2, 4, 2);
    riga->setSpacing(4);
    for (int i = 0; i < NumeroOrologi; ++i) {
        auto* quadrante = new PictureBox(immagine);
        quadrante->setObjectName(QLatin1String(Orologi[i].quadrante));
        quadrante->setFixedSize(LatoQuadrante, LatoQuadrante);
        quadranti_[i] = quadrante;

        auto* casella = new QLineEdit(QLatin1String(Orologi[i].citta), immagine);
        casella->setObjectName(QLatin1String(Orologi[i].casella));
        casella->setFixedWidth(76);

        riga->addWidget(quadrante);
        riga->addWidget(casella);
        if (i + 1 < NumeroOrologi)
            riga->addSpacing(8);
    }
    addWidget(immagine);
    addSeparator();

    addWidget(data_);
}

int BarraOrologi::differenzaOre(int i)
{
    return i >= 0 && i < NumeroOrologi ? Orologi[i].ore : 0;
}
