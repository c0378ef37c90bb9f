#include "alarmas.h"

namespace tarvolo {

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
    for (int hora = 0; hora < 3; ++hora) {
        std::tm visto{};
        localtime_r(&inicio, &visto);
        const Fecha dia_visto{std::chrono::year{visto.tm_year + 1900},
                              std::chrono::month{static_cast<unsigned>(visto.tm_mon + 1)},
                              std::chrono::day{static_cast<unsigned>(visto.tm_mday)}};
        if (dia_visto >= dia) break;
        inicio += 3600 - (visto.tm_min * 60 + visto.tm_sec);
    }
    return inicio;
}

}  // namespace tarvolo
