#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "bandeja.h"
#include "calendar/reloj.h"
#include "registro_notificacion.h"

namespace tarvolo {

class Ventana;

// "Semana Epidemiológica " and the week: the icon's tooltip.
std::string textoTipSemana(int semana);

// One icon in the notification area on behalf of an owner window: the record
// adapted to the shell's version, the tooltip, the balloon, and the user's
// mouse turned into six events. Nothing here traps errors: they go to the
// caller's trap.
class AdvSysTray {
public:
    static constexpr std::int16_t kLimiteTipCorto = 63;
    static constexpr std::int16_t kLimiteTipLargo = 127;
    static constexpr std::size_t kLimiteGlobo = 255;
    static constexpr std::size_t kLimiteTituloGlobo = 63;
    static constexpr std::uint32_t kMensajeCallback = 0x200;

    // Class_Initialize: reads the shell's version once.
    AdvSysTray(Bandeja& bandeja, const Reloj& reloj);
    // Class_Terminate: a registered icon leaves with the object.
    ~AdvSysTray();
    AdvSysTray(const AdvSysTray&) = delete;
    AdvSysTray& operator=(const AdvSysTray&) = delete;

    std::int32_t ShellVersion() const { return version_; }
    // The icon by its handle; 0 before Create.
    void Icon(std::uint32_t icono);
    std::uint32_t Icon() const;
    void Tooltip(std::string_view texto);
    std::string Tooltip() const;
    void Create(Ventana& propietario);
    void Destroy();
    void ShowBalloon(std::string texto, std::string titulo, std::int32_t tipoIcono);
    void HideBalloon();

    bool registrado() const { return registrado_; }
    std::int16_t limiteTip() const { return limiteTip_; }

    // The events, in their order; raised while the owner's notification is
    // being handled.
    std::function<void()> LButtonDown, LButtonUp, LButtonDblClk, RButtonDown, RButtonUp, RButtonDblClk;

private:
    // The shell's notification for the icon, as the owner relays it.
    void frmOwner_MouseMove(std::uint32_t mensaje) const;
    bool conGlobos() const { return version_ >= 5; }
    // Icon and tooltip updates: the record as it stands, less the balloon.
    void modificarSinGlobo();

    Bandeja& bandeja_;
    const Reloj& reloj_;
    std::int32_t version_ = 0;
    std::int16_t limiteTip_ = kLimiteTipCorto;
    bool registrado_ = false;
    RegistroNotificacion registro_;
};

}  // namespace tarvolo
