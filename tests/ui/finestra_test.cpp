// The main window driven as a student would: options, start, exercises, correction, timer,
// statistics, keyboard, resizing and exit.

#include <QtTest>

class FinestraTest : public QObject {
    Q_OBJECT
  private slots:
    void controls_data();
    void controls();
    void peces_de_formula();
    void valors_per_defecte_i_estat_de_repos();
    void arees_fetes_en_mostrar_se_data();
    void arees_fetes_en_mostrar_se();
    void arees_en_el_seu_lloc();
    void families();
    void inici_refusat_i_despres_acceptat_data();
    void inici_refusat_i_despres_acceptat();
    void formula_correcta_i_despres_erronia();
    void nom_amb_assistent_data();
    void nom_amb_assistent();
    void opcions_per_l_accio_d_accessibilitat_data();
    void opcions_per_l_accio_d_accessibilitat();
    void resposta_posada_per_l_accessibilitat_data();
    void resposta_posada_per_l_accessibilitat();
    void temps_esgotat_amb_resposta_buida();
    void mode_alternat();
    void mode_aleatori_data();
    void mode_aleatori();
    void estadistiques_i_historial_al_final_del_conjunt();
    void el_text_del_professor_es_nomes_de_lectura();
    void conjunt_nomes_amb_teclat();
    void enter_mantingut_no_salta();
    void enter_sobre_un_boto_amb_focus_el_prem();
    void focus_mnemonics_i_noms_en_cada_estat();
    void nom_llarg_sense_farciment();
    void caracters_de_control_enganxats_esdevenen_espais();
    void redimensionar_escala_els_controls();
    void finestra_dins_l_area_de_treball();
    void data_futura_pregunta_data();
    void data_futura_pregunta();
    void pregunta_de_sortida_data();
    void pregunta_de_sortida();
};

#ifndef Q_MOC_RUN
#include <QAccessible>
#include <QDate>
#include <QPlainTextEdit>
#include <QScreen>

#include "controls.h"
#include "linia.h"
#include "reference/taules_referencia.h"
#include "suport.h"
#endif

using namespace prova;
using quimerix::Estat;
using quimerix::Icona;

namespace {

template <typename T> T *control(QWidget &finestra, const char *nom) {
    return finestra.findChild<T *>(QString::fromUtf8(nom));
}

// A name without its accents, in capitals: what a hurried student types.
QString sense_accents_majuscules(const QString &nom) {
    QString d = nom.normalized(QString::NormalizationForm_D);
    QString r;
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing) r += c;
    return r.toUpper();
}

bool te_accents(const std::string &nom) {
    return sense_accents_majuscules(qs(nom)) != qs(nom).toUpper();
}

void escriu_i_prem_enter(const QString &text) {
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClicks(focus, text);
}

void enter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

// ---- Captions, tooltips and maximum lengths ----

void FinestraTest::controls_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("consell");
    QTest::addColumn<int>("maxim");
    QTest::newRow("Check1") << "Check1"
                            << "Òxids"
                            << "Assenyala aquesta casella si vols exercicis d'òxids" << -1;
    QTest::newRow("Check2") << "Check2"
                            << "Hidrurs"
                            << "Assenyala aquesta casella si vols exercicis d'hidrurs" << -1;
    QTest::newRow("Check3") << "Check3"
                            << "Sals binàries"
                            << "Assenyala aquesta casella si vols exercicis de sals binàries" << -1;
    QTest::newRow("Check4")
        << "Check4"
        << "Compostos binàris no metall-no metall"
        << "Assenyala aquesta casella si vols exercicis de compostos binàris No metall-No metall" << -1;
    QTest::newRow("Check5") << "Check5"
                            << "Hidròxids"
                            << "Assenyala aquesta casella si vols exercicis d'hidròxids" << -1;
    QTest::newRow("Check6") << "Check6"
                            << "Oxoàcids"
                            << "Assenyala aquesta casella si vols exercicis d'oxoàcids" << -1;
    QTest::newRow("Check7") << "Check7"
                            << "Oxosals"
                            << "Assenyala aquesta casella si vols exercicis d'oxosals" << -1;
    QTest::newRow("cmdSave") << "cmdSave"
                             << "G&uardar"
                             << "Tria l'arxiu on es desaran els exercicis de la sessió" << -1;
    QTest::newRow("cmdOpen") << "cmdOpen"
                             << "Imprimir Arxiu"
                             << "Imprimeix l'informe d'una sessió desada" << -1;
    QTest::newRow("Check8")
        << "Check8"
        << "Assistent ortogràfi&c"
        << "Assenyala aquesta casella si vols que l'ordinador corregeixi automàticament petites "
           "errades com els accents, majúscules, etc."
        << -1;
    QTest::newRow("Check11") << "Check11"
                             << "Limitar temps per resposta"
                             << "Assenyala aquesta casella si vols tenir un temps limitat per respota" << -1;
    QTest::newRow("Option1") << "Option1"
                             << "&Formular"
                             << "Assenyala aquesta opció si només vols exercicis de FORMULAR" << -1;
    QTest::newRow("Option2") << "Option2"
                             << "Ano&menar"
                             << "Assenyala aquesta opció si només vols exercicis d'ANOMENAR (Nomenclatura)"
                             << -1;
    QTest::newRow("Option3")
        << "Option3"
        << "Formular i anomenar (a&lternat)"
        << "Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma alterna" << -1;
    QTest::newRow("Option4")
        << "Option4"
        << "Formular i anomenar (alea&tori)"
        << "Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma aleatoria" << -1;
    QTest::newRow("Command1") << "Command1"
                              << "-"
                              << "Disminueix el nombre d'exercicis" << -1;
    QTest::newRow("Command2") << "Command2"
                              << "+"
                              << "Augmenta el nombre d'exercicis" << -1;
    QTest::newRow("Command3") << "Command3"
                              << "+"
                              << "Augmenta el temps de resposta de cada exercici" << -1;
    QTest::newRow("Command4") << "Command4"
                              << "-"
                              << "Disminueix el temps de resposta de cada exercici" << -1;
    QTest::newRow("Label41") << "Label41"
                             << "Nom i co&gnoms:"
                             << "" << -1;
    QTest::newRow("Label88") << "Label88"
                             << "D&ata:"
                             << "" << -1;
    QTest::newRow("Label94") << "Label94"
                             << "Codi d'e&xamen:"
                             << "" << -1;
    QTest::newRow("cmdComençar") << "cmdComençar"
                                 << "D'acord"
                                 << "" << -1;
    QTest::newRow("cmdCorregir") << "cmdCorregir"
                                 << "Corregir"
                                 << "Corregir l'exercici" << -1;
    QTest::newRow("cmdInforme") << "cmdInforme"
                                << "&Estadístiques"
                                << "Estadístiques dels resultats obtinguts fins el moment" << -1;
    QTest::newRow("cmdAjuda") << "cmdAjuda"
                              << "&Professor"
                              << "" << -1;
    QTest::newRow("Text11") << "Text11"
                            << ""
                            << "Element" << 2;
    QTest::newRow("Text12") << "Text12"
                            << ""
                            << "Subíndex" << 1;
    QTest::newRow("Text2") << "Text2"
                           << ""
                           << "Element" << 2;
    QTest::newRow("Text3") << "Text3"
                           << ""
                           << "Subíndex" << 1;
    QTest::newRow("Text4") << "Text4"
                           << ""
                           << "Element" << 2;
    QTest::newRow("Text5") << "Text5"
                           << ""
                           << "Suníndex" << 4;
    QTest::newRow("Text13") << "Text13"
                            << ""
                            << "Subíndex" << 1;
    QTest::newRow("Text1") << "Text1"
                           << ""
                           << "Escriu el nom del compost" << 36;
    QTest::newRow("Label5") << "Label5"
                            << "INCORRECTE"
                            << "" << -1;
    QTest::newRow("Label6") << "Label6"
                            << "CORRECTE"
                            << "" << -1;
    QTest::newRow("Label48") << "Label48"
                             << "Selecciona algun tipus d'exercici"
                             << "" << -1;
    QTest::newRow("Label49") << "Label49"
                             << "Previsió de temps aproximat per completar els exercicis (hh:mm:ss):"
                             << "" << -1;
    QTest::newRow("Label50") << "Label50"
                             << "Nombre màxim de compostos diferents que es poden generar:"
                             << "" << -1;
    QTest::newRow("Label64") << "Label64"
                             << "ESTADÍSTIQUES"
                             << "" << -1;
    QTest::newRow("Label60") << "Label60"
                             << "Compostos binàris no metall-no metall"
                             << "" << -1;
    QTest::newRow("Label77") << "Label77"
                             << "Encerts sobre el total:"
                             << "" << -1;
    QTest::newRow("Label78") << "Label78"
                             << "0 / 0"
                             << "" << -1;
    QTest::newRow("Label91") << "Label91"
                             << "Encerts:"
                             << "" << -1;
    QTest::newRow("Label90") << "Label90"
                             << "----"
                             << "" << -1;
    QTest::newRow("Label80") << "Label80"
                             << "S'han completat tots els exercicis"
                             << "" << -1;
    QTest::newRow("Label23") << "Label23"
                             << "Exercici"
                             << "" << -1;
    QTest::newRow("Label1") << "Label1"
                            << "("
                            << "" << -1;
    QTest::newRow("Label4") << "Label4"
                            << ")"
                            << "" << -1;
}

