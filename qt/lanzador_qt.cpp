#include "lanzador_qt.h"

#include <QFileInfo>
#include <QProcess>

namespace tarvolo {

bool LanzadorQt::existeArchivo(const std::string& ruta) const {
    return QFileInfo(QString::fromStdString(ruta)).isFile();
}

bool LanzadorQt::iniciar(const std::string& programa) {
    return QProcess::startDetached(QString::fromStdString(programa), {});
}

}  // namespace tarvolo
