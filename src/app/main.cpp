#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <optional>

#include "arrencada.h"
#include "entrega.h"
#include "finestra.h"
#include "generation/aleatori.h"
#include "linia_ordres.h"
#include "missatges.h"
#include "panell_opcions.h"
#include "sense_pantalla.h"
#include "traduccio.h"

namespace {

// Help and version need no display. A failed write (a full disk, a closed pipe) is an error.
int escriu(const std::string &text) {
    std::cout << text << std::flush;
    if (std::cout) return 0;
    std::cerr << "quimerix: no s'ha pogut escriure la sortida\n";
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    using quimerix::app::Ordre;
    const Ordre abans = quimerix::app::llegeix_ordre({argv + 1, argv + argc});
    if (abans.accio == Ordre::Accio::Ajuda) return escriu(quimerix::app::text_ajuda());
    if (abans.accio == Ordre::Accio::Versio) return escriu(quimerix::app::text_versio());

    std::optional<quimerix::app::VigilaPantalla> vigila(std::in_place);
    QApplication app(argc, argv);
    vigila.reset();
    QApplication::setApplicationName(QStringLiteral("QUIMERIX"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIMERIX_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUIMERIX_ID)));
    quimerix::ui::installa_traduccio_qt(app);

    // Qt has taken its own options (-platform, -style...) out of the list by now.
    std::vector<std::string> arguments;
    for (const QString &a : QCoreApplication::arguments().mid(1))
        arguments.push_back(a.toStdString());
    const Ordre ordre = quimerix::app::llegeix_ordre(arguments);
    if (ordre.accio == Ordre::Accio::Error) {
        std::cerr << "quimerix: " << ordre.error << "\nPer a més informació: quimerix --help\n";
        return 2;
    }

    quimerix::ui::MissatgesQt missatges;
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    if (!pantalla) {
        std::fputs(quimerix::app::Missatge_sense_pantalla, stderr);
        return 1;
    }
    quimerix::ui::Instancia instancia;
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString arxiu = QString::fromStdString(ordre.fitxer);
    if (const auto estat = quimerix::ui::comprova_arrencada(
            missatges, pantalla->size(), pantalla->devicePixelRatio(), instancia, executable, arxiu))
        return *estat;

    quimerix::FontRellotge font;
    quimerix::ui::frmQUIMERIX finestra(font, missatges);
    missatges.posa_pare(&finestra);
    if (!ordre.examen.empty()) finestra.opcions().posa_codi_examen(QString::fromStdString(ordre.examen));
    finestra.show();
    // A session file named on the command line (a double click in a file manager): its report,
    // once the window is up. Afterwards the window is idle, ready for a set, with the review of the
    // set read back offered.
    if (!arxiu.isEmpty())
        QTimer::singleShot(0, &finestra, [&finestra, arxiu] { finestra.obre_arxiu_desat(arxiu); });
    // The files another start hands to this copy: the window comes to the front with the report.
    std::optional<quimerix::ui::ReceptorArxius> receptor;
    if (instancia.presa())
        receptor.emplace(instancia.ruta_receptor(), [&finestra](const QString &ruta) {
            finestra.setWindowState((finestra.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            finestra.raise();
            finestra.activateWindow();
            finestra.obre_arxiu_desat(ruta);
        });
    return app.exec();
}
