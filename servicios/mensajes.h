#pragma once

#include <string_view>

namespace tarvolo {

// Every message box of the program: the text, an OK button only, no icon and
// "Tarvolo" as caption. The caller waits until the user confirms. Tests
// install a recorder of their own.
class Mensajes {
public:
    virtual ~Mensajes() = default;
    virtual void mostrar(std::string_view texto) = 0;
};

}  // namespace tarvolo
