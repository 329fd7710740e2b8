#include "qt/pdf_picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <optional>
#include <vector>

#include "qt/display_list_painter.h"
#include "qt/raster_underlay.h"

namespace rainbow {
namespace {

constexpr double points_per_inch = 72;

// Draws the picture through Qt's PDF writer, `underlay` (unless null) in place of the
// surface's own.
QByteArray generated(const Surface& surface, QSize pixels, const QString& title, int dots_per_inch,
                     double min_text_pixels, const QImage* underlay) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("rainbow"));
        pdf.setResolution(dots_per_inch);
        const QSizeF points = QSizeF(pixels) * (points_per_inch / dots_per_inch);
        pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf)) return {};
        paint_display_list_over(painter, surface, QSizeF(pdf.width(), pdf.height()), underlay,
                                min_text_pixels);
        if (!painter.end()) return {};
    }
    return bytes;
}

// One replacement of bytes in a file.
struct Edit {
    qsizetype at;
    qsizetype length;
    QByteArray bytes;
};

// The decimal number that starts at `at`, and where it ends.
std::optional<std::pair<qint64, qsizetype>> number_at(const QByteArray& text, qsizetype at) {
    qsizetype end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    bool ok = false;
    const qint64 value = text.mid(at, end - at).toLongLong(&ok);
    if (!ok) return std::nullopt;
    return std::pair{value, end};
}

// The edits that put `jpeg` (`size` pixels) in place of the one image object whose stream is
// `stand_in`: its width, height, data and the object that holds its length. Empty when the
// file is not laid out as Qt's PDF writer lays out a JPEG image.
std::vector<Edit> image_edits(const QByteArray& pdf, const QByteArray& stand_in,
                              const QByteArray& jpeg, QSize size) {
    const QByteArray opening = "stream\n" + stand_in + "\nendstream";
    const qsizetype data = pdf.indexOf(opening);
    if (data < 0 || pdf.indexOf(opening, data + 1) >= 0) return {};
    const qsizetype dictionary = pdf.lastIndexOf("<<\n/Type /XObject\n/Subtype /Image\n", data);
    const QByteArray sides = "/Width 1\n/Height 1\n";
    const qsizetype at_sides = pdf.indexOf(sides, dictionary);
    const qsizetype at_length = pdf.indexOf("/Length ", dictionary);
    const qsizetype filter = pdf.indexOf("/Filter /DCTDecode\n", dictionary);
    if (dictionary < 0 || at_sides < 0 || at_sides > data || at_length < 0 || at_length > data ||
        filter < 0 || filter > data) {
        return {};
    }
    // The length is an object of its own, written after the image: "/Length N 0 R".
    const auto length_object = number_at(pdf, at_length + 8);
    if (!length_object || pdf.mid(length_object->second, 5) != " 0 R\n") return {};
    const QByteArray header = QByteArray::number(length_object->first) + " 0 obj\n";
    const qsizetype held = pdf.indexOf("\n" + header, data) + 1 + header.size();
    const auto length = held > header.size() ? number_at(pdf, held) : std::nullopt;
    if (!length || length->first != stand_in.size()) return {};
    const QByteArray new_sides = "/Width " + QByteArray::number(size.width()) + "\n/Height " +
                                 QByteArray::number(size.height()) + "\n";
    return {{at_sides, sides.size(), new_sides},
            {data + 7, stand_in.size(), jpeg},
            {held, length->second - held, QByteArray::number(jpeg.size())}};
}

// Applies edits, in the order of their places, to a PDF file and moves the offsets of its
// cross-reference table and of "startxref" to match. Empty when the table is not found.
QByteArray edited(const QByteArray& pdf, const std::vector<Edit>& edits) {
    const qsizetype table = pdf.lastIndexOf("\nxref\n") + 1;
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    if (table <= 0 || start < table || edits.empty() || edits.back().at > table) return {};
    const auto moved = [&](qint64 offset) {
        qint64 shift = 0;
        for (const Edit& e : edits) {
            if (e.at < offset) shift += e.bytes.size() - e.length;
        }
        return offset + shift;
    };
    QByteArray out;
    out.reserve(pdf.size() + edits[1].bytes.size());
    qsizetype from = 0;
    for (const Edit& e : edits) {
        out += pdf.mid(from, e.at - from);
        out += e.bytes;
        from = e.at + e.length;
    }
    out += pdf.mid(from, table - from);
    // "xref", "0 N", then N entries of 20 bytes: a 10-digit offset, the generation, n or f.
    const qsizetype first_line = pdf.indexOf('\n', table) + 1;
    const qsizetype entries = pdf.indexOf('\n', first_line) + 1;
    const auto count = number_at(pdf, pdf.indexOf(' ', first_line) + 1);
    if (first_line <= 0 || entries <= 0 || !count) return {};
    out += pdf.mid(table, entries - table);
    for (qint64 i = 0; i < count->first; ++i) {
        QByteArray entry = pdf.mid(entries + 20 * i, 20);
        if (entry.size() != 20) return {};
        if (entry[17] == 'n') {
            const auto offset = number_at(entry, 0);
            if (!offset || offset->second != 10) return {};
            entry.replace(0, 10, QByteArray::number(moved(offset->first)).rightJustified(10, '0'));
        }
        out += entry;
    }
    const qsizetype after_table = entries + 20 * count->first;
    const qsizetype start_value = start + 10;
    const auto old_start = number_at(pdf, start_value);
    if (!old_start) return {};
    out += pdf.mid(after_table, start_value - after_table);
    out += QByteArray::number(moved(old_start->first));
    out += pdf.mid(old_start->second);
    return out;
}

}  // namespace

QByteArray pdf_picture(const Surface& surface, QSize pixels, const QString& title,
                       int dots_per_inch, double min_text_pixels) {
    // Qt's writer would encode the whole underlay again at every export.
    static const QByteArray stand_in =
        encoded_image(underlay_stand_in(), "JPEG", RasterUnderlay::pdf_jpeg_quality);
    return file_with_kept_underlay(
        surface,
        [&](const QImage* underlay) {
            return generated(surface, pixels, title, dots_per_inch, min_text_pixels, underlay);
        },
        [](const QByteArray& pdf, const RasterUnderlay& raster) {
            const QByteArray jpeg = raster.pdf_jpeg();
            if (stand_in.isEmpty() || jpeg.isEmpty()) return QByteArray();
            const auto edits = image_edits(pdf, stand_in, jpeg, raster.image.size());
            return edits.empty() ? QByteArray() : edited(pdf, edits);
        });
}

}  // namespace rainbow
