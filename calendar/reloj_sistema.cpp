#include <ctime>

#include "reloj.h"

namespace tarvolo {

Fecha RelojSistema::hoy() const {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    // Each C library's own thread-safe call: neither GCC 12's nor MinGW's
    // libstdc++ has a time-zone database (std::chrono::current_zone), and
    // MinGW declares localtime_r only for POSIX builds.
#ifdef _WIN32
    localtime_s(&local, &ahora);
#else
    localtime_r(&ahora, &local);
#endif
    // Local, not UTC: near midnight the two name different weeks.
    using namespace std::chrono;
    return Fecha{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                 day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace tarvolo
