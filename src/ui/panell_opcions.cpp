#include "panell_opcions.h"

#include <QCheckBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <variant>

#include "controls.h"
#include "disposicio_qt.h"
#include "records/arxiu_sessio.h"
#include "records/codi_examen.h"
#include "session/data.h"
#include "session/vista.h"

namespace quimerix::ui {

using disposicio::Rectangle;

PanellOpcions::PanellOpcions(const Controls &c, Sessio &sessio, Missatges &missatges,
                             std::function<void()> refresca)
    : sessio_(sessio), missatges_(missatges), refresca_(std::move(refresca)),
      disposicio_finestra_(&c.disposicio_finestra()) {
    // Frames first, so that they lie behind what they hold.
    Frame1 = c.marc("Frame1", QStringLiteral("Tipus de compostos"), px(8, 240, 292, 158));
    Frame2 = c.marc("Frame2", QStringLiteral("Tipus d'exercicis"), px(8, 402, 292, 76));
    Frame3 = c.marc("Frame3", QStringLiteral("Opcions"), px(8, 482, 292, 54));
    construeix_caselles(c);
    construeix_xifres(c);
    connecta();
}

void PanellOpcions::construeix_caselles(const Controls &c) {
    const char *noms_families[] = {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7"};
    const QString titols_families[] = {
        QStringLiteral("Òxids"),         QStringLiteral("Hidrurs"),
        QStringLiteral("Sals binàries"), QStringLiteral("Compostos binàris no metall-no metall"),
        QStringLiteral("Hidròxids"),     QStringLiteral("Oxoàcids"),
        QStringLiteral("Oxosals")};
    const QString consells_families[] = {
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'òxids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'hidrurs"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis de sals binàries"),
        QStringLiteral(
            "Assenyala aquesta casella si vols exercicis de compostos binàris No metall-No metall"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'hidròxids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'oxoàcids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'oxosals")};
    QCheckBox **families[] = {&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7};
    for (int i = 0; i < 7; ++i)
        *families[i] = c.casella(noms_families[i], titols_families[i], consells_families[i],
                                 px(16, 257 + 20 * i, 280, 19));

    // The tasks, and the options of the set: what each says, its hint and where it stands.
    const struct {
        QRadioButton **boto;
        const char *nom, *titol, *consell;
        disposicio::Rectangle lloc;
    } tasques[] = {{&Option1, "Option1", "&Formular",
                    "Assenyala aquesta opció si només vols exercicis de FORMULAR", px(16, 419, 120, 19)},
                   {&Option2, "Option2", "Ano&menar",
                    "Assenyala aquesta opció si només vols exercicis d'ANOMENAR (Nomenclatura)",
                    px(140, 419, 150, 19)},
                   {&Option3, "Option3", "Formular i anomenar (a&lternat)",
                    "Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma alterna",
                    px(16, 438, 276, 19)},
                   {&Option4, "Option4", "Formular i anomenar (alea&tori)",
                    "Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma aleatoria",
                    px(16, 457, 276, 19)}};
    for (const auto &t : tasques)
        *t.boto = c.opcio(t.nom, QString::fromUtf8(t.titol), QString::fromUtf8(t.consell), t.lloc);
    Option3->setChecked(true);

    const struct {
        QCheckBox **casella;
        const char *nom, *titol, *consell;
        disposicio::Rectangle lloc;
    } opcions[] = {
        {&Check8, "Check8", "Assistent ortogràfi&c",
         "Assenyala aquesta casella si vols que l'ordinador corregeixi automàticament petites errades com "
         "els accents, majúscules, etc.",
         px(16, 498, 276, 18)},
        {&Check11, "Check11", "Limitar temps per resposta",
         "Assenyala aquesta casella si vols tenir un temps limitat per respota", px(16, 516, 276, 18)},
        {&Check10, "Check10", "Apunts de teoria, sím&bols i valències consultables",
         "Assenyala aquesta casella si vols tenir accés a la consulta dels apunts, els símbols dels elements "
         "i la taula de valències.",
         px(306, 516, 384, 18)}};
    for (const auto &o : opcions)
        *o.casella = c.casella(o.nom, QString::fromUtf8(o.titol), QString::fromUtf8(o.consell), o.lloc);

    // Frozen captions: plain labels beside the tick marks once the set has started.
    const struct {
        QLabel **label;
        const char *nom;
        QAbstractButton *opcio;
    } congelades[] = {
        {&Label29, "Label29", Check1},  {&Label30, "Label30", Check2},  {&Label31, "Label31", Check3},
        {&Label32, "Label32", Check4},  {&Label33, "Label33", Check5},  {&Label34, "Label34", Check6},
        {&Label35, "Label35", Check7},  {&Label36, "Label36", Check8},  {&Label37, "Label37", Check10},
        {&Label38, "Label38", Check11}, {&Label39, "Label39", Option1}, {&Label40, "Label40", Option2},
        {&Label42, "Label42", Option3}, {&Label43, "Label43", Option4}};
    for (const auto &f : congelades) {
        const Rectangle r = disposicio_finestra_->registre(f.opcio);
        *f.label = c.etiqueta(f.nom, sense_mnemonic(f.opcio->text()), {r.a + 20 * T, r.b, r.c - 20 * T, r.d});
    }
}

void PanellOpcions::construeix_xifres(const Controls &c) {
    Label84 = c.etiqueta("Label84", QStringLiteral("Nombre d'exercicis:"), px(314, 252, 200, 20));
    Command1 = c.boto("Command1", QStringLiteral("-"), QStringLiteral("Disminueix el nombre d'exercicis"),
                      px(520, 250, 26, 24));
    Label45 = c.etiqueta("Label45", QStringLiteral("25"), px(548, 252, 44, 20));
    Command2 = c.boto("Command2", QStringLiteral("+"), QStringLiteral("Augmenta el nombre d'exercicis"),
                      px(594, 250, 26, 24));
    Label93 = c.etiqueta("Label93", QStringLiteral("Temps per resposta (segons):"), px(314, 282, 200, 20));
    Command4 =
        c.boto("Command4", QStringLiteral("-"),
               QStringLiteral("Disminueix el temps de resposta de cada exercici"), px(520, 280, 26, 24));
    Label46 = c.etiqueta("Label46", QStringLiteral("30"), px(548, 282, 44, 20));
    Command3 = c.boto("Command3", QStringLiteral("+"),
                      QStringLiteral("Augmenta el temps de resposta de cada exercici"), px(594, 280, 26, 24));
    Label50 =
        c.etiqueta("Label50", QStringLiteral("Nombre màxim de compostos diferents que es poden generar:"),
                   px(314, 312, 290, 30));
    Label47 = c.etiqueta("Label47", QString(), px(610, 318, 76, 20));
    Label49 = c.etiqueta(
        "Label49", QStringLiteral("Previsió de temps aproximat per completar els exercicis (hh:mm:ss):"),
        px(314, 346, 290, 30));
    Label44 = c.etiqueta("Label44", QString(), px(610, 352, 76, 20));
    // Held down, the step buttons repeat, so that a large number needs no long row of clicks.
    for (QPushButton *b : {Command1, Command2, Command3, Command4}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(50);
    }
    for (QLabel *l : {Label45, Label46})
        l->setAlignment(Qt::AlignCenter);
    for (QLabel *l : {Label45, Label46, Label47, Label44})
        mida_lletra(l, 9, true);
    for (QLabel *l : {Label50, Label49})
        l->setWordWrap(true);

    Label41 = c.etiqueta("Label41", QStringLiteral("Nom i co&gnoms:"), px(314, 384, 100, 20));
    Text10 = new QLineEdit(c.superficie());
    Text10->setObjectName(QStringLiteral("Text10"));
    Text10->setMaxLength(static_cast<int>(Maxim_nom_alumne));
    sense_controls(Text10);
    c.disposicio_finestra().registra(Text10, disposicio::Tipus::Ordinari, px(414, 382, 272, 24));
    Label88 = c.etiqueta("Label88", QStringLiteral("D&ata:"), px(314, 412, 100, 20));
    Text14 = new QLineEdit(data_avui(), c.superficie());
    Text14->setObjectName(QStringLiteral("Text14"));
    Text14->setMaxLength(static_cast<int>(Maxim_data));
    sense_controls(Text14);
    c.disposicio_finestra().registra(Text14, disposicio::Tipus::Ordinari, px(414, 410, 100, 24));
    Label94 = c.etiqueta("Label94", QStringLiteral("Codi d'e&xamen:"), px(314, 440, 100, 20));
    txtExamen = new QLineEdit(c.superficie());
    txtExamen->setObjectName(QStringLiteral("txtExamen"));
    txtExamen->setMaxLength(32);
    txtExamen->setToolTip(QStringLiteral("Escriu-hi el codi que t'ha donat el professor i prem Retorn: "
                                         "tota la classe tindrà els mateixos exercicis"));
    sense_controls(txtExamen);
    c.disposicio_finestra().registra(txtExamen, disposicio::Tipus::Ordinari, px(414, 438, 150, 24));
    cmdComencar = c.boto("cmdComençar", QStringLiteral("D'acord"), QString(), px(576, 470, 110, 32));
    // The step buttons show only "-" and "+": a screen reader says what they change. The boxes take
    // their names, and their Alt+letter, from the labels beside them.
    const std::pair<QPushButton *, const char *> passos[] = {{Command1, "Menys exercicis"},
                                                             {Command2, "Més exercicis"},
                                                             {Command4, "Menys segons per resposta"},
                                                             {Command3, "Més segons per resposta"}};
    for (const auto &[boto, nom] : passos)
        boto->setAccessibleName(QString::fromUtf8(nom));
    Label41->setBuddy(Text10);
    Label88->setBuddy(Text14);
    Label94->setBuddy(txtExamen);

    Label87 = c.etiqueta("Label87", QString(), px(152, 130, 540, 30));
    Label48 =
        c.etiqueta("Label48", QStringLiteral("Selecciona algun tipus d'exercici"), px(152, 130, 540, 30));
    mida_lletra(Label87, 11, true);
    mida_lletra(Label48, 11, true);
    pinta(Label48, QColor(255, 0, 0));
    pinta(Label87, QColor(0, 0, 128));
}

void PanellOpcions::connecta() {
    // The session follows the boxes however they change: by the mouse, the keyboard or the toggle
    // action of the accessibility bus, which sets a box without clicking it. When the window sets
    // them to what the session holds, the session is told what it already has and nothing changes.
    QCheckBox *families[] = {Check1, Check2, Check3, Check4, Check5, Check6, Check7};
    for (int i = 0; i < 7; ++i)
        QObject::connect(families[i], &QCheckBox::toggled, families[i], [this, i](bool marcada) {
            sessio_.posa_familia(i, marcada);
            refresca_();
        });
    const std::pair<QRadioButton *, Opcio_tasca> tasques[] = {{Option1, Opcio_tasca::Formular},
                                                              {Option2, Opcio_tasca::Anomenar},
                                                              {Option3, Opcio_tasca::Alternat},
                                                              {Option4, Opcio_tasca::Aleatori}};
    for (const auto &[boto, tasca] : tasques)
        QObject::connect(boto, &QRadioButton::toggled, boto, [this, tasca = tasca](bool marcada) {
            if (!marcada) return;
            sessio_.posa_tasca(tasca);
            refresca_();
        });
    const std::pair<QCheckBox *, void (Sessio::*)(bool)> opcions[] = {{Check8, &Sessio::posa_assistent},
                                                                      {Check10, &Sessio::posa_consulta},
                                                                      {Check11, &Sessio::posa_limit_temps}};
    for (const auto &[casella, posa] : opcions)
        QObject::connect(casella, &QCheckBox::toggled, casella, [this, posa = posa](bool marcada) {
            (sessio_.*posa)(marcada);
            refresca_();
        });
    auto accio = [this](QAbstractButton *b, auto &&f) {
        QObject::connect(b, &QAbstractButton::clicked, b, [this, f] {
            f();
            refresca_();
        });
    };
    accio(Command1, [this] { sessio_.disminueix_exercicis(); });
    accio(Command2, [this] { sessio_.augmenta_exercicis(); });
    accio(Command3, [this] { sessio_.augmenta_temps(); });
    accio(Command4, [this] { sessio_.disminueix_temps(); });
    // The button takes no second press while the start's questions are up.
    accio(cmdComencar, [this] {
        cmdComencar->setEnabled(false);
        sessio_.comenca(entrada(Text10->text()), entrada(Text14->text()));
        cmdComencar->setEnabled(true);
    });
    QObject::connect(Text14, &QLineEdit::textEdited, Text14,
                     [this](const QString &text) { data_canviada(text); });
    // Return, or leaving the box, confirms the code; a text already in force is not read again.
    QObject::connect(txtExamen, &QLineEdit::editingFinished, txtExamen, [this] {
        if (txtExamen->text() != codi_vigent()) posa_codi_examen(txtExamen->text());
    });
}

QString PanellOpcions::codi_vigent() const {
    const auto &examen = sessio_.examen();
    if (!examen) return QString();
    return QString::fromStdString(escriu_codi_examen(*examen).value_or(""));
}

bool PanellOpcions::posa_codi_examen(const QString &codi) {
    if (sessio_.estat() != Estat::Inactiu) return false;
    if (codi.trimmed().isEmpty()) {
        sessio_.treu_examen();
        txtExamen->clear();
        refresca_();
        return true;
    }
    const auto lectura = llegeix_codi_examen(codi.toStdString());
    if (const auto *motiu = std::get_if<std::string>(&lectura)) {
        // The box goes back to the code in force before the message takes the focus away.
        txtExamen->setText(codi_vigent());
        missatges_.avisa(Titol_atencio, *motiu, Icona::Exclamacio);
        refresca_();
        return false;
    }
    sessio_.posa_examen(std::get<Examen>(lectura));
    txtExamen->setText(codi_vigent());
    refresca_();
    return true;
}

namespace {

Data avui() {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

} // namespace

// Written day/month/year whatever the system's language, since it goes into the session file.
QString PanellOpcions::data_avui() {
    return QString::fromStdString(escriu_data(avui()));
}

void PanellOpcions::data_canviada(const QString &text) {
    if (sessio_.estat() != Estat::Inactiu) return;
    if (!es_posterior(text.toStdString(), avui())) return;
    if (!missatges_.pregunta(Titol_atencio, "La data introduida és superior a l'actual. Vols deixar aquesta?",
                             Icona::Informacio))
        Text14->setText(data_avui());
}

void PanellOpcions::congela() {
    congelat_ = true;
    // Only the tick mark stays; the caption is shown by a plain label beside it.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check10, Check11, Option1,
             Option2, Option3, Option4}) {
        Rectangle r = disposicio_finestra_->registre(b);
        abans_de_congelar_.emplace_back(b, r, b->palette());
        r.c = 18 * T;
        disposicio_finestra_->canvia_disseny(b, r);
        QPalette paleta = b->palette();
        paleta.setColor(QPalette::Disabled, QPalette::WindowText, Qt::transparent);
        paleta.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::transparent);
        b->setPalette(paleta);
    }
}

void PanellOpcions::descongela() {
    congelat_ = false;
    for (const auto &[b, r, paleta] : abans_de_congelar_) {
        disposicio_finestra_->canvia_disseny(b, r);
        b->setPalette(paleta);
    }
    abans_de_congelar_.clear();
}

void PanellOpcions::mostra(const Sessio &s) {
    const Vista_opcions v = vista_opcions(s);
    const Opcions &o = s.opcions();
    // Frozen to captions while a set is under way or just over; a new set thaws them.
    if (v.recompte && !congelat_) congela();
    if (!v.recompte && congelat_) descongela();

    QCheckBox *families[] = {Check1, Check2, Check3, Check4, Check5, Check6, Check7};
    for (int i = 0; i < 7; ++i)
        families[i]->setChecked(o.families[i]);
    Check8->setChecked(o.assistent);
    Check10->setChecked(o.consulta);
    Check11->setChecked(o.limit_temps);
    Option1->setChecked(o.tasca == Opcio_tasca::Formular);
    Option2->setChecked(o.tasca == Opcio_tasca::Anomenar);
    Option3->setChecked(o.tasca == Opcio_tasca::Alternat);
    Option4->setChecked(o.tasca == Opcio_tasca::Aleatori);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8,
                                          Check10, Check11, Option1, Option2, Option3, Option4})
        w->setEnabled(v.editables);
    for (QLabel *l : {Label29, Label30, Label31, Label32, Label33, Label34, Label35, Label36, Label37,
                      Label38, Label39, Label40, Label42, Label43})
        l->setVisible(v.recompte);

    Label45->setText(QString::number(o.nombre_exercicis));
    Label46->setText(QString::number(o.segons));
    // A screen reader hears the figure change under the step button it was changed with.
    const QString exercicis = QStringLiteral("Nombre d'exercicis: %1").arg(o.nombre_exercicis);
    const QString segons = QStringLiteral("Temps per resposta: %1 segons").arg(o.segons);
    for (QPushButton *b : {Command1, Command2})
        b->setAccessibleDescription(exercicis);
    for (QPushButton *b : {Command3, Command4})
        b->setAccessibleDescription(segons);
    Label47->setText(QString::number(s.Nombre_combinacions()));
    Label44->setText(qs(s.Temps_Estimat()));
    for (QWidget *w : std::initializer_list<QWidget *>{Label84, Command1, Label45, Command2, Label50, Label47,
                                                       Label41, Text10, Label88, Text14, Label94, txtExamen})
        w->setVisible(v.nombre);
    // An exam's figures are the code's.
    for (QWidget *w : std::initializer_list<QWidget *>{Command1, Command2, Command3, Command4})
        w->setEnabled(v.editables);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label93, Command4, Label46, Command3, Label49, Label44})
        w->setVisible(v.temps);

    Label48->setVisible(v.avis_familia);
    cmdComencar->setVisible(v.comencar);
    Label87->setText(qs(v.indicacio));
    Label87->setVisible(!v.indicacio.empty());
}

} // namespace quimerix::ui
