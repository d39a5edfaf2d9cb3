#pragma once
// Reads the parts of a zip archive (an Office Open XML workbook): stored or deflated
// entries, found through the central directory. Only the directory and the entries asked
// for are read, and no entry is inflated past a fixed size, whatever its header declares.
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

#include <optional>

class ArchivioZip {
public:
    // The most one entry may hold once inflated. The parts of a workbook that are read (the
    // sheets, the shared strings, the styles) are far smaller; a larger entry counts as damaged,
    // so that a small file that inflates to gigabytes is refused before it takes the memory.
    static constexpr qint64 DimensioneMassimaVoce = 64LL * 1024 * 1024;

    // False when the file cannot be read or is not a zip archive.
    bool apri(const QString& percorso);

    // The uncompressed content of an entry; none when it is missing, damaged, or larger than
    // DimensioneMassimaVoce.
    std::optional<QByteArray> voce(const QString& nome) const;

private:
    struct Voce {
        quint16 metodo = 0;
        quint32 dimensioneCompressa = 0;
        quint32 dimensione = 0;
        quint32 posizioneLocale = 0;
    };

    QByteArray leggi(qint64 posizione, qint64 quanti) const;
    std::optional<QByteArray> decomprimi(qint64 inizio, const Voce& v) const;

    // Reading moves the file's position only: the archive's content does not change.
    mutable QFile file_;
    QHash<QString, Voce> voci_;
};
