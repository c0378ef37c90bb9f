#include "pantalla_qt.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "calendario_qt.h"
#include "disposicion.h"
#include "grafico_qt.h"
#include "identificadores.h"
#include "recursos_qt.h"
#include "tab_sale.h"

namespace tarvolo {

namespace {

QString nombreQt(std::string_view nombre) {
    return QString::fromLatin1(nombre.data(), static_cast<qsizetype>(nombre.size()));
}

// A picture button shows its picture at two thirds of its side.
constexpr int kLadoImagenBoton = 330;

}  // namespace

// The form's widget: the frame's close box, Enter and Esc, key preview and
// the clicks on a frame reach the form from here.
class FormaQt final : public QWidget {
    Q_OBJECT
public:
    FormaQt(const DisenoVentana& diseno, ReceptorEventos& receptor) : diseno_(diseno), receptor_(&receptor) {}

    // From now on the window only goes away: no more events.
    void callar() { receptor_ = nullptr; }
    void avisar(std::string_view control, Evento evento) const {
        if (receptor_ != nullptr) receptor_->evento(control, evento);
    }
    void fijarBotones(QPushButton* aceptar, QPushButton* cancelar) {
        aceptar_ = aceptar;
        cancelar_ = cancelar;
    }
    // A frame whose clicks are its own, and labels and pictures in it whose
    // clicks stay there.
    void marcoQueSePulsa(QWidget* marco, std::string_view nombre) { marcos_.emplace_back(marco, nombre); }
    void verTeclasAntes() {
        installEventFilter(this);
        for (QWidget* hijo : findChildren<QWidget*>()) hijo->installEventFilter(this);
    }

protected:
    void closeEvent(QCloseEvent* evento) override {
        // Closing with the frame unloads the form; the unload destroys this.
        if (receptor_ != nullptr) {
            evento->ignore();
            receptor_->cerrar();
            return;
        }
        QWidget::closeEvent(evento);
    }

    void keyPressEvent(QKeyEvent* evento) override {
        const int tecla = evento->key();
        if (aceptar_ != nullptr && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
            aceptar_->click();
            return;
        }
        if (cancelar_ != nullptr && tecla == Qt::Key_Escape) {
            cancelar_->click();
            return;
        }
        QWidget::keyPressEvent(evento);
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (diseno_.vistaPreviaTeclas && evento->type() == QEvent::KeyPress) {
            avisar({}, Evento::KeyPress);
            return true;  // the key is not used otherwise
        }
        if (evento->type() == QEvent::MouseButtonRelease) {
            for (const auto& [marco, nombre] : marcos_) {
                if (objeto == marco) {
                    avisar(nombre, Evento::Click);
                    return true;
                }
            }
        }
        return QWidget::eventFilter(objeto, evento);
    }

private:
    const DisenoVentana& diseno_;
    ReceptorEventos* receptor_;
    QPushButton* aceptar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    std::vector<std::pair<QWidget*, std::string_view>> marcos_;
};

namespace {

class VentanaQt final : public Ventana {
public:
    VentanaQt(const DisenoVentana& diseno, ReceptorEventos& receptor, const Reloj& reloj)
        : diseno_(diseno), forma_(new FormaQt(diseno, receptor)), reloj_(reloj) {
        forma_->setObjectName(nombreQt(diseno.nombre));
        construir();
    }

    ~VentanaQt() override {
        // Qt may still be inside one of its controls' signals: the widget goes
        // when the event loop next turns.
        if (!forma_) return;
        forma_->callar();
        forma_->hide();
        forma_->deleteLater();
    }

