#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarvolo {

// The three registry calls the About window needs, with the platform's
// numbers: a result of 0 means success.
class Registro {
public:
    using Clave = std::uintptr_t;

    virtual ~Registro() = default;
    virtual long abrir(std::uint32_t raiz, const std::string& subclave, std::uint32_t acceso,
                       Clave& clave) = 0;
    // Reads a value into `datos` (at most its size); sets the value's type
    // and, in `tamano`, the bytes it returned.
    virtual long consultar(Clave clave, const std::string& nombre, std::uint32_t& tipo,
                           std::vector<unsigned char>& datos, std::uint32_t& tamano) = 0;
    virtual long cerrar(Clave clave) = 0;
    // A string value's bytes as UTF-8: they are in the machine's own code
    // page. By default they are taken to be UTF-8 already.
    virtual std::string texto(const std::vector<unsigned char>& bytes) const {
        return {bytes.begin(), bytes.end()};
    }
};

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
// READ_CONTROL with the query, set, create, enumerate, notify and link rights.
inline constexpr std::uint32_t kAccesoTodo = 0x2003Fu;
inline constexpr std::uint32_t kTamanoBuffer = 1024;

// The machine's registry: advapi32 on Windows; elsewhere a registry without
// keys, so every open fails.
std::unique_ptr<Registro> registroDelSistema();

}  // namespace tarvolo
