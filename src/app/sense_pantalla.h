#pragma once
// Qt ends the process with abort() when it cannot open any windowing platform: no display, a
// display that does not answer, a platform plug-in that is missing. While the application object
// is being built, a VigilaPantalla holds Qt's messages back; if Qt gives up, the student reads one
// Catalan line on standard error and the program ends with status 1.

#include <QString>
#include <QtGlobal>
#include <vector>

namespace quimerix::app {

// The line printed when no display can be opened.
inline constexpr const char *Missatge_sense_pantalla =
    "quimerix: no hi ha cap pantalla disponible (cal obrir el programa des d'un escriptori gràfic)\n";

class VigilaPantalla {
  public:
    VigilaPantalla();
    // Gives the messages held back to the handler that was in place before.
    ~VigilaPantalla();
    Q_DISABLE_COPY_MOVE(VigilaPantalla)

  private:
    struct Missatge {
        QtMsgType tipus;
        QByteArray categoria;
        QString text;
    };
    static void rep(QtMsgType tipus, const QMessageLogContext &context, const QString &text);
    QtMessageHandler anterior_;
    std::vector<Missatge> retinguts_;
};

} // namespace quimerix::app
