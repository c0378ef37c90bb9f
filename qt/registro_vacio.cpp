#include "servicios/registro.h"

namespace tarvolo {

namespace {

// Where there is no Windows registry: no key exists.
class RegistroVacio final : public Registro {
public:
    long abrir(std::uint32_t, const std::string&, std::uint32_t, Clave& clave) override {
        clave = 0;
        return kArchivoNoEncontrado;
    }
    long consultar(Clave, const std::string&, std::uint32_t&, std::vector<unsigned char>&,
                   std::uint32_t&) override {
        return kArchivoNoEncontrado;
    }
    long cerrar(Clave) override { return 0; }

private:
    static constexpr long kArchivoNoEncontrado = 2;
};

}  // namespace

std::unique_ptr<Registro> registroDelSistema() {
    return std::make_unique<RegistroVacio>();
}

}  // namespace tarvolo
