#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "checking/diagnosi.h"
#include "proves.h"

using namespace quimerix;

namespace {

using T = Tipus_troballa;

const Index_cataleg &index() {
    return index_cataleg(taules());
}

// The compound of a formula (the first, for the one formula two compounds share).
const Compost &compost(const std::string &formula) {
    const auto c = index().per_formula(formula);
    if (c.empty()) {
        ADD_FAILURE() << "no és al catàleg: " << formula;
        return index().composts().front();
    }
    return *c.front();
}

std::vector<T> tipus(const std::vector<Troballa> &d) {
    std::vector<T> r;
    for (const Troballa &x : d)
        r.push_back(x.tipus);
    return r;
}

bool conte(const std::vector<T> &d, T t) {
    return std::find(d.begin(), d.end(), t) != d.end();
}

std::string llista(const std::vector<Troballa> &d) {
    std::string s;
    for (const Troballa &x : d)
        s += std::string(clau(x.tipus)) + ": " + x.text + "\n";
    return s;
}

std::vector<Troballa> de_formula(const std::string &formula, const std::string &escrita) {
    const Exercici &e = compost(formula).exercici;
    const auto llegida = llegeix_formula(taules(), escrita, e);
    if (!llegida) {
        ADD_FAILURE() << "no es llegeix: " << escrita;
        return {};
    }
    Resposta r;
    r.caixes = llegida->caixes;
    return diagnostica(taules(), e, Tasca::Formular, r, false, llegida->claudators);
}

std::vector<Troballa> de_nom(const std::string &formula, const std::string &nom, bool assistent = false) {
    Resposta r;
    r.nom = nom;
    return diagnostica(taules(), compost(formula).exercici, Tasca::Anomenar, r, assistent);
}

} // namespace

TEST(Diagnosi, Formula) {
    struct Cas {
        std::string formula, escrita;
        std::vector<T> tipus; // each must be found; empty: a right answer
    } casos[] = {
        {"Fe2O3", "Fe2O3", {}},
        {"Fe(OH)3", "Fe(OH)3", {}},
        {"Fe2O3", "FeO", {T::Altre_compost, T::Subindex}},
        {"Na2SO4", "Na2SO3", {T::Altre_compost}},
        {"Fe2O3", "Fe3O2", {T::Subindex}},
        {"Al2S3", "Al3S2", {T::Subindex}},
        {"CaCl2", "CaCl3", {T::Subindex}},
        {"Fe2O3", "fe2O3", {T::Majuscula}},
        {"NaCl", "NaCL", {T::Majuscula}},
        {"Cr2O3", "cr2O3", {T::Majuscula}},
        {"H2SO4", "h2SO4", {T::Majuscula}},
        {"FeO", "Fe2O2", {T::Simplificacio}},
        {"Cr2Si", "Cr4Si2", {T::Simplificacio}},
        {"Fe2(SO4)3", "Fe4(SO4)6", {T::Simplificacio}},
        {"CO2", "C2O4", {T::Simplificacio}},
        {"Na2O", "ONa2", {T::Ordre}},
        {"H2SO4", "SO4H2", {T::Ordre}},
        {"NH3", "H3N", {T::Ordre}},
        {"H2S", "SH2", {T::Ordre}},
        {"Ca(OH)2", "CaOH2", {T::Parentesi}},
        {"NaOH", "Na(OH)", {T::Parentesi}},
        {"Fe2(SO4)3", "Fe2SO4", {T::Parentesi}},
        {"HCl(aq)", "HCl", {T::Parentesi}},
        {"Na2SO4", "Na2SeO4", {T::Element}},
        {"NaCl", "NaXl", {T::Element}},
        {"K2O", "Na2O", {T::Altre_compost, T::Element}},
        {"CaCl2", "Ca2Cl", {T::Subindex}},
        {"Fe2(SO4)3", "Fe3(SO4)2", {T::Subindex}},
        {"Fe2O3", "Fe2", {T::Element}},
        {"Fe2(SO4)3", "", {T::Buida}},
    };
    for (const auto &c : casos) {
        const auto d = de_formula(c.formula, c.escrita);
        const auto k = tipus(d);
        EXPECT_EQ(d.empty(), c.tipus.empty()) << c.formula << " / " << c.escrita << "\n" << llista(d);
        for (T t : c.tipus)
            EXPECT_TRUE(conte(k, t)) << c.formula << " / " << c.escrita << ": falta " << clau(t) << "\n"
                                     << llista(d);
        if (!conte(c.tipus, T::Desconegut)) {
            EXPECT_FALSE(conte(k, T::Desconegut)) << c.escrita << "\n" << llista(d);
        }
        if (conte(c.tipus, T::Buida)) {
            EXPECT_EQ(d, (std::vector<Troballa>{{T::Buida, "No has escrit cap fórmula."}}));
        }
    }
}

