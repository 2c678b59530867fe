#include "panell_consulta.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "area_diferida.h"
#include "controls.h"
#include "disposicio_qt.h"
#include "reference/taules_referencia.h"
#include "session/sessio.h"

namespace quimerix::ui {

using disposicio::Rectangle;
using disposicio::Tipus;

namespace {

// The shared area of the views while a set runs; the frozen "Check10" sits just below it.
const Rectangle Area = px(306, 242, 384, 270);
// The about text and the pictures: in the idle window above the options, during a set in the
// shared area.
const Rectangle Autor_inactiu = px(152, 8, 410, 118);
const Rectangle Imatge_inactiu = px(572, 8, 118, 118);
const Rectangle Autor_sessio = px(306, 246, 384, 126);
const Rectangle Imatge_sessio = px(438, 380, 120, 120);
// The guide, the notes, the tables and a review in the idle window take the band above the options.
const Rectangle Guia_inactiu = px(152, 8, 538, 226);
// The review: the list of exercises above, the detail of the one chosen below.
const Rectangle Llista_sessio = px(306, 242, 384, 118);
const Rectangle Detall_sessio = px(306, 364, 384, 148);
const Rectangle Llista_inactiu = px(152, 8, 538, 100);
const Rectangle Detall_inactiu = px(152, 112, 538, 122);

const QString Gracies =
    QStringLiteral("Gràcies per utilitzar aquesta aplicació. Continuaré treballant per millorar-la.");

QString recurs(const QString &nom) {
    QFile f(nom);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

template <std::size_t N> QString en_linies(const std::array<std::string, N> &linies) {
    QStringList l;
    for (const std::string &s : linies)
        l << QString::fromStdString(s);
    return l.join('\n');
}

// A picture drawn as large as its place allows, keeping its proportions.
class Imatge final : public QLabel {
  public:
    Imatge(const QString &recurs, QWidget *pare) : QLabel(pare), recurs_(recurs) {}

  protected:
    void paintEvent(QPaintEvent *) override {
        // Read when first drawn, so that the window opens sooner, and scaled again only when the
        // place changes size: the area around it repaints far more often than it is resized.
        if (escalada_.isNull() || mida_escalada_ != size()) {
            const QPixmap imatge(recurs_, "PNG");
            escalada_ = imatge.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            mida_escalada_ = size();
        }
        QPainter p(this);
        p.drawPixmap((width() - escalada_.width()) / 2, (height() - escalada_.height()) / 2, escalada_);
    }

  private:
    QString recurs_;
    QPixmap escalada_;
    QSize mida_escalada_;
};

QFont lletra_fixa() {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

// One view of the panel: the button that brings it up and what the keyboard reaches in it, each
// nullptr where the view has none.
struct Pestanya {
    Vista vista;
    QPushButton *boto;
    QWidget *contingut;
};

// The view `v` of panel `p`; neither button nor content for a view that is not the panel's.
Pestanya pestanya(const PanellConsulta &p, Vista v) {
    const Pestanya totes[] = {
        {Vista::Teoria, p.cmdTeoria, p.Text6},     {Vista::Valencies, p.cmdValencies, p.Taula81},
        {Vista::Simbols, p.cmdSimbols, p.Taula92}, {Vista::Guia, p.cmdHelp, p.Text8},
        {Vista::Credits, p.cmdCredits, nullptr},   {Vista::Autor, p.cmdAutor, nullptr},
        {Vista::Revisio, nullptr, p.lstRevisio}};
    for (const Pestanya &t : totes)
        if (t.vista == v) return t;
    return {v, nullptr, nullptr};
}

} // namespace

PanellConsulta::PanellConsulta(QWidget *superficie, DisposicioFinestra &disposicio_finestra)
    : QObject(superficie), superficie_(superficie), disposicio_finestra_(disposicio_finestra),
      lloc_vistes_(std::make_unique<LlocArea>(superficie, "llocVistes")) {
    construeix_textos(superficie);
    construeix_botons(superficie);
    tmrImage = new QTimer(this);
    tmrImage->setObjectName(QStringLiteral("tmrImage"));
    tmrImage->setInterval(1500);
}

PanellConsulta::~PanellConsulta() = default;

void PanellConsulta::construeix_vistes() {
    if (Text6) return;
    lloc_vistes_->construeix([this] { fes_vistes(superficie_); });
    // Shown only when the session asks for them.
    for (QWidget *w :
         std::initializer_list<QWidget *>{Text6, Text8, Taula81, Taula92, lstRevisio, txtRevisio})
        w->hide();
    if (inactiu_vist_ >= 0) colloca_vistes();
}

void PanellConsulta::fes_vistes(QWidget *s) {
    Text6 = new QPlainTextEdit(s);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text8 = new QTextEdit(s);
    Text8->setObjectName(QStringLiteral("Text8"));
    Text8->setAcceptRichText(false);
    for (QAbstractScrollArea *t :
         {static_cast<QAbstractScrollArea *>(Text6), static_cast<QAbstractScrollArea *>(Text8)})
        disposicio_finestra_.registra(t, Tipus::Ordinari, Area);
    // Read aloud by what they hold, as the buttons that bring them up say it.
    Text6->setAccessibleName(QStringLiteral("Apunts de teoria de formulació i nomenclatura"));
    Text8->setAccessibleName(QStringLiteral("Guia d'ús del programa"));
    Text6->setReadOnly(true);
    Text8->setReadOnly(true);
    Text6->setTabChangesFocus(true);
    Text8->setTabChangesFocus(true);
    Text6->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text6->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text8->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto taula = [&](const char *nom_area, const char *nom, QScrollArea *&area) {
        auto *l = new QLabel;
        l->setObjectName(QString::fromUtf8(nom));
        l->setFont(lletra_fixa());
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setContentsMargins(4, 4, 4, 4);
        area = new QScrollArea(s);
        area->setObjectName(QString::fromUtf8(nom_area));
        area->setWidget(l);
        area->setWidgetResizable(true);
        area->setFocusPolicy(Qt::StrongFocus);
        area->setBackgroundRole(QPalette::Base);
        area->installEventFilter(this);
        disposicio_finestra_.registra(area, Tipus::Ordinari, Area);
        return l;
    };
    // The notes and the tables are written the first time they are shown (see omple).
    Label81 = taula("Taula81", "Label81", Taula81);
    Label92 = taula("Taula92", "Label92", Taula92);
    Taula81->setAccessibleName(QStringLiteral("Taula de valències dels elements"));
    Taula92->setAccessibleName(QStringLiteral("Noms i símbols dels elements"));

    lstRevisio = new QListWidget(s);
    lstRevisio->setObjectName(QStringLiteral("lstRevisio"));
    lstRevisio->setAccessibleName(QStringLiteral("Exercicis de la sessió"));
    lstRevisio->setFont(lletra_fixa());
    disposicio_finestra_.registra(lstRevisio, Tipus::Ordinari, Llista_sessio);
    txtRevisio = new QPlainTextEdit(s);
    txtRevisio->setObjectName(QStringLiteral("txtRevisio"));
    txtRevisio->setAccessibleName(QStringLiteral("Detall de l'exercici"));
    txtRevisio->setReadOnly(true);
    txtRevisio->setTabChangesFocus(true);
    txtRevisio->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    disposicio_finestra_.registra(txtRevisio, Tipus::Ordinari, Detall_sessio);
    // The arrows choose a row; Enter on a row shows it too.
    connect(lstRevisio, &QListWidget::currentRowChanged, this, [this] { mostra_detall(); });
    connect(lstRevisio, &QListWidget::activated, this, [this] { mostra_detall(); });
}

void PanellConsulta::construeix_textos(QWidget *s) {
    Label86 = new QLabel(
        QString::fromStdString(Autor(Versio())).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), s);
    Label86->setObjectName(QStringLiteral("Label86"));
    Label86->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label86->setWordWrap(true);
    QFont f = Label86->font();
    f.setPointSize(10);
    f.setBold(true);
    Label86->setFont(f);
    QPalette p = Label86->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label86->setPalette(p);
    disposicio_finestra_.registra(Label86, Tipus::Ordinari, Autor_inactiu);
    for (int i = 0; i < Nombre_imatges; ++i) {
        const QString nom = QStringLiteral("ratoli%1").arg(i + 1);
        ratoli[i] = new Imatge(QStringLiteral(":/imatges/%1.png").arg(nom), s);
        ratoli[i]->setObjectName(nom);
        ratoli[i]->setToolTip(Gracies);
        disposicio_finestra_.registra(ratoli[i], Tipus::Ordinari, Imatge_inactiu);
    }
}

void PanellConsulta::construeix_botons(QWidget *s) {
    auto boto = [&](const char *nom, const QString &text, const QString &consell, int y) {
        auto *b = new QPushButton(text, s);
        b->setObjectName(QString::fromUtf8(nom));
        b->setToolTip(consell);
        // A click leaves the keyboard where the student was; Tab still reaches the button.
        b->setFocusPolicy(Qt::TabFocus);
        disposicio_finestra_.registra(b, Tipus::Ordinari, px(698, y, 94, 30));
        return b;
    };
    cmdTeoria = boto("cmdTeoria", QStringLiteral("Teoria"),
                     QStringLiteral("Apunts de teoria de formulació i nomenclatura"), 316);
    cmdValencies = boto("cmdValències", QStringLiteral("Valències"),
                        QStringLiteral("Taula de valències dels elements"), 350);
    cmdSimbols =
        boto("cmdSímbols", QStringLiteral("Símbols"), QStringLiteral("Noms i símbols dels elements"), 384);
    cmdHelp = boto("cmdHelp", QStringLiteral("Guia"), QStringLiteral("Guia d'ús del programa"), 424);
    cmdCredits = boto("cmdCrèdits", QStringLiteral("Crèdits"), QStringLiteral("Crèdits del programa"), 458);
    cmdAutor = boto("cmdAutor", QStringLiteral("Autoria"), QStringLiteral("Sobre el programa..."), 492);
}

void PanellConsulta::escriu_guia() {
    construeix_vistes();
    Text8->setPlainText(recurs(QStringLiteral(":/guia.txt")));
    // The title and the credit line are centred.
    QTextCursor c(Text8->document());
    for (int i = 0; i < 2; ++i) {
        QTextBlockFormat format = c.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(format);
        c.movePosition(QTextCursor::NextBlock);
    }
    Text8->moveCursor(QTextCursor::Start);
}

QPushButton *PanellConsulta::boto(Boto b) const {
    return pestanya(*this, Vista_de[static_cast<std::size_t>(b)]).boto;
}

QWidget *PanellConsulta::contingut(Vista v) const {
    return pestanya(*this, v).contingut;
}

void PanellConsulta::pinta_boto(QPushButton *b, EstatBoto e) {
    b->setVisible(e.ofert);
    b->setEnabled(e.actiu);
    // Offered tabs stand out in the window's text-field colour; the pressed one keeps the face.
    QPalette p = QApplication::palette(b);
    if (e.actiu) p.setColor(QPalette::Button, p.color(QPalette::Base));
    b->setPalette(p);
}

void PanellConsulta::colloca_autor(bool inactiu) {
    if (static_cast<int>(inactiu) == inactiu_vist_) return;
    inactiu_vist_ = inactiu;
    disposicio_finestra_.canvia_disseny(Label86, inactiu ? Autor_inactiu : Autor_sessio);
    for (QLabel *r : ratoli)
        disposicio_finestra_.canvia_disseny(r, inactiu ? Imatge_inactiu : Imatge_sessio);
    if (Text6) colloca_vistes();
}

void PanellConsulta::colloca_vistes() {
    const bool inactiu = inactiu_vist_ == 1;
    for (QWidget *w : std::initializer_list<QWidget *>{Text8, Text6, Taula81, Taula92})
        disposicio_finestra_.canvia_disseny(w, inactiu ? Guia_inactiu : Area);
    disposicio_finestra_.canvia_disseny(lstRevisio, inactiu ? Llista_inactiu : Llista_sessio);
    disposicio_finestra_.canvia_disseny(txtRevisio, inactiu ? Detall_inactiu : Detall_sessio);
}

void PanellConsulta::mostra_revisio(const Sessio &s) {
    QStringList files;
    for (const Fila_revisio &f : s.files_revisio())
        files << QString::fromStdString(text_fila(f));
    QStringList vistes;
    for (int i = 0; i < lstRevisio->count(); ++i)
        vistes << lstRevisio->item(i)->text();
    if (files != vistes) {
        lstRevisio->clear();
        lstRevisio->addItems(files);
        if (!files.isEmpty()) lstRevisio->setCurrentRow(0);
    }
    mostra_detall();
}

void PanellConsulta::mostra_detall() {
    if (!sessio_) return;
    QStringList linies;
    for (const std::string &l : sessio_->detall_revisio(lstRevisio->currentRow()))
        linies << QString::fromStdString(l);
    const QString text = linies.join('\n');
    if (txtRevisio->toPlainText() != text) txtRevisio->setPlainText(text);
}

// Laying out the notes and the tables is most of what the panel costs; it is done when the
// student first asks for them, not while the window opens.
void PanellConsulta::omple(Vista v) {
    if (v == Vista::Teoria && Text6->document()->isEmpty())
        Text6->setPlainText(recurs(QStringLiteral(":/teoria.txt")));
    auto taula = [this](QScrollArea *area, QLabel *l, const QString &text) {
        if (!l->text().isEmpty()) return;
        l->setText(text);
        ajusta_taula(area, l);
    };
    if (v == Vista::Valencies) taula(Taula81, Label81, en_linies(Taula_de_Valencies()));
    if (v == Vista::Simbols) taula(Taula92, Label92, en_linies(Simbols()));
    if (v == Vista::Guia && Text8->document()->isEmpty()) escriu_guia();
}

void PanellConsulta::mostra(const Sessio &s) {
    const Panell &p = s.panell();
    const Vista v = p.vista();
    sessio_ = &s;
    colloca_autor(s.estat() == Estat::Inactiu);
    if (v == Vista::Teoria || v == Vista::Valencies || v == Vista::Simbols || v == Vista::Guia ||
        v == Vista::Revisio)
        construeix_vistes();
    if (Text6) {
        omple(v);
        if (v == Vista::Revisio) mostra_revisio(s);
        lstRevisio->setVisible(v == Vista::Revisio);
        txtRevisio->setVisible(v == Vista::Revisio);
        Text6->setVisible(v == Vista::Teoria);
        Taula81->setVisible(v == Vista::Valencies);
        Taula92->setVisible(v == Vista::Simbols);
        Text8->setVisible(v == Vista::Guia);
    }
    Label86->setVisible(p.mostra_autor());
    for (int i = 0; i < Nombre_imatges; ++i)
        ratoli[i]->setVisible(i == p.imatge());
    if (p.imatge() < 0)
        tmrImage->stop();
    else if (!tmrImage->isActive())
        tmrImage->start();
    for (int b = 0; b < Nombre_botons; ++b)
        if (QPushButton *boto = this->boto(static_cast<Boto>(b)))
            pinta_boto(boto, s.boto(static_cast<Boto>(b)));
}

// The tables take the largest fixed-pitch size that shows a whole line, down to a readable
// minimum; below it they scroll sideways.
void PanellConsulta::ajusta_taula(QScrollArea *area, QLabel *taula) {
    if (taula->text().isEmpty()) return;
    const int lloc = area->width() - 2 * area->frameWidth() - taula->contentsMargins().left() -
                     taula->contentsMargins().right() - 2;
    QFont f = taula->font();
    int mida = 16;
    for (; mida > 9; --mida) {
        f.setPixelSize(mida);
        const QFontMetrics m(f);
        int amplada = 0;
        for (const QString &linia : taula->text().split('\n'))
            amplada = std::max(amplada, m.horizontalAdvance(linia));
        if (amplada <= lloc) break;
    }
    f.setPixelSize(mida);
    if (f != taula->font()) taula->setFont(f);
    // A label changed while its area was hidden asks nobody for room: size it to its text now.
    area->setWidgetResizable(true);
}

bool PanellConsulta::eventFilter(QObject *objecte, QEvent *event) {
    // Refitted when shown too: the frame's width is known only once the area is polished.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        if (objecte == Taula81) ajusta_taula(Taula81, Label81);
        if (objecte == Taula92) ajusta_taula(Taula92, Label92);
    }
    return QObject::eventFilter(objecte, event);
}

} // namespace quimerix::ui
