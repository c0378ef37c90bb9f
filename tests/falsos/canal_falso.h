#pragma once

#include <functional>

#include "shell/instancia_unica.h"

namespace tarvolo {

// A channel whose answers the test sets and whose listener it calls.
class CanalFalso final : public CanalInstancia {
public:
    bool avisarALaQueCorre() override {
        ++avisos;
        return otraCorre;
    }
    bool escuchar(std::function<void()> alAviso) override {
        ++escuchas;
        alAviso_ = std::move(alAviso);
        return puedeEscuchar;
    }
    // What a later start of the program does.
    void otroInicio() const {
        if (alAviso_) alAviso_();
    }
    bool escuchando() const { return static_cast<bool>(alAviso_); }

    bool otraCorre = false;
    bool puedeEscuchar = true;
    int avisos = 0;
    int escuchas = 0;

private:
    std::function<void()> alAviso_;
};

}  // namespace tarvolo
