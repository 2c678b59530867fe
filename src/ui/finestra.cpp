#include "finestra.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "text/normalitza.h"
#include "arxius_finestra.h"
#include "linia.h"
#include "panell_consulta.h"

namespace quimerix::ui {

using disposicio::Rectangle;
using disposicio::Tipus;

namespace {

constexpr int T = disposicio::Twips_per_píxel;

// Design geometry given in pixels of the 800 x 600 design.
Rectangle px(int x, int y, int w, int h) {
    return {x * T, y * T, w * T, h * T};
}

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

// Typed text as the core reads it (the same reading as the command-line tool's).
std::string entrada(const QString &text) {
    return normalitza_entrada(text.toStdString());
}

// Captions joined by CR LF are shown line by line.
QString en_línies(const std::string &s) {
    QString q = qs(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

QColor color_qt(Color c) {
    switch (c) {
    case Color::Vermell:
        return QColor(255, 0, 0);
    case Color::Blau:
        return QColor(0, 0, 255);
    case Color::Negre:
        break;
    }
    return QColor(0, 0, 0);
}

void pinta(QLabel *l, const QColor &c) {
    QPalette p = l->palette();
    if (p.color(QPalette::WindowText) == c) return;
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

void mida_lletra(QWidget *w, int punts, bool negreta = false) {
    QFont f = w->font();
    f.setPointSize(punts);
    f.setBold(negreta);
    w->setFont(f);
}

// Middle of the correction frame, in design pixels: the name task gives the expected name more room.
constexpr int Mig_formular = 440;
constexpr int Mig_anomenar = 416;

} // namespace

// The session's questions pass through here so that the window already shows the state they
// are about (a correction behind "S'ha acabat el temps!", the end of the set behind the report
// question).
class frmQUIMERIX::Pont final : public Missatges {
  public:
    Pont(frmQUIMERIX &finestra, Missatges &missatges) : finestra_(finestra), missatges_(missatges) {}
    bool pregunta(const std::string &títol, const std::string &text, Icona icona) override {
        finestra_.refresca();
        return missatges_.pregunta(títol, text, icona);
    }
    void avisa(const std::string &títol, const std::string &text, Icona icona) override {
        finestra_.refresca();
        missatges_.avisa(títol, text, icona);
    }

  private:
    frmQUIMERIX &finestra_;
    Missatges &missatges_;
};

frmQUIMERIX::frmQUIMERIX(FontAleatoria &aleatori, Missatges &missatges, QWidget *pare)
    : QMainWindow(pare), pont_(std::make_unique<Pont>(*this, missatges)), missatges_(missatges) {
    setObjectName(QStringLiteral("frmQUIMERIX"));
    setWindowTitle(QStringLiteral("QUIMERIX"));
    QFont lletra = font();
    lletra.setPointSize(8);
    setFont(lletra);

    sessió_ = std::make_unique<Sessió>(aleatori, *pont_);
    sessió_->en_imprimir = [this](const Sessió &s) { imprimeix_informe(s.dades()); };

    superfície_ = new QWidget(this);
    superfície_->setObjectName(QStringLiteral("superficie"));
    setCentralWidget(superfície_);
    disposició_ = std::make_unique<Disposició>(superfície_);
    superfície_->installEventFilter(this);

    construeix();
    connecta();
    // A set read back from its file shows its own statistics captions.
    arxius_->mostra_estadístiques = [this](const DadesSessió &d) {
        for (std::size_t k = 0; k < cel_estadístiques.size(); ++k)
            cel_estadístiques[k]->setText(qs(d.text_estadístiques[k]));
        Label77->setText(qs(d.text_estadístiques[12]));
        Label78->setText(qs(d.text_estadístiques[13]));
    };

    // The window fills the screen's work area in proportion to the 800 x 600 design.
    if (QScreen *pantalla = QGuiApplication::primaryScreen())
        resize(pantalla->availableGeometry().size());
    else
        resize(800, 600);

    refresca();
}

frmQUIMERIX::~frmQUIMERIX() = default;

QString frmQUIMERIX::data_avui() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

void frmQUIMERIX::construeix() {
    QWidget *s = superfície_;
    Disposició &d = *disposició_;
    auto etiqueta = [&](const char *nom, const QString &text, Rectangle r) {
        auto *l = new QLabel(text, s);
        l->setObjectName(QString::fromUtf8(nom));
        d.registra(l, Tipus::Ordinari, r);
        return l;
    };
    auto botó = [&](const char *nom, const QString &text, const QString &consell, Rectangle r) {
        auto *b = new QPushButton(text, s);
        b->setObjectName(QString::fromUtf8(nom));
        b->setToolTip(consell);
        d.registra(b, Tipus::Ordinari, r);
        return b;
    };
    auto casella = [&](const char *nom, const QString &text, const QString &consell, Rectangle r) {
        auto *c = new QCheckBox(text, s);
        c->setObjectName(QString::fromUtf8(nom));
        c->setToolTip(consell);
        c->setChecked(true);
        d.registra(c, Tipus::Ordinari, r);
        return c;
    };
    auto opció = [&](const char *nom, const QString &text, const QString &consell, Rectangle r) {
        auto *o = new QRadioButton(text, s);
        o->setObjectName(QString::fromUtf8(nom));
        o->setToolTip(consell);
        d.registra(o, Tipus::Ordinari, r);
        return o;
    };
    auto marc = [&](const char *nom, const QString &títol, Rectangle r) {
        auto *g = new QGroupBox(títol, s);
        g->setObjectName(QString::fromUtf8(nom));
        d.registra(g, Tipus::Ordinari, r);
        return g;
    };
    auto línia = [&](const char *nom, int x1, int y1, int x2, int y2) {
        auto *l = new Línia(s);
        l->setObjectName(QString::fromUtf8(nom));
        d.registra(l, Tipus::Línia, px(x1, y1, x2, y2));
        return l;
    };

    // ---- Frames first, so that they lie behind what they hold ----
    Frame1 = marc("Frame1", QStringLiteral("Tipus de compostos"), px(8, 240, 292, 158));
    Frame2 = marc("Frame2", QStringLiteral("Tipus d'exercicis"), px(8, 402, 292, 76));
    Frame3 = marc("Frame3", QStringLiteral("Opcions"), px(8, 482, 292, 54));
    Frame4 = marc("Frame4", QStringLiteral("Sessió"), px(4, 36, 146, 142));

    // ---- Options ----
    const char *noms_famílies[] = {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7"};
    const QString títols_famílies[] = {
        QStringLiteral("Òxids"),         QStringLiteral("Hidrurs"),
        QStringLiteral("Sals binàries"), QStringLiteral("Compostos binàris no metall-no metall"),
        QStringLiteral("Hidròxids"),     QStringLiteral("Oxoàcids"),
        QStringLiteral("Oxosals")};
    const QString consells_famílies[] = {
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'òxids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'hidrurs"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis de sals binàries"),
        QStringLiteral(
            "Assenyala aquesta casella si vols exercicis de compostos binàris No metall-No metall"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'hidròxids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'oxoàcids"),
        QStringLiteral("Assenyala aquesta casella si vols exercicis d'oxosals")};
    QCheckBox **famílies[] = {&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7};
    for (int i = 0; i < 7; ++i)
        *famílies[i] = casella(noms_famílies[i], títols_famílies[i], consells_famílies[i],
                               px(16, 257 + 20 * i, 280, 19));

    Option1 = opció("Option1", QStringLiteral("Formular"),
                    QStringLiteral("Assenyala aquesta opció si només vols exercicis de FORMULAR"),
                    px(16, 419, 120, 19));
    Option2 =
        opció("Option2", QStringLiteral("Anomenar"),
              QStringLiteral("Assenyala aquesta opció si només vols exercicis d'ANOMENAR (Nomenclatura)"),
              px(140, 419, 150, 19));
    Option3 = opció(
        "Option3", QStringLiteral("Formular i anomenar (alternat)"),
        QStringLiteral("Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma alterna"),
        px(16, 438, 276, 19));
    Option4 = opció(
        "Option4", QStringLiteral("Formular i anomenar (aleatori)"),
        QStringLiteral("Assenyala aquesta opció si vols exercicis de FORMULAR i ANOMENAR de forma aleatoria"),
        px(16, 457, 276, 19));
    Option3->setChecked(true);

    Check8 =
        casella("Check8", QStringLiteral("Assistent ortogràfic"),
                QStringLiteral("Assenyala aquesta casella si vols que l'ordinador corregeixi automàticament "
                               "petites errades com els accents, majúscules, etc."),
                px(16, 498, 276, 18));
    Check11 = casella("Check11", QStringLiteral("Limitar temps per resposta"),
                      QStringLiteral("Assenyala aquesta casella si vols tenir un temps limitat per respota"),
                      px(16, 516, 276, 18));
    Check10 =
        casella("Check10", QStringLiteral("Apunts de teoria, símbols i valències consultables"),
                QStringLiteral("Assenyala aquesta casella si vols tenir accés a la consulta dels apunts, els "
                               "símbols dels elements i la taula de valències."),
                px(306, 516, 384, 18));

    // Frozen captions: plain labels beside the tick marks once the session has started.
    const struct {
        QLabel **label;
        const char *nom;
        QAbstractButton *opció;
    } congelades[] = {
        {&Label29, "Label29", Check1},  {&Label30, "Label30", Check2},  {&Label31, "Label31", Check3},
        {&Label32, "Label32", Check4},  {&Label33, "Label33", Check5},  {&Label34, "Label34", Check6},
        {&Label35, "Label35", Check7},  {&Label36, "Label36", Check8},  {&Label37, "Label37", Check10},
        {&Label38, "Label38", Check11}, {&Label39, "Label39", Option1}, {&Label40, "Label40", Option2},
        {&Label42, "Label42", Option3}, {&Label43, "Label43", Option4}};
    for (const auto &c : congelades) {
        const Rectangle r = d.registre(c.opció);
        *c.label = etiqueta(c.nom, c.opció->text(), {r.a + 20 * T, r.b, r.c - 20 * T, r.d});
    }

    Label84 = etiqueta("Label84", QStringLiteral("Nombre d'exercicis:"), px(314, 252, 200, 20));
    Command1 = botó("Command1", QStringLiteral("-"), QStringLiteral("Disminueix el nombre d'exercicis"),
                    px(520, 250, 26, 24));
    Label45 = etiqueta("Label45", QStringLiteral("25"), px(548, 252, 44, 20));
    Command2 = botó("Command2", QStringLiteral("+"), QStringLiteral("Augmenta el nombre d'exercicis"),
                    px(594, 250, 26, 24));
    Label93 = etiqueta("Label93", QStringLiteral("Temps per resposta (segons):"), px(314, 282, 200, 20));
    Command4 = botó("Command4", QStringLiteral("-"),
                    QStringLiteral("Disminueix el temps de resposta de cada exercici"), px(520, 280, 26, 24));
    Label46 = etiqueta("Label46", QStringLiteral("30"), px(548, 282, 44, 20));
    Command3 = botó("Command3", QStringLiteral("+"),
                    QStringLiteral("Augmenta el temps de resposta de cada exercici"), px(594, 280, 26, 24));
    Label50 = etiqueta("Label50", QStringLiteral("Nombre màxim de compostos diferents que es poden generar:"),
                       px(314, 312, 290, 30));
    Label47 = etiqueta("Label47", QString(), px(610, 318, 76, 20));
    Label49 = etiqueta("Label49",
                       QStringLiteral("Previsió de temps aproximat per completar els exercicis (hh:mm:ss):"),
                       px(314, 346, 290, 30));
    Label44 = etiqueta("Label44", QString(), px(610, 352, 76, 20));
    for (QLabel *l : {Label45, Label46})
        l->setAlignment(Qt::AlignCenter);
    for (QLabel *l : {Label45, Label46, Label47, Label44})
        mida_lletra(l, 9, true);
    for (QLabel *l : {Label50, Label49})
        l->setWordWrap(true);

    Label41 = etiqueta("Label41", QStringLiteral("Nom i cognoms:"), px(314, 396, 100, 20));
    Text10 = new QLineEdit(s);
    Text10->setObjectName(QStringLiteral("Text10"));
    Text10->setMaxLength(100);
    d.registra(Text10, Tipus::Ordinari, px(414, 394, 272, 24));
    Label88 = etiqueta("Label88", QStringLiteral("Data:"), px(314, 426, 100, 20));
    Text14 = new QLineEdit(data_avui(), s);
    Text14->setObjectName(QStringLiteral("Text14"));
    d.registra(Text14, Tipus::Ordinari, px(414, 424, 100, 24));
    cmdComençar = botó("cmdComençar", QStringLiteral("D'acord"), QString(), px(576, 470, 110, 32));
    arxius_ = std::make_unique<ArxiusFinestra>(s, d, *sessió_, *pont_);

    Label87 = etiqueta("Label87", QString(), px(152, 130, 540, 30));
    Label48 = etiqueta("Label48", QStringLiteral("Selecciona algun tipus d'exercici"), px(152, 130, 540, 30));
    Label80 = etiqueta("Label80", QStringLiteral("S'han completat tots els exercicis"), px(152, 64, 540, 30));
    mida_lletra(Label87, 11, true);
    mida_lletra(Label48, 11, true);
    mida_lletra(Label80, 12, true);
    pinta(Label48, QColor(255, 0, 0));
    pinta(Label87, QColor(0, 0, 128));

    // ---- Session figures ----
    Label23 = etiqueta("Label23", QStringLiteral("Exercici"), px(12, 56, 52, 18));
    Label24 = etiqueta("Label24", QStringLiteral("0"), px(64, 56, 30, 18));
    Label26 = etiqueta("Label26", QStringLiteral("de"), px(96, 56, 16, 18));
    Label27 = etiqueta("Label27", QString(), px(112, 56, 34, 18));
    Label24->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    mida_lletra(Label24, 9, true);
    mida_lletra(Label27, 9, true);
    Line1 = línia("Line1", 10, 78, 144, 78);
    Line2 = línia("Line2", 10, 112, 144, 112);
    Line3 = línia("Line3", 10, 78, 10, 112);
    Line4 = línia("Line4", 144, 78, 144, 112);
    Label25 = etiqueta("Label25", QStringLiteral("Temps:"), px(16, 86, 48, 18));
    Label28 = etiqueta("Label28", QString(), px(66, 80, 72, 30));
    Label28->setAlignment(Qt::AlignCenter);
    mida_lletra(Label28, 16, true);
    Label77 = etiqueta("Label77", QStringLiteral("Encerts sobre el total:"), px(12, 118, 134, 16));
    Label78 = etiqueta("Label78", QStringLiteral("0 / 0"), px(12, 134, 134, 18));
    Label91 = etiqueta("Label91", QStringLiteral("Encerts:"), px(12, 156, 56, 18));
    Label90 = etiqueta("Label90", QStringLiteral("----"), px(68, 154, 78, 20));
    mida_lletra(Label78, 10, true);
    mida_lletra(Label90, 10, true);

    // ---- Question ----
    Label85 = etiqueta("Label85", QString(), px(152, 40, 120, 18));
    mida_lletra(Label85, 9, true);
    Label7 = etiqueta("Label7", QString(), px(152, 60, 540, 40));
    mida_lletra(Label7, 13, true);

    // Formula pieces sit in rows: a symbol in a large font, its subscript smaller and lowered.
    auto fila = [&](const char *nom, Rectangle r) {
        auto *w = new QWidget(s);
        w->setObjectName(QString::fromUtf8(nom));
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(1);
        d.registra(w, Tipus::Ordinari, r);
        return std::pair{w, l};
    };
    auto peça = [&](QWidget *pare, const char *nom, int punts, bool negreta = true) {
        auto *l = new QLabel(pare);
        l->setObjectName(QString::fromUtf8(nom));
        mida_lletra(l, punts, negreta);
        return l;
    };

    auto [pregunta, fila_pregunta] = fila("filaPregunta", px(152, 58, 440, 46));
    fila_pregunta_ = fila_pregunta;
    Label8 = peça(pregunta, "Label8", 18);
    Label9 = peça(pregunta, "Label9", 12);
    Label10 = peça(pregunta, "Label10", 18);
    Label11 = peça(pregunta, "Label11", 12);
    Label12 = peça(pregunta, "Label12", 18);
    Label13 = peça(pregunta, "Label13", 12);
    Label14 = peça(pregunta, "Label14", 12);
    Label1 = peça(pregunta, "Label1", 18, false);
    Label2 = peça(pregunta, "Label2", 18, false);
    Label1->setText(QStringLiteral("("));
    Label2->setText(QStringLiteral(")"));

    auto [resposta, fila_resposta] = fila("filaResposta", px(152, 106, 420, 44));
    fila_resposta_ = fila_resposta;
    auto caixa = [&](const char *nom, const QString &consell, const QString &nom_accessible, Caixa quina,
                     int amplada) {
        auto *t = new QLineEdit(resposta);
        t->setObjectName(QString::fromUtf8(nom));
        t->setToolTip(consell);
        t->setAccessibleName(nom_accessible);
        t->setMaxLength(static_cast<int>(Mida_caixa[quina]));
        t->setFixedWidth(amplada);
        t->setAlignment(Qt::AlignCenter);
        return t;
    };
    const QString element = QStringLiteral("Element");
    const QString subíndex = QStringLiteral("Subíndex");
    Text11 = caixa("Text11", element, element, Símbol1, 34);
    Text12 = caixa("Text12", subíndex, subíndex, Subíndex1, 22);
    Text2 = caixa("Text2", element, element, Símbol2, 34);
    Text3 = caixa("Text3", subíndex, subíndex, Subíndex2, 22);
    Text4 = caixa("Text4", element, element, Símbol3, 34);
    Text5 = caixa("Text5", QStringLiteral("Suníndex"), subíndex, Subíndex3, 40);
    Text13 = caixa("Text13", subíndex, subíndex, Subíndex_grup, 22);
    for (QLineEdit *t : {Text11, Text2, Text4})
        mida_lletra(t, 12, true);
    for (QLineEdit *t : {Text12, Text3, Text5, Text13})
        mida_lletra(t, 9, true);
    // A subscript sits lower than its symbol by a fixed amount, whatever the row's height.
    auto posa = [](QHBoxLayout *fila, QWidget *w, int baixada) {
        auto *columna = new QVBoxLayout;
        columna->setContentsMargins(0, 0, 0, 0);
        columna->setSpacing(0);
        columna->addSpacing(baixada);
        columna->addWidget(w);
        columna->addStretch(1);
        fila->addLayout(columna);
    };
    auto baixada = [](QWidget *símbol, QWidget *subíndex) {
        return QFontMetrics(símbol->font()).ascent() - QFontMetrics(subíndex->font()).ascent() / 2;
    };
    posa(fila_resposta, Text11, 0);
    posa(fila_resposta, Text12, 12);
    posa(fila_resposta, Text2, 0);
    posa(fila_resposta, Text3, 12);
    posa(fila_resposta, Text4, 0);
    posa(fila_resposta, Text5, 12);
    posa(fila_resposta, Text13, 12);
    fila_resposta->addStretch(1);
    posa(fila_pregunta, Label8, 0);
    posa(fila_pregunta, Label9, baixada(Label8, Label9));
    posa(fila_pregunta, Label10, 0);
    posa(fila_pregunta, Label11, baixada(Label8, Label11));
    posa(fila_pregunta, Label12, 0);
    posa(fila_pregunta, Label13, baixada(Label8, Label13));
    posa(fila_pregunta, Label14, baixada(Label8, Label14));
    fila_pregunta->addStretch(1);

    Text1 = new QLineEdit(s);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Escriu el nom del compost"));
    Text1->setAccessibleName(QStringLiteral("Escriu el nom del compost"));
    Text1->setMaxLength(static_cast<int>(Mida_nom));
    mida_lletra(Text1, 11);
    d.registra(Text1, Tipus::Ordinari, px(152, 112, 400, 28));

    // After the correction the boxes no longer take typing, but the answer stays readable.
    for (QLineEdit *t : {Text1, Text11, Text12, Text2, Text3, Text4, Text5, Text13}) {
        QPalette paleta = t->palette();
        paleta.setColor(QPalette::Disabled, QPalette::Text, paleta.color(QPalette::Active, QPalette::Text));
        t->setPalette(paleta);
    }

    setTabOrder(Text11, Text12);
    setTabOrder(Text12, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);
    setTabOrder(Text5, Text13);

    cmdCorregir = botó("cmdCorregir", QStringLiteral("Corregir"), QStringLiteral("Corregir l'exercici"),
                       px(588, 110, 104, 32));
    cmdSegüent = botó("cmdSegüent", QStringLiteral("&Següent"), QString(), px(588, 110, 104, 32));

    // ---- Correction row ----
    Line22 = línia("Line22", 440, 176, 440, 232);
    Line23 = línia("Line23", 152, 232, 704, 232);
    Line24 = línia("Line24", 152, 176, 152, 232);
    Line25 = línia("Line25", 152, 176, 704, 176);
    Line26 = línia("Line26", 704, 176, 704, 232);
    Line27 = línia("Line27", 152, 176, 440, 176);
    Line28 = línia("Line28", 152, 232, 440, 232);
    Line29 = línia("Line29", 440, 176, 704, 176);
    Line30 = línia("Line30", 440, 232, 704, 232);
    Label5 = etiqueta("Label5", QStringLiteral("INCORRECTE"), px(156, 182, 280, 44));
    Label6 = etiqueta("Label6", QStringLiteral("CORRECTE"), px(156, 182, 280, 44));
    for (QLabel *l : {Label5, Label6}) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(24);
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    }
    pinta(Label5, QColor(255, 0, 0));
    pinta(Label6, QColor(0, 0, 255));

    auto [correcció, fila_correcció] = fila("filaCorreccio", px(448, 180, 250, 50));
    Label15 = peça(correcció, "Label15", 16);
    Label16 = peça(correcció, "Label16", 11);
    Label17 = peça(correcció, "Label17", 16);
    Label18 = peça(correcció, "Label18", 11);
    Label19 = peça(correcció, "Label19", 16);
    Label20 = peça(correcció, "Label20", 11);
    Label21 = peça(correcció, "Label21", 11);
    Label3 = peça(correcció, "Label3", 16, false);
    Label4 = peça(correcció, "Label4", 16, false);
    Label3->setText(QStringLiteral("("));
    Label4->setText(QStringLiteral(")"));
    posa(fila_correcció, Label15, 0);
    posa(fila_correcció, Label16, baixada(Label15, Label16));
    posa(fila_correcció, Label3, 0);
    posa(fila_correcció, Label17, 0);
    posa(fila_correcció, Label18, baixada(Label15, Label18));
    posa(fila_correcció, Label19, 0);
    posa(fila_correcció, Label20, baixada(Label15, Label20));
    posa(fila_correcció, Label4, 0);
    posa(fila_correcció, Label21, baixada(Label15, Label21));
    fila_correcció->addStretch(1);
    Label22 = etiqueta("Label22", QString(), px(424, 180, 276, 52));
    Label22->setWordWrap(true);
    mida_lletra(Label22, 11, true);

    // ---- Statistics panel ----
    Label64 = etiqueta("Label64", QStringLiteral("ESTADÍSTIQUES"), px(306, 242, 384, 18));
    Label64->setAlignment(Qt::AlignCenter);
    mida_lletra(Label64, 9, true);
    const bool grup[12] = {true, false, false, true, false, false, false, true, true, true, true, true};
    for (int k = 0; k < 12; ++k) {
        const int y = 264 + 19 * k;
        const int x = grup[k] ? 314 : 334;
        const std::string nom_títol = "Label" + std::to_string(52 + k);
        const std::string nom_cel = "Label" + std::to_string(65 + k);
        títols_estadístiques[k] =
            etiqueta(nom_títol.c_str(), QString::fromUtf8(Títols_cel[k]), px(x, y, 600 - 4 - x, 19));
        cel_estadístiques[k] = etiqueta(nom_cel.c_str(), QStringLiteral("-----"), px(604, y, 82, 19));
        cel_estadístiques[k]->setAlignment(Qt::AlignCenter);
        if (grup[k]) mida_lletra(títols_estadístiques[k], 8, true);
    }
    QLabel **títols[] = {&Label52, &Label53, &Label54, &Label55, &Label56, &Label57,
                         &Label58, &Label59, &Label60, &Label61, &Label62, &Label63};
    QLabel **cel[] = {&Label65, &Label66, &Label67, &Label68, &Label69, &Label70,
                      &Label71, &Label72, &Label73, &Label74, &Label75, &Label76};
    for (int k = 0; k < 12; ++k) {
        *títols[k] = títols_estadístiques[k];
        *cel[k] = cel_estadístiques[k];
    }
    Line31 = línia("Line31", 306, 262, 690, 262);
    Line32 = línia("Line32", 306, 493, 690, 493);
    Line33 = línia("Line33", 306, 262, 306, 493);
    Line34 = línia("Line34", 690, 262, 690, 493);
    Line35 = línia("Line35", 600, 262, 600, 493);
    Line36 = línia("Line36", 306, 321, 690, 321);
    Line37 = línia("Line37", 306, 397, 690, 397);

    txtProfessor = new QPlainTextEdit(s);
    txtProfessor->setObjectName(QStringLiteral("txtProfessor"));
    txtProfessor->setReadOnly(true);
    txtProfessor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mida_lletra(txtProfessor, 9);
    d.registra(txtProfessor, Tipus::Ordinari, px(306, 242, 384, 270));
    txtProfessor->setTabChangesFocus(true);

    // ---- History ----
    const QString capçaleres[] = {QStringLiteral("Exercicis anteriors"), QStringLiteral("Resposta"),
                                  QStringLiteral("Correcció")};
    const int columnes[][2] = {{8, 280}, {292, 196}, {492, 196}};
    for (int i = 0; i < 3; ++i) {
        const std::string nom = "Label51(" + std::to_string(i) + ")";
        Label51[i] = etiqueta(nom.c_str(), capçaleres[i], px(columnes[i][0], 540, columnes[i][1], 16));
        mida_lletra(Label51[i], 8, true);
    }
    Label79 = etiqueta("Label79", QString(), px(8, 556, 280, 42));
    Label82 = etiqueta("Label82", QString(), px(292, 556, 196, 42));
    Label83 = etiqueta("Label83", QString(), px(492, 556, 196, 42));
    for (QLabel *l : {Label79, Label82, Label83})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // ---- Buttons of the right-hand column ----
    cmdInforme =
        botó("cmdInforme", QStringLiteral("&Estadístiques"),
             QStringLiteral("Estadístiques dels resultats obtinguts fins el moment"), px(698, 242, 94, 30));
    cmdAjuda = botó("cmdAjuda", QStringLiteral("&Professor"), QString(), px(698, 276, 94, 30));
    cmdPrint = botó("cmdPrint", QStringLiteral("&Imprimir"), QStringLiteral("Imprimeix l'informe dels exercicis"),
                    px(698, 526, 94, 30));
    cmdSortir = botó("cmdSortir", QStringLiteral("&Sortir"), QString(), px(698, 562, 94, 32));
    for (QPushButton *b : {cmdInforme, cmdAjuda})
        b->setFocusPolicy(Qt::TabFocus);

    // ---- Reference panel: notes, tables, guide, credits ----
    panell_ = new PanellConsulta(s, d);
    Label86 = panell_->Label86;

    crono = new QTimer(this);
    crono->setObjectName(QStringLiteral("crono"));
    crono->setInterval(1000);
}

void frmQUIMERIX::connecta() {
    QCheckBox *famílies[] = {Check1, Check2, Check3, Check4, Check5, Check6, Check7};
    for (int i = 0; i < 7; ++i)
        connect(famílies[i], &QCheckBox::clicked, this, [this, i](bool marcada) {
            sessió_->posa_família(i, marcada);
            refresca();
        });
    const std::pair<QRadioButton *, Opció_tasca> tasques[] = {{Option1, Opció_tasca::Formular},
                                                              {Option2, Opció_tasca::Anomenar},
                                                              {Option3, Opció_tasca::Alternat},
                                                              {Option4, Opció_tasca::Aleatori}};
    for (const auto &[botó, tasca] : tasques)
        connect(botó, &QRadioButton::clicked, this, [this, tasca = tasca] {
            sessió_->posa_tasca(tasca);
            refresca();
        });
    auto acció = [this](QAbstractButton *b, auto &&f) {
        connect(b, &QAbstractButton::clicked, this, [this, f] {
            f();
            refresca();
        });
    };
    acció(Command1, [this] { sessió_->disminueix_exercicis(); });
    acció(Command2, [this] { sessió_->augmenta_exercicis(); });
    acció(Command3, [this] { sessió_->augmenta_temps(); });
    acció(Command4, [this] { sessió_->disminueix_temps(); });
    acció(Check8, [this] { sessió_->posa_assistent(Check8->isChecked()); });
    acció(Check10, [this] { sessió_->posa_consulta(Check10->isChecked()); });
    acció(Check11, [this] { sessió_->posa_límit_temps(Check11->isChecked()); });
    acció(cmdComençar, [this] {
        cmdComençar->setEnabled(false);
        sessió_->comença(entrada(Text10->text()), entrada(Text14->text()));
        cmdComençar->setEnabled(true);
    });
    acció(cmdCorregir, [this] { sessió_->corregeix(); });
    acció(cmdSegüent, [this] { sessió_->Següent(); });
    for (int b = 0; b < Nombre_botons; ++b) {
        const Botó botó = static_cast<Botó>(b);
        QPushButton *control = botó == Botó::Informe ? cmdInforme
                               : botó == Botó::Ajuda ? cmdAjuda
                                                     : panell_->botó(botó);
        connect(control, &QPushButton::clicked, this, [this, botó] { prem_panell(botó); });
    }
    connect(panell_->tmrImage, &QTimer::timeout, this, [this] {
        sessió_->tic_imatge();
        panell_->mostra(*sessió_);
    });
    acció(cmdPrint, [this] { imprimeix_informe(sessió_->dades()); });
    connect(cmdSortir, &QPushButton::clicked, this, &QWidget::close);
    connect(Text14, &QLineEdit::textEdited, this, &frmQUIMERIX::data_canviada);

    const std::pair<QLineEdit *, Caixa> caixes[] = {
        {Text11, Símbol1}, {Text12, Subíndex1}, {Text2, Símbol2},       {Text3, Subíndex2},
        {Text4, Símbol3},  {Text5, Subíndex3},  {Text13, Subíndex_grup}};
    for (const auto &[t, c] : caixes)
        connect(t, &QLineEdit::textEdited, this,
                [this, c = c](const QString &text) { caixa_editada(c, text); });
    connect(Text1, &QLineEdit::textEdited, this,
            [this](const QString &text) { sessió_->posa_nom(entrada(text)); });
    connect(crono, &QTimer::timeout, this, &frmQUIMERIX::tic_crono);
}

void frmQUIMERIX::posa_diàlegs_impressió(DiàlegsImpressió &diàlegs) {
    diàlegs_ = &diàlegs;
    arxius_->posa_diàlegs(diàlegs);
}

void frmQUIMERIX::imprimeix_informe(const DadesSessió &dades) {
    refresca();
    ui::imprimeix_informe(dades, *pont_, *diàlegs_);
}

void frmQUIMERIX::caixa_editada(Caixa caixa, const QString &text) {
    sessió_->posa_caixa(caixa, entrada(text));
}

void frmQUIMERIX::tic_crono() {
    sessió_->tic();
    refresca();
}

void frmQUIMERIX::data_canviada(const QString &text) {
    if (sessió_->estat() != Estat::Inactiu) return;
    const QLocale locale = QLocale::system();
    QDate data = locale.toDate(text, QLocale::ShortFormat);
    if (!data.isValid()) return;
    const QDate avui = QDate::currentDate();
    // A two-digit year is read in the 1900s; the student means this century.
    if (!locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy")) &&
        data.year() < avui.year() - 80)
        data = data.addYears(100);
    if (data <= avui) return;
    if (!missatges_.pregunta(Títol_atenció, "La data introduida és superior a l'actual. Vols deixar aquesta?",
                             Icona::Informació))
        Text14->setText(data_avui());
}

void frmQUIMERIX::congela_opcions() {
    congelat_ = true;
    // Only the tick mark stays; the caption is shown by a plain label beside it.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check10, Check11, Option1,
             Option2, Option3, Option4}) {
        Rectangle r = disposició_->registre(b);
        r.c = 18 * T;
        disposició_->canvia_disseny(b, r);
        QPalette paleta = b->palette();
        paleta.setColor(QPalette::Disabled, QPalette::WindowText, Qt::transparent);
        paleta.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::transparent);
        b->setPalette(paleta);
    }
}

void frmQUIMERIX::nou_exercici() {
    const Sessió &s = *sessió_;
    const bool anomenar = s.Mode_exercici() == Tasca::Anomenar;
    const Resposta &r = s.resposta();
    QLineEdit *caixes[] = {Text11, Text12, Text2, Text3, Text4, Text5, Text13};
    for (int c = 0; c < Nombre_caixes; ++c)
        caixes[c]->setText(qs(r.caixes[c]));
    Text1->setText(qs(r.nom));

    // The brackets "(" ")" go with the answer boxes when the formula is asked, with the question
    // formula when the name is asked.
    QHBoxLayout *fila = anomenar ? fila_pregunta_ : fila_resposta_;
    for (QLabel *l : {Label1, Label2})
        if (QWidget *pare = l->parentWidget())
            if (QLayout *actual = pare->layout()) actual->removeWidget(l);
    fila->insertWidget(2, Label1, 0, Qt::AlignTop);
    fila->insertWidget(7, Label2, 0, Qt::AlignTop);

    const int mig = anomenar ? Mig_anomenar : Mig_formular;
    Disposició &d = *disposició_;
    d.canvia_disseny(Line22, px(mig, 176, mig, 232));
    d.canvia_disseny(Line27, px(152, 176, mig, 176));
    d.canvia_disseny(Line28, px(152, 232, mig, 232));
    d.canvia_disseny(Line29, px(mig, 176, 704, 176));
    d.canvia_disseny(Line30, px(mig, 232, 704, 232));
    d.canvia_disseny(Label5, px(156, 182, mig - 160, 44));
    d.canvia_disseny(Label6, px(156, 182, mig - 160, 44));
    d.canvia_disseny(Label22, px(mig + 8, 178, 704 - mig - 12, 54));
}

void frmQUIMERIX::aplica_línies() {
    const Sessió &s = *sessió_;
    const bool correcte = s.estat() == Estat::Corregit && s.Resultat() == Resultat_correcte;
    if (!correcte) return;
    for (Línia *l : {Line23, Line24, Line25, Line27, Line28})
        l->hide();
    const int inici = s.Mode_exercici() == Tasca::Anomenar ? Mig_anomenar : Mig_formular;
    for (Línia *l : {Line29, Line30}) {
        Rectangle r = disposició_->actual(l);
        r.a = inici * T * disposició_->percent_amplada() / 100;
        disposició_->posa_línia(l, r);
    }
}

void frmQUIMERIX::refresca() {
    if (refrescant_ || !sessió_) return;
    refrescant_ = true;
    const Sessió &s = *sessió_;
    const Estat e = s.estat();
    const Opcions &o = s.opcions();
    const bool inactiu = e == Estat::Inactiu;
    const bool en_curs = e == Estat::Pregunta || e == Estat::Corregit;
    bool focus_primera = false;
    bool focus_següent = false;

    if (!inactiu && !congelat_) congela_opcions();
    if (e == Estat::Pregunta && (estat_vist_ != Estat::Pregunta || s.número_exercici() != número_vist_)) {
        nou_exercici();
        focus_primera = true;
    }
    if (e == Estat::Corregit && estat_vist_ != Estat::Corregit) {
        Text1->setText(qs(s.resposta().nom));
        focus_següent = true;
    }

    // ---- Options ----
    QCheckBox *famílies[] = {Check1, Check2, Check3, Check4, Check5, Check6, Check7};
    for (int i = 0; i < 7; ++i) {
        famílies[i]->setChecked(o.famílies[i]);
        famílies[i]->setEnabled(inactiu);
    }
    Check8->setChecked(o.assistent);
    Check10->setChecked(o.consulta);
    Check11->setChecked(o.límit_temps);
    Option1->setChecked(o.tasca == Opció_tasca::Formular);
    Option2->setChecked(o.tasca == Opció_tasca::Anomenar);
    Option3->setChecked(o.tasca == Opció_tasca::Alternat);
    Option4->setChecked(o.tasca == Opció_tasca::Aleatori);
    for (QWidget *w :
         {static_cast<QWidget *>(Check8), static_cast<QWidget *>(Check10), static_cast<QWidget *>(Check11),
          static_cast<QWidget *>(Option1), static_cast<QWidget *>(Option2), static_cast<QWidget *>(Option3),
          static_cast<QWidget *>(Option4)})
        w->setEnabled(inactiu);
    for (QLabel *l : {Label29, Label30, Label31, Label32, Label33, Label34, Label35, Label36, Label37,
                      Label38, Label39, Label40, Label42, Label43})
        l->setVisible(!inactiu);

    Label45->setText(QString::number(o.nombre_exercicis));
    Label46->setText(QString::number(o.segons));
    Label47->setText(QString::number(s.Nombre_combinacions()));
    Label44->setText(qs(s.Temps_Estimat()));
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label84, Command1, Label45, Command2, Label50, Label47})
        w->setVisible(inactiu);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label93, Command4, Label46, Command3, Label49, Label44})
        w->setVisible(inactiu && o.límit_temps);
    for (QWidget *w : std::initializer_list<QWidget *>{Label41, Text10, Label88, Text14})
        w->setVisible(inactiu);
    arxius_->mostra(inactiu);
    // The idle window's guide takes the place of the prompt above the options.
    const bool guia_inactiu = inactiu && s.panell().vista() == Vista::Guia;
    Label48->setVisible(inactiu && s.cal_seleccionar_família() && !guia_inactiu);
    cmdComençar->setVisible(inactiu && !s.cal_seleccionar_família());
    if (inactiu && !s.cal_seleccionar_família()) {
        Label87->setText(QStringLiteral("Configura les opcions i prem \"D'acord\""));
        Label87->setVisible(!guia_inactiu);
    } else if (e == Estat::Iniciada) {
        Label87->setText(QStringLiteral("Prem Següent per començar el primer exercici"));
        Label87->setVisible(true);
    } else {
        Label87->setVisible(false);
    }
    Frame4->setVisible(!inactiu);

    // ---- Session figures ----
    for (QWidget *w : std::initializer_list<QWidget *>{Label23, Label24, Label26, Label27, Label77, Label78,
                                                       Label91, Label90})
        w->setVisible(!inactiu);
    Label24->setText(QString::number(s.número_exercici()));
    Label27->setText(QString::number(s.exercicis_demanats()));
    const bool temps = !inactiu && o.límit_temps;
    for (QWidget *w : std::initializer_list<QWidget *>{Label25, Label28, Line1, Line2, Line3, Line4})
        w->setVisible(temps);
    // Before the first exercise the countdown shows the seconds each answer will have.
    Label28->setText(QString::number(s.segons_restants()));
    pinta(Label28, s.temps_gairebé_esgotat() ? QColor(255, 0, 0) : QColor(0, 0, 0));
    const Estadístiques &est = s.estadístiques();
    Label78->setText(qs(est.encerts_sobre_total.text));
    pinta(Label78, color_qt(est.encerts_sobre_total.color));
    Label90->setText(qs(est.percentatge_encerts.text));
    pinta(Label90, color_qt(est.percentatge_encerts.color));

    // ---- Question, answer and correction ----
    const Exercici &x = s.Exercici_actual();
    const bool formular = s.Mode_exercici() == Tasca::Formular;
    const bool anomenar = s.Mode_exercici() == Tasca::Anomenar;
    Label85->setVisible(en_curs);
    Label85->setText(qs(s.Instrucció()));
    Label7->setVisible(en_curs && formular);
    Label7->setText(qs(s.nom_demanat()));
    QLabel *pregunta[] = {Label8, Label9, Label10, Label11, Label12, Label13, Label14};
    QLineEdit *caixes[] = {Text11, Text12, Text2, Text3, Text4, Text5, Text13};
    QLabel *esperades[] = {Label15, Label16, Label17, Label18, Label19, Label20, Label21};
    for (int c = 0; c < Nombre_caixes; ++c) {
        pregunta[c]->setText(qs(x.caixes[c]));
        pregunta[c]->setVisible(en_curs && anomenar && x.visibles[c]);
        caixes[c]->setVisible(en_curs && formular && x.visibles[c]);
        caixes[c]->setEnabled(s.resposta_activa());
        esperades[c]->setText(qs(x.caixes[c]));
        esperades[c]->setVisible(s.mostra_fórmula_esperada() && x.visibles[c]);
        // An empty subscript takes no room, so that the symbols stand together as in a formula.
        const int amplada = x.caixes[c].empty() ? 0 : QWIDGETSIZE_MAX;
        pregunta[c]->setMaximumWidth(amplada);
        esperades[c]->setMaximumWidth(amplada);
    }
    fila_pregunta_->parentWidget()->setVisible(en_curs && anomenar);
    fila_resposta_->parentWidget()->setVisible(en_curs && formular);
    Label15->parentWidget()->setVisible(s.mostra_fórmula_esperada());
    Label1->setVisible(en_curs && x.claudàtors);
    Label2->setVisible(en_curs && x.claudàtors);
    Text1->setVisible(en_curs && anomenar);
    Text1->setEnabled(s.resposta_activa());
    Label5->setVisible(s.mostra_incorrecte());
    Label6->setVisible(s.mostra_correcte());
    Label3->setVisible(s.mostra_claudàtors_esperats());
    Label4->setVisible(s.mostra_claudàtors_esperats());
    Label22->setText(qs(s.nom_esperat_mostrat()));
    Label22->setVisible(s.mostra_nom_esperat());
    for (Línia *l : {Line22, Line23, Line24, Line25, Line26, Line27, Line28, Line29, Line30})
        l->setVisible(e == Estat::Corregit);
    Label80->setVisible(s.sèrie_acabada());
    cmdCorregir->setVisible(e == Estat::Pregunta);
    cmdSegüent->setVisible(e == Estat::Iniciada || e == Estat::Corregit);

    // ---- Statistics panel or professor's comment ----
    const bool panell = !inactiu;
    const Vista vista = s.panell().vista();
    const bool professor = vista == Vista::Professor;
    const bool graella = panell && vista == Vista::Estadístiques;
    Label64->setVisible(graella);
    for (int k = 0; k < Nombre_cel; ++k) {
        títols_estadístiques[k]->setVisible(graella);
        cel_estadístiques[k]->setVisible(graella);
        cel_estadístiques[k]->setText(qs(est.cel[k].text));
        pinta(cel_estadístiques[k], color_qt(est.cel[k].color));
    }
    for (Línia *l : {Line31, Line32, Line33, Line34, Line35, Line36, Line37})
        l->setVisible(graella);
    if (professor) {
        const QString comentari = en_línies(x.Comentari);
        if (txtProfessor->toPlainText() != comentari) txtProfessor->setPlainText(comentari);
    }
    txtProfessor->setVisible(professor);
    for (QLabel *l : Label51)
        l->setVisible(panell);
    const auto &historial = s.historial_visible();
    Label79->setText(en_línies(historial[0]));
    Label82->setText(en_línies(historial[1]));
    Label83->setText(en_línies(historial[2]));
    for (QLabel *l : {Label79, Label82, Label83})
        l->setVisible(panell);
    PanellConsulta::pinta_botó(cmdInforme, s.botó(Botó::Informe));
    PanellConsulta::pinta_botó(cmdAjuda, s.botó(Botó::Ajuda));
    panell_->mostra(s);
    cmdPrint->setVisible(s.ofereix_impressió());
    cmdPrint->setEnabled(s.impressió_activa());

    aplica_línies();

    if (s.crono_actiu()) {
        if (!crono->isActive()) crono->start();
    } else {
        crono->stop();
    }

    if (focus_primera) {
        QWidget *primera = Text1;
        if (formular)
            for (QLineEdit *t : caixes)
                if (!t->isHidden()) {
                    primera = t;
                    break;
                }
        primera->setFocus(Qt::OtherFocusReason);
    }
    if (focus_següent) cmdSegüent->setFocus(Qt::OtherFocusReason);

    estat_vist_ = e;
    número_vist_ = s.número_exercici();
    refrescant_ = false;
}

