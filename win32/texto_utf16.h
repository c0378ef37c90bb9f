#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvolo {

// The program speaks UTF-8; the wide Win32 calls take UTF-16.
std::wstring utf16DeUtf8(std::string_view utf8);
std::string utf8DeUtf16(std::wstring_view utf16);

// Fills a fixed WCHAR field of `capacidad` units with as much of the text as
// fits and a NUL, never splitting a surrogate pair; returns the units copied.
std::size_t copiarUtf16(std::string_view utf8, wchar_t* destino, std::size_t capacidad);

}  // namespace tarvolo
