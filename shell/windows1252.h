#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tarvolo {

// The notification record carries 8-bit text in the Windows-1252 code page:
// one byte per character ("ó" is 0xF3). Characters the code page lacks become
// the substitute byte 0x1A, still one byte each, so cutting by bytes is
// cutting by characters.
QByteArray aWindows1252(QStringView texto);
QString deWindows1252(QByteArrayView bytes);

}  // namespace tarvolo
