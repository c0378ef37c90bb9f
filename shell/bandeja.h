#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "registro_notificacion.h"

class QMenu;

namespace tarvolo {

// The notification area as the tray object sees it: a version query, add,
// modify and delete given the whole record, and the mouse messages the user's
// actions on the icon produce (0x201..0x206 for the buttons, 0x200 for plain
// movement).
class Bandeja : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Bandeja() override = default;

    // The shell's major version, or nothing when it cannot be read.
    virtual std::optional<std::uint32_t> version() = 0;
    virtual bool agregar(const RegistroNotificacion& registro) = 0;
    virtual bool modificar(const RegistroNotificacion& registro) = 0;
    virtual bool eliminar(const RegistroNotificacion& registro) = 0;
    // The icon's menu, for the trays that show it themselves (those that
    // talk D-Bus show only a menu the item publishes). Null: none.
    virtual void exportarMenu(QMenu*) {}

signals:
    void mensajeRaton(quint32 mensaje);
};

}  // namespace tarvolo
