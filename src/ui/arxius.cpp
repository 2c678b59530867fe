#include "arxius.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include "controls.h"
#include "records/cami_arxiu.h"

namespace quimerix::ui {

namespace {

const std::string Pregunta_sobreescriure =
    "Ja existeix un arxiu amb aquest nom i ruta. Vols sobreescriure'l?";
const std::string Unitat_illegible = "No es pot llegir la unitat seleccionada";

// A place the set cannot be written to: a folder without write permission (or on a read-only
// disk), a file that cannot be changed, or a folder where the file would go. Tried for real, so
// that whatever the system decides (permissions, access lists, read-only disks) is what counts:
// an existing file is opened to append (nothing is written), a new one tried as a temporary file
// beside it, removed at once.
bool no_escrivible(const QString &ruta) {
    const QFileInfo arxiu(ruta);
    if (arxiu.exists()) {
        QFile existent(ruta);
        return !arxiu.isFile() || !existent.open(QIODevice::Append);
    }
    QTemporaryFile prova(arxiu.absolutePath() + QStringLiteral("/.quimerix-XXXXXX"));
    return !prova.open();
}
constexpr int Rol_cami = Qt::UserRole;

std::string utf8(const QString &s) {
    return s.toStdString();
}

// Whether `carpeta` is `arrel` or lies inside it.
bool dins(const QString &carpeta, const QString &arrel) {
    if (arrel == QLatin1String("/")) return carpeta.startsWith(u'/');
    return carpeta == arrel || carpeta.startsWith(arrel + u'/');
}

QGroupBox *marc(const char *nom, const QString &titol, QWidget *pare) {
    auto *m = new QGroupBox(titol, pare);
    m->setObjectName(QString::fromUtf8(nom));
    return m;
}

} // namespace

frmArxius::frmArxius(Mode mode, const QString &carpeta, Missatges &missatges, QWidget *pare,
                     const QList<Unitat> &unitats)
    : QDialog(pare), mode_(mode), missatges_(missatges),
      unitats_(unitats.isEmpty() ? unitats_del_sistema() : unitats),
      ruta_(QString::fromStdString(Ruta_cancel)) {
    setObjectName(QStringLiteral("frmArxius"));
    setModal(true);
    construeix();
    const bool desa = mode_ == Mode::Desar;
    setWindowTitle(desa ? QStringLiteral("Guardar un arxiu de la sessió")
                        : QStringLiteral("Obrir un arxiu per imprimir-lo"));
    Label1->setText(desa ? QStringLiteral("Selecciona la ruta i escriu el nom de l'arxiu que vols guardar")
                         : QStringLiteral("Selecciona la ruta i l'arxiu que vols imprimir"));
    FrameNomArxiu->setVisible(desa);
    Command1->setVisible(desa);
    Command3->setVisible(!desa);
    (desa ? Command1 : Command3)->setDefault(true);
    // A screen reader hears, with the dialog's title, what it asks.
    setAccessibleDescription(Label1->text());

    const QString inici = QFileInfo(carpeta).isDir() ? QDir(carpeta).absolutePath() : carpeta_documents();
    posa_carpeta(inici);
    Text1_Change();
    (desa ? static_cast<QWidget *>(Text1) : File1)->setFocus();
}

void frmArxius::construeix() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));

    FrameUnitat = marc("FrameUnitat", QStringLiteral("Unitat"), this);
    Drive1 = new QComboBox(FrameUnitat);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (const Unitat &u : unitats_)
        Drive1->addItem(u.nom, u.arrel);
    (new QVBoxLayout(FrameUnitat))->addWidget(Drive1);

    FrameRuta = marc("FrameRuta", QStringLiteral("Ruta"), this);
    Dir1 = new QListWidget(FrameRuta);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    (new QVBoxLayout(FrameRuta))->addWidget(Dir1);

    FrameArxius = marc("FrameArxius", QStringLiteral("Arxius (*.qxs)"), this);
    File1 = new QListWidget(FrameArxius);
    File1->setObjectName(QStringLiteral("File1"));
    (new QVBoxLayout(FrameArxius))->addWidget(File1);

    FrameNomArxiu = marc("FrameNomArxiu", QStringLiteral("Nom de l'Arxiu"), this);
    Text1 = new QLineEdit(FrameNomArxiu);
    Text1->setObjectName(QStringLiteral("Text1"));
    sense_controls(Text1);
    Combo1 = new QComboBox(FrameNomArxiu);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    auto *fila_nom = new QVBoxLayout(FrameNomArxiu);
    fila_nom->addWidget(Text1);
    fila_nom->addWidget(Combo1);

    FrameSeleccio = marc("FrameSelecció", QStringLiteral("Ruta i nom de l'arxiu seleccionat"), this);
    Label2 = new QLabel(FrameSeleccio);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(FrameSeleccio))->addWidget(Label2);

    auto boto = [this](const char *nom, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(nom));
        return b;
    };
    Command1 = boto("Command1", QStringLiteral("Guardar"));
    Command3 = boto("Command3", QStringLiteral("Imprimir"));
    Command2 = boto("Command2", QStringLiteral("Cancel·lar"));

    auto *graella = new QGridLayout(this);
    graella->addWidget(Label1, 0, 0, 1, 2);
    graella->addWidget(FrameUnitat, 1, 0);
    graella->addWidget(FrameNomArxiu, 1, 1);
    graella->addWidget(FrameRuta, 2, 0);
    graella->addWidget(FrameArxius, 2, 1);
    graella->addWidget(FrameSeleccio, 3, 0, 1, 2);
    auto *botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(Command1);
    botons->addWidget(Command3);
    botons->addWidget(Command2);
    graella->addLayout(botons, 4, 0, 1, 2);
    resize(560, 420);

    // Each list and box is read by the caption of the frame it sits in.
    const std::pair<QWidget *, QGroupBox *> marcs[] = {
        {Drive1, FrameUnitat}, {Dir1, FrameRuta}, {File1, FrameArxius}, {Text1, FrameNomArxiu}};
    for (const auto &[control, marc] : marcs)
        control->setAccessibleName(marc->title());
    Combo1->setAccessibleName(QStringLiteral("Arxius triats abans"));

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Drive1, &QComboBox::activated, this, [this](int i) { Drive1_Change(i); });
    connect(Dir1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *e) { posa_carpeta(e->data(Rol_cami).toString()); });
    connect(File1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *e) { File1_Click(File1->row(e)); });
    connect(File1, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (File1->hasFocus() && fila >= 0) File1_Click(fila);
    });
    connect(File1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *e) { File1_DblClick(File1->row(e)); });
    connect(Combo1, &QComboBox::activated, this, [this] { Text1->setText(Combo1->currentText()); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
    Dir1->installEventFilter(this);
    File1->installEventFilter(this);
}

// Enter in the folder list opens the folder, in the file list it chooses the file: the key must
// not also reach the default button.
bool frmArxius::eventFilter(QObject *objecte, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(event)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            if (objecte == Dir1 && Dir1->currentItem()) {
                posa_carpeta(Dir1->currentItem()->data(Rol_cami).toString());
                return true;
            }
            if (objecte == File1 && File1->currentRow() >= 0) {
                File1_DblClick(File1->currentRow());
                return true;
            }
        }
    }
    return QDialog::eventFilter(objecte, event);
}

