#include "archivos.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>

#include "lector_csv.h"

namespace tarvolo {

namespace fs = std::filesystem;

namespace {

// A name in the folder of `destino` that nothing else is using.
fs::path nombreTemporal(const fs::path& destino) {
    std::random_device azar;
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    for (;;) {
        fs::path nombre(".");
        nombre += destino.filename();
        nombre += ".tarvolo-" + std::to_string(azar()) + ".tmp";
        const fs::path p = carpeta / nombre;
        std::error_code ec;
        if (!fs::exists(p, ec)) return p;
    }
}

// Ctrl+C or a kill in the middle of a run takes the temporary files with it.
// The handler only unlinks names prepared beforehand and ends at once. One
// command writes two files at most (a table and a chart).
char gTemporales[2][4096];
void (*gAntesInt)(int) = SIG_DFL;
void (*gAntesTerm)(int) = SIG_DFL;

extern "C" void alInterrumpir(int senal) {
    for (const char* nombre : gTemporales)
        if (nombre[0] != '\0') std::remove(nombre);
    std::_Exit(128 + senal);
}

bool hayTemporales() {
    for (const char* nombre : gTemporales)
        if (nombre[0] != '\0') return true;
    return false;
}

int apuntarTemporal(const fs::path& temporal) {
    const std::string nombre = textoRuta(temporal);
    int ranura = 0;
    while (ranura < 2 && gTemporales[ranura][0] != '\0') ++ranura;
    if (ranura == 2 || nombre.size() >= sizeof gTemporales[0]) return -1;
    if (!hayTemporales()) {
        gAntesInt = std::signal(SIGINT, alInterrumpir);
        gAntesTerm = std::signal(SIGTERM, alInterrumpir);
    }
    std::memcpy(gTemporales[ranura], nombre.c_str(), nombre.size() + 1);
    return ranura;
}

void olvidarTemporal(int ranura) {
    if (ranura < 0) return;
    gTemporales[ranura][0] = '\0';
    if (hayTemporales()) return;
    std::signal(SIGINT, gAntesInt == SIG_ERR ? SIG_DFL : gAntesInt);
    std::signal(SIGTERM, gAntesTerm == SIG_ERR ? SIG_DFL : gAntesTerm);
}

}  // namespace

fs::path rutaUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textoRuta(const fs::path& ruta) {
    const std::u8string u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

Entrada::Entrada(const std::optional<std::string>& archivo, std::istream& estandar)
    : fuente_(archivo && *archivo != "-" ? static_cast<std::istream&>(archivo_) : estandar) {
    if (!archivo || *archivo == "-") return;
    const fs::path ruta = rutaUtf8(*archivo);
    std::error_code ec;
    if (fs::is_directory(ruta, ec)) throw std::runtime_error("«" + *archivo + "» es una carpeta");
    buffer_.resize(LectorCsv::kBloque);
    archivo_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    archivo_.open(ruta, std::ios::binary);
    if (!archivo_) throw std::runtime_error("no se puede abrir «" + *archivo + "»");
    ruta_ = ruta;
}

ArchivoEntero::ArchivoEntero(const fs::path& destino)
    : destino_(destino), temporal_(nombreTemporal(destino)) {
    ranura_ = apuntarTemporal(temporal_);
    flujo_.open(temporal_, std::ios::binary | std::ios::trunc);
    if (!flujo_) {
        olvidarTemporal(ranura_);
        throw std::runtime_error("no se puede crear «" + textoRuta(destino_) + "»");
    }
}

ArchivoEntero::~ArchivoEntero() {
    if (!confirmado_) {
        flujo_.close();
        std::error_code ec;
        fs::remove(temporal_, ec);
    }
    olvidarTemporal(ranura_);
}

void ArchivoEntero::confirmar() {
    flujo_.close();
    if (!flujo_) throw std::runtime_error("no se pudo escribir «" + textoRuta(destino_) + "»");
    std::error_code ec;
    fs::rename(temporal_, destino_, ec);
    if (ec) throw std::runtime_error("no se puede escribir «" + textoRuta(destino_) + "»: " + ec.message());
    confirmado_ = true;
}

void escribirTextos(const std::vector<TextoDestino>& textos, std::ostream& salida) {
    std::vector<std::unique_ptr<ArchivoEntero>> archivos;
    for (const auto& t : textos) {
        if (!t.ruta || *t.ruta == "-") continue;
        archivos.push_back(std::make_unique<ArchivoEntero>(rutaUtf8(*t.ruta)));
        archivos.back()->flujo().write(t.texto.data(), static_cast<std::streamsize>(t.texto.size()));
    }
    for (auto& a : archivos) a->confirmar();
    for (const auto& t : textos)
        if (!t.ruta || *t.ruta == "-")
            salida.write(t.texto.data(), static_cast<std::streamsize>(t.texto.size()));
    salida.flush();
    if (!salida) throw std::runtime_error("no se pudo escribir la salida");
}

std::string salidaSobreEntrada(const Entrada& entrada, const std::string& salida) {
    std::error_code ec;
    if (!entrada.ruta().empty() && fs::equivalent(entrada.ruta(), rutaUtf8(salida), ec))
        return "la salida no puede ser el archivo de entrada: «" + salida + "»";
    return {};
}

}  // namespace tarvolo
