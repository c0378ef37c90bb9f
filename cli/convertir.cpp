#include "convertir.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>

#include "calendar/parte.h"
#include "calendar/texto_fecha.h"
#include "lector_csv.h"
#include "leer_fecha.h"

namespace tarvolo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefijo = "tarvolo-cli: ";
constexpr std::string_view kColumnas[] = {"semana_epi", "anio_epi", "cuatrisemana", "inicio_semana",
                                          "fin_semana"};
constexpr std::size_t kColumnasBasicas = 3;
constexpr std::size_t kLimiteSalida = 240 * 1024;  // bytes gathered before a write

std::string_view sinBlancos(std::string_view s) noexcept {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

char minuscula(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool igualesSinMayusculas(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    return true;
}

bool contieneSinMayusculas(std::string_view texto, std::string_view buscado) noexcept {
    for (std::size_t i = 0; i + buscado.size() <= texto.size(); ++i)
        if (igualesSinMayusculas(texto.substr(i, buscado.size()), buscado)) return true;
    return false;
}

// Header names as users see them: unquoted, without surrounding blanks.
std::vector<std::string> nombresDe(const RegistroCsv& encabezado) {
    std::vector<std::string> nombres;
    std::string espacio;
    for (const auto campo : encabezado.campos) nombres.emplace_back(sinBlancos(valorCampo(campo, espacio)));
    return nombres;
}

std::optional<std::size_t> buscarColumna(const std::vector<std::string>& nombres,
                                         const std::string& columna) {
    if (columna.empty()) {
        for (std::size_t i = 0; i < nombres.size(); ++i)
            if (contieneSinMayusculas(nombres[i], "fecha")) return i;
        return std::nullopt;
    }
    if (const auto n = leerDecimal(columna)) {
        if (*n >= 1 && static_cast<unsigned long long>(*n) <= nombres.size())
            return static_cast<std::size_t>(*n - 1);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < nombres.size(); ++i)
        if (igualesSinMayusculas(nombres[i], sinBlancos(columna))) return i;
    return std::nullopt;
}

void informarSinColumna(std::ostream& errores, const std::string& columna,
                        const std::vector<std::string>& nombres) {
    errores << kPrefijo;
    if (columna.empty()) {
        errores << "ninguna columna contiene «fecha»";
    } else {
        errores << "no hay columna «" << columna << "»";
    }
    errores << "; columnas:";
    for (std::size_t i = 0; i < nombres.size(); ++i)
        errores << (i == 0 ? " " : ", ") << "«" << nombres[i] << "»";
    errores << '\n';
}

// The output, gathered in one reused buffer and written in large pieces.
class Salida {
public:
    explicit Salida(SumideroBytes& sumidero) : sumidero_(sumidero) {
        texto_.reserve(kLimiteSalida + 64 * 1024);
    }
    std::string& texto() noexcept { return texto_; }
    void quizasEscribir() {
        if (texto_.size() >= kLimiteSalida) escribir();
    }
    void escribir() {
        sumidero_.escribir(texto_.data(), texto_.size());
        texto_.clear();
    }
    // Everything so far to the other end, as the input is about to wait.
    static void pasar(void* salida) {
        auto* s = static_cast<Salida*>(salida);
        s->escribir();
        s->sumidero_.vaciar();
    }

private:
    SumideroBytes& sumidero_;
    std::string texto_;
};

void agregarEntero(std::string& s, int n) {
    char cifras[12];
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, n);
    s.append(cifras, r.ptr);
}

void agregarVacios(std::string& s, char separador, std::size_t cuantos) {
    s.append(cuantos, separador);
}

void agregarRespuesta(std::string& s, char separador, const SemanaDeFecha& r, bool fechas) {
    s += separador;
    agregarEntero(s, r.semana);
    s += separador;
    agregarEntero(s, r.anio);
    s += separador;
    agregarEntero(s, r.cuatrisemana);
    if (fechas) {
        const Dias dia{r.fecha};
        const Dias domingo = dia - std::chrono::days{diaDeLaSemana(dia)};
        s += separador;
        agregarFecha(s, domingo);
        s += separador;
        agregarFecha(s, domingo + std::chrono::days{6});
    }
}

// A cell in an error line: one line whatever it holds.
std::string paraMostrar(std::string_view texto) {
    std::string s(texto);
    for (char& c : s)
        if (c == '\n' || c == '\r') c = ' ';
    return s;
}

int convertirRegistros(LectorCsv& lector, Salida& salida, std::ostream& errores,
                       const OpcionesConvertir& opciones, const Fecha& hoy) {
    if (!lector.siguiente()) {
        errores << kPrefijo << "la entrada está vacía: falta la línea de encabezado\n";
        return 2;
    }
    const char sep = lector.separador();
    const std::size_t agregadas = opciones.fechas ? std::size(kColumnas) : kColumnasBasicas;
    const RegistroCsv& encabezado = lector.registro();
    const auto nombres = nombresDe(encabezado);
    const auto columna = buscarColumna(nombres, opciones.columna);
    if (!columna) {
        informarSinColumna(errores, opciones.columna, nombres);
        return 2;
    }
    std::string& s = salida.texto();
    s.append(encabezado.bytes);
    for (std::size_t i = 0; i < agregadas; ++i) {
        s += sep;
        s.append(kColumnas[i]);
    }
    s.append(encabezado.finDeLinea);
    lector.alEsperar(&Salida::pasar, &salida);
    std::string espacio;
    long filas = 0, sinFecha = 0, invalidas = 0;
    while (lector.siguiente()) {
        const RegistroCsv& r = lector.registro();
        s.append(r.bytes);
        if (r.bytes.empty()) {  // a blank line stays blank
            s.append(r.finDeLinea);
            continue;
        }
        ++filas;
        const std::string_view celda =
            *columna < r.campos.size() ? valorCampo(r.campos[*columna], espacio) : std::string_view();
        if (sinBlancos(celda).empty()) {
            ++sinFecha;
            agregarVacios(s, sep, agregadas);
        } else if (const auto respuesta = leerCeldaFecha(celda, hoy)) {
            agregarRespuesta(s, sep, *respuesta, opciones.fechas);
        } else {
            ++invalidas;
            agregarVacios(s, sep, agregadas);
            errores << kPrefijo << "línea " << r.linea << ": fecha no válida: «" << paraMostrar(celda)
                    << "»\n";
        }
        s.append(r.finDeLinea);
        salida.quizasEscribir();
    }
    Salida::pasar(&salida);
    errores << kPrefijo << filas << " filas, " << sinFecha << " sin fecha, " << invalidas
            << " fechas no válidas\n";
    return invalidas == 0 ? 0 : 1;
}

}  // namespace

