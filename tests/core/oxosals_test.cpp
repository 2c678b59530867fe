#include <gtest/gtest.h>

#include "proves.h"

#include <array>
#include <string>
#include <vector>

#include "data/taules.h"
#include "generation/constructors.h"

using namespace quimerix;

namespace {

using Caixes = std::array<std::string, Nombre_caixes>;

struct CasSal {
    const char *X;
    const char *v;
    const char *M;
    const char *w;
    Caixes caixes;
    const char *nom;
    const char *formula;
};

void comprova_sal(const Exercici &e, const CasSal &c) {
    SCOPED_TRACE(std::string(c.X) + c.v + " " + c.M + c.w);
    EXPECT_EQ(e.caixes, c.caixes);
    EXPECT_EQ(e.Nom_compost, c.nom);
    EXPECT_EQ(e.formula(), c.formula);
    EXPECT_EQ(e.Codi_exercici, "MHX");
    const bool grup = !c.caixes[Subindex_grup].empty();
    EXPECT_EQ(e.claudators, grup);
    const std::array<bool, Nombre_caixes> visibles{true, true, true, true, true, true, grup};
    EXPECT_EQ(e.visibles, visibles);
}

const CasSal kOxosals[] = {
    {"S", "6", "Na", "1", {"Na", "2", "S", "", "O", "4", ""}, "sulfat de sodi", "Na2SO4"},
    {"S", "6", "Fe", "3", {"Fe", "2", "S", "", "O", "4", "3"}, "sulfat de ferro (III)", "Fe2(SO4)3"},
    {"S", "6", "Ca", "2", {"Ca", "", "S", "", "O", "4", ""}, "sulfat de calci", "CaSO4"},
    {"S", "6", "Sn", "4", {"Sn", "", "S", "", "O", "4", "2"}, "sulfat d'estany (IV)", "Sn(SO4)2"},
    {"S", "6", "Mn", "4", {"Mn", "", "S", "", "O", "4", "2"}, "sulfat de manganès (IV)", "Mn(SO4)2"},
    {"S", "6", "Be", "2", {"Be", "", "S", "", "O", "4", ""}, "sulfat de beril·li", "BeSO4"},
    {"N", "5", "Al", "3", {"Al", "", "N", "", "O", "3", "3"}, "nitrat d'alumini", "Al(NO3)3"},
    {"N", "5", "Ag", "1", {"Ag", "", "N", "", "O", "3", ""}, "nitrat d'argent", "AgNO3"},
    {"N", "5", "Au", "1", {"Au", "", "N", "", "O", "3", ""}, "nitrat d'or (I)", "AuNO3"},
    {"N", "5", "Hg", "1", {"Hg", "", "N", "", "O", "3", ""}, "nitrat de mercuri (I)", "HgNO3"},
    {"P", "5", "K", "1", {"K", "", "P", "", "O", "3", ""}, "Metafosfat de potassi", "KPO3"},
    {"P", "5", "Mn", "4", {"Mn", "", "P", "", "O", "3", "4"}, "Metafosfat de manganès (IV)", "Mn(PO3)4"},
    {"Cl", "1", "Fe", "3", {"Fe", "", "Cl", "", "O", "", "3"}, "hipoclorit de ferro (III)", "Fe(ClO)3"},
    {"C", "4", "K", "1", {"K", "2", "C", "", "O", "3", ""}, "carbonat de potassi", "K2CO3"},
    {"C", "4", "Pt", "4", {"Pt", "", "C", "", "O", "3", "2"}, "carbonat de platí (IV)", "Pt(CO3)2"},
    {"Si", "4", "Ba", "2", {"Ba", "", "Si", "", "O", "3", ""}, "silicat de bari", "BaSiO3"},
    {"N", "3", "Cu", "2", {"Cu", "", "N", "", "O", "2", "2"}, "nitrit de coure (II)", "Cu(NO2)2"},
    {"S", "4", "Zn", "2", {"Zn", "", "S", "", "O", "3", ""}, "sulfit de zinc", "ZnSO3"},
    {"Cl", "3", "Mg", "2", {"Mg", "", "Cl", "", "O", "2", "2"}, "clorit de magnesi", "Mg(ClO2)2"},
    {"Cl", "5", "Au", "1", {"Au", "", "Cl", "", "O", "3", ""}, "clorat d'or (I)", "AuClO3"},
    {"Cl", "7", "Pb", "4", {"Pb", "", "Cl", "", "O", "4", "4"}, "perclorat de plom (IV)", "Pb(ClO4)4"},
    {"Br", "1", "Li", "1", {"Li", "", "Br", "", "O", "", ""}, "hipobromit de liti", "LiBrO"},
    {"Br", "5", "Hg", "2", {"Hg", "", "Br", "", "O", "3", "2"}, "bromat de mercuri (II)", "Hg(BrO3)2"},
    {"I", "1", "Cs", "1", {"Cs", "", "I", "", "O", "", ""}, "hipoiodit de cesi", "CsIO"},
    {"I", "5", "Cd", "2", {"Cd", "", "I", "", "O", "3", "2"}, "iodat de cadmi", "Cd(IO3)2"},
    {"I", "7", "Rb", "1", {"Rb", "", "I", "", "O", "4", ""}, "periodat de rubidi", "RbIO4"},
    {"Cl", "7", "Sr", "2", {"Sr", "", "Cl", "", "O", "4", "2"}, "perclorat d'estronci", "Sr(ClO4)2"},
    // Never drawn, but the elided head before an element name in "a" belongs to the naming rule.
    {"As", "5", "Na", "1", {"Na", "", "As", "", "O", "3", ""}, "Metarsenat de sodi", "NaAsO3"},
};

const CasSal kOxosalsEspecials[] = {
    {"B", "3", "Na", "1", {"Na", "3", "B", "", "O", "3", ""}, "borat de sodi", "Na3BO3"},
    {"B", "3", "Ca", "2", {"Ca", "3", "B", "", "O", "3", "2"}, "borat de calci", "Ca3(BO3)2"},
    {"B", "3", "Ag", "1", {"Ag", "3", "B", "", "O", "3", ""}, "borat d'argent", "Ag3BO3"},
    {"P", "3", "Fe", "2", {"Fe", "3", "P", "", "O", "3", "2"}, "fosfonit de ferro (II)", "Fe3(PO3)2"},
    {"P", "3", "Pt", "4", {"Pt", "3", "P", "", "O", "3", "4"}, "fosfonit de platí (IV)", "Pt3(PO3)4"},
    {"P", "5", "Al", "3", {"Al", "", "P", "", "O", "4", ""}, "fosfat d'alumini", "AlPO4"},
    {"P", "5", "Sn", "4", {"Sn", "3", "P", "", "O", "4", "4"}, "fosfat d'estany (IV)", "Sn3(PO4)4"},
    {"P", "5", "Au", "3", {"Au", "", "P", "", "O", "4", ""}, "fosfat d'or (III)", "AuPO4"},
};

struct CasComentari {
    const char *X;
    const char *v;
    const char *M;
    const char *w;
    Tasca mode;
    const char *text;
};

// Whole comments, one salt per (valences of the non-metal, position) in both tasks.
const CasComentari kComentarisOxosals[] = {
    {"C", "4", "K", "1", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element carboni [C] amb valència [4] i el metall potassi [K] amb valència [1].\r\n   La valència del "
     "no metall carboni [C] és [4] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. "
     "Com que aquest element pot actuar amb dues valències, aquest sufix ens indica que serà la segona "
     "d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"C", "4", "K", "1", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element carboni. La valència amb què actua el metall és el subíndex que acompanya "
     "l'ió provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]\r\n   L'element potassi [K] només actua amb "
     "valència, [1] i com que no pot actuar amb cap més, no cal indicar-la.\r\n   Per saber el prefix i el "
     "sufix cal saber quina posició ocupa la valència amb què actua l'element carboni en ordre creixent. En "
     "aquest cas actua amb la valència [4]. Com que l'element carboni pot actuar amb dues valències "
     "diferents i aquesta, és la segona es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"N", "3", "Cu", "2", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element nitrogen [N] amb valència [3] i el metall coure [Cu] amb valència [2].\r\n   La valència del "
     "no metall nitrogen [N] és [3] perquè l'anió té el sufix [it] que equival al sufix [ós] dels oxoàcids. "
     "Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la segona "
     "d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"N", "3", "Cu", "2", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element nitrogen. La valència amb què actua el metall és el subíndex que acompanya "
     "l'ió provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall)\r\n   L'element coure "
     "[Cu] actua amb valència, [2] i com que pot actuar amb més d'una, cal indicar-la.\r\n   Per saber el "
     "prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element nitrogen en ordre "
     "creixent. En aquest cas actua amb la valència [3]. Com que l'element nitrogen pot actuar amb tres "
     "valències diferents i aquesta, és la segona es té que:   [prefix] = no n'hi ha   [sufix] = it"},
    {"S", "6", "Na", "1", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element sofre [S] amb valència [6] i el metall sodi [Na] amb valència [1].\r\n   La valència del no "
     "metall sofre [S] és [6] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la tercera "
     "d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"S", "6", "Na", "1", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element sofre. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]\r\n   L'element sodi [Na] només actua amb "
     "valència, [1] i com que no pot actuar amb cap més, no cal indicar-la.\r\n   Per saber el prefix i el "
     "sufix cal saber quina posició ocupa la valència amb què actua l'element sofre en ordre creixent. En "
     "aquest cas actua amb la valència [6]. Com que l'element sofre pot actuar amb tres valències diferents "
     "i aquesta, és la tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"S", "6", "Fe", "3", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element sofre [S] amb valència [6] i el metall ferro [Fe] amb valència [3].\r\n   La valència del no "
     "metall sofre [S] és [6] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la tercera "
     "d'elles.\r\n  "},
    {"S", "6", "Fe", "3", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element sofre. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall)\r\n   L'element ferro "
     "[Fe] actua amb valència, [3] i com que pot actuar amb més d'una, cal indicar-la.\r\n   Per saber el "
     "prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element sofre en ordre "
     "creixent. En aquest cas actua amb la valència [6]. Com que l'element sofre pot actuar amb tres "
     "valències diferents i aquesta, és la tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"S", "6", "Ca", "2", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element sofre [S] amb valència [6] i el metall calci [Ca] amb valència [2].\r\n   La valència del no "
     "metall sofre [S] és [6] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la tercera "
     "d'elles.\r\n   Cal simplificar els subíndexs de l'element Ca amb el subíndex de l'ió provenent de "
     "l'oxoàcid. Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"S", "6", "Ca", "2", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element sofre. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]\r\n   L'element calci [Ca] només actua amb "
     "valència, [2] i com que no pot actuar amb cap més, no cal indicar-la.\r\n   Per saber el prefix i el "
     "sufix cal saber quina posició ocupa la valència amb què actua l'element sofre en ordre creixent. En "
     "aquest cas actua amb la valència [6]. Com que l'element sofre pot actuar amb tres valències diferents "
     "i aquesta, és la tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"Cl", "1", "Fe", "3", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element clor [Cl] amb valència [1] i el metall ferro [Fe] amb valència [3].\r\n   La valència del no "
     "metall clor [Cl] és [1] perquè l'anió té el prefix [hipo] i el sufix [it] que equival al sufix [ós] "
     "dels oxoàcids. Com que aquest element pot actuar amb quatre valències, aquest prefix i sufix ens "
     "indica que serà la primera d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no "
     "s'han d'escriure i si aquest correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió "
     "entre parèntesi."},
    {"Cl", "1", "Fe", "3", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element clor. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall)\r\n   L'element ferro "
     "[Fe] actua amb valència, [3] i com que pot actuar amb més d'una, cal indicar-la.\r\n   Per saber el "
     "prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element clor en ordre "
     "creixent. En aquest cas actua amb la valència [1]. Com que l'element clor pot actuar amb quatre "
     "valències diferents i aquesta, és la primera es té que:   [prefix] = hipo   [sufix] = it"},
    {"Cl", "3", "Mg", "2", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element clor [Cl] amb valència [3] i el metall magnesi [Mg] amb valència [2].\r\n   La valència del "
     "no metall clor [Cl] és [3] perquè l'anió té el sufix [it] que equival al sufix [ós] dels oxoàcids. Com "
     "que aquest element pot actuar amb quatres valències, aquest sufix ens indica que serà la segona "
     "d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"Cl", "3", "Mg", "2", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element clor. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]\r\n   L'element magnesi [Mg] només actua amb "
     "valència, [2] i com que no pot actuar amb cap més, no cal indicar-la.\r\n   Per saber el prefix i el "
     "sufix cal saber quina posició ocupa la valència amb què actua l'element clor en ordre creixent. En "
     "aquest cas actua amb la valència [3]. Com que l'element clor pot actuar amb quatre valències diferents "
     "i aquesta, és la segona es té que:   [prefix] = no n'hi ha   [sufix] = it"},
    {"Cl", "5", "Au", "1", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element clor [Cl] amb valència [5] i el metall or [Au] amb valència [1].\r\n   La valència del no "
     "metall clor [Cl] és [5] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element pot actuar amb quatre valències, aquest sufix ens indica que serà la tercera "
     "d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"Cl", "5", "Au", "1", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element clor. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall)\r\n   L'element or "
     "[Au] actua amb valència, [1] i com que pot actuar amb més d'una, cal indicar-la.\r\n   Per saber el "
     "prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element clor en ordre "
     "creixent. En aquest cas actua amb la valència [5]. Com que l'element clor pot actuar amb quatre "
     "valències diferents i aquesta, és la tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"Cl", "7", "Pb", "4", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element clor [Cl] amb valència [7] i el metall plom [Pb] amb valència [4].\r\n   La valència del no "
     "metall clor [Cl] és [7] perquè l'anió té el prefix [per] i el sufix [at] que equival al sufix [ic] "
     "dels oxoàcids. Com que aquest element pot actuar amb quatre valències, aquest prefix i sufix ens "
     "indica que serà la quarta d'elles.\r\n   Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han "
     "d'escriure i si aquest correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre "
     "parèntesi."},
    {"Cl", "7", "Pb", "4", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "amb què actua el no metall s'obté de restar a l'ió de l'oxoàcid una molècula d'aigua (H2O) i es mira "
     "quin és el subíndex de l'oxigen [O]. Si no obtenim valències coherents cal estar alerta a possibles "
     "simplificacions que s'hagin fet a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid "
     "sense simplificar ha de tenir un subíndex [2] a l'hidrogen [H] i l'òxid no simplificat ha de tenir un "
     "subíndex [2] a l'element clor. La valència amb què actua el metall és el subíndex que acompanya l'ió "
     "provinent de l'oxoàcid vigilant també possibles simplificacions. Per anomenar-los es segueix "
     "l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   (valència del metall)\r\n   L'element plom "
     "[Pb] actua amb valència, [4] i com que pot actuar amb més d'una, cal indicar-la.\r\n   Per saber el "
     "prefix i el sufix cal saber quina posició ocupa la valència amb què actua l'element clor en ordre "
     "creixent. En aquest cas actua amb la valència [7]. Com que l'element clor pot actuar amb quatre "
     "valències diferents i aquesta, és la quarta es té que:   [prefix] = per   [sufix] = at"},
    {"P", "5", "K", "1", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element fòsfor [P] amb valència [5] i el metall potassi [K] amb valència [1].\r\n   La valència del "
     "no metall fòsfor [P] és [5] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. "
     "Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la tercera "
     "d'elles.\r\n   El prefix [meta] indica que és una oxosal especial (les de [B], [P], [As] i [Sb]). "
     "Aquesta prové de l'oxoàcid de l'element fòsfor [P] i ens informa que s'ha format amb una sola molècula "
     "d'aigua. Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"P", "5", "K", "1", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "del no metall s'obté de restar a l'oxoàcid previ una molècula d'aigua (H2O) i mirar el subíndex de "
     "l'oxigen [O]. Si no obtenim valències coherents cal vigilar possibles simplificacions que s'hagin fet "
     "a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid sense simplificar ha de tenir un "
     "subíndex [2] a l'hidrogen [H] i l'òxid no simplificat un subíndex [2] a l'element fòsfor. La valència "
     "del metall serà el subíndex que acompanya l'ió provinent de l'oxoàcid vigilant també possibles "
     "simplificacions. Per anomenar-los es segueix l'estructura:   meta[prefix]+[no metall]+[sufix] de "
     "[metall]   (valència del metall) \r\n   El prefix [meta] indica oxoàcid especial ([B],[P],[As] i [Sb]) "
     "i que aquí es forma amb una molècula d'aigua. L'element potassi [K] només actua amb valència, [1] i "
     "com que no pot actuar amb cap més, no cal indicar-la. Per saber el prefix i el sufix cal saber quina "
     "posició ocupa la valència amb què actua l'element fòsfor en ordre creixent. En aquest cas actua amb la "
     "valència [5]. Com que l'element fòsfor pot actuar amb tres valències diferents i aquesta, és la "
     "tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"P", "5", "Mn", "4", kFormular,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. Per formular "
     "aquests tipus de compostos primer cal formular l'oxoàcid corresponent a l'element no metàl·lic i "
     "seguidament s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall "
     "es posa com a subíndex de tot l'ió que prové de l'oxoàcid.\r\n   Aquí l'oxosal prové de l'oxoàcid de "
     "l'element fòsfor [P] amb valència [5] i el metall manganès [Mn] amb valència [4].\r\n   La valència "
     "del no metall fòsfor [P] és [5] perquè l'anió té el sufix [at] que equival al sufix [ic] dels "
     "oxoàcids. Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la "
     "tercera d'elles.\r\n   El prefix [meta] indica que és una oxosal especial (les de [B], [P], [As] i "
     "[Sb]). Aquesta prové de l'oxoàcid de l'element fòsfor [P] i ens informa que s'ha format amb una sola "
     "molècula d'aigua. Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si aquest "
     "correspon al subíndex de l'ió provinent de l'oxoàcid no cal posar l'ió entre parèntesi."},
    {"P", "5", "Mn", "4", kAnomenar,
     "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic. La valència "
     "del no metall s'obté de restar a l'oxoàcid previ una molècula d'aigua (H2O) i mirar el subíndex de "
     "l'oxigen [O]. Si no obtenim valències coherents cal vigilar possibles simplificacions que s'hagin fet "
     "a l'oxoàcid o a l'òxid prèvi. Com a referència es té que l'oxoàcid sense simplificar ha de tenir un "
     "subíndex [2] a l'hidrogen [H] i l'òxid no simplificat un subíndex [2] a l'element fòsfor. La valència "
     "del metall serà el subíndex que acompanya l'ió provinent de l'oxoàcid vigilant també possibles "
     "simplificacions. Per anomenar-los es segueix l'estructura:   meta[prefix]+[no metall]+[sufix] de "
     "[metall]   (valència del metall) \r\n   El prefix [meta] indica oxoàcid especial ([B],[P],[As] i [Sb]) "
     "i que aquí es forma amb una molècula d'aigua. L'element manganès [Mn] actua amb valència, [4] i com "
     "que pot actuar amb més d'una, cal indicar-la. Per saber el prefix i el sufix cal saber quina posició "
     "ocupa la valència amb què actua l'element fòsfor en ordre creixent. En aquest cas actua amb la "
     "valència [5]. Com que l'element fòsfor pot actuar amb tres valències diferents i aquesta, és la "
     "tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
};

