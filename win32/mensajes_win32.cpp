#include "mensajes_win32.h"

#include <windows.h>

#include "shell/programa.h"
#include "texto_win32.h"

namespace tarvolo {

void MensajesWin32::mostrar(std::string_view texto) {
    MessageBoxW(GetActiveWindow(), aUtf16(texto).c_str(), aUtf16(kTituloPrograma).c_str(), MB_OK);
}

}  // namespace tarvolo
