// quimerix-eines: the companion tool for teachers and for checks, built on the program's core.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include <unistd.h>

#include "ordres.h"
#include "records/sortida.h"
#include "text.h"

using namespace eines;

namespace {

// Every subcommand, in the order of the help.
const Ordre *const ordres[] = {&ordre_cataleg, &ordre_corregeix, &ordre_diagnostica, &ordre_llegeix,
                               &ordre_informe, &ordre_resum,     &ordre_examen_crea, &ordre_examen_llista};

std::string ajuda_eina() {
    std::string text = "Ús: quimerix-eines ORDRE [OPCIONS]\n"
                       "Eines de QUIMERIX per al professorat i per a comprovacions.\n\nOrdres:\n";
    std::size_t ample = 0;
    for (const Ordre *o : ordres)
        ample = std::max(ample, amplada(o->nom));
    for (const Ordre *o : ordres)
        text += "  " + omple(o->nom, ample) + "  " + o->descripcio + "\n";
    text += "\nOpcions:\n"
            "  -h, --help  mostra aquesta ajuda\n"
            "  --version   mostra la versió\n\n"
            "L'ajuda de cada ordre: quimerix-eines ORDRE --help\n";
    return text;
}

int error_eina(const std::string &missatge) {
    std::cerr << "quimerix-eines: " << missatge << "\n"
              << "Ús: quimerix-eines ORDRE [OPCIONS]\n"
              << "Per a més informació: quimerix-eines --help\n";
    return 2;
}

int executa_eina(const std::vector<std::string> &args) {
    if (args.empty()) return error_eina("falta l'ordre");
    const std::string &primer = args[0];
    if (primer == "-h" || primer == "--help") {
        std::cout << ajuda_eina();
        return 0;
    }
    if (primer == "--version") {
        std::cout << "quimerix-eines " QUIMERIX_VERSIO "\n";
        return 0;
    }
    // Orders of two words ("examen crea"): the second word is part of the name.
    const std::string dues = args.size() > 1 ? primer + " " + args[1] : std::string();
    for (const Ordre *o : ordres) {
        if (o->nom == primer) return executa(*o, std::vector<std::string>(args.begin() + 1, args.end()));
        if (o->nom == dues) return executa(*o, std::vector<std::string>(args.begin() + 2, args.end()));
    }
    if (primer == "examen")
        return error_eina(args.size() > 1
                              ? "ordre d'examen desconeguda: " + visible(args[1]) + " (crea o llista)"
                              : "falta l'ordre d'examen: crea o llista");
    return error_eina("ordre desconeguda: " + visible(primer));
}

// Standard output is the tool's product: it goes straight to the file descriptor, and the first
// write that fails is remembered with its reason.
class Sortida : public std::streambuf {
  public:
    Sortida() { setp(memoria_, memoria_ + sizeof memoria_); }
    int error() const { return error_; }
    bool buida() { return sync() == 0; }

  protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override {
        const char *p = pbase();
        while (p < pptr() && error_ == 0) {
            const ssize_t n = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                error_ = n < 0 ? errno : EIO;
            else
                p += n;
        }
        setp(memoria_, memoria_ + sizeof memoria_);
        return error_ == 0 ? 0 : -1;
    }

  private:
    char memoria_[1 << 16];
    int error_ = 0;
};

bool sortida_escrita(Sortida &sortida) {
    if (sortida.buida() && std::cout.good()) return true;
    std::cerr << "quimerix-eines: no s'ha pogut escriure la sortida estàndard";
    if (sortida.error() == EPIPE)
        std::cerr << " (el programa que la llegia s'ha tancat)";
    else if (sortida.error() != 0)
        std::cerr << " (" << quimerix::motiu_error(sortida.error()) << ")";
    std::cerr << ".\n";
    return false;
}

} // namespace

int main(int argc, char **argv) {
    // A closed pipe is reported as a write error, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    static Sortida sortida;
    std::streambuf *anterior = std::cout.rdbuf(&sortida);
    const int codi = executa_eina(std::vector<std::string>(argv + 1, argv + argc));
    const bool escrita = sortida_escrita(sortida);
    std::cout.rdbuf(anterior);
    if (!escrita) return codi == 0 ? 1 : codi;
    return codi;
}