TEST(Diagnosi, Nom) {
    struct Cas {
        std::string formula, nom;
        bool assistent;
        std::vector<T> tipus;
    } casos[] = {
        {"NaCl", "clorur de sodi", false, {}},
        {"Fe2O3", "OXID DE FERRO (III)", true, {}},
        {"Na2SO4", "sulfit de sodi", false, {T::Altre_compost, T::Terminacio}},
        {"Fe2O3", "òxid de ferro (II)", false, {T::Altre_compost, T::Numeral}},
        {"Fe2O3", "òxid de ferro", false, {T::Numeral}},
        {"Na2O", "òxid de sodi (I)", false, {T::Numeral}},
        {"Fe2(SO4)3", "sulfat de ferro (2)", false, {T::Numeral}},
        {"B2O3", "diòxid de dibor", false, {T::Prefix}},
        {"CO", "òxid de carboni", false, {T::Prefix}},
        {"PCl5", "triclorur de fòsfor", false, {T::Altre_compost, T::Prefix}},
        {"CaCl2", "diclorur de calci", false, {T::Prefix}},
        {"H2SO4", "àcid sulfurós", false, {T::Altre_compost, T::Terminacio}},
        {"NaClO3", "clorit de sodi", false, {T::Altre_compost, T::Terminacio}},
        {"NaCl", "clorat de sodi", false, {T::Terminacio}},
        {"Fe2O3", "hidròxid de ferro (III)", false, {T::Altre_compost, T::Terminacio}},
        {"KClO", "clorit de potassi", false, {T::Altre_compost, T::Hipo_per}},
        {"HClO4", "àcid clòric", false, {T::Altre_compost, T::Hipo_per}},
        {"HClO", "àcid perclorós", false, {T::Hipo_per}},
        {"KClO", "perclorit de potassi", false, {T::Hipo_per}},
        {"NaCl", "bromur de sodi", false, {T::Altre_compost, T::Element}},
        {"NaCl", "clorur de sodio", false, {T::Element}},
        {"H2SO4", "àcid selènic", false, {T::Altre_compost, T::Element}},
        {"Fe2O3", "òxid de ferro(III)", false, {T::Espai}},
        {"NaCl", "clorurde sodi", false, {T::Espai}},
        {"Fe2O3", "oxid de ferro (III)", false, {T::Ortografia}},
        {"TeO2", "diòxid de telluri", false, {T::Ortografia}},
        {"Al2O3", "oxid d'alumini", false, {T::Ortografia}},
        {"Fe2O3", "xyz", false, {T::Desconegut}},
        {"Fe2O3", "òxid ferro (III)", false, {T::Desconegut}},
        {"FeF2", "", false, {T::Buida}},
        {"FeF2", "   ", true, {T::Buida}},
    };
    for (const auto &c : casos) {
        const auto d = de_nom(c.formula, c.nom, c.assistent);
        const auto k = tipus(d);
        EXPECT_EQ(d.empty(), c.tipus.empty()) << c.formula << " / " << c.nom << "\n" << llista(d);
        for (T t : c.tipus)
            EXPECT_TRUE(conte(k, t)) << c.formula << " / " << c.nom << ": falta " << clau(t) << "\n"
                                     << llista(d);
        if (!conte(c.tipus, T::Desconegut)) {
            EXPECT_FALSE(conte(k, T::Desconegut)) << c.nom << "\n" << llista(d);
        }
        if (conte(c.tipus, T::Buida)) {
            EXPECT_EQ(d, (std::vector<Troballa>{{T::Buida, "No has escrit cap nom."}}));
        }
    }
}

