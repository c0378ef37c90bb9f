#pragma once

#include <QStringList>

#include "shell/mensajes.h"

namespace tarvolo {

// Keeps every message instead of showing it, so no test blocks on a modal
// dialog.
class MensajesGrabados final : public Mensajes {
public:
    void mostrar(const QString& texto) override { textos.append(texto); }
    QStringList textos;
};

}  // namespace tarvolo
