#include "texto_utf16.h"

#include <windows.h>

#include <algorithm>

namespace tarvolo {

std::wstring utf16DeUtf8(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = static_cast<int>(utf8.size());
    const int anchos = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(anchos), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, utf16.data(), anchos);
    return utf16;
}

std::string utf8DeUtf16(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = static_cast<int>(utf16.size());
    const int largo = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), n, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(largo), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), n, utf8.data(), largo, nullptr, nullptr);
    return utf8;
}

std::size_t copiarUtf16(std::string_view utf8, wchar_t* destino, std::size_t capacidad) {
    if (capacidad == 0) return 0;
    const std::wstring texto = utf16DeUtf8(utf8);
    std::size_t n = std::min(texto.size(), capacidad - 1);
    // A high surrogate whose partner did not fit would show as a box.
    if (n > 0 && n < texto.size() && texto[n - 1] >= 0xD800 && texto[n - 1] <= 0xDBFF) --n;
    std::copy_n(texto.begin(), n, destino);
    destino[n] = L'\0';
    return n;
}

}  // namespace tarvolo
