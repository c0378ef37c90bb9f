#include "frm_rango.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "disposicion.h"
#include "resources/recursos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "tab_sale.h"
#include "tables/tablas.h"

namespace tarvolo {

namespace {

const QString kSemanas = QStringLiteral("Semanas");
const QString kCuatrisemanas = QStringLiteral("Cuatrisemanas");
const QString kAmbas = QStringLiteral("Ambas");

// The boxes hold paragraphs; the builders and the printer speak CR LF.
QString conCrLf(const QString& parrafos) {
    QString texto = parrafos;
    return texto.replace(u'\n', QStringLiteral("\r\n"));
}

}  // namespace

frmRango::frmRango(Servicios& servicios, FabricaImpresora fabricaImpresora)
    : VentanaPrograma(servicios, kFrmRango), fabricaImpresora_(std::move(fabricaImpresora)) {
    prepararMarco(this, QStringLiteral("Semanas del año"));
    fondoBlanco(this);
    auto* barra = new QMenuBar(this);
    crearMenus(barra);
    crearControles(areaBajoMenu(this, barra, 4680, 5760));
    // A fixed dialog frame: the user cannot resize it.
    setFixedSize(size());
    centrarEnPantalla(this);
    Form_Load();
}

void frmRango::crearControles(QWidget* area) {
    // Decoration, made first so that it lies under the controls.
    imagen(area, "imgFondo", rutaImagen(Imagen::Banner), Ajuste::Estirada, 0, 975, 4680, 5760 - 975);
    imagen(area, "imgBanner", rutaImagen(Imagen::EmblemaNombre), Ajuste::Estirada, 960, 0, 2655, 975);

    // The label above a box is what a screen reader says for it.
    QLabel* label1 = etiqueta(area, "Label1", QStringLiteral("Año"), 240, 1200, 735, 255);
    txtAnio_ = new QLineEdit(area);
    ubicar(txtAnio_, "txtAnio", 240, 1440, 735, 315);
    label1->setBuddy(txtAnio_);

    QLabel* label2 = etiqueta(area, "Label2", QStringLiteral("Reporte"), 1125, 1200, 1335, 255);
    cboSem_ = new QComboBox(area);
    label2->setBuddy(cboSem_);
    cboSem_->setEditable(true);
    // What the user types stays as typed: no entries added, no completion
    // that would turn "semanas" into "Semanas".
    cboSem_->setInsertPolicy(QComboBox::NoInsert);
    cboSem_->setCompleter(nullptr);
    cboSem_->addItems({kSemanas, kCuatrisemanas, kAmbas});
    ubicar(cboSem_, "cboSem", 1120, 1440, 1575, 315);

    cmdMostrar_ = new QPushButton(QStringLiteral("&Mostrar"), area);
    ubicar(cmdMostrar_, "cmdMostrar", 2840, 1260, 975, 495);
    connect(cmdMostrar_, &QPushButton::clicked, this, &frmRango::cmdMostrar_Click);

    cmdPrint_ = new QPushButton(area);
    // Shared, like the program's icon (see iconoPrograma).
    static const QIcon impresora(rutaImagen(Imagen::Impresora));
    cmdPrint_->setIcon(impresora);
    cmdPrint_->setIconSize(QSize(pixeles(this, 330), pixeles(this, 330)));
    cmdPrint_->setToolTip(QStringLiteral("Imprimir"));
    cmdPrint_->setAccessibleName(QStringLiteral("Imprimir"));
    ubicar(cmdPrint_, "cmdPrint", 3960, 1260, 495, 495);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmRango::cmdPrint_Click);

    txtSemanas_ = new QPlainTextEdit(area);
    txtSemanas_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The tables' rows are wider than the box in today's UI fonts; wrapping
    // them would break the columns, so the box scrolls sideways instead.
    txtSemanas_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ubicar(txtSemanas_, "txtSemanas", 240, 1920, 4215, 3615);
    // A tab in the table would shift its columns; Tab moves on, as in every box.
    tabSaleDelTexto(txtSemanas_);

