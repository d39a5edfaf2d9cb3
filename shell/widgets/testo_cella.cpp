#include "testo_cella.h"

#include "numeri.h"

bool ValoreNumerico(const QVariant& valore)
{
    switch (valore.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString TestoCella(const QVariant& valore)
{
    if (valore.isNull())
        return QString();
    return ValoreNumerico(valore) ? numeri::TestoNumero(valore.toDouble()) : valore.toString();
}
