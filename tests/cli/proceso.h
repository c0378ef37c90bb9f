#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvolo::prueba {

// A program run to its end, with its exit status and the exact bytes it
// wrote to standard output and standard error.
struct Proceso {
    int estado;
    std::string salida;
    std::string errores;
};

// Runs `programa` with `argumentos` (no shell in between), standard input
// read from a file holding `entrada`, standard output and error written to
// files: no console or pipe translates a byte. Status -1 (and the reason in
// `errores`) when it could not be started.
Proceso ejecutar(const std::string& programa, const std::vector<std::string>& argumentos,
                 const std::string& entrada = {});

// The longest single argument that can be passed along with `otros` to
// `programa`: the platform's command line has a limit.
std::size_t argumentoMasLargo(const std::string& programa, const std::vector<std::string>& otros);

// A new, empty folder in the system's temporary folder, removed with what
// it holds when this goes out of scope.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& ruta() const noexcept { return ruta_; }

private:
    std::filesystem::path ruta_;
};

// Whole-file reads and writes, in bytes.
std::string leerArchivo(const std::filesystem::path& ruta);
void escribirArchivo(const std::filesystem::path& ruta, const std::string& bytes);

}  // namespace tarvolo::prueba
