#pragma once

#include <string>
#include <string_view>

namespace tarvolo {

// The program's texts are UTF-8; Windows' wide calls take UTF-16. They are
// converted only at those calls.
std::wstring aUtf16(std::string_view utf8);
std::string aUtf8(std::wstring_view utf16);

}  // namespace tarvolo
