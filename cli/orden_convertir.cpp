#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>

#include "convertir.h"
#include "lector_csv.h"
#include "mensajes.h"

namespace tarvolo {

namespace fs = std::filesystem;

namespace {

int errorDeUso(std::ostream& errores, std::string_view que) {
    errores << kPrefijoError << que << "\nUso: " << kUsoConvertir << '\n';
    return 2;
}

std::optional<char> leerSeparador(std::string_view texto) {
    if (texto == "," || texto == ";") return texto.front();
    if (texto == "tab" || texto == "\t") return '\t';
    return std::nullopt;
}

// A name in the folder of `destino` that nothing else is using.
fs::path nombreTemporal(const fs::path& destino) {
    std::random_device azar;
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    for (;;) {
        const fs::path p =
            carpeta / ("." + destino.filename().string() + ".tarvolo-" + std::to_string(azar()) + ".tmp");
        std::error_code ec;
        if (!fs::exists(p, ec)) return p;
    }
}

// Ctrl+C or a kill in the middle of a run takes the temporary file with it.
// The handler only unlinks a name prepared beforehand and ends at once.
char gTemporal[4096];

extern "C" void alInterrumpir(int senal) {
    std::remove(gTemporal);
    std::_Exit(128 + senal);
}

class BorrarAlInterrumpir {
public:
    explicit BorrarAlInterrumpir(const fs::path& temporal) {
        const std::string nombre = temporal.string();
        if (nombre.size() >= sizeof gTemporal) return;
        std::memcpy(gTemporal, nombre.c_str(), nombre.size() + 1);
        antesInt_ = std::signal(SIGINT, alInterrumpir);
        antesTerm_ = std::signal(SIGTERM, alInterrumpir);
        activo_ = true;
    }
    ~BorrarAlInterrumpir() {
        if (!activo_) return;
        std::signal(SIGINT, antesInt_ == SIG_ERR ? SIG_DFL : antesInt_);
        std::signal(SIGTERM, antesTerm_ == SIG_ERR ? SIG_DFL : antesTerm_);
    }
    BorrarAlInterrumpir(const BorrarAlInterrumpir&) = delete;
    BorrarAlInterrumpir& operator=(const BorrarAlInterrumpir&) = delete;

private:
    bool activo_ = false;
    void (*antesInt_)(int) = SIG_DFL;
    void (*antesTerm_)(int) = SIG_DFL;
};

}  // namespace

int ordenConvertir(const std::vector<std::string>& argumentos, const Fecha& hoy, std::istream& entrada,
                   std::ostream& salida, std::ostream& errores) {
    OpcionesConvertir opciones;
    std::optional<std::string> archivo, rutaSalida;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a == "--fechas") {
            opciones.fechas = true;
            continue;
        }
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            const auto igual = a.find('=');
            const std::string nombre = a.substr(0, igual);
            if (nombre != "--columna" && nombre != "--separador" && nombre != "--salida")
                return errorDeUso(errores, "opción desconocida: " + a);
            std::string valor;
            if (igual != std::string::npos) {
                valor = a.substr(igual + 1);
            } else if (i + 1 < argumentos.size()) {
                valor = argumentos[++i];
            } else {
                return errorDeUso(errores, "falta el valor de " + nombre);
            }
            if (nombre == "--columna") {
                if (valor.find_first_not_of(" \t") == std::string::npos)
                    return errorDeUso(errores, "--columna necesita un nombre o un número");
                opciones.columna = valor;
            } else if (nombre == "--separador") {
                const auto sep = leerSeparador(valor);
                if (!sep) return errorDeUso(errores, "separador no válido: «" + valor + "» (',', ';' o tab)");
                opciones.separador = *sep;
            } else {
                if (valor.empty()) return errorDeUso(errores, "--salida necesita un archivo");
                rutaSalida = valor;
            }
            continue;
        }
        if (archivo) return errorDeUso(errores, "sobra un argumento: " + a);
        archivo = a;
    }

    std::ifstream archivoEntrada;
    std::vector<char> bufferEntrada(LectorCsv::kBloque);
    const bool deArchivo = archivo && *archivo != "-";
    if (deArchivo) {
        std::error_code ec;
        if (fs::is_directory(*archivo, ec)) {
            errores << kPrefijoError << "«" << *archivo << "» es una carpeta\n";
            return 2;
        }
        archivoEntrada.rdbuf()->pubsetbuf(bufferEntrada.data(),
                                          static_cast<std::streamsize>(bufferEntrada.size()));
        archivoEntrada.open(*archivo, std::ios::binary);
        if (!archivoEntrada) {
            errores << kPrefijoError << "no se puede abrir «" << *archivo << "»\n";
            return 2;
        }
    }
    FuenteFlujo fuente(deArchivo ? static_cast<std::istream&>(archivoEntrada) : entrada);

    if (!rutaSalida || *rutaSalida == "-") {
        SumideroFlujo sumidero(salida);
        return convertirCsv(fuente, sumidero, errores, opciones, hoy);
    }

    const fs::path destino(*rutaSalida);
    std::error_code ec;
    if (deArchivo && fs::equivalent(*archivo, destino, ec)) {
        errores << kPrefijoError << "la salida no puede ser el archivo de entrada: «" << *rutaSalida << "»\n";
        return 2;
    }
    const fs::path temporal = nombreTemporal(destino);
    const BorrarAlInterrumpir borrar(temporal);
    std::ofstream archivoSalida(temporal, std::ios::binary | std::ios::trunc);
    if (!archivoSalida) {
        errores << kPrefijoError << "no se puede crear «" << *rutaSalida << "»\n";
        return 2;
    }
    SumideroFlujo sumidero(archivoSalida);
    int estado = convertirCsv(fuente, sumidero, errores, opciones, hoy);
    archivoSalida.close();
    if (estado != 2 && !archivoSalida) {
        errores << kPrefijoError << "no se pudo escribir «" << *rutaSalida << "»\n";
        estado = 2;
    }
    if (estado != 2) {
        fs::rename(temporal, destino, ec);
        if (ec) {
            errores << kPrefijoError << "no se puede escribir «" << *rutaSalida << "»: " << ec.message()
                    << '\n';
            estado = 2;
        }
    }
    if (estado == 2) fs::remove(temporal, ec);  // nothing half-written is left behind
    return estado;
}

}  // namespace tarvolo
