#include "qt/canal_local.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "version/identidad.h"

namespace tarvolo {
namespace {

// Generous: the machine may be busy.
constexpr int kLimiteMs = 20000;

class CanalLocalTest : public ::testing::Test {
protected:
    QString ruta() const { return carpeta.filePath(QStringLiteral("net.tarvolo.Prueba")); }
    // Listens at the path as the first start does; counts the later starts.
    std::unique_ptr<CanalLocal> primero() {
        auto canal = std::make_unique<CanalLocal>(ruta());
        EXPECT_FALSE(canal->avisarALaQueCorre());
        EXPECT_TRUE(canal->escuchar([this] { ++avisos; }));
        return canal;
    }
    // What a program killed while listening leaves: a socket file nobody
    // answers.
    void dejarSocketHuerfano() const {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un direccion{};
        direccion.sun_family = AF_UNIX;
        const QByteArray nombre = QFile::encodeName(ruta());
        ASSERT_LT(static_cast<std::size_t>(nombre.size()), sizeof direccion.sun_path);
        std::memcpy(direccion.sun_path, nombre.constData(), static_cast<std::size_t>(nombre.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&direccion), sizeof direccion), 0);
        ::close(fd);
        ASSERT_TRUE(QFileInfo::exists(ruta()));
    }

    // A client of the running program's socket, as a later start is.
    bool conectar(QLocalSocket& cliente) const {
        cliente.connectToServer(ruta());
        return cliente.waitForConnected(kLimiteMs);
    }
    static bool enviar(QLocalSocket& cliente, const QByteArray& datos) {
        cliente.write(datos);
        return cliente.waitForBytesWritten(kLimiteMs);
    }

    QTemporaryDir carpeta;
    int avisos = 0;
};

TEST_F(CanalLocalTest, AStartWithNoOneRunningListensAtThePath) {
    auto canal = primero();
    EXPECT_TRUE(QFileInfo(ruta()).exists());
    EXPECT_EQ(avisos, 0);
}

TEST_F(CanalLocalTest, ALaterStartReachesTheRunningOneWhichIsToldOnce) {
    auto canal = primero();
    CanalLocal segundo(ruta());
    EXPECT_TRUE(segundo.avisarALaQueCorre());
    EXPECT_TRUE(QTest::qWaitFor([this] { return avisos == 1; }, kLimiteMs));
    CanalLocal tercero(ruta());
    EXPECT_TRUE(tercero.avisarALaQueCorre());
    EXPECT_TRUE(QTest::qWaitFor([this] { return avisos == 2; }, kLimiteMs));
}

TEST_F(CanalLocalTest, OnlyTheProgramsOwnRequestShowsTheWindow) {
    auto canal = primero();
    QLocalSocket ajeno;
    ASSERT_TRUE(conectar(ajeno));
    ajeno.write("otra cosa\nmostrar frmHoy y algo\n");
    ASSERT_TRUE(enviar(ajeno, CanalLocal::kOrdenMostrarHoy));
    EXPECT_TRUE(QTest::qWaitFor([this] { return avisos > 0; }, kLimiteMs));
    ajeno.disconnectFromServer();
    EXPECT_EQ(avisos, 1);
}

TEST_F(CanalLocalTest, ARequestSplitAcrossWritesIsReadWhole) {
    auto canal = primero();
    QLocalSocket lento;
    ASSERT_TRUE(conectar(lento));
    ASSERT_TRUE(enviar(lento, "mostrar "));
    QTest::qWait(0);
    EXPECT_EQ(avisos, 0);
    ASSERT_TRUE(enviar(lento, "frmHoy\n"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return avisos == 1; }, kLimiteMs));
}

TEST_F(CanalLocalTest, ASocketLeftByACrashDoesNotStopTheNextStart) {
    dejarSocketHuerfano();
    auto canal = primero();
    CanalLocal segundo(ruta());
    EXPECT_TRUE(segundo.avisarALaQueCorre());
    EXPECT_TRUE(QTest::qWaitFor([this] { return avisos == 1; }, kLimiteMs));
}

TEST_F(CanalLocalTest, AProgramThatEndsTakesItsSocketAlong) {
    primero().reset();
    EXPECT_FALSE(QFileInfo::exists(ruta()));
    CanalLocal siguiente(ruta());
    EXPECT_FALSE(siguiente.avisarALaQueCorre());
    EXPECT_TRUE(siguiente.escuchar([] {}));
}

TEST_F(CanalLocalTest, APathThatCannotBeMadeIsReportedNotFatal) {
    CanalLocal canal(carpeta.filePath(QStringLiteral("no/existe/canal")));
    EXPECT_FALSE(canal.avisarALaQueCorre());
    EXPECT_FALSE(canal.escuchar([] {}));
}

TEST(CanalLocalSesionTest, TheSessionsSocketIsTheApplicationIdInTheRuntimeFolder) {
    QTemporaryDir tiempo;
    ASSERT_TRUE(QFile::setPermissions(tiempo.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray anterior = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(tiempo.path()));
    EXPECT_EQ(CanalLocal::rutaDeLaSesion(),
              tiempo.path() + u'/' + QString::fromLatin1(kIdAplicacion.data(), kIdAplicacion.size()));
    qputenv("XDG_RUNTIME_DIR", anterior);
}

}  // namespace
}  // namespace tarvolo
