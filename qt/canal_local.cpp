#include "canal_local.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "version/identidad.h"

// A plain Unix socket rather than Qt's local socket: that one lives in
// QtNetwork, which would load Kerberos, libproxy and five more libraries at
// every start of a program that only ever sends one line to itself.

namespace tarvolo {

namespace {

// Generous: a running program that is busy still takes the call.
constexpr int kEsperaMs = 5000;

std::optional<sockaddr_un> direccion(const QString& ruta) {
    sockaddr_un d{};
    d.sun_family = AF_UNIX;
    const QByteArray nombre = QFile::encodeName(ruta);
    if (nombre.isEmpty() || static_cast<std::size_t>(nombre.size()) >= sizeof d.sun_path) return std::nullopt;
    std::memcpy(d.sun_path, nombre.constData(), static_cast<std::size_t>(nombre.size()));
    return d;
}

const sockaddr* comoSockaddr(const sockaddr_un& d) {
    return reinterpret_cast<const sockaddr*>(&d);
}

int nuevoSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

}  // namespace

// One start that called in: what it wrote so far, read as it arrives.
class CanalLocal::Cliente {
public:
    explicit Cliente(int fd) : fd(fd), aviso(fd, QSocketNotifier::Read) {}
    ~Cliente() { ::close(fd); }
    Cliente(const Cliente&) = delete;
    Cliente& operator=(const Cliente&) = delete;

    const int fd;
    QSocketNotifier aviso;
    std::string leido;
    bool terminado = false;
};

CanalLocal::CanalLocal(QString ruta) : ruta_(std::move(ruta)) {}

CanalLocal::~CanalLocal() {
    clientes_.clear();
    if (escucha_ < 0) return;
    aviso_.reset();
    ::close(escucha_);
    // The program ends: later starts find no socket rather than a dead one.
    QFile::remove(ruta_);
}

QString CanalLocal::rutaDeLaSesion() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' +
           QString::fromLatin1(kIdAplicacion.data(), static_cast<qsizetype>(kIdAplicacion.size()));
}

bool CanalLocal::avisarALaQueCorre() {
    // Two starts at the same moment must not both find no one, both clear
    // the path and both listen: from here to the end of escuchar() one start
    // holds the lock (taken over when its holder died).
    cerrojo_ = std::make_unique<QLockFile>(ruta_ + QStringLiteral(".lock"));
    if (!cerrojo_->tryLock(kEsperaMs)) cerrojo_.reset();
    if (!llamar()) return false;
    cerrojo_.reset();
    return true;
}

bool CanalLocal::llamar() {
    const auto d = direccion(ruta_);
    if (!d) return false;
    const int fd = nuevoSocket();
    if (fd < 0) return false;
    const auto cerrar = qScopeGuard([fd] { ::close(fd); });
    const timeval espera{kEsperaMs / 1000, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &espera, sizeof espera);
    if (::connect(fd, comoSockaddr(*d), sizeof *d) != 0) return false;
    std::string_view falta = kOrdenMostrarHoy;
    while (!falta.empty()) {
        const ssize_t n = ::send(fd, falta.data(), falta.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        falta.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool CanalLocal::escuchar(std::function<void()> alAviso) {
    alAviso_ = std::move(alAviso);
    const auto soltar = qScopeGuard([this] { cerrojo_.reset(); });
    const auto d = direccion(ruta_);
    if (!d) return false;
    const int fd = nuevoSocket();
    if (fd < 0) return false;
    bool enlazado = ::bind(fd, comoSockaddr(*d), sizeof *d) == 0;
    // A socket file that nobody answered is what a crash leaves behind.
    if (!enlazado && errno == EADDRINUSE && ::unlink(d->sun_path) == 0)
        enlazado = ::bind(fd, comoSockaddr(*d), sizeof *d) == 0;
    // Only this user may call: the program opens windows on request.
    if (!enlazado || ::chmod(d->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0 ||
        ::fcntl(fd, F_SETFL, O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    escucha_ = fd;
    aviso_ = std::make_unique<QSocketNotifier>(escucha_, QSocketNotifier::Read);
    QObject::connect(aviso_.get(), &QSocketNotifier::activated, aviso_.get(), [this] { atender(); });
    return true;
}

void CanalLocal::atender() {
    for (;;) {
        const int fd = ::accept4(escucha_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) break;
        auto& cliente = *clientes_.emplace_back(std::make_unique<Cliente>(fd));
        QObject::connect(&cliente.aviso, &QSocketNotifier::activated, &cliente.aviso,
                         [this, &cliente] { leer(cliente); });
        leer(cliente);
    }
}

void CanalLocal::terminar(Cliente& cliente) {
    cliente.terminado = true;
    cliente.aviso.setEnabled(false);
    // Not from inside its own notification, which is still running.
    QTimer::singleShot(0, aviso_.get(),
                       [this] { std::erase_if(clientes_, [](const auto& c) { return c->terminado; }); });
}

void CanalLocal::leer(Cliente& cliente) {
    char bloque[256];
    for (;;) {
        const ssize_t n = ::read(cliente.fd, bloque, sizeof bloque);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // The start wrote and left (0), or is gone: nothing more will come.
            if (n == 0 || errno != EAGAIN) terminar(cliente);
            break;
        }
        cliente.leido.append(bloque, static_cast<std::size_t>(n));
    }
    std::size_t fin;
    while ((fin = cliente.leido.find('\n')) != std::string::npos) {
        const bool orden = std::string_view(cliente.leido).substr(0, fin + 1) == kOrdenMostrarHoy;
        cliente.leido.erase(0, fin + 1);
        if (orden && alAviso_) alAviso_();
    }
}

}  // namespace tarvolo
