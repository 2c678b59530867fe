// Proportional layout arithmetic: percentages of the window's size and where a control goes.

#include <gtest/gtest.h>

#include "layout/disposicio.h"

namespace d = quimerix::disposicio;
using d::Rectangle;
using d::Tipus;

TEST(Disposicio, Percentatge) {
    const struct {
        const char *nom;
        double actual;
        int registrat, percent;
    } casos[] = {
        {"design size", 12000.0, 12000, 100},
        {"1024 wide", 15360.0, 12000, 128},
        {"768 high", 11520.0, 9000, 128},
        {"1280 wide", 19200.0, 12000, 160},
        {"rounded then cut", 12119.996, 12000, 101}, // 1211999.6 -> 1212000
        {"whole percent, cut", 12119.0, 12000, 100}, // 1211900 \ 12000 = 100
        {"smaller window", 9000.0, 12000, 75},
    };
    for (const auto &c : casos)
        EXPECT_EQ(d::percentatge(c.actual, c.registrat), c.percent) << c.nom;
}

TEST(Disposicio, FactorLletra) {
    const struct {
        const char *nom;
        int pw, ph;
        double factor;
    } casos[] = {
        {"design size", 100, 100, 1.0},
        {"larger window: fonts as designed", 160, 170, 1.0},
        {"1920x1080 at 200 %: 960 x 540", 120, 90, 0.9},
        {"1366x768 at 150 %: 911 x 512", 113, 85, 0.85},
        {"narrow and tall", 80, 120, 0.8},
        {"both smaller: the tighter", 90, 95, 0.9},
        {"nothing left", 0, 50, 0.01},
    };
    for (const auto &c : casos)
        EXPECT_DOUBLE_EQ(d::factor_lletra(c.pw, c.ph), c.factor) << c.nom;
}

TEST(Disposicio, Collocacio) {
    const struct {
        const char *nom;
        Tipus tipus;
        Rectangle disseny;
        int pw, ph;
        bool etiqueta1, mou, amb_alcada;
        Rectangle on;
    } casos[] = {
        {"100 %: unchanged",
         Tipus::Ordinari,
         {1000, 300, 2000, 450},
         100,
         100,
         false,
         true,
         true,
         {1000, 300, 2000, 450}},
        {"1024 x 768: left 1000 -> 1280",
         Tipus::Ordinari,
         {1000, 300, 2000, 450},
         128,
         128,
         false,
         true,
         true,
         {1280, 384, 2560, 576}},
        {"integer division",
         Tipus::Ordinari,
         {999, 7, 1, 15},
         128,
         160,
         false,
         true,
         true,
         {1278, 11, 1, 24}},
        {"parked control stays outside",
         Tipus::Ordinari,
         {-3000, 300, 2000, 450},
         160,
         160,
         false,
         true,
         true,
         {-4800, 480, 3200, 720}},
        {"line: end points",
         Tipus::Linia,
         {2280, 2640, 10560, 2640},
         128,
         160,
         false,
         true,
         true,
         {2918, 4224, 13516, 4224}},
        {"line: one end parked",
         Tipus::Linia,
         {-1500, 100, 600, 100},
         200,
         100,
         false,
         true,
         true,
         {-3000, 100, 1200, 100}},
        {"tag 1 is not moved", Tipus::Ordinari, {1000, 300, 2000, 450}, 128, 128, true, false, true, {}},
        {"line with tag 1 still moves",
         Tipus::Linia,
         {100, 100, 200, 100},
         200,
         200,
         true,
         true,
         true,
         {200, 200, 400, 200}},
        {"timer, image: never moved", Tipus::Fix, {1000, 300, 2000, 450}, 128, 128, false, false, true, {}},
        {"combo box: no height",
         Tipus::Combo,
         {1000, 300, 2000, 450},
         128,
         128,
         false,
         true,
         false,
         {1280, 384, 2560, 576}},
    };
    for (const auto &c : casos) {
        const Rectangle registre = d::registra(c.tipus, c.disseny);
        // Every recorded number is positive.
        EXPECT_TRUE(registre.a >= 0 && registre.c >= 0) << c.nom;
        const auto col = d::colloca(c.tipus, registre, c.pw, c.ph, c.disseny.a < 0,
                                    c.tipus == Tipus::Linia && c.disseny.c < 0, c.etiqueta1);
        EXPECT_EQ(col.mou, c.mou) << c.nom;
        if (!c.mou) continue;
        EXPECT_EQ(col.amb_alcada, c.amb_alcada) << c.nom;
        EXPECT_EQ(col.on, c.on) << c.nom;
    }
}