const CasComentari kComentarisOxosalsEspecials[] = {
    {"B", "3", "Na", "1", kFormular,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i "
     "després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall es "
     "posa com a subíndex de tot l'ió que prové de l'oxoàcid. Aquí l'oxosal prové de l'oxoàcid especial de "
     "l'element bor [B] amb valència [3] i del metall sodi [Na] amb valència [1]. Recorda que els oxoàcids "
     "especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una. La valència del "
     "no metall bor [B] és [3] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element només pot actuar amb aquesta valència no pot haver-hi confusió. No porta el prefix "
     "[meta] i això ens informa que l'oxoàcid especial del què prové aquesta oxosal especial s'ha format amb "
     "tres molècules d'aigua. Recorda que quan als subíndexs s'hi ha de posar un 1 no s'han d'escriure i si "
     "aquest correspon al subíndex de l'ió provinent de l'oxoàcid especial no cal posar l'ió entre "
     "parèntesi."},
    {"B", "3", "Na", "1", kAnomenar,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   "
     "(valència del metall) \r\n   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha "
     "format amb tres molècules d'aigua. L'element sodi [Na] només actua amb valència, [1] i com que no pot "
     "actuar amb cap més, no cal indicar-la. Per saber el prefix i el sufix cal saber quina posició ocupa la "
     "valència amb què actua l'element bor en ordre creixent. En aquest cas actua amb la valència [3]. Com "
     "que l'element bor només pot actuar amb aquesta valència, es té que:   [prefix] = no n'hi ha   [sufix] "
     "= at"},
    {"B", "3", "Ca", "2", kFormular,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i "
     "després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall es "
     "posa com a subíndex de tot l'ió que prové de l'oxoàcid. Aquí l'oxosal prové de l'oxoàcid especial de "
     "l'element bor [B] amb valència [3] i del metall calci [Ca] amb valència [2]. Recorda que els oxoàcids "
     "especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una. La valència del "
     "no metall bor [B] és [3] perquè l'anió té el sufix [at] que equival al sufix [ic] dels oxoàcids. Com "
     "que aquest element només pot actuar amb aquesta valència no pot haver-hi confusió. No porta el prefix "
     "[meta] i això ens informa que l'oxoàcid especial del què prové aquesta oxosal especial s'ha format amb "
     "tres molècules d'aigua."},
    {"B", "3", "Ca", "2", kAnomenar,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   "
     "(valència del metall) \r\n   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha "
     "format amb tres molècules d'aigua. L'element calci [Ca] només actua amb valència, [2] i com que no pot "
     "actuar amb cap més, no cal indicar-la. Per saber el prefix i el sufix cal saber quina posició ocupa la "
     "valència amb què actua l'element bor en ordre creixent. En aquest cas actua amb la valència [3]. Com "
     "que l'element bor només pot actuar amb aquesta valència, es té que:   [prefix] = no n'hi ha   [sufix] "
     "= at"},
    {"P", "3", "Fe", "2", kFormular,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i "
     "després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall es "
     "posa com a subíndex de tot l'ió que prové de l'oxoàcid. Aquí l'oxosal prové de l'oxoàcid especial de "
     "l'element fòsfor [P] amb valència [3] i del metall ferro [Fe] amb valència [2]. Recorda que els "
     "oxoàcids especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una. La "
     "valència del no metall fòsfor [P] és [3] perquè l'anió té el sufix [it] que equival al sufix [ós] dels "
     "oxoàcids. Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la "
     "segona d'elles. No porta el prefix [meta] i això ens informa que l'oxoàcid especial del què prové "
     "aquesta oxosal especial s'ha format amb tres molècules d'aigua."},
    {"P", "3", "Fe", "2", kAnomenar,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   "
     "(valència del metall) \r\n   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha "
     "format amb tres molècules d'aigua. L'element ferro [Fe] actua amb valència, [2] i com que pot actuar "
     "amb més d'una, cal indicar-la. Per saber el prefix i el sufix cal saber quina posició ocupa la "
     "valència amb què actua l'element fòsfor en ordre creixent. En aquest cas actua amb la valència [3]. "
     "Com que l'element fòsfor pot actuar amb tres valències diferents i aquesta, és la segona es té que:   "
     "[prefix] = no n'hi ha   [sufix] = it"},
    {"P", "5", "Al", "3", kFormular,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i "
     "després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall es "
     "posa com a subíndex de tot l'ió que prové de l'oxoàcid. Aquí l'oxosal prové de l'oxoàcid especial de "
     "l'element fòsfor [P] amb valència [5] i del metall alumini [Al] amb valència [3]. Recorda que els "
     "oxoàcids especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una. La "
     "valència del no metall fòsfor [P] és [5] perquè l'anió té el sufix [at] que equival al sufix [ic] dels "
     "oxoàcids. Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la "
     "tercera d'elles. No porta el prefix [meta] i això ens informa que l'oxoàcid especial del què prové "
     "aquesta oxosal especial s'ha format amb tres molècules d'aigua. Cal simplificar els subíndexs de "
     "l'element Al amb el subíndex de l'ió provinent de l'oxoàcid especial. Recorda que quan als subíndexs "
     "s'hi ha de posar un 1 no s'han d'escriure i si aquest correspon al subíndex de l'ió provinent de "
     "l'oxoàcid especial no cal posar l'ió entre parèntesi."},
    {"P", "5", "Al", "3", kAnomenar,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   "
     "(valència del metall) \r\n   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha "
     "format amb tres molècules d'aigua. L'element alumini [Al] només actua amb valència, [3] i com que no "
     "pot actuar amb cap més, no cal indicar-la. Per saber el prefix i el sufix cal saber quina posició "
     "ocupa la valència amb què actua l'element fòsfor en ordre creixent. En aquest cas actua amb la "
     "valència [5]. Com que l'element fòsfor pot actuar amb tres valències diferents i aquesta, és la "
     "tercera es té que:   [prefix] = no n'hi ha   [sufix] = at"},
    {"P", "5", "Sn", "4", kFormular,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. Primer es formula l'oxoàcid especial corresponent a l'element no metàl·lic i "
     "després s'hi substitueix l'hidrogen per l'element metàl·lic que hi intervé. La valència del metall es "
     "posa com a subíndex de tot l'ió que prové de l'oxoàcid. Aquí l'oxosal prové de l'oxoàcid especial de "
     "l'element fòsfor [P] amb valència [5] i del metall estany [Sn] amb valència [4]. Recorda que els "
     "oxoàcids especials es formaven al sumar 3 molècules d'aigua a l'òxid corresponent enlloc d'una. La "
     "valència del no metall fòsfor [P] és [5] perquè l'anió té el sufix [at] que equival al sufix [ic] dels "
     "oxoàcids. Com que aquest element pot actuar amb tres valències, aquest sufix ens indica que serà la "
     "tercera d'elles. No porta el prefix [meta] i això ens informa que l'oxoàcid especial del què prové "
     "aquesta oxosal especial s'ha format amb tres molècules d'aigua."},
    {"P", "5", "Sn", "4", kAnomenar,
     "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i un "
     "element metàl·lic. S'anomenen segons l'estructura:   [prefix]+[no metall]+[sufix] de [metall]   "
     "(valència del metall) \r\n   És un oxoàcid especial i al no portar el prefix [meta] indica que s'ha "
     "format amb tres molècules d'aigua. L'element estany [Sn] actua amb valència, [4] i com que pot actuar "
     "amb més d'una, cal indicar-la. Per saber el prefix i el sufix cal saber quina posició ocupa la "
     "valència amb què actua l'element fòsfor en ordre creixent. En aquest cas actua amb la valència [5]. "
     "Com que l'element fòsfor pot actuar amb tres valències diferents i aquesta, és la tercera es té que:   "
     "[prefix] = no n'hi ha   [sufix] = at"},
};