void FinestraTest::controls() {
    QFETCH(QString, nom);
    QFETCH(QString, text);
    QFETCH(QString, consell);
    QFETCH(int, maxim);
    Banc b;
    b.finestra.construeix_arees(); // the hidden areas too
    QWidget *w = b.finestra.findChild<QWidget *>(nom);
    QVERIFY2(w, qPrintable(nom));
    QCOMPARE(w->toolTip(), consell);
    if (auto *l = qobject_cast<QLabel *>(w)) QCOMPARE(l->text(), text);
    if (auto *a = qobject_cast<QAbstractButton *>(w)) QCOMPARE(a->text(), text);
    if (auto *t = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(t->maxLength(), maxim);
        QVERIFY(!t->accessibleName().isEmpty());
    }
}

// The pieces of the question's formula and of the expected one, each named as its member: symbols
// and brackets in the large size, subscripts in the small one, brackets not bold.
void FinestraTest::peces_de_formula() {
    Banc b;
    const auto &e = b.finestra.exercici();
    const struct {
        QLabel *peca;
        const char *nom;
        int punts;
        bool negreta;
    } peces[] = {
        {e.Label8, "Label8", 18, true},   {e.Label9, "Label9", 12, true},   {e.Label10, "Label10", 18, true},
        {e.Label11, "Label11", 12, true}, {e.Label12, "Label12", 18, true}, {e.Label13, "Label13", 12, true},
        {e.Label14, "Label14", 12, true}, {e.Label1, "Label1", 18, false},  {e.Label2, "Label2", 18, false},
        {e.Label15, "Label15", 16, true}, {e.Label16, "Label16", 11, true}, {e.Label17, "Label17", 16, true},
        {e.Label18, "Label18", 11, true}, {e.Label19, "Label19", 16, true}, {e.Label20, "Label20", 11, true},
        {e.Label21, "Label21", 11, true}, {e.Label3, "Label3", 16, false},  {e.Label4, "Label4", 16, false},
    };
    for (const auto &p : peces) {
        QCOMPARE(p.peca->objectName(), QString::fromUtf8(p.nom));
        QCOMPARE(p.peca->font().pointSize(), p.punts);
        QCOMPARE(p.peca->font().bold(), p.negreta);
    }
    for (QLabel *obre : {e.Label1, e.Label3})
        QCOMPARE(obre->text(), QStringLiteral("("));
    for (QLabel *tanca : {e.Label2, e.Label4})
        QCOMPARE(tanca->text(), QStringLiteral(")"));
}

// ---- Load ----

void FinestraTest::valors_per_defecte_i_estat_de_repos() {
    Banc b;
    auto &f = b.finestra;
    QCOMPARE(f.windowTitle(), QString("QUIMERIX"));
    QCOMPARE(f.opcions().Label47->text(), QString("1655"));
    QCOMPARE(f.opcions().Label45->text(), QString("25"));
    QCOMPARE(f.opcions().Label46->text(), QString("30"));
    QCOMPARE(f.opcions().Label44->text(), QString("00:12:30"));
    QCOMPARE(f.opcions().Text14->text(), quimerix::ui::PanellOpcions::data_avui());
    QVERIFY(!f.opcions().Text14->text().isEmpty());
    for (QCheckBox *c : {f.opcions().Check1, f.opcions().Check2, f.opcions().Check3, f.opcions().Check4,
                         f.opcions().Check5, f.opcions().Check6, f.opcions().Check7, f.opcions().Check8,
                         f.opcions().Check10, f.opcions().Check11})
        QVERIFY2(c->isChecked() && c->isEnabled() && c->isVisible(), qPrintable(c->objectName()));
    QVERIFY(f.opcions().Option3->isChecked());
    QVERIFY(f.sessio().Mode_actual() == quimerix::Tasca::Formular ||
            f.sessio().Mode_actual() == quimerix::Tasca::Anomenar);
    QVERIFY(f.opcions().cmdComencar->isVisible());
    QCOMPARE(f.opcions().Label87->text(), QString("Configura les opcions i prem \"D'acord\""));
    QVERIFY(f.opcions().Label87->isVisible());
    QCOMPARE(f.consulta().Label86->text(),
             QString(" Sobre el programa...\n\nQUIMERIX\nVersió %1\n\n"
                     "Fet per l'equip de QUIMERIX per practicar la formulació inorgànica.")
                 .arg(QString::fromStdString(quimerix::Versio())));
    QVERIFY(f.consulta().Label86->isVisible());
    QVERIFY(f.cmdSortir->isVisible());
    QVERIFY(!f.crono->isActive());
    // Idle: nothing of a session, nothing that would do nothing.
    for (const char *nom :
         {"cmdCorregir", "cmdSegüent", "cmdInforme", "cmdAjuda", "txtProfessor", "Label23",
          "Label24",     "Label27",    "Label28",    "Label48",  "Label64",      "Label65",
          "Label77",     "Label78",    "Label79",    "Label80",  "Label85",      "Label90",
          "Line31",      "Line22",     "Label5",     "Label6",   "Text1",        "Text11",
          "Label7",      "Label29",    "Label37",    "cmdPrint", "lblNota",      "txtRuta_Arxiu"}) {
        QWidget *w = f.findChild<QWidget *>(QString::fromUtf8(nom));
        QVERIFY2(!w || !w->isVisible(), nom);
    }
    // With no exercise in hand the notes can be read (their option is ticked by default).
    QVERIFY(f.consulta().cmdTeoria->isVisible());
}

