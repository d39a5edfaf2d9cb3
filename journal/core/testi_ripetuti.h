#pragma once
// A long table repeats a few texts over and over (types, systems, codes, names, error codes,
// dates of one day): a column read through this keeps the texts it has seen, so that a row
// costs a comparison of bytes instead of a conversion and an allocation per text.
#include "istruzione_sqlite.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QString>

#include <vector>

class TestiRipetuti {
public:
    // The text of `colonna` in the statement's current row, as IstruzioneSqlite::Testo reads it.
    QString Testo(const IstruzioneSqlite& s, int colonna)
    {
        const QByteArrayView byte = s.Byte(colonna);
        const size_t impronta = qHash(byte);
        for (const Noto& n : noti_)
            if (n.impronta == impronta && n.byte == byte)
                return n.testo;
        QString testo = s.Testo(colonna);
        // Beyond a few dozen texts a lookup costs more than it saves.
        if (noti_.size() < 48 && !s.Nullo(colonna))
            noti_.push_back({impronta, byte.toByteArray(), testo});
        return testo;
    }

private:
    struct Noto {
        size_t impronta;
        QByteArray byte;
        QString testo;
    };
    std::vector<Noto> noti_;
};

// The texts of a column that comes sorted, such as the dates of a history read by date: only
// the last one is worth keeping.
class DateRipetute {
public:
    QString Testo(const IstruzioneSqlite& s, int colonna)
    {
        const QByteArrayView byte = s.Byte(colonna);
        if (letta_ && !s.Nullo(colonna) && byte == ultima_)
            return testo_;
        testo_ = s.Testo(colonna);
        ultima_ = byte.toByteArray();
        letta_ = !s.Nullo(colonna);
        return testo_;
    }

private:
    QByteArray ultima_;
    QString testo_;
    bool letta_ = false;
};