void frmArxius::proposa_nom(const QString &nom) {
    if (mode_ != Mode::Desar) return;
    Text1->setText(nom);
    Text1_Change();
}

QString frmArxius::cami() const {
    return QString::fromStdString(cami_arxiu(utf8(carpeta_), utf8(Text1->text())));
}

void frmArxius::posa_carpeta(const QString &carpeta) {
    if (!QFileInfo(carpeta).isDir()) return;
    carpeta_ = QDir(carpeta).absolutePath();
    omple_carpetes();
    omple_arxius();
    if (mode_ == Mode::Obrir) Text1->clear();
    const int unitat = unitat_de(carpeta_);
    if (unitat >= 0) Drive1->setCurrentIndex(unitat);
    Text1_Change();
}

// Dir1 shows the folders from the root down to the current one, then its subfolders.
void frmArxius::omple_carpetes() {
    Dir1->clear();
    QStringList parts = carpeta_.split(u'/', Qt::SkipEmptyParts);
    QString cami_part = QStringLiteral("/");
    auto afegeix = [this](const QString &text, const QString &cami_element, int nivell) {
        auto *e = new QListWidgetItem(QString(nivell * 2, u' ') + text, Dir1);
        e->setData(Rol_cami, cami_element);
        return e;
    };
    QListWidgetItem *actual = afegeix(QStringLiteral("/"), cami_part, 0);
    for (int i = 0; i < parts.size(); ++i) {
        cami_part = QDir(cami_part).filePath(parts[i]);
        actual = afegeix(parts[i], cami_part, i + 1);
    }
    const QDir dir(carpeta_);
    for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        afegeix(sub, dir.filePath(sub), static_cast<int>(parts.size()) + 1);
    Dir1->setCurrentItem(actual);
}

