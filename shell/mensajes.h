#pragma once

#include <QString>

namespace tarvolo {

// Every message box of the program: the text, an OK button only, no icon and
// "Tarvolo" as caption. The caller waits until the user confirms. Tests
// install a recorder of their own.
class Mensajes {
public:
    virtual ~Mensajes() = default;
    virtual void mostrar(const QString& texto) = 0;
};

class MensajesQt final : public Mensajes {
public:
    void mostrar(const QString& texto) override;
};

}  // namespace tarvolo
