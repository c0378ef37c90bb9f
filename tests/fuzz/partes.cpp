// The date parts and their reading: SemanaEpi, AnioEpi, CuatrisemanaEpi,
// ArmarFecha and DescribirDia on arbitrary parts.
//
// Input: "hoy|día|mes|año|semana" (see fuzz::parte for each field's form);
// missing fields are omitted parts.

#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/describir_dia.h"
#include "tests/fuzz/invariantes.h"

using namespace tarvolo;

namespace {

// Where leerDecimal stops multiplying: it may end one digit beyond.
constexpr long long kSaturacion = 1'000'000'000'000LL;

// The same parts once more, every text that spells a number passed as that
// number: the calendar must not tell the two apart.
Parte comoNumero(const Parte& p) {
    if (p.omitida()) return p;
    if (auto n = leerDecimal(p.texto())) return Parte(*n);
    return p;
}

template <class F>
bool lanzaError(F&& f) {
    try {
        f();
    } catch (const ErrorEjecucion& e) {
        fuzz::comprobarError(e);
        return true;
    }
    return false;
}

void comprobarLectura(const Parte& p) {
    if (p.omitida()) return;
    const std::string t = p.texto();
    const auto n = leerDecimal(t);
    try {
        const long long v = p.leer(-1);
        // Read without a digit text only as a negative number part.
        if (n) {
            fuzz::comprobar(v == *n || (v > *n && *n >= kSaturacion), "leer y leerDecimal no coinciden", t);
        } else {
            fuzz::comprobar(v < 0 && t == std::to_string(v), "texto no numérico leído", t);
        }
    } catch (const ErrorEjecucion& e) {
        fuzz::comprobar(e.numero() == ErrorEjecucion::kTiposNoCoinciden && !n, "texto numérico rechazado", t);
    }
    if (n) {
        fuzz::comprobar(*n >= 0 && *n < 10 * kSaturacion, "lectura fuera de su saturación", t);
        // Short digit strings read exactly.
        const size_t primera = t.find_first_not_of(" \t");
        const size_t ultima = t.find_last_not_of(" \t");
        const std::string cifras = t.substr(primera, ultima - primera + 1);
        if (cifras.size() <= 12) fuzz::comprobar(std::stoll(cifras) == *n, "lectura inexacta", t);
    }
}

void comprobarPartes(const Fecha& hoy, const Parte& d, const Parte& m, const Parte& a, const Parte& s) {
    // A date that forms: its week, year and period agree with each other
    // and with the count from week 1's Sunday, and so does the description.
    Fecha fecha{};
    const bool forma = !lanzaError([&] { fecha = ArmarFecha(hoy, d, m, a); });
    int semana = 0;
    fuzz::comprobar(lanzaError([&] { semana = SemanaEpi(hoy, d, m, a); }) == !forma,
                    "SemanaEpi y ArmarFecha no fallan a la vez");
    if (forma) {
        fuzz::comprobar(
            fecha.ok() && static_cast<int>(fecha.year()) >= 100 && static_cast<int>(fecha.year()) <= 9999,
            "ArmarFecha dio una fecha inválida");
        const int anioEpi = AnioEpi(hoy, d, m, a);
        const int cuatri = CuatrisemanaEpi(hoy, d, m, a);
        fuzz::comprobarDia(Dias{fecha}, semana, anioEpi, cuatri);
        fuzz::comprobar(AnioEpi(hoy, d, m, a, semana) == anioEpi, "AnioEpi cambia con la semana dada");
        fuzz::comprobar(AnioEpi(hoy, d, m, a, "  " + std::to_string(semana)) == anioEpi,
                        "AnioEpi cambia con la semana ensanchada");
        fuzz::comprobar(CuatrisemanaEpi(hoy, {}, {}, {}, semana) == cuatri,
                        "cuatrisemana distinta por semana");
        const std::string descripcion = DescribirDia(hoy, d, m, a);
        fuzz::comprobarDescripcion(descripcion);
        fuzz::comprobar(
            descripcion.find("semana epidemiológica " + std::to_string(semana) + ",") != std::string::npos,
            "descripción con otra semana", descripcion);
    } else {
        fuzz::comprobar(lanzaError([&] { DescribirDia(hoy, d, m, a); }),
                        "DescribirDia de una fecha que no forma");
    }

    // A week given: no date is formed, only numbers compared.
    if (!s.omitida()) {
        long long c = 0;
        if (!lanzaError([&] { c = CuatrisemanaEpi(hoy, d, m, a, s); })) {
            const long long n = s.leer(0);
            if (n >= 1 && n <= 53) fuzz::comprobarCuatrisemana(n, c);
            if (n < 1) fuzz::comprobar(c == 0, "cuatrisemana de una semana menor que 1");
            if (n > 53) fuzz::comprobar(c == 13, "cuatrisemana de una semana mayor que 53");
        }
        std::int16_t anio = 0;
        if (!lanzaError([&] { anio = AnioEpi(hoy, d, m, a, s); })) {
            const long long pedido = a.leer(static_cast<int>(hoy.year()));
            fuzz::comprobar(anio >= pedido - 1 && anio <= pedido + 1, "AnioEpi se aleja más de un año");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamanio) {
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamanio);
    const auto cs = fuzz::campos(entrada, '|');
    auto campo = [&](size_t i) { return i < cs.size() ? fuzz::parte(cs[i]) : Parte{}; };
    const Fecha hoy = fuzz::hoy(cs[0]);
    const Parte d = campo(1), m = campo(2), a = campo(3), s = campo(4);
    for (const Parte* p : {&d, &m, &a, &s}) comprobarLectura(*p);
    comprobarPartes(hoy, d, m, a, s);

    // Texts and the numbers they spell give the same answers.
    const Parte dn = comoNumero(d), mn = comoNumero(m), an = comoNumero(a), sn = comoNumero(s);
    auto igual = [&](auto&& f, auto&& g, const char* que) {
        std::string r1, r2;
        try {
            r1 = std::to_string(f());
        } catch (const ErrorEjecucion& e) {
            r1 = "error " + std::to_string(e.numero());
        }
        try {
            r2 = std::to_string(g());
        } catch (const ErrorEjecucion& e) {
            r2 = "error " + std::to_string(e.numero());
        }
        if (r1 != r2) fuzz::violacion(que, r1 + " / " + r2);
    };
    igual([&] { return SemanaEpi(hoy, d, m, a); }, [&] { return SemanaEpi(hoy, dn, mn, an); },
          "SemanaEpi distinta con texto y con número");
    igual([&] { return AnioEpi(hoy, d, m, a, s); }, [&] { return AnioEpi(hoy, dn, mn, an, sn); },
          "AnioEpi distinto con texto y con número");
    igual([&] { return CuatrisemanaEpi(hoy, d, m, a, s); },
          [&] { return CuatrisemanaEpi(hoy, dn, mn, an, sn); },
          "CuatrisemanaEpi distinta con texto y con número");
    return 0;
}
