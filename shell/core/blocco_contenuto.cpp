#include "blocco_contenuto.h"

#include "errore_sistema.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// SQLite locks bytes from 1 GiB on, a page's worth at most; this one is far beyond them.
static_assert(sizeof(off_t) >= 8, "a 64-bit file offset is needed for the lock byte");
constexpr off_t ByteDelBlocco = off_t(1) << 40;

struct flock Intervallo(short tipo)
{
    struct flock l = {};
    l.l_type = tipo;
    l.l_whence = SEEK_SET;
    l.l_start = ByteDelBlocco;
    l.l_len = 1;
    return l;
}

int Fcntl(int descrittore, int comando, struct flock* intervallo)
{
    return ::fcntl(descrittore, comando, intervallo);
}

ChiamataBlocco Chiamata = Fcntl;

QString Motivo(int numero)
{
    return TestoErroreSistema(numero);
}

} // namespace

BloccoContenuto::BloccoContenuto(const QString& percorso, bool crea)
{
    const QByteArray nome = QFile::encodeName(percorso);
    // A file made here holds the user's figures: for the owner only.
    const int descrittore = ::open(nome.constData(), O_RDWR | O_CLOEXEC | (crea ? O_CREAT : 0), 0600);
    if (descrittore < 0) {
        errore_ = Motivo(errno);
        return;
    }
    struct flock l = Intervallo(F_WRLCK);
    if (Chiamata(descrittore, F_OFD_SETLK, &l) == 0) {
        descrittore_ = descrittore;
        stato_ = Stato::Preso;
        return;
    }
    const int numero = errno;
    if (numero == ENOLCK || numero == EINVAL || numero == ENOSYS || numero == EOPNOTSUPP) {
        descrittore_ = descrittore;
        stato_ = Stato::SenzaBlocco;
        return;
    }
    stato_ = numero == EAGAIN || numero == EACCES ? Stato::Occupato : Stato::Errore;
    errore_ = Motivo(numero);
    ::close(descrittore);
}

BloccoContenuto::~BloccoContenuto()
{
    if (descrittore_ >= 0)
        ::close(descrittore_);
}

StatoContenuto ChiediContenuto(const QString& percorso)
{
    const QByteArray nome = QFile::encodeName(percorso);
    const int descrittore = ::open(nome.constData(), O_RDONLY | O_CLOEXEC);
    if (descrittore < 0)
        return StatoContenuto::Ignoto;
    struct flock l = Intervallo(F_WRLCK);
    const StatoContenuto stato = Chiamata(descrittore, F_OFD_GETLK, &l) != 0 ? StatoContenuto::Ignoto
        : l.l_type != F_UNLCK                                                 ? StatoContenuto::Bloccato
                                                                              : StatoContenuto::Libero;
    ::close(descrittore);
    return stato;
}

bool ContenutoBloccato(const QString& percorso)
{
    return ChiediContenuto(percorso) == StatoContenuto::Bloccato;
}

ChiamataBlocco SostituisciChiamataBlocco(ChiamataBlocco chiamata)
{
    const ChiamataBlocco prima = Chiamata;
    Chiamata = chiamata ? chiamata : Fcntl;
    return prima;
}
