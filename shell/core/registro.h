#pragma once
// A registry of our own: keys under a few root keys, each holding named values of a type,
// kept in one text file in the user's configuration folder. Key paths and value names are
// matched without regard to case, as the platform registry does; the first spelling written
// is the one kept in the file. The empty value name is the key's default value.
//
// The file, "registro.reg", reads like this (";" starts a comment):
//
//   [HKEY_CLASSES_ROOT\Gavrel]
//   @="Brunivox"
//   "EditFlags"=dword:00000000
//
// A section is a root and a key path; a value line is a quoted name (or @ for the default
// value), "=", and a quoted text (REG_SZ; \\ and \" stand for themselves, \n and \r for line
// breaks), dword: and eight hexadecimal digits (REG_DWORD), or hex: and comma-separated bytes
// (any other type, kept as it is).
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

using ChiaveRadice = std::uint32_t;
inline constexpr ChiaveRadice HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr ChiaveRadice HKEY_CURRENT_USER = 0x80000001u;
inline constexpr ChiaveRadice HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr ChiaveRadice HKEY_USERS = 0x80000003u;

// The store of the current user: registro.reg in the "Brunivox" folder of the configuration
// folder ($XDG_CONFIG_HOME, by default ~/.config).
QString FileRegistro();

class ArchivioRegistro {
public:
    enum class Tipo { Stringa, Dword, Altro };   // REG_SZ, REG_DWORD, anything else
    struct Valore {
        QString nome;
        Tipo tipo = Tipo::Stringa;
        QString testo;            // REG_SZ
        std::uint32_t numero = 0; // REG_DWORD
        QByteArray dati;          // any other type
    };

    // An empty store that belongs to no file.
    ArchivioRegistro() = default;
    // Reads the file; a missing file is an empty store. A file with a line it cannot read is
    // kept whole and never written over (salva() then fails), so nothing the user wrote is lost.
    explicit ArchivioRegistro(const QString& file);

    bool leggibile() const { return leggibile_; }
    // Writes the store back to its file (atomically). False when it cannot: the caller decides
    // whether that matters.
    bool salva() const;
    bool modificato() const { return modificato_; }

    // The value, or nothing when the key or the value does not exist.
    std::optional<Valore> valore(ChiaveRadice radice, const QString& percorso, const QString& nome) const;
    // Creates the key when missing and sets the value; nothing changes when it holds that already.
    void imposta(ChiaveRadice radice, const QString& percorso, const Valore& valore);
    // Number of keys (for checks).
    int numeroChiavi() const { return static_cast<int>(chiavi_.size()); }

private:
    struct Chiave {
        ChiaveRadice radice;
        QString percorso;         // as first written, without leading or doubled separators
        std::vector<Valore> valori;
    };
    const Chiave* trova(ChiaveRadice radice, const QString& percorso) const;
    bool leggi(const QByteArray& contenuto);

    QString file_;
    std::vector<Chiave> chiavi_;
    bool leggibile_ = true;
    bool modificato_ = false;
};

// The three operations of the registry module, on a store.
// LeggiStringa: the REG_SZ text, cut before its first NUL; nothing for another type or a missing value.
std::optional<QString> LeggiStringa(const ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso,
                                    const QString& nome);
void ScriviStringa(ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso, const QString& nome,
                   const QString& dati);
void ScriviDword(ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso, const QString& nome,
                 std::uint32_t dati);

// The reader of the system-information launcher: the value as text ("&h" and the hexadecimal
// digits for a REG_DWORD; `valore` left as it is for another type) and true; "" and false when
// the key or the value is missing. It only reads.
bool LeggiValoreChiave(const ArchivioRegistro& archivio, ChiaveRadice radice, const QString& percorso,
                       const QString& nome, QString& valore);
