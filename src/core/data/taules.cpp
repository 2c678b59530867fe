#include "data/taules.h"

#include <optional>

namespace quimerix {

namespace {

struct FilaElement {
    Tipus_element tipus;
    const char *nom;
    const char *simbol;
    const char *valencies[4];
    const char *caracteristica;
    bool hidrur_invers;
    const char *arrel_ur;
    const char *arrel_acid;
    std::optional<double> electronegativitat;
    bool acid_especial;
    const char *arrel_oxoanio;
};

constexpr Tipus_element M = Tipus_element::Metall;
constexpr Tipus_element N = Tipus_element::No_metall;

// Rows 1..41, in the order the draw addresses them.
constexpr FilaElement kElements[Nombre_elements] = {
    {M, "liti", "Li", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "sodi", "Na", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "potassi", "K", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "rubidi", "Rb", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "cesi", "Cs", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "argent", "Ag", {"1", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "beril·li", "Be", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "magnesi", "Mg", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "calci", "Ca", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "estronci", "Sr", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "bari", "Ba", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "zinc", "Zn", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "cadmi", "Cd", {"2", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "alumini", "Al", {"3", "", "", ""}, "", false, "", "", {}, false, ""},
    {M, "coure", "Cu", {"1", "2", "", ""}, "", false, "", "", {}, false, ""},
    {M, "mercuri", "Hg", {"1", "2", "", ""}, "", false, "", "", {}, false, ""},
    {M, "or", "Au", {"1", "3", "", ""}, "", false, "", "", {}, false, ""},
    {M, "ferro", "Fe", {"2", "3", "", ""}, "", false, "", "", {}, false, ""},
    {M, "crom", "Cr", {"2", "3", "", ""}, "", false, "", "", {}, false, ""},
    {M, "níquel", "Ni", {"2", "3", "", ""}, "", false, "", "", {}, false, ""},
    {M, "cobalt", "Co", {"2", "3", "", ""}, "", false, "", "", {}, false, ""},
    {M, "estany", "Sn", {"2", "4", "", ""}, "", false, "", "", {}, false, ""},
    {M, "plom", "Pb", {"2", "4", "", ""}, "", false, "", "", {}, false, ""},
    {M, "platí", "Pt", {"2", "4", "", ""}, "", false, "", "", {}, false, ""},
    {M, "manganès", "Mn", {"2", "3", "4", ""}, "", false, "", "", {}, false, ""},
    {N, "hidrogen", "H", {"1", "", "", ""}, "1", false, "", "", 2.2, false, ""},
    {N, "bor", "B", {"3", "", "", ""}, "3", false, "", "", 2.04, true, ""},
    {N, "carboni", "C", {"2", "4", "", ""}, "4", false, "carb", "carbon", 2.55, false, "carbon"},
    {N, "silici", "Si", {"2", "4", "", ""}, "4", false, "silici", "silici", 1.9, false, "silic"},
    {N, "nitrogen", "N", {"1", "3", "5", ""}, "3", false, "nitr", "nitr", 3.04, false, "nitr"},
    {N, "fòsfor", "P", {"1", "3", "5", ""}, "3", false, "fosf", "fosfor", 2.19, true, "fosf"},
    {N, "arsènic", "As", {"1", "3", "5", ""}, "3", false, "arsen", "arseni", 2.1, true, "arsen"},
    {N, "antimoni", "Sb", {"1", "3", "5", ""}, "3", false, "antimon", "antimoni", 2.05, true, "antimon"},
    {N, "oxigen", "O", {"2", "", "", ""}, "2", true, "", "", 3.4, false, ""},
    {N, "sofre", "S", {"2", "4", "6", ""}, "2", true, "sulf", "sulfur", 2.58, false, "sulf"},
    {N, "seleni", "Se", {"2", "4", "6", ""}, "2", true, "selen", "seleni", 2.54, false, "selen"},
    {N, "tel·luri", "Te", {"2", "4", "6", ""}, "2", true, "tel·lur", "tel·luri", 2.18, false, "tel·lur"},
    {N, "fluor", "F", {"1", "", "", ""}, "1", true, "", "", 3.98, false, ""},
    {N, "clor", "Cl", {"1", "3", "5", "7"}, "1", true, "", "", 3.16, false, ""},
    {N, "brom", "Br", {"1", "3", "5", "7"}, "1", true, "", "", 2.96, false, ""},
    {N, "iode", "I", {"1", "3", "5", "7"}, "1", true, "iod", "iod", 2.66, false, "iod"},
};

} // namespace

Taules Taules::carrega() {
    Taules t;
    for (int fila = 1; fila <= Nombre_elements; ++fila) {
        const FilaElement &f = kElements[fila - 1];
        auto &cel = t.Taula_elements[fila];
        t.Tipus[fila] = f.tipus;
        t.Electronegativitat[fila] = f.electronegativitat;
        cel[Nom] = f.nom;
        cel[Simbol] = f.simbol;
        for (int v = 0; v < 4; ++v)
            cel[Valencia1 + v] = f.valencies[v];
        cel[Valencia_caracteristica] = f.caracteristica;
        if (f.hidrur_invers) cel[Hidrur_invers] = "hidrur invers";
        cel[Arrel_ur] = f.arrel_ur;
        cel[Arrel_acid] = f.arrel_acid;
        if (f.acid_especial) cel[Acid_especial] = "àcid especial";
        cel[Arrel_oxoanio] = f.arrel_oxoanio;
    }
    static constexpr const char *kPrefixos[8][5] = {
        {"", "", "", "", ""},
        {"", "Mono", "mono", "", ""},
        {"", "Di", "di", "", ""},
        {"", "Tri", "tri", "", ""},
        {"", "Tetra", "tetra", "Tetr", "tetr"},
        {"", "Penta", "penta", "Pent", "pent"},
        {"", "Hexa", "hexa", "Hex", "hex"},
        {"", "Hepta", "hepta", "Hept", "hept"},
    };
    for (int n = 0; n < 8; ++n)
        for (int f = 0; f < 5; ++f)
            t.Prefixos[n][f] = kPrefixos[n][f];
    t.Vocals = {"", "a", "e", "", "o", "u", "h"};
    return t;
}

int Taules::nombre_valencies(int fila) const {
    int n = 0;
    while (n < 4 && !cel(fila, Valencia1 + n).empty())
        ++n;
    return n;
}

} // namespace quimerix
