#include "missatges.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace quimerix::ui {

namespace {

QMessageBox::Icon icona_qt(Icona icona) {
    return icona == Icona::Exclamacio ? QMessageBox::Warning : QMessageBox::Information;
}

// A screen reader says the text with the title as the box appears.
void llegible(QMessageBox &caixa) {
    caixa.setAccessibleDescription(caixa.text());
}

} // namespace

bool MissatgesQt::pregunta(const std::string &titol, const std::string &text, Icona icona) {
    QMessageBox caixa(icona_qt(icona), QString::fromStdString(titol), QString::fromStdString(text),
                      QMessageBox::Yes | QMessageBox::No, pare_);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    caixa.setDefaultButton(QMessageBox::No);
    caixa.setEscapeButton(QMessageBox::No);
    llegible(caixa);
    return caixa.exec() == QMessageBox::Yes;
}

void MissatgesQt::avisa(const std::string &titol, const std::string &text, Icona icona) {
    QMessageBox caixa(icona_qt(icona), QString::fromStdString(titol), QString::fromStdString(text),
                      QMessageBox::Ok, pare_);
    caixa.button(QMessageBox::Ok)->setText(QStringLiteral("D'acord"));
    llegible(caixa);
    caixa.exec();
}

} // namespace quimerix::ui