// The acid pairs and metal pairs that the draw makes available to each family.
std::vector<Parell> parells_metall() {
    std::vector<Parell> v;
    for (int f = 1; f <= 25; ++f)
        for (int c = Valencia1; c <= Valencia4; ++c)
            if (!taules().cel(f, c).empty()) v.push_back({f, c});
    return v;
}

const std::pair<const char *, const char *> kAcidsOxosal[] = {
    {"C", "4"},  {"Si", "4"}, {"N", "3"},  {"N", "5"},  {"P", "5"},  {"S", "4"}, {"S", "6"}, {"Cl", "1"},
    {"Cl", "3"}, {"Cl", "5"}, {"Cl", "7"}, {"Br", "1"}, {"Br", "5"}, {"I", "1"}, {"I", "5"}, {"I", "7"},
};
const std::pair<const char *, const char *> kAcidsOxosalEspecial[] = {{"B", "3"}, {"P", "3"}, {"P", "5"}};

} // namespace

TEST(Oxosals, CaixesINom) {
    for (const CasSal &c : kOxosals)
        comprova_sal(formularOXISALS(taules(), parell(c.X, c.v), parell(c.M, c.w), kFormular), c);
}

TEST(OxosalsEspecials, CaixesINom) {
    for (const CasSal &c : kOxosalsEspecials)
        comprova_sal(formularOXISALSESPECIALS(taules(), parell(c.X, c.v), parell(c.M, c.w), kAnomenar), c);
}

