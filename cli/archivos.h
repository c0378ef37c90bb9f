#pragma once

#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "bytes.h"

namespace tarvolo {

// A path from the program's UTF-8 text and back: on Windows a plain string
// would go through the ANSI code page and lose what it cannot hold.
std::filesystem::path rutaUtf8(std::string_view utf8);
std::string textoRuta(const std::filesystem::path& ruta);

// A command's input: the file it names, or standard input for none or "-".
class Entrada {
public:
    // Throws std::runtime_error with the reason when the file cannot be read.
    Entrada(const std::optional<std::string>& archivo, std::istream& estandar);
    Entrada(const Entrada&) = delete;
    Entrada& operator=(const Entrada&) = delete;

    FuenteBytes& fuente() noexcept { return fuente_; }
    // The file's path; empty for standard input.
    const std::filesystem::path& ruta() const noexcept { return ruta_; }

private:
    std::vector<char> buffer_;
    std::ifstream archivo_;
    std::filesystem::path ruta_;
    FuenteFlujo fuente_;
};

// A file written whole or not at all: the bytes go to a temporary file
// beside it, which takes its name only in confirmar(). Until then an error,
// an exception or Ctrl+C leaves nothing behind.
class ArchivoEntero {
public:
    // Throws std::runtime_error when the temporary file cannot be made.
    explicit ArchivoEntero(const std::filesystem::path& destino);
    ~ArchivoEntero();
    ArchivoEntero(const ArchivoEntero&) = delete;
    ArchivoEntero& operator=(const ArchivoEntero&) = delete;

    std::ostream& flujo() noexcept { return flujo_; }
    // Closes the temporary file and gives it the destination's name; throws
    // std::runtime_error (and leaves nothing) when that fails.
    void confirmar();

private:
    std::filesystem::path destino_, temporal_;
    std::ofstream flujo_;
    int ranura_ = -1;  // where the interrupt handler finds the temporary name
    bool confirmado_ = false;
};

// A command's answer and where it goes: a file, or standard output for none
// or "-".
struct TextoDestino {
    std::optional<std::string> ruta;
    std::string texto;
};

// Every file written whole, each taking its name only once all of them are
// written; then what goes to standard output. Throws std::runtime_error,
// leaving no file, when one cannot be written.
void escribirTextos(const std::vector<TextoDestino>& textos, std::ostream& salida);

// `salida` would overwrite the input file: an error line for the user, or
// nothing when they differ.
std::string salidaSobreEntrada(const Entrada& entrada, const std::string& salida);

}  // namespace tarvolo
