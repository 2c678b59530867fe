#include "finestra.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "arxiu_actiu.h"
#include "arxius_finestra.h"
#include "controls.h"
#include "obre_arxiu.h"
#include "panell_consulta.h"
#include "panell_estadistiques.h"
#include "panell_exercici.h"
#include "panell_historial.h"
#include "panell_opcions.h"
#include "panell_xifres.h"
#include "records/arxiu_sessio.h"
#include "session/vista.h"

namespace quimerix::ui {

// The session's questions pass through here so that the window already shows the state they
// are about (a correction behind "S'ha acabat el temps!", the end of the set behind the report
// question).
class frmQUIMERIX::Pont final : public Missatges {
  public:
    Pont(frmQUIMERIX &finestra, Missatges &missatges) : finestra_(finestra), missatges_(missatges) {}
    bool pregunta(const std::string &titol, const std::string &text, Icona icona) override {
        finestra_.refresca();
        return missatges_.pregunta(titol, text, icona);
    }
    void avisa(const std::string &titol, const std::string &text, Icona icona) override {
        finestra_.refresca();
        missatges_.avisa(titol, text, icona);
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

    sessio_ = std::make_unique<Sessio>(aleatori, *pont_);
    sessio_->en_imprimir = [this](const DadesSessio &d) { imprimeix_informe(d); };

    superficie_ = new QWidget(this);
    superficie_->setObjectName(QStringLiteral("superficie"));
    setCentralWidget(superficie_);
    disposicio_finestra_ = std::make_unique<DisposicioFinestra>(superficie_);
    superficie_->installEventFilter(this);

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

namespace {

// Whether each deferred area shows anything for the session as it stands: the window makes an
// area's controls only once it does.
bool mostra_xifres(const Vista_opcions &v) {
    return v.recompte || v.compte_enrere;
}

} // namespace

PanellXifres &frmQUIMERIX::xifres() const {
    return xifres_->area();
}

PanellExercici &frmQUIMERIX::exercici() const {
    return exercici_->area();
}

PanellEstadistiques &frmQUIMERIX::estadistiques() const {
    return estadistiques_->area();
}

PanellHistorial &frmQUIMERIX::historial() const {
    return historial_->area();
}

void frmQUIMERIX::construeix_arees() const {
    xifres();
    exercici();
    estadistiques();
    historial();
    consulta();
}

PanellConsulta &frmQUIMERIX::consulta() const {
    consulta_->construeix_vistes();
    return *consulta_;
}

// The areas in the order their controls are made: it is the order of the keyboard's Tab and of
// the layers where controls overlap (frames behind what they hold). The areas hidden in the idle
// window keep their place in that order while they wait to be made.
void frmQUIMERIX::construeix() {
    const Controls c(superficie_, *disposicio_finestra_);
    auto redibuixa = [this] { refresca(); };
    opcions_ = std::make_unique<PanellOpcions>(c, *sessio_, *pont_, redibuixa);
    arxius_ = std::make_unique<ArxiusFinestra>(superficie_, *disposicio_finestra_, *sessio_, *pont_);
    xifres_ = std::make_unique<AreaDiferida<PanellXifres>>(
        superficie_, "llocXifres", [c] { return std::make_unique<PanellXifres>(c); },
        [this](PanellXifres &x) { area_feta(x); });
    exercici_ = std::make_unique<AreaDiferida<PanellExercici>>(
        superficie_, "llocExercici",
        [this, c, redibuixa] { return std::make_unique<PanellExercici>(c, *sessio_, redibuixa); },
        [this](PanellExercici &e) {
            connecta_exercici(e);
            area_feta(e);
        });
    estadistiques_ = std::make_unique<AreaDiferida<PanellEstadistiques>>(
        superficie_, "llocEstadistiques", [c] { return std::make_unique<PanellEstadistiques>(c); },
        [this](PanellEstadistiques &e) {
            connecta_estadistiques(e);
            area_feta(e);
        });
    historial_ = std::make_unique<AreaDiferida<PanellHistorial>>(
        superficie_, "llocHistorial", [c] { return std::make_unique<PanellHistorial>(c); },
        [this](PanellHistorial &h) { area_feta(h); });
    cmdPrint = c.boto("cmdPrint", QStringLiteral("&Imprimir"),
                      QStringLiteral("Imprimeix l'informe dels exercicis"), px(698, 526, 94, 30));
    // Alt+S is "Següent"'s.
    cmdSortir = c.boto("cmdSortir", QStringLiteral("S&ortir"), QString(), px(698, 562, 94, 32));
    consulta_ = new PanellConsulta(superficie_, *disposicio_finestra_);

    crono = new QTimer(this);
    crono->setObjectName(QStringLiteral("crono"));
    crono->setInterval(1000);
}

void frmQUIMERIX::connecta() {
    for (int b = 0; b < Nombre_botons; ++b) {
        const Boto boto = static_cast<Boto>(b);
        if (QPushButton *control = consulta_->boto(boto))
            connect(control, &QPushButton::clicked, this, [this, boto] { prem_panell(boto); });
    }
    connect(consulta_->tmrImage, &QTimer::timeout, this, [this] {
        sessio_->tic_imatge();
        consulta_->mostra(*sessio_);
    });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { imprimeix_informe(sessio_->dades()); });
    connect(cmdSortir, &QPushButton::clicked, this, &QWidget::close);
    connect(crono, &QTimer::timeout, this, &frmQUIMERIX::tic_crono);
    arxius_->en_llegida = [this] { refresca(); };
    // A set read back from its file shows its own statistics captions.
    arxius_->mostra_estadistiques = [this](const DadesSessio &d) {
        estadistiques().mostra_desades(d);
        xifres().mostra_desades(d);
    };
}

void frmQUIMERIX::connecta_exercici(PanellExercici &e) {
    connect(e.cmdRevisa, &QPushButton::clicked, this, [this] {
        sessio_->revisa();
        refresca();
        QWidget *llista = consulta_->lstRevisio;
        if (llista && llista->isVisible()) llista->setFocus(Qt::OtherFocusReason);
    });
    connect(e.cmdNova, &QPushButton::clicked, this, &frmQUIMERIX::nova_sessio);
}

void frmQUIMERIX::connecta_estadistiques(PanellEstadistiques &e) {
    connect(e.cmdInforme, &QPushButton::clicked, this, [this] { prem_panell(Boto::Informe); });
    connect(e.cmdAjuda, &QPushButton::clicked, this, [this] { prem_panell(Boto::Ajuda); });
}

template <class Area> void frmQUIMERIX::area_feta(Area &area) {
    // Before the window is first laid out its fonts are sized by the first layout.
    if (superficie_->testAttribute(Qt::WA_Resized)) disposicio_finestra_->redimensiona();
    if (!refrescant_) area.mostra(*sessio_);
}

void frmQUIMERIX::posa_dialegs_impressio(DialegsImpressio &dialegs) {
    dialegs_ = &dialegs;
    arxius_->posa_dialegs(dialegs);
}

void frmQUIMERIX::imprimeix_informe(const DadesSessio &dades) {
    refresca();
    ui::imprimeix_informe(dades, *pont_, *dialegs_);
}

void frmQUIMERIX::obre_arxiu_desat(const QString &ruta) {
    const std::optional<DadesSessio> dades = llegeix_arxiu_desat(ruta, *pont_);
    if (!dades) return;
    // Idle, the set read back shows its captions and offers its review; a set under way is left
    // as it is and only the report is shown.
    if (sessio_->estat() == Estat::Inactiu) {
        sessio_->posa_desada(*dades);
        refresca();
        estadistiques().mostra_desades(*dades);
        xifres().mostra_desades(*dades);
    }
    ui::imprimeix_informe(*dades, *pont_, *dialegs_);
}

void frmQUIMERIX::nova_sessio() {
    sessio_->nova_serie();
    if (sessio_->estat() != Estat::Inactiu) return;
    opcions_->Text14->setText(PanellOpcions::data_avui());
    arxius_->nova_serie();
    refresca();
    opcions_->Text10->setFocus(Qt::OtherFocusReason);
}

void frmQUIMERIX::tic_crono() {
    sessio_->tic();
    refresca();
}

void frmQUIMERIX::aplica_linies() {
    if (PanellExercici *e = exercici_->si_feta()) e->aplica_linies(*sessio_);
}

void frmQUIMERIX::refresca() {
    if (refrescant_ || !sessio_) return;
    refrescant_ = true;
    const Sessio &s = *sessio_;
    if (s.estat() == Estat::Corregit && estat_vist_ != Estat::Corregit) correccio_vista_.start();
    estat_vist_ = s.estat();
    const Vista_opcions vista = vista_opcions(s);
    opcions_->mostra(s);
    arxius_->mostra(s.estat() == Estat::Inactiu);
    if (PanellXifres *x = xifres_->si_cal(mostra_xifres(vista))) x->mostra(s);
    if (PanellEstadistiques *e = estadistiques_->si_cal(mostra_alguna_cosa(vista_estadistiques(s))))
        e->mostra(s);
    if (PanellHistorial *h = historial_->si_cal(vista.recompte)) h->mostra(s);
    consulta_->mostra(s);
    cmdPrint->setVisible(s.ofereix_impressio());
    cmdPrint->setEnabled(s.impressio_activa());
    if (s.crono_actiu()) {
        if (!crono->isActive()) crono->start();
    } else {
        crono->stop();
    }
    // Last, so that the keyboard goes to a control already shown.
    if (PanellExercici *e = exercici_->si_cal(mostra_alguna_cosa(vista_exercici(s)))) e->mostra(s);
    avisa_temps(qs(vista.avis_temps));
    refrescant_ = false;
}

// The countdown's warning goes on the control the student is typing in: a screen reader reads out
// a change to the focused control's description. It stays there until the next warning or the
// end of the exercise, when the keyboard has already moved on.
void frmQUIMERIX::avisa_temps(const QString &avis) {
    const bool nou = !avis.isEmpty() && avis != avis_temps_;
    avis_temps_ = avis;
    if (avisat_ && (nou || sessio_->estat() != Estat::Pregunta)) {
        avisat_->setAccessibleDescription(QString());
        avisat_ = nullptr;
    }
    QWidget *focus = QApplication::focusWidget();
    if (nou && focus && isAncestorOf(focus)) {
        focus->setAccessibleDescription(avis);
        avisat_ = focus;
    }
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
        auto *boto = qobject_cast<QPushButton *>(QApplication::focusWidget());
        const PanellExercici *panell = exercici_->si_feta();
        if (boto && (!panell || (boto != panell->cmdCorregir && boto != panell->cmdSeguent)) &&
            boto->isEnabled()) {
            boto->click();
            event->accept();
            return;
        }
        const Estat e = sessio_->estat();
        // A second press just after a correction would skip it unread.
        if (e == Estat::Corregit && correccio_vista_.isValid() &&
            correccio_vista_.elapsed() < Espera_enter_ms) {
            event->accept();
            return;
        }
        if (e == Estat::Iniciada || e == Estat::Pregunta || e == Estat::Corregit) {
            sessio_->continua();
            refresca();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void frmQUIMERIX::showEvent(QShowEvent *event) {
    mostra_a_pantalla(event);
    // The student starts by typing the name.
    if (primer_cop_ && sessio_->estat() == Estat::Inactiu) opcions_->Text10->setFocus(Qt::OtherFocusReason);
    primer_cop_ = false;
}

void frmQUIMERIX::closeEvent(QCloseEvent *event) {
    // The countdown waits while the question is up, so that No finds the exercise as it was.
    const bool comptava = crono->isActive();
    crono->stop();
    if (missatges_.pregunta(Titol_atencio, "Segur que vols sortir del programa?", Icona::Exclamacio)) {
        // The last save is on disk, or the student has been told it is not, before the window goes.
        arxius_->espera_desades();
        event->accept();
    } else {
        event->ignore();
        if (comptava) crono->start();
    }
}

// A press on one of the panel's buttons. The keyboard then goes back where the student works: the
// answer box, or "Següent"; never to whatever follows a button that has just been disabled.
void frmQUIMERIX::prem_panell(Boto b) {
    sessio_->prem(b);
    if (b == Boto::Guia) consulta_->escriu_guia();
    refresca();
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->isVisible() && focus->isEnabled() && !qobject_cast<QPushButton *>(focus)) return;
    const PanellExercici *exercici = exercici_->si_feta();
    QWidget *desti = exercici ? exercici->lloc_de_treball() : nullptr;
    if (!desti && opcions_->cmdComencar->isVisible()) desti = opcions_->cmdComencar;
    if (!desti) desti = consulta_->contingut(sessio_->panell().vista());
    const PanellEstadistiques *estadistiques = estadistiques_->si_feta();
    if (!desti)
        desti = estadistiques && estadistiques->cmdInforme->isEnabled() ? estadistiques->cmdInforme
                                                                        : consulta_->cmdHelp;
    if (desti && desti->isVisible() && desti->isEnabled()) desti->setFocus(Qt::OtherFocusReason);
}

} // namespace quimerix::ui
