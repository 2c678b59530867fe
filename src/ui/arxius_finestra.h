#pragma once
// The session file controls of the main window: "Guardar" (cmdSave) chooses the file a set is
// written to, "Imprimir Arxiu" (cmdOpen) reads a stored set back and prints its report; Label89
// says that no file will be kept, and the hidden txtRuta_Arxiu holds the last choice.

#include <QString>
#include <functional>
#include <memory>

#include "arxiu_actiu.h"
#include "informe_ui.h"
#include "missatges.h"
#include "session/sessio.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quimerix::ui {

class DisposicioFinestra;

class ArxiusFinestra {
  public:
    // Puts the controls on `superfície`; from now on every save of `sessió` goes to the chosen file.
    ArxiusFinestra(QWidget *superficie, DisposicioFinestra &disposicio_finestra, Sessio &sessio,
                   Missatges &missatges);
    ~ArxiusFinestra();

    QPushButton *cmdSave, *cmdOpen;
    QLabel *Label89;
    QLineEdit *txtRuta_Arxiu;

    // cmdSave: the chooser in save mode; the set is written to the file chosen.
    void Save();
    // The set is written to `ruta` from now on (what choosing it does).
    void posa_ruta_arxiu(const QString &ruta);
    // cmdOpen: the chooser in open mode, the stored set read back, its captions shown, its report.
    void Open();
    // A new set in the same run: no file chosen yet; the chooser will propose the last name with a
    // number added.
    void nova_serie();
    // The controls are offered only while the options can be changed.
    void mostra(bool inactiu);
    // Waits for the saves of the set under way (see ArxiuSessio::espera).
    bool espera_desades() { return arxiu_.espera(); }
    // Where the saves go; tests put a slow or failing writer.
    void posa_funcio_desa(CuaDesades::Funcio_desa desa) { arxiu_.posa_funcio_desa(std::move(desa)); }

    // Shows the statistics captions of a set read back (Label65..Label78).
    std::function<void(const DadesSessio &)> mostra_estadistiques;
    // Called once a set has been read back (the window then offers its review).
    std::function<void()> en_llegida;
    // The dialogs of printing; tests put their own.
    void posa_dialegs(DialegsImpressio &dialegs) { dialegs_ = &dialegs; }

  private:
    QString tria(bool desar);

    Sessio &sessio_;
    Missatges &missatges_;
    QWidget *superficie_;
    ArxiuSessio arxiu_;
    std::unique_ptr<DialegsImpressioQt> dialegs_qt_;
    DialegsImpressio *dialegs_;
    // Folder shown by the next chooser: the one last used, Documents at first.
    QString carpeta_;
    // The name of the last file chosen to save a set into.
    QString darrer_nom_;
};

} // namespace quimerix::ui
