#include "caras_win32.h"

#include <windows.h>

#include <map>

namespace tarvolo {

bool existeCara(const std::wstring& cara) {
    static std::map<std::wstring, bool> vistas;
    const auto it = vistas.find(cara);
    if (it != vistas.end()) return it->second;
    LOGFONTW buscada{};
    buscada.lfCharSet = DEFAULT_CHARSET;
    cara.copy(buscada.lfFaceName, LF_FACESIZE - 1);
    bool hallada = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &buscada,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM hallada) -> int {
            *reinterpret_cast<bool*>(hallada) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&hallada), 0);
    ReleaseDC(nullptr, dc);
    return vistas[cara] = hallada;
}

std::wstring caraDelSistema() {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0) &&
        metricas.lfMessageFont.lfFaceName[0] != L'\0')
        return metricas.lfMessageFont.lfFaceName;
    return L"Arial";
}

}  // namespace tarvolo
