#include <ctime>

#include "reloj.h"

namespace tarvolo {

namespace {

std::tm horaLocal(std::time_t instante) {
    std::tm local{};
    // Each C library's own thread-safe call: neither GCC 12's nor MinGW's
    // libstdc++ has a time-zone database (std::chrono::current_zone), and
    // MinGW declares localtime_r only for POSIX builds.
#ifdef _WIN32
    localtime_s(&local, &instante);
#else
    localtime_r(&instante, &local);
#endif
    return local;
}

}  // namespace

Fecha fechaLocal(std::time_t instante) {
    const std::tm local = horaLocal(instante);
    using namespace std::chrono;
    return Fecha{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                 day{static_cast<unsigned>(local.tm_mday)}};
}

// Local, not UTC: near midnight the two name different weeks.
Fecha RelojSistema::hoy() const {
    return fechaLocal(std::time(nullptr));
}

std::time_t inicioDelDiaLocal(Fecha dia) {
    std::tm local{};
    local.tm_year = static_cast<int>(dia.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(dia.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(dia.day()));
    // Summer time or not, as the zone has it that day; mktime also reads the
    // zone again, so a changed one counts from here on.
    local.tm_isdst = -1;
    std::time_t inicio = std::mktime(&local);
    // Where summer time skips midnight, mktime may answer an instant of the
    // day before; the day begins when the clocks first show it.
    for (int hora = 0; hora < 3 && inicio != -1; ++hora) {
        if (fechaLocal(inicio) >= dia) break;
        const std::tm visto = horaLocal(inicio);
        inicio += 3600 - (visto.tm_min * 60 + visto.tm_sec);
    }
    return inicio;
}

}  // namespace tarvolo
