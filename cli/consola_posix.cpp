#include "consola.h"

namespace tarvolo {

// Arguments arrive as the bytes typed and the streams carry bytes already.
Consola::Consola(int argc, char** argv) : argumentos_(argv + 1, argv + argc) {}

Consola::~Consola() = default;

}  // namespace tarvolo
