#include "lanzador_win32.h"

#include <windows.h>

#include "texto_utf16.h"

namespace tarvolo {

bool LanzadorWin32::existeArchivo(const std::string& ruta) const {
    if (ruta.empty()) return false;
    const DWORD atributos = GetFileAttributesW(utf16DeUtf8(ruta).c_str());
    // A folder of that name is no file to start.
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool LanzadorWin32::iniciar(const std::string& programa) {
    if (programa.empty()) return false;
    const std::wstring ruta = utf16DeUtf8(programa);
    // The command line names the program in quotes: its path may hold
    // spaces ("Program Files"). CreateProcessW may write into it.
    std::wstring linea = L"\"" + ruta + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessW(ruta.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio,
                        &proceso))
        return false;
    // The About window is ours in the foreground: the started program may
    // take the focus from it.
    AllowSetForegroundWindow(proceso.dwProcessId);
    // Not waited for: the handles only tell about it.
    CloseHandle(proceso.hThread);
    CloseHandle(proceso.hProcess);
    return true;
}

}  // namespace tarvolo
