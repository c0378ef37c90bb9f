#include "windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tarvolo {

namespace {
constexpr const char* kCodigo = "windows-1252";
}

// Qt reaches the code page through ICU; a fresh converter per call because
// converters keep state between chunks.
QByteArray aWindows1252(QStringView texto) {
    QStringEncoder codificador(kCodigo);
    // Without ICU only Latin-1 is at hand; it agrees with Windows-1252 on
    // every Spanish letter, which is all the program writes.
    if (!codificador.isValid()) return texto.toLatin1();
    return codificador.encode(texto);
}

QString deWindows1252(QByteArrayView bytes) {
    QStringDecoder decodificador(kCodigo);
    if (!decodificador.isValid()) return QString::fromLatin1(bytes);
    return decodificador.decode(bytes);
}

}  // namespace tarvolo
