#include "bandeja_win32.h"

#include <shlwapi.h>

#include "texto_utf16.h"

namespace tarvolo {

namespace {

// USER handles are 32-bit values even in a 64-bit process, where the system
// sign-extends them; that is the only way back from the record's field.
HANDLE handleDe32(std::uint32_t valor) {
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(static_cast<std::int32_t>(valor)));
}

std::optional<std::uint32_t> valor32(HANDLE h) {
    const auto valor = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(h));
    if (handleDe32(valor) != h) return std::nullopt;
    return valor;
}

}  // namespace

NOTIFYICONDATAW datosDeNotificacion(const RegistroNotificacion& registro, HWND ventana, HICON icono) {
    NOTIFYICONDATAW datos{};
    const bool largo = registro.cbSize() >= RegistroNotificacion::kTamano;
    // A short record is what a shell before version 5 reads: it ends inside
    // the tooltip.
    datos.cbSize = largo ? sizeof datos : NOTIFYICONDATAW_V1_SIZE;
    datos.hWnd = ventana;
    datos.uID = registro.uID();
    const std::uint32_t flags = registro.uFlags();
    if (flags & RegistroNotificacion::kMensaje) {
        datos.uFlags |= NIF_MESSAGE;
        datos.uCallbackMessage = registro.uCallbackMessage();
    }
    if (flags & RegistroNotificacion::kIcono) {
        datos.uFlags |= NIF_ICON;
        datos.hIcon = icono;
    }
    if (flags & RegistroNotificacion::kTip) {
        datos.uFlags |= NIF_TIP;
        copiarUtf16(registro.tipLeido(), datos.szTip, largo ? std::size(datos.szTip) : 64);
    }
    if (largo && (flags & RegistroNotificacion::kGlobo)) {
        datos.uFlags |= NIF_INFO;
        copiarUtf16(registro.szInfo(), datos.szInfo, std::size(datos.szInfo));
        copiarUtf16(registro.szInfoTitle(), datos.szInfoTitle, std::size(datos.szInfoTitle));
        datos.uTimeout = registro.entero(RegistroNotificacion::kUTimeout);
        datos.dwInfoFlags = registro.dwInfoFlags();
    }
    return datos;
}

BandejaWin32::BandejaWin32() : BandejaWin32(Shell_NotifyIconW) {}

BandejaWin32::BandejaWin32(Notificar notificar)
    : notificar_(std::move(notificar)),
      barraCreada_(RegisterWindowMessageW(L"TaskbarCreated")),
      // Top-level, not message-only: TaskbarCreated is broadcast.
      ventana_(
          std::make_unique<VentanaOculta>(L"TarvoloBandeja", L"Tarvolo", false,
                                          [this](UINT m, WPARAM w, LPARAM l) { return mensaje(m, w, l); })) {}

BandejaWin32::~BandejaWin32() {
    if (registrado_) {
        NOTIFYICONDATAW datos = datosDeNotificacion(*registrado_, ventana(), nullptr);
        notificar_(NIM_DELETE, &datos);
    }
    ventana_.reset();
    for (const auto& [valor, icono] : iconos_) DestroyIcon(icono);
}

std::optional<std::uint32_t> BandejaWin32::version() {
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = LoadLibraryW(L"shell32.dll");
    if (!shell) return std::nullopt;
    // Through void(*)(): the one function type any other converts to
    // without a warning.
    const auto llamada = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "DllGetVersion")));
    if (!llamada) return std::nullopt;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(llamada(&info))) return std::nullopt;
    return info.dwMajorVersion;
}

HICON BandejaWin32::icono(std::uint32_t identificador) const {
    if (identificador == 0) return nullptr;
    const auto propio = iconos_.find(identificador);
    if (propio != iconos_.end()) return propio->second;
    return static_cast<HICON>(handleDe32(identificador));
}

bool BandejaWin32::agregar(const RegistroNotificacion& registro) {
    NOTIFYICONDATAW datos = datosDeNotificacion(registro, ventana(), icono(registro.hIcon()));
    if (!ventana()) return false;
    // Known before the shell answers: it may call back at once.
    callback_ = datos.uCallbackMessage;
    if (!notificar_(NIM_ADD, &datos)) return false;
    registrado_ = registro;
    return true;
}

bool BandejaWin32::modificar(const RegistroNotificacion& registro) {
    if (!registrado_) return false;
    NOTIFYICONDATAW datos = datosDeNotificacion(registro, ventana(), icono(registro.hIcon()));
    if (!notificar_(NIM_MODIFY, &datos)) return false;
    if (datos.uFlags & NIF_MESSAGE) callback_ = datos.uCallbackMessage;
    registrado_ = registro;
    return true;
}

bool BandejaWin32::eliminar(const RegistroNotificacion& registro) {
    if (!registrado_) return false;
    NOTIFYICONDATAW datos = datosDeNotificacion(registro, ventana(), nullptr);
    if (!notificar_(NIM_DELETE, &datos)) return false;
    registrado_.reset();
    return true;
}

std::uint32_t BandejaWin32::iconoDeSemana(int semana) {
    const auto hecho = semanas_.find(semana);
    if (hecho != semanas_.end()) return hecho->second;
    // The notification area's own size: the shell would scale anything else.
    const HICON nuevo = dibujarIconoDeSemana(semana, GetSystemMetrics(SM_CXSMICON));
    if (!nuevo) return 0;
    const auto valor = valor32(nuevo);
    if (!valor) {
        DestroyIcon(nuevo);
        return 0;
    }
    iconos_.emplace(*valor, nuevo);
    semanas_.emplace(semana, *valor);
    return *valor;
}

std::optional<LRESULT> BandejaWin32::mensaje(UINT mensaje, WPARAM, LPARAM l) {
    if (registrado_ && mensaje == barraCreada_) {
        // Explorer restarted and forgot every icon. The balloon is not
        // announced twice.
        RegistroNotificacion sinGlobo = *registrado_;
        sinGlobo.fijarUFlags(sinGlobo.uFlags() & ~RegistroNotificacion::kGlobo);
        NOTIFYICONDATAW datos = datosDeNotificacion(sinGlobo, ventana(), icono(sinGlobo.hIcon()));
        notificar_(NIM_ADD, &datos);
        return 0;
    }
    if (callback_ != 0 && mensaje == callback_) {
        // Without NOTIFYICON_VERSION_4 the mouse message is all of lParam;
        // anything else (a balloon's notice, a key) is not the mouse.
        const auto raton = static_cast<std::uint32_t>(LOWORD(l));
        if (raton >= WM_MOUSEMOVE && raton <= WM_RBUTTONDBLCLK) this->raton(raton);
        return 0;
    }
    return std::nullopt;
}

}  // namespace tarvolo