// The areas hidden in the idle window are made when first shown: absent at idle, then shown in
// their place. `boto` is pressed in the idle window; empty, a set is started.
void FinestraTest::arees_fetes_en_mostrar_se_data() {
    QTest::addColumn<QString>("boto");
    QTest::addColumn<QStringList>("controls");
    const QStringList serie{"Frame4",  "Label24", "cmdCorregir", "filaResposta", "Label64",
                            "Label65", "Line31",  "Label51(0)",  "Label79"};
    QTest::newRow("la sèrie") << QString() << serie;
    QTest::newRow("teoria") << "cmdTeoria" << QStringList{"Text6"};
    QTest::newRow("valències") << "cmdValències" << QStringList{"Taula81", "Label81"};
    QTest::newRow("guia") << "cmdHelp" << QStringList{"Text8"};
}

void FinestraTest::arees_fetes_en_mostrar_se() {
    QFETCH(QString, boto);
    QFETCH(QStringList, controls);
    Banc b;
    auto &f = b.finestra;
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    for (const char *nom : {"Frame4", "cmdCorregir", "cmdInforme", "txtProfessor", "Label64", "Label51(0)",
                            "Text6", "Text8", "Taula81", "lstRevisio"})
        QVERIFY2(!f.findChild<QWidget *>(QString::fromUtf8(nom)), nom);
    if (boto.isEmpty())
        b.comenca(f.opcions().Option1, true);
    else
        f.findChild<QPushButton *>(boto)->click();
    const auto &d = f.disposicio_finestra();
    for (const QString &nom : controls) {
        auto *w = f.findChild<QWidget *>(nom);
        QVERIFY2(w && w->isVisible(), qPrintable(nom));
        // Laid out for the window as it is now, as the controls made with the window are.
        const auto r = d.actual(w);
        constexpr int T = quimerix::disposicio::Twips_per_pixel;
        if (!dynamic_cast<quimerix::ui::Linia *>(w)) QCOMPARE(w->pos(), QPoint(r.a / T, r.b / T));
    }
}

// Made later, the areas still lie in the layers and come in the Tab order as they are made (the
// professor's comment, then the button that brings it up, right after the exercise's buttons).
void FinestraTest::arees_en_el_seu_lloc() {
    Banc b;
    auto &f = b.finestra;
    f.construeix_arees();
    QWidget *superficie = f.findChild<QWidget *>("superficie");
    const QObjectList capes = superficie->children();
    qsizetype capa = -1;
    for (const char *nom :
         {"Frame1", "cmdSave", "Frame4", "Label24", "Label80", "cmdCorregir", "Label64", "txtProfessor",
          "Label51(0)", "cmdPrint", "Text6", "lstRevisio", "Label86", "cmdTeoria"}) {
        const qsizetype i = capes.indexOf(f.findChild<QWidget *>(QString::fromUtf8(nom)));
        QVERIFY2(i > capa, nom);
        capa = i;
    }
    QStringList tab;
    for (QWidget *w = f.nextInFocusChain(); w != &f; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) tab << w->objectName();
    qsizetype ordre = -1;
    for (const char *nom : {"Check1", "cmdComençar", "cmdSave", "Text11", "Text13", "Text1", "cmdCorregir",
                            "cmdNova", "txtProfessor", "cmdAjuda", "cmdInforme", "cmdPrint", "cmdSortir",
                            "Text6", "Taula81", "txtRevisio", "cmdTeoria"}) {
        const qsizetype i = tab.indexOf(QString::fromUtf8(nom));
        QVERIFY2(i > ordre, nom);
        ordre = i;
    }
}

// ---- Options ----

void FinestraTest::families() {
    Banc b;
    auto &f = b.finestra;
    QCheckBox *families[] = {f.opcions().Check1, f.opcions().Check2, f.opcions().Check3, f.opcions().Check4,
                             f.opcions().Check6, f.opcions().Check7, f.opcions().Check5};
    for (QCheckBox *c : families)
        c->click();
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{1});
    QCOMPARE(b.missatges.rebuts[0].text, std::string("Cal seleccionar algun tipus d'exercici"));
    QCOMPARE(b.missatges.rebuts[0].titol, std::string(" Atenció !"));
    QVERIFY(b.missatges.rebuts[0].icona == Icona::Exclamacio);
    QVERIFY(!f.opcions().cmdComencar->isVisible());
    QVERIFY(f.opcions().Label48->isVisible());
    QVERIFY(!f.opcions().Label87->isVisible());
    QCOMPARE(f.opcions().Label47->text(), QString("0"));

    f.opcions().Check5->click(); // hydroxides alone
    QVERIFY(f.opcions().cmdComencar->isVisible());
    QVERIFY(!f.opcions().Label48->isVisible());
    QCOMPARE(f.opcions().Label47->text(), QString("37"));
    for (int i = 0; i < 20; ++i)
        f.opcions().Command2->click();
    QCOMPARE(f.opcions().Label45->text(), QString("37"));
    QCOMPARE(f.opcions().Label44->text(), QString("00:18:30"));
    for (int i = 0; i < 200; ++i)
        f.opcions().Command3->click();
    QCOMPARE(f.opcions().Label46->text(), QString("120"));
    for (int i = 0; i < 200; ++i) {
        f.opcions().Command4->click();
        f.opcions().Command1->click();
    }
    QCOMPARE(f.opcions().Label46->text(), QString("1"));
    QCOMPARE(f.opcions().Label45->text(), QString("1"));
    QCOMPARE(f.opcions().Label44->text(), QString("00:00:01"));

    f.opcions().Check11->click(); // no time limit: the time controls go
    QVERIFY(!f.opcions().Label46->isVisible() && !f.opcions().Command3->isVisible() &&
            !f.opcions().Command4->isVisible());
    QVERIFY(!f.opcions().Label44->isVisible());
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{1});
}

// ---- Start ----

void FinestraTest::inici_refusat_i_despres_acceptat_data() {
    QTest::addColumn<int>("preguntes"); // questions asked before the No
    QTest::newRow("sense fitxer") << 1;
    QTest::newRow("sense nom") << 2;
    QTest::newRow("sense data") << 3;
}

