// The smallest Qt tray program that greets as Tarvolo does: one icon with a
// tooltip, and a balloon shown once the tray has placed the icon (before
// that Qt would point it at the corner of the screen). The start-up
// benchmark measures Tarvolo against it.
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

namespace {

class Saludo final : public QObject {
public:
    explicit Saludo(QSystemTrayIcon& icono) : icono_(icono) {}

    // Where the tray embeds the icon's own window (XEmbed), once it shows;
    // elsewhere at once.
    void cuandoSeVea() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QSystemTrayIconSys")) ventana_ = w->windowHandle();
        if (ventana_ == nullptr || ventana_->isExposed()) return saludar();
        ventana_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Expose && ventana_->isExposed()) {
            ventana_->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { saludar(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    void saludar() {
        icono_.showMessage(QStringLiteral("Tarvolo Versión 1.3.2"),
                           QStringLiteral("Semana Epidemiológica Actual: 1"));
    }

    QSystemTrayIcon& icono_;
    QWindow* ventana_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::white);
    QSystemTrayIcon icono{QIcon(dibujo)};
    icono.setToolTip(QStringLiteral("Semana Epidemiológica 1"));
    icono.show();
    Saludo saludo(icono);
    saludo.cuandoSeVea();
    return app.exec();
}
