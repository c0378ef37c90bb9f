#pragma once

#include <QApplication>

namespace tarvolo::prueba {

// The one QApplication of a test program, on the offscreen platform unless
// the environment chose another.
inline QApplication& aplicacion() {
    static int argc = 1;
    static char nombre[] = "test_impresion";
    static char* argv[] = {nombre, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

}  // namespace tarvolo::prueba
