#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bytes.h"

namespace tarvolo {

// A quoted field still open when the input ended.
class ComillasSinCerrar : public std::runtime_error {
public:
    explicit ComillasSinCerrar(long linea)
        : std::runtime_error("campo entre comillas sin cerrar"), linea_(linea) {}
    long linea() const noexcept { return linea_; }

private:
    long linea_;
};

// One record as it stands in the input, with views into the reader's
// buffer: valid until the next call to siguiente().
struct RegistroCsv {
    std::string_view bytes;                // the record without its line end
    std::string_view finDeLinea;           // "\n", "\r\n", or "" for a last record without one
    std::vector<std::string_view> campos;  // raw fields, quotes included
    long linea = 0;                        // line of the input on which it starts (1 = first)
};

// Reads RFC 4180 records one at a time from a byte source, without copying
// fields: a quote opens a quoted field only as its first byte, "" inside is
// a quote, and a quoted field may hold separators, CR and LF. Records end at
// LF or CR LF outside quotes. Memory is one buffer as long as the longest
// record (at least `bloque` bytes), reused.
//
// In memory: FuenteMemoria f(bytes); LectorCsv l(f); while (l.siguiente()) l.registro()...
class LectorCsv {
public:
    static constexpr std::size_t kBloque = 256 * 1024;

    // `separador` 0: found from the first record, the most frequent of
    // ',', ';' and tab outside quotes (',' when none).
    explicit LectorCsv(FuenteBytes& fuente, char separador = 0, std::size_t bloque = kBloque);

    // Called before each read of the source that may wait: the moment to
    // pass on output that is ready.
    void alEsperar(void (*f)(void*), void* dato) noexcept {
        alEsperar_ = f;
        datoEsperar_ = dato;
    }

    // The next record; false at the end of the input. Throws
    // ComillasSinCerrar, or what the source throws.
    bool siguiente();
    const RegistroCsv& registro() const noexcept { return registro_; }
    char separador() const noexcept { return separador_; }
    // The first record began with a UTF-8 byte-order mark (kept in its bytes).
    bool tieneBom() const noexcept { return bom_; }

private:
    enum class Estado { kNormal, kComillas, kComillaEnComillas };
    enum Clase : unsigned char { kOtro, kSeparador, kSalto, kComilla };

    bool rellenar();  // more input after the buffered bytes; false at the end
    void clasificar(char separador);
    bool escanear();  // one record from inicio_; false when nothing is left
    void detectarSeparador();

    FuenteBytes& fuente_;
    char separador_;
    std::vector<char> buffer_;
    std::size_t inicio_ = 0;  // first byte of the current record
    std::size_t fin_ = 0;     // end of the buffered bytes
    long linea_ = 1;          // line of the next record
    bool primero_ = true;
    bool bom_ = false;
    bool agotada_ = false;
    unsigned char clase_[256] = {};
    std::size_t siguienteInicio_ = 0;
    long saltosDelRegistro_ = 0;
    std::vector<std::size_t> cortes_;  // field starts and separators, relative to inicio_
    RegistroCsv registro_;
    void (*alEsperar_)(void*) = nullptr;
    void* datoEsperar_ = nullptr;
};

// The value of a raw field: outer quotes removed and "" turned into ".
// Unquoted fields come back as they are (no copy into `espacio`).
std::string_view valorCampo(std::string_view crudo, std::string& espacio);

}  // namespace tarvolo
