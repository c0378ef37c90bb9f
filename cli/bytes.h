#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>

namespace tarvolo {

// Where the converter's bytes come from: no decoding, no line-end translation.
class FuenteBytes {
public:
    virtual ~FuenteBytes() = default;
    // Up to `capacidad` bytes into `destino`; 0 only at the end of the input.
    // May return fewer than asked (a pipe gives what it has). Throws
    // std::runtime_error when the input cannot be read.
    virtual std::size_t leer(char* destino, std::size_t capacidad) = 0;
};

class SumideroBytes {
public:
    virtual ~SumideroBytes() = default;
    // Throws std::runtime_error when the bytes cannot be written.
    virtual void escribir(const char* datos, std::size_t n) = 0;
    // Hands what was written to the other end (the next program of a pipe).
    virtual void vaciar() {}
};

// A buffer already in memory (tests, fuzzing).
class FuenteMemoria final : public FuenteBytes {
public:
    // `trozo` limits each read, so tests can cut the input at every byte.
    explicit FuenteMemoria(std::string_view datos, std::size_t trozo = 0) noexcept
        : resto_(datos), trozo_(trozo) {}
    std::size_t leer(char* destino, std::size_t capacidad) override;

private:
    std::string_view resto_;
    std::size_t trozo_;
};

// A binary std::istream. Blocks only when it holds nothing buffered, so a
// slow pipe is answered as its lines arrive.
class FuenteFlujo final : public FuenteBytes {
public:
    explicit FuenteFlujo(std::istream& flujo) noexcept : flujo_(flujo) {}
    std::size_t leer(char* destino, std::size_t capacidad) override;

private:
    std::istream& flujo_;
};

class SumideroFlujo final : public SumideroBytes {
public:
    explicit SumideroFlujo(std::ostream& flujo) noexcept : flujo_(flujo) {}
    void escribir(const char* datos, std::size_t n) override;
    void vaciar() override;

private:
    std::ostream& flujo_;
};

}  // namespace tarvolo
