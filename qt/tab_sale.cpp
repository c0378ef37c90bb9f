#include "tab_sale.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPlainTextEdit>

namespace tarvolo {

namespace {

// Hands Ctrl+Tab on as a plain Tab, which the box then treats as a move of
// the focus.
class CtrlTabComoTab final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, evento);
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const bool esTab = tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab;
        if (!esTab || !(tecla->modifiers() & Qt::ControlModifier))
            return QObject::eventFilter(objeto, evento);
        QKeyEvent sinCtrl(QEvent::KeyPress, tecla->key(), tecla->modifiers() & ~Qt::ControlModifier);
        QCoreApplication::sendEvent(objeto, &sinCtrl);
        return true;
    }
};

}  // namespace

void tabSaleDelTexto(QPlainTextEdit* caja) {
    caja->setTabChangesFocus(true);
    caja->installEventFilter(new CtrlTabComoTab(caja));
}

}  // namespace tarvolo
