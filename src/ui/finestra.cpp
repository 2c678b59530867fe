#include "finestra.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "arxius_finestra.h"
#include "controls.h"
#include "panell_consulta.h"
#include "panell_estadistiques.h"
#include "panell_exercici.h"
#include "panell_historial.h"
#include "panell_opcions.h"
#include "panell_xifres.h"

namespace quimerix::ui {

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

    // The window fills the screen's work area in proportion to the 800 x 600 design.
    if (QScreen *pantalla = QGuiApplication::primaryScreen())
        resize(pantalla->availableGeometry().size());
    else
        resize(800, 600);

    refresca();
}

frmQUIMERIX::~frmQUIMERIX() = default;

// The areas in the order their controls are made: it is the order of the keyboard's Tab and of
// the layers where controls overlap (frames behind what they hold).
void frmQUIMERIX::construeix() {
    const Controls c(superfície_, *disposició_);
    auto redibuixa = [this] { refresca(); };
    opcions_ = std::make_unique<PanellOpcions>(c, *sessió_, *pont_, redibuixa);
    arxius_ = std::make_unique<ArxiusFinestra>(superfície_, *disposició_, *sessió_, *pont_);
    xifres_ = std::make_unique<PanellXifres>(c);
    exercici_ = std::make_unique<PanellExercici>(c, *sessió_, redibuixa);
    estadístiques_ = std::make_unique<PanellEstadístiques>(c);
    historial_ = std::make_unique<PanellHistorial>(c);
    cmdPrint = c.botó("cmdPrint", QStringLiteral("&Imprimir"),
                      QStringLiteral("Imprimeix l'informe dels exercicis"), px(698, 526, 94, 30));
    // Alt+S is "Següent"'s.
    cmdSortir = c.botó("cmdSortir", QStringLiteral("S&ortir"), QString(), px(698, 562, 94, 32));
    consulta_ = new PanellConsulta(superfície_, *disposició_);

    crono = new QTimer(this);
    crono->setObjectName(QStringLiteral("crono"));
    crono->setInterval(1000);
}

void frmQUIMERIX::connecta() {
    for (int b = 0; b < Nombre_botons; ++b) {
        const Botó botó = static_cast<Botó>(b);
        QPushButton *control = botó == Botó::Informe ? estadístiques_->cmdInforme
                               : botó == Botó::Ajuda ? estadístiques_->cmdAjuda
                                                     : consulta_->botó(botó);
        connect(control, &QPushButton::clicked, this, [this, botó] { prem_panell(botó); });
    }
    connect(consulta_->tmrImage, &QTimer::timeout, this, [this] {
        sessió_->tic_imatge();
        consulta_->mostra(*sessió_);
    });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { imprimeix_informe(sessió_->dades()); });
    connect(cmdSortir, &QPushButton::clicked, this, &QWidget::close);
    connect(crono, &QTimer::timeout, this, &frmQUIMERIX::tic_crono);
    // A set read back from its file shows its own statistics captions.
    arxius_->mostra_estadístiques = [this](const DadesSessió &d) {
        estadístiques_->mostra_desades(d);
        xifres_->mostra_desades(d);
    };
}

void frmQUIMERIX::posa_diàlegs_impressió(DiàlegsImpressió &diàlegs) {
    diàlegs_ = &diàlegs;
    arxius_->posa_diàlegs(diàlegs);
}

void frmQUIMERIX::imprimeix_informe(const DadesSessió &dades) {
    refresca();
    ui::imprimeix_informe(dades, *pont_, *diàlegs_);
}

void frmQUIMERIX::tic_crono() {
    sessió_->tic();
    refresca();
}

void frmQUIMERIX::aplica_línies() {
    exercici_->aplica_línies(*sessió_);
}

void frmQUIMERIX::refresca() {
    if (refrescant_ || !sessió_) return;
    refrescant_ = true;
    const Sessió &s = *sessió_;
    opcions_->mostra(s);
    arxius_->mostra(s.estat() == Estat::Inactiu);
    xifres_->mostra(s);
    estadístiques_->mostra(s);
    historial_->mostra(s);
    consulta_->mostra(s);
    cmdPrint->setVisible(s.ofereix_impressió());
    cmdPrint->setEnabled(s.impressió_activa());
    if (s.crono_actiu()) {
        if (!crono->isActive()) crono->start();
    } else {
        crono->stop();
    }
    // Last, so that the keyboard goes to a control already shown.
    exercici_->mostra(s);
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
        if (botó && botó != exercici_->cmdCorregir && botó != exercici_->cmdSegüent && botó->isEnabled()) {
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

// A press on one of the panel's buttons. The keyboard then goes back where the student works: the
// answer box, or "Següent"; never to whatever follows a button that has just been disabled.
void frmQUIMERIX::prem_panell(Botó b) {
    sessió_->prem(b);
    if (b == Botó::Guia) consulta_->escriu_guia();
    refresca();
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && focus->isEnabled() && !qobject_cast<QPushButton *>(focus)) return;
    QWidget *destí = exercici_->lloc_de_treball();
    if (!destí && opcions_->cmdComençar->isVisible()) destí = opcions_->cmdComençar;
    if (!destí) destí = consulta_->contingut(sessió_->panell().vista());
    if (!destí)
        destí = estadístiques_->cmdInforme->isEnabled() ? estadístiques_->cmdInforme : consulta_->cmdHelp;
    if (destí && destí->isVisible() && destí->isEnabled()) destí->setFocus(Qt::OtherFocusReason);
}

} // namespace quimerix::ui
