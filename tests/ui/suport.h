#pragma once
// What the window tests share: a scripted random source, scripted message boxes, and helpers
// that drive the window as a student would.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <sys/fsuid.h>
#include <unistd.h>
#include <vector>

#include "finestra.h"
#include "generation/aleatori.h"
#include "informe_ui.h"
#include "missatges.h"
#include "panell_consulta.h"
#include "panell_estadistiques.h"
#include "panell_exercici.h"
#include "panell_historial.h"
#include "panell_opcions.h"
#include "panell_xifres.h"
#include "records/impressio.h"

namespace prova {

// Pseudo-random from a fixed seed; a constant can be forced for the draws a test must control.
class FontProva final : public quimerix::FontAleatoria {
  public:
    explicit FontProva(std::uint64_t llavor = 20240611) : motor_(llavor) {}
    double seguent() override {
        if (constant) return *constant;
        return distribucio_(motor_);
    }
    std::optional<double> constant;

  private:
    std::mt19937_64 motor_;
    std::uniform_real_distribution<double> distribucio_{0.0, 1.0};
};

struct Missatge {
    std::string titol;
    std::string text;
    quimerix::Icona icona;
    bool pregunta;
};

// Answers questions from a script (Yes when the script is empty) and keeps every box shown.
class MissatgesProva final : public quimerix::Missatges {
  public:
    bool pregunta(const std::string &titol, const std::string &text, quimerix::Icona icona) override {
        rebuts.push_back({titol, text, icona, true});
        if (respostes.empty()) return true;
        const bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    void avisa(const std::string &titol, const std::string &text, quimerix::Icona icona) override {
        rebuts.push_back({titol, text, icona, false});
        if (en_avis) en_avis();
    }
    // Called when a notice is shown, to look at the window behind it.
    std::function<void()> en_avis;
    std::vector<std::string> textos() const {
        std::vector<std::string> t;
        for (const auto &m : rebuts)
            t.push_back(m.text);
        return t;
    }
    std::deque<bool> respostes;
    std::vector<Missatge> rebuts;
};

inline const std::string Pregunta_arxiu =
    "No es crearà cap arxiu de dades amb els exercicis. Vols continuar?";
inline const std::string Pregunta_nom = "No has posat el teu 'NOM i COGNOMS'. Vols continuar?";
inline const std::string Pregunta_data = "El camp 'DATA' està buit. Vols continuar?";

// Printing answered without a dialog: a printer is there unless a test says otherwise, each
// preview is counted and its text kept, and the PDF offer is answered with `camí`.
class DialegsSilenciosos final : public quimerix::ui::DialegsImpressio {
  public:
    bool hi_ha_impressora() override { return impressora; }
    quimerix::ui::Final_previa previsualitza(const quimerix::Document_impressio &d,
                                             bool amb_impressora) override {
        ++previsualitzacions;
        textos.push_back(quimerix::text_document(d));
        ofereix_impressio.push_back(amb_impressora);
        return final_previa;
    }
    QString demana_pdf(const QString &p) override {
        proposta = p;
        return cami;
    }
    bool impressora = true;
    quimerix::ui::Final_previa final_previa = quimerix::ui::Final_previa::Tancada; // the student's choice
    int previsualitzacions = 0;
    std::vector<bool> ofereix_impressio; // whether each preview offered "Imprimeix"
    std::vector<std::string> textos;
    QString proposta, cami;
};

// A window on the 800 x 600 design, shown offscreen.
struct Banc {
    FontProva font;
    MissatgesProva missatges;
    DialegsSilenciosos dialegs;
    quimerix::ui::frmQUIMERIX finestra{font, missatges};
    Banc() {
        finestra.posa_dialegs_impressio(dialegs);
        finestra.resize(800, 600);
        finestra.show();
        QApplication::setActiveWindow(&finestra);
    }
    // Chooses the task option, fills the name and starts (answering Yes to the file question).
    void comenca(QRadioButton *tasca, bool amb_temps = false) {
        tasca->click();
        if (!amb_temps) finestra.opcions().Check11->click();
        finestra.opcions().Text10->setText(QStringLiteral("Anna Puig"));
        finestra.opcions().cmdComencar->click();
        if (amb_temps) finestra.exercici().cmdSeguent->click();
    }
    // The answer boxes of the formula, in the order of the exercise's boxes.
    std::array<QLineEdit *, 7> caixes() const {
        auto &e = finestra.exercici();
        return {e.Text11, e.Text12, e.Text2, e.Text3, e.Text4, e.Text5, e.Text13};
    }
    // Types the expected formula into the visible boxes.
    void escriu_formula_correcta() {
        const auto &x = finestra.sessio().Exercici_actual();
        const auto c = caixes();
        for (int i = 0; i < 7; ++i)
            if (x.visibles[i]) QTest::keyClicks(c[i], QString::fromStdString(x.caixes[i]));
    }
};

inline QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

// Offscreen runs get a 1280 x 1024 screen without window frames, so that the window can be
// resized past 800 x 600 and its inner size is exactly what the test asks for.
inline void prepara_pantalla(bool amb_marcs = false) {
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma != "offscreen") return;
    // One file per process: tests run in parallel, and a file rewritten by one while another reads
    // it is refused by Qt.
    const QString ruta = QDir::temp().filePath(QStringLiteral("quimerix-offscreen-%1%2.json")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(amb_marcs ? QStringLiteral("-marcs") : QString()));
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(QByteArray(R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": )") +
                (amb_marcs ? "true" : "false") + R"(,
"screens": [{"name": "prova", "x": 0, "y": 0, "width": 1280, "height": 1024,
"logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + ruta.toLocal8Bit());
}

// For as long as it lives, this thread meets file permissions as an ordinary user would, even when
// the tests run as root (the file-system identity is per thread and can be given back).
struct SenseDrets {
    bool fet = true;
    SenseDrets() {
        if (geteuid() != 0) return;
        setfsgid(65534);
        setfsuid(65534);
        fet = setfsuid(static_cast<uid_t>(-1)) == 65534;
    }
    ~SenseDrets() {
        if (geteuid() != 0) return;
        setfsuid(0);
        setfsgid(0);
    }
};

// No two visible controls share a mnemonic: buttons and boxes, the labels that lead to a box, the
// frames' titles.
inline bool mnemonics_unics(QWidget &f) {
    QSet<QKeySequence> vistos;
    for (QWidget *w : f.findChildren<QWidget *>()) {
        QString text;
        if (auto *boto = qobject_cast<QAbstractButton *>(w)) text = boto->text();
        if (auto *etiqueta = qobject_cast<QLabel *>(w); etiqueta && etiqueta->buddy())
            text = etiqueta->text();
        if (auto *marc = qobject_cast<QGroupBox *>(w)) text = marc->title();
        const QKeySequence m = QKeySequence::mnemonic(text);
        if (!w->isVisible() || m.isEmpty()) continue;
        if (vistos.contains(m)) return false;
        vistos.insert(m);
    }
    return true;
}

// The visible controls the keyboard reaches whose accessible name, as a screen reader gets it,
// says nothing of what they do (empty, or a sign such as "-" or "+"), by object name.
inline QStringList sense_nom(QWidget &f) {
    QStringList sense;
    for (QWidget *w : f.findChildren<QWidget *>()) {
        if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        const QString nom = a ? a->text(QAccessible::Name) : QString();
        if (!std::any_of(nom.begin(), nom.end(), [](QChar c) { return c.isLetter(); }))
            sense << w->objectName() + " «" + nom + "»";
    }
    return sense;
}

} // namespace prova

#define PROVA_MAIN(Classe)                                                                                   \
    int main(int argc, char **argv) {                                                                        \
        prova::prepara_pantalla();                                                                           \
        QApplication app(argc, argv);                                                                        \
        Classe t;                                                                                            \
        return QTest::qExec(&t, argc, argv);                                                                 \
    }
