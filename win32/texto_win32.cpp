#include "texto_win32.h"

#include <windows.h>

namespace tarvolo {

std::wstring aUtf16(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = static_cast<int>(utf8.size());
    const int anchos = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(anchos), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, utf16.data(), anchos);
    return utf16;
}

std::string aUtf8(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int n = static_cast<int>(utf16.size());
    const int largo = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), n, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(largo), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), n, utf8.data(), largo, nullptr, nullptr);
    return utf8;
}

}  // namespace tarvolo
