#include "frm_dia.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "calendar/describir_dia.h"
#include "calendar/semana_epi.h"
#include "creditos.h"
#include "disposicion.h"
#include "resources/recursos.h"
#include "shell/error_trap.h"
#include "shell/nombres_ventanas.h"
#include "shell/programa.h"
#include "texto_pantalla.h"

namespace tarvolo {

namespace {

// A box's text as the calendar reads it: the raw text, whatever it holds.
Parte parteDe(const QLineEdit* caja) {
    return Parte(caja->text().toStdString());
}

QString textoSemana(unsigned semana) {
    return QStringLiteral("Semana Epidemiológica ") + QString::number(semana);
}

}  // namespace

frmDia::frmDia(Servicios& servicios, const FabricaCalendario& fabricaCalendario)
    : VentanaPrograma(servicios, kFrmDia), calendario_(fabricaCalendario()) {
    prepararMarco(this, QStringLiteral("Buscar Semana Por Día"));
    fondoBlanco(this);
    auto* barra = new QMenuBar(this);
    crearMenus(barra);
    crearControles(areaBajoMenu(this, barra, 4605, 5685));
    centrarEnPantalla(this);
    Form_Load();
}

frmDia::~frmDia() = default;

void frmDia::crearMenus(QMenuBar* barra) {
    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("mnuArchivo"));
    archivo->addAction(QStringLiteral("&Salir"), this, &frmDia::mnuExit_Click)
        ->setObjectName(QStringLiteral("mnuExit"));

    QMenu* semanas = barra->addMenu(QStringLiteral("Semanas"));
    semanas->setObjectName(QStringLiteral("mnuSemanas"));
    semanas->addAction(QStringLiteral("Actual"), this, &frmDia::mnuActual_Click)
        ->setObjectName(QStringLiteral("mnuActual"));
    semanas->addAction(QStringLiteral("Por Año"), this, &frmDia::mnuAnio_Click)
        ->setObjectName(QStringLiteral("mnuAnio"));
    // This window itself: shown, greyed, no action.
    QAction* dia = semanas->addAction(QStringLiteral("Por Día"));
    dia->setObjectName(QStringLiteral("mnuDia"));
    dia->setEnabled(false);

    barra->addAction(QStringLiteral("Acerca de.."), this, &frmDia::mnuAbout_Click)
        ->setObjectName(QStringLiteral("mnuAbout"));
}

