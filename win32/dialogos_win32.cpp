#include "dialogos_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <vector>

#include "texto_utf16.h"

namespace tarvolo {

namespace {

// Long paths too, well beyond MAX_PATH.
constexpr DWORD kLargoRuta = 32768;

OPENFILENAMEW preparar(const std::wstring& titulo, const std::wstring& filtro, std::vector<wchar_t>& ruta) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filtro.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = ruta.data();
    ofn.nMaxFile = static_cast<DWORD>(ruta.size());
    ofn.lpstrTitle = titulo.c_str();
    // The program's working folder stays where it was.
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return ofn;
}

// For each kind its name with its patterns as Windows shows them
// ("Listas (*.csv, *.txt)") and its patterns, each ended by a NUL, and one
// more NUL at the end.
std::wstring filtroDeTipos(std::span<const TipoArchivo> tipos) {
    std::wstring filtro;
    for (const TipoArchivo& t : tipos) {
        std::wstring patrones = utf16DeUtf8(t.patrones);
        for (std::size_t i = patrones.find(L';'); i != std::wstring::npos; i = patrones.find(L';', i + 2))
            patrones.replace(i, 1, L", ");
        filtro += utf16DeUtf8(t.nombre) + L" (" + patrones + L")";
        filtro += L'\0';
        filtro += utf16DeUtf8(t.patrones);
        filtro += L'\0';
    }
    filtro += L'\0';
    return filtro;
}

// The extension of a kind's first pattern ("*.svg;*.png" gives "svg"); empty
// for a pattern that names none.
std::wstring extensionDe(const TipoArchivo& tipo) {
    const std::string_view primero = tipo.patrones.substr(0, tipo.patrones.find(';'));
    const std::size_t punto = primero.rfind('.');
    if (punto == std::string_view::npos) return {};
    const std::string_view extension = primero.substr(punto + 1);
    if (extension.empty() || extension.find_first_of("*?") != std::string_view::npos) return {};
    return utf16DeUtf8(extension);
}

}  // namespace

std::optional<std::string> DialogosWin32::abrir(std::string_view titulo, std::span<const TipoArchivo> tipos) {
    const std::wstring t = utf16DeUtf8(titulo), filtro = filtroDeTipos(tipos);
    std::vector<wchar_t> ruta(kLargoRuta, L'\0');
    OPENFILENAMEW ofn = preparar(t, filtro, ruta);
    ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return utf8DeUtf16(ruta.data());
}

std::optional<Dialogos::Eleccion> DialogosWin32::guardar(std::string_view titulo, std::string_view propuesto,
                                                         std::span<const TipoArchivo> tipos) {
    const std::wstring t = utf16DeUtf8(titulo), filtro = filtroDeTipos(tipos);
    std::vector<wchar_t> ruta(kLargoRuta, L'\0');
    const std::wstring inicial = utf16DeUtf8(propuesto);
    inicial.copy(ruta.data(), std::min<std::size_t>(inicial.size(), ruta.size() - 1));
    // A name typed without an extension takes the chosen kind's: the dialog
    // uses the selected filter's own, and this one where the filter has none.
    const std::wstring extension = tipos.empty() ? std::wstring() : extensionDe(tipos.front());
    OPENFILENAMEW ofn = preparar(t, filtro, ruta);
    ofn.Flags |= OFN_OVERWRITEPROMPT;
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    const std::size_t tipo = ofn.nFilterIndex > 0 ? ofn.nFilterIndex - 1 : 0;
    return Eleccion{utf8DeUtf16(ruta.data()), tipo < tipos.size() ? tipo : 0};
}

}  // namespace tarvolo
