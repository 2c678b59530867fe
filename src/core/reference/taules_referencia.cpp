#include "reference/taules_referencia.h"

#ifndef QUIMERIX_VERSIO
#define QUIMERIX_VERSIO "0"
#endif

namespace quimerix {

const std::array<std::string, 10> &Taula_de_Valencies() {
    static const std::array<std::string, 10> linies{
        R"(|                METALLS               |\\\\\\\|               NO METALLS              |)",
        R"(|  1 |  2 |  3 | 1,2 | 1,3 | 2,3 | 2,4 |\\\\\\\|(1)|(3)|2,(4)|1,(3),5|  (2)  |   (1)   |)",
        R"(|----|----|----|-----|-----|-----|-----|///////|---|---|-----|-------|-------|---------|)",
        R"(| Li | Be | Al | Cu  | Au  | Fe  | Sn  |\\\\\\\| H | B |  C  |   N   |   O   |    F    |)",
        R"(| Na | Mg |    | Hg  |     | Cr  | Pb  |///////|   |   |  Si |   P   |-----------------|)",
        R"(| K  | Ca |    |     |     | Ni  | Pt  |\\\\\\\|   |   |     |   As  |(2),4,6|(1),3,5,7|)",
        R"(| Rb | Sr |    |     |     | Co  |Mn(3)|///////|   |   |     |   Sb  |-------|---------|)",
        R"(| Cs | Ba |    |     |     |     |     |\\\\\\\|   |   |     |       |   S   |    Cl   |)",
        R"(| Ag | Zn |    |     |     |     |     |///////|   |   |     |       |   Se  |    Br   |)",
        R"(|    | Cd |    |     |     |     |     |\\\\\\\|   |   |     |       |   Te  |    I    |)"};
    return linies;
}

const std::array<std::string, 9> &Simbols() {
    static const std::array<std::string, 9> linies{
        R"(Alumini--> Al |  Carboni--> C  |  Fluor----> F  |  Nitrogen-----> N  |  Silici---> Si)",
        R"(Antimoni-> Sb |  Cesi-----> Cs |  Fòsfor---> P  |  Or-----------> Au |  Sodi-----> Na)",
        R"(Arsènic--> As |  Clor-----> Cl |  Hidrogen-> H  |  Oxigen-------> O  |  Sofre----> S )",
        R"(Bari-----> Ba |  Cobalt---> Co |  Iode-----> I  |  Plata/argent-> Ag |  Tel·luri-> Te)",
        R"(Beril·li-> Be |  Coure----> Cu |  Liti-----> Li |  Platí--------> Pt |  Zinc-----> Zn)",
        R"(Bor------> B  |  Crom-----> Cr |  Magnesi--> Mg |  Plom---------> Pb |               )",
        R"(Brom-----> Br |  Estany---> Sn |  Manganès-> Mn |  Potassi------> K  |               )",
        R"(Cadmi----> Cd |  Estronci-> Sr |  Mercuri--> Hg |  Rubidi-------> Rb |               )",
        R"(Calci----> Ca |  Ferro----> Fe |  Níquel---> Ni |  Seleni-------> Se |               )"};
    return linies;
}

std::string Autor(const std::string &versio) {
    return " Sobre el programa...\r\n\r\nQUIMERIX\r\nVersió " + versio +
           "\r\n\r\nFet per l'equip de QUIMERIX per practicar la formulació inorgànica.";
}

const std::string &Versio() {
    static const std::string v = QUIMERIX_VERSIO;
    return v;
}

} // namespace quimerix
