#include "qt/bandeja_qt.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include "qt/identificadores.h"

namespace tarvolo {
namespace {

using R = RegistroNotificacion;

R registroLargo() {
    R r;
    r.fijarCbSize(488);
    r.fijarUFlags(23);
    r.fijarUId(1);
    r.fijarUCallbackMessage(0x200);
    r.fijarSzTip("Semana Epidemiológica 7");
    r.fijarSzInfo("Semana Epidemiológica Actual: 7", 255);
    r.fijarSzInfoTitle("Tarvolo Versión 1.3.2", 63);
    r.fijarDwInfoFlags(1);
    return r;
}

TEST(LeerPeticion, TextsComeBackFromWindows1252) {
    const PeticionIcono p = leerPeticion(R::desdeBytes(registroLargo().bytes()));
    EXPECT_TRUE(p.conIcono);
    EXPECT_TRUE(p.conTip);
    EXPECT_TRUE(p.conGlobo);
    EXPECT_EQ(p.tip, QStringLiteral("Semana Epidemiológica 7"));
    EXPECT_EQ(p.textoGlobo, QStringLiteral("Semana Epidemiológica Actual: 7"));
    EXPECT_EQ(p.tituloGlobo, QStringLiteral("Tarvolo Versión 1.3.2"));
    EXPECT_EQ(p.iconoGlobo, QSystemTrayIcon::Information);
}

TEST(LeerPeticion, IconHandleTurnsBackIntoTheIcon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::green);
    const QIcon icono(pixmap);
    R r = registroLargo();
    r.fijarHIcon(identificadorDeIcono(icono));
    EXPECT_EQ(leerPeticion(r).icono.cacheKey(), icono.cacheKey());
    r.fijarHIcon(0);
    EXPECT_TRUE(leerPeticion(r).icono.isNull());
    r.fijarHIcon(0xFFFFFFF0u);  // never handed out
    EXPECT_TRUE(leerPeticion(r).icono.isNull());
}

TEST(LeerPeticion, ShortRecordHasNoBalloonAndSixtyFourTipBytes) {
    R r = registroLargo();
    r.fijarCbSize(88);
    r.fijarUFlags(7);
    r.fijarSzTip(std::string(100, 'a'));  // no NUL within the first 64 bytes
    const PeticionIcono p = leerPeticion(r);
    EXPECT_FALSE(p.conGlobo);
    EXPECT_TRUE(p.textoGlobo.isEmpty());
    EXPECT_EQ(p.tip, QString(64, QLatin1Char('a')));
}

TEST(LeerPeticion, FlagsSayWhichPartsCount) {
    R r = registroLargo();
    r.fijarUFlags(R::kMensaje | R::kTip);
    const PeticionIcono p = leerPeticion(r);
    EXPECT_FALSE(p.conIcono);
    EXPECT_TRUE(p.conTip);
    EXPECT_FALSE(p.conGlobo);
}

TEST(LeerPeticion, BalloonIconKinds) {
    const std::pair<std::uint32_t, QSystemTrayIcon::MessageIcon> casos[] = {{0, QSystemTrayIcon::NoIcon},
                                                                            {1, QSystemTrayIcon::Information},
                                                                            {2, QSystemTrayIcon::Warning},
                                                                            {3, QSystemTrayIcon::Critical},
                                                                            {4, QSystemTrayIcon::NoIcon}};
    for (const auto& [flags, icono] : casos) {
        R r = registroLargo();
        r.fijarDwInfoFlags(flags);
        EXPECT_EQ(leerPeticion(r).iconoGlobo, icono) << flags;
    }
}

TEST(MensajeDeActivacion, QtReasonsBecomeMouseMessages) {
    EXPECT_EQ(mensajeDeActivacion(QSystemTrayIcon::Trigger), 0x202u);
    EXPECT_EQ(mensajeDeActivacion(QSystemTrayIcon::Context), 0x205u);
    EXPECT_EQ(mensajeDeActivacion(QSystemTrayIcon::DoubleClick), 0x203u);
    EXPECT_EQ(mensajeDeActivacion(QSystemTrayIcon::MiddleClick), std::nullopt);
    EXPECT_EQ(mensajeDeActivacion(QSystemTrayIcon::Unknown), std::nullopt);
}

// The offscreen platform has no notification area: the back end must say so
// rather than pretend.
TEST(BandejaQt, WithoutATrayNothingSucceeds) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    BandejaQt bandeja;
    EXPECT_EQ(bandeja.version(), std::nullopt);
    EXPECT_FALSE(bandeja.agregar(registroLargo()));
    EXPECT_FALSE(bandeja.modificar(registroLargo()));
    EXPECT_FALSE(bandeja.eliminar(registroLargo()));
}

}  // namespace
}  // namespace tarvolo
