#include "argumentos.h"

#include "calendar/parte.h"
#include "mensajes.h"

namespace tarvolo {

namespace {

std::optional<char> leerSeparador(std::string_view texto) {
    if (texto == "," || texto == ";") return texto.front();
    if (texto == "tab" || texto == "\t") return '\t';
    return std::nullopt;
}

}  // namespace

std::string leerArgumentos(const std::vector<std::string>& argumentos, const std::vector<Opcion>& opciones,
                           std::optional<std::string>& archivo) {
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& a = argumentos[i];
        if (a.size() <= 2 || a.compare(0, 2, "--") != 0) {
            if (archivo) return "sobra un argumento: " + a;
            archivo = a;
            continue;
        }
        const auto igual = a.find('=');
        const std::string nombre = a.substr(0, igual);
        const Opcion* opcion = nullptr;
        for (const auto& o : opciones)
            if (o.nombre == nombre) opcion = &o;
        if (opcion == nullptr || (!opcion->conValor && igual != std::string::npos))
            return "opción desconocida: " + a;
        std::string valor;
        if (!opcion->conValor) {
            // nothing to read
        } else if (igual != std::string::npos) {
            valor = a.substr(igual + 1);
        } else if (i + 1 < argumentos.size()) {
            valor = argumentos[++i];
        } else {
            return "falta el valor de " + nombre;
        }
        if (std::string porQue = opcion->tomar(valor); !porQue.empty()) return porQue;
    }
    return {};
}

void agregarOpcionesDeLista(std::vector<Opcion>& opciones, std::string& columna, char& separador,
                            std::optional<std::string>& salida) {
    opciones.push_back({"--columna", true, [&columna](const std::string& valor) -> std::string {
                            if (valor.find_first_not_of(" \t") == std::string::npos)
                                return "--columna necesita un nombre o un número";
                            columna = valor;
                            return {};
                        }});
    opciones.push_back({"--separador", true, [&separador](const std::string& valor) -> std::string {
                            const auto sep = leerSeparador(valor);
                            if (!sep) return "separador no válido: «" + valor + "» (',', ';' o tab)";
                            separador = *sep;
                            return {};
                        }});
    opciones.push_back({"--salida", true, [&salida](const std::string& valor) -> std::string {
                            if (valor.empty()) return "--salida necesita un archivo";
                            salida = valor;
                            return {};
                        }});
}

std::optional<int> leerEntero(std::string_view texto, int minimo, int maximo) {
    const auto n = leerDecimal(texto);
    if (!n || *n < minimo || *n > maximo) return std::nullopt;
    return static_cast<int>(*n);
}

int errorDeUso(std::ostream& errores, std::string_view que, std::string_view uso) {
    errores << kPrefijoError << que << "\nUso: " << uso << '\n';
    return 2;
}

}  // namespace tarvolo
