#include "pintor.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <map>
#include <variant>
#include <vector>

#include "records/sortida.h"

namespace quimerix::impressio {

namespace {

const QString Familia = QStringLiteral("Courier New");

QFont font_de(double punts, bool negreta) {
    QFont f(Familia);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setKerning(false);
    f.setPointSizeF(punts);
    f.setBold(negreta);
    return f;
}

// A run of text placed on its page, in device units of the unscaled document.
struct Tros {
    double x = 0, amplada = 0;
    int mida = 10;
    bool negreta = false, subratllat = false;
    Color color = Color::Negre;
    QString text;
    double barra = -1; // a chart's bar filled to this share (0 to 1); -1 for text
};

struct Linia {
    double base = 0; // baseline from the top of the printable area
    std::vector<Tros> trossos;
};

// Font metrics by size and weight, measured on the device.
class Metriques {
  public:
    explicit Metriques(QPaintDevice *d) : d_(d) {}
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
class Composicio {
  public:
    explicit Composicio(Metriques &m) : m_(m) {}

    void compon(const Document_impressio &d) {
        pagines_.assign(1, {});
        for (const Operacio &op : d.operacions) {
            switch (op.tipus) {
            case Tipus_operacio::Mida:
                mida_ = op.valor > 0 ? op.valor : mida_;
                break;
            case Tipus_operacio::Negreta:
                negreta_ = op.valor != 0;
                break;
            case Tipus_operacio::Subratllat:
                subratllat_ = op.valor != 0;
                break;
            case Tipus_operacio::Color:
                color_ = op.color;
                break;
            case Tipus_operacio::Text:
                afegeix(QString::fromStdString(op.text));
                break;
            case Tipus_operacio::Fi_linia:
                tanca_linia(true);
                break;
            case Tipus_operacio::Nova_pagina:
                tanca_linia(false);
                pagines_.emplace_back();
                y_ = 0;
                break;
            case Tipus_operacio::Barra:
                afegeix_barra(op.valor, op.proporcio, op.color);
                break;
            }
        }
        tanca_linia(false);
    }

    const std::vector<std::vector<Linia>> &pagines() const { return pagines_; }
    double amplada() const { return amplada_; }
    double alcada() const { return alcada_; }

  private:
    void afegeix(const QString &text) {
        if (text.isEmpty()) return;
        const QFontMetricsF &fm = m_.de(mida_, negreta_);
        Tros t{x_, fm.horizontalAdvance(text), mida_, negreta_, subratllat_, color_, text};
        x_ += t.amplada;
        amplada_ = std::max(amplada_, x_);
        oberta_.trossos.push_back(std::move(t));
    }

    void afegeix_barra(int caracters, double proporcio, Color color) {
        if (caracters <= 0) return;
        const QFontMetricsF &fm = m_.de(mida_, negreta_);
        Tros t{
            x_,       fm.horizontalAdvance(QLatin1Char('0')) * caracters, mida_, negreta_, false, color, {},
            proporcio};
        x_ += t.amplada;
        amplada_ = std::max(amplada_, x_);
        oberta_.trossos.push_back(std::move(t));
    }

    // Ends the line being written; a line end counts the size in force, a page end only the runs.
    void tanca_linia(bool fi_linia) {
        if (oberta_.trossos.empty() && !fi_linia) return;
        double ascens = 0, descens = 0;
        auto mesura = [&](int mida, bool negreta) {
            const QFontMetricsF &fm = m_.de(mida, negreta);
            ascens = std::max(ascens, fm.ascent());
            descens = std::max(descens, fm.descent());
        };
        for (const Tros &t : oberta_.trossos)
            mesura(t.mida, t.negreta);
        if (fi_linia) mesura(mida_, negreta_);
        oberta_.base = y_ + ascens;
        y_ += ascens + descens;
        alcada_ = std::max(alcada_, y_);
        if (!oberta_.trossos.empty()) pagines_.back().push_back(std::move(oberta_));
        oberta_ = {};
        x_ = 0;
    }