    txtOculto_ = new QPlainTextEdit(area);
    txtOculto_->setObjectName(QStringLiteral("txtOculto"));
    txtOculto_->setPlainText(QStringLiteral("Text1"));
    txtOculto_->hide();

    txtSemanas_->setFocus();
}

void frmRango::crearMenus(QMenuBar* barra) {
    auto entrada = [this](QMenu* menu, const QString& texto, const char* nombre,
                          void (frmRango::*handler)()) {
        QAction* accion = menu->addAction(texto, this, handler);
        accion->setObjectName(QLatin1String(nombre));
        return accion;
    };

    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("mnuArchivo"));
    entrada(archivo, QStringLiteral("&Salir"), "mnuSalir", &frmRango::mnuSalir_Click);

    QMenu* editar = barra->addMenu(QStringLiteral("&Editar"));
    editar->setObjectName(QStringLiteral("mnuEdit"));
    entrada(editar, QStringLiteral("Seleccionar &Todo"), "mnuSelectAll", &frmRango::mnuSelectAll_Click);

    QMenu* semanas = barra->addMenu(QStringLiteral("Semanas"));
    semanas->setObjectName(QStringLiteral("mnuSem"));
    entrada(semanas, QStringLiteral("Actual"), "mnuActual", &frmRango::mnuActual_Click);
    entrada(semanas, QStringLiteral("Por Día"), "mnuDia", &frmRango::mnuDia_Click);
    // This window itself: shown, never chosen.
    QAction* porAnio = semanas->addAction(QStringLiteral("Por Año"));
    porAnio->setObjectName(QStringLiteral("mnuAnio"));
    porAnio->setEnabled(false);

    barra->addAction(QStringLiteral("Acerca de..."), this, &frmRango::mnuAbout_Click)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

void frmRango::Form_Load() {
    atrapar(servicios_.mensajes, [this] {
        txtAnio_->setText(QString::number(static_cast<int>(servicios_.reloj.hoy().year())));
        cboSem_->setCurrentText(kSemanas);
    });
}

void frmRango::accionMostrar() {
    const QString clase = cboSem_->currentText();
    const Parte anio(txtAnio_->text().toStdString());
    const Fecha hoy = servicios_.reloj.hoy();
    auto llenar = [&](QPlainTextEdit* caja, Constructor constructor) {
        caja->setPlainText(QString::fromStdString(constructor(anio, hoy)));
    };
    // The order matters when the year is rejected: the first builder fails
    // and neither box changes.
    if (clase == kSemanas) {
        llenar(txtOculto_, ListadoSemanas);
        llenar(txtSemanas_, TablaSemanas);
    } else if (clase == kCuatrisemanas) {
        llenar(txtSemanas_, TablaCuatrisemanas);
        llenar(txtOculto_, ListadoCuatrisemanas);
    } else if (clase == kAmbas) {
        llenar(txtSemanas_, TablaAmbas);
        llenar(txtOculto_, ListadoAmbas);
    }
}

void frmRango::cmdMostrar_Click() {
    atrapar(servicios_.mensajes, [this] { accionMostrar(); });
}

void frmRango::cmdPrint_Click() {
    // A rejected year is reported by the trap and the listing already shown
    // is printed all the same.
    atrapar(servicios_.mensajes, [this] { accionMostrar(); });
    imprimirListado(fabricaImpresora_, servicios_.mensajes, conCrLf(txtOculto_->toPlainText()),
                    cboSem_->currentText(), txtAnio_->text());
}

void frmRango::mnuSelectAll_Click() {
    atrapar(servicios_.mensajes, [this] {
        QTextCursor todo = txtSemanas_->textCursor();
        todo.select(QTextCursor::Document);
        txtSemanas_->setTextCursor(todo);
    });
}

void frmRango::mnuSalir_Click() {
    close();
}

void frmRango::mnuActual_Click() {
    cambiarA(kFrmHoy);
}

void frmRango::mnuDia_Click() {
    cambiarA(kFrmDia);
}

void frmRango::mnuAbout_Click() {
    cambiarA(kFrmAbout);
}

}  // namespace tarvolo
