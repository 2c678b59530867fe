#include "panell_estadistiques.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls.h"
#include "disposicio_qt.h"
#include "linia.h"
#include "panell_consulta.h"
#include "records/dades_sessio.h"
#include "session/sessio.h"
#include "session/vista.h"

namespace quimerix::ui {

PanellEstadistiques::PanellEstadistiques(const Controls &c) : disposicio_finestra_(c.disposicio_finestra()) {
    Label64 = c.etiqueta("Label64", QStringLiteral("ESTADÍSTIQUES"), px(306, 242, 384, 18));
    Label64->setAlignment(Qt::AlignCenter);
    mida_lletra(Label64, 9, true);
    // The rows that head a group of families stand further left, in bold.
    const bool grup[12] = {true, false, false, true, false, false, false, true, true, true, true, true};
    for (int k = 0; k < 12; ++k) {
        const int y = 264 + 19 * k;
        const int x = grup[k] ? 314 : 334;
        const std::string nom_titol = "Label" + std::to_string(52 + k);
        const std::string nom_cel = "Label" + std::to_string(65 + k);
        titols[k] =
            c.etiqueta(nom_titol.c_str(), QString::fromUtf8(Titols_cel[k]), px(x, y, 600 - 4 - x, 19));
        cel[k] = c.etiqueta(nom_cel.c_str(), QStringLiteral("-----"), px(604, y, 82, 19));
        cel[k]->setAlignment(Qt::AlignCenter);
        if (grup[k]) mida_lletra(titols[k], 8, true);
    }
    QLabel **t[] = {&Label52, &Label53, &Label54, &Label55, &Label56, &Label57,
                    &Label58, &Label59, &Label60, &Label61, &Label62, &Label63};
    QLabel **v[] = {&Label65, &Label66, &Label67, &Label68, &Label69, &Label70,
                    &Label71, &Label72, &Label73, &Label74, &Label75, &Label76};
    for (int k = 0; k < 12; ++k) {
        *t[k] = titols[k];
        *v[k] = cel[k];
    }
    std::tie(Line31, Line32, Line33, Line34) = c.vora(31, 306, 262, 690, 493);
    Line35 = c.linia("Line35", 600, 262, 600, 493);
    Line36 = c.linia("Line36", 306, 321, 690, 321);
    Line37 = c.linia("Line37", 306, 397, 690, 397);

    txtProfessor = new QPlainTextEdit(c.superficie());
    txtProfessor->setObjectName(QStringLiteral("txtProfessor"));
    txtProfessor->setReadOnly(true);
    txtProfessor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mida_lletra(txtProfessor, 9);
    c.disposicio_finestra().registra(txtProfessor, disposicio::Tipus::Ordinari, px(306, 242, 384, 270));
    txtProfessor->setTabChangesFocus(true);
    txtProfessor->setAccessibleName(QStringLiteral("Comentari del professor"));

    lblDiagnosi = c.etiqueta("lblDiagnosi", QString(), px(306, 242, 384, 60));
    lblDiagnosi->setWordWrap(true);
    lblDiagnosi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDiagnosi->setTextFormat(Qt::PlainText);
    lblDiagnosi->setAccessibleName(QStringLiteral("Què falla en la resposta"));
    mida_lletra(lblDiagnosi, 9, true);
    pinta(lblDiagnosi, QColor(160, 0, 0));

    cmdInforme =
        c.boto("cmdInforme", QStringLiteral("&Estadístiques"),
               QStringLiteral("Estadístiques dels resultats obtinguts fins el moment"), px(698, 242, 94, 30));
    cmdAjuda = c.boto("cmdAjuda", QStringLiteral("&Professor"), QString(), px(698, 276, 94, 30));
    // A click leaves the keyboard where the student was; Tab still reaches the button.
    for (QPushButton *b : {cmdInforme, cmdAjuda})
        b->setFocusPolicy(Qt::TabFocus);
    // After a correction the comment, or the button that brings it up, is the next Tab.
    QWidget::setTabOrder(txtProfessor, cmdAjuda);
}

void PanellEstadistiques::mostra(const Sessio &s) {
    const Vista_estadistiques v = vista_estadistiques(s);
    const Estadistiques &est = s.estadistiques();
    Label64->setVisible(v.graella);
    for (int k = 0; k < Nombre_cel; ++k) {
        titols[k]->setVisible(v.graella);
        cel[k]->setVisible(v.graella);
        cel[k]->setText(qs(est.cel[k].text));
        pinta(cel[k], color_qt(est.cel[k].color));
    }
    for (Linia *l : {Line31, Line32, Line33, Line34, Line35, Line36, Line37})
        l->setVisible(v.graella);
    if (v.comentari) {
        // In the round of mistakes the comment comes with the verdict and the expected answer, as
        // the review shows them.
        QString comentari = en_linies(s.Exercici_actual().Comentari);
        if (s.en_repeticio()) {
            QStringList linies;
            for (const std::string &l : s.detall_repeticio())
                linies << qs(l);
            comentari = linies.join('\n');
        }
        if (txtProfessor->toPlainText() != comentari) txtProfessor->setPlainText(comentari);
    }
    // The diagnosis takes the lines its sentences need at the design's font and width, and the
    // comment the rest of the area.
    const QString diagnosi = qs(v.diagnosi);
    int alcada = 0;
    if (!diagnosi.isEmpty()) {
        QFont lletra = lblDiagnosi->font();
        lletra.setPointSize(9);
        const QRect r =
            QFontMetrics(lletra).boundingRect(QRect(0, 0, 384 - 4, 100000), Qt::TextWordWrap, diagnosi);
        alcada = std::min(r.height() + 6, 180);
    }
    if (lblDiagnosi->text() != diagnosi) lblDiagnosi->setText(diagnosi);
    disposicio_finestra_.canvia_disseny(lblDiagnosi, px(306, 242, 384, std::max(alcada, 1)));
    const int marge = alcada > 0 ? alcada + 4 : 0;
    disposicio_finestra_.canvia_disseny(txtProfessor, px(306, 242 + marge, 384, 270 - marge));
    lblDiagnosi->setVisible(!diagnosi.isEmpty());
    txtProfessor->setVisible(v.comentari);
    PanellConsulta::pinta_boto(cmdInforme, s.boto(Boto::Informe));
    PanellConsulta::pinta_boto(cmdAjuda, s.boto(Boto::Ajuda));
}

void PanellEstadistiques::mostra_desades(const DadesSessio &d) {
    for (std::size_t k = 0; k < cel.size(); ++k)
        cel[k]->setText(qs(d.text_estadistiques[k]));
}

} // namespace quimerix::ui