void FinestraTest::inici_refusat_i_despres_acceptat() {
    QFETCH(int, preguntes);
    Banc b;
    auto &f = b.finestra;
    f.opcions().Text14->clear();
    for (int i = 1; i < preguntes; ++i)
        b.missatges.respostes.push_back(true);
    b.missatges.respostes.push_back(false);
    f.opcions().cmdComencar->click();
    const std::vector<std::string> esperades = {Pregunta_arxiu, Pregunta_nom, Pregunta_data};
    QCOMPARE(b.missatges.textos(),
             std::vector<std::string>(esperades.begin(), esperades.begin() + preguntes));
    for (const auto &m : b.missatges.rebuts) {
        QCOMPARE(m.titol, std::string(" Atenció !"));
        QVERIFY(m.pregunta && m.icona == Icona::Informacio);
    }
    // Refused: the options stay editable.
    QVERIFY(f.opcions().cmdComencar->isVisible() && f.opcions().cmdComencar->isEnabled());
    QVERIFY(f.opcions().Check1->isEnabled() && f.opcions().Text10->isVisible() &&
            !f.opcions().Label29->isVisible());
    QVERIFY(!f.exercici().cmdSeguent->isVisible());

    b.missatges.rebuts.clear();
    f.opcions().cmdComencar->click(); // all Yes
    QCOMPARE(b.missatges.textos(), esperades);
    QVERIFY(!f.opcions().cmdComencar->isVisible());
    QVERIFY(!f.opcions().Check1->isEnabled() && f.opcions().Check1->isChecked());
    QVERIFY(f.opcions().Label29->isVisible());
    QCOMPARE(f.opcions().Label29->text(), QString("Òxids"));
    QVERIFY(!f.opcions().Text10->isVisible() && !f.opcions().Text14->isVisible() &&
            !f.opcions().Label45->isVisible());
    QVERIFY(f.exercici().cmdSeguent->isVisible());
    QVERIFY(f.estadistiques().cmdInforme->isVisible() && !f.estadistiques().cmdInforme->isEnabled());
    QVERIFY(!f.estadistiques().cmdAjuda->isVisible());
    QCOMPARE(f.opcions().Label87->text(), QString("Prem Següent per començar el primer exercici"));
    QVERIFY(!f.consulta().Label86->isVisible());
    QCOMPARE(f.xifres().Label27->text(), QString("25"));
    QCOMPARE(f.xifres().Label28->text(), QString("30"));
    QCOMPARE(f.xifres().Label24->text(), QString("0"));
    QVERIFY(f.estadistiques().Label64->isVisible() && f.estadistiques().Label65->isVisible());
    QCOMPARE(f.estadistiques().Label65->text(), QString("-----"));
}

// ---- Exercises ----

void FinestraTest::formula_correcta_i_despres_erronia() {
    Banc b;
    auto &f = b.finestra;
    b.comenca(f.opcions().Option1);
    QCOMPARE(f.xifres().Label24->text(), QString("1"));
    QCOMPARE(f.exercici().Label85->text(), QString("Formula:"));
    QVERIFY(f.exercici().Label7->isVisible() && !f.exercici().Label7->text().isEmpty());
    QVERIFY(!f.exercici().Text1->isVisible());
    QVERIFY(f.exercici().cmdCorregir->isVisible() && !f.exercici().cmdSeguent->isVisible());
    QVERIFY(!f.exercici().Line22->isVisible() && !f.exercici().Label5->isVisible() &&
            !f.exercici().Label6->isVisible());
    const auto &x = f.sessio().Exercici_actual();
    const auto caixes = b.caixes();
    for (int i = 0; i < 7; ++i)
        QCOMPARE(caixes[i]->isVisible(), x.visibles[i]);
    QCOMPARE(f.exercici().Label1->isVisible(), x.claudators);

    b.escriu_formula_correcta();
    f.exercici().cmdCorregir->click();
    QVERIFY(f.exercici().Label6->isVisible() && !f.exercici().Label5->isVisible());
    QVERIFY(!f.exercici().cmdCorregir->isVisible() && f.exercici().cmdSeguent->isVisible());
    QVERIFY(!f.estadistiques().cmdAjuda->isVisible());
    for (quimerix::ui::Linia *l :
         {f.exercici().Line22, f.exercici().Line26, f.exercici().Line29, f.exercici().Line30})
        QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
    for (quimerix::ui::Linia *l : {f.exercici().Line23, f.exercici().Line24, f.exercici().Line25,
                                   f.exercici().Line27, f.exercici().Line28})
        QVERIFY2(!l->isVisible(), qPrintable(l->objectName()));
    QCOMPARE(f.exercici().Line29->x1(), 440);
    QCOMPARE(f.exercici().Line30->x1(), 440);
    QVERIFY(!f.exercici().Label15->isVisible() && !f.exercici().Label17->isVisible());
    for (QLineEdit *c : caixes)
        QVERIFY(!c->isEnabled());

    f.exercici().cmdSeguent->click();
    QCOMPARE(f.xifres().Label24->text(), QString("2"));
    QVERIFY(!f.exercici().Label6->isVisible() && !f.exercici().Line22->isVisible());
    const auto &y = f.sessio().Exercici_actual();
    QTest::keyClicks(f.exercici().Text2, "Xx");
    f.exercici().cmdCorregir->click();
    QVERIFY(f.exercici().Label5->isVisible() && !f.exercici().Label6->isVisible());
    for (quimerix::ui::Linia *l : {f.exercici().Line22, f.exercici().Line23, f.exercici().Line24,
                                   f.exercici().Line25, f.exercici().Line26, f.exercici().Line27,
                                   f.exercici().Line28, f.exercici().Line29, f.exercici().Line30})
        QVERIFY2(l->isVisible(), qPrintable(l->objectName()));
    const QLabel *esperades[] = {f.exercici().Label15, f.exercici().Label16, f.exercici().Label17,
                                 f.exercici().Label18, f.exercici().Label19, f.exercici().Label20,
                                 f.exercici().Label21};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(esperades[i]->isVisible(), y.visibles[i]);
        QCOMPARE(esperades[i]->text(), qs(y.caixes[i]));
    }
    QCOMPARE(f.exercici().Label3->isVisible(), y.claudators && !y.caixes[quimerix::Subindex_grup].empty());
    QCOMPARE(f.exercici().Text2->text(), QString("Xx"));

    // What is wrong in the answer, over the comment, fitting its place at 800 x 600, and read
    // with the verdict.
    const auto &e = f.estadistiques();
    QString diagnosi;
    for (const quimerix::Troballa &t : f.sessio().diagnosi())
        diagnosi += (diagnosi.isEmpty() ? "" : "\n") + qs(t.text);
    QVERIFY(diagnosi.contains("Xx"));
    QVERIFY(e.lblDiagnosi->isVisible() && e.txtProfessor->isVisible() && !e.Label64->isVisible());
    QCOMPARE(e.lblDiagnosi->text(), diagnosi);
    QCOMPARE(f.exercici().Label5->accessibleDescription(), diagnosi);
    QVERIFY(e.lblDiagnosi->heightForWidth(e.lblDiagnosi->width()) <= e.lblDiagnosi->height());
    QVERIFY(e.lblDiagnosi->geometry().bottom() < e.txtProfessor->geometry().top());
    QVERIFY(e.txtProfessor->geometry().height() > 100);
    QCOMPARE(e.txtProfessor->toPlainText(), qs(y.Comentari).replace("\r\n", "\n"));

    // The professor's comment, and back to the statistics.
    QVERIFY(f.estadistiques().cmdAjuda->isVisible() && f.estadistiques().cmdAjuda->isEnabled());
    f.estadistiques().cmdAjuda->click();
    QVERIFY(f.estadistiques().txtProfessor->isVisible());
    QString comentari = qs(y.Comentari);
    comentari.replace("\r\n", "\n");
    QCOMPARE(f.estadistiques().txtProfessor->toPlainText(), comentari);
    QVERIFY(comentari.startsWith("   "));
    QVERIFY(!f.estadistiques().Label64->isVisible() && !f.estadistiques().Label65->isVisible() &&
            !f.estadistiques().Line31->isVisible());
    QVERIFY(!f.estadistiques().cmdAjuda->isEnabled());
    QVERIFY(f.estadistiques().cmdInforme->isEnabled());
    f.estadistiques().cmdInforme->click();
    QVERIFY(!f.estadistiques().txtProfessor->isVisible() && f.estadistiques().Label64->isVisible());
    QVERIFY(!f.estadistiques().cmdInforme->isEnabled() && f.estadistiques().cmdAjuda->isEnabled());
    // The next exercise hides the comment again.
    f.estadistiques().cmdAjuda->click();
    f.exercici().cmdSeguent->click();
    QVERIFY(!f.estadistiques().txtProfessor->isVisible() && !f.estadistiques().cmdAjuda->isVisible() &&
            f.estadistiques().Label64->isVisible() && !e.lblDiagnosi->isVisible());
    QVERIFY(f.exercici().Label5->accessibleDescription().isEmpty());
}

