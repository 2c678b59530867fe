#pragma once
// Qt's own dialogs (file chooser, print dialog, print preview, the buttons of every question) in
// Catalan, like the rest of the window.

class QCoreApplication;

namespace quimerix::ui {

// Installs Qt's Catalan translation of its base module (qtbase_ca, from Qt's translations folder)
// in the application. Returns false when it is not there: Qt's texts then stay in English.
bool installa_traduccio_qt(QCoreApplication &app);

} // namespace quimerix::ui
