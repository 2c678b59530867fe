#include <gtest/gtest.h>

#include <string>

#include "checking/assistent.h"

using namespace quimerix;

namespace {

struct Cas {
    std::string entrada, esperat;
};

void comprova(std::string (*f)(const std::string &), std::initializer_list<Cas> casos) {
    for (const auto &c : casos)
        EXPECT_EQ(f(c.entrada), c.esperat) << "entrada: [" << c.entrada << "]";
}

} // namespace

TEST(Assistent, MinusculaInicial) {
    comprova(Canvi_MAJUSCULES_minuscules, {
                                              {"Òxid de ferro (III)", "òxid de ferro (III)"},
                                              {"ÀCID", "àCID"},
                                              {"Ärs", "Ärs"},
                                              {"(III)", "(III)"},
                                              {"", ""},
                                          });
}

TEST(Assistent, MinusculesINumeralFinal) {
    comprova(Canvi_MAJUSCULES_minuscules2, {
                                               {"ÒXID DE FERRO (III)", "òxid de ferro (III)"},
                                               {"òxid de ferro (iii)", "òxid de ferro (III)"},
                                               {"clorur de coure (i)", "clorur de coure (I)"},
                                               {"x (ii)", "x (II)"},
                                               {"x (iv)", "x (IV)"},
                                               {"x (v)", "x (V)"},
                                               {"x (vi)", "x (VI)"},
                                               {"x (vii)", "x (VII)"},
                                               {"x (viii)", "x (viii)"},
                                               {"x (iii) ", "x (iii) "},
                                               {"x (iii)y", "x (iii)y"},
                                               {"ÄËÏÖÜ", "ÄËÏÖÜ"},
                                               {"ÑÇÀÈÌÒÙÁÉÍÓÚ", "ñçàèìòùáéíóú"},
                                               {"QWERTYUIOPASDFGHJKLZXCVBNM", "qwertyuiopasdfghjklzxcvbnm"},
                                               {"", ""},
                                           });
}

TEST(Assistent, SuprimirEspais) {
    comprova(Suprimir_espais, {
                                  {"  òxid   de  ferro  ( III )  ", "òxid de ferro (III)"},
                                  {"òxid de ferro(III)", "òxid de ferro (III)"},
                                  {"sodio(I)", "sodio (I)"}, // only "de" and "d'" are guarded by "io"
                                  {"(III)", "(III)"},
                                  {"clorur d' alumini", "clorur d'alumini"},
                                  {"clorur d 'alumini", "clorur d'alumini"},
                                  {"clorurde sodi", "clorur de sodi"},
                                  {"clorur desodi", "clorur de sodi"},
                                  {"hidròxidd'alumini", "hidròxid d'alumini"},
                                  {"òxid de iode", "òxid de iode"},
                                  {"iodur de potassi", "iodur de potassi"},
                                  {"de sodi", "de sodi"},
                                  {"xde", "x de "},
                                  {"òxid de", "òxid de "},
                                  {"tel.luri", "tel·luri"},
                                  {"tel-luri", "tel·luri"},
                                  {"tel luri", "tel·luri"},
                                  {"tel·luri", "tel·luri"},
                                  {"beril.li", "beril·li"},
                                  {"", ""},
                                  {"   ", ""},
                              });
}

TEST(Assistent, Accents) {
    comprova(Canvi_accents, {
                                {"òxid", "oxid"},
                                {"àáä èéë ìíï òóö ùúü", "aaa eee iii ooo uuu"},
                                {"ÀÁÄ ÈÉË ÌÍÏ ÒÓÖ ÙÚÜ", "aaa eee iii ooo uuu"},
                                {"òxid de coure (i)", "oxid de coure (I)"},
                                {"òxid de coure (Ì)", "oxid de coure (I)"},
                                {"ñç", "ñç"},
                                {"", ""},
                            });
    comprova(Canvi_accents_esperat, {
                                        {"òxid de ferro (III)", "oxid de ferro (III)"},
                                        {"àcid (i)", "acid (I)"},
                                        {"ÀÖ", "ÀÖ"},
                                    });
}

TEST(Assistent, Apostrofa) {
    comprova(Apostrofa, {
                            {"òxid de alumini", "òxid d'alumini"},
                            {"hidrur de hidrogen", "hidrur d'hidrogen"},
                            {"òxid de or", "òxid d'or"},
                            {"òxid de estany", "òxid d'estany"},
                            {"sulfat de alumini i de hidrogen", "sulfat d'alumini i d'hidrogen"},
                            {"òxid de iode", "òxid de iode"},
                            {"òxid de urani", "òxid de urani"},
                            {"òxid de  alumini", "òxid de  alumini"},
                            {"", ""},
                        });
}
