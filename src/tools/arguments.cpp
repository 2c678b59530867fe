#include "arguments.h"

#include <algorithm>
#include <iostream>

#include "text.h"

namespace eines {

std::optional<std::string> Arguments::valor(const std::string &opcio) const {
    const auto it = valors_.find(opcio);
    if (it == valors_.end()) return std::nullopt;
    return it->second;
}

namespace {

bool es_ajuda(const std::string &a) {
    return a == "-h" || a == "--help";
}

const Opcio *busca(const Ordre &o, const std::string &nom) {
    for (const Opcio &op : o.opcions)
        if (op.nom == nom) return &op;
    return nullptr;
}

// An option as the usage line and the help write it: "--pdf SORTIDA.pdf", "--json".
std::string forma(const Opcio &op) {
    return op.nom + (op.valor.empty() ? "" : " " + op.valor);
}

std::string entre_claudators(const std::string &text, bool opcional) {
    return opcional ? "[" + text + "]" : text;
}

} // namespace

std::string linia_us(const Ordre &o) {
    std::string linia = "Ús: quimerix-eines " + o.nom;
    const Posicionals &p = o.posicionals;
    if (!p.nom.empty()) linia += " " + entre_claudators(p.nom + (p.maxim > 1 ? "…" : ""), p.minim == 0);
    for (const Opcio &op : o.opcions)
        linia += " " + entre_claudators(forma(op), !op.obligatoria);
    return linia;
}

std::string ajuda(const Ordre &o) {
    std::string text = linia_us(o) + "\n" + o.descripcio + "\n\nOpcions:\n";
    std::size_t ample = std::string("-h, --help").size();
    for (const Opcio &op : o.opcions)
        ample = std::max(ample, amplada(forma(op)));
    for (const Opcio &op : o.opcions)
        text += "  " + omple(forma(op), ample) + "  " + op.ajuda + "\n";
    text += "  " + omple("-h, --help", ample) + "  mostra aquesta ajuda\n";
    return text;
}

int error_us(const Ordre &o, const std::string &missatge) {
    std::cerr << "quimerix-eines " << o.nom << ": " << missatge << "\n"
              << linia_us(o) << "\n"
              << "Per a més informació: quimerix-eines " << o.nom << " --help\n";
    return 2;
}

struct Analitzador {
    // Fills `a`; returns the error message, or nothing when the arguments are good.
    static std::optional<std::string> analitza(const Ordre &o, const std::vector<std::string> &args,
                                               Arguments &a) {
        bool nomes_posicionals = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string &arg = args[i];
            if (nomes_posicionals || arg.size() < 2 || arg[0] != '-') {
                a.posicionals_.push_back(arg);
                continue;
            }
            if (arg == "--") {
                nomes_posicionals = true;
                continue;
            }
            // --opció=valor is the same as --opció valor.
            const std::size_t igual = arg.find('=');
            const std::string nom = arg.substr(0, igual);
            const Opcio *op = busca(o, nom);
            if (!op) return "opció desconeguda: " + visible(arg);
            if (a.valors_.count(nom)) return "l'opció " + nom + " s'ha donat més d'una vegada";
            if (op->valor.empty()) {
                if (igual != std::string::npos) return "l'opció " + nom + " no admet cap valor";
                a.valors_[nom] = "";
                continue;
            }
            std::string valor;
            if (igual != std::string::npos) {
                valor = arg.substr(igual + 1);
            } else {
                if (i + 1 >= args.size()) return "falta el valor de " + nom;
                valor = args[++i];
            }
            if (valor.rfind("--", 0) == 0)
                return "el valor de " + nom + " no pot començar per «--»: " + visible(valor);
            if (valor.empty() && !op->admet_buit) return "el valor de " + nom + " no pot ser buit";
            a.valors_[nom] = valor;
        }
        for (const Opcio &op : o.opcions)
            if (op.obligatoria && !a.te(op.nom)) return "falta l'opció " + op.nom;
        if (a.posicionals_.size() < o.posicionals.minim)
            return o.posicionals.nom.empty() ? "falten arguments" : "falta " + o.posicionals.nom;
        if (a.posicionals_.size() > o.posicionals.maxim)
            return "argument de més: " + visible(a.posicionals_[o.posicionals.maxim]);
        return std::nullopt;
    }
};

int executa(const Ordre &o, const std::vector<std::string> &args) {
    // Help wins wherever it stands, except as the value of an option.
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (es_ajuda(args[i])) {
            std::cout << ajuda(o);
            return 0;
        }
        const Opcio *op = busca(o, args[i]);
        if (op && !op->valor.empty()) ++i;
    }
    Arguments a;
    if (const auto error = Analitzador::analitza(o, args, a)) return error_us(o, *error);
    return o.executa(a);
}

} // namespace eines
