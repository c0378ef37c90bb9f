#pragma once

#include <QString>
#include <QStringList>

namespace tarvolo {

// Every message box of the program: the text, an OK button only, no icon and
// "Tarvolo" as caption. The caller waits until the user confirms. Tests
// install the recorder so nothing ever blocks on a modal dialog.
class Mensajes {
public:
    virtual ~Mensajes() = default;
    virtual void mostrar(const QString& texto) = 0;
};

class MensajesQt final : public Mensajes {
public:
    void mostrar(const QString& texto) override;
};

class MensajesGrabados final : public Mensajes {
public:
    void mostrar(const QString& texto) override { textos.append(texto); }
    QStringList textos;
};

}  // namespace tarvolo
