#include "cifra_stringa.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(CifraStringa, FixedExamples)
{
    // "0" with first value 0x2A: (48 + 42) mod 255 = 90, xor 'V' (86) = 12.
    EXPECT_EQ(CifraConPrimoValore(ChiavePassword, "0", 0x2A), "2A C");
    EXPECT_EQ(CifraStringa("D", ChiavePassword, "2A C"), "0");
    // Below 16 a value takes a leading space; the key starts again after its last letter.
    EXPECT_EQ(CifraConPrimoValore(ChiavePassword, "", 5), " 5");
    EXPECT_EQ(CifraStringa("D", ChiavePassword, CifraConPrimoValore(ChiavePassword, "abc", 255)), "abc");
}

TEST(CifraStringa, RoundTripsAndIsRandomised)
{
    const QRegularExpression forma(QStringLiteral("^[0-9A-F ]*$"));
    for (const QString& pwd : {QString("0"), QString("Segreta 1"), QString("àèìòù"), QString("x"),
                               QString(40, QChar('z'))}) {
        const QString a = CifraStringa("E", ChiavePassword, pwd);
        EXPECT_EQ(a.size(), 2 + 2 * pwd.size());
        EXPECT_TRUE(forma.match(a).hasMatch()) << a.toStdString();
        bool ok = false;
        const int primo = a.left(2).trimmed().toInt(&ok, 16);
        EXPECT_TRUE(ok && primo >= 1 && primo <= 255);
        EXPECT_EQ(CifraStringa("D", ChiavePassword, a), pwd);
    }
    // Same text, different scrambles (a clash of the first value is 1 in 255 per try).
    QSet<QString> visti;
    for (int i = 0; i < 20; ++i)
        visti.insert(CifraStringa("E", ChiavePassword, "Segreta"));
    EXPECT_GT(visti.size(), 1);
}

TEST(CifraStringa, ShortTextsAndOtherModes)
{
    EXPECT_EQ(CifraStringa("D", ChiavePassword, "2A"), "");
    EXPECT_EQ(CifraStringa("D", ChiavePassword, "2"), "");
    EXPECT_EQ(CifraStringa("e", ChiavePassword, "abc"), "");
    EXPECT_EQ(CifraStringa("X", ChiavePassword, "abc"), "");
}
