// How the main window sits on its screen: inside the work area, frame included, with the controls
// laid out for the surface it ends with.

#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "finestra.h"
#include "linia.h"

namespace quimerix::ui {

namespace {

// The first coordinate from `posició` on at which a length fits between `inici` and `inici + lloc`
// (the start of the area when it does not fit at all).
int dins(int posicio, int llargada, int inici, int lloc) {
    return std::clamp(posicio, inici, std::max(inici, inici + lloc - llargada));
}

} // namespace

// Keeps the whole frame, title bar included, inside the screen's work area: smaller when it does
// not fit, then moved in. True when it asked for a new size or place.
bool frmQUIMERIX::ajusta_a_pantalla() {
    if (isMaximized() || isFullScreen() || isMinimized()) return false;
    QScreen *pantalla = screen();
    if (!pantalla) return false;
    const QRect area = pantalla->availableGeometry();
    const QRect marc = frameGeometry();
    const QSize vores = marc.size() - size();
    const QSize mida = size().boundedTo(area.size() - vores).expandedTo(minimumSize());
    const QSize mida_marc = mida + vores;
    const QPoint on(dins(marc.x(), mida_marc.width(), area.x(), area.width()),
                    dins(marc.y(), mida_marc.height(), area.y(), area.height()));
    // A window parked outside every screen stays where it is.
    const bool aparcada = !pantalla->virtualGeometry().intersects(marc);
    bool demanat = false;
    // A window manager that refuses a size is not asked for it again and again; once a size asked
    // for is granted, a later one may be asked.
    if (size() == mida_demanada_) mida_demanada_ = QSize();
    if (mida != size() && mida != mida_demanada_) {
        mida_demanada_ = mida;
        resize(mida);
        demanat = true;
    }
    if (on != marc.topLeft() && !aparcada) {
        move(on);
        demanat = true;
    }
    return demanat;
}

void frmQUIMERIX::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized()) ajusta_a_pantalla();
}

void frmQUIMERIX::mostra_a_pantalla(QShowEvent *event) {
    QMainWindow::showEvent(event);
    setMinimumSize(Mida_minima_finestra);
    // A window manager frames the window only once it is on screen: the window is fitted again
    // when it is first shown, with the frame's size known.
    if (QWindow *ventana = windowHandle()) ventana->installEventFilter(this);
    ajusta_a_pantalla();
}

// The controls follow the surface they sit on, whatever resized it: the user, the fit to the
// work area or a change of window state.
bool frmQUIMERIX::eventFilter(QObject *objecte, QEvent *event) {
    if (objecte == superficie_ && event->type() == QEvent::Resize && disposicio_finestra_ && !isMinimized()) {
        // A window parked outside every screen is left as it is.
        QScreen *pantalla = screen();
        if (!pantalla || pantalla->virtualGeometry().intersects(frameGeometry())) {
            disposicio_finestra_->redimensiona();
            aplica_linies();
        }
    }
    if (objecte == windowHandle() && event->type() == QEvent::Expose) {
        // On screen, and framed: fitted once the window system has finished with the event. Later
        // moves are the student's and are left alone.
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { ajusta_a_pantalla(); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(objecte, event);
}

void frmQUIMERIX::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && disposicio_finestra_) {
        disposicio_finestra_->redimensiona();
        aplica_linies();
    }
}

} // namespace quimerix::ui
