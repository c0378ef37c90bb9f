#pragma once

#include <stdexcept>
#include <string>

namespace tarvolo {

// A run-time error as the user sees it: a number and a Spanish description.
// Callers rely on the numbers (the date lookup window stays silent on 13).
class ErrorEjecucion : public std::runtime_error {
public:
    static constexpr int kTiposNoCoinciden = 13;
    static constexpr int kDesbordamiento = 6;

    ErrorEjecucion(int numero, const std::string& descripcion)
        : std::runtime_error(descripcion), numero_(numero) {}

    int numero() const noexcept { return numero_; }
    std::string descripcion() const { return what(); }

    static ErrorEjecucion tiposNoCoinciden() { return {kTiposNoCoinciden, "No coinciden los tipos"}; }
    static ErrorEjecucion desbordamiento() { return {kDesbordamiento, "Desbordamiento"}; }

private:
    int numero_;
};

}  // namespace tarvolo
