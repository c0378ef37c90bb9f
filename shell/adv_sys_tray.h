#pragma once

#include <QIcon>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "bandeja.h"
#include "calendar/reloj.h"
#include "registro_notificacion.h"

namespace tarvolo {

// "Semana Epidemiológica " and the week: the icon's tooltip.
QString textoTipSemana(int semana);

// One icon in the notification area on behalf of an owner window: the record
// adapted to the shell's version, the tooltip, the balloon, and the user's
// mouse turned into six events. Nothing here traps errors: they go to the
// caller's trap.
class AdvSysTray : public QObject {
    Q_OBJECT
public:
    static constexpr std::int16_t kLimiteTipCorto = 63;
    static constexpr std::int16_t kLimiteTipLargo = 127;
    static constexpr std::size_t kLimiteGlobo = 255;
    static constexpr std::size_t kLimiteTituloGlobo = 63;
    static constexpr std::uint32_t kMensajeCallback = 0x200;

    // Class_Initialize: reads the shell's version once.
    AdvSysTray(Bandeja& bandeja, const Reloj& reloj, QObject* padre = nullptr);
    // Class_Terminate: a registered icon leaves with the object.
    ~AdvSysTray() override;

    std::int32_t ShellVersion() const { return version_; }
    void Icon(const QIcon& icono);
    QIcon Icon() const;
    void Tooltip(const QString& texto);
    QString Tooltip() const;
    void Create(QWidget& propietario);
    void Destroy();
    void ShowBalloon(QString texto, QString titulo, std::int32_t tipoIcono);
    void HideBalloon();

    bool registrado() const { return registrado_; }
    std::int16_t limiteTip() const { return limiteTip_; }

signals:
    void LButtonDown();
    void LButtonUp();
    void LButtonDblClk();
    void RButtonDown();
    void RButtonUp();
    void RButtonDblClk();

private:
    // The shell's notification for the icon, as the owner relays it.
    void frmOwner_MouseMove(quint32 mensaje);
    bool conGlobos() const { return version_ >= 5; }
    // Icon and tooltip updates: the record as it stands, less the balloon.
    void modificarSinGlobo();

    Bandeja& bandeja_;
    const Reloj& reloj_;
    std::int32_t version_ = 0;
    std::int16_t limiteTip_ = kLimiteTipCorto;
    bool registrado_ = false;
    RegistroNotificacion registro_;
    QPointer<QWidget> frmOwner_;
    QMetaObject::Connection suscripcion_;
};

}  // namespace tarvolo
