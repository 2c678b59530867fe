#include "data/taules.h"

namespace quimerix {

namespace {

struct FilaElement {
    const char *tipus;
    const char *nom;
    const char *símbol;
    const char *valències[4];
    const char *característica;
    bool hidrur_invers;
    const char *arrel_ur;
    const char *arrel_àcid;
    const char *electronegativitat;
    bool àcid_especial;
    const char *arrel_oxoanió;
};

// Rows 1..41, in the order the draw addresses them.
constexpr FilaElement kElements[Nombre_elements] = {
    {"Metall", "liti", "Li", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "sodi", "Na", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "potassi", "K", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "rubidi", "Rb", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "cesi", "Cs", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "argent", "Ag", {"1", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "beril·li", "Be", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "magnesi", "Mg", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "calci", "Ca", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "estronci", "Sr", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "bari", "Ba", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "zinc", "Zn", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "cadmi", "Cd", {"2", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "alumini", "Al", {"3", "", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "coure", "Cu", {"1", "2", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "mercuri", "Hg", {"1", "2", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "or", "Au", {"1", "3", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "ferro", "Fe", {"2", "3", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "crom", "Cr", {"2", "3", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "níquel", "Ni", {"2", "3", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "cobalt", "Co", {"2", "3", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "estany", "Sn", {"2", "4", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "plom", "Pb", {"2", "4", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "platí", "Pt", {"2", "4", "", ""}, "", false, "", "", "", false, ""},
    {"Metall", "manganès", "Mn", {"2", "3", "4", ""}, "", false, "", "", "", false, ""},
    {"No metall", "hidrogen", "H", {"1", "", "", ""}, "1", false, "", "", "2.2", false, ""},
    {"No metall", "bor", "B", {"3", "", "", ""}, "3", false, "", "", "2.04", true, ""},
    {"No metall", "carboni", "C", {"2", "4", "", ""}, "4", false, "carb", "carbon", "2.55", false, "carbon"},
    {"No metall", "silici", "Si", {"2", "4", "", ""}, "4", false, "silici", "silici", "1.9", false, "silic"},
    {"No metall", "nitrogen", "N", {"1", "3", "5", ""}, "3", false, "nitr", "nitr", "3.04", false, "nitr"},
    {"No metall", "fòsfor", "P", {"1", "3", "5", ""}, "3", false, "fosf", "fosfor", "2.19", true, "fosf"},
    {"No metall", "arsènic", "As", {"1", "3", "5", ""}, "3", false, "arsen", "arseni", "2.1", true, "arsen"},
    {"No metall",
     "antimoni",
     "Sb",
     {"1", "3", "5", ""},
     "3",
     false,
     "antimon",
     "antimoni",
     "2.05",
     true,
     "antimon"},
    {"No metall", "oxigen", "O", {"2", "", "", ""}, "2", true, "", "", "3.4", false, ""},
    {"No metall", "sofre", "S", {"2", "4", "6", ""}, "2", true, "sulf", "sulfur", "2.58", false, "sulf"},
    {"No metall", "seleni", "Se", {"2", "4", "6", ""}, "2", true, "selen", "seleni", "2.54", false, "selen"},
    {"No metall",
     "tel·luri",
     "Te",
     {"2", "4", "6", ""},
     "2",
     true,
     "tel·lur",
     "tel·luri",
     "2.18",
     false,
     "tel·lur"},
    {"No metall", "fluor", "F", {"1", "", "", ""}, "1", true, "", "", "3.98", false, ""},
    {"No metall", "clor", "Cl", {"1", "3", "5", "7"}, "1", true, "", "", "3.16", false, ""},
    {"No metall", "brom", "Br", {"1", "3", "5", "7"}, "1", true, "", "", "2.96", false, ""},
    {"No metall", "iode", "I", {"1", "3", "5", "7"}, "1", true, "iod", "iod", "2.66", false, "iod"},
};

} // namespace

Taules Taules::carrega() {
    Taules t;
    for (int fila = 1; fila <= Nombre_elements; ++fila) {
        const FilaElement &f = kElements[fila - 1];
        auto &cel = t.Taula_elements[fila];
        cel[Tipus] = f.tipus;
        cel[Nom] = f.nom;
        cel[Símbol] = f.símbol;
        for (int v = 0; v < 4; ++v)
            cel[València1 + v] = f.valències[v];
        cel[València_característica] = f.característica;
        if (f.hidrur_invers) cel[Hidrur_invers] = "hidrur invers";
        cel[Arrel_ur] = f.arrel_ur;
        cel[Arrel_àcid] = f.arrel_àcid;
        cel[Electronegativitat] = f.electronegativitat;
        if (f.àcid_especial) cel[Àcid_especial] = "àcid especial";
        cel[Arrel_oxoanió] = f.arrel_oxoanió;
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

int Taules::nombre_valències(int fila) const {
    int n = 0;
    while (n < 4 && !cel(fila, València1 + n).empty())
        ++n;
    return n;
}

} // namespace quimerix
