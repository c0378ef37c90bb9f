#include <gtest/gtest.h>

#include <QApplication>

// The widget tests share one QApplication that lives exactly as long as the
// tests: a static one would be torn down after Qt's own globals.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
