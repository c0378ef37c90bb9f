// Core benchmarks. Targets on the 2-core machine: at least 50 million dates
// a second for the week, year and period of a date (the closed form
// on integer days), and under 100 microseconds per builder per year.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calendar/dias.h"
#include "calendar/semana_epi.h"
#include "tables/tablas.h"

namespace {

using namespace std::chrono;
using tarvolo::Dias;
using tarvolo::Fecha;
using tarvolo::Parte;

constexpr Fecha kHoy{year{2005}, June, day{15}};
constexpr std::size_t kFechas = 1 << 20;  // about a million dates

// Consecutive days from 1 January 1900 (about 2,870 years' worth).
const std::vector<Dias>& fechasSeguidas() {
    static const std::vector<Dias> v = [] {
        std::vector<Dias> f(kFechas);
        const Dias inicio = sys_days{year{1900} / January / 1};
        for (std::size_t i = 0; i < kFechas; ++i) f[i] = inicio + days{static_cast<int>(i)};
        return f;
    }();
    return v;
}

// The same dates shuffled: no help from branch prediction or from the year
// staying the same from one date to the next.
const std::vector<Dias>& fechasAlAzar() {
    static const std::vector<Dias> v = [] {
        std::vector<Dias> f = fechasSeguidas();
        std::shuffle(f.begin(), f.end(), std::mt19937_64{20050102});
        return f;
    }();
    return v;
}

// Week, epidemiological year and period of every date, written to an output
// array (what a caller that keeps the answers does).
void semanaDeArreglo(benchmark::State& state, const std::vector<Dias>& fechas) {
    std::vector<tarvolo::SemanaEpidemiologica> salida(fechas.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < fechas.size(); ++i) salida[i] = tarvolo::semanaDe(fechas[i]);
        benchmark::DoNotOptimize(salida.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fechas.size()));
}

void BM_semanaDe_seguidas(benchmark::State& state) {
    semanaDeArreglo(state, fechasSeguidas());
}
void BM_semanaDe_alAzar(benchmark::State& state) {
    semanaDeArreglo(state, fechasAlAzar());
}
BENCHMARK(BM_semanaDe_seguidas);
BENCHMARK(BM_semanaDe_alAzar);

// The public operations with numeric parts, as a window would call them for
// one date: SemanaEpi once and its week handed to the other two.
void BM_SemanaEpi_partesNumericas(benchmark::State& state) {
    const auto& fechas = fechasAlAzar();
    std::vector<Fecha> ymd(fechas.begin(), fechas.begin() + (1 << 16));
    std::size_t i = 0;
    for (auto _ : state) {
        const Fecha& f = ymd[i++ & (ymd.size() - 1)];
        const Parte d(static_cast<int>(static_cast<unsigned>(f.day())));
        const Parte m(static_cast<int>(static_cast<unsigned>(f.month())));
        const Parte a(static_cast<int>(f.year()));
        const int semana = tarvolo::SemanaEpi(kHoy, d, m, a);
        benchmark::DoNotOptimize(semana);
        benchmark::DoNotOptimize(tarvolo::AnioEpi(kHoy, d, m, a, semana));
        benchmark::DoNotOptimize(tarvolo::CuatrisemanaEpi(kHoy, d, m, a, semana));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SemanaEpi_partesNumericas);

// The same with text parts, as the date lookup window passes its boxes.
void BM_SemanaEpi_partesDeTexto(benchmark::State& state) {
    const auto& fechas = fechasAlAzar();
    std::vector<Parte> partes;
    for (std::size_t i = 0; i < (1 << 12); ++i) {
        const Fecha f{fechas[i]};
        partes.emplace_back(std::to_string(static_cast<unsigned>(f.day())));
        partes.emplace_back(std::to_string(static_cast<unsigned>(f.month())));
        partes.emplace_back(std::to_string(static_cast<int>(f.year())));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::size_t k = 3 * (i++ & ((1 << 12) - 1));
        const int semana = tarvolo::SemanaEpi(kHoy, partes[k], partes[k + 1], partes[k + 2]);
        benchmark::DoNotOptimize(semana);
        benchmark::DoNotOptimize(tarvolo::AnioEpi(kHoy, partes[k], partes[k + 1], partes[k + 2], semana));
        benchmark::DoNotOptimize(
            tarvolo::CuatrisemanaEpi(kHoy, partes[k], partes[k + 1], partes[k + 2], semana));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_SemanaEpi_partesDeTexto);

// Each builder for one year (2003 has 53 weeks, the longest texts), the year
// passed as text as the year window does.
void BM_constructor(benchmark::State& state, tarvolo::Constructor construir) {
    const Parte anio("2003");
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string s = construir(anio, kHoy);
        bytes = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// Registered from one list, in this order.
const bool kConstructoresRegistrados = [] {
    const struct {
        const char* nombre;
        tarvolo::Constructor construir;
    } constructores[] = {{"TablaSemanas/2003", tarvolo::TablaSemanas},
                         {"TablaAmbas/2003", tarvolo::TablaAmbas},
                         {"TablaCuatrisemanas/2003", tarvolo::TablaCuatrisemanas},
                         {"ListadoSemanas/2003", tarvolo::ListadoSemanas},
                         {"ListadoAmbas/2003", tarvolo::ListadoAmbas},
                         {"ListadoCuatrisemanas/2003", tarvolo::ListadoCuatrisemanas}};
    for (const auto& c : constructores)
        benchmark::RegisterBenchmark(c.nombre, BM_constructor, c.construir)->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
