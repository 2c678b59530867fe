#include "arxius_finestra.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "arxius.h"
#include "controls.h"
#include "disposicio_qt.h"
#include "obre_arxiu.h"
#include "records/arxiu_sessio.h"
#include "records/cami_arxiu.h"

namespace quimerix::ui {

namespace {

const QString Sense_arxiu = QStringLiteral(
    "Per crear un arxiu que guardi els exercicis prem 'GUARDAR' i especifica'n el nom i la ruta");

} // namespace

ArxiusFinestra::ArxiusFinestra(QWidget *superficie, DisposicioFinestra &disposicio_finestra, Sessio &sessio,
                               Missatges &missatges)
    : sessio_(sessio), missatges_(missatges), superficie_(superficie), arxiu_(missatges),
      dialegs_qt_(std::make_unique<DialegsImpressioQt>(superficie)), dialegs_(dialegs_qt_.get()) {
    cmdSave = new QPushButton(QStringLiteral("G&uardar"), superficie);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setToolTip(QStringLiteral("Tria l'arxiu on es desaran els exercicis de la sessió"));
    disposicio_finestra.registra(cmdSave, disposicio::Tipus::Ordinari, px(314, 470, 110, 32));
    cmdOpen = new QPushButton(QStringLiteral("Imprimir Arxiu"), superficie);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setToolTip(QStringLiteral("Imprimeix l'informe d'una sessió desada"));
    disposicio_finestra.registra(cmdOpen, disposicio::Tipus::Ordinari, px(432, 470, 136, 32));
    Label89 = new QLabel(Sense_arxiu, superficie);
    Label89->setObjectName(QStringLiteral("Label89"));
    Label89->setWordWrap(true);
    disposicio_finestra.registra(Label89, disposicio::Tipus::Ordinari, px(306, 540, 384, 32));
    txtRuta_Arxiu = new QLineEdit(superficie);
    txtRuta_Arxiu->setObjectName(QStringLiteral("txtRuta_Arxiu"));
    txtRuta_Arxiu->setVisible(false);

    QObject::connect(cmdSave, &QPushButton::clicked, superficie, [this] { Save(); });
    QObject::connect(cmdOpen, &QPushButton::clicked, superficie, [this] { Open(); });
    sessio_.en_desar = [this](const DadesSessio &d) { arxiu_.desa(d); };
}

ArxiusFinestra::~ArxiusFinestra() {
    sessio_.en_desar = nullptr;
}

QString ArxiusFinestra::tria(bool desar) {
    frmArxius finestra(desar ? frmArxius::Mode::Desar : frmArxius::Mode::Obrir, carpeta_, missatges_,
                       superficie_->window());
    if (desar && !darrer_nom_.isEmpty())
        finestra.proposa_nom(QString::fromStdString(nom_seguent(darrer_nom_.toStdString())));
    finestra.exec();
    txtRuta_Arxiu->setText(finestra.txtRuta_Arxiu());
    if (finestra.txtRuta_Arxiu() != QString::fromStdString(Ruta_cancel)) carpeta_ = finestra.carpeta();
    return finestra.txtRuta_Arxiu();
}

void ArxiusFinestra::Save() {
    const QString ruta = tria(true);
    const bool cancellat = ruta == QString::fromStdString(Ruta_cancel);
    if (cancellat) {
        Label89->setText(Sense_arxiu);
        Label89->setToolTip(QString());
        superficie_->window()->setWindowTitle(QStringLiteral("QUIMERIX"));
        sessio_.posa_arxiu_actiu(false);
    } else {
        posa_ruta_arxiu(ruta);
    }
}

void ArxiusFinestra::posa_ruta_arxiu(const QString &ruta) {
    const QString nom = QFileInfo(ruta).fileName();
    Label89->setText(QStringLiteral("Els exercicis es desaran a l'arxiu «%1».").arg(nom));
    Label89->setToolTip(QDir::toNativeSeparators(ruta));
    // The set's file stays in sight while the set runs, in the title of the window.
    superficie_->window()->setWindowTitle(QStringLiteral("%1 – QUIMERIX").arg(nom));
    arxiu_.posa_ruta(ruta);
    darrer_nom_ = nom;
    sessio_.posa_arxiu_actiu(true);
}

void ArxiusFinestra::Open() {
    const QString ruta = tria(false);
    if (ruta == QString::fromStdString(Ruta_cancel)) return;
    const std::optional<DadesSessio> dades = llegeix_arxiu_desat(ruta, missatges_);
    if (!dades) return;
    sessio_.posa_desada(*dades);
    if (en_llegida) en_llegida();
    if (mostra_estadistiques) mostra_estadistiques(*dades);
    imprimeix_informe(*dades, missatges_, *dialegs_);
}

void ArxiusFinestra::nova_serie() {
    Label89->setText(Sense_arxiu);
    txtRuta_Arxiu->clear();
}

void ArxiusFinestra::mostra(bool inactiu) {
    cmdSave->setVisible(inactiu);
    cmdOpen->setVisible(inactiu);
    Label89->setVisible(inactiu);
}

} // namespace quimerix::ui
