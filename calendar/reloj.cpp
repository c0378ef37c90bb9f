#include "reloj.h"

#include <ctime>

namespace tarvolo {

Fecha RelojSistema::hoy() const {
    // Local date, not UTC: near midnight the two name different weeks.
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_r(&ahora, &local);
    using namespace std::chrono;
    return Fecha{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                 day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace tarvolo
