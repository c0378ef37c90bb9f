#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "entorno_ventanas.h"
#include "windows/sistema/info_sistema.h"

namespace tarvolo::prueba {
namespace {

const std::string kClaveMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kClaveUbicacion = "SOFTWARE\\Microsoft\\Shared Tools Location";

class FrmAboutTest : public EntornoVentanas {
protected:
    frmAbout* w = nullptr;
    void SetUp() override { w = mostrar<frmAbout>("frmAbout"); }
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
        w = mostrar<frmAbout>("frmAbout");
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
    EXPECT_EQ(mensajes.textos, QStringList{kInfoSistemaNoDisponible});
    EXPECT_TRUE(lanzador.pedidos.isEmpty());
    EXPECT_EQ(abiertas(), QStringList{"frmAbout"});
}

struct CasoInfo {
    const char* nombre;
    bool conPath;       // "PATH" under the first key
    bool conUbicacion;  // "MSINFO" under the second
    bool existeArchivo;
    bool soloLectura;  // both keys only readable
    bool arranca;
    QString iniciado;  // what it starts, or empty
    bool mensaje;
};

void PrintTo(const CasoInfo& c, std::ostream* os) {
    *os << c.nombre;
}

class StartSysInfoTest : public FrmAboutTest, public ::testing::WithParamInterface<CasoInfo> {};

TEST_P(StartSysInfoTest, FindsAndStartsTheTool) {
    const CasoInfo& c = GetParam();
    if (c.conPath)
        registro.claves[kClaveMsinfo]["PATH"] = {kRegSz, bytesDe(std::string("C:\\msinfo.exe") + '\0')};
    if (c.conUbicacion)
        registro.claves[kClaveUbicacion]["MSINFO"] = {kRegSz, bytesDe(std::string("C:\\Tools") + '\0')};
    if (c.soloLectura) registro.soloLectura = {kClaveMsinfo, kClaveUbicacion};
    if (c.existeArchivo) lanzador.archivos.insert(QStringLiteral("C:\\Tools\\MSINFO32.EXE"));
    lanzador.arrancan = c.arranca;

    w->StartSysInfo();

    EXPECT_EQ(lanzador.pedidos.isEmpty() ? QString() : lanzador.pedidos.constLast(), c.iniciado);
    EXPECT_EQ(mensajes.textos, c.mensaje ? QStringList{kInfoSistemaNoDisponible} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Casos, StartSysInfoTest,
    ::testing::Values(
        // The first key's value is trusted without looking for the file.
        CasoInfo{"PathStarts", true, false, false, false, true, "C:\\msinfo.exe", false},
        CasoInfo{"PathMissingFileFailsToStart", true, false, false, false, false, "C:\\msinfo.exe", true},
        CasoInfo{"PathWinsOverLocation", true, true, true, false, true, "C:\\msinfo.exe", false},
        CasoInfo{"LocationWithTheFile", false, true, true, false, true, "C:\\Tools\\MSINFO32.EXE", false},
        CasoInfo{"LocationWithoutTheFile", false, true, false, false, true, "", true},
        CasoInfo{"KeysOnlyReadable", true, true, true, true, true, "", true},
        CasoInfo{"NoKeys", false, false, false, false, true, "", true}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct CasoValor {
    const char* nombre;
    ValorRegistro valor;
    QString antes;  // KeyVal on entry
    bool leido;
    QString despues;
};

// Named in test listings by its case name rather than its bytes.
void PrintTo(const CasoValor& c, std::ostream* os) {
    *os << c.nombre;
}

class GetKeyValueTest : public FrmAboutTest, public ::testing::WithParamInterface<CasoValor> {};

TEST_P(GetKeyValueTest, TrimsAndFormatsTheValue) {
    const CasoValor& c = GetParam();
    registro.claves["SOFTWARE\\Prueba"]["Valor"] = c.valor;
    QString keyVal = c.antes;
    EXPECT_EQ(w->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Prueba", "Valor", keyVal), c.leido);
    EXPECT_EQ(keyVal, c.despues);
    EXPECT_EQ(registro.accesosPedidos, std::vector<std::uint32_t>{0x2003F});
    EXPECT_EQ(registro.cerradas, std::vector<Registro::Clave>{1});
}

const std::vector<unsigned char> kDwordDe16{0x10, 0x00, 0x00, 0x00};

INSTANTIATE_TEST_SUITE_P(
    Valores, GetKeyValueTest,
    ::testing::Values(
        CasoValor{"StringLosesItsLastNul", {kRegSz, bytesDe(std::string("C:\\x") + '\0')}, "", true, "C:\\x"},
        CasoValor{"StringWithoutNulStaysWhole", {kRegSz, bytesDe("abc")}, "", true, "abc"},
        CasoValor{"OnlyTheLastNulGoes",
                  {kRegSz, bytesDe(std::string("ab") + '\0' + '\0')},
                  "",
                  true,
                  QString::fromLatin1("ab\0", 3)},
        CasoValor{"EmptyValue", {kRegSz, {}}, "x", true, ""},
        CasoValor{"DwordSixteen", {kRegDword, kDwordDe16}, "", true, "&h000010"},
        CasoValor{"DwordMostSignificantFirst", {kRegDword, {0x78, 0x56, 0x34, 0x12}}, "", true, "&h12345678"},
        CasoValor{"DwordUpperCaseDigits", {kRegDword, {0xEF, 0xCD, 0xAB, 0x0A}}, "", true, "&h0AABCDEF"},
        CasoValor{"OtherTypeKeepsTheEntryText", {3, {0x01, 0x02}}, "previo", true, "previo"},
        CasoValor{
            "TooLongForTheBuffer", {kRegSz, std::vector<unsigned char>(1025, 'a')}, "previo", false, ""}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(FrmAboutTest, GetKeyValueFailures) {
    registro.claves["SOFTWARE\\Prueba"]["Valor"] = {kRegSz, bytesDe("abc")};
    QString keyVal = QStringLiteral("previo");

    // No such key: closed with a zero handle.
    EXPECT_FALSE(w->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Otra", "Valor", keyVal));
    EXPECT_EQ(keyVal, QString());
    EXPECT_EQ(registro.cerradas.back(), Registro::Clave{0});

    // No such value: the key opened is closed.
    keyVal = QStringLiteral("previo");
    EXPECT_FALSE(w->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Prueba", "Otro", keyVal));
    EXPECT_EQ(keyVal, QString());
    EXPECT_NE(registro.cerradas.back(), Registro::Clave{0});

    // Another root.
    keyVal = QStringLiteral("previo");
    EXPECT_FALSE(w->GetKeyValue(0x80000001u, "SOFTWARE\\Prueba", "Valor", keyVal));
    EXPECT_EQ(keyVal, QString());
    EXPECT_TRUE(mensajes.textos.isEmpty());
}

TEST(RegistroDelSistemaTest, HasNoKeysHere) {
    const auto registro = registroDelSistema();
    QString valor = QStringLiteral("previo");
    EXPECT_FALSE(leerValorRegistro(*registro, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                   "PATH", valor));
    EXPECT_EQ(valor, QString());
}

}  // namespace
}  // namespace tarvolo::prueba
