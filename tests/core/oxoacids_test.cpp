#include <gtest/gtest.h>

#include "proves.h"

#include <array>
#include <string>

#include "data/taules.h"
#include "generation/constructors.h"
#include "generation/oxoacids.h"

using namespace quimerix;

namespace {

const std::string kCRLF = "\r\n";
const std::string kUnCopRecorda =
    "   Un cop formulat cal simplificar els subíndexs. Recorda que els subíndexs que "
    "tenen valor 1 cal deixar-los en blanc.\r\n";
const std::string kRecorda = "   Recorda que els subíndexs que tenen valor 1 cal deixar-los en blanc.\r\n";
const std::string kMeta =
    "   El prefix [meta] indica que és un oxoàcid especial (els de [B], [P], [As] i [Sb]) i "
    "que aquí es forma amb una sola molècula d'aigua.\r\n";

std::string espais(int n) {
    return std::string(n, ' ');
}

struct Acid {
    const char *simbol;
    const char *valencia;
    std::array<const char *, 6> caixes;
    const char *nom;
};

void comprova_acid(const Exercici &e, const Acid &a) {
    SCOPED_TRACE(std::string(a.simbol) + " " + a.valencia);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(e.caixes[i], a.caixes[i]) << "caixa " << i;
    EXPECT_EQ(e[Subindex_grup], "");
    EXPECT_EQ(e.Nom_compost, a.nom);
    EXPECT_EQ(e.Codi_exercici, "HXO");
    EXPECT_EQ(e.visibles, (std::array<bool, 7>{true, true, true, true, true, true, false}));
    EXPECT_FALSE(e.claudators);
}

TEST(Oxoacids, ElsVintAcids) {
    const Acid taula[] = {
        {"B", "3", {"H", "", "B", "", "O", "2"}, "Àcid metabòric"},
        {"C", "4", {"H", "2", "C", "", "O", "3"}, "Àcid carbònic"},
        {"Si", "2", {"H", "2", "Si", "", "O", "2"}, "Àcid siliciós"},
        {"Si", "4", {"H", "2", "Si", "", "O", "3"}, "Àcid silícic"},
        {"N", "3", {"H", "", "N", "", "O", "2"}, "Àcid nitrós"},
        {"N", "5", {"H", "", "N", "", "O", "3"}, "Àcid nítric"},
        {"P", "5", {"H", "", "P", "", "O", "3"}, "Àcid metafosfòric"},
        {"S", "4", {"H", "2", "S", "", "O", "3"}, "Àcid sulfurós"},
        {"S", "6", {"H", "2", "S", "", "O", "4"}, "Àcid sulfúric"},
        {"Se", "4", {"H", "2", "Se", "", "O", "3"}, "Àcid seleniós"},
        {"Se", "6", {"H", "2", "Se", "", "O", "4"}, "Àcid selènic"},
        {"Cl", "1", {"H", "", "Cl", "", "O", ""}, "Àcid hipoclorós"},
        {"Cl", "3", {"H", "", "Cl", "", "O", "2"}, "Àcid clorós"},
        {"Cl", "5", {"H", "", "Cl", "", "O", "3"}, "Àcid clòric"},
        {"Cl", "7", {"H", "", "Cl", "", "O", "4"}, "Àcid perclòric"},
        {"Br", "1", {"H", "", "Br", "", "O", ""}, "Àcid hipobromós"},
        {"Br", "5", {"H", "", "Br", "", "O", "3"}, "Àcid bròmic"},
        {"I", "1", {"H", "", "I", "", "O", ""}, "Àcid hipoiodós"},
        {"I", "5", {"H", "", "I", "", "O", "3"}, "Àcid iòdic"},
        {"I", "7", {"H", "", "I", "", "O", "4"}, "Àcid periòdic"},
    };
    for (const Acid &a : taula)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova_acid(formularOXIACIDS(taules(), parell(a.simbol, a.valencia), mode), a);
}

TEST(Oxoacids, ElsSisAcidsEspecials) {
    const Acid taula[] = {
        {"B", "3", {"H", "3", "B", "", "O", "3"}, "Àcid bòric"},
        {"P", "1", {"H", "3", "P", "", "O", "2"}, "Àcid hipofosforós"},
        {"P", "3", {"H", "3", "P", "", "O", "3"}, "Àcid fosforós"},
        {"P", "5", {"H", "3", "P", "", "O", "4"}, "Àcid fosfòric"},
        {"As", "3", {"H", "3", "As", "", "O", "3"}, "Àcid arseniós"},
        {"As", "5", {"H", "3", "As", "", "O", "4"}, "Àcid arsènic"},
    };
    for (const Acid &a : taula)
        for (Tasca mode : {kFormular, kAnomenar})
            comprova_acid(formularOXIACIDSESPECIALS(taules(), parell(a.simbol, a.valencia), mode), a);
}

// The "meta" head, elided to "met" before a name in "a" unless the valence is the element's first.
TEST(Oxoacids, CapcaleraMeta) {
    struct Cas {
        const char *simbol;
        const char *valencia;
        const char *nom;
    };
    for (const Cas c : {Cas{"P", "1", "Àcid metahipofosforós"}, Cas{"P", "3", "Àcid metafosforós"},
                        Cas{"As", "1", "Àcid metahipoarseniós"}, Cas{"As", "3", "Àcid metarseniós"},
                        Cas{"As", "5", "Àcid metarsènic"}, Cas{"Sb", "1", "Àcid metahipoantimoniós"},
                        Cas{"Sb", "5", "Àcid metantimònic"}, Cas{"Te", "6", "Àcid tel·lúric"},
                        Cas{"F", "1", "Àcid fluòric"}, Cas{"Br", "7", "Àcid perbròmic"}})
        EXPECT_EQ(formularOXIACIDS(taules(), parell(c.simbol, c.valencia), kAnomenar).Nom_compost, c.nom)
            << c.nom;
}

TEST(Oxoacids, SubindexsPerAlsOxosals) {
    // Cl2O7 + H2O = H2Cl2O8: 8 never matches for divisor 1, divisor 2 gives HClO4.
    EXPECT_EQ(subindexs_oxoacid(taules(), parell("Cl", "7"), 1), (Subindexs_oxoacid{1, 1, 4}));
    EXPECT_EQ(subindexs_oxoacid(taules(), parell("S", "6"), 1), (Subindexs_oxoacid{2, 1, 4}));
    EXPECT_EQ(subindexs_oxoacid(taules(), parell("P", "5"), 3), (Subindexs_oxoacid{3, 1, 4}));
    EXPECT_EQ(posicio_valencia(parell("I", "7")), 4);
}

std::string paragraf1(const std::string &nom, const std::string &simbol, const std::string &v) {
    return "   És tracta d'un oxoàcid que és un compost format per combinació d'un òxid no metàl·lic amb "
           "aigua. En ell "
           "es combinen el no metall " +
           nom + " [" + simbol + "] que actua amb valència [" + v + "] i una molècula d'aigua [H2O].";
}

std::string formulacio(const std::string &nom, const std::string &simbol, const char *aigua) {
    return "   Per formular-lo cal formular l'òxid no metal·lic de l'element " + nom + " [" + simbol +
           "] i sumar-li " + aigua +
           " d'aigua [H2O] (es sumen els subíndexs dels elements iguals). S'escriu sempre seguint l'ordre:   "
           "[H] "
           "[subíndex]   [" +
           simbol + "] [subíndex]   [O] [subíndex].\r\n\r\n";
}

std::string prefix_sufix(const std::string &nom, const std::string &v, const std::string &cas) {
    return "   Per saber el prefix i el sufix cal saber quina posició ocupa la valència amb què actua "
           "l'element " +
           nom + " en ordre creixent. En aquest cas actua amb la valència [" + v + "]. Com que l'element " +
           nom + cas + "\r\n\r\n";
}

std::string anomenar_ordinari(const std::string &nom) {
    return " Per saber amb quina valència actua cal restar una molècula d'aigua (H2O) al compost i veure "
           "quin és el "
           "subíndex que acompanya a l'oxigen [O]. En el cas que no obtinguem valències coherents cal estar "
           "alerta a "
           "possibles simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi. Es pot "
           "agafar com a "
           "referència que l'oxoàcid sense simplificar hauria de tenir un [2] com a subíndex de l'hidrogen "
           "[H] i "
           "l'òxid no simplificat hauria de tenir un [2] com a subíndex de l'element " +
           nom + ". Per anomenar-los es segueix l'estructura:" + espais(59) +
           "àcid   [prefix]+[element]+[sufix]\r\n";
}

std::string anomenar_meta(const std::string &nom) {
    return " Per saber amb quina valència actua es resta una molècula d'aigua (H2O) al compost i es mira "
           "quin és el "
           "subíndex de l'oxigen [O]. En el cas que no obtinguem valències coherents cal estar alerta a "
           "possibles "
           "simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi. Es pot agafar com a "
           "referència "
           "que l'oxoàcid sense simplificar hauria de tenir un [2] com a subíndex de l'hidrogen [H] i l'òxid "
           "no "
           "simplificat hauria de tenir un [2] com a subíndex de l'element " +
           nom + ". Per anomenar-los es segueix l'estructura:" + espais(10) +
           "àcid   meta[prefix]+[element]+[sufix]\r\n" + kMeta;
}

// Cases of the "Com que l'element ..." sentence.
const std::string kCas11 = " només pot actuar amb aquesta valència, es té que:" + espais(65) +
                           "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ic";
const std::string kCas31 =
    " pot actuar amb tres valències diferents i aquesta, és la primera es té que:" + espais(35) +
    "[prefix] = hipo" + espais(26) + "[sufix] = ós";
const std::string kCas32 =
    " pot actuar amb tres valències diferents i aquesta, és la segona es té que:" + espais(36) +
    "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ós";
const std::string kCas33 =
    " pot actuar amb tres valències diferents i aquesta, és la tercera es té que:" + espais(35) +
    "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ic";

struct Comentari {
    const char *simbol;
    const char *valencia;
    std::string nom;
    std::string valencia_formular; // the valence paragraph, "" when none
    std::string final_formular;    // what follows the formulation paragraph
    std::string cas;               // the case of the prefix and suffix paragraph
};

TEST(Oxoacids, ComentarisPerValencia) {
    const Comentari taula[] = {
        {"B", "3", "bor", "", kUnCopRecorda + kMeta, kCas11},
        {"Si", "2", "silici",
         "   L'element silici pot actuar amb dues valències diferents. En aquest cas sabem que actua amb la "
         "primera [2] "
         "(ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ós] que ens ho "
         "indica.\r\n\r\n",
         kRecorda,
         " pot actuar amb dues valències diferents i aquesta, és la primera es té que:" + espais(35) +
             "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ós"},
        {"C", "4", "carboni",
         "   L'element carboni pot actuar amb dues valències diferents. En aquest cas sabem que actua amb la "
         "segona [4] "
         "(ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ic] que ens ho "
         "indica.\r\n\r\n",
         kRecorda,
         " pot actuar amb dues valències diferents i aquesta, és la segona es té que:" + espais(36) +
             "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ic"},
        {"N", "3", "nitrogen",
         "   L'element nitrogen pot actuar amb tres valències diferents. En aquest cas sabem que actua amb "
         "la segona "
         "[3] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ós] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda, kCas32},
        {"N", "5", "nitrogen",
         "   L'element nitrogen pot actuar amb tres valències diferents. En aquest cas sabem que actua amb "
         "la tercera "
         "[5] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ic] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda, kCas33},
        {"P", "5", "fòsfor",
         "   L'element fòsfor pot actuar amb tres valències diferents. En aquest cas sabem que actua amb la "
         "tercera "
         "[5] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ic] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda + kMeta, kCas33},
        {"Cl", "1", "clor",
         "   L'element clor pot actuar amb quatre valències diferents. En aquest cas sabem que actua amb la "
         "primera "
         "[1] (ordenades per ordre creixent) perquè al nom del compost hi ha el prefix [hipo] i el sufix "
         "[ós] que ens "
         "ho indica.\r\n\r\n",
         kUnCopRecorda,
         " pot actuar amb quatre valències diferents i aquesta, és la primera es té que:" + espais(33) +
             "[prefix] = hipo" + espais(26) + "[sufix] = ós"},
        {"Cl", "3", "clor",
         "   L'element clor pot actuar amb quatre valències diferents. En aquest cas sabem que actua amb la "
         "segona "
         "[3] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ós] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda,
         " pot actuar amb quatre valències diferents i aquesta, és la segona es té que:" + espais(34) +
             "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ós"},
        {"Cl", "5", "clor",
         "   L'element clor pot actuar amb quatre valències diferents. En aquest cas sabem que actua amb la "
         "tercera "
         "[5] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ic] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda,
         " pot actuar amb quatre valències diferents i aquesta, és la tercera es té que:" + espais(33) +
             "[prefix] = no n'hi ha" + espais(20) + "[sufix] = ic"},
        {"Cl", "7", "clor",
         "   L'element clor pot actuar amb quatre valències diferents. En aquest cas sabem que actua amb la "
         "quarta "
         "[7] (ordenades per ordre creixent) perquè al nom del compost hi ha el prefix [per] i el sufix [ic] "
         "que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda,
         " pot actuar amb quatre valències diferents i aquesta, és la quarta es té que:" + espais(34) +
             "[prefix] = per" + espais(27) + "[sufix] = ic"},
    };
    for (const Comentari &c : taula) {
        SCOPED_TRACE(std::string(c.simbol) + " " + c.valencia);
        const Parell p = parell(c.simbol, c.valencia);
        const bool meta = std::string(c.simbol) == "B" || std::string(c.simbol) == "P";
        const std::string inici = paragraf1(c.nom, c.simbol, c.valencia);
        EXPECT_EQ(formularOXIACIDS(taules(), p, kFormular).Comentari,
                  inici + kCRLF + c.valencia_formular + formulacio(c.nom, c.simbol, "una molècula") +
                      c.final_formular);
        EXPECT_EQ(formularOXIACIDS(taules(), p, kAnomenar).Comentari,
                  inici + (meta ? anomenar_meta(c.nom) : anomenar_ordinari(c.nom)) +
                      prefix_sufix(c.nom, c.valencia, c.cas));
        EXPECT_EQ(formularOXIACIDS(taules(), p, kCapTasca).Comentari, inici);
    }
}

std::string paragraf1_especial(const std::string &nom, const std::string &simbol, const std::string &v) {
    return "   És un oxoàcid especial (els de bor, fòsfor, arsènic i antimoni) que éstà format per "
           "combinació d'un òxid "
           "no metàl·lic amb aigua. En ell es combinen el no metall " +
           nom + " [" + simbol + "] que actua amb valència [" + v + "] i tres molècules d'aigua [H2O].";
}

TEST(Oxoacids, ComentarisEspecials) {
    const std::string kTres =
        "   Hem de sumar-hi tres molècules d'aigua enlloc d'una perquè és un oxoàcid especial i no "
        "porta el prefix [meta].\r\n";
    const std::string kNoMeta =
        "   No s'ha de posar el prefix [meta] per diferenciar-lo de l'oxoàcid del mateix "
        "element que es forma amb una sola molècula d'aigua.\r\n";
    auto anomenar = [](const std::string &nom) {
        return " Per saber amb quina valència actua es resten tres molècula d'aigua (H2O) al compost i es "
               "mira quin és "
               "el subíndex de l'oxigen [O]. En el cas que no obtinguem valències coherents cal estar alerta "
               "a "
               "possibles simplificacions que s'hagin pogut fer tant a l'oxoàcid com a l'òxid prèvi. Es té "
               "com a "
               "referència que l'oxoàcid sense simplificar hauria de tenir un [6] com a subíndex de "
               "l'hidrogen [H] i "
               "l'òxid no simplificat hauria de tenir un [2] com a subíndex de l'element " +
               nom + ". S'anomenen segons l'estructura:   àcid   [prefix]+[element]+[sufix]\r\n";
    };
    const Comentari taula[] = {
        {"B", "3", "bor", "", kUnCopRecorda, kCas11},
        {"P", "1", "fòsfor",
         "   L'element fòsfor pot actuar amb tres valències diferents. En aquest cas sabem que actua amb la "
         "primera "
         "[1] (ordenades per ordre creixent) perquè al nom del compost hi ha el prefix [hipo] i el sufix "
         "[-ós] que ens "
         "ho indica.\r\n\r\n",
         kUnCopRecorda, kCas31},
        {"P", "3", "fòsfor",
         "   L'element fòsfor pot actuar amb tres valències diferents. En aquest cas sabem que actua amb la "
         "segona "
         "[3] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ós] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda, kCas32},
        {"P", "5", "fòsfor",
         "   L'element fòsfor pot actuar amb tres valències diferents. En aquest cas sabem que actua amb la "
         "tercera "
         "[5] (ordenades per ordre creixent) perquè al nom del compost hi ha el sufix [ic] que ens ho "
         "indica.\r\n\r\n",
         kUnCopRecorda, kCas33},
    };
    for (const Comentari &c : taula) {
        SCOPED_TRACE(std::string(c.simbol) + " " + c.valencia);
        const Parell p = parell(c.simbol, c.valencia);
        const std::string inici = paragraf1_especial(c.nom, c.simbol, c.valencia);
        EXPECT_EQ(formularOXIACIDSESPECIALS(taules(), p, kFormular).Comentari,
                  inici + kCRLF + c.valencia_formular + formulacio(c.nom, c.simbol, "tres molècules") +
                      kTres + c.final_formular);
        EXPECT_EQ(formularOXIACIDSESPECIALS(taules(), p, kAnomenar).Comentari,
                  inici + anomenar(c.nom) + kNoMeta + prefix_sufix(c.nom, c.valencia, c.cas));
        EXPECT_EQ(formularOXIACIDSESPECIALS(taules(), p, kCapTasca).Comentari, inici);
    }
}

} // namespace
