#include "panell_historial.h"

#include <QLabel>

#include "controls.h"
#include "session/sessio.h"
#include "session/vista.h"

namespace quimerix::ui {

PanellHistorial::PanellHistorial(const Controls &c) {
    const QString capcaleres[] = {QStringLiteral("Exercicis anteriors"), QStringLiteral("Resposta"),
                                  QStringLiteral("Correcció")};
    const int columnes[][2] = {{8, 280}, {292, 196}, {492, 196}};
    for (int i = 0; i < 3; ++i) {
        const std::string nom = "Label51(" + std::to_string(i) + ")";
        Label51[i] = c.etiqueta(nom.c_str(), capcaleres[i], px(columnes[i][0], 540, columnes[i][1], 16));
        mida_lletra(Label51[i], 8, true);
    }
    Label79 = c.etiqueta("Label79", QString(), px(8, 556, 280, 42));
    Label82 = c.etiqueta("Label82", QString(), px(292, 556, 196, 42));
    Label83 = c.etiqueta("Label83", QString(), px(492, 556, 196, 42));
    for (QLabel *l : {Label79, Label82, Label83})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PanellHistorial::mostra(const Sessio &s) {
    const bool visible = vista_opcions(s).recompte;
    for (QLabel *l : Label51)
        l->setVisible(visible);
    const auto &historial = s.historial_visible();
    QLabel *columnes[] = {Label79, Label82, Label83};
    for (int i = 0; i < 3; ++i) {
        columnes[i]->setText(en_linies(historial[i]));
        columnes[i]->setVisible(visible);
    }
}

} // namespace quimerix::ui
