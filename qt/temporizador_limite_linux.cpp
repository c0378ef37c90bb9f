// The alarm on Linux: a timer file on the wall clock, armed at an absolute
// time and told to give up when the clock is set (which also happens on
// resume from suspend), watched by the event loop like any other file. A
// changed time zone shows as a replaced zone file.
#include <sys/timerfd.h>
#include <unistd.h>

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>

#include "alarmas.h"

namespace tarvolo {

namespace {

class TemporizadorLimiteLinux final : public QObject, public TemporizadorLimite {
public:
    explicit TemporizadorLimiteLinux(const QString& zonaHoraria)
        : fd_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)), zona_(zonaHoraria) {
        if (fd_ >= 0) {
            aviso_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
            connect(aviso_, &QSocketNotifier::activated, this, &TemporizadorLimiteLinux::leer);
        }
        // The folder sees the file replaced (a new link, a rename); the file
        // itself sees it rewritten in place.
        vigia_.addPath(QFileInfo(zona_).absolutePath());
        vigia_.addPath(zona_);
        connect(&vigia_, &QFileSystemWatcher::directoryChanged, this, &TemporizadorLimiteLinux::zonaCambiada);
        connect(&vigia_, &QFileSystemWatcher::fileChanged, this, &TemporizadorLimiteLinux::zonaCambiada);
    }

    ~TemporizadorLimiteLinux() override {
        if (fd_ >= 0) ::close(fd_);
    }

    void armar(Fecha dia) override {
        if (fd_ < 0) return;
        itimerspec cuando{};
        cuando.it_value.tv_sec = inicioDelDiaLocal(dia);
        // A time in the past goes off at once; a clock set before it cancels.
        timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &cuando, nullptr);
    }

private:
    void leer() {
        std::uint64_t veces = 0;
        const ssize_t leido = ::read(fd_, &veces, sizeof veces);
        // Expired (8 bytes) or cancelled by a clock set (ECANCELED): either
        // way the boundary must be looked at again. Anything else woke us
        // for nothing.
        if (leido == static_cast<ssize_t>(sizeof veces) || (leido < 0 && errno == ECANCELED)) sonar();
    }

    void zonaCambiada() {
        // A replaced file drops its watch; the new one is watched again.
        if (!vigia_.files().contains(zona_) && QFileInfo::exists(zona_)) vigia_.addPath(zona_);
        // The C library reads the zone again only when asked to.
        tzset();
        sonar();
    }

    int fd_;
    QString zona_;
    QSocketNotifier* aviso_ = nullptr;
    QFileSystemWatcher vigia_;
};

}  // namespace

std::unique_ptr<TemporizadorLimite> temporizadorDelSistema(const char* zonaHoraria) {
    return std::make_unique<TemporizadorLimiteLinux>(QString::fromLocal8Bit(zonaHoraria));
}

}  // namespace tarvolo