TEST(Oxosals, ComentariSencer) {
    for (const CasComentari &c : kComentarisOxosals) {
        SCOPED_TRACE(std::string(c.X) + c.v + " " + c.M + c.w + " mode " + std::to_string(digit(c.mode)));
        EXPECT_EQ(formularOXISALS(taules(), parell(c.X, c.v), parell(c.M, c.w), c.mode).Comentari, c.text);
    }
}

TEST(OxosalsEspecials, ComentariSencer) {
    for (const CasComentari &c : kComentarisOxosalsEspecials) {
        SCOPED_TRACE(std::string(c.X) + c.v + " " + c.M + c.w + " mode " + std::to_string(digit(c.mode)));
        EXPECT_EQ(formularOXISALSESPECIALS(taules(), parell(c.X, c.v), parell(c.M, c.w), c.mode).Comentari,
                  c.text);
    }
}

TEST(Oxosals, SenseTascaNomesLaPrimeraFrase) {
    const Parell na = parell("Na", "1");
    EXPECT_EQ(formularOXISALS(taules(), parell("S", "6"), na, kCapTasca).Comentari,
              "   És una oxosal que és un compost format per l'ànió d'un oxoàcid i un element metàl·lic.");
    EXPECT_EQ(
        formularOXISALSESPECIALS(taules(), parell("B", "3"), na, static_cast<Tasca>(3)).Comentari,
        "   És una oxosal especial (les de [B], [P], [As] i [Sb]) formada per l'ànió d'un oxoàcid especial i "
        "un element metàl·lic.");
}

