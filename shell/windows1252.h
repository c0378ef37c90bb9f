#pragma once

#include <string>
#include <string_view>

namespace tarvolo {

// The notification record carries 8-bit text in the Windows-1252 code page:
// one byte per character ("ó" is 0xF3). Characters the code page lacks (and
// bytes that are not UTF-8) become the substitute byte 0x1A, still one byte
// each, so cutting by bytes is cutting by characters. The program's own
// texts are UTF-8.
std::string aWindows1252(std::string_view utf8);
std::string deWindows1252(std::string_view bytes);

}  // namespace tarvolo