// ---- Options and answers set through the accessibility bus ----

// A screen reader or a voice control ticks a box with its toggle action, which sets the box
// without clicking it: the set must take it, and a redraw of the window must keep it.
void FinestraTest::opcions_per_l_accio_d_accessibilitat_data() {
    QTest::addColumn<QString>("nom");
    for (const char *nom :
         {"Check1", "Check7", "Check8", "Check10", "Check11", "Option1", "Option2", "Option4"})
        QTest::newRow(nom) << QString::fromUtf8(nom);
}

void FinestraTest::opcions_per_l_accio_d_accessibilitat() {
    QFETCH(QString, nom);
    Banc b;
    auto &f = b.finestra;
    auto *casella = f.findChild<QAbstractButton *>(nom);
    QVERIFY(casella);
    const bool abans = casella->isChecked();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(casella);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(casella->isChecked(), !abans);
    f.opcions().Command2->click(); // the window is drawn again from the set's options
    QCOMPARE(casella->isChecked(), !abans);
}

// Text set through the accessibility bus is the answer, as if typed.
void FinestraTest::resposta_posada_per_l_accessibilitat_data() {
    QTest::addColumn<bool>("anomenar");
    QTest::newRow("formula a les caixes") << false;
    QTest::newRow("nom") << true;
}

void FinestraTest::resposta_posada_per_l_accessibilitat() {
    QFETCH(bool, anomenar);
    Banc b;
    auto &f = b.finestra;
    b.comenca(anomenar ? f.opcions().Option2 : f.opcions().Option1);
    const auto &x = f.sessio().Exercici_actual();
    auto posa = [](QLineEdit *caixa, const std::string &text) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(caixa);
        QVERIFY(accessible && accessible->editableTextInterface());
        accessible->editableTextInterface()->replaceText(0, static_cast<int>(caixa->text().size()), qs(text));
    };
    if (anomenar) {
        posa(f.exercici().Text1, x.Nom_compost);
    } else {
        for (int i = 0; i < 7; ++i)
            if (x.visibles[i]) posa(b.caixes()[i], x.caixes[i]);
    }
    f.exercici().cmdCorregir->click();
    QVERIFY(f.exercici().Label6->isVisible() && !f.exercici().Label5->isVisible());
}

void FinestraTest::nom_amb_assistent_data() {
    QTest::addColumn<bool>("assistent");
    QTest::addColumn<bool>("descompost"); // the right name, accents as combining marks, odd spaces
    QTest::newRow("assistent activat") << true << false;
    QTest::newRow("assistent desactivat") << false << false;
    QTest::newRow("accents combinats, espai no separable, espai d'amplada zero") << false << true;
}

void FinestraTest::nom_amb_assistent() {
    QFETCH(bool, assistent);
    QFETCH(bool, descompost);
    Banc b;
    auto &f = b.finestra;
    if (!assistent) f.opcions().Check8->click();
    if (descompost) { // the student's name too goes into the session in normal form C
        f.opcions().Option2->click();
        f.opcions().Check11->click();
        f.opcions().Text10->setText(QString::fromUtf8("Ju\u0301lia\u00A0Puig\u200B"));
        f.opcions().cmdComencar->click();
        QCOMPARE(qs(f.sessio().dades().capcalera).left(26), QString("Nom i cognoms: Júlia Puig "));
    } else {
        b.comenca(f.opcions().Option2);
    }
    // Pass over exercises until one whose name carries accents.
    for (int i = 0; i < 20 && !te_accents(f.sessio().Exercici_actual().Nom_compost); ++i) {
        f.exercici().cmdCorregir->click();
        f.exercici().cmdSeguent->click();
    }
    const auto &x = f.sessio().Exercici_actual();
    QVERIFY(te_accents(x.Nom_compost));
    QCOMPARE(f.exercici().Label85->text(), QString("Anomena:"));
    QVERIFY(f.exercici().Text1->isVisible() && !f.exercici().Text11->isVisible() &&
            !f.exercici().Label7->isVisible());
    const QLabel *pregunta[] = {f.exercici().Label8,  f.exercici().Label9,  f.exercici().Label10,
                                f.exercici().Label11, f.exercici().Label12, f.exercici().Label13,
                                f.exercici().Label14};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(pregunta[i]->text(), qs(x.caixes[i]));
        QCOMPARE(pregunta[i]->isVisible(), x.visibles[i]);
    }
    // Subscripts are drawn smaller than their symbols.
    QVERIFY(f.exercici().Label11->font().pointSize() < f.exercici().Label10->font().pointSize());

    QString escrit = sense_accents_majuscules(qs(x.Nom_compost));
    if (descompost) {
        escrit = qs(x.Nom_compost).normalized(QString::NormalizationForm_D);
        escrit.replace(escrit.indexOf(' '), 1, QString(QChar(0x00A0)));
        escrit.insert(1, QChar(0x200B));
    }
    if (descompost) { // as an input method or a paste hands it over
        QInputMethodEvent entrada;
        entrada.setCommitString(escrit);
        QApplication::sendEvent(f.exercici().Text1, &entrada);
    } else {
        QTest::keyClicks(f.exercici().Text1, escrit);
    }
    f.exercici().cmdCorregir->click();
    const bool correcte = assistent || descompost;
    QCOMPARE(f.exercici().Label6->isVisible(), correcte);
    QCOMPARE(f.exercici().Label5->isVisible(), !correcte);
    QCOMPARE(f.exercici().Text1->text(), descompost ? qs(x.Nom_compost) : escrit); // as it was read
    QCOMPARE(f.exercici().Label22->isVisible(), !correcte);
    if (!correcte) {
        QCOMPARE(f.exercici().Label22->text(), qs(x.Nom_compost));
        QVERIFY(f.estadistiques().cmdAjuda->isVisible());
    }
}

