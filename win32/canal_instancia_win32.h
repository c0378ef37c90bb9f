#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "shell/instancia_unica.h"
#include "ventana_oculta.h"

namespace tarvolo {

// One program per user session: the running one owns a message-only window
// whose title is the channel's name, and a later start finds it and sends it
// the order by WM_COPYDATA. A mutex of the session's namespace keeps two
// simultaneous starts from both finding no one and both listening.
class CanalInstanciaWin32 final : public CanalInstancia {
public:
    static constexpr std::size_t kMaximoNombre = 200;

    // The program's own channel, named by its application id.
    CanalInstanciaWin32();
    // `nombre` tells apart programs (and tests) that must not reach each other.
    explicit CanalInstanciaWin32(std::string nombre);
    ~CanalInstanciaWin32() override;
    CanalInstanciaWin32(const CanalInstanciaWin32&) = delete;
    CanalInstanciaWin32& operator=(const CanalInstanciaWin32&) = delete;

    bool avisarALaQueCorre() override;
    bool escuchar(std::function<void()> alAviso) override;

private:
    std::optional<LRESULT> mensaje(UINT mensaje, WPARAM w, LPARAM l);
    void soltarCerrojo();

    std::wstring nombre_;
    HANDLE cerrojo_ = nullptr;
    bool cerrojoTomado_ = false;
    std::function<void()> alAviso_;
    std::unique_ptr<VentanaOculta> ventana_;
};

}  // namespace tarvolo
