#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvolo {

// One loosely typed argument of the calendar: omitted, a whole number, or a
// text that should spell one. An omitted part stands for today's.
class Parte {
public:
    Parte() noexcept = default;
    Parte(int numero) noexcept : valor_(static_cast<long long>(numero)) {}
    Parte(long long numero) noexcept : valor_(numero) {}
    Parte(std::string texto) : valor_(std::move(texto)) {}
    Parte(std::string_view texto) : valor_(std::string(texto)) {}
    Parte(const char* texto) : valor_(std::string(texto)) {}

    bool omitida() const noexcept { return std::holds_alternative<std::monostate>(valor_); }
    // Omitted, or a text with nothing but blanks: what the year tables take
    // for "the current year".
    bool vacia() const noexcept;
    // The text as given, or the decimal digits of a number; empty if omitted.
    std::string texto() const;

    // The number the part spells, or `siOmitida` when it was omitted.
    // Throws error 13 for a text that is not plain decimal digits with
    // optional surrounding blanks. Very long digit strings saturate far above
    // any valid date part instead of wrapping.
    long long leer(long long siOmitida) const;

private:
    std::variant<std::monostate, long long, std::string> valor_;
};

// Plain decimal digits with optional surrounding blanks, saturated; nullopt
// for anything else (empty, signs, letters, inner blanks).
std::optional<long long> leerDecimal(std::string_view texto) noexcept;

}  // namespace tarvolo