void FinestraTest::temps_esgotat_amb_resposta_buida() {
    Banc b;
    auto &f = b.finestra;
    for (int i = 0; i < 24; ++i)
        f.opcions().Command4->click();
    QCOMPARE(f.opcions().Label46->text(), QString("6"));
    b.comenca(f.opcions().Option1, true);
    QCOMPARE(f.crono->interval(), 1000);
    QVERIFY(f.crono->isActive());
    QCOMPARE(f.xifres().Label28->text(), QString("6"));
    QCOMPARE(f.xifres().Label28->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    bool corregit_al_darrere = false;
    b.missatges.en_avis = [&] { corregit_al_darrere = f.exercici().Label5->isVisible(); };
    QWidget *caixa = QApplication::focusWidget();
    QVERIFY(caixa && caixa->accessibleDescription().isEmpty());
    f.tic_crono();
    QCOMPARE(f.xifres().Label28->text(), QString("5"));
    QCOMPARE(f.xifres().Label28->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // A screen reader hears the mark from the box the student is typing in, once.
    QCOMPARE(caixa->accessibleDescription(), QStringLiteral("Queden 5 segons"));
    for (int i = 0; i < 4; ++i)
        f.tic_crono();
    QCOMPARE(f.xifres().Label28->text(), QString("1"));
    QCOMPARE(caixa->accessibleDescription(), QStringLiteral("Queden 5 segons"));
    QVERIFY(f.exercici().cmdCorregir->isVisible());
    QVERIFY(b.missatges.rebuts.size() == 1); // the file question only
    f.tic_crono();
    QCOMPARE(f.xifres().Label28->text(), QString("0"));
    QVERIFY(f.exercici().Label5->isVisible());
    QVERIFY(f.exercici().cmdSeguent->isVisible() && !f.exercici().cmdCorregir->isVisible());
    QCOMPARE(b.missatges.rebuts.back().text, std::string("S'ha acabat el temps!"));
    QCOMPARE(b.missatges.rebuts.back().titol, std::string(" Atenció !"));
    QVERIFY(!b.missatges.rebuts.back().pregunta);
    QVERIFY(corregit_al_darrere);
    QVERIFY(!f.crono->isActive());
    QVERIFY(caixa->accessibleDescription().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.exercici().cmdSeguent);
    QVERIFY(f.exercici().cmdSeguent->accessibleDescription().startsWith(
        "Temps esgotat. Resposta esperada: " + qs(f.sessio().Exercici_actual().formula()) + "."));
    f.tic_crono(); // a late tick corrects nothing more
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{2});
    QCOMPARE(f.sessio().registre().Nombre_registres(), 1);
}

void FinestraTest::mode_alternat() {
    Banc b;
    auto &f = b.finestra;
    b.comenca(f.opcions().Option3);
    const bool primer_nom = f.exercici().Text1->isVisible();
    for (int i = 0; i < 4; ++i) {
        const bool nom = (i % 2 == 0) == primer_nom;
        QCOMPARE(f.exercici().Text1->isVisible(), nom);
        QCOMPARE(f.exercici().Label7->isVisible(), !nom);
        QCOMPARE(f.exercici().Label85->text(), nom ? QString("Anomena:") : QString("Formula:"));
        f.exercici().cmdCorregir->click();
        f.exercici().cmdSeguent->click();
    }
}

void FinestraTest::mode_aleatori_data() {
    QTest::addColumn<double>("atzar");
    QTest::addColumn<bool>("nom");
    QTest::newRow("sorteig 0,1: fórmula") << 0.1 << false;
    QTest::newRow("sorteig 0,9: nom") << 0.9 << true;
}

void FinestraTest::mode_aleatori() {
    QFETCH(double, atzar);
    QFETCH(bool, nom);
    Banc b;
    auto &f = b.finestra;
    b.font.constant = atzar;
    b.comenca(f.opcions().Option4);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(f.exercici().Text1->isVisible(), nom);
        QCOMPARE(f.exercici().Label7->isVisible(), !nom);
        f.exercici().cmdCorregir->click();
        f.exercici().cmdSeguent->click();
    }
}

void FinestraTest::estadistiques_i_historial_al_final_del_conjunt() {
    Banc b;
    auto &f = b.finestra;
    for (int i = 0; i < 22; ++i)
        f.opcions().Command1->click();
    QCOMPARE(f.opcions().Label45->text(), QString("3"));
    b.comenca(f.opcions().Option1);
    QCOMPARE(f.xifres().Label27->text(), QString("3"));
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(f.xifres().Label24->text(), QString::number(n));
        if (n != 2) b.escriu_formula_correcta();
        f.exercici().cmdCorregir->click();
        QCOMPARE(f.exercici().Label6->isVisible(), n != 2);
        // The history lags one exercise behind the correction.
        QCOMPARE(f.historial().Label79->text().isEmpty(), n == 1);
        f.exercici().cmdSeguent->click();
    }
    QVERIFY(f.exercici().Label80->isVisible());
    QCOMPARE(f.xifres().Label24->text(), QString("3"));
    QCOMPARE(b.missatges.rebuts.back().text,
             std::string("Has completat tots els exercicits. Vols imprimir-ne un informe?"));
    QCOMPARE(b.missatges.rebuts.back().titol, std::string(" Informació !"));
    for (QWidget *w : std::initializer_list<QWidget *>{
             f.exercici().cmdSeguent, f.exercici().cmdCorregir, f.exercici().Text1, f.exercici().Text11,
             f.exercici().Text2, f.exercici().Label7, f.exercici().Label8, f.estadistiques().cmdAjuda,
             f.estadistiques().txtProfessor, f.xifres().Label25, f.xifres().Label28})
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    QVERIFY(!f.opcions().Check11->isChecked());
    QVERIFY(!f.crono->isActive());
    QVERIFY(f.estadistiques().cmdInforme->isVisible());

    // Statistics: two right out of three.
    QCOMPARE(f.xifres().Label78->text(), QString("2 / 3"));
    QCOMPARE(f.xifres().Label78->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(f.xifres().Label90->text(), QString("67 %"));
    int comptats = 0;
    for (int k = 0; k < 12; ++k) {
        QLabel *cel = f.estadistiques().cel[k];
        QCOMPARE(cel->objectName(), QString("Label%1").arg(65 + k));
        QVERIFY(cel->isVisible() && f.estadistiques().titols[k]->isVisible());
        if (cel->text() != "-----") ++comptats;
    }
    QVERIFY(comptats >= 1);
    // History: three lines per column, newest first.
    const QStringList exercicis = f.historial().Label79->text().split('\n');
    const QStringList correccions = f.historial().Label83->text().split('\n');
    QCOMPARE(exercicis.size(), 3);
    QVERIFY(exercicis[0].startsWith("3  ") && exercicis[1].startsWith("2  ") &&
            exercicis[2].startsWith("1  "));
    QCOMPARE(correccions[0], QString("Correcte"));
    QVERIFY(correccions[1] != "Correcte");
    QCOMPARE(correccions[2], QString("Correcte"));
    QCOMPARE(f.historial().Label82->text().split('\n').size(), 3);
    QCOMPARE(f.historial().Label51[0]->text(), QString("Exercicis anteriors"));
    QCOMPARE(f.historial().Label51[1]->text(), QString("Resposta"));
    QCOMPARE(f.historial().Label51[2]->text(), QString("Correcció"));
}

void FinestraTest::el_text_del_professor_es_nomes_de_lectura() {
    Banc b;
    auto &f = b.finestra;
    b.comenca(f.opcions().Option1);
    f.exercici().cmdCorregir->click(); // empty: wrong
    f.estadistiques().cmdAjuda->click();
    const QString abans = f.estadistiques().txtProfessor->toPlainText();
    QVERIFY(!abans.isEmpty());
    f.estadistiques().txtProfessor->setFocus();
    QTest::keyClicks(f.estadistiques().txtProfessor, "abc");
    QTest::keyClick(f.estadistiques().txtProfessor, Qt::Key_Backspace);
    QTest::keyClick(f.estadistiques().txtProfessor, Qt::Key_Delete);
    QCOMPARE(f.estadistiques().txtProfessor->toPlainText(), abans);
}