void frmDia::crearControles(QWidget* area) {
    const QString banner = rutaImagen(Imagen::Banner);
    imagen(area, "Image1", banner, Ajuste::Estirada, 0, 285, 4620, 570);
    imagen(area, "Image2", rutaImagen(Imagen::Emblema), Ajuste::Natural, 120, 0, 675, 945);
    etiqueta(area, "Label1", departamentoDelAutor(), fuente(caraDeInterfaz(), 8.25, true), 960, 360, 3255,
             375);
    etiqueta(area, "Label5", ministerioDelAutor(), 960, 600, 3255, 375);

    QWidget* calendar1 = calendario_->control();
    calendar1->setParent(area);
    calendar1->setObjectName(QStringLiteral("Calendar1"));
    colocar(calendar1, 675, 960, 3240, 2535);
    calendario_->alElegir([this] { Calendar1_Click(); });

    const struct {
        const char* nombre;
        const char* texto;
        int izquierda;
    } titulos[] = {{"Label2", "Día", 645}, {"Label3", "Mes", 1845}, {"Label4", "Año", 3045}};
    QLabel* rotulos[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto& t = titulos[i];
        rotulos[i] = etiqueta(area, t.nombre, QString::fromUtf8(t.texto), t.izquierda, 3480, 615, 255);
        rotulos[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    txtDia_ = new QLineEdit(area);
    ubicar(txtDia_, "txtDia", 765, 3720, 375, 285);
    txtMes_ = new QLineEdit(area);
    ubicar(txtMes_, "txtMes", 1965, 3720, 375, 285);
    txtAnio_ = new QLineEdit(area);
    ubicar(txtAnio_, "txtAnio", 2925, 3720, 855, 285);
    // The label above a box is what a screen reader says for it.
    rotulos[0]->setBuddy(txtDia_);
    rotulos[1]->setBuddy(txtMes_);
    rotulos[2]->setBuddy(txtAnio_);
    // textChanged, not textEdited: assigning a box re-evaluates too.
    connect(txtDia_, &QLineEdit::textChanged, this, &frmDia::txtDia_Change);
    connect(txtMes_, &QLineEdit::textChanged, this, &frmDia::txtMes_Change);
    connect(txtAnio_, &QLineEdit::textChanged, this, &frmDia::txtAnio_Change);

    imagen(area, "Image3", banner, Ajuste::Estirada, 0, 4005, 4620, 1650);
    lblSem_ = etiqueta(area, "lblSem", {}, fuente(caraDeInterfaz(), 9.75, true), 360, 4170, 3855, 405);
    lblSem_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblSemana_ = etiqueta(area, "lblSemana", {}, 375, 4560, 3855, 975);
    lblSemana_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    setTabOrder(txtMes_, txtAnio_);
    setTabOrder(txtAnio_, calendar1);
    setTabOrder(calendar1, txtDia_);
    txtMes_->setFocus();
}

void frmDia::Form_Load() {
    atrapar(servicios_.mensajes, [&] {
        const Fecha hoy = servicios_.reloj.hoy();
        // Each assignment re-evaluates the boxes; the first two see a
        // half-filled date and pass over silently.
        txtDia_->setText(QString::number(static_cast<unsigned>(hoy.day())));
        txtMes_->setText(QString::number(static_cast<unsigned>(hoy.month())));
        txtAnio_->setText(QString::number(static_cast<int>(hoy.year())));
        lblSem_->setText(textoSemana(SemanaEpi(hoy)));
        lblSemana_->setText(textoEnPantalla(DescribirDia(hoy)));
        calendario_->irAHoy();
    });
}

void frmDia::txtDia_Change() {
    reevaluarCajas();
}
void frmDia::txtMes_Change() {
    reevaluarCajas();
}
void frmDia::txtAnio_Change() {
    reevaluarCajas();
}

void frmDia::reevaluarCajas() {
    atraparSalvoFechaInvalida(servicios_.mensajes, [&] {
        const Fecha hoy = servicios_.reloj.hoy();
        const Parte dia = parteDe(txtDia_), mes = parteDe(txtMes_), anio = parteDe(txtAnio_);
        lblSem_->setText(textoSemana(SemanaEpi(hoy, dia, mes, anio)));
        lblSemana_->setText(textoEnPantalla(DescribirDia(hoy, dia, mes, anio)));
        calendario_->fijarValor(ArmarFecha(hoy, dia, mes, anio));
    });
}

void frmDia::Calendar1_Click() {
    atrapar(servicios_.mensajes, [&] {
        const Fecha elegida = calendario_->valor();
        const int dia = static_cast<int>(static_cast<unsigned>(elegida.day()));
        const int mes = static_cast<int>(static_cast<unsigned>(elegida.month()));
        const int anio = static_cast<int>(elegida.year());
        // Box by box: each assignment re-evaluates with the others as they are.
        txtDia_->setText(QString::number(dia));
        txtMes_->setText(QString::number(mes));
        txtAnio_->setText(QString::number(anio));
        const Fecha hoy = servicios_.reloj.hoy();
        lblSemana_->setText(textoEnPantalla(DescribirDia(hoy, dia, mes, anio)));
        lblSem_->setText(textoSemana(SemanaEpi(hoy, dia, mes, anio)));
    });
}

void frmDia::mnuExit_Click() {
    atrapar(servicios_.mensajes, [&] { descargarme(); });
}

void frmDia::mnuActual_Click() {
    cambiarA(kFrmHoy);
}
void frmDia::mnuAnio_Click() {
    cambiarA(kFrmRango);
}
void frmDia::mnuAbout_Click() {
    cambiarA(kFrmAbout);
}

}  // namespace tarvolo
