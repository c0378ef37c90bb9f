#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "registro_notificacion.h"

namespace tarvolo {

class Ventana;

// The notification area as the tray object sees it: a version query, add,
// modify and delete given the whole record, and the mouse messages the user's
// actions on the icon produce (0x201..0x206 for the buttons, 0x200 for plain
// movement).
class Bandeja {
public:
    virtual ~Bandeja() = default;

    // The shell's major version, or nothing when it cannot be read.
    virtual std::optional<std::uint32_t> version() = 0;
    virtual bool agregar(const RegistroNotificacion& registro) = 0;
    virtual bool modificar(const RegistroNotificacion& registro) = 0;
    virtual bool eliminar(const RegistroNotificacion& registro) = 0;

    // The program's picture with the week's number on it, as the handle an
    // icon update names.
    virtual std::uint32_t iconoDeSemana(int semana) = 0;
    // The owner window's pop-up menu, for the trays that show it themselves
    // (those that talk D-Bus show only a menu the item publishes).
    virtual void exportarMenu(Ventana& /*propietaria*/, std::string_view /*menu*/) {}

    // Who hears the mouse: one listener, or none.
    void alRaton(std::function<void(std::uint32_t)> oyente) { oyente_ = std::move(oyente); }

protected:
    // The user did something with the mouse over the icon.
    void raton(std::uint32_t mensaje) const {
        // A copy: the listener may stop listening while it listens.
        const auto oyente = oyente_;
        if (oyente) oyente(mensaje);
    }

private:
    std::function<void(std::uint32_t)> oyente_;
};

}  // namespace tarvolo
