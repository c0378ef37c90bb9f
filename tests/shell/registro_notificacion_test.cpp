#include "shell/registro_notificacion.h"

#include <gtest/gtest.h>

#include "shell/windows1252.h"

namespace tarvolo {
namespace {

using R = RegistroNotificacion;
using namespace std::string_literals;

std::string campo(const RegistroNotificacion& r, std::size_t desde, std::size_t ancho) {
    const auto inicio = r.bytes().begin() + static_cast<std::ptrdiff_t>(desde);
    return {inicio, inicio + static_cast<std::ptrdiff_t>(ancho)};
}

TEST(Windows1252, AccentsAreSingleBytesOfTheCodePage) {
    EXPECT_EQ(aWindows1252("ó"), "\xF3");
    EXPECT_EQ(aWindows1252("ÁÉÍÓÚÑñü"), "\xC1\xC9\xCD\xD3\xDA\xD1\xF1\xFC");
    // Where Windows-1252 and Latin-1 part ways.
    EXPECT_EQ(aWindows1252("€…"), "\x80\x85");
    EXPECT_EQ(deWindows1252("Epidemiol\xF3gica \x80"), "Epidemiológica €");
}

TEST(Windows1252, CharactersOutsideTheCodePageTakeOneByteEach) {
    // A character beyond the code page, even one written as four UTF-8
    // bytes, still takes exactly one byte, so cutting bytes cuts characters;
    // so does a byte that is not UTF-8 at all.
    const std::string b = aWindows1252(
        "a中b\U0001F600c\xFF"
        "d");
    ASSERT_EQ(b.size(), 7u);
    EXPECT_EQ(b,
              "a\x1A"
              "b\x1A"
              "c\x1A"
              "d");
}

TEST(Windows1252, EveryByteComesBackAsItWas) {
    std::string todos;
    for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(aWindows1252(deWindows1252(todos)), todos);
}

TEST(RegistroNotificacion, StartsAsFourHundredEightyEightZeroBytes) {
    const R r;
    EXPECT_EQ(campo(r, 0, 488), std::string(488, '\0'));
    EXPECT_EQ(r.szTip(), "");
}

TEST(RegistroNotificacion, IntegersAreLittleEndianAtTheirOffsets) {
    R r;
    r.fijarCbSize(488);
    r.fijarHWnd(0x11223344);
    r.fijarUId(1);
    r.fijarUFlags(23);
    r.fijarUCallbackMessage(0x200);
    r.fijarHIcon(0xA1B2C3D4);
    r.fijarDwInfoFlags(1);
    EXPECT_EQ(campo(r, 0, 4), "\xE8\x01\x00\x00"s);
    EXPECT_EQ(campo(r, 4, 4), "\x44\x33\x22\x11"s);
    EXPECT_EQ(campo(r, 8, 4), "\x01\x00\x00\x00"s);
    EXPECT_EQ(campo(r, 12, 4), "\x17\x00\x00\x00"s);
    EXPECT_EQ(campo(r, 16, 4), "\x00\x02\x00\x00"s);
    EXPECT_EQ(campo(r, 20, 4), "\xD4\xC3\xB2\xA1"s);
    EXPECT_EQ(campo(r, 484, 4), "\x01\x00\x00\x00"s);
    EXPECT_EQ(R::desdeBytes(r.bytes()).hIcon(), 0xA1B2C3D4u);
}

TEST(RegistroNotificacion, TextIsFollowedByOneNulThenSpaces) {
    R r;
    r.fijarSzTip("Semana Epidemiológica 7");
    std::string esperado = "Semana Epidemiol\xF3gica 7"s + '\0';
    esperado += std::string(128 - esperado.size(), ' ');
    EXPECT_EQ(campo(r, R::kSzTip, 128), esperado);
    EXPECT_EQ(r.szTip(), "Semana Epidemiológica 7");
    // Neighbours untouched.
    EXPECT_EQ(campo(r, 20, 4), std::string(4, '\0'));
    EXPECT_EQ(campo(r, R::kDwState, 4), std::string(4, '\0'));
}

TEST(RegistroNotificacion, ShorterTextAfterLongerLeavesNoTail) {
    R r;
    r.fijarSzInfo(std::string(200, 'x'));
    r.fijarSzInfo("ab");
    EXPECT_EQ(campo(r, R::kSzInfo, 4), "ab\0 "s);
    EXPECT_EQ(campo(r, R::kSzInfo + 3, 253), std::string(253, ' '));
    EXPECT_EQ(r.szInfo(), "ab");
}

TEST(RegistroNotificacion, AShortRecordsTooltipIsItsFirstSixtyFourBytes) {
    R r;
    r.fijarSzTip(std::string(100, 'x'));
    EXPECT_EQ(r.tipLeido(), std::string(64, 'x'));  // cbSize 0: short
    r.fijarCbSize(R::kTamano);
    EXPECT_EQ(r.tipLeido(), std::string(100, 'x'));
}

struct Corte {
    const char* nombre;
    std::size_t desde, ancho, limite;
    std::size_t largo;   // characters written
    std::size_t leidos;  // characters read back
    bool conNul;         // a NUL stands right after them
};

void PrintTo(const Corte& c, std::ostream* os) {
    *os << c.nombre;
}

class CortesDeTexto : public ::testing::TestWithParam<Corte> {};

TEST_P(CortesDeTexto, CutToTheLimitAndTheField) {
    const Corte c = GetParam();
    R r;
    r.fijarTexto(c.desde, c.ancho, std::string(c.largo, 'z'), c.limite);
    EXPECT_EQ(r.texto(c.desde, c.ancho), std::string(c.leidos, 'z'));
    const std::string f = campo(r, c.desde, c.ancho);
    EXPECT_EQ(f.substr(0, c.leidos), std::string(c.leidos, 'z'));
    if (c.conNul) {
        EXPECT_EQ(f.at(c.leidos), '\0');
        EXPECT_EQ(f.substr(c.leidos + 1), std::string(c.ancho - c.leidos - 1, ' '));
    }
    // Nothing spills into the next field.
    EXPECT_EQ(r.bytes().at(c.desde + c.ancho), 0);
}

INSTANTIATE_TEST_SUITE_P(Limites, CortesDeTexto,
                         ::testing::Values(Corte{"tip127", R::kSzTip, 128, 127, 200, 127, true},
                                           Corte{"tip63", R::kSzTip, 128, 63, 200, 63, true},
                                           Corte{"tipExacto", R::kSzTip, 128, 127, 127, 127, true},
                                           Corte{"globo255", R::kSzInfo, 256, 255, 300, 255, true},
                                           Corte{"titulo63", R::kSzInfoTitle, 64, 63, 80, 63, true},
                                           // Unlimited text fills the field and leaves no room for the NUL.
                                           Corte{"sinLimite", R::kSzTip, 128, 128, 140, 128, false},
                                           Corte{"sinLimiteCabe", R::kSzTip, 128, 128, 127, 127, true}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(RegistroNotificacion, ATextWithANulReadsUpToIt) {
    R r;
    r.fijarSzTip("antes\0después"s, 127);
    EXPECT_EQ(r.szTip(), "antes");
}

}  // namespace
}  // namespace tarvolo
