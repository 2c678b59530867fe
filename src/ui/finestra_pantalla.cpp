// How the main window sits on its screen: inside the work area, frame included, with the controls
// laid out for the surface it ends with.

#include <QEvent>
#include <QScreen>

#include "finestra.h"
#include "linia.h"

namespace quimerix::ui {

// Keeps the window inside the screen's work area; true when it asked for a new size.
bool frmQUIMERIX::ajusta_a_pantalla() {
    if (isMaximized()) return false;
    QScreen *pantalla = screen();
    if (!pantalla) return false;
    const QRect àrea = pantalla->availableGeometry();
    const QRect marc = frameGeometry();
    const int vora_h = marc.height() - height();
    const int vora_a = marc.width() - width();
    QSize mida = size();
    if (marc.height() > àrea.height()) mida.setHeight(àrea.height() - vora_h);
    if (marc.width() > àrea.width()) mida.setWidth(àrea.width() - vora_a);
    if (mida == size() || mida == mida_demanada_) return false;
    mida_demanada_ = mida;
    resize(mida);
    return true;
}

void frmQUIMERIX::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized()) ajusta_a_pantalla();
}

void frmQUIMERIX::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    // The frame's size is known once the window is on screen.
    ajusta_a_pantalla();
}

// The controls follow the surface they sit on, whatever resized it: the user, the fit to the
// work area or a change of window state.
bool frmQUIMERIX::eventFilter(QObject *objecte, QEvent *event) {
    if (objecte == superfície_ && event->type() == QEvent::Resize && disposició_ && !isMinimized()) {
        // A window parked outside every screen is left as it is.
        QScreen *pantalla = screen();
        if (!pantalla || pantalla->virtualGeometry().intersects(frameGeometry())) {
            disposició_->redimensiona();
            aplica_línies();
        }
    }
    return QMainWindow::eventFilter(objecte, event);
}

void frmQUIMERIX::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && disposició_) {
        disposició_->redimensiona();
        aplica_línies();
    }
}

} // namespace quimerix::ui
