#pragma once

#include <vector>

#include "shell/temporizador_limite.h"

namespace tarvolo {

// The week's alarm for tests: remembers every day it is armed for, and goes
// off when the test says so (the boundary reached, or the clock moved).
class TemporizadorLimiteFalso final : public TemporizadorLimite {
public:
    void armar(Fecha dia) override { armados.push_back(dia); }
    void sonarYa() const { sonar(); }

    std::vector<Fecha> armados;
};

}  // namespace tarvolo
