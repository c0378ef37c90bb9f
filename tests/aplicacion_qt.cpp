// One QApplication for every widget test of an executable, made before the
// first test and gone after the last (a static one would outlive Qt's own
// globals). Widget tests run on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "qt/disposicion.h"

namespace {

QtMessageHandler manejadorAnterior = nullptr;

// The offscreen platform cannot raise windows and says so on every show.
void sinAvisosDeRaise(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.contains(QLatin1String("does not support raise()"))) return;
    if (manejadorAnterior != nullptr) manejadorAnterior(tipo, contexto, texto);
}

class AplicacionQt : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static char nombre[] = "tarvolo_test";
        static char* argv[] = {nombre, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        // The windows are looked at in the font the program sets.
        QApplication::setFont(tarvolo::fuenteDeInterfaz());
        QApplication::setQuitOnLastWindowClosed(false);
        manejadorAnterior = qInstallMessageHandler(sinAvisosDeRaise);
    }
    void TearDown() override {
        qInstallMessageHandler(manejadorAnterior);
        app_.reset();
    }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kEntorno = ::testing::AddGlobalTestEnvironment(new AplicacionQt);

}  // namespace
