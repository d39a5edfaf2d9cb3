#pragma once
// Reads the parts of a zip archive (an Office Open XML workbook): stored or deflated
// entries, found through the central directory.
#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

class ArchivioZip {
public:
    // False when the file cannot be read or is not a zip archive.
    bool apri(const QString& percorso);

    // The uncompressed content of an entry; none when it is missing or damaged.
    std::optional<QByteArray> voce(const QString& nome) const;

private:
    struct Voce {
        quint16 metodo = 0;
        quint32 dimensioneCompressa = 0;
        quint32 dimensione = 0;
        quint32 posizioneLocale = 0;
    };

    QByteArray dati_;
    QHash<QString, Voce> voci_;
};
