#include "imagenes_win32.h"

#include <array>
#include <cstdint>

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

// A picture with an alpha channel is blended as GDI blends: each colour
// already multiplied by its pixel's opacity.
void premultiplicar(HBITMAP imagen) {
    BITMAP bm{};
    if (imagen == nullptr || GetObjectW(imagen, sizeof bm, &bm) == 0 || bm.bmBitsPixel != 32 || !bm.bmBits)
        return;
    auto* pixel = static_cast<std::uint8_t*>(bm.bmBits);
    for (long n = static_cast<long>(bm.bmWidth) * bm.bmHeight; n > 0; --n, pixel += 4) {
        const unsigned alfa = pixel[3];
        for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(pixel[c] * alfa / 255);
    }
}

}  // namespace

bool tieneAlfa(HBITMAP imagen) {
    BITMAP bm{};
    return imagen != nullptr && GetObjectW(imagen, sizeof bm, &bm) != 0 && bm.bmBitsPixel == 32;
}

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
        premultiplicar(cargadas[i]);
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
