// The averages window: its labels after the load, and the two needles drawn only when some
// operation gained.
#include "banco_statistiche.h"
#include "picture_box.h"

namespace {

struct Chiusa {
    const char* data;
    double GP;
    double pct;
    int qta;
    double prezzo;
};

void Chiuse(BancoStatistiche& b, std::initializer_list<Chiusa> chiuse)
{
    // The window reads the closed operations as the engine left them; one trade keeps it enabled.
    b.eseguito("2026-12-07", "Buy", 1, 1);
    for (const Chiusa& c : chiuse) {
        QSqlQuery q(b.stato.DbPortafoglio);
        q.prepare(QStringLiteral("INSERT INTO OperazioniChiuse (Data, Cod, Qta, Prezzo, GP, GPPercentuale) "
                                 "VALUES (?, 'ENI', ?, ?, ?, ?)"));
        for (const QVariant& v :
             {QVariant(c.data), QVariant(c.qta), QVariant(c.prezzo), QVariant(c.GP), QVariant(c.pct)})
            q.addBindValue(v);
        EXPECT_TRUE(q.exec());
    }
}

bool Disegnato(QWidget* finestra, const char* box)
{
    auto* p = finestra->findChild<PictureBox*>(QLatin1String(box));
    if (!p)
        return false;
    const QImage& d = p->disegno();
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x)
            if (qAlpha(d.pixel(x, y)) != 0)
                return true;
    return false;
}

TEST(FrmMedie, WorkedExample)
{
    BancoStatistiche b;
    Chiuse(b, {{"2026-12-07", 100, 2, 10, 100}, {"2026-12-07", -50, -1, 20, 100}, {"2026-12-08", 30, 0.5, 15, 100}});
    auto* w = b.principale->apriFinestra("frmMedie");
    ASSERT_NE(w, nullptr);
    const std::pair<const char*, const char*> attese[] = {
        {"lab_CapitaleInvestito", "4500"}, {"lab_CapitaleMedio", "1500"},      {"lab_MaxGain", "100"},
        {"lab_MaxLose", "-50"},            {"lab_NumOperazioniGiorno", "1,5"}, {"lab_TotGiorni", "2"},
        {"lab_GuadagnoMedio", "65"},       {"lab_PerditaMedia", "50"},         {"Lab_GMsuPM", "1,3"},
        {"lab_UtileMedioOperazione", "26"}, {"lab_UtileMedioGiorno", "40"},    {"lab_PercMediaGiorno", "0"},
        {"lab_WL", "6,7"},                 {"lab_FattoreCulo", "125"},
    };
    for (const auto& [nome, testo] : attese)
        EXPECT_EQ(b.testo("frmMedie", nome), testo) << nome;
    EXPECT_TRUE(Disegnato(w, "Picture_WL"));
    EXPECT_TRUE(Disegnato(w, "Picture_FC"));
}

TEST(FrmMedie, WithoutAGainTheLaterLabelsKeepZeroAndNoNeedleIsDrawn)
{
    BancoStatistiche b;
    Chiuse(b, {{"2026-12-07", -10, -1, 1, 10}, {"2026-12-08", -20, -2, 1, 10}});
    auto* w = b.principale->apriFinestra("frmMedie");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(b.testo("frmMedie", "lab_PerditaMedia"), "15");
    EXPECT_EQ(b.testo("frmMedie", "lab_MaxLose"), "-20");
    for (const char* nome : {"lab_UtileMedioOperazione", "lab_GuadagnoMedio", "lab_FattoreCulo", "lab_WL"})
        EXPECT_EQ(b.testo("frmMedie", nome), "0") << nome;
    EXPECT_FALSE(Disegnato(w, "Picture_WL"));
    EXPECT_FALSE(Disegnato(w, "Picture_FC"));
}

TEST(FrmMedie, NoLossLeavesTheLargestLossEmpty)
{
    BancoStatistiche b;
    Chiuse(b, {{"2026-12-07", 10, 1, 1, 10}, {"2026-12-07", 20, 2, 1, 10}});
    ASSERT_NE(b.principale->apriFinestra("frmMedie"), nullptr);
    EXPECT_EQ(b.testo("frmMedie", "lab_MaxLose"), "");
    EXPECT_EQ(b.testo("frmMedie", "lab_PerditaMedia"), "0");
    EXPECT_EQ(b.testo("frmMedie", "Lab_GMsuPM"), "0");
    EXPECT_EQ(b.testo("frmMedie", "lab_WL"), "10");
}

} // namespace
