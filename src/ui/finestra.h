#pragma once
// The main window frmQUIMERIX: a view of the practice session, assembled from one class per area
// (options, the set's figures, the exercise, statistics and the professor's comment, the history,
// the reference panel, the session file controls). Clicks and keys become calls on Sessió; after
// each call every area shows what Sessió holds.

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "area_diferida.h"
#include "disposicio_qt.h"
#include "informe_ui.h"
#include "missatges.h"
#include "session/sessio.h"

class QPushButton;
class QTimer;

namespace quimerix::ui {

class ArxiusFinestra;
class PanellConsulta;
class PanellEstadistiques;
class PanellExercici;
class PanellHistorial;
class PanellOpcions;
class PanellXifres;

class frmQUIMERIX : public QMainWindow {
  public:
    // `font` and `missatges` must outlive the window.
    frmQUIMERIX(FontAleatoria &font, Missatges &missatges, QWidget *pare = nullptr);
    ~frmQUIMERIX() override;

    const Sessio &sessio() const { return *sessio_; }
    const DisposicioFinestra &disposicio_finestra() const { return *disposicio_finestra_; }

    // The areas of the window, each with its controls named as the window's objectNames. The areas
    // hidden while the window waits for a set are made when first shown; asking for one here
    // makes it at once.
    PanellOpcions &opcions() const { return *opcions_; }
    PanellXifres &xifres() const;
    PanellExercici &exercici() const;
    PanellEstadistiques &estadistiques() const;
    PanellHistorial &historial() const;
    PanellConsulta &consulta() const;
    // Makes every area now, shown or not.
    void construeix_arees() const;
    // The session file controls: cmdSave, cmdOpen, Label89, txtRuta_Arxiu.
    ArxiusFinestra &arxius() const { return *arxius_; }

    // The response timer: one tick a second, whose meaning the session decides.
    QTimer *crono = nullptr;
    // "Imprimir": the report of the set in memory; "Sortir".
    QPushButton *cmdPrint = nullptr, *cmdSortir = nullptr;

    // One tick of crono.
    void tic_crono();
    // The report of a set (the one in memory, or one read from a session file): a print preview,
    // or the offer of a PDF when the system has no printer.
    void imprimeix_informe(const DadesSessio &dades);
    // A set read back from its file (named on the command line, or handed over by another start):
    // its report; in the idle window also its captions and its review.
    void obre_arxiu_desat(const QString &ruta);
    // "Nova sessió": the idle window again, with the name and options kept and today's date.
    void nova_sessio();
    // The dialogs printing shows; `diàlegs` must outlive the window (tests answer from a script).
    void posa_dialegs_impressio(DialegsImpressio &dialegs);

  protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objecte, QEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    class Pont;

    void construeix();
    void connecta();
    // Once an area is made: its fonts follow the window's size, and it shows the session (unless
    // it was made to be shown by the refresh under way).
    template <class Area> void area_feta(Area &area);
    void connecta_exercici(PanellExercici &e);
    void connecta_estadistiques(PanellEstadistiques &e);
    void refresca();
    void aplica_linies();
    bool ajusta_a_pantalla();
    // The first fit to the screen when the window is shown.
    void mostra_a_pantalla(QShowEvent *event);
    void prem_panell(Boto b);
    void avisa_temps(const QString &avis);

    std::unique_ptr<Pont> pont_;
    DialegsImpressioQt dialegs_qt_{this};
    DialegsImpressio *dialegs_ = &dialegs_qt_;
    Missatges &missatges_;
    std::unique_ptr<Sessio> sessio_;
    QWidget *superficie_ = nullptr;
    std::unique_ptr<DisposicioFinestra> disposicio_finestra_;
    std::unique_ptr<PanellOpcions> opcions_;
    std::unique_ptr<ArxiusFinestra> arxius_;
    // Made when first shown (see AreaDiferida).
    std::unique_ptr<AreaDiferida<PanellXifres>> xifres_;
    std::unique_ptr<AreaDiferida<PanellExercici>> exercici_;
    std::unique_ptr<AreaDiferida<PanellEstadistiques>> estadistiques_;
    std::unique_ptr<AreaDiferida<PanellHistorial>> historial_;
    PanellConsulta *consulta_ = nullptr;
    // The size last asked for to fit the work area, so that a window manager that refuses it is not
    // asked again and again.
    QSize mida_demanada_;
    bool refrescant_ = false;
    // Since when the last correction is on screen: an Enter that comes too soon after it is a
    // second press meant for the answer, not a request for the next exercise.
    QElapsedTimer correccio_vista_;
    Estat estat_vist_ = Estat::Inactiu;
    bool primer_cop_ = true;
    // The countdown's last spoken warning, and the control that carries it.
    QString avis_temps_;
    QPointer<QWidget> avisat_;
};

// An Enter within this time of a correction being shown does not move on.
inline constexpr int Espera_enter_ms = 300;

} // namespace quimerix::ui
