#pragma once

#include <QVector>

#include "shell/temporizador_limite.h"

namespace tarvolo {

// The week's alarm for tests: remembers every day it is armed for, and goes
// off when the test says so (the boundary reached, or the clock moved).
class TemporizadorLimiteFalso final : public TemporizadorLimite {
public:
    void armar(Fecha dia) override { armados.append(dia); }
    void sonar() { emit alarma(); }

    QVector<Fecha> armados;
};

}  // namespace tarvolo
