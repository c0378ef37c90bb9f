// The smallest Qt tray program: one icon with a tooltip. The start-up
// benchmark measures Tarvolo against it.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::white);
    QSystemTrayIcon icono{QIcon(dibujo)};
    icono.setToolTip(QStringLiteral("Semana Epidemiológica 1"));
    icono.show();
    return app.exec();
}
