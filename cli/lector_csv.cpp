#include "lector_csv.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tarvolo {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::array<char, 3> kCandidatos{',', ';', '\t'};  // in order of preference on a tie
}  // namespace

LectorCsv::LectorCsv(FuenteBytes& fuente, char separador, std::size_t bloque)
    : fuente_(fuente), separador_(separador), buffer_(std::max<std::size_t>(bloque, 16)) {
    clasificar(separador);
}

void LectorCsv::clasificar(char separador) {
    std::fill(std::begin(clase_), std::end(clase_), kOtro);
    if (separador == 0) {
        for (char c : kCandidatos) clase_[static_cast<unsigned char>(c)] = kSeparador;
    } else {
        clase_[static_cast<unsigned char>(separador)] = kSeparador;
    }
    clase_[static_cast<unsigned char>('\n')] = kSalto;
    clase_[static_cast<unsigned char>('"')] = kComilla;
}

bool LectorCsv::rellenar() {
    if (agotada_) return false;
    if (inicio_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + inicio_, fin_ - inicio_);
        fin_ -= inicio_;
        inicio_ = 0;
    }
    if (fin_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);  // a record longer than the buffer
    if (alEsperar_ != nullptr) alEsperar_(datoEsperar_);
    const std::size_t n = fuente_.leer(buffer_.data() + fin_, buffer_.size() - fin_);
    if (n == 0) {
        agotada_ = true;
        return false;
    }
    fin_ += n;
    return true;
}

// Finds the record that starts at inicio_ and fills registro_ (fields,
// line), leaving inicio_ where it was; siguiente() moves on.
bool LectorCsv::escanear() {
    cortes_.clear();
    std::size_t rel = 0;  // scan position, relative to inicio_ (the buffer may move)
    if (primero_) {
        while (fin_ - inicio_ < kBom.size() && rellenar()) {
        }
        bom_ = std::string_view(buffer_.data() + inicio_, std::min(fin_ - inicio_, kBom.size())) == kBom;
        if (bom_) rel = kBom.size();
    }
    const std::size_t primerCampo = rel;
    std::size_t inicioCampo = rel;
    Estado estado = Estado::kNormal;
    long saltos = 0;  // line feeds inside quoted fields
    long lineaComilla = 0;
    std::size_t finRegistro = 0;  // relative offset of the LF, or of the end of input
    bool conSalto = false;

    for (;;) {
        if (inicio_ + rel == fin_) {
            if (rellenar()) continue;
            if (estado == Estado::kComillas) throw ComillasSinCerrar(lineaComilla);
            if (rel == 0) return false;
            finRegistro = rel;
            break;
        }
        const char* base = buffer_.data() + inicio_;
        const char* p = base + rel;
        const char* const fin = buffer_.data() + fin_;
        if (estado == Estado::kComillas) {
            const auto* q = static_cast<const char*>(std::memchr(p, '"', static_cast<std::size_t>(fin - p)));
            const char* hasta = q != nullptr ? q : fin;
            saltos += std::count(p, hasta, '\n');
            if (q == nullptr) {
                rel = static_cast<std::size_t>(fin - base);
                continue;
            }
            rel = static_cast<std::size_t>(q - base) + 1;
            estado = Estado::kComillaEnComillas;
            continue;
        }
        if (estado == Estado::kComillaEnComillas) {
            if (*p == '"') {  // a doubled quote: still inside
                ++rel;
                estado = Estado::kComillas;
                continue;
            }
            estado = Estado::kNormal;  // the quote closed the field; *p is read as usual
        }
        bool salto = false;
        while (p < fin) {
            switch (clase_[static_cast<unsigned char>(*p)]) {
                case kOtro:
                    ++p;
                    continue;
                case kSeparador:
                    cortes_.push_back(static_cast<std::size_t>(p - base));
                    ++p;
                    inicioCampo = static_cast<std::size_t>(p - base);
                    continue;
                case kComilla:
                    if (static_cast<std::size_t>(p - base) == inicioCampo) {
                        estado = Estado::kComillas;
                        lineaComilla = linea_ + saltos;
                    }
                    ++p;
                    if (estado == Estado::kComillas) break;
                    continue;
                default:  // kSalto
                    salto = true;
                    break;
            }
            break;
        }
        rel = static_cast<std::size_t>(p - base);
        if (salto) {
            finRegistro = rel;
            conSalto = true;
            break;
        }
    }

    const char* base = buffer_.data() + inicio_;
    std::size_t largo = finRegistro;
    if (conSalto && largo > primerCampo && base[largo - 1] == '\r') --largo;  // CR LF
    registro_.bytes = std::string_view(base, largo);
    registro_.finDeLinea =
        conSalto ? std::string_view(base + largo, finRegistro + 1 - largo) : std::string_view();
    registro_.linea = linea_;
    registro_.campos.clear();
    std::size_t desde = primerCampo;
    for (const std::size_t corte : cortes_) {
        registro_.campos.emplace_back(base + desde, corte - desde);
        desde = corte + 1;
    }
    registro_.campos.emplace_back(base + desde, largo >= desde ? largo - desde : 0);
    siguienteInicio_ = inicio_ + finRegistro + (conSalto ? 1 : 0);
    saltosDelRegistro_ = saltos + (conSalto ? 1 : 0);
    return true;
}

void LectorCsv::detectarSeparador() {
    std::array<std::size_t, kCandidatos.size()> cuenta{};
    const char* base = buffer_.data() + inicio_;
    for (const std::size_t corte : cortes_)
        for (std::size_t i = 0; i < kCandidatos.size(); ++i)
            if (base[corte] == kCandidatos[i]) ++cuenta[i];
    std::size_t mejor = 0;
    for (std::size_t i = 1; i < kCandidatos.size(); ++i)
        if (cuenta[i] > cuenta[mejor]) mejor = i;
    separador_ = kCandidatos[mejor];
    clasificar(separador_);
}

bool LectorCsv::siguiente() {
    if (primero_ && separador_ == 0) {
        if (!escanear()) {
            primero_ = false;
            separador_ = kCandidatos[0];
            return false;
        }
        detectarSeparador();
        // Quotes open fields only after the real separator: read it again.
    }
    const bool hay = escanear();
    primero_ = false;
    if (!hay) return false;
    inicio_ = siguienteInicio_;
    linea_ += saltosDelRegistro_;
    return true;
}

std::string_view valorCampo(std::string_view crudo, std::string& espacio) {
    if (crudo.empty() || crudo.front() != '"') return crudo;
    espacio.clear();
    bool dentro = true;
    for (std::size_t i = 1; i < crudo.size(); ++i) {
        const char c = crudo[i];
        if (dentro && c == '"') {
            if (i + 1 < crudo.size() && crudo[i + 1] == '"') {
                espacio += '"';
                ++i;
            } else {
                dentro = false;
            }
            continue;
        }
        espacio += c;  // bytes after the closing quote are kept as they are
    }
    return espacio;
}

}  // namespace tarvolo
