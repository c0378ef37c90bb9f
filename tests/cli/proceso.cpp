#include "proceso.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tarvolo::prueba {

CarpetaTemporal::CarpetaTemporal() {
    namespace fs = std::filesystem;
    std::random_device azar;
    for (int intento = 0; intento < 100; ++intento) {
        const fs::path candidata = fs::temp_directory_path() / ("tarvolo-prueba-" + std::to_string(azar()));
        // create_directory is false for a folder that already exists: a
        // name some other run took is never shared.
        if (fs::create_directory(candidata)) {
            ruta_ = candidata;
            return;
        }
    }
    throw std::runtime_error("no se pudo crear una carpeta temporal");
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
}

std::string leerArchivo(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void escribirArchivo(const std::filesystem::path& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("no se pudo escribir " + ruta.string());
}

}  // namespace tarvolo::prueba
