// The About window's registry back end against the machine's own registry
// (Wine's, in the Windows test run): keys every Windows has.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "servicios/registro.h"

namespace tarvolo {
namespace {

constexpr const char* kVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class RegistroWindowsTest : public ::testing::Test {
protected:
    std::unique_ptr<Registro> registro = registroDelSistema();
};

TEST_F(RegistroWindowsTest, ReadsAStringOfHkeyLocalMachine) {
    Registro::Clave clave = 0;
    ASSERT_EQ(registro->abrir(kHkeyLocalMachine, kVersion, kAccesoTodo, clave), 0);
    EXPECT_NE(clave, Registro::Clave{0});
    std::vector<unsigned char> datos(kTamanoBuffer, 0xAA);
    std::uint32_t tipo = 0;
    std::uint32_t tamano = kTamanoBuffer;
    ASSERT_EQ(registro->consultar(clave, "CurrentBuildNumber", tipo, datos, tamano), 0);
    EXPECT_EQ(tipo, kRegSz);
    ASSERT_GE(tamano, 2u);  // at least one digit and its NUL
    EXPECT_EQ(datos[tamano - 1], 0);
    EXPECT_TRUE(std::all_of(datos.begin(), datos.begin() + tamano - 1,
                            [](unsigned char c) { return c >= '0' && c <= '9'; }));
    EXPECT_EQ(registro->cerrar(clave), 0);
}

// Asked for every right, the key opens for reading only: a user who is no
// administrator could not open HKEY_LOCAL_MACHINE otherwise.
TEST_F(RegistroWindowsTest, OpensForReadingOnly) {
    Registro::Clave clave = 0;
    ASSERT_EQ(registro->abrir(kHkeyLocalMachine, kVersion, kAccesoTodo, clave), 0);
    const BYTE uno[] = {'1', 0};
    EXPECT_EQ(RegSetValueExA(reinterpret_cast<HKEY>(clave), "TarvoloPrueba", 0, REG_SZ, uno, sizeof uno),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(registro->cerrar(clave), 0);
}

TEST_F(RegistroWindowsTest, MissingKeysValuesAndShortBuffers) {
    Registro::Clave clave = 0;
    EXPECT_EQ(registro->abrir(kHkeyLocalMachine, "SOFTWARE\\Tarvolo\\NoExiste", kAccesoTodo, clave),
              ERROR_FILE_NOT_FOUND);

    ASSERT_EQ(registro->abrir(kHkeyLocalMachine, kVersion, kAccesoTodo, clave), 0);
    std::vector<unsigned char> datos(kTamanoBuffer, 0);
    std::uint32_t tipo = 0;
    std::uint32_t tamano = kTamanoBuffer;
    EXPECT_EQ(registro->consultar(clave, "TarvoloNoExiste", tipo, datos, tamano), ERROR_FILE_NOT_FOUND);

    // A buffer one byte long: more data, and the size the value needs.
    tamano = 1;
    EXPECT_EQ(registro->consultar(clave, "CurrentBuildNumber", tipo, datos, tamano), ERROR_MORE_DATA);
    EXPECT_GT(tamano, 1u);
    EXPECT_EQ(registro->cerrar(clave), 0);
}

TEST_F(RegistroWindowsTest, AStringsBytesBecomeUtf8) {
    // "ó" in Wine's code page for the Spanish tests, Windows-1252.
    EXPECT_EQ(registro->texto({'a', 0xF3, 'b'}), "aób");
}

}  // namespace
}  // namespace tarvolo