void FinestraTest::conjunt_nomes_amb_teclat() {
    Banc b;
    auto &f = b.finestra;
    QVERIFY(QTest::qWaitForWindowActive(&f));
    // The options and the start, by keyboard too: Space on a box, Enter on a button.
    f.opcions().Command1->setFocus();
    for (int i = 0; i < 23; ++i)
        QTest::keyClick(f.opcions().Command1, Qt::Key_Return);
    QCOMPARE(f.opcions().Label45->text(), QString("2"));
    f.opcions().Option1->setFocus();
    QTest::keyClick(f.opcions().Option1, Qt::Key_Space);
    f.opcions().Check11->setFocus();
    QTest::keyClick(f.opcions().Check11, Qt::Key_Space);
    QVERIFY(!f.opcions().Check11->isChecked());
    f.opcions().Text10->setFocus();
    QTest::keyClicks(f.opcions().Text10, "Anna Puig");
    f.opcions().cmdComencar->setFocus();
    QTest::keyClick(f.opcions().cmdComencar, Qt::Key_Return);
    QCOMPARE(f.sessio().estat(), Estat::Pregunta);
    for (int n = 1; n <= 2; ++n) {
        const auto &x = f.sessio().Exercici_actual();
        const auto caixes = b.caixes();
        bool primera = true;
        for (int i = 0; i < 7; ++i) {
            if (!x.visibles[i]) continue;
            if (primera)
                QCOMPARE(QApplication::focusWidget(), caixes[i]); // the first box has the focus
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            primera = false;
            QCOMPARE(QApplication::focusWidget(), caixes[i]);
            escriu_i_prem_enter(qs(x.caixes[i]));
        }
        enter();
        QVERIFY2(f.exercici().Label6->isVisible(), qPrintable(QString::number(n)));
        QCOMPARE(f.sessio().registre().Nombre_registres(), n);
        QTest::qWait(quimerix::ui::Espera_enter_ms + 50); // the correction read
        enter();
    }
    QVERIFY(f.exercici().Label80->isVisible());
    QCOMPARE(f.xifres().Label24->text(), QString("2"));
    QCOMPARE(f.sessio().estadistiques().Encerts_totals, 2);
}

void FinestraTest::enter_mantingut_no_salta() {
    Banc b;
    auto &f = b.finestra;
    b.comenca(f.opcions().Option1);
    QKeyEvent premut(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", false);
    QKeyEvent repetit(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(f.exercici().Text2, &premut);
    QCOMPARE(f.sessio().estat(), Estat::Corregit);
    QApplication::sendEvent(f.exercici().cmdSeguent, &repetit);
    QApplication::sendEvent(f.exercici().cmdSeguent, &repetit);
    QCOMPARE(f.sessio().estat(), Estat::Corregit);
    QCOMPARE(f.xifres().Label24->text(), QString("1"));
    QCOMPARE(f.sessio().registre().Nombre_registres(), 1);
    // A fresh press just after the correction (a double press 30 ms apart) does not skip it.
    QTest::qWait(30);
    QApplication::sendEvent(f.exercici().cmdSeguent, &premut);
    QCOMPARE(f.sessio().estat(), Estat::Corregit);
    QCOMPARE(f.xifres().Label24->text(), QString("1"));
    QTest::qWait(quimerix::ui::Espera_enter_ms);
    QApplication::sendEvent(f.exercici().cmdSeguent, &premut);
    QCOMPARE(f.xifres().Label24->text(), QString("2"));
    QCOMPARE(f.sessio().estat(), Estat::Pregunta);
}

void FinestraTest::enter_sobre_un_boto_amb_focus_el_prem() {
    Banc b;
    auto &f = b.finestra;
    QVERIFY(QTest::qWaitForWindowActive(&f));
    b.comenca(f.opcions().Option1);
    f.exercici().cmdCorregir->click(); // empty: wrong
    f.estadistiques().cmdAjuda->setFocus();
    QTest::keyClick(f.estadistiques().cmdAjuda, Qt::Key_Return);
    QVERIFY(f.estadistiques().txtProfessor->isVisible()); // the comment, not the next exercise
    QCOMPARE(f.xifres().Label24->text(), QString("1"));
    QCOMPARE(f.sessio().estat(), Estat::Corregit);
    b.missatges.respostes = {false};
    f.cmdSortir->setFocus();
    QTest::keyClick(f.cmdSortir, Qt::Key_Return);
    QCOMPARE(b.missatges.textos().back(), std::string("Segur que vols sortir del programa?"));
    QVERIFY(f.isVisible());
    QCOMPARE(f.sessio().estat(), Estat::Corregit);
}

void FinestraTest::nom_llarg_sense_farciment() {
    Banc b;
    auto &f = b.finestra;
    const QString nom(70, QChar('x'));
    QTest::keyClicks(f.opcions().Text10, nom);
    QCOMPARE(f.opcions().Text10->text(), nom);
    f.opcions().Check11->click();
    f.opcions().cmdComencar->click();
    QCOMPARE(qs(f.sessio().Capcalera_sessio()),
             "Nom i cognoms: " + nom + "  Data: " + f.opcions().Text14->text());
}

// A line break or a tab pasted into any box arrives as a space.
void FinestraTest::caracters_de_control_enganxats_esdevenen_espais() {
    Banc b;
    auto &f = b.finestra;
    for (QLineEdit *caixa : {f.opcions().Text10, f.opcions().Text14, f.exercici().Text1, f.exercici().Text11,
                             f.exercici().Text5}) {
        caixa->clear();
        caixa->insert(QStringLiteral("A\tb\r\n"));
        QCOMPARE(caixa->text(), QStringLiteral("A b  ").left(caixa->maxLength()));
    }
}

// ---- Layout ----

void FinestraTest::redimensionar_escala_els_controls() {
    Banc b;
    auto &f = b.finestra;
    const int punts = f.cmdSortir->font().pointSize();
    QCOMPARE(f.disposicio_finestra().percent_amplada(), 100);
    QCOMPARE(f.cmdSortir->geometry(), QRect(698, 562, 94, 32));
    f.resize(1024, 768);
    QApplication::processEvents();
    QCOMPARE(f.centralWidget()->size(), QSize(1024, 768));
    QCOMPARE(f.disposicio_finestra().percent_amplada(), 128);
    QCOMPARE(f.disposicio_finestra().percent_alcada(), 128);
    // 698 px = 10470 twips -> 13401 twips; 562 px = 8430 -> 10790.
    QCOMPARE(f.disposicio_finestra().actual(f.cmdSortir).a, 13401);
    QCOMPARE(f.cmdSortir->geometry(),
             QRect(13401 / 15, 10790 / 15, 94 * 15 * 128 / 100 / 15, 32 * 15 * 128 / 100 / 15));
    QCOMPARE(f.exercici().Line25->y1(), 176 * 15 * 128 / 100 / 15);
    QCOMPARE(f.exercici().Line25->x2(), 704 * 15 * 128 / 100 / 15);
    QCOMPARE(f.cmdSortir->font().pointSize(), punts); // fonts are not scaled
    f.resize(800, 600);
    QApplication::processEvents();
    QCOMPARE(f.cmdSortir->geometry(), QRect(698, 562, 94, 32));
}

void FinestraTest::finestra_dins_l_area_de_treball() {
    Banc b;
    auto &f = b.finestra;
    const QRect area = f.screen()->availableGeometry();
    f.resize(area.width() + 300, area.height() + 200);
    QApplication::processEvents();
    QVERIFY(f.frameGeometry().height() <= area.height());
    QVERIFY(f.frameGeometry().width() <= area.width());
}

// In every state no two visible controls share a mnemonic and every control the keyboard reaches
// has a name a screen reader can say; the options' Alt+letter reach their controls; the keyboard
// waits on "Següent" whenever it is the next step, carrying what was corrected, and Alt+S presses it.
void FinestraTest::focus_mnemonics_i_noms_en_cada_estat() {
    Banc b;
    auto &f = b.finestra;
    QVERIFY(QTest::qWaitForWindowActive(&f));
    auto comprova = [&f] {
        QVERIFY(prova::mnemonics_unics(f));
        QCOMPARE(prova::sense_nom(f), QStringList());
    };
    comprova();
    auto &o = f.opcions();
    const struct {
        Qt::Key tecla;
        QWidget *control;
    } tecles[] = {{Qt::Key_G, o.Text10},  {Qt::Key_A, o.Text14},  {Qt::Key_X, o.txtExamen},
                  {Qt::Key_M, o.Option2}, {Qt::Key_L, o.Option3}, {Qt::Key_T, o.Option4},
                  {Qt::Key_F, o.Option1}, {Qt::Key_C, o.Check8},  {Qt::Key_B, o.Check10}};
    for (const auto &t : tecles) {
        QTest::keyClick(&f, t.tecla, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), t.control);
    }
    // A box's or an option's mnemonic also ticks it, as a click would.
    QTRY_VERIFY(o.Option1->isChecked() && !o.Check8->isChecked() && !o.Check10->isChecked());
    QVERIFY(!f.sessio().opcions().assistent && !f.sessio().opcions().consulta);
    o.Text10->setText(QStringLiteral("Anna Puig"));
    o.cmdComencar->click(); // with the time limit: the set waits for "Següent"
    QCOMPARE(f.sessio().estat(), Estat::Iniciada);
    QCOMPARE(QApplication::focusWidget(), f.exercici().cmdSeguent);
    comprova();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); // an animated click
    QTRY_COMPARE(f.sessio().estat(), Estat::Pregunta);
    comprova();
    f.exercici().cmdCorregir->click();
    QCOMPARE(QApplication::focusWidget(), f.exercici().cmdSeguent);
    QVERIFY(f.exercici().cmdSeguent->accessibleDescription().startsWith(
        "Incorrecte. Resposta esperada: " + qs(f.sessio().Exercici_actual().formula()) + ". "));
    comprova();
    // The professor's comment, which a wrong answer brings up, is the next Tab.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.estadistiques().txtProfessor);
    f.estadistiques().cmdInforme->click();
    QCOMPARE(QApplication::focusWidget(), f.exercici().cmdSeguent);
    comprova();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(f.xifres().Label24->text(), QString("2"));
    QVERIFY(f.sessio().estat() == Estat::Pregunta);
    b.escriu_formula_correcta();
    f.exercici().cmdCorregir->click();
    QCOMPARE(f.exercici().cmdSeguent->accessibleDescription(), QStringLiteral("Correcte."));
    comprova();
}

