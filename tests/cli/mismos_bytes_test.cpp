// The companion writes the same bytes on every platform: its output for a
// table, a listing, descriptions and weeks is compared, byte for byte, with
// files written by the Linux build. CR LF inside the texts, bare "\n" at
// the ends of lines, and UTF-8 all count. The files are regenerated with
//   tarvolo-cli tabla 2005 semanas > salidas/tabla_2005_semanas.txt
//   tarvolo-cli listado 2003 ambas > salidas/listado_2003_ambas.txt
//   tarvolo-cli describir 01/01/2005 29/12/2002 > salidas/describir.txt
//   tarvolo-cli semana 28/12/2003 2002-12-29 > salidas/semana.txt
// and never converted by git (salidas/.gitattributes).

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "calendar/describir_dia.h"
#include "proceso.h"
#include "tables/tablas.h"

using namespace std::chrono;

namespace {

constexpr tarvolo::Fecha kHoy{year{2004}, January, day{3}};

std::string guardada(const std::string& nombre) {
    return tarvolo::prueba::leerArchivo(std::string(TARVOLO_SALIDAS_DIR) + "/" + nombre);
}

struct Caso {
    const char* archivo;
    std::vector<std::string> argumentos;
    std::string enProceso;  // the same answer from the library, in this process
};

// Named in test listings by its file rather than its bytes.
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.archivo;
}

class MismosBytes : public ::testing::TestWithParam<Caso> {};

TEST_P(MismosBytes, QueEnLinux) {
    const Caso& c = GetParam();
    const std::string esperado = guardada(c.archivo);
    ASSERT_FALSE(esperado.empty()) << c.archivo;
    EXPECT_EQ(c.enProceso, esperado);  // the files still say what the program says
    const auto p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, c.argumentos);
    EXPECT_EQ(p.estado, 0);
    EXPECT_EQ(p.errores, "");
    EXPECT_EQ(p.salida.size(), esperado.size());
    EXPECT_EQ(p.salida, esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Salidas, MismosBytes,
    ::testing::Values(
        Caso{"tabla_2005_semanas.txt", {"tabla", "2005", "semanas"}, tarvolo::TablaSemanas("2005", kHoy)},
        Caso{"listado_2003_ambas.txt", {"listado", "2003", "ambas"}, tarvolo::ListadoAmbas("2003", kHoy)},
        Caso{"describir.txt",
             {"describir", "01/01/2005", "29/12/2002"},
             tarvolo::DescribirDia(kHoy, 1, 1, 2005) + "\n" + tarvolo::DescribirDia(kHoy, 29, 12, 2002) +
                 "\n"},
        Caso{"semana.txt", {"semana", "28/12/2003", "2002-12-29"}, "53 2003 13\n1 2003 1\n"}),
    [](const auto& info) {
        std::string nombre = info.param.archivo;
        return nombre.substr(0, nombre.find('.'));
    });

// Arguments are read as typed, in UTF-8, whatever the platform's code page:
// characters it lacks must not turn into look-alikes ("２" into "2") or '?'.
TEST(ArgumentosNoAscii, DanElErrorDeSiempreConElTextoEscrito) {
    const std::string anchos = "1/1/\xef\xbc\x92\xef\xbc\x90\xef\xbc\x90\xef\xbc\x95";  // fullwidth 2005
    auto p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"semana", anchos, "1/1/2005"});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "52 2004 13\n");
    EXPECT_EQ(p.errores,
              "tarvolo-cli: fecha no v\xc3\xa1lida: " + anchos + " (error 13: No coinciden los tipos)\n");

    const std::string anio = "2005\xc3\xb1";  // "2005ñ"
    p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"tabla", anio, "semanas"});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "");
    EXPECT_EQ(p.errores,
              "tarvolo-cli: a\xc3\xb1o no v\xc3\xa1lido: " + anio + " (error 13: No coinciden los tipos)\n");

    const std::string dia = "\xd9\xa1/1/2005";  // an Arabic-Indic one
    p = tarvolo::prueba::ejecutar(TARVOLO_CLI_PATH, {"describir", dia});
    EXPECT_EQ(p.estado, 1);
    EXPECT_EQ(p.salida, "");
    EXPECT_NE(p.errores.find(": " + dia + " (error 13"), std::string::npos) << p.errores;
}

}  // namespace
