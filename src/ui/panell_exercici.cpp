#include "panell_exercici.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <tuple>
#include <utility>

#include "controls.h"
#include "disposicio_qt.h"
#include "linia.h"

namespace quimerix::ui {

namespace {

// Middle of the correction frame, in design pixels: the name task gives the expected name more room.
constexpr int Mig_formular = 440;
constexpr int Mig_anomenar = 416;

int mig(const Sessio &s) {
    return s.Mode_exercici() == Tasca::Anomenar ? Mig_anomenar : Mig_formular;
}

// Makes the pieces of a formula in `fila`, named "Label" and their numbers: the three symbols of
// `simbol` points, each followed by its subscript of `subindex` points, then the group's
// subscript, and the two brackets round the group, "(" and ")", not bold, of `simbol` points.
// Returns them in that order, for std::tie.
auto fes_peces(QWidget *fila, int simbol, int subindex, const std::array<int, 9> &numeros) {
    std::array<QLabel *, 9> peces{};
    for (std::size_t i = 0; i < peces.size(); ++i) {
        const bool claudator = i >= 7;
        const bool gran = claudator || (i < 6 && i % 2 == 0);
        const std::string nom = "Label" + std::to_string(numeros[i]);
        peces[i] = Controls::peca(fila, nom.c_str(), gran ? simbol : subindex, !claudator);
    }
    peces[7]->setText(QStringLiteral("("));
    peces[8]->setText(QStringLiteral(")"));
    return std::apply([](auto... p) { return std::tuple(p...); }, peces);
}

} // namespace

PanellExercici::PanellExercici(const Controls &c, Sessio &sessio, std::function<void()> refresca)
    : sessio_(sessio), refresca_(std::move(refresca)), disposicio_finestra_(c.disposicio_finestra()) {
    Label80 =
        c.etiqueta("Label80", QStringLiteral("S'han completat tots els exercicis"), px(152, 64, 540, 30));
    mida_lletra(Label80, 12, true);
    construeix_pregunta(c);
    construeix_resposta(c);
    cmdCorregir = c.boto("cmdCorregir", QStringLiteral("Corregir"), QStringLiteral("Corregir l'exercici"),
                         px(588, 110, 104, 32));
    cmdSeguent = c.boto("cmdSegüent", QStringLiteral("&Següent"), QString(), px(588, 110, 104, 32));
    construeix_correccio(c);
    construeix_final(c);
    connecta();
}

void PanellExercici::construeix_final(const Controls &c) {
    lblNota = c.etiqueta("lblNota", QString(), px(152, 100, 200, 38));
    mida_lletra(lblNota, 16, true);
    lblResultat = c.etiqueta("lblResultat", QString(), px(360, 100, 332, 38));
    mida_lletra(lblResultat, 11, true);
    cmdRepeteix = c.boto("cmdRepeteix", QStringLiteral("&Repeteix els errors"),
                         QStringLiteral("Torna a fer els exercicis que has fallat"), px(152, 148, 172, 32));
    cmdRevisa = c.boto("cmdRevisa", QStringLiteral("Re&visa la sessió"),
                       QStringLiteral("Revisa cada exercici de la sessió"), px(336, 148, 172, 32));
    cmdNova = c.boto("cmdNova", QStringLiteral("&Nova sessió"), QStringLiteral("Comença una altra sessió"),
                     px(520, 148, 172, 32));
    lblRepeticio = c.etiqueta("lblRepeticio", QString(), px(152, 190, 540, 22));
    mida_lletra(lblRepeticio, 10, true);
    lblProgres = c.etiqueta("lblProgres", QString(), px(420, 40, 272, 18));
    lblProgres->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mida_lletra(lblProgres, 9, true);
    cmdDeixa = c.boto("cmdDeixa", QStringLiteral("&Deixa la repetició"),
                      QStringLiteral("Acaba la repetició dels errors"), px(572, 146, 120, 26));
}

void PanellExercici::construeix_pregunta(const Controls &c) {
    Label85 = c.etiqueta("Label85", QString(), px(152, 40, 120, 18));
    mida_lletra(Label85, 9, true);
    Label7 = c.etiqueta("Label7", QString(), px(152, 60, 540, 40));
    mida_lletra(Label7, 13, true);

    // Formula pieces sit in rows: a symbol in a large font, its subscript smaller and lowered.
    auto [pregunta, fila] = c.fila("filaPregunta", px(152, 58, 440, 46));
    fila_pregunta_ = fila;
    std::tie(Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label1, Label2) =
        fes_peces(pregunta, 18, 12, {8, 9, 10, 11, 12, 13, 14, 1, 2});
    for (QLabel *l : {Label8, Label9, Label10, Label11, Label12, Label13, Label14}) {
        const bool simbol = l == Label8 || l == Label10 || l == Label12;
        Controls::posa(fila_pregunta_, l, simbol ? 0 : Controls::baixada(Label8, l));
    }
    fila_pregunta_->addStretch(1);
}

void PanellExercici::construeix_resposta(const Controls &c) {
    auto [resposta, fila] = c.fila("filaResposta", px(152, 106, 420, 44));
    fila_resposta_ = fila;
    auto caixa = [&, resposta = resposta](const char *nom, const QString &consell,
                                          const QString &nom_accessible, Caixa quina, int amplada) {
        auto *t = new QLineEdit(resposta);
        t->setObjectName(QString::fromUtf8(nom));
        t->setToolTip(consell);
        t->setAccessibleName(nom_accessible);
        t->setMaxLength(static_cast<int>(Mida_caixa[quina]));
        t->setFixedWidth(amplada);
        t->setAlignment(Qt::AlignCenter);
        sense_controls(t);
        return t;
    };
    // Each box has a name of its own, so that a screen reader tells them apart.
    const QString element = QStringLiteral("Element");
    const QString subindex = QStringLiteral("Subíndex");
    Text11 = caixa("Text11", element, QStringLiteral("Primer element"), Simbol1, 34);
    Text12 = caixa("Text12", subindex, QStringLiteral("Subíndex del primer element"), Subindex1, 22);
    Text2 = caixa("Text2", element, QStringLiteral("Segon element"), Simbol2, 34);
    Text3 = caixa("Text3", subindex, QStringLiteral("Subíndex del segon element"), Subindex2, 22);
    Text4 = caixa("Text4", element, QStringLiteral("Tercer element"), Simbol3, 34);
    Text5 = caixa("Text5", QStringLiteral("Suníndex"), QStringLiteral("Subíndex del tercer element"),
                  Subindex3, 40);
    Text13 = caixa("Text13", subindex, QStringLiteral("Subíndex del grup"), Subindex_grup, 22);
    for (QLineEdit *t : {Text11, Text2, Text4})
        mida_lletra(t, 12, true);
    for (QLineEdit *t : {Text12, Text3, Text5, Text13})
        mida_lletra(t, 9, true);
    // A subscript box sits lower than its symbol's by a fixed amount, whatever the row's height.
    for (QLineEdit *t : caixes())
        Controls::posa(fila_resposta_, t, t == Text11 || t == Text2 || t == Text4 ? 0 : 12);
    fila_resposta_->addStretch(1);

    Text1 = new QLineEdit(c.superficie());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Escriu el nom del compost"));
    Text1->setAccessibleName(QStringLiteral("Escriu el nom del compost"));
    Text1->setMaxLength(static_cast<int>(Mida_nom));
    sense_controls(Text1);
    mida_lletra(Text1, 11);
    c.disposicio_finestra().registra(Text1, disposicio::Tipus::Ordinari, px(152, 112, 400, 28));

    // After the correction the boxes no longer take typing, but the answer stays readable.
    for (QLineEdit *t : {Text1, Text11, Text12, Text2, Text3, Text4, Text5, Text13}) {
        QPalette paleta = t->palette();
        paleta.setColor(QPalette::Disabled, QPalette::Text, paleta.color(QPalette::Active, QPalette::Text));
        t->setPalette(paleta);
    }
    const auto ordre = caixes();
    for (std::size_t i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

void PanellExercici::construeix_correccio(const Controls &c) {
    Line22 = c.linia("Line22", 440, 176, 440, 232);
    Line23 = c.linia("Line23", 152, 232, 704, 232);
    Line24 = c.linia("Line24", 152, 176, 152, 232);
    Line25 = c.linia("Line25", 152, 176, 704, 176);
    Line26 = c.linia("Line26", 704, 176, 704, 232);
    Line27 = c.linia("Line27", 152, 176, 440, 176);
    Line28 = c.linia("Line28", 152, 232, 440, 232);
    Line29 = c.linia("Line29", 440, 176, 704, 176);
    Line30 = c.linia("Line30", 440, 232, 704, 232);
    Label5 = c.etiqueta("Label5", QStringLiteral("INCORRECTE"), px(156, 182, 280, 44));
    Label6 = c.etiqueta("Label6", QStringLiteral("CORRECTE"), px(156, 182, 280, 44));
    for (QLabel *l : {Label5, Label6}) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(24);
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    }
    pinta(Label5, QColor(255, 0, 0));
    pinta(Label6, QColor(0, 0, 255));

    auto [correccio, fila] = c.fila("filaCorreccio", px(448, 180, 250, 50));
    std::tie(Label15, Label16, Label17, Label18, Label19, Label20, Label21, Label3, Label4) =
        fes_peces(correccio, 16, 11, {15, 16, 17, 18, 19, 20, 21, 3, 4});
    // The expected formula's brackets stand round the group: after the first symbol's subscript
    // and before the group's subscript.
    for (QLabel *l : {Label15, Label16, Label3, Label17, Label18, Label19, Label20, Label4, Label21}) {
        const bool simbol = l == Label15 || l == Label17 || l == Label19 || l == Label3 || l == Label4;
        Controls::posa(fila, l, simbol ? 0 : Controls::baixada(Label15, l));
    }
    fila->addStretch(1);
    Label22 = c.etiqueta("Label22", QString(), px(424, 180, 276, 52));
    Label22->setWordWrap(true);
    mida_lletra(Label22, 11, true);
}

void PanellExercici::connecta() {
    const std::pair<QLineEdit *, Caixa> caixes[] = {
        {Text11, Simbol1}, {Text12, Subindex1}, {Text2, Simbol2},       {Text3, Subindex2},
        {Text4, Simbol3},  {Text5, Subindex3},  {Text13, Subindex_grup}};
    // Every change of text is the answer, typed or set through the accessibility bus (a screen
    // reader, voice input, an on-screen keyboard); the window's own settings change nothing, since
    // the session takes answers only while the question is up and they are its own.
    for (const auto &[t, c] : caixes)
        QObject::connect(t, &QLineEdit::textChanged, t,
                         [this, c = c](const QString &text) { sessio_.posa_caixa(c, entrada(text)); });
    QObject::connect(Text1, &QLineEdit::textChanged, Text1,
                     [this](const QString &text) { sessio_.posa_nom(entrada(text)); });
    // Each button asks the session one thing, then the window shows what the session says.
    const std::pair<QPushButton *, void (Sessio::*)()> accions[] = {
        {cmdCorregir, &Sessio::corregeix},
        {cmdSeguent, &Sessio::Seguent},
        {cmdRepeteix, &Sessio::repeteix_errors},
        {cmdDeixa, &Sessio::deixa_repeticio},
    };
    for (const auto &[boto, accio] : accions)
        QObject::connect(boto, &QPushButton::clicked, boto, [this, accio = accio] {
            (sessio_.*accio)();
            refresca_();
        });
}

std::array<QLineEdit *, Nombre_caixes> PanellExercici::caixes() const {
    return {Text11, Text12, Text2, Text3, Text4, Text5, Text13};
}

void PanellExercici::nou_exercici(const Sessio &s) {
    const bool anomenar = s.Mode_exercici() == Tasca::Anomenar;
    const Resposta &r = s.resposta();
    const auto boxes = caixes();
    for (int c = 0; c < Nombre_caixes; ++c)
        boxes[c]->setText(qs(r.caixes[c]));
    Text1->setText(qs(r.nom));

    // The brackets "(" ")" go with the answer boxes when the formula is asked, with the question
    // formula when the name is asked.
    QHBoxLayout *fila = anomenar ? fila_pregunta_ : fila_resposta_;
    for (QLabel *l : {Label1, Label2})
        if (QWidget *pare = l->parentWidget())
            if (QLayout *actual = pare->layout()) actual->removeWidget(l);
    fila->insertWidget(2, Label1, 0, Qt::AlignTop);
    fila->insertWidget(7, Label2, 0, Qt::AlignTop);

    const int m = mig(s);
    DisposicioFinestra &d = disposicio_finestra_;
    d.canvia_disseny(Line22, px(m, 176, m, 232));
    d.canvia_disseny(Line27, px(152, 176, m, 176));
    d.canvia_disseny(Line28, px(152, 232, m, 232));
    d.canvia_disseny(Line29, px(m, 176, 704, 176));
    d.canvia_disseny(Line30, px(m, 232, 704, 232));
    d.canvia_disseny(Label5, px(156, 182, m - 160, 44));
    d.canvia_disseny(Label6, px(156, 182, m - 160, 44));
    d.canvia_disseny(Label22, px(m + 8, 178, 704 - m - 12, 54));
}

void PanellExercici::aplica_linies(const Sessio &s) {
    if (!vista_.marc_curt) return;
    for (Linia *l : {Line23, Line24, Line25, Line27, Line28})
        l->hide();
    for (Linia *l : {Line29, Line30}) {
        disposicio::Rectangle r = disposicio_finestra_.actual(l);
        r.a = mig(s) * T * disposicio_finestra_.percent_amplada() / 100;
        disposicio_finestra_.posa_linia(l, r);
    }
}

void PanellExercici::mostra(const Sessio &s) {
    const Estat e = s.estat();
    vista_ = vista_exercici(s);
    const Vista_exercici &v = vista_;
    const bool nou =
        e == Estat::Pregunta && (estat_vist_ != Estat::Pregunta || s.numero_exercici() != numero_vist_);
    const bool cal_seguent = (e == Estat::Corregit || e == Estat::Iniciada) && estat_vist_ != e;
    const bool cal_accio = e == Estat::Acabada && estat_vist_ != e;
    if (nou) nou_exercici(s);
    if (e == Estat::Corregit && estat_vist_ != Estat::Corregit) Text1->setText(qs(s.resposta().nom));

    const Exercici &x = s.Exercici_actual();
    Label85->setVisible(v.en_curs);
    Label85->setText(qs(v.instruccio));
    Label7->setVisible(v.nom_demanat);
    Label7->setText(qs(s.nom_demanat()));
    QLabel *pregunta[] = {Label8, Label9, Label10, Label11, Label12, Label13, Label14};
    QLabel *esperades[] = {Label15, Label16, Label17, Label18, Label19, Label20, Label21};
    const auto boxes = caixes();
    for (int c = 0; c < Nombre_caixes; ++c) {
        pregunta[c]->setText(qs(x.caixes[c]));
        pregunta[c]->setVisible(v.pregunta[c]);
        boxes[c]->setVisible(v.caixa[c]);
        boxes[c]->setEnabled(v.resposta_activa);
        esperades[c]->setText(qs(x.caixes[c]));
        esperades[c]->setVisible(v.esperada[c]);
        // An empty subscript takes no room, so that the symbols stand together as in a formula.
        const int amplada = x.caixes[c].empty() ? 0 : QWIDGETSIZE_MAX;
        pregunta[c]->setMaximumWidth(amplada);
        esperades[c]->setMaximumWidth(amplada);
    }
    fila_pregunta_->parentWidget()->setVisible(v.nom);
    fila_resposta_->parentWidget()->setVisible(v.nom_demanat);
    Label15->parentWidget()->setVisible(v.fila_esperada);
    Label1->setVisible(v.claudators);
    Label2->setVisible(v.claudators);
    Text1->setVisible(v.nom);
    Text1->setEnabled(v.resposta_activa);
    Label5->setVisible(v.incorrecte);
    // A screen reader reads what is wrong with the verdict.
    Label5->setAccessibleDescription(qs(v.diagnosi));
    Label6->setVisible(v.correcte);
    Label3->setVisible(v.claudators_esperats);
    Label4->setVisible(v.claudators_esperats);
    Label22->setText(qs(s.nom_esperat_mostrat()));
    Label22->setVisible(v.nom_esperat);
    for (Linia *l : {Line22, Line23, Line24, Line25, Line26, Line27, Line28, Line29, Line30})
        l->setVisible(v.marc);
    Label80->setVisible(v.serie_acabada);
    lblNota->setVisible(v.resultat);
    lblNota->setText(qs(v.nota));
    pinta(lblNota, v.suspesa ? QColor(255, 0, 0) : QColor(0, 0, 255));
    lblResultat->setVisible(v.resultat);
    lblResultat->setText(qs(v.percentatge + "  \u00b7  " + v.totals));
    cmdRepeteix->setVisible(v.repeteix);
    // Idle, for a set read back from its file, the review sits by the file controls.
    const bool inactiu = e == Estat::Inactiu;
    if (inactiu != revisa_inactiu_) {
        revisa_inactiu_ = inactiu;
        disposicio_finestra_.canvia_disseny(cmdRevisa,
                                            inactiu ? px(576, 470, 114, 32) : px(336, 148, 172, 32));
    }
    cmdRevisa->setVisible(v.revisa);
    cmdNova->setVisible(v.nova);
    lblRepeticio->setVisible(v.resultat && !v.resultat_repeticio.empty());
    lblRepeticio->setText(qs(v.resultat_repeticio));
    lblProgres->setVisible(!v.progres_repeticio.empty());
    lblProgres->setText(qs(v.progres_repeticio));
    cmdDeixa->setVisible(v.deixa_repeticio);
    cmdCorregir->setVisible(v.corregir);
    cmdSeguent->setVisible(v.seguent);
    aplica_linies(s);
    // The control the keyboard lands on carries what was just corrected, or the set's result, so
    // that a screen reader says it without the student moving.
    cmdSeguent->setAccessibleDescription(qs(v.anunci));
    for (QPushButton *accio : {cmdRepeteix, cmdRevisa})
        accio->setAccessibleDescription(v.resultat && accio == lloc_de_treball() ? qs(v.anunci) : QString());

    if (nou || cal_seguent || cal_accio)
        if (QWidget *w = lloc_de_treball()) w->setFocus(Qt::OtherFocusReason);
    estat_vist_ = e;
    numero_vist_ = s.numero_exercici();
}

QWidget *PanellExercici::lloc_de_treball() const {
    switch (vista_.focus) {
    case Focus_exercici::Caixa:
        return caixes()[static_cast<std::size_t>(vista_.primera_caixa)];
    case Focus_exercici::Nom:
        return Text1;
    case Focus_exercici::Seguent:
        return cmdSeguent;
    case Focus_exercici::Accio:
        return vista_.primera_accio == Accio_final::Repeteix ? cmdRepeteix : cmdRevisa;
    case Focus_exercici::Cap:
        break;
    }
    return nullptr;
}

} // namespace quimerix::ui