int convertirCsv(FuenteBytes& entrada, SumideroBytes& sumidero, std::ostream& errores,
                 const OpcionesConvertir& opciones, const Fecha& hoy) {
    Salida salida(sumidero);
    try {
        LectorCsv lector(entrada, opciones.separador);
        try {
            return convertirRegistros(lector, salida, errores, opciones, hoy);
        } catch (const ComillasSinCerrar& e) {
            salida.escribir();  // the records before it are whole
            errores << kPrefijo << "línea " << e.linea()
                    << ": campo entre comillas sin cerrar al final de la entrada\n";
            return 2;
        }
    } catch (const std::runtime_error& e) {
        errores << kPrefijo << e.what() << '\n';
        return 2;
    }
}

namespace {

int errorDeUso(std::ostream& errores, std::string_view que) {
    errores << kPrefijo << que << "\nUso: " << kUsoConvertir << '\n';
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
                if (sinBlancos(valor).empty())
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
            errores << kPrefijo << "«" << *archivo << "» es una carpeta\n";
            return 2;
        }
        archivoEntrada.rdbuf()->pubsetbuf(bufferEntrada.data(),
                                          static_cast<std::streamsize>(bufferEntrada.size()));
        archivoEntrada.open(*archivo, std::ios::binary);
        if (!archivoEntrada) {
            errores << kPrefijo << "no se puede abrir «" << *archivo << "»\n";
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
        errores << kPrefijo << "la salida no puede ser el archivo de entrada: «" << *rutaSalida << "»\n";
        return 2;
    }
    const fs::path temporal = nombreTemporal(destino);
    const BorrarAlInterrumpir borrar(temporal);
    std::ofstream archivoSalida(temporal, std::ios::binary | std::ios::trunc);
    if (!archivoSalida) {
        errores << kPrefijo << "no se puede crear «" << *rutaSalida << "»\n";
        return 2;
    }
    SumideroFlujo sumidero(archivoSalida);
    int estado = convertirCsv(fuente, sumidero, errores, opciones, hoy);
    archivoSalida.close();
    if (estado != 2 && !archivoSalida) {
        errores << kPrefijo << "no se pudo escribir «" << *rutaSalida << "»\n";
        estado = 2;
    }
    if (estado != 2) {
        fs::rename(temporal, destino, ec);
        if (ec) {
            errores << kPrefijo << "no se puede escribir «" << *rutaSalida << "»: " << ec.message() << '\n';
            estado = 2;
        }
    }
    if (estado == 2) fs::remove(temporal, ec);  // nothing half-written is left behind
    return estado;
}

}  // namespace tarvolo
