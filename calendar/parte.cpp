#include "parte.h"

#include "error_ejecucion.h"

namespace tarvolo {

namespace {
constexpr long long kSaturacion = 1'000'000'000'000LL;  // far beyond any date part or 16-bit year

bool esBlanco(char c) noexcept {
    return c == ' ' || c == '\t';
}
}  // namespace

std::optional<long long> leerDecimal(std::string_view texto) noexcept {
    while (!texto.empty() && esBlanco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && esBlanco(texto.back())) texto.remove_suffix(1);
    if (texto.empty()) return std::nullopt;
    long long valor = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor < kSaturacion ? valor * 10 + (c - '0') : kSaturacion;
    }
    return valor;
}

bool Parte::vacia() const noexcept {
    if (omitida()) return true;
    const auto* t = std::get_if<std::string>(&valor_);
    return t != nullptr && t->find_first_not_of(" \t") == std::string::npos;
}

std::string Parte::texto() const {
    if (const auto* t = std::get_if<std::string>(&valor_)) return *t;
    if (const auto* n = std::get_if<long long>(&valor_)) return std::to_string(*n);
    return {};
}

long long Parte::leer(long long siOmitida) const {
    if (const auto* n = std::get_if<long long>(&valor_)) return *n;
    if (const auto* t = std::get_if<std::string>(&valor_)) {
        if (auto v = leerDecimal(*t)) return *v;
        throw ErrorEjecucion::tiposNoCoinciden();
    }
    return siOmitida;
}

}  // namespace tarvolo