void frmArxius::omple_arxius() {
    File1->clear();
    copiats_ = 0;
    QDir dir(carpeta_);
    dir.setNameFilters({QString::fromStdString("*" + Extensio_sessio)});
    // Case-sensitive, as the path rule is: a listed name is always returned as itself.
    dir.setFilter(QDir::Files | QDir::CaseSensitive);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    File1->addItems(dir.entryList());
}

void frmArxius::Text1_Change() {
    const bool acceptable = nom_arxiu_acceptable(utf8(Text1->text()));
    Command1->setEnabled(acceptable);
    Command3->setEnabled(acceptable);
    Label2->setText(QString::fromStdString(text_seleccio(utf8(carpeta_), utf8(Text1->text()))));
}

void frmArxius::Drive1_Change(int index) {
    const QString arrel = Drive1->itemData(index).toString();
    const QFileInfo info(arrel);
    if (!info.isDir() || !info.isReadable() || !QDir(arrel).isReadable()) {
        missatges_.avisa(Titol_programa, Unitat_illegible, Icona::Exclamacio);
        Drive1->setCurrentIndex(unitat_de(carpeta_));
        return;
    }
    posa_carpeta(arrel);
}

// The volume whose folder holds `carpeta` most closely; -1 when none does.
int frmArxius::unitat_de(const QString &carpeta) const {
    int millor = -1;
    for (int i = 0; i < unitats_.size(); ++i)
        if (dins(carpeta, unitats_[i].arrel) &&
            (millor < 0 || unitats_[i].arrel.size() > unitats_[millor].arrel.size()))
            millor = i;
    return millor;
}

void frmArxius::File1_Click(int fila) {
    for (int i = copiats_; i <= fila; ++i) {
        const QString nom = File1->item(i)->text();
        if (Combo1->findText(nom) < 0) Combo1->addItem(nom);
    }
    copiats_ = std::max(copiats_, fila + 1);
    Combo1->setCurrentIndex(0);
    Text1->setText(File1->item(fila)->text());
}

void frmArxius::File1_DblClick(int fila) {
    File1_Click(fila);
    if (mode_ == Mode::Obrir)
        Command3_Click();
    else
        Command1_Click();
}

void frmArxius::Command3_Click() {
    if (!nom_arxiu_acceptable(utf8(Text1->text()))) return;
    ruta_ = cami();
    accept();
}

void frmArxius::Command1_Click() {
    if (!nom_arxiu_acceptable(utf8(Text1->text()))) return;
    ruta_ = cami();
    Label2->setText(ruta_);
    // Refused now, while another place can still be chosen, rather than at the first save.
    if (no_escrivible(ruta_)) {
        missatges_.avisa(Titol_atencio, avis_no_escrivible(ruta_).toStdString(), Icona::Exclamacio);
        ruta_ = QString::fromStdString(Ruta_cancel);
        return;
    }
    if (QFileInfo::exists(ruta_) &&
        !missatges_.pregunta(Titol_atencio, Pregunta_sobreescriure, Icona::Exclamacio)) {
        ruta_ = QString::fromStdString(Ruta_cancel);
        return;
    }
    accept();
}

QString avis_no_escrivible(const QString &ruta) {
    return QStringLiteral(
               "Aquí no es poden desar els exercicis:\n%1\n\nNo tens permís per escriure-hi. Tria una "
               "altra carpeta o un altre nom d'arxiu.")
        .arg(QDir::toNativeSeparators(ruta));
}

void frmArxius::reject() {
    ruta_ = QString::fromStdString(Ruta_cancel);
    QDialog::reject();
}

QList<frmArxius::Unitat> frmArxius::unitats_del_sistema() {
    QList<Unitat> unitats{{QStringLiteral("Carpeta personal (%1)").arg(QDir::homePath()), QDir::homePath()}};
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        if (!unitat_visible(utf8(v.rootPath()), v.fileSystemType().toStdString())) continue;
        const QString nom = v.displayName() == v.rootPath()
                                ? v.rootPath()
                                : QStringLiteral("%1 (%2)").arg(v.displayName(), v.rootPath());
        unitats.append({nom, v.rootPath()});
    }
    return unitats;
}

QString frmArxius::carpeta_documents() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) return documents;
    return QDir::homePath();
}

} // namespace quimerix::ui
