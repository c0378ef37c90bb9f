#include "imagenes_win32.h"

#include <array>

#include "texto_utf16.h"

namespace tarvolo {

namespace {

constexpr std::size_t kImagenes = static_cast<std::size_t>(Imagen::Impresora) + 1;

BOOL CALLBACK primerIcono(HMODULE, LPCWSTR, LPWSTR nombre, LONG_PTR encontrado) {
    auto* icono = reinterpret_cast<HICON*>(encontrado);
    *icono = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), nombre, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    return FALSE;  // the first group only
}

}  // namespace

HBITMAP cargarImagen(Imagen imagen) {
    // Tried once each: a missing resource is not looked for again.
    static std::array<HBITMAP, kImagenes> cargadas{};
    static std::array<bool, kImagenes> buscadas{};
    const auto i = static_cast<std::size_t>(imagen);
    if (imagen == Imagen::Ninguna || i >= kImagenes) return nullptr;
    if (!buscadas[i]) {
        buscadas[i] = true;
        const std::string_view archivo = archivoImagen(imagen);
        const std::wstring nombre = utf16DeUtf8(archivo.substr(0, archivo.rfind('.')));
        cargadas[i] = static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), nombre.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return cargadas[i];
}

HICON iconoPrograma() {
    static const HICON icono = [] {
        HICON encontrado = nullptr;
        EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, primerIcono,
                           reinterpret_cast<LONG_PTR>(&encontrado));
        return encontrado != nullptr ? encontrado : LoadIconW(nullptr, IDI_APPLICATION);
    }();
    return icono;
}

}  // namespace tarvolo
