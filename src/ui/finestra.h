#pragma once
// The main window frmQUIMERIX: a view of the practice session. Clicks and keys become calls on
// Sessió; after each call the window shows what Sessió holds.

#include <QMainWindow>
#include <array>
#include <memory>

#include "disposicio_qt.h"
#include "informe_ui.h"
#include "missatges.h"
#include "session/sessio.h"

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace quimerix::ui {

class ArxiusFinestra;
class Línia;
class PanellConsulta;

class frmQUIMERIX : public QMainWindow {
  public:
    // `font` and `missatges` must outlive the window.
    frmQUIMERIX(FontAleatoria &font, Missatges &missatges, QWidget *pare = nullptr);
    ~frmQUIMERIX() override;

    const Sessió &sessió() const { return *sessió_; }
    const Disposició &disposició() const { return *disposició_; }
    // The session file controls: cmdSave, cmdOpen, Label89, txtRuta_Arxiu.
    ArxiusFinestra &arxius() { return *arxius_; }
    // Today's date in the system's short date format.
    static QString data_avui();

    // The response timer: one tick a second, whose meaning the session decides.
    QTimer *crono = nullptr;

    // Options.
    QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7;
    QCheckBox *Check8, *Check10, *Check11;
    QRadioButton *Option1, *Option2, *Option3, *Option4;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    QLabel *Label44, *Label45, *Label46, *Label47, *Label48, *Label49, *Label50, *Label84, *Label93;
    QLabel *Label41, *Label88;
    QLineEdit *Text10, *Text14;
    QPushButton *cmdComençar;
    QLabel *Label86;
    QLabel *Label87;
    // Frozen option captions, in the order Check1..Check8, Check10, Check11, Option1..Option4.
    QLabel *Label29, *Label30, *Label31, *Label32, *Label33, *Label34, *Label35, *Label36, *Label37, *Label38,
        *Label39, *Label40, *Label42, *Label43;
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;

    // Session figures.
    QLabel *Label23, *Label24, *Label26, *Label27, *Label25, *Label28;
    Línia *Line1, *Line2, *Line3, *Line4;
    QLabel *Label77, *Label78, *Label91, *Label90;

    // Question, answer and correction.
    QLabel *Label85, *Label7, *Label80;
    QLabel *Label8, *Label9, *Label10, *Label11, *Label12, *Label13, *Label14;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *Text11, *Text12, *Text2, *Text3, *Text4, *Text5, *Text13, *Text1;
    QLabel *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21, *Label22;
    Línia *Line22, *Line23, *Line24, *Line25, *Line26, *Line27, *Line28, *Line29, *Line30;
    QPushButton *cmdCorregir, *cmdSegüent;

    // Statistics panel, professor's comment and history.
    QLabel *Label64;
    QLabel *Label52, *Label53, *Label54, *Label55, *Label56, *Label57, *Label58, *Label59, *Label60, *Label61,
        *Label62, *Label63;
    QLabel *Label65, *Label66, *Label67, *Label68, *Label69, *Label70, *Label71, *Label72, *Label73, *Label74,
        *Label75, *Label76;
    // The same labels in table order.
    std::array<QLabel *, 12> títols_estadístiques{}; // Label52..Label63
    std::array<QLabel *, 12> cel_estadístiques{};    // Label65..Label76
    Línia *Line31, *Line32, *Line33, *Line34, *Line35, *Line36, *Line37;
    QPlainTextEdit *txtProfessor;
    std::array<QLabel *, 3> Label51{};
    QLabel *Label79, *Label82, *Label83;
    QPushButton *cmdInforme, *cmdAjuda, *cmdSortir;
    // "Imprimir": the report of the set in memory.
    QPushButton *cmdPrint;

  public:
    // One tick of crono.
    void tic_crono();
    // The report of a set (the one in memory, or one read from a session file): a print preview,
    // or the offer of a PDF when the system has no printer.
    void imprimeix_informe(const DadesSessió &dades);
    // The dialogs printing shows; `diàlegs` must outlive the window (tests answer from a script).
    void posa_diàlegs_impressió(DiàlegsImpressió &diàlegs);

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
    void refresca();
    void nou_exercici();
    void congela_opcions();
    void aplica_línies();
    bool ajusta_a_pantalla();
    void data_canviada(const QString &text);
    void prem_panell(Botó b);
    void caixa_editada(Caixa caixa, const QString &text);

    std::unique_ptr<Pont> pont_;
    DiàlegsImpressióQt diàlegs_qt_{this};
    DiàlegsImpressió *diàlegs_ = &diàlegs_qt_;
    Missatges &missatges_;
    std::unique_ptr<Sessió> sessió_;
    QWidget *superfície_ = nullptr;
    std::unique_ptr<Disposició> disposició_;
    std::unique_ptr<ArxiusFinestra> arxius_;
    QHBoxLayout *fila_pregunta_ = nullptr;
    QHBoxLayout *fila_resposta_ = nullptr;

    PanellConsulta *panell_ = nullptr;
    Estat estat_vist_ = Estat::Inactiu;
    int número_vist_ = -1;
    bool congelat_ = false;
    // The size last asked for to fit the work area, so that a window manager that refuses it is not
    // asked again and again.
    QSize mida_demanada_;
    bool refrescant_ = false;
};

} // namespace quimerix::ui
