#include "bandeja_qt.h"

#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QWidget>

#include "disposicion.h"
#include "icono_semana.h"
#include "identificadores.h"
#include "pantalla_qt.h"

namespace tarvolo {

namespace {

// dwInfoFlags: 0 none, 1 information, 2 warning, 3 error.
QSystemTrayIcon::MessageIcon iconoDelGlobo(std::uint32_t dwInfoFlags) {
    switch (dwInfoFlags & 0x0F) {
        case 1:
            return QSystemTrayIcon::Information;
        case 2:
            return QSystemTrayIcon::Warning;
        case 3:
            return QSystemTrayIcon::Critical;
        default:
            return QSystemTrayIcon::NoIcon;
    }
}

// How long a balloon waits for the tray to place the icon before it is shown
// wherever Qt puts it.
constexpr int kEsperaGloboMs = 10000;

// The window of a freshly shown icon, where the tray embeds it into itself
// (the XEmbed tray of X11); nothing where the icon is drawn by the desktop.
QWindow* ventanaDeIconoEmbebido() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QSystemTrayIconSys")) return w->windowHandle();
    return nullptr;
}

}  // namespace

PeticionIcono leerPeticion(const RegistroNotificacion& r) {
    PeticionIcono p;
    const std::uint32_t flags = r.uFlags();
    p.conIcono = (flags & RegistroNotificacion::kIcono) != 0;
    p.conTip = (flags & RegistroNotificacion::kTip) != 0;
    // The balloon fields exist only in the long record.
    p.conGlobo = (flags & RegistroNotificacion::kGlobo) != 0 && r.cbSize() >= RegistroNotificacion::kTamano;
    p.icono = iconoDeIdentificador(r.hIcon());
    p.tip = aQt(r.tipLeido());
    if (p.conGlobo) {
        p.textoGlobo = aQt(r.szInfo());
        p.tituloGlobo = aQt(r.szInfoTitle());
        p.iconoGlobo = iconoDelGlobo(r.dwInfoFlags());
    }
    return p;
}

std::optional<std::uint32_t> mensajeDeActivacion(QSystemTrayIcon::ActivationReason motivo) {
    switch (motivo) {
        case QSystemTrayIcon::Trigger:
            return 0x202;  // left button up
        case QSystemTrayIcon::DoubleClick:
            return 0x203;  // left double click
        case QSystemTrayIcon::Context:
            return 0x205;  // right button up
        default:
            return std::nullopt;
    }
}

BandejaQt::BandejaQt() {
    esperaGlobo_.setSingleShot(true);
    esperaGlobo_.setInterval(kEsperaGloboMs);
    connect(&esperaGlobo_, &QTimer::timeout, this, &BandejaQt::mostrarPendiente);
}

BandejaQt::~BandejaQt() = default;

std::optional<std::uint32_t> BandejaQt::version() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return std::nullopt;
    return QSystemTrayIcon::supportsMessages() ? 5 : 4;
}

bool BandejaQt::agregar(const RegistroNotificacion& registro) {
    if (icono_ || !QSystemTrayIcon::isSystemTrayAvailable()) return false;
    icono_ = std::make_unique<QSystemTrayIcon>();
    // Queued, as the shell posts its notifications: a handler may pop up a
    // menu whose "Salir" removes this very icon, which Qt must not see while
    // it is still inside the icon's own mouse handling.
    connect(
        icono_.get(), &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason motivo) {
            if (const auto mensaje = mensajeDeActivacion(motivo)) raton(*mensaje);
        },
        Qt::QueuedConnection);
    // The picture and the tip first: a tray is handed the icon complete, and
    // Qt refuses to show one without a picture.
    const PeticionIcono peticion = leerPeticion(registro);
    aplicarIconoYTip(peticion);
    if (menu_) icono_->setContextMenu(menu_);
    icono_->show();
    ventanaIcono_ = ventanaDeIconoEmbebido();
    if (ventanaIcono_) ventanaIcono_->installEventFilter(this);
    aplicarGlobo(peticion);
    return true;
}

void BandejaQt::exportarMenu(Ventana& propietaria, std::string_view menu) {
    menu_ = PantallaQt::menu(propietaria, menu);
    if (icono_) icono_->setContextMenu(menu_);
}

std::uint32_t BandejaQt::iconoDeSemana(int semana) {
    return identificadorDeIcono(tarvolo::iconoDeSemana(semana));
}

bool BandejaQt::modificar(const RegistroNotificacion& registro) {
    if (!icono_) return false;
    const PeticionIcono peticion = leerPeticion(registro);
    aplicarIconoYTip(peticion);
    aplicarGlobo(peticion);
    return true;
}

bool BandejaQt::eliminar(const RegistroNotificacion&) {
    if (!icono_) return false;
    pendiente_.reset();
    esperaGlobo_.stop();
    icono_->hide();
    icono_.reset();
    return true;
}

void BandejaQt::aplicarIconoYTip(const PeticionIcono& p) {
    if (p.conIcono || icono_->icon().isNull()) {
        // The tray refuses an icon-less entry; the style's stands in when the
        // owner has none.
        icono_->setIcon(p.icono.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon)
                                         : p.icono);
    }
    if (p.conTip) icono_->setToolTip(p.tip);
}

void BandejaQt::aplicarGlobo(const PeticionIcono& p) {
    // Like the platform, every update that carries balloon text shows it
    // again. Qt cannot take a shown balloon back, so an empty text only stops
    // further ones, and the one still waiting for the tray.
    if (!p.conGlobo) return;
    if (p.textoGlobo.isEmpty())
        pendiente_.reset();
    else
        mostrarGlobo({p.tituloGlobo, p.textoGlobo, p.iconoGlobo});
}

void BandejaQt::mostrarGlobo(const Globo& globo) {
    // Qt points the balloon at the icon's window, which is only where the
    // user sees it once the tray has embedded and mapped it; until then the
    // balloon would stand at the corner of the screen.
    if (ventanaIcono_ && !ventanaIcono_->isExposed()) {
        pendiente_ = globo;
        if (!esperaGlobo_.isActive()) esperaGlobo_.start();
        return;
    }
    icono_->showMessage(globo.titulo, globo.texto, globo.icono);
}

void BandejaQt::mostrarPendiente() {
    esperaGlobo_.stop();
    if (!pendiente_ || !icono_) return;
    const Globo globo = *pendiente_;
    pendiente_.reset();
    icono_->showMessage(globo.titulo, globo.texto, globo.icono);
}

bool BandejaQt::eventFilter(QObject* objeto, QEvent* evento) {
    // Posted, so that the window has finished its own handling of the event
    // before the balloon asks where it is.
    if (objeto == ventanaIcono_ && evento->type() == QEvent::Expose && pendiente_ &&
        ventanaIcono_->isExposed())
        QMetaObject::invokeMethod(this, &BandejaQt::mostrarPendiente, Qt::QueuedConnection);
    return QObject::eventFilter(objeto, evento);
}

}  // namespace tarvolo