    Metriques &m_;
    std::vector<std::vector<Linia>> pagines_;
    Linia oberta_;
    double x_ = 0, y_ = 0, amplada_ = 0, alcada_ = 0;
    int mida_ = 10;
    bool negreta_ = false, subratllat_ = false;
    Color color_ = Color::Negre;
};

void pinta_pagina(QPainter &p, const std::vector<Linia> &linies, double escala) {
    std::map<int, QFont> fonts;
    for (const Linia &l : linies) {
        for (const Tros &t : l.trossos) {
            const int clau = t.mida * 2 + (t.negreta ? 1 : 0);
            auto it = fonts.find(clau);
            if (it == fonts.end()) it = fonts.emplace(clau, font_de(t.mida * escala, t.negreta)).first;
            p.setFont(it->second);
            const QColor c = color_qt(t.color);
            if (t.barra >= 0) {
                // The bar stands on the baseline, as tall as a capital letter; its frame shows the
                // whole scale, the fill the share.
                const QFontMetricsF fm(it->second, p.device());
                const double alt = fm.capHeight() > 0 ? fm.capHeight() : fm.ascent() * 0.7;
                const QRectF marc(t.x * escala, l.base * escala - alt, t.amplada * escala, alt);
                p.fillRect(QRectF(marc.topLeft(), QSizeF(marc.width() * t.barra, marc.height())), c);
                p.setPen(QPen(QColor(128, 128, 128), std::max(fm.lineWidth() * 0.5, 1.0)));
                p.drawRect(marc);
                continue;
            }
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

QColor color_qt(Color c) {
    switch (c) {
    case Color::Vermell:
        return QColor(255, 0, 0);
    case Color::Blau:
        return QColor(0, 0, 255);
    case Color::Negre:
        break;
    }
    return QColor(0, 0, 0);
}

QString familia_demanada() {
    return Familia;
}

QString familia_obtinguda() {
    return QFontInfo(font_de(10, false)).family();
}

bool pinta(const Document_impressio &d, QPagedPaintDevice &dispositiu) {
    dispositiu.setPageOrientation(d.apaisat ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&dispositiu)) return false;
    Metriques m(&dispositiu);
    Composicio c(m);
    c.compon(d);

    // The printable area in device units, and the one scale that makes every page fit in it.
    const QRectF area = dispositiu.pageLayout().paintRectPixels(dispositiu.logicalDpiX());
    double escala = 1;
    if (c.amplada() > area.width()) escala = std::min(escala, area.width() / c.amplada());
    if (c.alcada() > area.height()) escala = std::min(escala, area.height() / c.alcada());

    bool be = true;
    const auto &pagines = c.pagines();
    for (std::size_t i = 0; i < pagines.size() && be; ++i) {
        if (i > 0 && !dispositiu.newPage()) be = false;
        if (be) pinta_pagina(p, pagines[i], escala);
    }
    if (!p.end()) be = false;
    if (auto *impressora = dynamic_cast<QPrinter *>(&dispositiu))
        if (impressora->printerState() == QPrinter::Error || impressora->printerState() == QPrinter::Aborted)
            be = false;
    return be;
}

std::optional<QByteArray> pdf(const Document_impressio &d) {
    QByteArray bytes;
    QBuffer memoria(&bytes);
    if (!memoria.open(QIODevice::WriteOnly)) return std::nullopt;
    bool be = false;
    {
        QPdfWriter pdf(&memoria);
        pdf.setCreator(QStringLiteral("QUIMERIX"));
        pdf.setTitle(QStringLiteral("Informe de QUIMERIX"));
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      d.apaisat ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(14, 14, 14, 14), QPageLayout::Point));
        be = pinta(d, pdf);
    }
    if (!be) return std::nullopt;
    return bytes;
}

bool desa_pdf(const Document_impressio &d, const QString &cami) {
    const auto desti = desti_de_sortida(QFile::encodeName(cami).toStdString());
    const auto *on = std::get_if<Desti>(&desti);
    if (on == nullptr) return false;
    const auto bytes = pdf(d);
    if (!bytes) return false;
    // QSaveFile gives the new file the permissions of the one it replaces.
    QSaveFile fitxer(QFile::decodeName(QByteArray::fromStdString(on->cami)));
    if (!fitxer.open(QIODevice::WriteOnly)) return false;
    if (fitxer.write(*bytes) != bytes->size()) {
        fitxer.cancelWriting();
        fitxer.commit();
        return false;
    }
    return fitxer.commit();
}

} // namespace quimerix::impressio
