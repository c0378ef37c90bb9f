#pragma once

#include <QByteArray>
#include <QVector>
#include <set>

#include "shell/bandeja.h"

namespace tarvolo {

// The tray back end for tests: keeps every call with the record bytes it was
// given, fails whichever operations it is told to, and lets the test play the
// user's mouse.
class BandejaGrabada final : public Bandeja {
    Q_OBJECT
public:
    enum class Operacion { Version, Agregar, Modificar, Eliminar };
    struct Llamada {
        Operacion operacion;
        QByteArray registro;  // empty for the version query
        RegistroNotificacion leido() const { return RegistroNotificacion::desdeBytes(registro); }
    };

    using Bandeja::Bandeja;

    std::optional<std::uint32_t> version() override;
    bool agregar(const RegistroNotificacion& registro) override;
    bool modificar(const RegistroNotificacion& registro) override;
    bool eliminar(const RegistroNotificacion& registro) override;
    // Notes the menu with the number of calls made before it came.
    void exportarMenu(QMenu* menu) override {
        menuExportado = menu;
        llamadasAntesDelMenu = llamadas.size();
    }

    // The user's mouse over the icon.
    void inyectar(quint32 mensaje) { emit mensajeRaton(mensaje); }

    QVector<Operacion> operaciones() const;
    QVector<Llamada> llamadas;
    std::set<Operacion> fallan;  // a failed version query answers nothing
    std::uint32_t versionMayor = 6;
    QMenu* menuExportado = nullptr;
    qsizetype llamadasAntesDelMenu = -1;

private:
    bool grabar(Operacion operacion, const RegistroNotificacion& registro);
};

}  // namespace tarvolo
