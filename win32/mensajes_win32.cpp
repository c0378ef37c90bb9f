#include "mensajes_win32.h"

#include <windows.h>

#include "shell/programa.h"
#include "texto_utf16.h"

namespace tarvolo {

void MensajesWin32::mostrar(std::string_view texto) {
    MessageBoxW(GetActiveWindow(), utf16DeUtf8(texto).c_str(), utf16DeUtf8(kTituloPrograma).c_str(), MB_OK);
}

}  // namespace tarvolo
