#pragma once

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "shell/bandeja.h"
#include "ventana_oculta.h"

namespace tarvolo {

// The record as Shell_NotifyIconW takes it. `ventana` receives the callbacks
// in place of the record's owner, and `icono` is the record's handle already
// mapped back to the icon. The balloon travels only when the record asks for
// it, and only in the long record, which is the one that has its fields.
NOTIFYICONDATAW datosDeNotificacion(const RegistroNotificacion& registro, HWND ventana, HICON icono);

// The program's picture with the week's number on a dark badge edged in
// white, `lado` pixels square, drawn with GDI; null if GDI fails.
HICON dibujarIconoDeSemana(int semana, int lado);

// The notification area of the Windows shell. Its hidden window receives the
// icon's callbacks and puts the icon back when Explorer restarts.
class BandejaWin32 final : public Bandeja {
public:
    // Shell_NotifyIconW, or whoever stands in for the shell.
    using Notificar = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;

    BandejaWin32();
    explicit BandejaWin32(Notificar notificar);
    ~BandejaWin32() override;

    std::optional<std::uint32_t> version() override;
    bool agregar(const RegistroNotificacion& registro) override;
    bool modificar(const RegistroNotificacion& registro) override;
    bool eliminar(const RegistroNotificacion& registro) override;
    std::uint32_t iconoDeSemana(int semana) override;

    // The icon a record's 32-bit handle names: one of the week's icons, or
    // any other icon handle of this session.
    HICON icono(std::uint32_t identificador) const;
    HWND ventana() const { return ventana_->hwnd(); }

private:
    std::optional<LRESULT> mensaje(UINT mensaje, WPARAM w, LPARAM l);

    // The week's icons for the run, by their 32-bit value: the record holds
    // only that, and a handle is kept here only if its value says it whole.
    Notificar notificar_;
    std::map<std::uint32_t, HICON> iconos_;
    std::map<int, std::uint32_t> semanas_;
    UINT barraCreada_ = 0;
    UINT callback_ = 0;
    // The icon as last registered, without its balloon, for when the
    // taskbar comes back.
    std::optional<RegistroNotificacion> registrado_;
    std::unique_ptr<VentanaOculta> ventana_;
};

}  // namespace tarvolo
