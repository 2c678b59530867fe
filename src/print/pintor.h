#pragma once
// Paints a document of print operations on paper, in a print preview or into a PDF, in points:
// "Courier New" (Liberation Mono where it is not installed: the same metrics), black ink for ordinary
// text, pure red and blue. Every run of a line sits on one baseline; a line is as tall as the
// largest size used on it. When a page's text is larger than the printable area, every page is
// scaled down by the same factor, so that nothing runs off the paper and columns keep lining up.

#include <QByteArray>
#include <QColor>
#include <QString>
#include <optional>

#include "records/impressio.h"

class QPagedPaintDevice;

namespace quimerix::impressio {

// The colour of a text on the screen and on paper: black, pure red or pure blue.
QColor color_qt(Color c);

// Paints `d` on a device that has not begun painting (a QPrinter, a QPdfWriter), page after page;
// sets its orientation first. False when the device refuses to paint or to start a page, or when
// a printer reports an error.
bool pinta(const Document_impressio &d, QPagedPaintDevice &dispositiu);

// The PDF (A4) of `d`, made in memory; nothing when the document cannot be painted.
std::optional<QByteArray> pdf(const Document_impressio &d);
// Writes `d` to a PDF file, replacing it only when the whole document has been written. The path
// is checked first with quimerix::desti_de_sortida: nothing but a regular file is replaced, a link
// is written through and the old file's permissions are kept.
bool desa_pdf(const Document_impressio &d, const QString &cami);

// The family asked for and the one the system gives for it (Liberation Mono on Debian).
QString familia_demanada();
QString familia_obtinguda();

} // namespace quimerix::impressio
