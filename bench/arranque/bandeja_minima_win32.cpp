// The smallest Win32 tray program that greets as Tarvolo does: an icon with
// a tooltip and a balloon, a hidden window for its messages, and the message
// loop. The baseline of bench/arranque/medir_wine.sh; built there with
// MinGW-w64 as tarvolo.exe is built (static, GUI subsystem).
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    WNDCLASSW clase{};
    clase.lpfnWndProc = DefWindowProcW;
    clase.hInstance = instancia;
    clase.lpszClassName = L"BandejaMinima";
    RegisterClassW(&clase);
    HWND ventana = CreateWindowExW(0, clase.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instancia,
                                   nullptr);
    NOTIFYICONDATAW datos{};
    datos.cbSize = sizeof datos;
    datos.hWnd = ventana;
    datos.uID = 1;
    datos.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    datos.uCallbackMessage = WM_APP;
    datos.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(datos.szTip, L"Semana Epidemiológica Actual: 49", 128);
    lstrcpynW(datos.szInfoTitle, L"Bandeja mínima", 64);
    lstrcpynW(datos.szInfo, L"Semana Epidemiológica Actual: 49", 256);
    datos.dwInfoFlags = NIIF_INFO;
    Shell_NotifyIconW(NIM_ADD, &datos);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
    Shell_NotifyIconW(NIM_DELETE, &datos);
    return 0;
}
