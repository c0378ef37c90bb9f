#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "shell/bandeja.h"

namespace tarvolo {

// The tray back end for tests: keeps every call with the record bytes it was
// given, fails whichever operations it is told to, and lets the test play the
// user's mouse.
class BandejaGrabada final : public Bandeja {
public:
    enum class Operacion { Version, Agregar, Modificar, Eliminar };
    struct Llamada {
        Operacion operacion;
        RegistroNotificacion::Bytes registro{};  // zero for the version query
        RegistroNotificacion leido() const { return RegistroNotificacion::desdeBytes(registro); }
    };
    // The handle of week N's icon is this plus N.
    static constexpr std::uint32_t kIconosDeSemana = 1000;

    std::optional<std::uint32_t> version() override;
    bool agregar(const RegistroNotificacion& registro) override;
    bool modificar(const RegistroNotificacion& registro) override;
    bool eliminar(const RegistroNotificacion& registro) override;
    std::uint32_t iconoDeSemana(int semana) override {
        return kIconosDeSemana + static_cast<std::uint32_t>(semana);
    }
    // Notes the menu with the number of calls made before it came.
    void exportarMenu(Ventana& propietaria, std::string_view menu) override {
        menuExportado = std::string(menu);
        propietariaDelMenu = &propietaria;
        llamadasAntesDelMenu = static_cast<long>(llamadas.size());
    }

    // The user's mouse over the icon.
    void inyectar(std::uint32_t mensaje) const { raton(mensaje); }

    std::vector<Operacion> operaciones() const;
    std::vector<Llamada> llamadas;
    std::set<Operacion> fallan;  // a failed version query answers nothing
    std::uint32_t versionMayor = 6;
    std::string menuExportado;
    Ventana* propietariaDelMenu = nullptr;
    long llamadasAntesDelMenu = -1;

private:
    bool grabar(Operacion operacion, const RegistroNotificacion& registro);
};

}  // namespace tarvolo
