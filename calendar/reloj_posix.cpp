#include <ctime>

#include "reloj.h"
#include "reloj_local.h"

namespace tarvolo {

Fecha RelojSistema::hoy() const {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_r(&ahora, &local);
    return fechaDe(local);
}

}  // namespace tarvolo
