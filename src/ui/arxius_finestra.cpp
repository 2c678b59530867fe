#include "arxius_finestra.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "arxius.h"
#include "controls.h"
#include "disposicio_qt.h"
#include "records/arxiu_sessio.h"
#include "records/cami_arxiu.h"

namespace quimerix::ui {

namespace {

const QString Sense_arxiu = QStringLiteral(
    "Per crear un arxiu que guardi els exercicis prem 'GUARDAR' i especifica'n el nom i la ruta");

} // namespace

ArxiusFinestra::ArxiusFinestra(QWidget *superfície, Disposició &disposició, Sessió &sessió,
                               Missatges &missatges)
    : sessió_(sessió), missatges_(missatges), superfície_(superfície), arxiu_(missatges),
      diàlegs_qt_(std::make_unique<DiàlegsImpressióQt>(superfície)), diàlegs_(diàlegs_qt_.get()) {
    cmdSave = new QPushButton(QStringLiteral("Guardar"), superfície);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setToolTip(QStringLiteral("Tria l'arxiu on es guardaran els exercicis de la sessió"));
    disposició.registra(cmdSave, disposicio::Tipus::Ordinari, px(314, 470, 110, 32));
    cmdOpen = new QPushButton(QStringLiteral("Imprimir Arxiu"), superfície);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setToolTip(QStringLiteral("Imprimeix l'informe d'una sessió guardada"));
    disposició.registra(cmdOpen, disposicio::Tipus::Ordinari, px(432, 470, 136, 32));
    Label89 = new QLabel(Sense_arxiu, superfície);
    Label89->setObjectName(QStringLiteral("Label89"));
    Label89->setWordWrap(true);
    disposició.registra(Label89, disposicio::Tipus::Ordinari, px(306, 540, 384, 32));
    txtRuta_Arxiu = new QLineEdit(superfície);
    txtRuta_Arxiu->setObjectName(QStringLiteral("txtRuta_Arxiu"));
    txtRuta_Arxiu->setVisible(false);

    QObject::connect(cmdSave, &QPushButton::clicked, superfície, [this] { Save(); });
    QObject::connect(cmdOpen, &QPushButton::clicked, superfície, [this] { Open(); });
    sessió_.en_desar = [this](const Sessió &s) { arxiu_.desa(s.dades()); };
}

ArxiusFinestra::~ArxiusFinestra() {
    sessió_.en_desar = nullptr;
}

QString ArxiusFinestra::tria(bool desar) {
    frmArxius finestra(desar ? frmArxius::Mode::Desar : frmArxius::Mode::Obrir, carpeta_, missatges_,
                       superfície_->window());
    finestra.exec();
    txtRuta_Arxiu->setText(finestra.txtRuta_Arxiu());
    if (finestra.txtRuta_Arxiu() != QString::fromStdString(Ruta_cancel)) carpeta_ = finestra.carpeta();
    return finestra.txtRuta_Arxiu();
}

void ArxiusFinestra::Save() {
    const QString ruta = tria(true);
    const bool cancel·lat = ruta == QString::fromStdString(Ruta_cancel);
    Label89->setText(cancel·lat ? Sense_arxiu : QString());
    if (!cancel·lat) arxiu_.posa_ruta(ruta);
    sessió_.posa_arxiu_actiu(!cancel·lat);
}

void ArxiusFinestra::Open() {
    const QString ruta = tria(false);
    if (ruta == QString::fromStdString(Ruta_cancel)) return;
    const std::optional<DadesSessió> dades = llegeix_sessió(ruta);
    if (!dades) {
        missatges_.avisa(Títol_programa, Missatge_error_arxiu, Icona::Exclamació);
        return;
    }
    if (mostra_estadístiques) mostra_estadístiques(*dades);
    imprimeix_informe(*dades, missatges_, *diàlegs_);
}

void ArxiusFinestra::mostra(bool inactiu) {
    cmdSave->setVisible(inactiu);
    cmdOpen->setVisible(inactiu);
    Label89->setVisible(inactiu);
}

} // namespace quimerix::ui
