#include "hilo_ventanas_qt.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tarvolo {

void HiloVentanasQt::enviar(std::function<void()> tarea) {
    QCoreApplication* app = QCoreApplication::instance();
    // After the application there is no thread of windows left to run it.
    if (app == nullptr) return;
    QMetaObject::invokeMethod(app, std::move(tarea), Qt::QueuedConnection);
}

}  // namespace tarvolo