    std::string texto(std::string_view control) const override {
        QObject* c = buscar(control);
        if (auto* caja = qobject_cast<QLineEdit*>(c)) return caja->text().toStdString();
        if (auto* texto = qobject_cast<QPlainTextEdit*>(c)) return deQt(texto->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText().toStdString();
        if (auto* etiqueta = qobject_cast<QLabel*>(c)) return deQt(etiqueta->text());
        if (auto* boton = qobject_cast<QPushButton*>(c)) return boton->text().toStdString();
        return {};
    }

    void fijarTexto(std::string_view control, std::string_view texto) override {
        QObject* c = buscar(control);
        const QString nuevo = aQt(texto);
        // Qt's own change signal runs the form's change handler, and only
        // when the text differs.
        if (auto* caja = qobject_cast<QLineEdit*>(c)) {
            caja->setText(nuevo);
        } else if (auto* texto = qobject_cast<QPlainTextEdit*>(c)) {
            if (texto->toPlainText() != nuevo) texto->setPlainText(nuevo);
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            combo->setCurrentText(nuevo);
        } else if (auto* etiqueta = qobject_cast<QLabel*>(c)) {
            fijarEtiqueta(etiqueta, nuevo);
        } else if (auto* boton = qobject_cast<QPushButton*>(c)) {
            boton->setText(nuevo);
        }
    }

    void fijarTitulo(std::string_view titulo) override { forma_->setWindowTitle(aQt(titulo)); }

    void seleccionarTodo(std::string_view control) override {
        if (auto* texto = qobject_cast<QPlainTextEdit*>(buscar(control))) {
            QTextCursor todo = texto->textCursor();
            todo.select(QTextCursor::Document);
            texto->setTextCursor(todo);
        } else if (auto* caja = qobject_cast<QLineEdit*>(buscar(control))) {
            caja->selectAll();
        }
    }

    void detener(std::string_view temporizador) override {
        if (auto* t = qobject_cast<QTimer*>(buscar(temporizador))) t->stop();
    }

    Calendario& calendario(std::string_view control) override {
        const auto it = calendarios_.find(control);
        if (it == calendarios_.end()) throw std::logic_error("no calendar named " + std::string(control));
        return *it->second;
    }

    void fijarDibujo(std::string_view control, const Dibujo& dibujo) override {
        auto* grafico = qobject_cast<GraficoQt*>(buscar(control));
        if (grafico == nullptr) throw std::logic_error("no drawing control named " + std::string(control));
        grafico->fijar(dibujo);
    }

    void menuEmergente(std::string_view nombre) override {
        QMenu* m = qobject_cast<QMenu*>(buscar(nombre));
        // A tray that shows the published menu itself has it open already.
        if (m == nullptr || m->isVisible()) return;
        m->exec(QCursor::pos());
    }

    void mostrar() override {
        if (diseno_.marco == Marco::Oculto) return;
        forma_->show();
        forma_->raise();
        forma_->activateWindow();
    }

    std::uint32_t identificador() const override { return identificadorDeVentana(forma_); }
    std::uint32_t identificadorIcono() const override { return identificadorDeIcono(forma_->windowIcon()); }

    QWidget* widget() const { return forma_; }
    QObject* buscar(std::string_view nombre) const {
        const auto it = controles_.find(nombre);
        return it == controles_.end() ? nullptr : it->second;
    }

private:
    void construir();
    QWidget* crearMenus();
    QWidget* crearControl(const Control& c, QWidget* area);
    void conectar(const Control& c, QObject* objeto);
    void fijarEtiqueta(QLabel* etiqueta, const QString& texto);

    const DisenoVentana& diseno_;
    QPointer<FormaQt> forma_;
    const Reloj& reloj_;
    std::map<std::string, QObject*, std::less<>> controles_;
    std::map<std::string, std::unique_ptr<CalendarioQt>, std::less<>> calendarios_;
    std::map<QObject*, const Control*> disenos_;
};

void VentanaQt::construir() {
    FormaQt* w = forma_;
    switch (diseno_.marco) {
        case Marco::Presentacion:
            // A title bar without any system button.
            w->setWindowFlags((diseno_.enBarraDeTareas ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint);
            w->setWindowTitle(aQt(diseno_.titulo));
            break;
        case Marco::Oculto:
            w->setWindowTitle(aQt(diseno_.titulo));
            w->setWindowIcon(iconoPrograma());
            // Never shown, so it must not count as a window whose closing quits.
            w->setAttribute(Qt::WA_QuitOnClose, false);
            break;
        default:
            prepararMarco(w, aQt(diseno_.titulo), diseno_.enBarraDeTareas);
    }
    if (diseno_.fondoBlanco && diseno_.marco != Marco::Oculto) fondoBlanco(w);

    QWidget* area = crearMenus();
    if (diseno_.marco == Marco::Oculto) return;
    if (area == nullptr) {
        area = w;
        w->setFixedSize(pixeles(w, diseno_.ancho), pixeles(w, diseno_.alto));
    }

    QPushButton* aceptar = nullptr;
    QPushButton* cancelar = nullptr;
    for (const Control& c : diseno_.controles) {
        QObject* objeto = nullptr;
        if (c.clase == Clase::Temporizador) {
            auto* t = new QTimer(w);
            // The designed interval, not the up to 5 % less that a coarse timer allows.
            t->setTimerType(Qt::PreciseTimer);
            t->setInterval(c.intervalo);
            objeto = t;
        } else {
            QWidget* padre = c.dentro.empty() ? area : qobject_cast<QWidget*>(buscar(c.dentro));
            QWidget* control = crearControl(c, padre != nullptr ? padre : area);
            if (!c.dentro.empty() && qobject_cast<QLabel*>(control) != nullptr)
                control->setAttribute(Qt::WA_NoMousePropagation);
            if (auto* boton = qobject_cast<QPushButton*>(control)) {
                if ((c.estilo & kPredeterminado) != 0U) aceptar = boton;
                if ((c.estilo & kCancelar) != 0U) cancelar = boton;
            }
            objeto = control;
        }
        objeto->setObjectName(nombreQt(c.nombre));
        controles_.emplace(std::string(c.nombre), objeto);
        disenos_.emplace(objeto, &c);
        conectar(c, objeto);
    }
    // In a window with a default button, Enter on another button presses
    // that one, as in a dialog.
    if (aceptar != nullptr) {
        aceptar->setDefault(true);
        for (QPushButton* b : area->findChildren<QPushButton*>())
            if (b != aceptar) b->setAutoDefault(true);
    }
    w->fijarBotones(aceptar, cancelar);

    for (std::size_t i = 1; i < diseno_.ordenTab.size(); ++i) {
        auto* antes = qobject_cast<QWidget*>(buscar(diseno_.ordenTab[i - 1]));
        auto* despues = qobject_cast<QWidget*>(buscar(diseno_.ordenTab[i]));
        if (antes != nullptr && despues != nullptr) QWidget::setTabOrder(antes, despues);
    }
    if (auto* foco = qobject_cast<QWidget*>(buscar(diseno_.foco))) foco->setFocus();
    if (diseno_.vistaPreviaTeclas) w->verTeclasAntes();
    // A fixed dialog frame: the user cannot resize it.
    if (diseno_.marco == Marco::Fijo) w->setFixedSize(w->size());
    centrarEnPantalla(w);
    for (QObject* objeto : w->findChildren<QTimer*>()) static_cast<QTimer*>(objeto)->start();
}

QWidget* VentanaQt::crearMenus() {
    QMenuBar* barra = nullptr;
    QMenu* actual = nullptr;
    for (std::size_t i = 0; i < diseno_.menus.size(); ++i) {
        const EntradaMenu& e = diseno_.menus[i];
        const QString texto = aQt(e.texto);
        const bool conItems = i + 1 < diseno_.menus.size() && diseno_.menus[i + 1].nivel > 0;
        QAction* accion = nullptr;
        if (e.nivel == 0 && !e.visible) {
            // Not on the bar: only ever popped up.
            actual = new QMenu(texto, forma_);
            actual->setObjectName(nombreQt(e.nombre));
            controles_.emplace(std::string(e.nombre), actual);
            continue;
        }
        if (e.nivel == 0) {
            if (barra == nullptr) barra = new QMenuBar(forma_);
            if (conItems) {
                actual = barra->addMenu(texto);
                actual->setObjectName(nombreQt(e.nombre));
                controles_.emplace(std::string(e.nombre), actual);
                continue;
            }
            accion = barra->addAction(texto);
        } else if (e.texto == "-") {
            accion = actual->addSeparator();
        } else {
            accion = actual->addAction(texto);
        }
        accion->setObjectName(nombreQt(e.nombre));
        accion->setEnabled(e.habilitada);
        controles_.emplace(std::string(e.nombre), accion);
        if (!accion->isSeparator())
            QObject::connect(accion, &QAction::triggered, forma_,
                             [w = forma_.data(), n = e.nombre] { w->avisar(n, Evento::Click); });
    }
    if (barra == nullptr) return nullptr;
    return areaBajoMenu(forma_, barra, diseno_.ancho, diseno_.alto);
}

QWidget* VentanaQt::crearControl(const Control& c, QWidget* padre) {
    const auto colocarControl = [&](QWidget* w) {
        colocar(w, c.lugar.izquierda, c.lugar.arriba, c.lugar.ancho, c.lugar.alto);
        return w;
    };
    switch (c.clase) {
        case Clase::Etiqueta: {
            auto* l = new QLabel(aQt(c.texto), padre);
            if (!c.letra.cara.empty() || c.letra.puntos > 0 || c.letra.negrita) l->setFont(fuente(c.letra));
            if ((c.estilo & kCentrado) != 0U) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            if ((c.estilo & kDerecha) != 0U) l->setAlignment(Qt::AlignRight | Qt::AlignTop);
            if ((c.estilo & kVariasLineas) != 0U) l->setWordWrap(true);
            if ((c.estilo & kAutoajuste) != 0U) {
                l->move(pixeles(l, c.lugar.izquierda), pixeles(l, c.lugar.arriba));
                l->adjustSize();
            } else {
                colocarControl(l);
            }
            return l;
        }
        case Clase::Imagen: {
            auto* l = new QLabel(padre);
            l->setPixmap(pixmapDeImagen(c.imagen));
            l->setScaledContents((c.estilo & kEstirada) != 0U);
            return colocarControl(l);
        }
        case Clase::Caja: {
            auto* caja = new QLineEdit(padre);
            colocarControl(caja);
            if (auto* rotulo = qobject_cast<QLabel*>(buscar(c.rotulo))) rotulo->setBuddy(caja);
            return caja;
        }
        case Clase::Texto: {
            auto* caja = new QPlainTextEdit(padre);
            caja->setPlainText(aQt(c.texto));
            if ((c.estilo & kOculto) != 0U) {
                caja->hide();
                return caja;
            }
            caja->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            // The tables' rows are wider than the box in today's UI fonts;
            // wrapping them would break the columns, so the box scrolls
            // sideways instead.
            caja->setLineWrapMode(QPlainTextEdit::NoWrap);
            // A tab in the table would shift its columns; Tab moves on, as in
            // every box.
            tabSaleDelTexto(caja);
            return colocarControl(caja);
        }
        case Clase::Boton: {
            auto* boton = new QPushButton(aQt(c.texto), padre);
            if (c.imagen != Imagen::Ninguna) {
                boton->setIcon(iconoDeImagen(c.imagen));
                const int lado = pixeles(boton, kLadoImagenBoton);
                boton->setIconSize(QSize(lado, lado));
            }
            if (!c.ayuda.empty()) {
                boton->setToolTip(aQt(c.ayuda));
                boton->setAccessibleName(aQt(c.ayuda));
            }
            return colocarControl(boton);
        }
        case Clase::Combo: {
            auto* combo = new QComboBox(padre);
            combo->setEditable(true);
            // What the user types stays as typed: no entries added, no
            // completion that would turn "semanas" into "Semanas".
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
            for (const std::string_view entrada : c.lista) combo->addItem(aQt(entrada));
            colocarControl(combo);
            if (auto* rotulo = qobject_cast<QLabel*>(buscar(c.rotulo))) rotulo->setBuddy(combo);
            return combo;
        }
        case Clase::Marco: {
            auto* marco = new QFrame(padre);
            if ((c.estilo & kBlanco) != 0U) fondoBlanco(marco);
            marco->installEventFilter(forma_);
            forma_->marcoQueSePulsa(marco, c.nombre);
            return colocarControl(marco);
        }
        case Clase::Linea: {
            auto* linea = new QFrame(padre);
            linea->setFrameShape(QFrame::HLine);
            linea->setFrameShadow(QFrame::Sunken);
            return colocarControl(linea);
        }
        case Clase::Calendario: {
            auto calendario = std::make_unique<CalendarioQt>(reloj_, padre);
            QWidget* control = calendario->control();
            calendarios_.emplace(std::string(c.nombre), std::move(calendario));
            return colocarControl(control);
        }
        case Clase::Grafico:
            return colocarControl(new GraficoQt(padre));
        case Clase::Temporizador:
            break;
    }
    throw std::logic_error("control without a widget: " + std::string(c.nombre));
}

void VentanaQt::conectar(const Control& c, QObject* objeto) {
    FormaQt* w = forma_;
    const std::string_view n = c.nombre;
    const auto avisar = [w, n](Evento e) { return [w, n, e] { w->avisar(n, e); }; };
    if (auto* caja = qobject_cast<QLineEdit*>(objeto)) {
        // textChanged, not textEdited: a text set by the program is a change too.
        QObject::connect(caja, &QLineEdit::textChanged, w, avisar(Evento::Change));
    } else if (auto* boton = qobject_cast<QPushButton*>(objeto)) {
        QObject::connect(boton, &QPushButton::clicked, w, avisar(Evento::Click));
    } else if (auto* t = qobject_cast<QTimer*>(objeto)) {
        QObject::connect(t, &QTimer::timeout, w, avisar(Evento::Timer));
    } else if (c.clase == Clase::Calendario) {
        calendarios_.find(n)->second->alElegir(avisar(Evento::Click));
    }
}

void VentanaQt::fijarEtiqueta(QLabel* etiqueta, const QString& texto) {
    const Control* c = disenos_.at(etiqueta);
    const int derecha = etiqueta->geometry().right();
    etiqueta->setText(texto);
    if ((c->estilo & kAutoajuste) == 0U) return;
    // Sized to its text; a right-aligned one keeps its right edge and grows
    // to the left.
    etiqueta->adjustSize();
    if ((c->estilo & kDerecha) != 0U) etiqueta->move(derecha - etiqueta->width() + 1, etiqueta->y());
}

}  // namespace

std::unique_ptr<Ventana> PantallaQt::crear(const DisenoVentana& diseno, ReceptorEventos& receptor) {
    return std::make_unique<VentanaQt>(diseno, receptor, reloj_);
}

QWidget* PantallaQt::widget(const Ventana& ventana) {
    const auto* v = dynamic_cast<const VentanaQt*>(&ventana);
    return v == nullptr ? nullptr : v->widget();
}

QMenu* PantallaQt::menu(const Ventana& ventana, std::string_view nombre) {
    const auto* v = dynamic_cast<const VentanaQt*>(&ventana);
    return v == nullptr ? nullptr : qobject_cast<QMenu*>(v->buscar(nombre));
}

}  // namespace tarvolo

#include "pantalla_qt.moc"
