#pragma once

// An independent epidemiological calendar for the tests, written the slow
// way on purpose: it walks the Gregorian calendar one day at a time with its
// own month lengths and leap-year rule (no std::chrono, nothing of
// tarvolo's), finds the Sunday of each year's week 1 by counting the January
// days of each Sunday-to-Saturday week ("at least four days in January"), and numbers the weeks by counting
// Sundays from there. The closed form that the core uses (Wednesday of the week, day of the year / 7) does
// not appear anywhere here.

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace oraculo {

// The long comparisons cover every day of the years 100..9999 in an
// optimised build; under the sanitizers or in a Debug build (ten times
// slower or more) they keep to the years 1583..2600 and sample the rest.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORACULO_SANEADO 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
#define ORACULO_SANEADO 1
#endif
#ifdef ORACULO_SANEADO
inline constexpr bool kPruebaCompleta = false;
#else
inline constexpr bool kPruebaCompleta = true;
#endif

inline bool esBisiesto(int anio) {
    return (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0;
}

inline int diasDelMes(int anio, int mes) {
    static constexpr int kDias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && esBisiesto(anio) ? 29 : kDias[mes - 1];
}

// Zeller's congruence, returned with 0 = Sunday .. 6 = Saturday.
inline int diaDeLaSemana(int anio, int mes, int dia) {
    if (mes < 3) {
        mes += 12;
        anio -= 1;
    }
    const int k = anio % 100;
    const int j = anio / 100;
    const int h = (dia + 13 * (mes + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;  // 0 = Saturday
    return (h + 6) % 7;
}

// The four-week period by strict range tests, tried in order.
inline int cuatrisemana(int semana) {
    for (int k = 1; k <= 12; ++k)
        if (semana > 4 * k - 4 && semana < 4 * k + 1) return k;
    if (semana > 48) return 13;
    return 0;
}

struct Dia {
    int anio;
    int mes;
    int dia;
    int dds;           // 0 = Sunday
    int semana;        // 0 until the first week 1 of the walk
    int anioEpi;       // 0 likewise
    int cuatrisemana;  // 0 likewise
};

// Every day from 1 December of `desde` - 2 to 31 January of `hasta` + 1, each
// with its week, epidemiological year and period (days before the first
// week 1 Sunday of the walk have 0 in all three). Starting two years early
// gives 1..3 January of `desde` their week in the year before.
class Calendario {
public:
    Calendario(int desde, int hasta) {
        int a = desde - 2, m = 12, d = 1;
        int dds = diaDeLaSemana(a, m, d);
        while (!(a == hasta + 1 && m == 2 && d == 1)) {
            dias_.push_back({a, m, d, dds, 0, 0, 0});
            dds = (dds + 1) % 7;
            if (++d > diasDelMes(a, m)) {
                d = 1;
                if (++m > 12) {
                    m = 1;
                    ++a;
                }
            }
        }
        // Week 1 of year Y: the first Sunday-to-Saturday week with at least
        // four of its seven days in January of Y.
        for (std::size_t i = 0; i + 6 < dias_.size(); ++i) {
            if (dias_[i].dds != 0) continue;
            const int y = dias_[i + 6].anio;
            int enEnero = 0;
            for (std::size_t k = 0; k < 7; ++k)
                if (dias_[i + k].mes == 1 && dias_[i + k].anio == y) ++enEnero;
            if (enEnero >= 4 && domingoSemana1_.count(y) == 0) domingoSemana1_[y] = i;
        }
        // Number the weeks by counting Sundays.
        int semana = 0, anioEpi = 0;
        for (std::size_t i = 0; i < dias_.size(); ++i) {
            if (dias_[i].dds == 0) {
                const bool abre = i + 6 < dias_.size() && domingoSemana1_.count(dias_[i + 6].anio) != 0 &&
                                  domingoSemana1_.at(dias_[i + 6].anio) == i;
                if (abre) {
                    semana = 1;
                    anioEpi = dias_[i + 6].anio;
                } else if (semana > 0) {
                    ++semana;
                }
            }
            if (semana > 0) {
                dias_[i].semana = semana;
                dias_[i].anioEpi = anioEpi;
                dias_[i].cuatrisemana = cuatrisemana(semana);
            }
        }
    }

    const std::vector<Dia>& dias() const { return dias_; }

    // The number of weeks of an epidemiological year (52 or 53), counted.
    int semanasDe(int anioEpi) const {
        int n = 0;
        for (std::size_t i = domingoSemana1_.at(anioEpi); i < dias_.size() && dias_[i].anioEpi == anioEpi;
             i += 7)
            ++n;
        return n;
    }

    const Dia& domingoDeSemana1(int anioEpi) const { return dias_[domingoSemana1_.at(anioEpi)]; }

    const Dia& buscar(int anio, int mes, int dia) const {
        for (const auto& d : dias_)
            if (d.anio == anio && d.mes == mes && d.dia == dia) return d;
        throw std::out_of_range("oraculo: day outside the walk");
    }

private:
    std::vector<Dia> dias_;
    std::map<int, std::size_t> domingoSemana1_;
};

// Characters of a UTF-8 text: code points, not bytes.
inline std::size_t caracteres(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

inline std::size_t contar(const std::string& s, const std::string& trozo) {
    std::size_t n = 0;
    for (std::size_t p = s.find(trozo); p != std::string::npos; p = s.find(trozo, p + trozo.size())) ++n;
    return n;
}

// Splits on CR LF; a text ending with CR LF gives no empty last piece.
inline std::vector<std::string> lineas(const std::string& s) {
    std::vector<std::string> v;
    std::size_t inicio = 0;
    for (std::size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", inicio)) {
        v.push_back(s.substr(inicio, p - inicio));
        inicio = p + 2;
    }
    if (inicio < s.size()) v.push_back(s.substr(inicio));
    return v;
}

// Well-formed UTF-8 (no stray continuation bytes, no truncated sequences).
inline bool utf8Valido(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace oraculo
