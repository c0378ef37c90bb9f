#include <ctime>

#include "reloj.h"
#include "reloj_local.h"

namespace tarvolo {

// MinGW's libstdc++ has no time-zone database (std::chrono::current_zone),
// and declares localtime_r only for POSIX builds: the C runtime's own
// thread-safe call gives the machine's local date.
Fecha RelojSistema::hoy() const {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &ahora);
    return fechaDe(local);
}

}  // namespace tarvolo
