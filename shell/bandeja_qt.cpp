#include "bandeja_qt.h"

#include <QApplication>
#include <QStyle>

#include "identificadores.h"

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

}  // namespace

PeticionIcono leerPeticion(const RegistroNotificacion& r) {
    PeticionIcono p;
    const std::uint32_t flags = r.uFlags();
    p.conIcono = (flags & RegistroNotificacion::kIcono) != 0;
    p.conTip = (flags & RegistroNotificacion::kTip) != 0;
    // The balloon fields exist only in the long record.
    p.conGlobo = (flags & RegistroNotificacion::kGlobo) != 0 && r.cbSize() >= RegistroNotificacion::kTamano;
    p.icono = iconoDeIdentificador(r.hIcon());
    // A short record ends inside szTip: its first 64 bytes are all there is.
    p.tip = r.cbSize() >= RegistroNotificacion::kTamano
                ? r.szTip()
                : r.texto(RegistroNotificacion::kSzTip,
                          RegistroNotificacion::kTamanoCorto - RegistroNotificacion::kSzTip);
    if (p.conGlobo) {
        p.textoGlobo = r.szInfo();
        p.tituloGlobo = r.szInfoTitle();
        p.iconoGlobo = iconoDelGlobo(r.dwInfoFlags());
    }
    return p;
}

std::optional<quint32> mensajeDeActivacion(QSystemTrayIcon::ActivationReason motivo) {
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

BandejaQt::BandejaQt(QObject* padre) : Bandeja(padre) {}
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
            if (const auto mensaje = mensajeDeActivacion(motivo)) emit mensajeRaton(*mensaje);
        },
        Qt::QueuedConnection);
    aplicar(registro);
    icono_->show();
    return true;
}

bool BandejaQt::modificar(const RegistroNotificacion& registro) {
    if (!icono_) return false;
    aplicar(registro);
    return true;
}

bool BandejaQt::eliminar(const RegistroNotificacion&) {
    if (!icono_) return false;
    icono_->hide();
    icono_.reset();
    return true;
}

void BandejaQt::aplicar(const RegistroNotificacion& registro) {
    const PeticionIcono p = leerPeticion(registro);
    if (p.conIcono || icono_->icon().isNull()) {
        // The tray refuses an icon-less entry; the style's stands in when the
        // owner has none.
        icono_->setIcon(p.icono.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon)
                                         : p.icono);
    }
    if (p.conTip) icono_->setToolTip(p.tip);
    // Like the platform, every update that carries balloon text shows it
    // again. Qt cannot take a shown balloon back, so an empty text only stops
    // further ones.
    if (p.conGlobo && !p.textoGlobo.isEmpty()) icono_->showMessage(p.tituloGlobo, p.textoGlobo, p.iconoGlobo);
}

}  // namespace tarvolo