// Every available combination: blank subscripts instead of 1, brackets exactly with a group subscript,
// "Meta" only for the phosphorus salts of the ordinary family, never "fosfit".
TEST(Oxosals, TotesLesCombinacions) {
    const auto metalls = parells_metall();
    ASSERT_EQ(metalls.size(), 37u);
    for (int familia = 0; familia < 2; ++familia) {
        int combinacions = 0;
        auto recorre = [&](const char *X, const char *v) {
            for (const Parell &m : metalls) {
                const Exercici e = familia == 0
                                       ? formularOXISALS(taules(), parell(X, v), m, kFormular)
                                       : formularOXISALSESPECIALS(taules(), parell(X, v), m, kFormular);
                ++combinacions;
                SCOPED_TRACE(e.Nom_compost);
                for (const std::string &caixa : e.caixes)
                    EXPECT_NE(caixa, "1");
                EXPECT_EQ(e.claudators, !e[Subindex_grup].empty());
                EXPECT_EQ(e.visibles[Subindex_grup], e.claudators);
                EXPECT_EQ(e[Simbol3], "O");
                const bool meta = e.Nom_compost.rfind("Metafosfat ", 0) == 0;
                EXPECT_EQ(meta, familia == 0 && std::string(X) == "P");
                if (familia == 1 && std::string(v) == "3" && std::string(X) == "P") {
                    EXPECT_EQ(e.Nom_compost.rfind("fosfonit ", 0), 0u);
                }
                EXPECT_EQ(e.Nom_compost.find("fosfit"), std::string::npos);
            }
        };
        if (familia == 0)
            for (auto [X, v] : kAcidsOxosal)
                recorre(X, v);
        else
            for (auto [X, v] : kAcidsOxosalEspecial)
                recorre(X, v);
        EXPECT_EQ(combinacions, familia == 0 ? 592 : 111);
    }
}
