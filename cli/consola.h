#pragma once

#include <string>
#include <vector>

namespace tarvolo {

// The companion's place in its terminal, for as long as it runs: the
// arguments as UTF-8, and standard input, output and error carrying bytes
// untouched, so its answers are the same bytes on every platform. What it
// changes in the terminal is put back when this object goes.
class Consola {
public:
    Consola(int argc, char** argv);
    ~Consola();
    Consola(const Consola&) = delete;
    Consola& operator=(const Consola&) = delete;

    // The arguments after the program's name.
    const std::vector<std::string>& argumentos() const noexcept { return argumentos_; }

private:
    std::vector<std::string> argumentos_;
};

}  // namespace tarvolo
