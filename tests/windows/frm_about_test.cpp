#include "windows/frm_about.h"

#include "entorno_formularios.h"
#include "windows/sistema/info_sistema.h"

namespace tarvolo::prueba {
namespace {

const std::string kClaveMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kClaveUbicacion = "SOFTWARE\\Microsoft\\Shared Tools Location";
const Textos kSinInfo = {std::string(kInfoSistemaNoDisponible)};

class FrmAboutTest : public EntornoFormularios {
protected:
    FrmAboutTest() : EntornoFormularios("frmAbout") {}
    frmAbout* about = static_cast<frmAbout*>(ventanas.abierta("frmAbout"));
};

TEST_F(FrmAboutTest, TextsAfterLoad) {
    EXPECT_EQ(w().titulo(), "Acerca de Tarvolo");
    EXPECT_EQ(w().texto("lblTitle"), "Tarvolo");
    EXPECT_EQ(w().texto("lblVersion"), "Versión 1.3.2");
    EXPECT_EQ(w().texto("lblDescription"), "Aplicación que permite averiguar semanas epidemiológicas.");
    EXPECT_EQ(w().texto("lblDir"), "Ordalen");
    EXPECT_EQ(w().texto("Label1"), "Brevanto");
    EXPECT_EQ(w().texto("Label3"), "Castmara");
    EXPECT_EQ(w().texto("Label2"), "Octubre de 2004");
    EXPECT_TRUE(w().texto("lblAutor").starts_with("Desarrollo: "));
    EXPECT_NE(w().texto("lblmail").find('@'), std::string::npos);
    EXPECT_EQ(w().texto("lblDisclaimer"), "");
    EXPECT_EQ(w().texto("cmdOK"), "Aceptar");
    EXPECT_EQ(w().texto("cmdSysInfo"), "&Información...");
}

TEST_F(FrmAboutTest, EnterAndEscPressAceptar) {
    for (const auto tecla : {VentanaGrabada::Tecla::Enter, VentanaGrabada::Tecla::Esc}) {
        abrir("frmAbout").tecla(tecla);
        EXPECT_TRUE(abiertas().empty());
    }
}

TEST_F(FrmAboutTest, InformacionWithoutTheToolShowsTheMessageAndStaysOpen) {
    w().pulsar("cmdSysInfo");
    EXPECT_EQ(mensajes.textos, kSinInfo);
    EXPECT_TRUE(lanzador.pedidos.empty());
    EXPECT_EQ(abiertas(), Textos{"frmAbout"});
}

struct CasoInfo {
    const char* nombre;
    bool conPath;       // "PATH" under the first key
    bool conUbicacion;  // "MSINFO" under the second
    bool existeArchivo;
    bool soloLectura;  // both keys only readable
    bool arranca;
    std::string iniciado;  // what it starts, or empty
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
    if (c.existeArchivo) lanzador.archivos.insert("C:\\Tools\\MSINFO32.EXE");
    lanzador.arrancan = c.arranca;

    about->StartSysInfo();

    EXPECT_EQ(lanzador.pedidos.empty() ? std::string() : lanzador.pedidos.back(), c.iniciado);
    EXPECT_EQ(mensajes.textos, c.mensaje ? kSinInfo : Textos{});
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
    std::string antes;  // KeyVal on entry
    bool leido;
    std::string despues;
};

// Named in test listings by its case name rather than its bytes.
void PrintTo(const CasoValor& c, std::ostream* os) {
    *os << c.nombre;
}

class GetKeyValueTest : public FrmAboutTest, public ::testing::WithParamInterface<CasoValor> {};

TEST_P(GetKeyValueTest, TrimsAndFormatsTheValue) {
    const CasoValor& c = GetParam();
    registro.claves["SOFTWARE\\Prueba"]["Valor"] = c.valor;
    std::string keyVal = c.antes;
    EXPECT_EQ(about->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Prueba", "Valor", keyVal), c.leido);
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
                  std::string("ab\0", 3)},
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
    std::string keyVal = "previo";

    // No such key: closed with a zero handle.
    EXPECT_FALSE(about->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Otra", "Valor", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_EQ(registro.cerradas.back(), Registro::Clave{0});

    // No such value: the key opened is closed.
    keyVal = "previo";
    EXPECT_FALSE(about->GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Prueba", "Otro", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_NE(registro.cerradas.back(), Registro::Clave{0});

    // Another root.
    keyVal = "previo";
    EXPECT_FALSE(about->GetKeyValue(0x80000001u, "SOFTWARE\\Prueba", "Valor", keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_TRUE(mensajes.textos.empty());
}

}  // namespace
}  // namespace tarvolo::prueba
