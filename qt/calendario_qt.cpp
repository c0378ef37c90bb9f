#include "calendario_qt.h"

#include <QCalendarWidget>

#include "calendar/error_ejecucion.h"

namespace tarvolo {

namespace {

QDate aQDate(const Fecha& f) {
    return QDate(static_cast<int>(f.year()), static_cast<int>(static_cast<unsigned>(f.month())),
                 static_cast<int>(static_cast<unsigned>(f.day())));
}

Fecha aFecha(const QDate& d) {
    return Fecha{std::chrono::year{d.year()}, std::chrono::month{static_cast<unsigned>(d.month())},
                 std::chrono::day{static_cast<unsigned>(d.day())}};
}

}  // namespace

CalendarioQt::CalendarioQt(const Reloj& reloj, QWidget* padre)
    : reloj_(reloj), calendario_(new QCalendarWidget(padre)) {
    calendario_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Epidemiological weeks run Sunday to Saturday, and the program speaks Spanish.
    // (The locale first: it brings its own first day of the week.)
    calendario_->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    calendario_->setFirstDayOfWeek(Qt::Sunday);
    calendario_->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);  // fits its narrow width
    // A click on a day, or Enter or a double click on it: the user's pick.
    // The selection change is not listened to, since assigning fires it too.
    const auto avisar = [this] {
        if (aviso_) aviso_();
    };
    QObject::connect(calendario_, &QCalendarWidget::clicked, calendario_, avisar);
    QObject::connect(calendario_, &QCalendarWidget::activated, calendario_, avisar);
}

CalendarioQt::~CalendarioQt() {
    if (calendario_) QObject::disconnect(calendario_, nullptr, calendario_, nullptr);
}

QWidget* CalendarioQt::control() const {
    return calendario_;
}

Fecha CalendarioQt::valor() const {
    return aFecha(calendario_->selectedDate());
}

void CalendarioQt::fijarValor(const Fecha& fecha) {
    const QDate d = aQDate(fecha);
    if (!d.isValid() || d < calendario_->minimumDate() || d > calendario_->maximumDate())
        throw ErrorEjecucion(kValorNoValido, kTextoValorNoValido);
    calendario_->setSelectedDate(d);
}

void CalendarioQt::irAHoy() {
    const QDate hoy = aQDate(reloj_.hoy());
    calendario_->setSelectedDate(hoy);
    calendario_->setCurrentPage(hoy.year(), hoy.month());
}

void CalendarioQt::alElegir(std::function<void()> aviso) {
    aviso_ = std::move(aviso);
}

}  // namespace tarvolo
