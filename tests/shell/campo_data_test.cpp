#include "campo_data.h"
#include "data_scritta.h"
#include "messaggi_prova.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

inline void PrintTo(const QDate& d, std::ostream* os)
{
    *os << d.toString(Qt::ISODate).toStdString();
}

namespace {

const QDate Prima(2025, 12, 31);

// A date field between two boxes, reached by Tab as a keyboard user reaches it.
class CampoDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* righe = new QVBoxLayout(&finestra);
        righe->addWidget(precedente);
        righe->addWidget(campo);
        righe->addWidget(seguente);
        finestra.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
        raggiungi();
    }

    // The field shows its first date again and is reached by Tab, its date selected.
    void raggiungi()
    {
        campo->setDate(Prima);
        precedente->setFocus();
        QTest::keyClick(precedente, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), campo);
        messaggi.mostrati.clear();
    }

    QString testo() const { return campo->findChild<QLineEdit*>()->text(); }

    MessaggiProva messaggi;
    QWidget finestra;
    QLineEdit* precedente = new QLineEdit(&finestra);
    CampoData* campo = CreaCampoData(&finestra, "dtp_Data", messaggi);
    QLineEdit* seguente = new QLineEdit(&finestra);
};

int AnnoDi(int dueCifre)
{
    return date::AnnoDaDueCifre(dueCifre, QDate::currentDate().year());
}

} // namespace

// What the user types over the selected date ('\b' is Backspace), then Tab.
TEST_F(CampoDataTest, TypedAsShownIsThatDate)
{
    const struct {
        const char* tasti;
        QDate data;
    } casi[] = {
        {"12/01/2026", QDate(2026, 1, 12)},
        {"1/2/2026", QDate(2026, 2, 1)},
        {"01/02/26", QDate(AnnoDi(26), 2, 1)},
        {"12012026", QDate(2026, 1, 12)},
        {"120126", QDate(AnnoDi(26), 1, 12)},
        {"5.3.2024", QDate(2024, 3, 5)},
        {"29-2-2024", QDate(2024, 2, 29)},
        {"12/01/2027\b6", QDate(2026, 1, 12)},
        {"12a/01 /2026", QDate(2026, 1, 12)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tasti);
        raggiungi();
        QTest::keyClicks(campo, QString::fromLatin1(c.tasti));
        QTest::keyClick(campo, Qt::Key_Tab);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(campo->date(), c.data);
        EXPECT_EQ(testo(), c.data.toString("dd/MM/yyyy"));
        EXPECT_EQ(QApplication::focusWidget(), seguente);
    }
}

TEST_F(CampoDataTest, EnterTakesTheTypedDate)
{
    QTest::keyClicks(campo, "1/2/2026");
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(campo->date(), QDate(2026, 2, 1));
    EXPECT_EQ(testo(), "01/02/2026");
}

// A text that is no date is refused with a word, stays as typed to be corrected, and the
// field keeps the focus and its date; typed again right, it is taken.
TEST_F(CampoDataTest, NoDateIsRefusedAndKept)
{
    const struct {
        const char* tasti;
        Qt::Key lascia;
        const char* messaggio;
    } casi[] = {
        {"31/02/2026", Qt::Key_Tab, "\"31/02/2026\" non è una data"},
        {"12/13/2026", Qt::Key_Tab, "\"12/13/2026\" non è una data"},
        {"1/2/202", Qt::Key_Return, "\"1/2/202\" non è una data"},
        {"12/01", Qt::Key_Tab, "\"12/01\" non è una data"},
        {"1202026", Qt::Key_Up, "\"1202026\" non è una data"},
        {"\b", Qt::Key_Tab, "Manca la data"},
    };
    const QString come = QStringLiteral(": scrivere giorno, mese e anno, per esempio 12/01/2026, 1/2/26 o 12012026.");
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tasti);
        raggiungi();
        QTest::keyClicks(campo, QString::fromLatin1(c.tasti));
        const QString scritto = testo();
        QTest::keyClick(campo, c.lascia);
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].testo, QString::fromUtf8(c.messaggio) + come);
        EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
        EXPECT_EQ(testo(), scritto);
        EXPECT_EQ(campo->date(), Prima);
        EXPECT_EQ(QApplication::focusWidget(), campo);
        EXPECT_FALSE(campo->dataScritta().has_value());

        QTest::keyClicks(campo, "3/4/2026");
        QTest::keyClick(campo, Qt::Key_Tab);
        EXPECT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(campo->date(), QDate(2026, 4, 3));
        EXPECT_EQ(QApplication::focusWidget(), seguente);
    }
}

// Left by the mouse, a text that is no date stays; what then reads the field refuses it.
TEST_F(CampoDataTest, LeftWithNoDateTheReaderRefusesIt)
{
    QTest::keyClicks(campo, "31/02/2026");
    QTest::mouseClick(seguente, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), seguente);
    EXPECT_EQ(testo(), "31/02/2026");
    EXPECT_TRUE(messaggi.mostrati.isEmpty());

    EXPECT_FALSE(campo->dataConfermata().has_value());
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("\"31/02/2026\" non è una data"));
    EXPECT_EQ(QApplication::focusWidget(), campo);
    EXPECT_EQ(campo->date(), Prima);

    QTest::keyClicks(campo, "28/02/2026");
    QTest::mouseClick(seguente, Qt::LeftButton);
    EXPECT_EQ(campo->dataConfermata(), QDate(2026, 2, 28));
    EXPECT_EQ(messaggi.mostrati.size(), 1);
}

// The arrows step the part under the caret of the date as typed.
TEST_F(CampoDataTest, ArrowsStepThePartUnderTheCaret)
{
    QTest::keyClicks(campo, "1/2/2026");
    QTest::keyClick(campo, Qt::Key_Up);
    EXPECT_EQ(campo->date(), QDate(2027, 2, 1));
    QTest::keyClick(campo, Qt::Key_Home);
    QTest::keyClick(campo, Qt::Key_Up);
    EXPECT_EQ(campo->date(), QDate(2027, 2, 2));
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(campo, "15032026");
    QTest::keyClick(campo, Qt::Key_Left);
    QTest::keyClick(campo, Qt::Key_Left);
    QTest::keyClick(campo, Qt::Key_Left);
    QTest::keyClick(campo, Qt::Key_Left);
    QTest::keyClick(campo, Qt::Key_Left);
    QTest::keyClick(campo, Qt::Key_Up);
    EXPECT_EQ(campo->date(), QDate(2026, 4, 15));
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}