// ---- Date, exit ----

// The date box starts with today's date written day/month/year, whatever the system's language,
// and asks about a date typed later than today: Yes keeps it, No puts today's date back.
void FinestraTest::data_futura_pregunta_data() {
    QTest::addColumn<int>("dies");      // days from today; none: not a date
    QTest::addColumn<QString>("forma"); // how the student writes it
    QTest::addColumn<bool>("pregunta");
    QTest::addColumn<bool>("resposta");
    QTest::newRow("avui") << 0 << "dd/MM/yyyy" << false << false;
    QTest::newRow("ahir, curta") << -1 << "d/M/yy" << false << false;
    QTest::newRow("fa quaranta dies") << -40 << "dd/MM/yyyy" << false << false;
    QTest::newRow("demà, No") << 1 << "dd/MM/yyyy" << true << false;
    QTest::newRow("demà, curta, Sí") << 1 << "d/M/yy" << true << true;
    QTest::newRow("l'any vinent, guions, No") << 365 << "d-M-yyyy" << true << false;
    QTest::newRow("no és una data") << 0 << "" << false << false;
}

void FinestraTest::data_futura_pregunta() {
    QFETCH(int, dies);
    QFETCH(QString, forma);
    QFETCH(bool, pregunta);
    QFETCH(bool, resposta);
    Banc b;
    QLineEdit *Text14 = b.finestra.opcions().Text14;
    const QString avui = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    QCOMPARE(Text14->text(), avui);
    QCOMPARE(quimerix::ui::PanellOpcions::data_avui(), avui);
    const QString text =
        forma.isEmpty() ? QStringLiteral("dilluns") : QDate::currentDate().addDays(dies).toString(forma);
    b.missatges.respostes = {resposta};
    Text14->selectAll();
    QTest::keyClicks(Text14, text);
    QCOMPARE(!b.missatges.rebuts.empty(), pregunta);
    if (!pregunta) return;
    QCOMPARE(b.missatges.rebuts.back().text,
             std::string("La data introduida és superior a l'actual. Vols deixar aquesta?"));
    QCOMPARE(b.missatges.rebuts.back().titol, std::string(" Atenció !"));
    QCOMPARE(Text14->text(), resposta ? text : avui);
}

void FinestraTest::pregunta_de_sortida_data() {
    QTest::addColumn<bool>("boto");
    QTest::newRow("cmdSortir") << true;
    QTest::newRow("botó de tancar la finestra") << false;
}

void FinestraTest::pregunta_de_sortida() {
    QFETCH(bool, boto);
    Banc b;
    auto &f = b.finestra;
    b.comenca(f.opcions().Option1, true);
    QTest::keyClicks(f.exercici().Text2, "O");
    b.missatges.rebuts.clear();
    b.missatges.respostes = {false};
    if (boto)
        f.cmdSortir->click();
    else
        f.close();
    QCOMPARE(b.missatges.textos(), std::vector<std::string>{"Segur que vols sortir del programa?"});
    QVERIFY(b.missatges.rebuts[0].icona == Icona::Exclamacio && b.missatges.rebuts[0].pregunta);
    QVERIFY(f.isVisible());
    QCOMPARE(f.exercici().Text2->text(), QString("O"));
    QCOMPARE(f.sessio().estat(), Estat::Pregunta);
    QVERIFY(f.crono->isActive());
    b.missatges.respostes = {true};
    if (boto)
        f.cmdSortir->click();
    else
        f.close();
    QVERIFY(!f.isVisible());
    QCOMPARE(b.missatges.rebuts.size(), std::size_t{2});
}

PROVA_MAIN(FinestraTest)
#include "finestra_test.moc"
