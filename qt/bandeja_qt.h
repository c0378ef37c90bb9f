#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <optional>

#include "shell/bandeja.h"

namespace tarvolo {

// What a record asks of the icon, read back from its bytes.
struct PeticionIcono {
    bool conIcono = false, conTip = false, conGlobo = false;
    QIcon icono;
    QString tip;
    QString textoGlobo;  // empty: no balloon
    QString tituloGlobo;
    QSystemTrayIcon::MessageIcon iconoGlobo = QSystemTrayIcon::NoIcon;
};
PeticionIcono leerPeticion(const RegistroNotificacion& registro);

// The mouse message the platform would send for what Qt reports; nothing for
// the rest (middle click, unknown).
std::optional<std::uint32_t> mensajeDeActivacion(QSystemTrayIcon::ActivationReason motivo);

// The notification area through QSystemTrayIcon.
class BandejaQt final : public QObject, public Bandeja {
    Q_OBJECT
public:
    BandejaQt();
    ~BandejaQt() override;

    // 5 where the desktop has a tray that shows balloons, 4 where it has a
    // tray without them, nothing where it has none.
    std::optional<std::uint32_t> version() override;
    // Fails where the desktop has no tray, or when the icon is already there.
    bool agregar(const RegistroNotificacion& registro) override;
    bool modificar(const RegistroNotificacion& registro) override;
    bool eliminar(const RegistroNotificacion& registro) override;
    std::uint32_t iconoDeSemana(int semana) override;
    void exportarMenu(Ventana& propietaria, std::string_view menu) override;

    // The user's mouse over the icon, as the shell reports it.
    void notificar(std::uint32_t mensaje) const { raton(mensaje); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Globo {
        QString titulo, texto;
        QSystemTrayIcon::MessageIcon icono;
    };

    void aplicarIconoYTip(const PeticionIcono& peticion);
    void aplicarGlobo(const PeticionIcono& peticion);
    void mostrarGlobo(const Globo& globo);
    void mostrarPendiente();

    std::unique_ptr<QSystemTrayIcon> icono_;
    // The icon's own window where the tray embeds one (XEmbed), and the
    // balloon waiting for the tray to place it.
    QPointer<QWindow> ventanaIcono_;
    std::optional<Globo> pendiente_;
    QPointer<QMenu> menu_;
    QTimer esperaGlobo_;
};

}  // namespace tarvolo
