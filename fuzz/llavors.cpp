#include "llavors.h"

namespace quimerix {

DadesSessio sessio_de_mostra(int n, const std::string &nom) {
    static const std::string lletres[] = {"àcid clorós", "hidròxid de plom (II)", "sulfur de mercuri (I)",
                                          "òxid d’or (III)", "L·L ÏÜÉÈÓÒÚÍÇ €"};
    DadesSessio d;
    d.capcalera = "Nom i cognoms: " + nom + "  Data: 3/4/2024";
    for (int i = 1; i <= n; ++i) {
        d.registres.push_back(std::to_string(i) + "  " + lletres[i % 5] +
                              std::string(static_cast<std::size_t>(i % 40), ' ') + "CORRECTE\r\n");
        ++(i % 2 ? d.encerts : d.errors)[static_cast<std::size_t>(i % Nombre_codis)];
    }
    d.text_estadistiques = Estadistiques().Text_estadistiques();
    d.text_estadistiques[0] = "3 / 5";
    d.text_estadistiques[13] = std::to_string(encerts_totals(d)) + " / " + std::to_string(n);
    return d;
}

std::vector<Llavor> llavors() {
    return {
        {"inici", text_arxiu(sessio_de_mostra(0), Forma_arxiu::Inici)},
        {"zero_registres", text_arxiu(sessio_de_mostra(0), Forma_arxiu::Completa)},
        {"un_registre", text_arxiu(sessio_de_mostra(1), Forma_arxiu::Completa)},
        {"tres_registres", text_arxiu(sessio_de_mostra(3), Forma_arxiu::Completa)},
        {"rossec", text_arxiu(sessio_de_mostra(2, "ÿÿÿÿ"), Forma_arxiu::Completa)},
        {"cometes", text_arxiu(sessio_de_mostra(1, "Joan \"Xiquet\" Roca"), Forma_arxiu::Completa)},
    };
}

} // namespace quimerix
