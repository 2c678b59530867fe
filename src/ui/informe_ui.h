#pragma once
// Printing the report from the window: a print preview from which the student prints on any
// printer, or, when the system has no printer, the offer to save the report as PDF in Documents.

#include <QString>

#include "missatges.h"
#include "records/dades_sessio.h"
#include "records/impressio.h"

class QWidget;

namespace quimerix::ui {

// The dialogs printing needs; the program shows Qt's, tests answer with a script.
class DialegsImpressio {
  public:
    virtual ~DialegsImpressio() = default;
    // Whether the system has a default printer.
    virtual bool hi_ha_impressora() = 0;
    // Shows the print preview of `d` (the student may print from it); false when a printer failed.
    virtual bool previsualitza(const Document_impressio &d) = 0;
    // Asks where to save the PDF, proposing `proposta`; empty when cancelled.
    virtual QString demana_pdf(const QString &proposta) = 0;
};

class DialegsImpressioQt final : public DialegsImpressio {
  public:
    explicit DialegsImpressioQt(QWidget *pare = nullptr) : pare_(pare) {}
    void posa_pare(QWidget *pare) { pare_ = pare; }
    bool hi_ha_impressora() override;
    bool previsualitza(const Document_impressio &d) override;
    QString demana_pdf(const QString &proposta) override;

  private:
    QWidget *pare_;
};

inline const std::string Pregunta_pdf =
    "No hi ha cap impressora instal·lada. Vols desar l'informe en un document PDF?";

// The report of `d`: refused with the printing message when it has no exercises; a preview when
// there is a printer; otherwise the offer to save it as PDF (Documents, named after the student
// and the date). Any failure shows the printing message.
void imprimeix_informe(const DadesSessio &d, Missatges &missatges, DialegsImpressio &dialegs);

} // namespace quimerix::ui
