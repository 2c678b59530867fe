#pragma once
// Printing the report from the window: the report always opens in a preview, from which the
// student prints it (when the system has a printer) or saves it as PDF in Documents.

#include <QDialog>
#include <QString>

#include "missatges.h"
#include "records/dades_sessio.h"
#include "records/impressio.h"

class QPrinter;
class QWidget;

namespace quimerix::ui {

// How the student left the report's preview.
enum class Final_previa {
    Tancada,          // closed, or printing cancelled
    Impresa,          // printed
    Error_impressora, // the printer failed
    Desa_pdf,         // "Desa en PDF": the PDF offer follows
};

// The dialogs printing needs; the program shows Qt's, tests answer with a script.
class DialegsImpressio {
  public:
    virtual ~DialegsImpressio() = default;
    // Whether the system has a default printer.
    virtual bool hi_ha_impressora() = 0;
    // Shows the preview of `d`; it offers "Imprimeix" only when `impressora`.
    virtual Final_previa previsualitza(const Document_impressio &d, bool impressora) = 0;
    // Asks where to save the PDF, proposing `proposta`; empty when cancelled.
    virtual QString demana_pdf(const QString &proposta) = 0;
};

class DialegsImpressioQt final : public DialegsImpressio {
  public:
    explicit DialegsImpressioQt(QWidget *pare = nullptr) : pare_(pare) {}
    void posa_pare(QWidget *pare) { pare_ = pare; }
    bool hi_ha_impressora() override;
    Final_previa previsualitza(const Document_impressio &d, bool impressora) override;
    QString demana_pdf(const QString &proposta) override;

  private:
    QWidget *pare_;
};

// The report's preview: the pages fitted to the width of the screen's work area, with
// "Imprimeix" (when there is a printer), "Desa en PDF" and "Tanca"; Esc closes it.
class VistaPreviaInforme final : public QDialog {
  public:
    VistaPreviaInforme(const Document_impressio &d, QPrinter &paper, bool impressora,
                       QWidget *pare = nullptr);
    // How the student left it; a page that could not be painted counts as a printer failure.
    Final_previa final_previa() const;

  private:
    void imprimeix();
    void acaba(Final_previa f);
    const Document_impressio &document_;
    QPrinter &paper_;
    Final_previa final_ = Final_previa::Tancada;
    bool pintat_ = true;
};

// The report of `d`: refused with the printing message when it has no exercises; otherwise its
// preview, and from there the printer or the offer to save it as PDF (Documents, named after the
// student and the date). Any failure shows the printing message.
void imprimeix_informe(const DadesSessio &d, Missatges &missatges, DialegsImpressio &dialegs);

} // namespace quimerix::ui
