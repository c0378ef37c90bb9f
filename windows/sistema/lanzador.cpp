#include "lanzador.h"

#include <QFileInfo>
#include <QProcess>

namespace tarvolo {

bool LanzadorQt::existeArchivo(const QString& ruta) const {
    return QFileInfo(ruta).isFile();
}

bool LanzadorQt::iniciar(const QString& programa) {
    return QProcess::startDetached(programa, {});
}

}  // namespace tarvolo
