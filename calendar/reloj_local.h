#pragma once

#include <ctime>

#include "dias.h"

namespace tarvolo {

// The date of a broken-down local time, as both system clocks read it.
// Local, not UTC: near midnight the two name different weeks.
constexpr Fecha fechaDe(const std::tm& local) noexcept {
    using namespace std::chrono;
    return Fecha{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                 day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace tarvolo
