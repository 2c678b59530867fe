// The report from the main window: "Imprimir" and the end-of-set question lead to the print
// preview, or to the PDF offered when the system has no printer.

#include <QtTest>

class FinestraInformeTest : public QObject {
    Q_OBJECT
  private slots:
    void boto_imprimir();
    void final_del_conjunt_data();
    void final_del_conjunt();
};

#ifndef Q_MOC_RUN
#include <QTemporaryDir>

#include "informe_ui.h"
#include "records/informe.h"
#include "suport.h"
#endif

using namespace prova;

namespace {

class DialegsProva final : public quimerix::ui::DialegsImpressio {
  public:
    bool hi_ha_impressora() override { return impressora; }
    quimerix::ui::Final_previa previsualitza(const quimerix::Document_impressio &d, bool) override {
        textos.push_back(quimerix::text_document(d));
        return impressora ? quimerix::ui::Final_previa::Impresa : quimerix::ui::Final_previa::Desa_pdf;
    }
    QString demana_pdf(const QString &) override { return cami; }
    bool impressora = true;
    std::vector<std::string> textos;
    QString cami;
};

// A set of three formula exercises, the second one left unanswered.
void tres_exercicis(Banc &b) {
    auto &f = b.finestra;
    for (int i = 0; i < 22; ++i)
        f.opcions().Command1->click();
    b.comenca(f.opcions().Option1);
    for (int n = 1; n <= 3; ++n) {
        if (n != 2) b.escriu_formula_correcta();
        f.exercici().cmdCorregir->click();
        f.exercici().cmdSeguent->click();
    }
}

} // namespace

void FinestraInformeTest::boto_imprimir() {
    Banc b;
    DialegsProva dialegs;
    auto &f = b.finestra;
    f.posa_dialegs_impressio(dialegs);
    QVERIFY(!f.cmdPrint->isVisible());
    QCOMPARE(f.cmdPrint->text(), QStringLiteral("&Imprimir"));
    b.comenca(f.opcions().Option1);
    QVERIFY(f.cmdPrint->isVisible());
    QVERIFY(!f.cmdPrint->isEnabled());
    b.escriu_formula_correcta();
    f.exercici().cmdCorregir->click();
    QVERIFY(f.cmdPrint->isEnabled());
    f.cmdPrint->click();
    QCOMPARE(int(dialegs.textos.size()), 1);
    QVERIFY(dialegs.textos[0].find("Anna Puig") != std::string::npos);
    QVERIFY(dialegs.textos[0].find("(100 %)") != std::string::npos);
}

void FinestraInformeTest::final_del_conjunt_data() {
    QTest::addColumn<bool>("impressora");
    QTest::addColumn<bool>("si");
    QTest::addColumn<int>("previsualitzacions");
    QTest::addColumn<bool>("pdf");
    QTest::newRow("sí, amb impressora") << true << true << 1 << false;
    QTest::newRow("no") << true << false << 0 << false;
    QTest::newRow("sí, sense impressora") << false << true << 1 << true; // "Desa en PDF" from the preview
}

void FinestraInformeTest::final_del_conjunt() {
    QFETCH(bool, impressora);
    QFETCH(bool, si);
    QFETCH(int, previsualitzacions);
    QFETCH(bool, pdf);
    QTemporaryDir dir;
    Banc b;
    DialegsProva dialegs;
    dialegs.impressora = impressora;
    dialegs.cami = dir.filePath(QStringLiteral("informe.pdf"));
    b.finestra.posa_dialegs_impressio(dialegs);
    // Yes to starting without a file, then the answer to the report question.
    b.missatges.respostes = {true, si};
    tres_exercicis(b);

    QVERIFY(b.finestra.exercici().Label80->isVisible());
    const auto textos = b.missatges.textos();
    QVERIFY(std::find(textos.begin(), textos.end(),
                      "Has completat tots els exercicits. Vols imprimir-ne un informe?") != textos.end());
    QCOMPARE(int(dialegs.textos.size()), previsualitzacions);
    if (previsualitzacions > 0) {
        const std::string &t = dialegs.textos[0];
        QVERIFY(t.find("Encerts sobre el total:  2 / 3  (67 %) ") != std::string::npos);
        QVERIFY(t.find("NOTA: 6'67") != std::string::npos);
    }
    QCOMPARE(QFile::exists(dialegs.cami), pdf);
    QVERIFY(std::find(textos.begin(), textos.end(), quimerix::Missatge_error_impressio) == textos.end());
}

PROVA_MAIN(FinestraInformeTest)
#include "finestra_informe_test.moc"