void frmQUIMERIX::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A held key repeats: only a fresh press continues, so that no exercise is corrected
        // twice or skipped unseen.
        if (event->isAutoRepeat()) {
            event->accept();
            return;
        }
        // Enter on a button the student has tabbed to presses that button, as Space does; the
        // correction and next buttons mean what the session's state says.
        auto *botó = qobject_cast<QPushButton *>(QApplication::focusWidget());
        if (botó && botó != cmdCorregir && botó != cmdSegüent && botó->isEnabled()) {
            botó->click();
            event->accept();
            return;
        }
        const Estat e = sessió_->estat();
        if (e == Estat::Iniciada || e == Estat::Pregunta || e == Estat::Corregit) {
            sessió_->continua();
            refresca();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void frmQUIMERIX::closeEvent(QCloseEvent *event) {
    // The countdown waits while the question is up, so that No finds the exercise as it was.
    const bool comptava = crono->isActive();
    crono->stop();
    if (missatges_.pregunta(Títol_atenció, "Segur que vols sortir del programa?", Icona::Exclamació)) {
        event->accept();
    } else {
        event->ignore();
        if (comptava) crono->start();
    }
}

} // namespace quimerix::ui

namespace quimerix::ui {

// A press on one of the reference panel's buttons. The keyboard then goes back where the student
// works: the answer box, or "Següent"; never to whatever follows a button that has just been
// disabled.
void frmQUIMERIX::prem_panell(Botó b) {
    sessió_->prem(b);
    if (b == Botó::Guia) panell_->escriu_guia();
    refresca();
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && focus->isEnabled() && !qobject_cast<QPushButton *>(focus)) return;
    const Estat e = sessió_->estat();
    QWidget *destí = nullptr;
    if (e == Estat::Pregunta) {
        for (QLineEdit *t : {Text1, Text11, Text12, Text2, Text3, Text4, Text5, Text13})
            if (t->isVisible() && t->isEnabled()) {
                destí = t;
                break;
            }
    } else if (e == Estat::Iniciada || e == Estat::Corregit) {
        destí = cmdSegüent;
    } else if (e == Estat::Inactiu && cmdComençar->isVisible()) {
        destí = cmdComençar;
    }
    if (!destí) destí = panell_->contingut(sessió_->panell().vista());
    if (!destí) destí = cmdInforme->isEnabled() ? cmdInforme : panell_->cmdHelp;
    if (destí && destí->isVisible() && destí->isEnabled()) destí->setFocus(Qt::OtherFocusReason);
}

} // namespace quimerix::ui
