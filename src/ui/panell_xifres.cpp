#include "panell_xifres.h"

#include <QGroupBox>
#include <QLabel>

#include "controls.h"
#include "linia.h"
#include "records/dades_sessio.h"
#include "session/sessio.h"
#include "session/vista.h"

namespace quimerix::ui {

PanellXifres::PanellXifres(const Controls &c) {
    Frame4 = c.marc("Frame4", QStringLiteral("Sessió"), px(4, 36, 146, 142));
    Label23 = c.etiqueta("Label23", QStringLiteral("Exercici"), px(12, 56, 52, 18));
    Label24 = c.etiqueta("Label24", QStringLiteral("0"), px(64, 56, 30, 18));
    Label26 = c.etiqueta("Label26", QStringLiteral("de"), px(96, 56, 16, 18));
    Label27 = c.etiqueta("Label27", QString(), px(112, 56, 34, 18));
    Label24->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mida_lletra(Label24, 9, true);
    mida_lletra(Label27, 9, true);
    std::tie(Line1, Line2, Line3, Line4) = c.vora(1, 10, 78, 144, 112);
    Label25 = c.etiqueta("Label25", QStringLiteral("Temps:"), px(16, 86, 48, 18));
    Label28 = c.etiqueta("Label28", QString(), px(66, 80, 72, 30));
    Label28->setAlignment(Qt::AlignCenter);
    mida_lletra(Label28, 16, true);
    Label77 = c.etiqueta("Label77", QStringLiteral("Encerts sobre el total:"), px(12, 118, 134, 16));
    Label78 = c.etiqueta("Label78", QStringLiteral("0 / 0"), px(12, 134, 134, 18));
    Label91 = c.etiqueta("Label91", QStringLiteral("Encerts:"), px(12, 156, 56, 18));
    Label90 = c.etiqueta("Label90", QStringLiteral("----"), px(68, 154, 78, 20));
    mida_lletra(Label78, 10, true);
    mida_lletra(Label90, 10, true);
}

void PanellXifres::mostra(const Sessio &s) {
    const Vista_opcions v = vista_opcions(s);
    Frame4->setVisible(v.recompte);
    for (QWidget *w : std::initializer_list<QWidget *>{Label23, Label24, Label26, Label27, Label77, Label78,
                                                       Label91, Label90})
        w->setVisible(v.recompte);
    Label24->setText(QString::number(s.numero_exercici()));
    Label27->setText(QString::number(s.exercicis_demanats()));
    for (QWidget *w : std::initializer_list<QWidget *>{Label25, Label28, Line1, Line2, Line3, Line4})
        w->setVisible(v.compte_enrere);
    // Before the first exercise the countdown shows the seconds each answer will have.
    Label28->setText(QString::number(s.segons_restants()));
    pinta(Label28, s.temps_gairebe_esgotat() ? QColor(255, 0, 0) : QColor(0, 0, 0));
    const Estadistiques &est = s.estadistiques();
    Label78->setText(qs(est.encerts_sobre_total.text));
    pinta(Label78, color_qt(est.encerts_sobre_total.color));
    Label90->setText(qs(est.percentatge_encerts.text));
    pinta(Label90, color_qt(est.percentatge_encerts.color));
}

void PanellXifres::mostra_desades(const DadesSessio &d) {
    Label77->setText(qs(d.text_estadistiques[12]));
    Label78->setText(qs(d.text_estadistiques[13]));
}

} // namespace quimerix::ui
