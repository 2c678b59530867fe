#include "pintor.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <map>
#include <vector>

namespace quimerix::impressio {

namespace {

const QString Família = QStringLiteral("Courier New");

QFont font_de(double punts, bool negreta) {
    QFont f(Família);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setKerning(false);
    f.setPointSizeF(punts);
    f.setBold(negreta);
    return f;
}

QColor color_qt(Color c) {
    switch (c) {
    case Color::Vermell: return QColor(255, 0, 0);
    case Color::Blau: return QColor(0, 0, 255);
    case Color::Negre: break;
    }
    return QColor(0, 0, 0);
}

// A run of text placed on its page, in device units of the unscaled document.
struct Tros {
    double x = 0, amplada = 0;
    int mida = 10;
    bool negreta = false, subratllat = false;
    Color color = Color::Negre;
    QString text;
};

struct Línia {
    double base = 0; // baseline from the top of the printable area
    std::vector<Tros> trossos;
};

// Font metrics by size and weight, measured on the device.
class Mètriques {
  public:
    explicit Mètriques(QPaintDevice *d) : d_(d) {}
    const QFontMetricsF &de(int mida, bool negreta) {
        const int clau = mida * 2 + (negreta ? 1 : 0);
        auto it = m_.find(clau);
        if (it == m_.end()) it = m_.emplace(clau, QFontMetricsF(font_de(mida, negreta), d_)).first;
        return it->second;
    }

  private:
    QPaintDevice *d_;
    std::map<int, QFontMetricsF> m_;
};

// Places every run: pages of lines, each line on its own baseline.
class Composició {
  public:
    explicit Composició(Mètriques &m) : m_(m) {}

    void compon(const Document_impressió &d) {
        pàgines_.assign(1, {});
        for (const Operació &op : d.operacions) {
            switch (op.tipus) {
            case Tipus_operació::Mida: mida_ = op.valor > 0 ? op.valor : mida_; break;
            case Tipus_operació::Negreta: negreta_ = op.valor != 0; break;
            case Tipus_operació::Subratllat: subratllat_ = op.valor != 0; break;
            case Tipus_operació::Color: color_ = op.color; break;
            case Tipus_operació::Text: afegeix(QString::fromStdString(op.text)); break;
            case Tipus_operació::Fi_línia: tanca_línia(true); break;
            case Tipus_operació::Nova_pàgina:
                tanca_línia(false);
                pàgines_.emplace_back();
                y_ = 0;
                break;
            }
        }
        tanca_línia(false);
    }

    const std::vector<std::vector<Línia>> &pàgines() const { return pàgines_; }
    double amplada() const { return amplada_; }
    double alçada() const { return alçada_; }

  private:
    void afegeix(const QString &text) {
        if (text.isEmpty()) return;
        const QFontMetricsF &fm = m_.de(mida_, negreta_);
        Tros t{x_, fm.horizontalAdvance(text), mida_, negreta_, subratllat_, color_, text};
        x_ += t.amplada;
        amplada_ = std::max(amplada_, x_);
        oberta_.trossos.push_back(std::move(t));
    }

    // Ends the line being written; a line end counts the size in force, a page end only the runs.
    void tanca_línia(bool fi_línia) {
        if (oberta_.trossos.empty() && !fi_línia) return;
        double ascens = 0, descens = 0;
        auto mesura = [&](int mida, bool negreta) {
            const QFontMetricsF &fm = m_.de(mida, negreta);
            ascens = std::max(ascens, fm.ascent());
            descens = std::max(descens, fm.descent());
        };
        for (const Tros &t : oberta_.trossos)
            mesura(t.mida, t.negreta);
        if (fi_línia) mesura(mida_, negreta_);
        oberta_.base = y_ + ascens;
        y_ += ascens + descens;
        alçada_ = std::max(alçada_, y_);
        if (!oberta_.trossos.empty()) pàgines_.back().push_back(std::move(oberta_));
        oberta_ = {};
        x_ = 0;
    }

    Mètriques &m_;
    std::vector<std::vector<Línia>> pàgines_;
    Línia oberta_;
    double x_ = 0, y_ = 0, amplada_ = 0, alçada_ = 0;
    int mida_ = 10;
    bool negreta_ = false, subratllat_ = false;
    Color color_ = Color::Negre;
};

void pinta_pàgina(QPainter &p, const std::vector<Línia> &línies, double escala) {
    std::map<int, QFont> fonts;
    for (const Línia &l : línies) {
        for (const Tros &t : l.trossos) {
            const int clau = t.mida * 2 + (t.negreta ? 1 : 0);
            auto it = fonts.find(clau);
            if (it == fonts.end()) it = fonts.emplace(clau, font_de(t.mida * escala, t.negreta)).first;
            p.setFont(it->second);
            const QColor c = color_qt(t.color);
            p.setPen(c);
            const QPointF on(t.x * escala, l.base * escala);
            p.drawText(on, t.text);
            if (t.subratllat) {
                const QFontMetricsF fm(it->second, p.device());
                const double gruix = std::max(fm.lineWidth(), 1.0);
                p.fillRect(QRectF(on.x(), on.y() + fm.underlinePos(), t.amplada * escala, gruix), c);
            }
        }
    }
}

} // namespace

QString família_demanada() { return Família; }

QString família_obtinguda() { return QFontInfo(font_de(10, false)).family(); }

bool pinta(const Document_impressió &d, QPagedPaintDevice &dispositiu) {
    dispositiu.setPageOrientation(d.apaïsat ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&dispositiu)) return false;
    Mètriques m(&dispositiu);
    Composició c(m);
    c.compon(d);

    // The printable area in device units, and the one scale that makes every page fit in it.
    const QRectF àrea = dispositiu.pageLayout().paintRectPixels(dispositiu.logicalDpiX());
    double escala = 1;
    if (c.amplada() > àrea.width()) escala = std::min(escala, àrea.width() / c.amplada());
    if (c.alçada() > àrea.height()) escala = std::min(escala, àrea.height() / c.alçada());

    bool bé = true;
    const auto &pàgines = c.pàgines();
    for (std::size_t i = 0; i < pàgines.size() && bé; ++i) {
        if (i > 0 && !dispositiu.newPage()) bé = false;
        if (bé) pinta_pàgina(p, pàgines[i], escala);
    }
    if (!p.end()) bé = false;
    if (auto *impressora = dynamic_cast<QPrinter *>(&dispositiu))
        if (impressora->printerState() == QPrinter::Error || impressora->printerState() == QPrinter::Aborted)
            bé = false;
    return bé;
}

bool desa_pdf(const Document_impressió &d, const QString &camí) {
    QSaveFile fitxer(camí);
    if (!fitxer.open(QIODevice::WriteOnly)) return false;
    bool bé = false;
    {
        QPdfWriter pdf(&fitxer);
        pdf.setCreator(QStringLiteral("QUIMERIX"));
        pdf.setTitle(QStringLiteral("Informe de QUIMERIX"));
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      d.apaïsat ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(14, 14, 14, 14), QPageLayout::Point));
        bé = pinta(d, pdf);
    }
    if (!bé) {
        fitxer.cancelWriting();
        return false;
    }
    return fitxer.commit();
}

} // namespace quimerix::impressio
