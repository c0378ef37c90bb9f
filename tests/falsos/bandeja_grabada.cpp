#include "bandeja_grabada.h"

namespace tarvolo {

std::optional<std::uint32_t> BandejaGrabada::version() {
    llamadas.push_back({Operacion::Version});
    if (fallan.contains(Operacion::Version)) return std::nullopt;
    return versionMayor;
}

bool BandejaGrabada::agregar(const RegistroNotificacion& r) {
    return grabar(Operacion::Agregar, r);
}
bool BandejaGrabada::modificar(const RegistroNotificacion& r) {
    return grabar(Operacion::Modificar, r);
}
bool BandejaGrabada::eliminar(const RegistroNotificacion& r) {
    return grabar(Operacion::Eliminar, r);
}

bool BandejaGrabada::grabar(Operacion operacion, const RegistroNotificacion& registro) {
    llamadas.push_back({operacion, registro.bytes()});
    return !fallan.contains(operacion);
}

std::vector<BandejaGrabada::Operacion> BandejaGrabada::operaciones() const {
    std::vector<Operacion> ops;
    for (const auto& llamada : llamadas) ops.push_back(llamada.operacion);
    return ops;
}

}  // namespace tarvolo
