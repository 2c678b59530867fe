#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>

#include "arrencada.h"
#include "finestra.h"
#include "generation/aleatori.h"
#include "missatges.h"

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUIMERIX"));
    quimerix::ui::MissatgesQt missatges;

    const QScreen *pantalla = QGuiApplication::primaryScreen();
    if (!pantalla || !quimerix::ui::comprova_pantalla(missatges, pantalla->size())) return 0;
    quimerix::ui::Instància instància;
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (!quimerix::ui::comprova_segona_còpia(missatges, instància, executable)) return 0;

    quimerix::FontRellotge font;
    quimerix::ui::frmQUIMERIX finestra(font, missatges);
    missatges.posa_pare(&finestra);
    finestra.show();
    return app.exec();
}