// A set read back from its file holds texts: the expected answer and the answer as typed.
TEST(Diagnosi, DesDelText) {
    struct Cas {
        Tasca tasca;
        std::string esperat, resposta;
        std::optional<T> primer; // nothing: no diagnosis can be made
    } casos[] = {
        {kFormular, "Fe2 O3 ", "FeO", T::Altre_compost},
        {kFormular, "Ca (O H)2", "Ca (O H2)", T::Parentesi},
        {kAnomenar, "Òxid de ferro (III)", "òxid de ferro", T::Numeral},
        {kAnomenar, "òxid de ferro (III)", "oxid de ferro (III)", T::Ortografia},
        {kFormular, "AuPO3", "AuPO4", std::nullopt},
        {kFormular, "Xy2", "Fe", std::nullopt},
        {kAnomenar, "òxid de xyz", "òxid", std::nullopt},
        {kFormular, "NaCl", "NaClO4", std::nullopt},
    };
    for (const auto &c : casos) {
        const auto d = diagnostica_text(taules(), c.tasca, c.esperat, c.resposta, false);
        EXPECT_EQ(d.has_value(), c.primer.has_value()) << c.esperat << " / " << c.resposta;
        if (d && c.primer) {
            ASSERT_FALSE(d->empty()) << c.esperat;
            EXPECT_EQ(d->front().tipus, *c.primer) << c.esperat << " / " << c.resposta << "\n" << llista(*d);
        }
    }
    EXPECT_TRUE(diagnostica_text(taules(), kFormular, "Fe2(SO4)3", "Fe2(SO4)3", false)->empty());
}

// Sentences written for the compound and the answer.
TEST(Diagnosi, Frases) {
    EXPECT_TRUE(
        de_formula("Fe2(SO4)3", "Fe3(SO4)2").front().text.starts_with("Els subíndexs estan intercanviats."));
    EXPECT_EQ(de_formula("Fe2O3", "FeO").front().text,
              "FeO és la fórmula de l'òxid de ferro (II); aquí el ferro actua amb valència 3.");
    EXPECT_EQ(de_nom("Fe2O3", "òxid de ferro (II)").back().text,
              "El numeral ha de ser (III), no (II): a Fe2O3 el ferro actua amb valència 3.");
    EXPECT_EQ(
        de_nom("Fe2O3", "òxid de ferro(III)").front().text,
        "Només hi ha diferències d'espais: s'escriu «òxid de ferro (III)». L'assistent ortogràfic accepta "
        "aquesta resposta.");
}

