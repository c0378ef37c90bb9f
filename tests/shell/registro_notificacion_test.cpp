#include "shell/registro_notificacion.h"

#include <gtest/gtest.h>

#include "shell/windows1252.h"

namespace tarvolo {
namespace {

using R = RegistroNotificacion;

QByteArray campo(const RegistroNotificacion& r, std::size_t desde, std::size_t ancho) {
    return r.bytes().mid(static_cast<qsizetype>(desde), static_cast<qsizetype>(ancho));
}

TEST(Windows1252, AccentsAreSingleBytesOfTheCodePage) {
    EXPECT_EQ(aWindows1252(u"ó"), QByteArray("\xF3"));
    EXPECT_EQ(aWindows1252(u"ÁÉÍÓÚÑñü"), QByteArray("\xC1\xC9\xCD\xD3\xDA\xD1\xF1\xFC"));
    // Where Windows-1252 and Latin-1 part ways.
    EXPECT_EQ(aWindows1252(u"€…"), QByteArray("\x80\x85"));
    EXPECT_EQ(deWindows1252("Epidemiol\xF3gica \x80"), QStringLiteral("Epidemiológica €"));
}

TEST(Windows1252, CharactersOutsideTheCodePageTakeOneByteEach) {
    // A character beyond the code page, even one written as two UTF-16 units,
    // still takes exactly one byte, so cutting bytes cuts characters.
    const QByteArray b = aWindows1252(QStringLiteral("a中b\U0001F600c"));
    ASSERT_EQ(b.size(), 5);
    EXPECT_EQ(b[0], 'a');
    EXPECT_EQ(b[2], 'b');
    EXPECT_EQ(b[4], 'c');
}

TEST(RegistroNotificacion, StartsAsFourHundredEightyEightZeroBytes) {
    const R r;
    EXPECT_EQ(r.bytes(), QByteArray(488, '\0'));
    EXPECT_EQ(r.szTip(), QString());
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
    const QByteArray b = r.bytes();
    EXPECT_EQ(b.mid(0, 4), QByteArray("\xE8\x01\x00\x00", 4));
    EXPECT_EQ(b.mid(4, 4), QByteArray("\x44\x33\x22\x11", 4));
    EXPECT_EQ(b.mid(8, 4), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(b.mid(12, 4), QByteArray("\x17\x00\x00\x00", 4));
    EXPECT_EQ(b.mid(16, 4), QByteArray("\x00\x02\x00\x00", 4));
    EXPECT_EQ(b.mid(20, 4), QByteArray("\xD4\xC3\xB2\xA1", 4));
    EXPECT_EQ(b.mid(484, 4), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(R::desdeBytes(b).hIcon(), 0xA1B2C3D4u);
}

TEST(RegistroNotificacion, TextIsFollowedByOneNulThenSpaces) {
    R r;
    r.fijarSzTip(QStringLiteral("Semana Epidemiológica 7"));
    QByteArray esperado("Semana Epidemiol\xF3gica 7");
    esperado.append('\0');
    esperado.append(QByteArray(128 - esperado.size(), ' '));
    EXPECT_EQ(campo(r, R::kSzTip, 128), esperado);
    EXPECT_EQ(r.szTip(), QStringLiteral("Semana Epidemiológica 7"));
    // Neighbours untouched.
    EXPECT_EQ(campo(r, 20, 4), QByteArray(4, '\0'));
    EXPECT_EQ(campo(r, R::kDwState, 4), QByteArray(4, '\0'));
}

TEST(RegistroNotificacion, ShorterTextAfterLongerLeavesNoTail) {
    R r;
    r.fijarSzInfo(QString(200, QLatin1Char('x')));
    r.fijarSzInfo(QStringLiteral("ab"));
    EXPECT_EQ(campo(r, R::kSzInfo, 4), QByteArray("ab\0 ", 4));
    EXPECT_EQ(campo(r, R::kSzInfo + 3, 253), QByteArray(253, ' '));
    EXPECT_EQ(r.szInfo(), QStringLiteral("ab"));
}

struct Corte {
    const char* nombre;
    std::size_t desde, ancho, limite;
    int largo;    // characters written
    int leidos;   // characters read back
    bool conNul;  // a NUL stands right after them
};

void PrintTo(const Corte& c, std::ostream* os) {
    *os << c.nombre;
}

class CortesDeTexto : public ::testing::TestWithParam<Corte> {};

TEST_P(CortesDeTexto, CutToTheLimitAndTheField) {
    const Corte c = GetParam();
    R r;
    r.fijarTexto(c.desde, c.ancho, QString(c.largo, QLatin1Char('z')), c.limite);
    EXPECT_EQ(r.texto(c.desde, c.ancho), QString(c.leidos, QLatin1Char('z')));
    const QByteArray f = campo(r, c.desde, c.ancho);
    EXPECT_EQ(f.left(c.leidos), QByteArray(c.leidos, 'z'));
    if (c.conNul) {
        EXPECT_EQ(f.at(c.leidos), '\0');
        EXPECT_EQ(f.mid(c.leidos + 1), QByteArray(static_cast<qsizetype>(c.ancho) - c.leidos - 1, ' '));
    }
    // Nothing spills into the next field.
    EXPECT_EQ(r.bytes().size(), 488);
    EXPECT_EQ(r.bytes().at(static_cast<qsizetype>(c.desde + c.ancho)), '\0');
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
    QString t = QStringLiteral("antes");
    t.append(QChar(0));
    t.append(QStringLiteral("después"));
    r.fijarSzTip(t, 127);
    EXPECT_EQ(r.szTip(), QStringLiteral("antes"));
}

}  // namespace
}  // namespace tarvolo
