#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvolo {

// The notification-area record in its 8-bit form, 488 bytes, every integer
// unsigned 32-bit little-endian. It is kept whole between calls and every
// call to the tray back end sends all of it. Texts go in and come out as
// UTF-8 and are held in the Windows-1252 code page.
class RegistroNotificacion {
public:
    static constexpr std::size_t kTamano = 488;
    static constexpr std::uint32_t kTamanoCorto = 88;  // shells before version 5

    // uFlags bits.
    static constexpr std::uint32_t kMensaje = 0x01;
    static constexpr std::uint32_t kIcono = 0x02;
    static constexpr std::uint32_t kTip = 0x04;
    static constexpr std::uint32_t kGlobo = 0x10;

    // Field offsets and widths.
    static constexpr std::size_t kCbSize = 0;
    static constexpr std::size_t kHWnd = 4;
    static constexpr std::size_t kUId = 8;
    static constexpr std::size_t kUFlags = 12;
    static constexpr std::size_t kUCallbackMessage = 16;
    static constexpr std::size_t kHIcon = 20;
    static constexpr std::size_t kSzTip = 24, kAnchoTip = 128;
    static constexpr std::size_t kDwState = 152;
    static constexpr std::size_t kDwStateMask = 156;
    static constexpr std::size_t kSzInfo = 160, kAnchoInfo = 256;
    static constexpr std::size_t kUTimeout = 416;
    static constexpr std::size_t kSzInfoTitle = 420, kAnchoInfoTitle = 64;
    static constexpr std::size_t kDwInfoFlags = 484;

    using Bytes = std::array<std::uint8_t, kTamano>;

    // All zero: unwritten text fields read as empty.
    RegistroNotificacion() = default;
    // Any bytes, as a back end receives them; short input is zero-padded.
    static RegistroNotificacion desdeBytes(std::span<const std::uint8_t> bytes);

    const Bytes& bytes() const noexcept { return bytes_; }

    std::uint32_t cbSize() const { return entero(kCbSize); }
    std::uint32_t hWnd() const { return entero(kHWnd); }
    std::uint32_t uID() const { return entero(kUId); }
    std::uint32_t uFlags() const { return entero(kUFlags); }
    std::uint32_t uCallbackMessage() const { return entero(kUCallbackMessage); }
    std::uint32_t hIcon() const { return entero(kHIcon); }
    std::uint32_t dwInfoFlags() const { return entero(kDwInfoFlags); }
    std::string szTip() const { return texto(kSzTip, kAnchoTip); }
    std::string szInfo() const { return texto(kSzInfo, kAnchoInfo); }
    std::string szInfoTitle() const { return texto(kSzInfoTitle, kAnchoInfoTitle); }
    // The tooltip as the shell reads it: a short record ends inside szTip,
    // whose first 64 bytes are then all there is.
    std::string tipLeido() const;

    void fijarCbSize(std::uint32_t v) { fijarEntero(kCbSize, v); }
    void fijarHWnd(std::uint32_t v) { fijarEntero(kHWnd, v); }
    void fijarUId(std::uint32_t v) { fijarEntero(kUId, v); }
    void fijarUFlags(std::uint32_t v) { fijarEntero(kUFlags, v); }
    void fijarUCallbackMessage(std::uint32_t v) { fijarEntero(kUCallbackMessage, v); }
    void fijarHIcon(std::uint32_t v) { fijarEntero(kHIcon, v); }
    void fijarDwInfoFlags(std::uint32_t v) { fijarEntero(kDwInfoFlags, v); }
    // Each text is written as its first `limite` characters, one NUL, cut to
    // the field's width, and the rest of the field filled with spaces.
    void fijarSzTip(std::string_view t, std::size_t limite = kAnchoTip) {
        fijarTexto(kSzTip, kAnchoTip, t, limite);
    }
    void fijarSzInfo(std::string_view t, std::size_t limite = kAnchoInfo) {
        fijarTexto(kSzInfo, kAnchoInfo, t, limite);
    }
    void fijarSzInfoTitle(std::string_view t, std::size_t limite = kAnchoInfoTitle) {
        fijarTexto(kSzInfoTitle, kAnchoInfoTitle, t, limite);
    }

    std::uint32_t entero(std::size_t desplazamiento) const;
    void fijarEntero(std::size_t desplazamiento, std::uint32_t valor);
    // The field's text up to its first NUL (the whole field if it has none).
    std::string texto(std::size_t desplazamiento, std::size_t ancho) const;
    void fijarTexto(std::size_t desplazamiento, std::size_t ancho, std::string_view texto,
                    std::size_t limite);

private:
    Bytes bytes_{};
};

}  // namespace tarvolo
