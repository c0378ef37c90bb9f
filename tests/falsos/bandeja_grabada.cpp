#include "bandeja_grabada.h"

namespace tarvolo {

std::optional<std::uint32_t> BandejaGrabada::version() {
    llamadas.append({Operacion::Version, {}});
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
    llamadas.append({operacion, registro.bytes()});
    return !fallan.contains(operacion);
}

QVector<BandejaGrabada::Operacion> BandejaGrabada::operaciones() const {
    QVector<Operacion> ops;
    for (const auto& llamada : llamadas) ops.append(llamada.operacion);
    return ops;
}

}  // namespace tarvolo
