#include "canal_local.h"

#include <QLocalSocket>
#include <QLockFile>
#include <QScopeGuard>
#include <QStandardPaths>

#include "version/identidad.h"

namespace tarvolo {

namespace {

// Generous: a running program that is busy still takes the call.
constexpr int kEsperaMs = 5000;

QString textoDe(std::string_view texto) {
    return QString::fromLatin1(texto.data(), static_cast<qsizetype>(texto.size()));
}

}  // namespace

CanalLocal::CanalLocal(QString ruta) : ruta_(std::move(ruta)) {
    servidor_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&servidor_, &QLocalServer::newConnection, &servidor_, [this] { atender(); });
}

CanalLocal::~CanalLocal() = default;

QString CanalLocal::rutaDeLaSesion() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + textoDe(kIdAplicacion);
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
    QLocalSocket socket;
    socket.connectToServer(ruta_);
    if (!socket.waitForConnected(kEsperaMs)) return false;
    socket.write(kOrdenMostrarHoy);
    const bool escrito = socket.waitForBytesWritten(kEsperaMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kEsperaMs);
    return escrito;
}

bool CanalLocal::escuchar(std::function<void()> alAviso) {
    alAviso_ = std::move(alAviso);
    const auto soltar = qScopeGuard([this] { cerrojo_.reset(); });
    if (servidor_.listen(ruta_)) return true;
    if (servidor_.serverError() != QAbstractSocket::AddressInUseError) return false;
    // A socket file that nobody answered is what a crash leaves behind.
    QLocalServer::removeServer(ruta_);
    return servidor_.listen(ruta_);
}

void CanalLocal::atender() {
    while (QLocalSocket* socket = servidor_.nextPendingConnection()) {
        const auto leer = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kOrdenMostrarHoy && alAviso_) alAviso_();
            }
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, leer);
        // A start that wrote and left at once may be seen gone before read.
        QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket, leer] {
            leer();
            socket->deleteLater();
        });
        leer();
    }
}

}  // namespace tarvolo
