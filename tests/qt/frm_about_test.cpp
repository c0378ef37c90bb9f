#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"
#include "windows/sistema/info_sistema.h"
#include "windows/sistema/registro.h"

namespace tarvolo::prueba {
namespace {

class FrmAboutTest : public EntornoVentanas {
protected:
    FrmAboutTest() : EntornoVentanas("frmAbout") {}
    QString texto(const char* nombre) const { return hijo<QLabel>(w, nombre)->text(); }
};

TEST_F(FrmAboutTest, TextsAfterLoad) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Acerca de Tarvolo"));
    EXPECT_EQ(texto("lblTitle"), QStringLiteral("Tarvolo"));
    EXPECT_EQ(texto("lblVersion"), QStringLiteral("Versión 1.3.2"));
    EXPECT_EQ(texto("lblDescription"),
              QStringLiteral("Aplicación que permite averiguar semanas epidemiológicas."));
    EXPECT_EQ(texto("lblDir"), QStringLiteral("Ordalen"));
    EXPECT_EQ(texto("Label1"), QStringLiteral("Brevanto"));
    EXPECT_EQ(texto("Label3"), QStringLiteral("Castmara"));
    EXPECT_EQ(texto("Label2"), QStringLiteral("Octubre de 2004"));
    EXPECT_TRUE(texto("lblAutor").startsWith(QStringLiteral("Desarrollo: ")));
    EXPECT_TRUE(texto("lblmail").contains('@'));
    EXPECT_EQ(texto("lblDisclaimer"), QString());
    EXPECT_EQ(hijo<QPushButton>(w, "cmdOK")->text(), QStringLiteral("Aceptar"));
    EXPECT_EQ(hijo<QPushButton>(w, "cmdSysInfo")->text(), QStringLiteral("&Información..."));
    EXPECT_TRUE(hijo(w, "lblTitle")->font().bold());
    EXPECT_DOUBLE_EQ(hijo(w, "lblTitle")->font().pointSizeF(), 12);
    EXPECT_EQ(w->size(), QSize(pixeles(w, 6000), pixeles(w, 4020)));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());     // a fixed frame
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::Tool));  // no task-bar button
}

TEST_F(FrmAboutTest, EnterAndEscPressAceptar) {
    for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Escape}) {
        w = mostrar("frmAbout");
        ASSERT_EQ(w->focusWidget(), hijo(w, "cmdOK"));
        QTest::keyClick(w->focusWidget(), tecla);
        EXPECT_TRUE(abiertas().isEmpty()) << tecla;
        borrarCerradas();
    }
}

TEST_F(FrmAboutTest, EscClosesEvenFromTheOtherButton) {
    hijo(w, "cmdSysInfo")->setFocus();
    QTest::keyClick(hijo(w, "cmdSysInfo"), Qt::Key_Escape);
    EXPECT_TRUE(abiertas().isEmpty());
}

TEST_F(FrmAboutTest, InformacionWithoutTheToolShowsTheMessageAndStaysOpen) {
    QTest::mouseClick(hijo(w, "cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(textos(mensajes), QStringList{QString::fromUtf8(kInfoSistemaNoDisponible.data())});
    EXPECT_TRUE(lanzador.pedidos.empty());
    EXPECT_EQ(abiertas(), QStringList{"frmAbout"});
}

TEST(RegistroDelSistemaTest, HasNoKeysHere) {
    const auto registro = registroDelSistema();
    std::string valor = "previo";
    EXPECT_FALSE(leerValorRegistro(*registro, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                   "PATH", valor));
    EXPECT_EQ(valor, "");
}

}  // namespace
}  // namespace tarvolo::prueba
