#pragma once
// A long table repeats a few texts over and over (types, systems, codes, names, error codes,
// dates of one day): a column read through this keeps the texts it has seen, so that a row
// costs a comparison of bytes instead of a conversion and an allocation per text.
#include "istruzione_sqlite.h"

#include <QByteArray>
#include <QString>

#include <vector>

class TestiRipetuti {
public:
    // The text of `colonna` in the statement's current row, as IstruzioneSqlite::Testo reads it.
    QString Testo(const IstruzioneSqlite& s, int colonna)
    {
        const QByteArrayView byte = s.Byte(colonna);
        // A run of rows often repeats the text of the row before.
        if (ultimo_ && ultimo_->byte == byte)
            return ultimo_->testo;
        const size_t impronta = Impronta(byte);
        if (!posti_.empty()) {
            for (size_t i = impronta & (posti_.size() - 1);; i = (i + 1) & (posti_.size() - 1)) {
                const Noto* n = posti_[i];
                if (!n)
                    break;
                if (n->impronta == impronta && n->byte == byte) {
                    ultimo_ = n;
                    return n->testo;
                }
            }
        }
        QString testo = s.Testo(colonna);
        // Beyond a few thousand texts (a column of names or dates, not of codes) keeping
        // them costs more than it saves.
        if (noti_.size() < Massimi && !s.Nullo(colonna))
            Ricorda(impronta, byte, testo);
        return testo;
    }

private:
    struct Noto {
        size_t impronta;
        QByteArray byte;
        QString testo;
    };
    static constexpr size_t Massimi = 4096;

    // FNV-1a: a few operations a byte, on texts of a few bytes each, where a seeded hash
    // costs more than the comparison it saves.
    static size_t Impronta(QByteArrayView byte)
    {
        quint64 h = 0xcbf29ce484222325ULL;
        for (const char c : byte)
            h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        return static_cast<size_t>(h ^ (h >> 29));
    }

    void Ricorda(size_t impronta, QByteArrayView byte, const QString& testo)
    {
        if (noti_.empty())
            noti_.reserve(Massimi);   // the places below point into it: it never moves
        noti_.push_back({impronta, byte.toByteArray(), testo});
        if (posti_.size() < 2 * noti_.size()) {
            posti_.assign(posti_.empty() ? 64 : 2 * posti_.size(), nullptr);
            for (const Noto& n : noti_)
                Posa(&n);
        } else {
            Posa(&noti_.back());
        }
        ultimo_ = &noti_.back();
    }

    void Posa(const Noto* n)
    {
        size_t i = n->impronta & (posti_.size() - 1);
        while (posti_[i])
            i = (i + 1) & (posti_.size() - 1);
        posti_[i] = n;
    }

    std::vector<Noto> noti_;
    std::vector<const Noto*> posti_; // open addressing over noti_, a power of two long
    const Noto* ultimo_ = nullptr;
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
