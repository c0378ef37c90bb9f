#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolo {

// One option of a command: "--nombre VALOR" or "--nombre=VALOR" when it
// takes a value, "--nombre" alone when it does not.
struct Opcion {
    std::string_view nombre;
    bool conValor;
    // Takes the value ("" for an option without one); returns why it is
    // refused, empty when taken.
    std::function<std::string(const std::string& valor)> tomar;
};

// Reads the arguments after a command's name against its options; the one
// argument that is not an option ("-" included) goes to `archivo`. Returns
// why they are refused, empty when every one was taken.
std::string leerArgumentos(const std::vector<std::string>& argumentos, const std::vector<Opcion>& opciones,
                           std::optional<std::string>& archivo);

// --columna, --separador and --salida, as every command that reads a case
// list takes them.
void agregarOpcionesDeLista(std::vector<Opcion>& opciones, std::string& columna, char& separador,
                            std::optional<std::string>& salida);

// A whole number from `minimo` to `maximo`, blanks around allowed.
std::optional<int> leerEntero(std::string_view texto, int minimo, int maximo);

// The error line and the command's usage; returns the usage status, 2.
int errorDeUso(std::ostream& errores, std::string_view que, std::string_view uso);

}  // namespace tarvolo
