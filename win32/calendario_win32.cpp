#include "calendario_win32.h"

#include <commctrl.h>

#include "calendar/error_ejecucion.h"

namespace tarvolo {

namespace {

using namespace std::chrono;

// The dates the control takes, the same as the other back end's: from the
// Gregorian calendar's adoption in Britain to the last four-digit year.
constexpr Fecha kPrimera = year{1752} / September / 14;
constexpr Fecha kUltima = year{9999} / December / 31;

SYSTEMTIME aSystemtime(const Fecha& f) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(static_cast<int>(f.year()));
    s.wMonth = static_cast<WORD>(static_cast<unsigned>(f.month()));
    s.wDay = static_cast<WORD>(static_cast<unsigned>(f.day()));
    s.wDayOfWeek = static_cast<WORD>(weekday(sys_days(f)).c_encoding());
    return s;
}

}  // namespace

CalendarioWin32::CalendarioWin32(const Reloj& reloj, HWND padre, int id, RECT lugar)
    : reloj_(reloj),
      control_(CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                               lugar.left, lugar.top, lugar.right - lugar.left, lugar.bottom - lugar.top,
                               padre, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr)) {
    const SYSTEMTIME limites[2] = {aSystemtime(kPrimera), aSystemtime(kUltima)};
    SendMessageW(control_, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(limites));
    // Epidemiological weeks run Sunday to Saturday (0 is Monday here).
    SendMessageW(control_, MCM_SETFIRSTDAYOFWEEK, 0, 6);
    irAHoy();
}

Fecha CalendarioWin32::valor() const {
    SYSTEMTIME s{};
    SendMessageW(control_, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&s));
    return year{s.wYear} / month{s.wMonth} / day{s.wDay};
}

void CalendarioWin32::fijarValor(const Fecha& fecha) {
    if (!fecha.ok() || fecha < kPrimera || fecha > kUltima)
        throw ErrorEjecucion(kValorNoValido, kTextoValorNoValido);
    seleccionar(fecha);
}

void CalendarioWin32::irAHoy() {
    const Fecha hoy = reloj_.hoy();
    const SYSTEMTIME s = aSystemtime(hoy);
    SendMessageW(control_, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&s));
    seleccionar(hoy);
}

void CalendarioWin32::seleccionar(const Fecha& fecha) {
    const SYSTEMTIME s = aSystemtime(fecha);
    fijando_ = true;
    const LRESULT aceptada = SendMessageW(control_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&s));
    fijando_ = false;
    if (aceptada == 0) throw ErrorEjecucion(kValorNoValido, kTextoValorNoValido);
}

}  // namespace tarvolo
