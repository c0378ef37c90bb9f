#pragma once

#include <QString>

#include "impresora_pintada.h"

namespace tarvolo {

// The same page written to a PDF file instead of a print queue.
class ImpresoraPdf final : public ImpresoraPintada {
public:
    explicit ImpresoraPdf(const QString& archivo);
};

}  // namespace tarvolo
