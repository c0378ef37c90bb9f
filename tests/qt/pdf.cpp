#include "pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>

namespace tarvolo::prueba {

QStringList Renglon::textos() const {
    QStringList t;
    for (const Palabra& p : palabras) t.append(p.texto);
    return t;
}

QString ejecutar(const QString& programa, const QStringList& argumentos, QString* error) {
    QProcess proceso;
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(30000) || proceso.exitStatus() != QProcess::NormalExit ||
        proceso.exitCode() != 0) {
        if (error) *error = programa + ": " + proceso.errorString() + " " + proceso.readAllStandardError();
        return {};
    }
    if (error) *error = QString::fromUtf8(proceso.readAllStandardError());
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

int paginasPdf(const QString& archivo) {
    static const QRegularExpression paginas(QStringLiteral("^Pages:\\s+(\\d+)"),
                                            QRegularExpression::MultilineOption);
    const auto m = paginas.match(ejecutar(QStringLiteral("pdfinfo"), {archivo}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

PaginaPdf leerPagina(const QString& archivo) {
    const QString html = ejecutar(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                   QStringLiteral("-l"), QStringLiteral("1"), archivo, QStringLiteral("-")});
    PaginaPdf pagina;
    static const QRegularExpression tamano(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    if (const auto m = tamano.match(html); m.hasMatch()) {
        pagina.ancho = m.captured(1).toDouble();
        pagina.alto = m.captured(2).toDouble();
    }
    static const QRegularExpression palabra(
        QStringLiteral("<word xMin=\"([\\d.-]+)\" yMin=\"([\\d.-]+)\" xMax=\"([\\d.-]+)\" "
                       "yMax=\"([\\d.-]+)\">(.*?)</word>"));
    QList<Palabra> palabras;
    for (auto it = palabra.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        palabras.append({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(),
                         m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    // pdftotext may give them column by column: put them back line by line.
    // Words of one line share their top edge exactly.
    std::sort(palabras.begin(), palabras.end(), [](const Palabra& a, const Palabra& b) {
        const long ya = std::lround(a.y0 * 4), yb = std::lround(b.y0 * 4);
        return ya != yb ? ya < yb : a.x0 < b.x0;
    });
    for (const Palabra& p : palabras) {
        if (pagina.renglones.isEmpty() || std::abs(pagina.renglones.back().arriba() - p.y0) > 0.5)
            pagina.renglones.append(Renglon{});
        pagina.renglones.back().palabras.append(p);
    }
    return pagina;
}

}  // namespace tarvolo::prueba
