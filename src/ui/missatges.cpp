#include "missatges.h"

#include <QMessageBox>

namespace quimerix::ui {

bool MissatgesQt::pregunta(const QString& títol, const QString& text) {
    return QMessageBox::question(pare_, títol, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void MissatgesQt::avisa(const QString& títol, const QString& text) {
    QMessageBox::information(pare_, títol, text);
}

} // namespace quimerix::ui