// Every compound: answers made by a known mistake are named by it, and never as unknown.
TEST(Diagnosi, TotElCataleg) {
    const Taules &t = taules();
    int provats = 0;
    for (const Compost &c : index().composts()) {
        const Exercici &e = c.exercici;
        const auto comprova = [&](Tasca tasca, const Resposta &r, T esperat, const std::string &com) {
            const auto d = diagnostica(t, e, tasca, r, false);
            const auto k = tipus(d);
            ++provats;
            EXPECT_TRUE(conte(k, esperat)) << c.formula << " " << com << ": falta " << clau(esperat) << "\n"
                                           << llista(d);
            EXPECT_FALSE(conte(k, T::Desconegut)) << c.formula << " " << com << "\n" << llista(d);
        };
        Resposta bona;
        bona.caixes = e.caixes;
        bona.nom = c.nom;
        EXPECT_TRUE(diagnostica(t, e, Tasca::Formular, bona, false).empty()) << c.formula;
        EXPECT_TRUE(diagnostica(t, e, Tasca::Anomenar, bona, false).empty()) << c.nom;

        // Another valence of the same elements in the same family.
        for (const Compost &o : index().composts())
            if (o.tipus == c.tipus && o.a.element == c.a.element && o.b.element == c.b.element &&
                o.formula != c.formula) {
                Resposta r;
                r.caixes = o.exercici.caixes;
                comprova(Tasca::Formular, r, T::Altre_compost, "valència: " + o.formula);
                if (forma_tolerant(o.nom) != forma_tolerant(c.nom)) {
                    r.nom = o.nom;
                    comprova(Tasca::Anomenar, r, T::Altre_compost, "valència: " + o.nom);
                }
            }
        // Subscripts swapped between the last two elements.
        {
            Resposta r;
            r.caixes = e.caixes;
            std::swap(r.caixes[Subindex2], r.caixes[Subindex3]);
            if (r.caixes != e.caixes && !e[Subindex3].ends_with(")") && e[Subindex2].size() <= 1 &&
                e[Subindex3].size() <= 1)
                comprova(Tasca::Formular, r, T::Subindex, "intercanviats");
        }
        // Not simplified: every count doubled, when the boxes take it.
        if (!e[Subindex3].ends_with(")")) {
            Resposta r;
            r.caixes = e.caixes;
            bool cap = true;
            const auto doble = [&](Caixa x) {
                const int n = e[x].empty() ? 1 : std::stoi(e[x]);
                r.caixes[x] = std::to_string(2 * n);
                cap = cap && r.caixes[x].size() <= Mida_caixa[x];
            };
            // A group (of a hydroxide or an oxosalt) is repeated whole; an acid's atoms one by one.
            if (e.claudators || e.Codi_exercici == "OH" || e.Codi_exercici == "MHX") {
                doble(Subindex1);
                doble(Subindex_grup);
            } else {
                for (Caixa x : {Subindex1, Subindex2, Subindex3})
                    if (e.visibles[x]) doble(x);
            }
            if (cap) comprova(Tasca::Formular, r, T::Simplificacio, "sense simplificar");
        }
        // Case of the first symbol changed.
        {
            Resposta r;
            r.caixes = e.caixes;
            const Caixa s = e.visibles[Simbol1] ? Simbol1 : Simbol2;
            std::string &sim = r.caixes[s];
            if (sim.size() == 2)
                sim[1] = static_cast<char>(std::toupper(static_cast<unsigned char>(sim[1])));
            else
                sim[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(sim[0])));
            comprova(Tasca::Formular, r, T::Majuscula, "majúscules: " + sim);
        }
        // Names: the ending swapped, the multiplying prefix changed, hipo/per removed.
        const auto canvia = [&](const std::string &de, const std::string &a, T esperat,
                                bool al_final = false) {
            const std::size_t p = al_final ? c.nom.rfind(de) : c.nom.find(de);
            if (p == std::string::npos) return;
            Resposta r;
            r.nom = c.nom;
            r.nom.replace(p, de.size(), a);
            if (forma_tolerant(r.nom) != forma_tolerant(c.nom)) comprova(Tasca::Anomenar, r, esperat, r.nom);
        };
        if (c.tipus == Tipus_compost::Oxoacid || c.tipus == Tipus_compost::Oxoacid_especial) {
            if (c.nom.ends_with("ós")) canvia("ós", "ic", T::Terminacio, true);
            if (c.nom.ends_with("ic")) canvia("ic", "ós", T::Terminacio, true);
        }
        if (c.tipus == Tipus_compost::Oxosal || c.tipus == Tipus_compost::Oxosal_especial) {
            const std::string primera = c.nom.substr(0, c.nom.find(' '));
            if (primera.ends_with("it")) canvia("it ", "at ", T::Terminacio);
            if (primera.ends_with("at")) canvia("at ", "it ", T::Terminacio);
        }
        if (c.tipus == Tipus_compost::Sal_binaria) canvia("ur ", "at ", T::Terminacio);
        if (c.tipus == Tipus_compost::Oxid) canvia("òxid", "hidròxid", T::Terminacio);
        for (const char *pre : {"mono", "di", "tri", "tetra", "penta", "hexa", "hepta"}) {
            if (c.nom.starts_with(pre)) {
                canvia(pre, std::string(pre) == "di" ? "tri" : "di", T::Prefix);
                break;
            }
        }
        canvia("hipo", "", T::Hipo_per);
        canvia("per", "", T::Hipo_per);
    }
    EXPECT_GT(provats, 5000);
}

// Naming a formula the catalogue gives to two compounds: either name is right, whichever was drawn;
// any other name is marked as before.
TEST(Diagnosi, FormulaDeDosCompostosAcceptaElsDosNoms) {
    const struct {
        const char *formula, *teclejat;
        bool correcte;
    } casos[] = {
        {"AuPO3", "metafosfat d'or (I)", true}, {"AuPO3", "fosfonit d'or (III)", true},
        {"AuPO3", "fosfonit d'or (I)", false},  {"AuPO3", "metafosfat d'or (III)", false},
        {"NaCl", "clorur de sodi", true},       {"NaCl", "bromur de sodi", false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.teclejat);
        for (const Compost *sortejat : index().per_formula(c.formula)) {
            const Exercici e =
                construeix(taules(), sortejat->tipus, sortejat->a, sortejat->b, Tasca::Anomenar);
            EXPECT_EQ(corregeix_nom_de_formula(taules(), e, c.teclejat, sortejat->nom, false).correcte,
                      c.correcte);
        }
    }
    EXPECT_EQ(index().per_formula("AuPO3").size(), 2u);
}
