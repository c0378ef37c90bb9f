#pragma once

#include "impresora_pintada.h"

namespace tarvolo {

// The system's default print queue. Without one, the first operation that
// needs the printer throws ErrorImpresion.
class ImpresoraQt final : public ImpresoraPintada {
public:
    ImpresoraQt();
};

}  // namespace tarvolo
