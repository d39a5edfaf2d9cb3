#include "testi_ammessi.h"

bool HaCaratteriDiControllo(const QString& testo)
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        char32_t c = testo.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < testo.size() && testo.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(testo.at(i), testo.at(i + 1));
            ++i;
        }
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            if (QChar::isNonCharacter(c))
                return true;
        }
    }
    return false;
}

bool IniziaComeFormula(const QString& testo)
{
    static const QString inizi = QStringLiteral("=+-@\t\r");
    return !testo.isEmpty() && inizi.contains(testo.front());
}
