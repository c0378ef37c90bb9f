#include "canal_instancia_win32.h"

#include <string_view>

#include "texto_utf16.h"
#include "version/identidad.h"

namespace tarvolo {

namespace {

constexpr const wchar_t* kClase = L"TarvoloCanal";
// Marks the program's own WM_COPYDATA among whatever else may arrive.
constexpr ULONG_PTR kMarca = 0x54617276;  // "Tarv"
constexpr std::string_view kOrden = "mostrar frmHoy\n";
// Generous: a running program that is busy still takes the call.
constexpr DWORD kEsperaMs = 5000;
// Posted to itself, so that the caller's SendMessage returns before the
// window the order opens runs its own loop.
constexpr UINT kAvisoPendiente = WM_APP + 1;

}  // namespace

CanalInstanciaWin32::CanalInstanciaWin32() : CanalInstanciaWin32(std::string(kIdAplicacion)) {}

CanalInstanciaWin32::CanalInstanciaWin32(std::string nombre) : nombre_(utf16DeUtf8(nombre)) {
    // Window titles and kernel object names have limits; a name is an
    // identifier, never that long.
    if (nombre_.size() > kMaximoNombre) nombre_.resize(kMaximoNombre);
    for (wchar_t& c : nombre_)
        if (c == L'\\') c = L'_';  // a backslash would be a namespace
}

CanalInstanciaWin32::~CanalInstanciaWin32() {
    ventana_.reset();
    soltarCerrojo();
}

void CanalInstanciaWin32::soltarCerrojo() {
    if (!cerrojo_) return;
    if (cerrojoTomado_) ReleaseMutex(cerrojo_);
    CloseHandle(cerrojo_);
    cerrojo_ = nullptr;
    cerrojoTomado_ = false;
}

bool CanalInstanciaWin32::avisarALaQueCorre() {
    // From here to the end of escuchar() one start holds the session's
    // mutex; one abandoned by a crashed start is taken over.
    soltarCerrojo();
    const std::wstring nombreCerrojo = L"Local\\" + nombre_;
    cerrojo_ = CreateMutexW(nullptr, FALSE, nombreCerrojo.c_str());
    if (cerrojo_) {
        const DWORD r = WaitForSingleObject(cerrojo_, kEsperaMs);
        cerrojoTomado_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
    }
    const HWND otra = FindWindowExW(HWND_MESSAGE, nullptr, kClase, nombre_.c_str());
    if (!otra || (ventana_ && otra == ventana_->hwnd())) return false;
    COPYDATASTRUCT datos{};
    datos.dwData = kMarca;
    datos.cbData = static_cast<DWORD>(kOrden.size());
    datos.lpData = const_cast<char*>(kOrden.data());
    DWORD_PTR respuesta = 0;
    // A hung program must not hang this start too.
    const LRESULT enviado = SendMessageTimeoutW(otra, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&datos),
                                                SMTO_ABORTIFHUNG | SMTO_BLOCK, kEsperaMs, &respuesta);
    if (!enviado || respuesta != TRUE) return false;
    soltarCerrojo();
    return true;
}

bool CanalInstanciaWin32::escuchar(std::function<void()> alAviso) {
    alAviso_ = std::move(alAviso);
    if (!ventana_)
        ventana_ = std::make_unique<VentanaOculta>(
            kClase, nombre_.c_str(), true, [this](UINT m, WPARAM w, LPARAM l) { return mensaje(m, w, l); });
    const bool escucha = ventana_->hwnd() != nullptr;
    if (!escucha) ventana_.reset();
    // Later starts may now look: they find this window, or nobody.
    soltarCerrojo();
    return escucha;
}

std::optional<LRESULT> CanalInstanciaWin32::mensaje(UINT mensaje, WPARAM, LPARAM l) {
    if (mensaje == WM_COPYDATA) {
        const auto* datos = reinterpret_cast<const COPYDATASTRUCT*>(l);
        const bool orden = datos && datos->dwData == kMarca && datos->cbData == kOrden.size() &&
                           std::string_view(static_cast<const char*>(datos->lpData), datos->cbData) == kOrden;
        if (!orden) return FALSE;
        PostMessageW(ventana_->hwnd(), kAvisoPendiente, 0, 0);
        return TRUE;
    }
    if (mensaje == kAvisoPendiente) {
        // A copy: the listener may replace itself while it listens.
        const auto aviso = alAviso_;
        if (aviso) aviso();
        return 0;
    }
    return std::nullopt;
}

}  // namespace tarvolo
